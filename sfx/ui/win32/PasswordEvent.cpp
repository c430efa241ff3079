#include "PasswordEvent.h"

#include "Form2.h"
#include "MainWindowState.h"
#include "MessageBoxes.h"
#include "MessageText.h"
#include "StartupState.h"
#include "PasswordCaption.h"
#include "SevenZip.h"
#include "SystemPath.h"

PasswordMemory passwordMemory;

// The event's own FileName is not shown: the caption names the file that
// the session started last, which is none yet while the archive is listed.
void PasswordEvent(TSevenZip* Sender, const std::wstring&, std::wstring& Password) {
    const std::optional<std::wstring> answer = AnswerPasswordRequest(passwordMemory, [] {
        const std::wstring caption = PasswordCaption(MessageText(51), currentTargetName);
        // Nobody can give one: the text that a password is needed, and a refusal.
        if (unattended) {
            WriteErrorLine(caption);
            return std::wstring();
        }
        if (!Form2) return std::wstring();
        return Form2->ShowModal(caption);
    });
    if (answer) {
        Password = *answer;
        return;
    }
    extractActive = false;
    // Stopped at the session's next read rather than at the next progress
    // event: the module would first decode the item with the empty
    // password, write what came out and count the item as failed.
    if (Sender) Sender->SetCancel();
    Password.clear();
}

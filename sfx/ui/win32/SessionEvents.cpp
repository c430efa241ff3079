// Form1's answers to the session's events during an extraction, on the
// window's thread: progress, and the start of each file with the overwrite
// decision; the password requests go to PasswordEvent.
#include <memory>

#include "Controls.h"
#include "Form1.h"
#include "MainWindowState.h"
#include "MessageBoxes.h"
#include "MessageText.h"
#include "OverwriteRules.h"
#include "PasswordEvent.h"
#include "SevenZip.h"
#include "SfxSettings.h"
#include "SystemPath.h"

namespace {

// Yes, No and Cancel, the question icon, and the service-notification flag.
constexpr UINT kOverwriteQuestionStyle = 0x00200023;

// A file name shown in a label whose "&" marks are accelerators.
std::wstring WithoutAccelerators(const std::wstring& text) {
    std::wstring shown;
    for (wchar_t c : text) {
        if (c == L'&') shown += L'&';
        shown += c;
    }
    return shown;
}

}  // namespace

void TForm1::AttachSessionEvents() {
    session->OnProgress = [this](TSevenZip*, uint8_t, uint8_t totalProgress, bool& cancel) {
        ProgressEvent(totalProgress, cancel);
    };
    session->OnBegin = [this](TSevenZip*, uint8_t mode, const std::wstring&, const std::wstring& destinationFileName,
                              bool& proceed) {
        // Only an item about to be written has a file and a question: not one
        // tested first (1), nor a volume of the archive opened (10), which the
        // start-up has checked and holds.
        if (mode != 0) return;
        BeginEvent(destinationFileName, proceed);
    };
    session->OnPassword = PasswordEvent;
}

void TForm1::ProgressEvent(uint8_t totalProgress, bool& cancel) {
    SetProgress(ProgressBar1, totalProgress);
    if (!extractActive) cancel = true;
}

void TForm1::BeginEvent(const std::wstring& destinationFileName, bool& replace) {
    auto copy = std::make_unique<std::wstring>(destinationFileName);
    if (Handle && PostMessageW(Handle, WM_SFX_BEGINFILE, 0, LPARAM(copy.get()))) postedNames.insert(copy.release());
    currentTargetName = destinationFileName;
    switch (ExistingFileAction(extractActive, FileExists(destinationFileName), overwriteChoice)) {
        case ExistingFile::kLeave:
            replace = false;
            return;
        case ExistingFile::kReplace:
            replace = true;
            return;
        case ExistingFile::kAsk:
            replace = AskOverwrite(destinationFileName);
            return;
    }
}

// True for Yes. Cancel stops the extraction; the process ends as soon as
// the session has returned, since ending it with the module on the stack
// would pull the module's code from under it.
bool TForm1::AskOverwrite(const std::wstring& destinationFileName) {
    const std::wstring text = destinationFileName + L"\r" + MessageText(37);
    const std::wstring caption = kDefaultCaption;
    switch (ShowBox(text, caption, kOverwriteQuestionStyle)) {
        case IDYES:
            return true;
        case IDCANCEL:
            extractActive = false;
            overwriteCancelled = true;
            return false;
        default:  // No, or a box that could not be shown or nobody answers: the old file stays
            return false;
    }
}

// Only copies that BeginEvent posted are read and freed: the message number
// is open to any program that posts to the window.
bool TForm1::BeginFileMessage(LPARAM lParam) {
    auto* posted = reinterpret_cast<std::wstring*>(lParam);
    if (postedNames.erase(posted) == 0) return false;
    const std::unique_ptr<std::wstring> path(posted);
    if (!extractActive) return false;
    SetText(LabelFiles, MessageText(46) + L" " + WithoutAccelerators(*path));
    return true;
}

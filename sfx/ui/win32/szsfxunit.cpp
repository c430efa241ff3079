#include "szsfxunit.h"

#include <windows.h>

#include "Form1.h"
#include "Form2.h"
#include "MainWindowState.h"
#include "MessageBoxes.h"
#include "MessageTable.h"
#include "MessageText.h"
#include "SfxSettings.h"
#include "StartupState.h"

int RunMainWindow() {
    // Lives until the process ends, as the session it holds: the module may
    // still reach it while the process winds down.
    Form1 = new TForm1;
    if (!Form1->Create()) {
        ErrorBox(MessageText(44), kDefaultCaption);
        return kExitFailure;
    }
    // Owned by Form1, hidden until a password is needed.
    Form2 = new TForm2;
    if (!Form2->Create(Form1->Handle, Form1->font)) {
        ErrorBox(MessageText(44), kDefaultCaption);
        return kExitFailure;
    }
    Form1->Show();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (Form1->TranslateDialogKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return Form1->ExitCode();
}

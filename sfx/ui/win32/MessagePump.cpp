#include "MessagePump.h"

#include <windows.h>

#include "Form1.h"
#include "MainWindowState.h"

void DispatchPendingMessages(int limit) {
    MSG msg;
    for (int n = 0; limit < 0 || n < limit; ++n) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return;
        if (msg.message == WM_QUIT) {
            // The outer message loop must still see it.
            PostQuitMessage(int(msg.wParam));
            return;
        }
        if (Form1 && Form1->TranslateDialogKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

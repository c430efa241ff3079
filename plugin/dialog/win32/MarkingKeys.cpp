#include "MarkingKeys.h"

// The modal loop hands every keystroke to IsDialogMessage, which dispatches
// it to the window with the focus: the dialog procedure sees WM_KEYDOWN only
// while the dialog itself has it, not after a click on the trackbar. The
// loop's message filter (WH_MSGFILTER, MSGF_DIALOGBOX) sees the keystroke
// first, whichever window it is meant for, so Backspace can be taken there
// before a control that would ignore it swallows it. Controls that take text
// say so through WM_GETDLGCODE and keep their Backspace for editing.

namespace {

HHOOK gHook = nullptr;
HWND gDialog = nullptr;

bool TakesText(HWND control, MSG& message) {
    constexpr LRESULT kTextKeys = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTALLKEYS;
    const LRESULT wanted = SendMessageA(control, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    return (wanted & kTextKeys) != 0;
}

bool IsMarkingKey(MSG& message) {
    return message.message == WM_KEYDOWN && message.wParam == VK_BACK && gDialog && IsChild(gDialog, message.hwnd) &&
           !TakesText(message.hwnd, message);
}

LRESULT CALLBACK FilterDialogMessage(int code, WPARAM wParam, LPARAM lParam) {
    MSG* message = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && message && IsMarkingKey(*message)) {
        SendMessageA(gDialog, WM_KEYDOWN, message->wParam, message->lParam);
        return TRUE;
    }
    return CallNextHookEx(gHook, code, wParam, lParam);
}

}  // namespace

// Without the filter Backspace still works while the dialog has the focus,
// so a failed hook is not worth a message.
void RouteMarkingKeys(HWND dialog) {
    gDialog = dialog;
    gHook = SetWindowsHookExA(WH_MSGFILTER, FilterDialogMessage, nullptr, GetCurrentThreadId());
}

void StopRoutingMarkingKeys() {
    if (gHook) UnhookWindowsHookEx(gHook);
    gHook = nullptr;
    gDialog = nullptr;
}

#include "Toolbar.h"

#include <commctrl.h>

#include "DialogIds.h"
#include "ModuleHandle.h"
#include "PreviewZoom.h"
#include "ToolbarImages.h"

HWND gToolbar = nullptr;

namespace {

constexpr DWORD kToolbarStyle = 0x40000200;  // child, wrapable
constexpr char kForwardedProc[] = "LinefixToolbarProc";

static_assert(sizeof(TBBUTTON) == (sizeof(void*) == 4 ? 20 : 32),
              "the toolbar is told button records of 20 bytes (32 on x64)");

// The trackbar reports to its parent, the toolbar; its scroll messages go on
// to the dialog, which sets the width from them.
LRESULT CALLBACK ToolbarProc(HWND toolbar, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetPropA(toolbar, kForwardedProc));
    if (message == WM_HSCROLL) return SendMessageA(GetParent(toolbar), message, wParam, lParam);
    if (message == WM_NCDESTROY) RemovePropA(toolbar, kForwardedProc);
    return original ? CallWindowProcA(original, toolbar, message, wParam, lParam)
                    : DefWindowProcA(toolbar, message, wParam, lParam);
}

void ForwardScrolling(HWND toolbar) {
    const LONG_PTR original = GetWindowLongPtrA(toolbar, GWLP_WNDPROC);
    if (original && SetPropA(toolbar, kForwardedProc, reinterpret_cast<HANDLE>(original)))
        SetWindowLongPtrA(toolbar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ToolbarProc));
}

// The separator keeps the toolbar free up to the trackbar's right edge.
int SeparatorWidth(HWND dialog) {
    RECT trackbar, window;
    if (!GetWindowRect(GetDlgItem(dialog, kWidthTrackbarId), &trackbar) || !GetWindowRect(dialog, &window)) return 0;
    return trackbar.right - window.left;
}

TBBUTTON Button(int image, int command, const char* text) {
    TBBUTTON button{};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_AUTOSIZE;
    button.iString = reinterpret_cast<INT_PTR>(text);
    return button;
}

void AddButtons(HWND toolbar, HWND dialog) {
    TBBUTTON separator{};
    separator.iBitmap = SeparatorWidth(dialog);
    separator.fsState = TBSTATE_ENABLED;
    separator.fsStyle = BTNS_SEP;
    TBBUTTON buttons[] = {separator, Button(0, kCommandZoomIn, "Zoom In"), Button(1, kCommandZoomOut, "Zoom Out"),
                          Button(2, kCommandCancel, "Cancel"), Button(3, kCommandOk, "OK")};
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(CreateToolbarImages()));
    SendMessageA(toolbar, TB_ADDBUTTONSA, WPARAM(sizeof buttons / sizeof buttons[0]),
                 reinterpret_cast<LPARAM>(buttons));
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
}

void SetButton(HWND toolbar, int command, bool enabled) {
    SendMessageA(toolbar, TB_SETSTATE, WPARAM(command), MAKELPARAM(enabled ? TBSTATE_ENABLED : TBSTATE_INDETERMINATE, 0));
}

}  // namespace

HWND CreateToolbar(HWND dialog) {
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, kToolbarStyle, 0, 0, 0, 0, dialog, nullptr,
                                   ModuleHandle, nullptr);
    if (!toolbar) return nullptr;
    ForwardScrolling(toolbar);
    AddButtons(toolbar, dialog);
    SetParent(GetDlgItem(dialog, kWidthLabelId), toolbar);
    SetParent(GetDlgItem(dialog, kWidthTrackbarId), toolbar);
    ShowWindow(toolbar, SW_SHOW);
    return toolbar;
}

HWND WidthTrackbar(HWND dialog) {
    return GetDlgItem(gToolbar ? gToolbar : dialog, kWidthTrackbarId);
}

void UpdateZoomButtons(HWND toolbar) {
    SetButton(toolbar, kCommandZoomIn, CanZoomIn());
    SetButton(toolbar, kCommandZoomOut, CanZoomOut());
}

void ReleaseToolbar(HWND toolbar) {
    DestroyToolbarImages(reinterpret_cast<HANDLE>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0)));
}

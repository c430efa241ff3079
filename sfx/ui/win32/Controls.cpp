#include "Controls.h"

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "MessageTable.h"
#include "MessageText.h"
#include "StartupState.h"
#include "SystemPath.h"

void SetText(HWND control, const std::string& ansiText) { SetText(control, WideFromAnsi(ansiText)); }

void SetText(HWND control, const std::wstring& text) {
    if (control) SetWindowTextW(control, text.c_str());
}

std::wstring TextOf(HWND control) {
    if (!control) return std::wstring();
    const int length = GetWindowTextLengthW(control);
    if (length <= 0) return std::wstring();
    std::vector<wchar_t> text(size_t(length) + 1);
    const int got = GetWindowTextW(control, text.data(), int(text.size()));
    return std::wstring(text.data(), size_t(got > 0 ? got : 0));
}

void SetVisible(HWND control, bool visible) {
    if (control) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

RECT RectInParent(HWND control) {
    RECT at{};
    if (control && GetWindowRect(control, &at))
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&at), 2);
    return at;
}

void Enable(HWND control, bool enabled) {
    if (control) EnableWindow(control, enabled);
}

bool IsChecked(HWND button) { return button && SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND button) {
    if (button) SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
}

void SetProgress(HWND progressBar, int percent) {
    if (progressBar) SendMessageW(progressBar, PBM_SETPOS, WPARAM(percent), 0);
}

// Unattended, the window never takes the focus, which would activate it.
void Focus(HWND control) {
    if (control && !unattended) SetFocus(control);
}

void SetMessageText(HWND control, int message) { SetText(control, MessageText(message)); }

// What the self-extractor's two windows share: their window class, the
// frame of a fixed-size window with a dialog border, its place in the
// middle of the screen, and controls made from a table.
#pragma once

#include <windows.h>

#include <initializer_list>

// No minimise or maximise box, not resizable, no window icon.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;

// The window procedure of a form: the form object comes with the window's
// creation parameters and stays in the window's user data; its
// HandleMessage answers every message from then on but the window's last,
// after which the form forgets the window and its controls (WindowGone).
template <class Form>
LRESULT CALLBACK FormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->Handle = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form) return DefWindowProcW(window, message, wParam, lParam);
    if (message != WM_NCDESTROY) return form->HandleMessage(message, wParam, lParam);
    const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
    form->WindowGone();
    return result;
}

// The class of a form's window; a class registered before is good too.
bool RegisterFormClass(const wchar_t* className, WNDPROC procedure);

// The outer rectangle of a form whose client area is width x height,
// centred on the screen.
RECT CentredFormRect(int width, int height);

// One control: where its handle goes, its identifier, class, styles (beyond
// a visible child), position and size in client pixels.
struct ControlEntry {
    HWND* handle;
    int id;
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    int x, y, width, height;
};

// Makes each control as a child of parent with the font; false when one
// cannot be made.
bool MakeControls(HWND parent, std::initializer_list<ControlEntry> entries, HFONT font);

#include "FormWindow.h"

#include "Dpi.h"

bool RegisterFormClass(const wchar_t* className, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

RECT CentredFormRect(int width, int height) {
    RECT frame{0, 0, Scaled(width), Scaled(height)};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
    const int outerWidth = frame.right - frame.left, outerHeight = frame.bottom - frame.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - outerWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2;
    return RECT{x, y, x + outerWidth, y + outerHeight};
}

bool MakeControls(HWND parent, std::initializer_list<ControlEntry> entries, HFONT font) {
    for (const ControlEntry& c : entries) {
        *c.handle = CreateWindowExW(c.exStyle, c.className, L"", WS_CHILD | WS_VISIBLE | c.style, Scaled(c.x),
                                    Scaled(c.y), Scaled(c.width), Scaled(c.height), parent,
                                    reinterpret_cast<HMENU>(INT_PTR(c.id)), GetModuleHandleW(nullptr), nullptr);
        if (!*c.handle) return false;
        SendMessageW(*c.handle, WM_SETFONT, WPARAM(font), FALSE);
    }
    return true;
}

#include "HostWindow.h"

#ifdef _WIN32
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "HostError.h"

namespace {

// Where the owner's client area lies; dialogs are placed over it.
constexpr int kLeft = 100, kTop = 100, kWidth = 800, kHeight = 600;

void RegisterCommonControls() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    if (!InitCommonControlsEx(&controls)) throw HostError("cannot register the toolbar and trackbar window classes");
}

}  // namespace

HostWindow::HostWindow() {
    RegisterCommonControls();
    HWND window = CreateWindowExA(0, "STATIC", "filterhost", WS_OVERLAPPED, kLeft, kTop, kWidth, kHeight, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window)
        throw HostError("cannot create the owner window for the plug-in's dialogs (error " +
                        std::to_string(GetLastError()) + ")");
    handle_ = reinterpret_cast<intptr_t>(window);
}

HostWindow::~HostWindow() { DestroyWindow(reinterpret_cast<HWND>(handle_)); }

#else

HostWindow::HostWindow() = default;
HostWindow::~HostWindow() = default;

#endif

// The window a host gives its plug-ins' dialogs as their owner.
#pragma once

#include <cstdint>

// On Windows a hidden top-level window, made after the common controls'
// toolbar and trackbar classes are registered, so that a plug-in's dialog can
// use them. Elsewhere there are no windows: the handle is 0.
class HostWindow {
public:
    HostWindow();  // throws HostError when Windows refuses the window
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    intptr_t handle() const { return handle_; }

private:
    intptr_t handle_ = 0;
};

#include "Dpi.h"

#include <windows.h>

int ScreenDpi() {
    // Asked once: a system-aware program's DPI stays what it was at start.
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        if (!screen) return 96;
        const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return pixelsPerInch > 0 ? pixelsPerInch : 96;
    }();
    return dpi;
}

int Scaled(int pixels) { return MulDiv(pixels, ScreenDpi(), 96); }

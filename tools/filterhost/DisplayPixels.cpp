#include "DisplayPixels.h"

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <string>

#include "PixelMapImage.h"
#endif

namespace {

#ifdef _WIN32

bool Draw(const PixelMapImage& image, int32 dstRow, int32 dstCol, HDC dc) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return SetDIBitsToDevice(dc, dstCol, dstRow, DWORD(image.width), DWORD(image.height), 0, 0, 0,
                             UINT(image.height), image.bgra.data(), &info, DIB_RGB_COLORS) != 0;
}

OSErr PI_CDECL DisplayPixelsImpl(const PSPixelMap* source, const VRect* srcRect, int32 dstRow, int32 dstCol,
                                 void* platformContext) {
    if (!source || !srcRect || !platformContext) return paramErr;
    try {
        PixelMapImage image;
        std::string why;
        if (!ConvertPixelMap(*source, *srcRect, image, why)) return paramErr;
        if (image.width == 0 || image.height == 0) return noErr;
        // The rectangle may have been cut to the bounds on its top or left.
        const int32 row = dstRow + std::max(0, source->bounds.top - srcRect->top);
        const int32 col = dstCol + std::max(0, source->bounds.left - srcRect->left);
        return Draw(image, row, col, static_cast<HDC>(platformContext)) ? noErr : paramErr;
    } catch (...) {
        return memFullErr;
    }
}

#else

// No window exists to draw into.
OSErr PI_CDECL DisplayPixelsImpl(const PSPixelMap*, const VRect*, int32, int32, void*) {
    return errPlugInHostInsufficient;
}

#endif

}  // namespace

DisplayPixelsProc DisplayPixels() { return DisplayPixelsImpl; }

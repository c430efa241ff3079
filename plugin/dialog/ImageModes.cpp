#include "ImageModes.h"

int32 PixelMapMode(int32 hostMode) {
    switch (hostMode) {
        case plugInModeGray16:
        case plugInModeGray32: return plugInModeGrayScale;
        case plugInModeRGB48:
        case plugInModeRGB96: return plugInModeRGBColor;
        case plugInModeLab48: return plugInModeLabColor;
        case plugInModeCMYK64: return plugInModeCMYKColor;
        case plugInModeDeepMultichannel: return plugInModeMultichannel;
        case plugInModeDuotone16: return plugInModeDuotone;
        default: return hostMode;
    }
}

int32 ColourPlaneCount(int32 hostMode) {
    switch (hostMode) {
        case plugInModeBitmap:
        case plugInModeGrayScale:
        case plugInModeDuotone:
        case plugInModeGray16:
        case plugInModeDuotone16:
        case plugInModeGray32: return 1;
        case plugInModeIndexedColor:
        case plugInModeRGBColor:
        case plugInModeHSLColor:
        case plugInModeHSBColor:
        case plugInModeLabColor:
        case plugInModeRGB48:
        case plugInModeLab48:
        case plugInModeRGB96: return 3;
        case plugInModeCMYKColor:
        case plugInModeCMYK64: return 4;
        default: return 0;
    }
}

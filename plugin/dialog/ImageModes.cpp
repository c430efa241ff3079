#include "ImageModes.h"

namespace {

enum : int32 {
    kBitmap = 0, kGray = 1, kIndexed = 2, kRGB = 3, kCMYK = 4, kHSL = 5, kHSB = 6, kMultichannel = 7,
    kDuotone = 8, kLab = 9, kGray16 = 10, kRGB48 = 11, kLab48 = 12, kCMYK64 = 13, kDeepMultichannel = 14,
    kDuotone16 = 15, kRGB96 = 16, kGray32 = 17,
};

}  // namespace

int32 PixelMapMode(int32 hostMode) {
    switch (hostMode) {
        case kGray16:
        case kGray32: return kGray;
        case kRGB48:
        case kRGB96: return kRGB;
        case kLab48: return kLab;
        case kCMYK64: return kCMYK;
        case kDeepMultichannel: return kMultichannel;
        case kDuotone16: return kDuotone;
        default: return hostMode;
    }
}

int32 ColourPlaneCount(int32 hostMode) {
    switch (hostMode) {
        case kBitmap:
        case kGray:
        case kDuotone:
        case kGray16:
        case kDuotone16:
        case kGray32: return 1;
        case kIndexed:
        case kRGB:
        case kHSL:
        case kHSB:
        case kLab:
        case kRGB48:
        case kLab48:
        case kRGB96: return 3;
        case kCMYK:
        case kCMYK64: return 4;
        default: return 0;
    }
}

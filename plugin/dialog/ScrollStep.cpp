#include "ScrollStep.h"

#include "ScreenRect.h"

int32 ScrollStep(int32 current, int32 request, int32 thumb) {
    switch (request) {
        case kScrollLineBack: return Saturate(int64(current) - 1);
        case kScrollLineForward: return Saturate(int64(current) + 1);
        case kScrollPageBack: return Saturate(int64(current) - kScrollPage);
        case kScrollPageForward: return Saturate(int64(current) + kScrollPage);
        case kScrollThumbPosition:
        case kScrollThumbTrack: return thumb;
        default: return current;
    }
}

#include "CenterPosition.h"

namespace {

// Back onto the screen when the box would reach past its far edge, and never
// before its near edge, which the caption allowance could otherwise cross.
int32 KeepOnScreen(int32 start, int32 extent, int32 screenExtent) {
    if (int64(start) + extent > screenExtent) start = Saturate(int64(screenExtent) - extent);
    return std::max<int32>(start, 0);
}

}  // namespace

ScreenPoint CenterPosition(const CenterInput& in) {
    int32 allowance = in.captionButtonWidth;
    if (!in.hasSystemMenu) allowance -= allowance / 3;
    const int64 spareWidth = std::max<int64>(int64(Width(in.owner)) - in.width, 0);
    const int64 spareHeight = std::max<int64>(int64(Height(in.owner)) - in.height, 0);
    const int32 x = Saturate(spareWidth / 2 + in.owner.left - allowance);
    const int32 y = Saturate(spareHeight / 3 + in.owner.top);
    return {KeepOnScreen(x, in.width, in.screenWidth), KeepOnScreen(y, in.height, in.screenHeight)};
}

// An int32 map over a box of image pixels: the write-back's maps cover only
// the wire rectangle, so their memory does not grow with the image.
#pragma once

#include "HostBuffer.h"
#include "QuadWalker.h"

class BoxMap {
public:
    // Zeroed entries for every pixel of the box; false (result -108) when the
    // host cannot supply them.
    bool Allocate(const PixelBox& box);
    // The entry of (x, y); 0 outside the box.
    int32 Get(int32 x, int32 y) const;
    // The entry of (x, y), which must lie in the box.
    int32& At(int32 x, int32 y) { return grid_.At<int32>(y - box_.top, x - box_.left); }

private:
    PixelBox box_ = {0, 0, 0, 0};
    HostGrid grid_;
};

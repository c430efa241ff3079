#include "BoxMap.h"

bool BoxMap::Allocate(const PixelBox& box) {
    box_ = box;
    return grid_.Resize<int32>(box.right - box.left, box.bottom - box.top);
}

int32 BoxMap::Get(int32 x, int32 y) const {
    if (x < box_.left || x >= box_.right || y < box_.top || y >= box_.bottom) return 0;
    return grid_.At<int32>(y - box_.top, x - box_.left);
}

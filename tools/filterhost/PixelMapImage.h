// What displayPixels draws: a rectangle of a PSPixelMap as 32-bit BGRA rows,
// top row first, the layout of a top-down device-independent bitmap.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "HostInterface.h"

struct PixelMapImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> bgra;  // width x height, 0x00RRGGBB
};

// Converts the part of rect that lies inside the map's bounds, composited over
// white through the map's first mask (255 opaque). Grey, duotone (its first
// plane), RGB and CMYK maps are drawn. Returns false with a reason for a map
// it cannot read: an unknown version or mode, no base address, or a rectangle
// outside the bounds; the caller reports that as paramErr.
bool ConvertPixelMap(const PSPixelMap& map, const VRect& rect, PixelMapImage& out, std::string& why);

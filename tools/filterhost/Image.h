// An 8-bit image as files hold it: rows of interleaved samples, 1 (grey) or
// 3 (RGB) channels.
#pragma once

#include "HostConstants.h"

struct Image {
    int32_t width = 0;
    int32_t height = 0;
    int32_t channels = 0;
    Bytes pixels;  // width * height * channels samples, row by row

    uint8_t& at(int32_t x, int32_t y, int32_t c) { return pixels[(size_t(y) * size_t(width) + size_t(x)) * size_t(channels) + size_t(c)]; }
    uint8_t at(int32_t x, int32_t y, int32_t c) const { return pixels[(size_t(y) * size_t(width) + size_t(x)) * size_t(channels) + size_t(c)]; }
};

// An image as files hold it: rows of interleaved samples, 8 bits each, or 16
// bits (0..65535, native byte order) at depth 16. Its colour channels come
// first: 1 grey, 3 RGB (or Lab, when the host is told so), 4 CMYK; with
// `alpha` a transparency channel follows them.
#pragma once

#include <cstring>

#include "HostConstants.h"

struct Image {
    int32_t width = 0;
    int32_t height = 0;
    int32_t channels = 0;
    Bytes pixels;  // width * height * channels samples, row by row
    int32_t depth = 8;
    bool alpha = false;

    int32_t colourChannels() const { return alpha ? channels - 1 : channels; }
    int32_t bytesPerSample() const { return depth == 16 ? 2 : 1; }

    // 8-bit samples.
    uint8_t& at(int32_t x, int32_t y, int32_t c) { return pixels[index(x, y, c)]; }
    uint8_t at(int32_t x, int32_t y, int32_t c) const { return pixels[index(x, y, c)]; }

    // A sample at either depth.
    uint32_t sample(int32_t x, int32_t y, int32_t c) const {
        if (depth != 16) return at(x, y, c);
        uint16_t v;
        std::memcpy(&v, &pixels[index(x, y, c) * 2], 2);
        return v;
    }
    void setSample(int32_t x, int32_t y, int32_t c, uint32_t v) {
        if (depth != 16) {
            at(x, y, c) = uint8_t(v);
            return;
        }
        const uint16_t v16 = uint16_t(v);
        std::memcpy(&pixels[index(x, y, c) * 2], &v16, 2);
    }

private:
    size_t index(int32_t x, int32_t y, int32_t c) const {
        return (size_t(y) * size_t(width) + size_t(x)) * size_t(channels) + size_t(c);
    }
};

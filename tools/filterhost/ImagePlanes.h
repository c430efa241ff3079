// The host's image storage: one contiguous block per plane, 1 byte per sample
// at depth 8 and 2 bytes (native order, 0..32768) at depth 16.
#pragma once

#include "Image.h"

class ImagePlanes {
public:
    ImagePlanes(const Image& image, int32_t depth);  // depth 8 or 16

    Image toImage() const;  // back to 8 bits

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    int32_t planes() const { return int32_t(planes_.size()); }
    int32_t depth() const { return bytesPerSample_ * 8; }
    int32_t bytesPerSample() const { return bytesPerSample_; }
    int32_t rowBytes() const { return width_ * bytesPerSample_; }

    // Address of sample (x, y) of a plane; the caller keeps the indices in range.
    uint8_t* at(int32_t plane, int32_t x, int32_t y);
    const uint8_t* at(int32_t plane, int32_t x, int32_t y) const;

    // An 8-bit value in this storage's sample format.
    void encode(uint8_t value, uint8_t* sample) const;

private:
    int32_t width_;
    int32_t height_;
    int32_t bytesPerSample_;
    std::vector<Bytes> planes_;
};

// 8-bit values and the 16-bit range 0..32768; To8 clamps larger samples.
uint16_t To16(uint8_t v);
uint8_t To8(uint16_t v);

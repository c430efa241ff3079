// The host's image storage: one contiguous block per plane, 1 byte per sample
// at depth 8 and 2 bytes (native order, 0..32768) at depth 16; the colour
// planes first, then the transparency plane of a layer.
#pragma once

#include "Image.h"

class ImagePlanes {
public:
    // depth 8 or 16, at least the image's own; lab: three colour channels are
    // L, a and b rather than RGB. Throws HostError for what it cannot hold.
    ImagePlanes(const Image& image, int32_t depth, bool lab = false);

    // The planes as an image of source's depth and channels. A sample equal
    // to the one in `delivered` keeps source's value, so that what the
    // plug-in left alone comes back bit for bit at every depth.
    Image toImage(const ImagePlanes& delivered, const Image& source) const;

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    int32_t planes() const { return int32_t(planes_.size()); }
    int32_t colourPlanes() const { return transparency_ ? planes() - 1 : planes(); }
    bool hasTransparency() const { return transparency_; }
    int16_t mode() const { return mode_; }
    int32_t depth() const { return bytesPerSample_ * 8; }
    int32_t bytesPerSample() const { return bytesPerSample_; }
    int32_t rowBytes() const { return width_ * bytesPerSample_; }

    // Address of sample (x, y) of a plane; the caller keeps the indices in range.
    uint8_t* at(int32_t plane, int32_t x, int32_t y);
    const uint8_t* at(int32_t plane, int32_t x, int32_t y) const;
    uint32_t value(int32_t plane, int32_t x, int32_t y) const;

    // An 8-bit value in this storage's sample format.
    void encode(uint8_t value, uint8_t* sample) const;

private:
    void store(int32_t plane, int32_t x, int32_t y, uint32_t value);

    int32_t width_;
    int32_t height_;
    int32_t bytesPerSample_;
    bool transparency_;
    int16_t mode_;
    std::vector<Bytes> planes_;
};

// 8-bit values and the 16-bit range 0..32768; To8 clamps larger samples.
uint16_t To16(uint8_t v);
uint8_t To8(uint16_t v);
// Files' 16-bit samples, 0..65535, and the host's range, rounded both ways.
uint16_t FromFile16(uint16_t v);
uint16_t ToFile16(uint16_t v);

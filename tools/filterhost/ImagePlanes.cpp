#include "ImagePlanes.h"

#include <algorithm>
#include <cstring>

#include "HostError.h"

namespace {

constexpr uint32_t kMax16 = 32768;

}  // namespace

uint16_t To16(uint8_t v) { return uint16_t((v * kMax16 + 127) / 255); }

uint8_t To8(uint16_t v) { return uint8_t((std::min<uint32_t>(v, kMax16) * 255 + kMax16 / 2) / kMax16); }

ImagePlanes::ImagePlanes(const Image& image, int32_t depth)
    : width_(image.width), height_(image.height), bytesPerSample_(depth / 8) {
    if (depth != 8 && depth != 16) throw HostError("unsupported depth " + std::to_string(depth));
    if (image.channels != 1 && image.channels != 3) throw HostError("only grey and RGB images can be filtered");
    if (image.width < 0 || image.height < 0 ||
        image.pixels.size() != size_t(image.width) * size_t(image.height) * size_t(image.channels))
        throw HostError("inconsistent image size");
    planes_.assign(size_t(image.channels), Bytes(size_t(width_) * size_t(height_) * size_t(bytesPerSample_)));
    for (int32_t p = 0; p < planes(); ++p)
        for (int32_t y = 0; y < height_; ++y)
            for (int32_t x = 0; x < width_; ++x) encode(image.at(x, y, p), at(p, x, y));
}

Image ImagePlanes::toImage() const {
    Image image{width_, height_, planes(), Bytes(size_t(width_) * size_t(height_) * planes_.size())};
    for (int32_t p = 0; p < planes(); ++p)
        for (int32_t y = 0; y < height_; ++y)
            for (int32_t x = 0; x < width_; ++x) {
                const uint8_t* s = at(p, x, y);
                uint16_t v16 = 0;
                if (bytesPerSample_ == 2) std::memcpy(&v16, s, 2);
                image.at(x, y, p) = bytesPerSample_ == 1 ? *s : To8(v16);
            }
    return image;
}

uint8_t* ImagePlanes::at(int32_t plane, int32_t x, int32_t y) {
    return planes_[size_t(plane)].data() + (size_t(y) * size_t(width_) + size_t(x)) * size_t(bytesPerSample_);
}

const uint8_t* ImagePlanes::at(int32_t plane, int32_t x, int32_t y) const {
    return planes_[size_t(plane)].data() + (size_t(y) * size_t(width_) + size_t(x)) * size_t(bytesPerSample_);
}

void ImagePlanes::encode(uint8_t value, uint8_t* sample) const {
    if (bytesPerSample_ == 1) {
        *sample = value;
        return;
    }
    uint16_t v16 = To16(value);
    std::memcpy(sample, &v16, 2);
}

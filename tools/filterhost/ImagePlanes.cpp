#include "ImagePlanes.h"

#include <algorithm>
#include <cstring>

#include "HostError.h"

namespace {

constexpr uint32_t kMax16 = 32768;
constexpr uint32_t kFileMax16 = 65535;

int16_t ModeOf(int32_t colourChannels, int32_t depth, bool lab) {
    const bool deep = depth == 16;
    switch (colourChannels) {
        case 1: return deep ? plugInModeGray16 : plugInModeGrayScale;
        case 3:
            if (lab) return deep ? plugInModeLab48 : plugInModeLabColor;
            return deep ? plugInModeRGB48 : plugInModeRGBColor;
        case 4: return deep ? plugInModeCMYK64 : plugInModeCMYKColor;
        default: throw HostError("only grey, RGB, CMYK and Lab images can be filtered");
    }
}

}  // namespace

uint16_t To16(uint8_t v) { return uint16_t((v * kMax16 + 127) / 255); }

uint8_t To8(uint16_t v) { return uint8_t((std::min<uint32_t>(v, kMax16) * 255 + kMax16 / 2) / kMax16); }

uint16_t FromFile16(uint16_t v) { return uint16_t((v * kMax16 + kFileMax16 / 2) / kFileMax16); }

uint16_t ToFile16(uint16_t v) { return uint16_t((std::min<uint32_t>(v, kMax16) * kFileMax16 + kMax16 / 2) / kMax16); }

ImagePlanes::ImagePlanes(const Image& image, int32_t depth, bool lab)
    : width_(image.width), height_(image.height), bytesPerSample_(depth / 8), transparency_(image.alpha), mode_(0) {
    if (depth != 8 && depth != 16) throw HostError("unsupported depth " + std::to_string(depth));
    if (image.depth != 8 && image.depth != 16) throw HostError("unsupported image depth " + std::to_string(image.depth));
    if (image.depth > depth) throw HostError("a 16-bit image cannot be held at 8 bits");
    if (lab && image.colourChannels() != 3) throw HostError("a Lab image has three colour channels");
    mode_ = ModeOf(image.colourChannels(), depth, lab);
    if (image.width < 0 || image.height < 0 ||
        image.pixels.size() !=
            size_t(image.width) * size_t(image.height) * size_t(image.channels) * size_t(image.bytesPerSample()))
        throw HostError("inconsistent image size");
    planes_.assign(size_t(image.channels), Bytes(size_t(width_) * size_t(height_) * size_t(bytesPerSample_)));
    for (int32_t p = 0; p < planes(); ++p)
        for (int32_t y = 0; y < height_; ++y)
            for (int32_t x = 0; x < width_; ++x) {
                const uint32_t v = image.sample(x, y, p);
                if (image.depth == 16) store(p, x, y, FromFile16(uint16_t(v)));
                else encode(uint8_t(v), at(p, x, y));
            }
}

Image ImagePlanes::toImage(const ImagePlanes& delivered, const Image& source) const {
    Image image = source;
    for (int32_t p = 0; p < planes(); ++p)
        for (int32_t y = 0; y < height_; ++y)
            for (int32_t x = 0; x < width_; ++x) {
                const uint32_t v = value(p, x, y);
                if (v == delivered.value(p, x, y)) continue;
                if (bytesPerSample_ == 1) image.setSample(x, y, p, v);
                else image.setSample(x, y, p, image.depth == 16 ? ToFile16(uint16_t(v)) : To8(uint16_t(v)));
            }
    return image;
}

uint8_t* ImagePlanes::at(int32_t plane, int32_t x, int32_t y) {
    return planes_[size_t(plane)].data() + (size_t(y) * size_t(width_) + size_t(x)) * size_t(bytesPerSample_);
}

const uint8_t* ImagePlanes::at(int32_t plane, int32_t x, int32_t y) const {
    return planes_[size_t(plane)].data() + (size_t(y) * size_t(width_) + size_t(x)) * size_t(bytesPerSample_);
}

uint32_t ImagePlanes::value(int32_t plane, int32_t x, int32_t y) const {
    const uint8_t* s = at(plane, x, y);
    if (bytesPerSample_ == 1) return *s;
    uint16_t v;
    std::memcpy(&v, s, 2);
    return v;
}

void ImagePlanes::store(int32_t plane, int32_t x, int32_t y, uint32_t value) {
    const uint16_t v16 = uint16_t(value);
    std::memcpy(at(plane, x, y), &v16, 2);
}

void ImagePlanes::encode(uint8_t value, uint8_t* sample) const {
    if (bytesPerSample_ == 1) {
        *sample = value;
        return;
    }
    uint16_t v16 = To16(value);
    std::memcpy(sample, &v16, 2);
}

#include "PixelMapImage.h"

#include <algorithm>

namespace {

constexpr int32 kModeGrey = 1;
constexpr int32 kModeRGB = 3;
constexpr int32 kModeCMYK = 4;
constexpr int32 kModeDuotone = 8;

int32_t PlaneCount(int32 mode) {
    switch (mode) {
        case kModeGrey:
        case kModeDuotone: return 1;
        case kModeRGB: return 3;
        case kModeCMYK: return 4;
        default: return 0;
    }
}

// One pixel of the map, byte addresses computed in 64 bits.
class Reader {
public:
    // A version 0 map ends before its masks.
    explicit Reader(const PSPixelMap& map) : map_(map), mask_(map.version >= 1 ? map.masks : nullptr) {}

    uint8_t sample(int32_t row, int32_t col, int32_t plane) const {
        return *at(static_cast<const uint8_t*>(map_.baseAddr), map_.rowBytes, map_.colBytes, row, col, plane);
    }
    uint8_t opacity(int32_t row, int32_t col) const {
        if (!mask_ || !mask_->maskData) return 255;
        return *at(static_cast<const uint8_t*>(mask_->maskData), mask_->rowBytes, mask_->colBytes, row, col, 0);
    }

private:
    const uint8_t* at(const uint8_t* base, int32 rowBytes, int32 colBytes, int32_t row, int32_t col,
                      int32_t plane) const {
        return base + (int64_t(row) - map_.bounds.top) * rowBytes + (int64_t(col) - map_.bounds.left) * colBytes +
               int64_t(plane) * map_.planeBytes;
    }
    const PSPixelMap& map_;
    const PSPixelMask* mask_;
};

uint32_t Pack(int r, int g, int b) { return uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b); }

uint32_t Colour(const Reader& in, int32 mode, int32_t row, int32_t col) {
    const auto s = [&](int32_t plane) { return int(in.sample(row, col, plane)); };
    switch (mode) {
        case kModeRGB: return Pack(s(0), s(1), s(2));
        case kModeCMYK: {
            // The host's CMYK planes hold 255 for no ink.
            const int k = 255 - s(3);
            return Pack(std::max(s(0) - k, 0), std::max(s(1) - k, 0), std::max(s(2) - k, 0));
        }
        default: return Pack(s(0), s(0), s(0));
    }
}

uint32_t OverWhite(uint32_t colour, int alpha) {
    uint32_t out = 0;
    for (int shift : {0, 8, 16}) {
        const int c = int(colour >> shift & 0xFF);
        out |= uint32_t((c * alpha + 255 * (255 - alpha) + 127) / 255) << shift;
    }
    return out;
}

}  // namespace

bool ConvertPixelMap(const PSPixelMap& map, const VRect& rect, PixelMapImage& out, std::string& why) {
    if (map.version < 0 || map.version > 3) return why = "unknown pixel map version", false;
    if (!map.baseAddr) return why = "the pixel map has no pixels", false;
    if (PlaneCount(map.imageMode) == 0) return why = "image mode " + std::to_string(map.imageMode) + " is not drawn", false;
    const VRect r{std::max(rect.top, map.bounds.top), std::max(rect.left, map.bounds.left),
                  std::min(rect.bottom, map.bounds.bottom), std::min(rect.right, map.bounds.right)};
    if (r.bottom < r.top || r.right < r.left) return why = "the rectangle lies outside the pixel map", false;
    const Reader in(map);
    out.width = r.right - r.left;
    out.height = r.bottom - r.top;
    out.bgra.assign(size_t(out.width) * size_t(out.height), 0);
    for (int32_t row = r.top; row < r.bottom; ++row)
        for (int32_t col = r.left; col < r.right; ++col)
            out.bgra[size_t(row - r.top) * size_t(out.width) + size_t(col - r.left)] =
                OverWhite(Colour(in, map.imageMode, row, col), in.opacity(row, col));
    return true;
}

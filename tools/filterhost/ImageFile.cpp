#include "ImageFile.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include <stb_image.h>
#include <stb_image_write.h>

#include "FileIo.h"
#include "HostError.h"
#include "Platform.h"

namespace fs = std::filesystem;

namespace {

enum class Format { Png, Jpeg, Bmp, Tga, Unknown };

constexpr size_t kMaxFileSize = size_t(1) << 30;
constexpr int kJpegQuality = 95;

std::string Quoted(const fs::path& path) { return "'" + platform::PathToUtf8(path) + "'"; }

Format FormatOf(const fs::path& path) {
    std::string ext = platform::PathToUtf8(path.extension());
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == ".png") return Format::Png;
    if (ext == ".jpg" || ext == ".jpeg") return Format::Jpeg;
    if (ext == ".bmp") return Format::Bmp;
    if (ext == ".tga") return Format::Tga;
    return Format::Unknown;
}

struct StbFree {
    void operator()(stbi_uc* p) const { stbi_image_free(p); }
};

void CheckDecodable(const Bytes& file, const fs::path& path) {
    int w = 0, h = 0, comp = 0;
    if (file.size() > size_t(INT32_MAX) || !stbi_info_from_memory(file.data(), int(file.size()), &w, &h, &comp))
        throw HostError(Quoted(path) + " is not a supported image (PNG, JPEG, BMP or TGA)");
    if (stbi_is_16_bit_from_memory(file.data(), int(file.size())))
        throw HostError(Quoted(path) + " has 16 bits per channel; only 8-bit images are supported");
    if (w <= 0 || h <= 0 || w > kMaxImageSide || h > kMaxImageSide || int64_t(w) * h > kMaxImagePixels)
        throw HostError(Quoted(path) + " is too large (" + std::to_string(w) + " x " + std::to_string(h) + ")");
}

// Drops an alpha channel that carries no transparency.
Image WithoutAlpha(const stbi_uc* src, int w, int h, int comp, const fs::path& path) {
    Image image{w, h, comp - 1, {}};
    image.pixels.reserve(size_t(w) * size_t(h) * size_t(image.channels));
    for (size_t i = 0, n = size_t(w) * size_t(h); i < n; ++i) {
        const stbi_uc* px = src + i * size_t(comp);
        if (px[comp - 1] != 255)
            throw HostError(Quoted(path) + " has transparent pixels; only opaque images can be filtered");
        image.pixels.insert(image.pixels.end(), px, px + comp - 1);
    }
    return image;
}

void AppendToBytes(void* context, void* data, int size) {
    auto* out = static_cast<Bytes*>(context);
    const auto* p = static_cast<const uint8_t*>(data);
    out->insert(out->end(), p, p + size);
}

Bytes Encode(Format format, const Image& image) {
    Bytes out;
    const void* px = image.pixels.data();
    int w = image.width, h = image.height, c = image.channels, ok = 0;
    switch (format) {
        case Format::Png: ok = stbi_write_png_to_func(AppendToBytes, &out, w, h, c, px, w * c); break;
        case Format::Jpeg: ok = stbi_write_jpg_to_func(AppendToBytes, &out, w, h, c, px, kJpegQuality); break;
        case Format::Bmp: ok = stbi_write_bmp_to_func(AppendToBytes, &out, w, h, c, px); break;
        case Format::Tga: ok = stbi_write_tga_to_func(AppendToBytes, &out, w, h, c, px); break;
        case Format::Unknown: break;
    }
    if (!ok) throw HostError("cannot encode the image");
    return out;
}

}  // namespace

Image ReadImage(const fs::path& path) {
    Bytes file = ReadFile(path, kMaxFileSize);
    CheckDecodable(file, path);
    int w = 0, h = 0, comp = 0;
    std::unique_ptr<stbi_uc, StbFree> decoded(stbi_load_from_memory(file.data(), int(file.size()), &w, &h, &comp, 0));
    if (!decoded) throw HostError(Quoted(path) + " cannot be decoded: " + stbi_failure_reason());
    if (comp == 2 || comp == 4) return WithoutAlpha(decoded.get(), w, h, comp, path);
    Image image{w, h, comp, {}};
    image.pixels.assign(decoded.get(), decoded.get() + size_t(w) * size_t(h) * size_t(comp));
    return image;
}

void CheckWritableFormat(const fs::path& path) {
    if (FormatOf(path) == Format::Unknown)
        throw HostError("cannot tell the format of " + Quoted(path) + " (use .png, .jpg, .jpeg, .bmp or .tga)");
}

void WriteImage(const fs::path& path, const Image& image) {
    CheckWritableFormat(path);
    WriteFileAtomically(path, Encode(FormatOf(path), image));
}

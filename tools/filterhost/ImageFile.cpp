#include "ImageFile.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <string>

#include <lodepng.h>
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
    void operator()(void* p) const { stbi_image_free(p); }
};

void CheckDecodable(const Bytes& file, const fs::path& path) {
    int w = 0, h = 0, comp = 0;
    if (file.size() > size_t(INT32_MAX) || !stbi_info_from_memory(file.data(), int(file.size()), &w, &h, &comp))
        throw HostError(Quoted(path) + " is not a supported image (PNG, JPEG, BMP or TGA)");
    if (w <= 0 || h <= 0 || w > kMaxImageSide || h > kMaxImageSide || int64_t(w) * h > kMaxImagePixels)
        throw HostError(Quoted(path) + " is too large (" + std::to_string(w) + " x " + std::to_string(h) + ")");
}

// Samples as stb decodes them: 8 bits, or 16 in native order.
std::unique_ptr<void, StbFree> Decode(const Bytes& file, bool deep, int& w, int& h, int& comp) {
    const int size = int(file.size());
    if (deep) return std::unique_ptr<void, StbFree>(stbi_load_16_from_memory(file.data(), size, &w, &h, &comp, 0));
    return std::unique_ptr<void, StbFree>(stbi_load_from_memory(file.data(), size, &w, &h, &comp, 0));
}

void AppendToBytes(void* context, void* data, int size) {
    auto* out = static_cast<Bytes*>(context);
    const auto* p = static_cast<const uint8_t*>(data);
    out->insert(out->end(), p, p + size);
}

// lodepng takes 16-bit samples in the file's big-endian order.
Bytes EncodePng16(const Image& image) {
    static const LodePNGColorType kTypes[] = {LCT_GREY, LCT_GREY_ALPHA, LCT_RGB, LCT_RGBA};
    Bytes bigEndian(image.pixels.size());
    for (size_t i = 0; i + 1 < image.pixels.size(); i += 2) {
        uint16_t v;
        std::memcpy(&v, &image.pixels[i], 2);
        bigEndian[i] = uint8_t(v >> 8);
        bigEndian[i + 1] = uint8_t(v);
    }
    // The file keeps the image's colour type: no grey PNG for an RGB image
    // whose channels happen to agree.
    lodepng::State state;
    state.encoder.auto_convert = 0;
    state.info_raw.colortype = state.info_png.color.colortype = kTypes[image.channels - 1];
    state.info_raw.bitdepth = state.info_png.color.bitdepth = 16;
    Bytes out;
    const unsigned error = lodepng::encode(out, bigEndian, unsigned(image.width), unsigned(image.height), state);
    if (error) throw HostError(std::string("cannot encode the image: ") + lodepng_error_text(error));
    return out;
}

Bytes Encode(Format format, const Image& image) {
    if (image.depth == 16) return EncodePng16(image);
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
    const bool deep = stbi_is_16_bit_from_memory(file.data(), int(file.size()));
    int w = 0, h = 0, comp = 0;
    const std::unique_ptr<void, StbFree> decoded = Decode(file, deep, w, h, comp);
    if (!decoded) throw HostError(Quoted(path) + " cannot be decoded: " + stbi_failure_reason());
    Image image{w, h, comp, {}, deep ? 16 : 8, comp == 2 || comp == 4};
    const auto* bytes = static_cast<const uint8_t*>(decoded.get());
    image.pixels.assign(bytes, bytes + size_t(w) * size_t(h) * size_t(comp) * size_t(image.bytesPerSample()));
    return image;
}

void CheckWritableFormat(const fs::path& path) {
    if (FormatOf(path) == Format::Unknown)
        throw HostError("cannot tell the format of " + Quoted(path) + " (use .png, .jpg, .jpeg, .bmp or .tga)");
}

void CheckWritable(const fs::path& path, const Image& image) {
    CheckWritableFormat(path);
    const Format format = FormatOf(path);
    const int32_t colours = image.colourChannels();
    if ((colours != 1 && colours != 3) || image.channels < 1 || image.channels > 4)
        throw HostError("only grey and RGB images can be written to files");
    if (image.depth == 16 && format != Format::Png)
        throw HostError(Quoted(path) + ": only PNG keeps 16 bits per channel; use .png");
    if (image.alpha && format != Format::Png && format != Format::Tga)
        throw HostError(Quoted(path) + ": the format cannot keep the transparency; use .png or .tga");
}

void WriteImage(const fs::path& path, const Image& image) {
    CheckWritable(path, image);
    WriteFileAtomically(path, Encode(FormatOf(path), image));
}

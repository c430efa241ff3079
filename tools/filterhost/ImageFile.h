// Reading and writing image files (PNG, JPEG, BMP, TGA).
#pragma once

#include <filesystem>

#include "Image.h"

// Reads an 8-bit grey or RGB image. An alpha channel is dropped when every
// pixel is opaque and refused otherwise, since writing the result without it
// would lose the transparency. Throws HostError with a one-line reason.
Image ReadImage(const std::filesystem::path& path);

// Throws HostError unless the extension names a format we can write.
void CheckWritableFormat(const std::filesystem::path& path);

// Encodes by the extension and replaces the file only once it is complete.
void WriteImage(const std::filesystem::path& path, const Image& image);

// Largest image accepted, in pixels and per side.
constexpr int64_t kMaxImagePixels = int64_t(1) << 27;
constexpr int32_t kMaxImageSide = 1 << 20;

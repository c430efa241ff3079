// Reading and writing image files (PNG, JPEG, BMP, TGA).
#pragma once

#include <filesystem>

#include "Image.h"

// Reads a grey or RGB image, 8 bits per channel or (PNG) 16, with its alpha
// channel if it has one: such an image is a layer with transparency. Throws
// HostError with a one-line reason.
Image ReadImage(const std::filesystem::path& path);

// Throws HostError unless the extension names a format we can write.
void CheckWritableFormat(const std::filesystem::path& path);

// Throws HostError unless that format keeps everything of the image: its 16
// bits (PNG only) and its alpha (PNG and TGA); CMYK and Lab are not written.
void CheckWritable(const std::filesystem::path& path, const Image& image);

// Encodes by the extension and replaces the file only once it is complete.
void WriteImage(const std::filesystem::path& path, const Image& image);

// Largest image accepted, in pixels and per side.
constexpr int64_t kMaxImagePixels = int64_t(1) << 27;
constexpr int32_t kMaxImageSide = 1 << 20;

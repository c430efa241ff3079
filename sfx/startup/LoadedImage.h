// Whether a file is the executable this process runs: a file that lies at
// the program's path now may have been put there after the process started.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ByteSource.h"

// The image as the loader mapped it: every byte from the headers to the end
// of the last section, at the address it was mapped at.
struct LoadedImage {
    const uint8_t* bytes;
    size_t size;  // SizeOfImage
    uint64_t base;
};

// True when the image that starts the file, laid out and relocated as the
// loader does it, gives the loaded image's bytes in its headers and in every
// section the program cannot write, the import address table aside. Throws
// PayloadError when the file's headers or sections are unusable.
bool IsLoadedImage(ByteSource& file, const LoadedImage& loaded);

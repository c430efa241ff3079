// Where a PE image (an executable or a DLL) ends in its file: the largest end
// of a section's raw data, and at least the end of the headers. The stub finds
// its payload behind its own image this way, and the extraction module's
// length from the module's headers; the builder checks its inputs with it.
#pragma once

#include <cstdint>

#include "ByteSource.h"

// The length of the image that starts at `start` in the file. Throws
// PayloadError when the headers are not a PE image's or point past the end of
// the file.
uint64_t PeImageEnd(ByteSource& file, uint64_t start);

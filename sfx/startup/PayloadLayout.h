// Where the pieces of the payload lie in the executable: the extraction
// module right after the program's own image, the language blocks right after
// the module. Both lengths come from the PE headers, so a rebuilt program or
// module needs no constant changed.
#pragma once

#include <cstdint>

#include "ByteSource.h"

struct PayloadLayout {
    uint64_t moduleOffset;
    uint64_t moduleLength;
    uint64_t languageBlocksOffset;  // where the first block may start
};

// Throws PayloadError when either image's headers are damaged.
PayloadLayout LocatePayload(ByteSource& exe);

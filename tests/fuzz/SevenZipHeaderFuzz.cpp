// sfxbuild's check that its input is a whole 7z archive, over the file's
// first bytes and its length.
#include <algorithm>

#include "BuildError.h"
#include "FuzzSupport.h"
#include "SevenZipHeader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> head = Bytes(data, std::min(size, kSevenZipSignatureHeaderSize));
    try {
        CheckSevenZipHeader(head.data(), head.size(), size, "input");
    } catch (const BuildError&) {
    }
    return 0;
}

// A PE image's headers, as the stub reads its own and the module's to find
// where each ends, and as sfxbuild checks the stub and module it is given.
#include "BuildError.h"
#include "FuzzSupport.h"
#include "PayloadError.h"
#include "PeImageEnd.h"
#include "SfxBuild.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file = Bytes(data, size);
    MemorySource source(file);
    try {
        Require(PeImageEnd(source, 0) <= file.size(), "an image ends inside its file");
    } catch (const PayloadError&) {
    }
    try {
        CheckImageFile(file, "stub", "input");
    } catch (const BuildError&) {
    }
    return 0;
}

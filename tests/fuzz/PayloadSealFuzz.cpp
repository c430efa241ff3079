// The seal, as the program checks its own file before it writes anything:
// the record found among the image's sections, then the length and the
// CRC-32 of what follows the image.
#include "FuzzSupport.h"
#include "PayloadError.h"
#include "PayloadSeal.h"
#include "PeImageEnd.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file = Bytes(data, size);
    MemorySource exe(file);
    try {
        VerifyPayloadSeal(exe);
    } catch (const PayloadError&) {
        return 0;
    }
    // A file that passes has its record and its whole image inside it.
    Require(FindSealRecord(exe) + kSealRecordSize <= size, "the seal's record lies inside the file");
    Require(PeImageEnd(exe, 0) <= size, "the image ends inside the file");
    return 0;
}

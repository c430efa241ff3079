// The seal's record, reserved in the program image in a section of its own,
// where the builder finds it by name and fills it in. The program reads it
// back from its own file, like the rest of its payload, so no code refers to
// it: the stub's link names it as a root that is never dropped.
#include "PayloadSeal.h"

extern "C" __attribute__((section(".brseal"), used)) const uint8_t kSealReserve[kSealRecordSize] = {
    kSealTag[0], kSealTag[1], kSealTag[2], kSealTag[3], kSealTag[4], kSealTag[5], kSealTag[6], kSealTag[7]};

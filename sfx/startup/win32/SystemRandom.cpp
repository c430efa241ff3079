#include "SystemRandom.h"

#include <windows.h>
#include <ntsecapi.h>

#include "PayloadError.h"

uint64_t SystemRandom() {
    uint64_t value = 0;
    // RtlGenRandom: the generator behind CryptGenRandom, on every version.
    if (!RtlGenRandom(&value, sizeof value)) throw PayloadError("the system has no random source");
    return value;
}

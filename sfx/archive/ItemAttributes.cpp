#include "ItemAttributes.h"

namespace {
constexpr uint32_t kReadOnly = 0x1, kHidden = 0x2, kSystem = 0x4, kArchive = 0x20, kNotIndexed = 0x2000;
constexpr uint32_t kNormal = 0x80;
}  // namespace

uint32_t ApplicableAttributes(uint32_t stored) {
    const uint32_t kept = stored & (kReadOnly | kHidden | kSystem | kArchive | kNotIndexed);
    return kept != 0 ? kept : kNormal;
}

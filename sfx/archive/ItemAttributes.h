// The attribute bits of an archive item that are applied to the written file.
#pragma once

#include <cstdint>

// Read-only, hidden, system, archive and not-indexed only: the directory bit,
// reparse points, compression, encryption, sparse files and the POSIX mode in
// the high word (bit 0x8000) never reach the file. No bit left gives 0x80,
// the normal attribute.
uint32_t ApplicableAttributes(uint32_t stored);

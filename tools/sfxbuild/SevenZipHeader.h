// The check that an input is a 7z archive before it goes into a payload: its
// signature header, the start header's CRC and a next header inside the file.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t kSevenZipSignatureHeaderSize = 32;

// head: the first 32 bytes of the file (fewer when the file is shorter).
// Throws BuildError naming `what` when it is not a whole 7z archive.
void CheckSevenZipHeader(const uint8_t* head, size_t headSize, uint64_t fileSize, const char* what);

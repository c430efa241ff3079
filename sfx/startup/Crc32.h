// The CRC-32 of 7z headers and of the payload's seal (the common reflected
// polynomial 0xEDB88320). A CRC over several pieces continues from the value
// of the pieces before: Crc32(b, nb, Crc32(a, na)) is the CRC of a then b.
#pragma once

#include <cstddef>
#include <cstdint>

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);

// The CRC-32 of 7z headers (the common reflected polynomial 0xEDB88320).
#pragma once

#include <cstddef>
#include <cstdint>

uint32_t Crc32(const uint8_t* data, size_t size);

// The payload's seal: a record in a section of the program image of its own
// that the builder fills with the length and the CRC-32 of everything the
// program trusts before it writes anything: the extraction module, the
// language blocks and the settings block, which lie back to back right after
// the image. The archive after them has checksums of its own, and a
// signature's certificate table after the archive is covered by nothing here.
// The program checks the seal before it makes its work folder, so a copy
// damaged there, or cut short, writes nothing at all.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "ByteSource.h"

constexpr char kSealSectionName[8] = {'.', 'b', 'r', 's', 'e', 'a', 'l', 0};
// The record: an eight-byte tag, the sealed length (64 bits), the CRC-32 and
// four zero bytes. The stub reserves it with the tag and zeros.
constexpr size_t kSealRecordSize = 24;
constexpr std::array<uint8_t, 8> kSealTag = {'B', 'R', 'S', 'E', 'A', 'L', '0', '1'};

// What the program says when its file does not match the seal.
constexpr char kDamagedFileText[] =
    "This file is damaged or incomplete. Please download it again.";

struct PayloadSeal {
    uint64_t length = 0;
    uint32_t crc = 0;
};

// Where the record lies in the file whose image starts at its first byte.
// Throws PayloadError when the image has no seal section, or its record is
// cut short or does not start with the tag.
uint64_t FindSealRecord(ByteSource& file);

// The record's bytes as the builder writes them.
std::array<uint8_t, kSealRecordSize> SealRecordBytes(const PayloadSeal& seal);

// Checks the file against its seal: the record filled in, and the sealed
// bytes after the image all present with their CRC-32; returns the seal.
// Throws PayloadError otherwise.
PayloadSeal VerifyPayloadSeal(ByteSource& file);

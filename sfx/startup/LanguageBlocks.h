// Language blocks: "{SLF}", a 32-bit little-endian total length (these nine
// head bytes included), then strings each ended by a zero byte. Block r of the
// payload fills row r of the message table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "ByteSource.h"
#include "MessageTable.h"
#include "StartupState.h"

constexpr char kLanguageBlockTag[] = "{SLF}";
constexpr size_t kLanguageBlockTagSize = 5;
constexpr size_t kLanguageBlockHeadSize = 9;
// The data must fit the copy buffer with the zero after it.
constexpr size_t kMaxLanguageBlockData = kCopyBufferSize - 1;

// Splits n data bytes into a row in n + 1 steps, the last one taking a zero:
// the text after the last zero is always one more message, so data ending in
// a zero gives one more, empty, message. Throws PayloadError when the data
// holds more than 100 strings (a final empty message past the 100th is only
// that extra step and is dropped).
void SplitLanguageBlock(const uint8_t* data, size_t n, MessageRow& row);

// Reads the block at the source's position into row languageBlockCount + 1
// and counts it; returns false, leaving the position before the five bytes
// (or where the file ended), when no block starts there. The data goes
// through buffer, zero-filled first. Throws PayloadError for a length under
// nine, data over the buffer, data cut short by the end of the file, or a
// 33rd block.
bool ReadLanguageBlock(ByteSource& exe, std::array<uint8_t, kCopyBufferSize>& buffer, MessageTable& table,
                       uint8_t& blockCount);

// Reads blocks until no more follow.
void ReadLanguageBlocks(ByteSource& exe, std::array<uint8_t, kCopyBufferSize>& buffer, MessageTable& table,
                        uint8_t& blockCount);

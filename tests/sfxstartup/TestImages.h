// Small PE images made in the test, sound or damaged on purpose, and the
// pieces of a payload put together by hand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

struct TestSection {
    uint32_t rawOffset;
    uint32_t rawSize;
};

constexpr uint32_t kTestHeadersSize = 0x200;
constexpr uint32_t kTestPeHeader = 0x40;
constexpr uint32_t kTestSectionTable = kTestPeHeader + 24 + 224;

// An image whose file ends where its last section ends; the section bytes
// carry `fill`. 32: x86 code with PE32 headers; 64: x64 code with PE32+
// headers (of the same length, so the section table lies where it does in
// the other).
Bytes MakePeImage(const std::vector<TestSection>& sections, uint8_t fill = 0xC3, int bitness = 32);

// A stub as the program's is made: its first section holds the manifest's
// execution level (unless told otherwise) and its second is the seal's,
// holding the record's tag and zeros.
constexpr char kTestInvokerLevel[] = "<requestedExecutionLevel level=\"asInvoker\"            uiAccess=\"false\"/>";
constexpr size_t kTestLevelAt = 0x300;
Bytes MakeStubImage(bool withExecutionLevel = true, int bitness = 32);

void PutU16(Bytes& bytes, size_t at, uint16_t value);
void PutU32(Bytes& bytes, size_t at, uint32_t value);

// "{SLF}", the total length and the data.
Bytes LanguageBlock(const std::string& data);

Bytes Concat(const std::vector<Bytes>& parts);

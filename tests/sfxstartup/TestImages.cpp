#include "TestImages.h"

#include <algorithm>
#include <cstring>

#include "PayloadSeal.h"

void PutU16(Bytes& bytes, size_t at, uint16_t value) {
    bytes.at(at) = uint8_t(value);
    bytes.at(at + 1) = uint8_t(value >> 8);
}

void PutU32(Bytes& bytes, size_t at, uint32_t value) {
    PutU16(bytes, at, uint16_t(value));
    PutU16(bytes, at + 2, uint16_t(value >> 16));
}

Bytes MakePeImage(const std::vector<TestSection>& sections, uint8_t fill, int bitness) {
    uint32_t end = kTestHeadersSize;
    for (const TestSection& s : sections) end = std::max(end, s.rawOffset + s.rawSize);
    Bytes image(end, 0);
    image[0] = 'M';
    image[1] = 'Z';
    PutU32(image, 0x3C, kTestPeHeader);
    image[kTestPeHeader] = 'P';
    image[kTestPeHeader + 1] = 'E';
    PutU16(image, kTestPeHeader + 4, bitness == 64 ? 0x8664 : 0x14C);
    PutU16(image, kTestPeHeader + 6, uint16_t(sections.size()));
    PutU16(image, kTestPeHeader + 20, 224);
    PutU16(image, kTestPeHeader + 24, bitness == 64 ? 0x20B : 0x10B);
    PutU32(image, kTestPeHeader + 24 + 60, kTestHeadersSize);
    for (size_t i = 0; i < sections.size(); ++i) {
        const size_t header = kTestSectionTable + 40 * i;
        image[header] = '.';
        image[header + 1] = char('a' + i);
        PutU32(image, header + 16, sections[i].rawSize);
        PutU32(image, header + 20, sections[i].rawOffset);
        std::fill_n(image.begin() + sections[i].rawOffset, sections[i].rawSize, fill);
    }
    return image;
}

Bytes MakeStubImage(bool withExecutionLevel, int bitness) {
    Bytes stub = MakePeImage({{0x200, 0x800}, {0xA00, 0x200}}, 0x11, bitness);
    if (withExecutionLevel)
        std::copy(kTestInvokerLevel, kTestInvokerLevel + sizeof kTestInvokerLevel - 1, stub.begin() + kTestLevelAt);
    std::memcpy(stub.data() + kTestSectionTable + 40, kSealSectionName, sizeof kSealSectionName);
    std::fill_n(stub.begin() + 0xA00, 0x200, 0);
    std::copy(kSealTag.begin(), kSealTag.end(), stub.begin() + 0xA00);
    return stub;
}

Bytes LanguageBlock(const std::string& data) {
    Bytes block = {'{', 'S', 'L', 'F', '}', 0, 0, 0, 0};
    PutU32(block, 5, uint32_t(data.size() + 9));
    block.insert(block.end(), data.begin(), data.end());
    return block;
}

Bytes Concat(const std::vector<Bytes>& parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

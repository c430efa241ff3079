#include "LanguageBlocks.h"

#include <cstring>
#include <string>

#include "LittleEndian.h"
#include "PayloadError.h"

void SplitLanguageBlock(const uint8_t* data, size_t n, MessageRow& row) {
    size_t k = 0;
    std::string current;
    for (size_t i = 0; i <= n; ++i) {
        const uint8_t byte = i < n ? data[i] : 0;
        if (byte != 0) {
            current += char(byte);
            continue;
        }
        if (k == row.size()) {
            if (i == n && current.empty()) return;
            throw PayloadError("a language block holds more than 100 strings");
        }
        row[k++] = std::move(current);
        current.clear();
    }
}

bool ReadLanguageBlock(ByteSource& exe, std::array<uint8_t, kCopyBufferSize>& buffer, MessageTable& table,
                       uint8_t& blockCount) {
    uint8_t tag[kLanguageBlockTagSize] = {};
    if (exe.Read(tag, sizeof tag) < sizeof tag) return false;
    if (std::memcmp(tag, kLanguageBlockTag, sizeof tag) != 0) {
        exe.Seek(exe.Position() - sizeof tag);
        return false;
    }
    uint8_t lengthField[4];
    if (exe.Read(lengthField, sizeof lengthField) != sizeof lengthField)
        throw PayloadError("a language block ends inside its head");
    const uint32_t total = uint32_t(LittleEndian(lengthField, 4));
    if (total < kLanguageBlockHeadSize) throw PayloadError("a language block's length is under its head");
    const size_t n = total - kLanguageBlockHeadSize;
    if (n > kMaxLanguageBlockData) throw PayloadError("a language block is larger than the copy buffer");
    if (blockCount == table.size()) throw PayloadError("more than 32 language blocks");

    buffer.fill(0);
    if (exe.Read(buffer.data(), n) != n) throw PayloadError("a language block is cut short");
    ++blockCount;
    SplitLanguageBlock(buffer.data(), n, table[blockCount - 1]);
    return true;
}

void ReadLanguageBlocks(ByteSource& exe, std::array<uint8_t, kCopyBufferSize>& buffer, MessageTable& table,
                        uint8_t& blockCount) {
    while (ReadLanguageBlock(exe, buffer, table, blockCount)) {
    }
}

// Language blocks: how a block's data splits into messages, how blocks are
// found one after another, and the limits beyond which a payload is damaged.
#include <gtest/gtest.h>

#include "LanguageBlocks.h"
#include "PayloadError.h"
#include "TestImages.h"

namespace {

MessageRow Split(const std::string& data) {
    MessageRow row;
    SplitLanguageBlock(reinterpret_cast<const uint8_t*>(data.data()), data.size(), row);
    return row;
}

std::vector<std::string> Filled(const MessageRow& row) {
    size_t last = row.size();
    while (last > 0 && row[last - 1].empty()) --last;
    return std::vector<std::string>(row.begin(), row.begin() + long(last));
}

std::string Strings(int count, bool endedByZero) {
    std::string data;
    for (int i = 1; i <= count; ++i)
        data += "m" + std::to_string(i) + (i < count || endedByZero ? std::string(1, '\0') : "");
    return data;
}

struct Reader {
    MessageTable table;
    uint8_t count = 0;
    std::array<uint8_t, kCopyBufferSize> buffer;

    void ReadAll(const Bytes& file) {
        MemorySource source(file);
        ReadLanguageBlocks(source, buffer, table, count);
    }
};

}  // namespace

TEST(SplitLanguageBlock, OneStepMoreThanTheData) {
    const struct {
        std::string data;
        std::vector<std::string> messages;  // up to the last non-empty one
    } cases[] = {
        {std::string("A\0B", 3), {"A", "B"}},
        {std::string("A\0", 2), {"A"}},
        {"", {}},
        {std::string("\xAA\x09\x59\xDBWarning\0Insert\0", 19), {"\xAA\x09\x59\xDBWarning", "Insert"}},
        {std::string("\0\0X", 3), {"", "", "X"}},
        {std::string("line one\r\nline two\0&Extract\0", 28), {"line one\r\nline two", "&Extract"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Filled(Split(c.data)), c.messages) << c.data;
}

TEST(SplitLanguageBlock, AtMostAHundredStrings) {
    EXPECT_EQ(Split(Strings(100, true))[99], "m100");  // the extra empty step past 100 is dropped
    EXPECT_EQ(Split(Strings(100, false))[99], "m100");
    EXPECT_EQ(Split(Strings(66, true))[65], "m66");
    EXPECT_THROW(Split(Strings(101, false)), PayloadError);
    EXPECT_THROW(Split(Strings(101, true)), PayloadError);
    EXPECT_THROW(Split(Strings(100, true) + "tail"), PayloadError);
}

TEST(ReadLanguageBlocks, BlocksFillRowsInTurnAndStopBeforeTheSettings) {
    const Bytes settings = {0x03, 'B', 'S', 'Z', 1, 2, 3};
    const struct {
        Bytes file;
        uint8_t blocks;
        uint64_t stopsAt;
        std::string row1message2, row2message1;
    } cases[] = {
        {Concat({LanguageBlock(std::string("A\0B", 3)), LanguageBlock("second"), settings}), 2, 12 + 15, "B", "second"},
        {settings, 0, 0, "", ""},
        {Concat({LanguageBlock(std::string("x\0y\0", 4)), Bytes{'{', 'S', 'L'}}), 1, 16, "y", ""},  // short tail
        {Concat({LanguageBlock(""), Bytes{'{', 'S', 'L', 'F', '{'}}), 1, 9, "", ""},
        {{}, 0, 0, "", ""},
    };
    for (const auto& c : cases) {
        Reader reader;
        MemorySource source(c.file);
        ReadLanguageBlocks(source, reader.buffer, reader.table, reader.count);
        EXPECT_EQ(reader.count, c.blocks);
        // Fewer than five bytes left: the position stays where the file ended.
        const uint64_t expected = c.file.size() - c.stopsAt < 5 ? c.file.size() : c.stopsAt;
        EXPECT_EQ(source.Position(), expected) << c.blocks;
        EXPECT_EQ(reader.table[0][1], c.row1message2);
        EXPECT_EQ(reader.table[1][0], c.row2message1);
    }
}

TEST(ReadLanguageBlocks, ABlockBeyondTheLimitsIsDamaged) {
    auto withLength = [](uint32_t total, size_t dataBytes) {
        Bytes block = LanguageBlock(std::string(dataBytes, 'a'));
        PutU32(block, 5, total);
        return block;
    };
    Bytes manyBlocks;
    for (int i = 0; i < 33; ++i) manyBlocks = Concat({manyBlocks, LanguageBlock("lang")});
    const struct {
        const char* why;
        Bytes file;
    } cases[] = {
        {"length under the head", withLength(8, 0)},
        {"length zero", withLength(0, 0)},
        {"data fills the whole buffer", withLength(9 + kCopyBufferSize, kCopyBufferSize)},
        {"length near 4 GiB", withLength(0xFFFFFFFFu, 10)},
        {"data cut short by the end of the file", withLength(9 + 100, 50)},
        {"head cut short", Bytes{'{', 'S', 'L', 'F', '}', 20, 0}},
        {"33 blocks", manyBlocks},
        {"101 strings", LanguageBlock(Strings(101, true))},
    };
    for (const auto& c : cases) {
        Reader reader;
        EXPECT_THROW(reader.ReadAll(c.file), PayloadError) << c.why;
    }
}

TEST(ReadLanguageBlocks, TheLargestBlockAndThirtyTwoBlocksFit) {
    Reader largest;
    largest.ReadAll(LanguageBlock(std::string(kMaxLanguageBlockData, 'z')));
    EXPECT_EQ(largest.table[0][0].size(), kMaxLanguageBlockData);

    Bytes blocks;
    for (int i = 1; i <= 32; ++i) blocks = Concat({blocks, LanguageBlock("lang" + std::to_string(i))});
    Reader many;
    many.ReadAll(blocks);
    EXPECT_EQ(many.count, 32);
    EXPECT_EQ(many.table[31][0], "lang32");
}

TEST(Message, ComesFromTheCurrentLanguageOnly) {
    messageTable = {};
    messageTable[0][0] = "first language";
    messageTable[1][0] = "second language";
    messageTable[0][99] = "last";
    currentLanguage = 1;
    EXPECT_EQ(Message(1), "first language");
    EXPECT_EQ(Message(100), "last");
    for (int k : {0, 101, -1, 67}) EXPECT_EQ(Message(k), "") << k;
    messageTable = {};
}

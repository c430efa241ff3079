// Which block a user sees: the record of a block's language and code page as
// the program reads it back, and the choice of the row by the user's
// interface language.
#include <gtest/gtest.h>

#include "LanguageRecord.h"

TEST(LanguageRecord, ReadBackOnlyWhenWhole) {
    const struct {
        std::string firstMessage;
        bool found;
        uint16_t language, codePage;
    } cases[] = {
        {LanguageRecordText({0x0419, 1251}) + "test version", true, 0x0419, 1251},
        {LanguageRecordText({0xFFFF, 65001}), true, 0xFFFF, 65001},
        {"BRL1test version", false, 0, 0},     // a block that names no language
        {"\xAA\x09\x59\xDBtest", false, 0, 0},  // another builder's four bytes
        {"BRL204190", false, 0, 0},             // cut short
        {"BRL20419O4E3", false, 0, 0},          // not a digit
        {"BRL2041904e3", false, 0, 0},          // lower case is not what sfxbuild writes
        {"BRL2000004E3", false, 0, 0},          // language 0
        {"BRL204190000", false, 0, 0},          // code page 0
        {"", false, 0, 0},
    };
    for (const auto& c : cases) {
        const std::optional<LanguageRecord> record = ReadLanguageRecord(c.firstMessage);
        ASSERT_EQ(record.has_value(), c.found) << c.firstMessage;
        if (!record) continue;
        EXPECT_EQ(record->languageId, c.language);
        EXPECT_EQ(record->codePage, c.codePage);
    }
}

TEST(LanguageRecord, TheUsersPrimaryLanguageElseTheFirstBlock) {
    const auto table = [](std::initializer_list<std::string> firstMessages) {
        MessageTable t{};
        size_t row = 0;
        for (const std::string& m : firstMessages) t[row++][0] = m;
        return t;
    };
    const std::string english = LanguageRecordText({0x0409, 1252}), russian = LanguageRecordText({0x0419, 1251});
    const struct {
        MessageTable table;
        uint8_t blocks;
        uint16_t user;
        uint8_t row;
    } cases[] = {
        {table({english, russian}), 2, 0x0419, 2},  // ru-RU
        {table({english, russian}), 2, 0x0819, 2},  // ru-MD: the primary language decides
        {table({english, russian}), 2, 0x0409, 1},
        {table({english, russian}), 2, 0x0809, 1},  // en-GB
        {table({english, russian}), 2, 0x0407, 1},  // German: none matches, the first
        {table({russian, english}), 2, 0x0409, 2},
        {table({russian, english}), 2, 0x0C07, 1},
        {table({russian, russian}), 2, 0x0419, 1},  // the first of two that match
        {table({"BRL1x", russian}), 2, 0x0419, 2},  // a block without a record is passed over
        {table({"BRL1x", russian}), 2, 0x0409, 1},
        {table({english, russian}), 1, 0x0419, 1},  // only the blocks read count
        {table({}), 0, 0x0419, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseLanguageRow(c.table, c.blocks, c.user), c.row) << std::hex << c.user << " " << int(c.blocks);
}

// The current row's code page; 0 (the system's) for a block without a record.
TEST(LanguageRecord, CodePageOfTheCurrentRow) {
    messageTable = {};
    messageTable[0][0] = LanguageRecordText({0x0409, 1252});
    messageTable[1][0] = LanguageRecordText({0x0419, 1251});
    messageTable[2][0] = "BRL1";
    const uint16_t expected[] = {1252, 1251, 0};
    for (uint8_t row = 1; row <= 3; ++row) {
        currentLanguage = row;
        EXPECT_EQ(MessageCodePage(), expected[row - 1]) << int(row);
    }
    currentLanguage = 1;
    messageTable = {};
}

// Language texts as sfxbuild reads them, the shipped English and Russian ones
// among them, and the blocks it makes of them read back as the stub does.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "BuildError.h"
#include "LanguageBlocks.h"
#include "LanguageText.h"
#include "SfxBuild.h"

namespace {

std::string TextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

MessageRow ReadBack(const std::vector<uint8_t>& block) {
    MemorySource source(block);
    MessageTable table;
    uint8_t count = 0;
    static std::array<uint8_t, kCopyBufferSize> buffer;
    EXPECT_TRUE(ReadLanguageBlock(source, buffer, table, count));
    EXPECT_EQ(source.Position(), block.size());
    return table[0];
}

std::string Numbered(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += std::to_string(i) + "=m" + std::to_string(i) + "\n";
    return text;
}

}  // namespace

TEST(ParseLanguageText, MessagesInTurn) {
    const struct {
        std::string text;
        std::vector<std::string> messages;
    } cases[] = {
        {"1=One\n2=Two\n", {"One", "Two"}},
        {"1=One\r\n2=Two", {"One", "Two"}},
        {"# comment\n\n1=\n2=a=b\n", {"", "a=b"}},
        {"1=line\\r\\nnext\\tcol\\\\end\n", {"line\r\nnext\tcol\\end"}},
        {"1=  spaced  \n", {"  spaced  "}},
        {"1=\xC8\xE7\xE2\xEB\xE5\xF7\xFC\n", {"\xC8\xE7\xE2\xEB\xE5\xF7\xFC"}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseLanguageText(c.text, "t").messages, c.messages) << c.text;
    EXPECT_EQ(ParseLanguageText(Numbered(100), "t").messages.size(), 100u);
}

// The language and code page ahead of message 1, in decimal or hexadecimal.
TEST(ParseLanguageText, HeaderNamesLanguageAndCodePage) {
    const struct {
        std::string text;
        bool hasRecord;
        uint16_t language, codePage;
    } cases[] = {
        {"LANGUAGE=0x0419\nCODEPAGE=1251\n1=a\n", true, 0x0419, 1251},
        {"# ru\nCODEPAGE=0x4E3\r\nLANGUAGE=1049\r\n1=a\n", true, 0x0419, 1251},
        {"LANGUAGE=65535\nCODEPAGE=65001\n", true, 0xFFFF, 65001},
        {"1=a\n", false, 0, 0},
    };
    for (const auto& c : cases) {
        const LanguageText parsed = ParseLanguageText(c.text, "t");
        ASSERT_EQ(parsed.record.has_value(), c.hasRecord) << c.text;
        if (!c.hasRecord) continue;
        EXPECT_EQ(parsed.record->languageId, c.language) << c.text;
        EXPECT_EQ(parsed.record->codePage, c.codePage) << c.text;
    }
}

TEST(ParseLanguageText, RefusesWhatIsNoMessage) {
    const struct {
        std::string text;
        const char* says;
    } cases[] = {
        {"1=a\n3=c\n", "line 2: message 3 is out of turn"},
        {"2=b\n", "line 1"},
        {"1=a\n1=a\n", "out of turn"},
        {"one=a\n", "expected NUMBER=TEXT"},
        {"1 a\n", "expected NUMBER=TEXT"},
        {"=a\n", "expected NUMBER=TEXT"},
        {"1=bad \\q escape\n", "unknown escape"},
        {"1=ends in \\\n", "lone"},
        {std::string("1=zero\0byte\n", 12), "zero byte"},
        {Numbered(101), "line 101: more than 100 messages"},
        {"1=a\nLANGUAGE=1049\nCODEPAGE=1251\n", "line 2: LANGUAGE must come before message 1"},
        {"LANGUAGE=1049\n1=a\n", "line 1: LANGUAGE and CODEPAGE go together"},
        {"LANGUAGE=1049\nLANGUAGE=1033\nCODEPAGE=1251\n", "line 2: LANGUAGE is given twice"},
        {"LANGUAGE=0\nCODEPAGE=1251\n", "line 1: 0 is out of range"},
        {"LANGUAGE=65536\nCODEPAGE=1251\n", "out of range"},
        {"LANGUAGE=1049\nCODEPAGE=ru\n", "line 2: \"ru\" is not a number"},
        {"LANGUAGE=0x\nCODEPAGE=1251\n", "is not a number"},
        {"language=1049\n", "expected NUMBER=TEXT"},
    };
    for (const auto& c : cases) {
        try {
            ParseLanguageText(c.text, "lang.txt");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const BuildError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).find('\n'), std::string::npos) << "one line";
        }
    }
}

TEST(MakeLanguageBlock, ReadsBackAsTheStubReadsIt) {
    const LanguageText text = {std::nullopt, {"first", "", "third\r\n"}};
    const MessageRow row = ReadBack(MakeLanguageBlock(text, "t"));
    EXPECT_EQ(row[0], std::string(kLanguageLead) + "first");
    EXPECT_EQ(row[1], "");
    EXPECT_EQ(row[2], "third\r\n");
    EXPECT_FALSE(ReadLanguageRecord(row[0]).has_value());

    // With a language, its record stands ahead of message 1.
    const MessageRow russian = ReadBack(MakeLanguageBlock({LanguageRecord{0x0419, 1251}, {"first"}}, "t"));
    EXPECT_EQ(russian[0], "BRL2041904E3first");
    ASSERT_TRUE(ReadLanguageRecord(russian[0]).has_value());
    EXPECT_EQ(ReadLanguageRecord(russian[0])->codePage, 1251);

    const LanguageText biggest = {std::nullopt, {std::string(kMaxLanguageBlockData - 5, 'x')}};
    EXPECT_EQ(ReadBack(MakeLanguageBlock(biggest, "t"))[0].size(), kMaxLanguageBlockData - 1);
    const LanguageText tooBig = {std::nullopt, {std::string(kMaxLanguageBlockData - 4, 'x')}};
    EXPECT_THROW(MakeLanguageBlock(tooBig, "t"), BuildError);
}

TEST(ShippedLanguages, SixtyEightMessagesEach) {
    for (const char* name : {"English.txt", "Russian.txt"}) {
        const std::string path = std::string(SFX_LANG_DIR) + "/" + name;
        const LanguageText text = ParseLanguageText(TextFile(path), path);
        const std::vector<std::string>& messages = text.messages;
        ASSERT_EQ(messages.size(), 68u) << name;
        ASSERT_TRUE(text.record.has_value()) << name << " names no language";
        for (size_t k = 1; k < messages.size(); ++k) EXPECT_FALSE(messages[k].empty()) << name << " " << k + 1;
        EXPECT_NE(messages[22].find("www.brindlepacker.example"), std::string::npos) << name;
        EXPECT_NE(messages[63].find("7-Zip"), std::string::npos) << name;
        EXPECT_EQ(messages[64], "\r\n") << name;
        const MessageRow row = ReadBack(MakeLanguageBlock(text, name));
        EXPECT_EQ(row[67], messages[67]);
        EXPECT_NE(messages[67].find("%s"), std::string::npos) << name << ": the volume's name";
        EXPECT_EQ(row[68], "");
    }
    // Code page 1251: "&Извлечь" as its single bytes.
    const LanguageText russian = ParseLanguageText(TextFile(std::string(SFX_LANG_DIR) + "/Russian.txt"), "ru");
    EXPECT_EQ(russian.messages[5], "&\xC8\xE7\xE2\xEB\xE5\xF7\xFC");
    EXPECT_EQ(russian.record->languageId, 0x0419);
    EXPECT_EQ(russian.record->codePage, 1251);
    const LanguageText english = ParseLanguageText(TextFile(std::string(SFX_LANG_DIR) + "/English.txt"), "en");
    EXPECT_EQ(english.record->languageId, 0x0409);
    EXPECT_EQ(english.record->codePage, 1252);
}

TEST(ShippedLanguages, TheBuiltInBlocksAreEnglishThenRussian) {
    std::vector<uint8_t> expected;
    for (const char* name : {"English.txt", "Russian.txt"}) {
        const std::string text = TextFile(std::string(SFX_LANG_DIR) + "/" + name);
        const std::vector<uint8_t> block = MakeLanguageBlock(ParseLanguageText(text, name), name);
        expected.insert(expected.end(), block.begin(), block.end());
    }
    EXPECT_EQ(LanguageBlocks({}), expected);
}

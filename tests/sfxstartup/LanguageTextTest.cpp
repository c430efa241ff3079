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
    for (const auto& c : cases) EXPECT_EQ(ParseLanguageText(c.text, "t"), c.messages) << c.text;
    EXPECT_EQ(ParseLanguageText(Numbered(100), "t").size(), 100u);
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
    const std::vector<std::string> messages = {"first", "", "third\r\n"};
    const MessageRow row = ReadBack(MakeLanguageBlock(messages, "t"));
    EXPECT_EQ(row[0], std::string(kLanguageLead) + "first");
    EXPECT_EQ(row[1], "");
    EXPECT_EQ(row[2], "third\r\n");

    const std::vector<std::string> biggest = {std::string(kMaxLanguageBlockData - 5, 'x')};
    EXPECT_EQ(ReadBack(MakeLanguageBlock(biggest, "t"))[0].size(), kMaxLanguageBlockData - 1);
    const std::vector<std::string> tooBig = {std::string(kMaxLanguageBlockData - 4, 'x')};
    EXPECT_THROW(MakeLanguageBlock(tooBig, "t"), BuildError);
}

TEST(ShippedLanguages, SixtySevenMessagesEach) {
    for (const char* name : {"English.txt", "Russian.txt"}) {
        const std::string path = std::string(SFX_LANG_DIR) + "/" + name;
        const std::vector<std::string> messages = ParseLanguageText(TextFile(path), path);
        ASSERT_EQ(messages.size(), 67u) << name;
        for (size_t k = 1; k < messages.size(); ++k) EXPECT_FALSE(messages[k].empty()) << name << " " << k + 1;
        EXPECT_NE(messages[22].find("www.brindlepacker.example"), std::string::npos) << name;
        EXPECT_NE(messages[63].find("7-Zip"), std::string::npos) << name;
        EXPECT_EQ(messages[64], "\r\n") << name;
        const MessageRow row = ReadBack(MakeLanguageBlock(messages, name));
        EXPECT_EQ(row[66], messages[66]);
        EXPECT_EQ(row[67], "");
    }
    // Code page 1251: "&Извлечь" as its single bytes.
    const std::string russian = TextFile(std::string(SFX_LANG_DIR) + "/Russian.txt");
    EXPECT_EQ(ParseLanguageText(russian, "ru")[5], "&\xC8\xE7\xE2\xEB\xE5\xF7\xFC");
}

TEST(ShippedLanguages, TheBuiltInBlockIsTheEnglishText) {
    const std::string english = TextFile(std::string(SFX_LANG_DIR) + "/English.txt");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(kEnglishLanguageText), kEnglishLanguageTextSize), english);
    EXPECT_EQ(LanguageBlocks({}), MakeLanguageBlock(ParseLanguageText(english, "en"), "en"));
}

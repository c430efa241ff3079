// Rules of writing an item: which paths may be written, where they split,
// which attributes reach the file, the size text, the progress percentages
// the long-path form of folders and the name a replacement is written under.
#include <gtest/gtest.h>

#include "ItemAttributes.h"
#include "ItemPath.h"
#include "LongPath.h"
#include "ProgressPercent.h"
#include "ReplacementName.h"
#include "ThousandsText.h"

TEST(IsSafeItemPath, OnlyPlainRelativeNames) {
    struct Row {
        std::wstring path;
        bool safe;
    };
    const Row rows[] = {
        {L"a.txt", true},
        {L"dir\\sub\\file.bin", true},
        {L"dir/sub/file.bin", true},
        {L".hidden", true},
        {L"a..b", true},
        {L"console.txt", true},
        {L"COM10", true},
        {L"LPT", true},
        {L"Ünïcode\\日本語.txt", true},
        {L"", false},
        {L"\\x", false},
        {L"/x", false},
        {L"C:\\x", false},
        {L"C:x", false},
        {L"\\\\server\\share\\x", false},
        {L"\\\\?\\C:\\x", false},
        {L"..", false},
        {L"..\\x", false},
        {L"a\\..\\..\\x", false},
        {L"a/../x", false},
        {L".", false},
        {L"a\\.\\b", false},
        {L"a\\\\b", false},
        {L"a\\", false},
        {L"file.txt:stream", false},
        {L"CON", false},
        {L"dir\\nul", false},
        {L"Aux.txt\\x", false},
        {L"prn.tar.gz", false},
        {L"COM1", false},
        {L"lpt9.log", false},
        {L"com\u00B9", false},
        {L"CON .txt", false},
        {L"conin$", false},
        {L"name.", false},
        {L"name ", false},
        {L"dir.\\x", false},
        {L"a<b", false},
        {L"a>b", false},
        {L"a\"b", false},
        {L"a|b", false},
        {L"a?b", false},
        {L"a*b", false},
        {L"a\tb", false},
        {std::wstring(L"a\0b", 3), false},
        {L"a\x1f", false},
        {L"a\uF05Cb", false},
    };
    for (const Row& row : rows) EXPECT_EQ(IsSafeItemPath(row.path), row.safe) << testing::PrintToString(row.path);
}

TEST(SplitItemPath, AtTheLastSeparator) {
    struct Row {
        const wchar_t* path;
        const wchar_t* folder;
        const wchar_t* name;
    };
    const Row rows[] = {
        {L"a.txt", L"", L"a.txt"},
        {L"a\\b\\c.txt", L"a\\b\\", L"c.txt"},
        {L"a\\", L"a\\", L""},
        {L"C:x", L"C:", L"x"},
    };
    for (const Row& row : rows) {
        const ItemPathParts parts = SplitItemPath(row.path);
        EXPECT_EQ(parts.folder, row.folder) << row.path;
        EXPECT_EQ(parts.name, row.name) << row.path;
    }
}

TEST(PathsBelow, EveryFolderOnTheWayAndTheItem) {
    using Paths = std::vector<std::wstring>;
    const struct {
        const wchar_t* base;
        const wchar_t* path;
        bool withItem;
        Paths expected;
    } cases[] = {
        {L"D:\\x", L"a\\b\\c.txt", true, {L"D:\\x\\a", L"D:\\x\\a\\b", L"D:\\x\\a\\b\\c.txt"}},
        {L"D:\\x\\", L"a\\b\\c.txt", false, {L"D:\\x\\a", L"D:\\x\\a\\b"}},
        {L"D:\\x", L"a/c.txt", true, {L"D:\\x\\a", L"D:\\x\\a\\c.txt"}},
        {L"D:\\x", L"c.txt", true, {L"D:\\x\\c.txt"}},
        {L"D:\\x", L"c.txt", false, {}},
        {L"D:\\x", L"", true, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(PathsBelow(c.base, c.path, c.withItem), c.expected) << c.path;
}

TEST(ApplicableAttributes, FiveBitsOrNormal) {
    const std::pair<uint32_t, uint32_t> rows[] = {
        {0x1, 0x1},               {0x27, 0x27},        {0x2000, 0x2000},  {0x0, 0x80},
        {0x10, 0x80},             {0x400, 0x80},       {0x81A48020, 0x20},  // POSIX mode in the high word
        {0x41ED8010, 0x80},       {0xFFFFFFFF, 0x2027}, {0x800 | 0x4000 | 0x200 | 0x2, 0x2},
    };
    for (const auto& [stored, applied] : rows) EXPECT_EQ(ApplicableAttributes(stored), applied) << std::hex << stored;
}

TEST(FormatThousands, GroupsOfThreeFromTheRight) {
    const std::pair<uint64_t, const wchar_t*> rows[] = {
        {0, L"0"},         {999, L"999"},           {1000, L"1,000"},
        {123456, L"123,456"}, {1234567, L"1,234,567"}, {18446744073709551615u, L"18,446,744,073,709,551,615"},
    };
    for (const auto& [value, text] : rows) EXPECT_EQ(FormatThousands(value, L","), text) << value;
    EXPECT_EQ(FormatThousands(1234567, L"\u00A0"), L"1\u00A0234\u00A0567");
    EXPECT_EQ(FormatThousands(1234567, L""), L"1234567");
}

TEST(ProgressPercent, LowEightBitsUncapped) {
    struct Row {
        uint64_t done, total;
        uint8_t percent;
    };
    const Row rows[] = {
        {0, 10, 0}, {1, 3, 33}, {10, 10, 100}, {30, 10, 44},  // 300 % in 8 bits
        {uint64_t(1) << 40, uint64_t(1) << 41, 50}, {UINT64_MAX, 1, uint8_t(UINT64_MAX * 100)},
    };
    for (const Row& row : rows) EXPECT_EQ(ProgressPercent(row.done, row.total), row.percent) << row.done;
}

TEST(ExtendedLengthPath, DriveAndUncForms) {
    const std::pair<const wchar_t*, const wchar_t*> rows[] = {
        {L"C:\\dest\\a.txt", L"\\\\?\\C:\\dest\\a.txt"},
        {L"\\\\server\\share\\a", L"\\\\?\\UNC\\server\\share\\a"},
        {L"\\\\?\\C:\\x", L"\\\\?\\C:\\x"},
        {L"\\\\?\\UNC\\s\\h", L"\\\\?\\UNC\\s\\h"},
        {L"relative\\x", L"relative\\x"},
    };
    for (const auto& [path, extended] : rows) EXPECT_EQ(ExtendedLengthPath(path), extended) << path;
}

TEST(FolderChain, EveryFolderBelowTheRoot) {
    using Chain = std::vector<std::wstring>;
    const std::pair<const wchar_t*, Chain> rows[] = {
        {L"\\\\?\\C:\\a\\b", {L"\\\\?\\C:\\a", L"\\\\?\\C:\\a\\b"}},
        {L"\\\\?\\C:\\a\\b\\", {L"\\\\?\\C:\\a", L"\\\\?\\C:\\a\\b"}},
        {L"\\\\?\\C:\\", {}},
        {L"\\\\?\\UNC\\srv\\share\\x\\y", {L"\\\\?\\UNC\\srv\\share\\x", L"\\\\?\\UNC\\srv\\share\\x\\y"}},
        {L"\\\\?\\UNC\\srv\\share", {}},
        {L"C:\\not\\extended", {}},
    };
    for (const auto& [path, chain] : rows) EXPECT_EQ(FolderChain(path), chain) << path;
}

// Beside the old file, short whatever the old name's length, and another
// name for each attempt: a name already taken is passed over by creating the
// file only where none exists.
TEST(ReplacementName, BesideTheOldFileAndNumbered) {
    const std::wstring longName(255, L'n');
    const struct {
        std::wstring destination;
        uint32_t attempt;
        std::wstring name;
    } cases[] = {
        {L"\\\\?\\C:\\dest\\a.txt", 1, L"\\\\?\\C:\\dest\\~BRSFX1.TMP"},
        {L"\\\\?\\C:\\dest\\sub\\b.bin", 2, L"\\\\?\\C:\\dest\\sub\\~BRSFX2.TMP"},
        {L"\\\\?\\C:\\dest\\" + longName, 10000, L"\\\\?\\C:\\dest\\~BRSFX10000.TMP"},
        {L"\\\\?\\C:\\dest\\~BRSFX1.TMP", 1, L"\\\\?\\C:\\dest\\~BRSFX1.TMP"},  // taken: the next attempt
        {L"plain.txt", 3, L"~BRSFX3.TMP"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReplacementName(c.destination, c.attempt), c.name) << c.attempt;
}

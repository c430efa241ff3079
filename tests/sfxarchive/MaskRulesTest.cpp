// Item selection: the wildcard match, the segment search and the folder and
// dot rules of the file masks.
#include <gtest/gtest.h>

#include "FileSpecMatch.h"
#include "MaskMatch.h"

TEST(MatchesMask, WildcardsWholeStringAnyCase) {
    struct Row {
        std::wstring name;
        const wchar_t* mask;
        bool matches;
    };
    const Row rows[] = {
        {L"abc", L"a*c", true},
        {L"abxc", L"a*c", true},
        {L"abcd", L"a*c", false},
        {L"abc", L"abc*", true},
        {L"abcd", L"abc*", true},
        {L"ab", L"ab*b", false},
        {L"README.TXT", L"read?e.*", true},
        {L"readme.txt", L"*.*", true},
        {L"", L"*", true},
        {L"", L"?", false},
        {L"anything", L"***", true},
        {L"a", L"a**", true},
        {L"xaab", L"*a*b", true},
        {L"xaab", L"*a*c", false},
        {L"abc", L"ab", false},
        {L"ab", L"abc", false},
        {L"a.b.c", L"*.c", true},
        {L"abc", L"*?c", true},
        {L"c", L"*?c", false},
        {L"Déjà.TXT", L"DÉJÀ.txt", true},
        {L"ПУТЬ", L"путь", true},
        {L"x1y2z", L"x?y*z", true},
        // The segment search looks at the whole rest of a long name.
        {std::wstring(400, L'a') + L"key" + std::wstring(10, L'b'), L"*key*", true},
    };
    for (const Row& row : rows) EXPECT_EQ(MatchesMask(row.name, row.mask), row.matches) << row.mask;
}

TEST(FindMaskSegment, FirstOccurrenceFromStart) {
    struct Row {
        const wchar_t* name;
        size_t start;
        const wchar_t* segment;
        size_t found;
    };
    const size_t none = std::wstring::npos;
    const Row rows[] = {
        {L"abcabc", 0, L"bc", 1},
        {L"abcabc", 2, L"bc", 4},
        {L"abcabc", 5, L"bc", none},
        {L"abcabc", 0, L"b?a", 1},
        {L"abc", 0, L"", 0},
        {L"abc", 3, L"", 3},
        {L"abc", 4, L"", none},
        {L"ab", 0, L"abc", none},
    };
    for (const Row& row : rows) EXPECT_EQ(FindMaskSegment(row.name, row.start, row.segment), row.found) << row.segment;
}

TEST(ItemMatchesFileSpec, FolderPrefixDotRuleAndOrder) {
    struct Row {
        const wchar_t* path;
        std::vector<std::wstring> masks;
        bool matches;
    };
    const Row rows[] = {
        {L"DOCS\\a.txt", {L"docs\\"}, true},
        {L"docs\\sub\\b.txt", {L"docs\\"}, true},
        {L"docs", {L"docs\\"}, false},  // the folder item itself
        {L"docsx\\a.txt", {L"docs\\"}, false},
        {L"readme", {L"*.*"}, true},  // the dot rule
        {L"readme.txt", {L"*.*"}, true},
        {L"readme", {L"readme."}, true},
        {L"read.me\\file", {L"*."}, false},  // a dot anywhere stops the rule
        {L"README.TXT", {L"read?e.*"}, true},
        {L"b.txt", {L"a.txt", L"b.txt"}, true},  // any mask of the list
        {L"c.txt", {L"a.txt", L"b.txt"}, false},
        {L"", {L"*"}, false},  // an empty path never matches
        {L"a.txt", {}, false},
        {L"dir\\x.bin", {L"dir\\*"}, true},
    };
    for (const Row& row : rows) EXPECT_EQ(ItemMatchesFileSpec(row.path, row.masks), row.matches) << row.path;
}

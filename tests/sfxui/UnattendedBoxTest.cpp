// What a box becomes when nobody is there to answer it: one line of its text,
// and the answer that loses nothing.
#include <gtest/gtest.h>

#include "UnattendedBox.h"

namespace {

TEST(UnattendedBox, EachBoxCountsAsAnsweredWithoutLoss) {
    const struct {
        const char* box;
        uint32_t style;
        int answer;
    } cases[] = {
        {"information", 0x40, kAnswerOk},
        {"error", 0x10, kAnswerOk},
        {"plain", 0x0, kAnswerOk},
        {"the overwrite question: the existing file stays", 0x00200023, kAnswerNo},
        {"yes or no", 0x24, kAnswerNo},
        {"OK or cancel", 0x21, kAnswerCancel},
    };
    for (const auto& c : cases) EXPECT_EQ(UnattendedAnswer(c.style), c.answer) << c.box;
}

TEST(UnattendedBox, ATextBecomesOneLine) {
    const struct {
        const wchar_t* text;
        const wchar_t* line;
    } cases[] = {
        {L"The operation is complete.", L"The operation is complete."},
        {L"C:\\out\\a.txt\rThe file already exists. Replace it?", L"C:\\out\\a.txt The file already exists. Replace it?"},
        {L"Line one.\r\n\r\nLine two.", L"Line one. Line two."},
        {L"\r\n  padded \t", L"padded"},
        {L"\u0422\u043e\u043c\r\n\u043e\u0442\u0441\u0443\u0442\u0441\u0442\u0432\u0443\u0435\u0442",
         L"\u0422\u043e\u043c \u043e\u0442\u0441\u0443\u0442\u0441\u0442\u0432\u0443\u0435\u0442"},
        {L"\r\n", L""},
        {L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(OneLine(c.text), c.line);
}

}  // namespace

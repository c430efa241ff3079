#include "UnattendedBox.h"

namespace {

constexpr uint32_t kButtonsMask = 0xF;
constexpr uint32_t kOkCancel = 1, kYesNoCancel = 3, kYesNo = 4, kRetryCancel = 5;

bool IsBreak(wchar_t c) { return c == L'\r' || c == L'\n' || c == L'\t'; }

}  // namespace

int UnattendedAnswer(uint32_t boxStyle) {
    switch (boxStyle & kButtonsMask) {
        case kYesNoCancel:
        case kYesNo:
            return kAnswerNo;
        case kOkCancel:
        case kRetryCancel:
            return kAnswerCancel;
        default:
            return kAnswerOk;
    }
}

std::wstring OneLine(const std::wstring& text) {
    std::wstring line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!IsBreak(text[i])) {
            line += text[i];
            continue;
        }
        while (i + 1 < text.size() && IsBreak(text[i + 1])) ++i;
        line += L' ';
    }
    const size_t first = line.find_first_not_of(L' ');
    if (first == std::wstring::npos) return std::wstring();
    return line.substr(first, line.find_last_not_of(L' ') - first + 1);
}

#include "MessageText.h"

#include <windows.h>

#include "LanguageRecord.h"
#include "MessageTable.h"

namespace {

std::wstring Converted(const std::string& text, UINT codePage) {
    const int length = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

}  // namespace

std::wstring MessageText(int k) {
    const std::string& text = Message(k);
    if (text.empty()) return std::wstring();
    const UINT codePage = MessageCodePage();
    if (codePage != CP_ACP && IsValidCodePage(codePage)) return Converted(text, codePage);
    return Converted(text, CP_ACP);
}

#include "PasswordCaption.h"

namespace {

void EraseFirst(std::wstring& text, const std::wstring& part) {
    const size_t at = text.find(part);
    if (at != std::wstring::npos) text.erase(at, part.size());
}

}  // namespace

std::wstring PasswordCaption(const std::wstring& message, const std::wstring& promptName) {
    std::wstring caption = message;
    EraseFirst(caption, L"%s");
    if (promptName.empty()) EraseFirst(caption, L"for");
    return caption + promptName;
}

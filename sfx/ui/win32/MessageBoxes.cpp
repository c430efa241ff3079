#include "MessageBoxes.h"

#include <windows.h>

namespace {

// A box that cannot be shown leaves nothing else to do: the flow goes on as
// after OK.
void Box(const std::wstring& text, const std::wstring& caption, UINT style) {
    MessageBoxW(nullptr, text.c_str(), caption.c_str(), style);
}

}  // namespace

void InformationBox(const std::wstring& text, const std::wstring& caption) {
    Box(text, caption, MB_OK | MB_ICONINFORMATION);
}

void ErrorBox(const std::wstring& text, const std::wstring& caption) { Box(text, caption, MB_OK | MB_ICONERROR); }

void PlainBox(const std::wstring& text, const std::wstring& caption) { Box(text, caption, MB_OK); }

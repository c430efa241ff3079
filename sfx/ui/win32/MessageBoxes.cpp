#include "MessageBoxes.h"

#include <windows.h>

namespace {

// A box that cannot be shown leaves nothing else to do: the flow goes on as
// after OK.
void Box(const std::string& text, const std::string& caption, UINT style) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

}  // namespace

void InformationBox(const std::string& text, const std::string& caption) {
    Box(text, caption, MB_OK | MB_ICONINFORMATION);
}

void ErrorBox(const std::string& text, const std::string& caption) { Box(text, caption, MB_OK | MB_ICONERROR); }

void PlainBox(const std::string& text, const std::string& caption) { Box(text, caption, MB_OK); }

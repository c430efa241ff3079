// The boxes of the main window. None has an owner window; the texts are
// message-table entries.
#pragma once

#include <string>

void InformationBox(const std::wstring& text, const std::wstring& caption);
void ErrorBox(const std::wstring& text, const std::wstring& caption);
// Only an OK button, no icon.
void PlainBox(const std::wstring& text, const std::wstring& caption);

// The boxes of the main window. None has an owner window; the texts are
// message-table entries.
#pragma once

#include <string>

void InformationBox(const std::string& text, const std::string& caption);
void ErrorBox(const std::string& text, const std::string& caption);
// Only an OK button, no icon.
void PlainBox(const std::string& text, const std::string& caption);

// Every text of the user interface comes from the language blocks: a table of
// 32 languages x 100 messages, of which row currentLanguage (always 1) is shown.
#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr int kLanguageRows = 32;
constexpr int kMessagesPerRow = 100;

using MessageRow = std::array<std::string, kMessagesPerRow>;
using MessageTable = std::array<MessageRow, kLanguageRows>;

extern MessageTable messageTable;
extern uint8_t currentLanguage;     // 1 for the whole run
extern uint8_t languageBlockCount;  // blocks read so far

// Message k (1..100) of the current language; empty when there is none.
const std::string& Message(int k);

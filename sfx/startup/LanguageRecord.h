// A language block's record of its language and its code page. sfxbuild
// writes it where a block has four bytes of no meaning and the text of
// message 1, which the program never shows: "BRL2", then the Windows
// language id and the code page as four hexadecimal digits each, so that no
// zero byte splits the message. A block without it (any other builder's)
// is shown as it always was: the first block, in the system's code page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "MessageTable.h"

struct LanguageRecord {
    uint16_t languageId = 0;  // e.g. 0x0419 Russian, 0x0409 English (United States)
    uint16_t codePage = 0;    // the Windows code page of the block's texts, e.g. 1251
};

// The twelve characters that stand ahead of message 1's text.
std::string LanguageRecordText(const LanguageRecord& record);

// The record at the start of a block's first message, when it has one.
std::optional<LanguageRecord> ReadLanguageRecord(const std::string& firstMessage);

// The row (1-based) whose texts a user with the interface language
// userLanguage sees: the first of the blockCount blocks whose record names
// the same primary language (Russian for ru-RU and ru-UA alike), else row 1.
uint8_t ChooseLanguageRow(const MessageTable& table, uint8_t blockCount, uint16_t userLanguage);

// The code page of the current row's texts; 0, the system's ANSI code page,
// for a block without a record.
uint16_t MessageCodePage();

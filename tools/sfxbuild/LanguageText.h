// Language texts: the files a distributor writes, turned into the language
// blocks of the payload. One message a line, "NUMBER=TEXT", numbered from 1
// without a gap; "#" lines and empty lines are skipped; \r \n \t \\ escape.
// Ahead of message 1, the two lines "LANGUAGE=ID" and "CODEPAGE=CP" (decimal
// or 0x hexadecimal) say which language the text is and in which Windows
// code page its bytes are; the program then shows it to users of that
// language, converted from that code page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "LanguageRecord.h"

// Ahead of message 1 in a block whose text names no language: a mark of
// this block format, which the program gives no meaning. With a language,
// its record stands there instead.
constexpr char kLanguageLead[] = "BRL1";

struct LanguageText {
    std::optional<LanguageRecord> record;
    std::vector<std::string> messages;  // message 1 first
};

// Throws BuildError naming `what` and the line for a line that is not a
// message or a header line, a number out of turn, a bad escape, a zero byte,
// more than 100 messages, a header after message 1, repeated or alone, or a
// language or code page that is 0 or over 65535.
LanguageText ParseLanguageText(const std::string& text, const std::string& what);

// "{SLF}", the total length, the lead or the record, and each message ended
// by a zero. Throws BuildError when the data would not fit the program's copy
// buffer.
std::vector<uint8_t> MakeLanguageBlock(const LanguageText& text, const std::string& what);

// Language texts: the files a distributor writes, turned into the language
// blocks of the payload. One message a line, "NUMBER=TEXT", numbered from 1
// without a gap; "#" lines and empty lines are skipped; \r \n \t \\ escape.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Ahead of message 1 in every block sfxbuild writes: a mark of this block
// format; the program gives it no meaning and never shows message 1.
constexpr char kLanguageLead[] = "BRL1";

// The messages of a text, message 1 first. Throws BuildError naming `what`
// and the line for a line that is not a message, a number out of turn, a bad
// escape, a zero byte or more than 100 messages.
std::vector<std::string> ParseLanguageText(const std::string& text, const std::string& what);

// "{SLF}", the total length, the lead and each message ended by a zero.
// Throws BuildError when the data would not fit the program's copy buffer.
std::vector<uint8_t> MakeLanguageBlock(const std::vector<std::string>& messages, const std::string& what);

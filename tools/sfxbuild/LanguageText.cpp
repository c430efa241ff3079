#include "LanguageText.h"

#include "BuildError.h"
#include "LanguageBlocks.h"

namespace {

[[noreturn]] void Refuse(const std::string& what, size_t line, const std::string& why) {
    throw BuildError(what + ", line " + std::to_string(line) + ": " + why);
}

std::string Unescape(const std::string& text, const std::string& what, size_t line) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\0') Refuse(what, line, "a zero byte cannot be part of a message");
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == text.size()) Refuse(what, line, "a lone \\ at the end");
        switch (text[i]) {
            case 'r': out += '\r'; break;
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case '\\': out += '\\'; break;
            default: Refuse(what, line, std::string("unknown escape \\") + text[i]);
        }
    }
    return out;
}

// A header value: decimal, or hexadecimal after "0x"; 1 to 65535.
uint16_t HeaderNumber(const std::string& value, const std::string& what, size_t line) {
    const bool hex = value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X');
    const std::string digits = hex ? value.substr(2) : value;
    const char* allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
    if (digits.empty() || digits.size() > 5 || digits.find_first_not_of(allowed) != std::string::npos)
        Refuse(what, line, "\"" + value + "\" is not a number");
    const unsigned long number = std::stoul(digits, nullptr, hex ? 16 : 10);
    if (number == 0 || number > 0xFFFF) Refuse(what, line, value + " is out of range (1 to 65535)");
    return uint16_t(number);
}

}  // namespace

LanguageText ParseLanguageText(const std::string& text, const std::string& what) {
    LanguageText parsed;
    std::vector<std::string>& messages = parsed.messages;
    std::optional<uint16_t> language, codePage;
    size_t lineNumber = 0, headerLine = 0;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;

        const size_t equals = line.find('=');
        const std::string number = line.substr(0, equals);
        if (equals != std::string::npos && (number == "LANGUAGE" || number == "CODEPAGE")) {
            std::optional<uint16_t>& field = number == "LANGUAGE" ? language : codePage;
            if (!messages.empty()) Refuse(what, lineNumber, number + " must come before message 1");
            if (field) Refuse(what, lineNumber, number + " is given twice");
            field = HeaderNumber(line.substr(equals + 1), what, lineNumber);
            headerLine = lineNumber;
            continue;
        }
        if (equals == std::string::npos || number.empty() || number.size() > 3 ||
            number.find_first_not_of("0123456789") != std::string::npos)
            Refuse(what, lineNumber, "expected NUMBER=TEXT");
        if (std::stoul(number) != messages.size() + 1)
            Refuse(what, lineNumber,
                   "message " + number + " is out of turn, expected " + std::to_string(messages.size() + 1));
        if (messages.size() == size_t(kMessagesPerRow)) Refuse(what, lineNumber, "more than 100 messages");
        messages.push_back(Unescape(line.substr(equals + 1), what, lineNumber));
    }
    if (language.has_value() != codePage.has_value())
        Refuse(what, headerLine, "LANGUAGE and CODEPAGE go together");
    if (language) parsed.record = LanguageRecord{*language, *codePage};
    return parsed;
}

std::vector<uint8_t> MakeLanguageBlock(const LanguageText& text, const std::string& what) {
    std::string data = text.record ? LanguageRecordText(*text.record) : std::string(kLanguageLead);
    for (const std::string& message : text.messages) {
        data += message;
        data += '\0';
    }
    if (data.size() > kMaxLanguageBlockData)
        throw BuildError(what + ": " + std::to_string(data.size()) + " bytes of text, more than a block holds (" +
                         std::to_string(kMaxLanguageBlockData) + ")");
    const uint32_t total = uint32_t(data.size() + kLanguageBlockHeadSize);
    std::vector<uint8_t> block(kLanguageBlockTag, kLanguageBlockTag + kLanguageBlockTagSize);
    for (int shift = 0; shift < 32; shift += 8) block.push_back(uint8_t(total >> shift));
    block.insert(block.end(), data.begin(), data.end());
    return block;
}

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

}  // namespace

std::vector<std::string> ParseLanguageText(const std::string& text, const std::string& what) {
    std::vector<std::string> messages;
    size_t lineNumber = 0;
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
        if (equals == std::string::npos || number.empty() || number.size() > 3 ||
            number.find_first_not_of("0123456789") != std::string::npos)
            Refuse(what, lineNumber, "expected NUMBER=TEXT");
        if (std::stoul(number) != messages.size() + 1)
            Refuse(what, lineNumber,
                   "message " + number + " is out of turn, expected " + std::to_string(messages.size() + 1));
        if (messages.size() == size_t(kMessagesPerRow)) Refuse(what, lineNumber, "more than 100 messages");
        messages.push_back(Unescape(line.substr(equals + 1), what, lineNumber));
    }
    return messages;
}

std::vector<uint8_t> MakeLanguageBlock(const std::vector<std::string>& messages, const std::string& what) {
    std::string data = kLanguageLead;
    for (const std::string& message : messages) {
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

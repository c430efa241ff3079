#include "LanguageRecord.h"

namespace {

constexpr char kRecordTag[] = "BRL2";
constexpr size_t kTagSize = 4;
constexpr size_t kRecordSize = 12;
constexpr uint16_t kPrimaryLanguageMask = 0x3FF;

std::string Hex4(uint16_t value) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text(4, '0');
    for (int i = 3; i >= 0; --i, value >>= 4) text[size_t(i)] = kDigits[value & 0xF];
    return text;
}

std::optional<uint16_t> ReadHex4(const std::string& text, size_t at) {
    uint16_t value = 0;
    for (size_t i = at; i < at + 4; ++i) {
        const char c = text[i];
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) return std::nullopt;
        value = uint16_t(value << 4 | digit);
    }
    return value;
}

}  // namespace

std::string LanguageRecordText(const LanguageRecord& record) {
    return kRecordTag + Hex4(record.languageId) + Hex4(record.codePage);
}

std::optional<LanguageRecord> ReadLanguageRecord(const std::string& firstMessage) {
    if (firstMessage.size() < kRecordSize || firstMessage.compare(0, kTagSize, kRecordTag) != 0) return std::nullopt;
    const std::optional<uint16_t> language = ReadHex4(firstMessage, kTagSize);
    const std::optional<uint16_t> codePage = ReadHex4(firstMessage, kTagSize + 4);
    if (!language || !codePage || *language == 0 || *codePage == 0) return std::nullopt;
    return LanguageRecord{*language, *codePage};
}

uint8_t ChooseLanguageRow(const MessageTable& table, uint8_t blockCount, uint16_t userLanguage) {
    for (uint8_t row = 0; row < blockCount && row < kLanguageRows; ++row) {
        const std::optional<LanguageRecord> record = ReadLanguageRecord(table[row][0]);
        if (record && (record->languageId & kPrimaryLanguageMask) == (userLanguage & kPrimaryLanguageMask))
            return uint8_t(row + 1);
    }
    return 1;
}

uint16_t MessageCodePage() {
    const std::optional<LanguageRecord> record = ReadLanguageRecord(Message(1));
    return record ? record->codePage : 0;
}

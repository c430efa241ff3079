#include "MessageTable.h"

MessageTable messageTable;
uint8_t currentLanguage = 1;
uint8_t languageBlockCount = 0;

const std::string& Message(int k) {
    static const std::string kNone;
    if (currentLanguage < 1 || currentLanguage > kLanguageRows || k < 1 || k > kMessagesPerRow) return kNone;
    return messageTable[currentLanguage - 1][size_t(k - 1)];
}

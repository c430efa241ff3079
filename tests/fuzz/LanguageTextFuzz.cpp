// A language text as sfxbuild reads it. A text it accepts becomes a block that
// the program must read back message for message.
#include <algorithm>
#include <array>
#include <string>

#include "BuildError.h"
#include "FuzzSupport.h"
#include "LanguageBlocks.h"
#include "LanguageText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    LanguageText parsed;
    std::vector<uint8_t> block;
    try {
        parsed = ParseLanguageText(text, "input");
        block = MakeLanguageBlock(parsed, "input");
    } catch (const BuildError&) {
        return 0;
    }

    static std::array<uint8_t, kCopyBufferSize> buffer;
    static MessageTable table;
    table = {};
    uint8_t count = 0;
    MemorySource source(block);
    Require(ReadLanguageBlock(source, buffer, table, count) && source.Position() == block.size(),
            "a block sfxbuild makes reads as one whole block");
    MessageRow expected;
    std::copy(parsed.messages.begin(), parsed.messages.end(), expected.begin());
    expected[0] = (parsed.record ? LanguageRecordText(*parsed.record) : kLanguageLead) + expected[0];
    Require(table[0] == expected, "the program reads the messages sfxbuild wrote");
    Require(ReadLanguageRecord(table[0][0]).has_value() == parsed.record.has_value(),
            "the program finds the language record exactly where sfxbuild wrote one");
    return 0;
}

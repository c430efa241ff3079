#include "SettingsBlock.h"

#include <cstring>

#include "LanguageBlocks.h"

uint64_t ReadSettingsBlock(ByteSource& exe, SfxSettings& settings) {
    std::memset(&settings, 0, sizeof settings);
    const size_t got = exe.Read(reinterpret_cast<uint8_t*>(&settings), sizeof settings);
    if (got < sizeof settings) exe.Seek(exe.Position() + (sizeof settings - got));
    return exe.Position();
}

uint64_t ReadLanguagesAndSettings(ByteSource& exe, uint64_t languageBlocksOffset, SfxSettings& settings) {
    exe.Seek(languageBlocksOffset);
    ReadLanguageBlocks(exe, copyBuffer, messageTable, languageBlockCount);
    return ReadSettingsBlock(exe, settings);
}

// Reading the 832-byte settings block that follows the language blocks.
#pragma once

#include <cstdint>

#include "ByteSource.h"
#include "SfxSettings.h"

// Reads the block at the source's position; bytes past the end of the file
// read as zero. Returns the archive's offset: the position 832 bytes on, even
// when the file ended sooner.
uint64_t ReadSettingsBlock(ByteSource& exe, SfxSettings& settings);

// Steps 4 and 5 of reading the payload: the language blocks from where the
// module ends, then the settings. Returns the archive's offset.
uint64_t ReadLanguagesAndSettings(ByteSource& exe, uint64_t languageBlocksOffset, SfxSettings& settings);

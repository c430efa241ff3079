// Putting a self-extracting program together: the stub, the extraction
// module, the language blocks, the settings block and the archive, back to
// back, as the stub reads them; an archive too large for one program goes on
// in volumes beside it, recorded in a volume table after the settings block.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "BuildOptions.h"

// The built-in language texts, embedded at build time.
extern const unsigned char kEnglishLanguageText[];
extern const size_t kEnglishLanguageTextSize;
extern const unsigned char kRussianLanguageText[];
extern const size_t kRussianLanguageTextSize;

struct BuildResult {
    std::vector<std::string> volumes;       // written beside the program, in order
    std::vector<std::string> strayVolumes;  // of its name, beside it, but from an earlier build
};

// Throws BuildError for an input that is missing, unreadable or unfit, or a
// program too large to start; the outputs are then left as they were.
BuildResult BuildSfx(const BuildOptions& options);

// Throws BuildError unless the file is a PE image that ends where the file
// ends (the stub finds what follows by the image's end) and is x86 or x64
// code; returns its bitness, 32 or 64.
int CheckImageFile(const std::vector<uint8_t>& file, const std::string& role, const std::string& path);

// The blocks for the language texts named, or the built-in English and
// Russian ones, English first.
std::vector<uint8_t> LanguageBlocks(const std::vector<std::string>& languageFiles);

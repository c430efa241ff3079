// sfxbuild's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct BuildOptions {
    bool help = false;
    std::string title;
    std::string destination;
    int destinationMode = 0;
    int overwriteMode = 2;  // ask for each existing file, so that nothing is lost unasked
    std::string runCommand;
    bool autoExtract = false;
    bool doneMessage = false;
    bool hideOverwriteChoice = false;
    bool hideFileList = false;
    bool testFirst = false;
    bool elevate = false;  // the manifest asks for administrator rights
    bool x64 = false;      // a 64-bit self-extractor: the 64-bit stub and module by default
    // Bytes of the archive in the program and in each volume beside it; none:
    // the whole archive in the program.
    std::optional<uint64_t> volumeSize;
    std::vector<std::string> languages;  // language text files, in the order given
    std::optional<std::string> label;    // the archive's file name when not given
    std::string stub;
    std::string module;
    std::string archive;
    std::string output;
};

// toolFolder: where the default stubs and modules lie, the 32-bit pair
// br7zsfx.exe and 7z.dll, the 64-bit pair br7zsfx64.exe and 7z64.dll.
// Throws BuildError for an unknown option, a missing value or operand, or a
// value out of range.
BuildOptions ParseBuildOptions(const std::vector<std::string>& arguments, const std::string& toolFolder);

extern const char kUsage[];

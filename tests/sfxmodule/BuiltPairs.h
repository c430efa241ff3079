// The stubs and extraction modules that the Windows builds made, one pair per
// bitness, for tests that check each of them alike.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "PeImage.h"

struct BuiltPair {
    const char* name;  // for the test's name: "x86" or "x64"
    std::string stub;
    std::string module;
    uint16_t machine;
};

// The pairs whose build folder this build was given.
inline std::vector<BuiltPair> BuiltPairs() {
    std::vector<BuiltPair> pairs;
    if (*SFX_WIN32_DIR) pairs.push_back({"x86", SFX_WIN32_DIR "/br7zsfx.exe", SFX_WIN32_DIR "/7z.dll", kMachineI386});
    if (*SFX_WIN64_DIR)
        pairs.push_back({"x64", SFX_WIN64_DIR "/br7zsfx64.exe", SFX_WIN64_DIR "/7z64.dll", kMachineAmd64});
    return pairs;
}

// Named by their processor in test listings, not by their bytes.
inline void PrintTo(const BuiltPair& pair, std::ostream* out) { *out << pair.name; }

inline std::string PairName(const testing::TestParamInfo<BuiltPair>& info) { return info.param.name; }

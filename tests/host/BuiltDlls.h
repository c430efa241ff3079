// The Windows plug-ins this build was given to check, with what each must be:
// its machine, its optional header and the code property by which hosts of
// its bitness find the entry point. The file checks run on each of them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "PeImage.h"

struct BuiltDll {
    std::string label;  // names the test instances
    std::string path;
    uint16_t machine;
    bool pe32;
    char codeProperty[5];
};

std::vector<BuiltDll> BuiltDlls();
std::vector<BuiltDll> BuiltDllsFor(uint16_t machine);

// Read once per file and kept for the rest of the tests.
const PeImage& LoadedImage(const BuiltDll& dll);

// How test listings show a DLL: by its path.
inline void PrintTo(const BuiltDll& dll, std::ostream* out) { *out << dll.path; }

// For INSTANTIATE_TEST_SUITE_P: the instance's name is the DLL's label.
struct BuiltDllName {
    template <class Info>
    std::string operator()(const Info& info) const {
        return info.param.label;
    }
};

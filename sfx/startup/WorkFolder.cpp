#include "WorkFolder.h"

std::string WorkFolderCandidate(const std::string& tempPath, int number) {
    std::string base = tempPath;
    if (base.empty() || base.back() != '\\') base += '\\';
    return base + "_BRSFX" + std::to_string(number) + "\\";
}

// The few things that differ between the Windows and the native build.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform {

#ifdef _WIN32
constexpr bool kHasWindows = true;  // plug-ins can show their dialogs
#else
constexpr bool kHasWindows = false;
#endif

// UTF-8 strings on both systems; Windows paths are converted to wide names.
std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string PathToUtf8(const std::filesystem::path& path);

std::filesystem::path ExecutableDirectory();
std::optional<std::filesystem::path> HomeDirectory();  // HOME, else USERPROFILE
bool StderrIsTerminal();

// Moves from over to, replacing to; false with a reason on failure.
bool MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to, std::string& why);

// The program's arguments in UTF-8 (on Windows taken from the wide command line).
std::vector<std::string> Arguments(int argc, char** argv);

}  // namespace platform

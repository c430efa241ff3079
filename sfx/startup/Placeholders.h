// Folder placeholders in the destination ("%temp%", "%PROG%", ...), replaced
// by the system's own folders. The system's answers are handed in, so the
// rule runs the same with the real system and in tests.
#pragma once

#include <functional>
#include <optional>
#include <string>

enum class RegistryRoot { kLocalMachine, kCurrentUser };

struct SystemValues {
    std::string tempPath;  // as the system returns it
    std::string windowsDirectory;
    std::string systemDirectory;
    // A plain string value (REG_SZ) of a key; nothing for a missing key or
    // value or another type.
    std::function<std::optional<std::string>(RegistryRoot root, const std::string& key, const std::string& value)>
        readRegistryString;
    // A number in 0..range-1.
    std::function<int(int range)> random;
};

// A replacement that holds a placeholder is expanded in the next pass; a
// replacement holding the very placeholder it replaced would go on forever,
// so the passes stop after this many.
constexpr int kMaxExpansionPasses = 16;

// Passes over the text until one replaces nothing, each pass replacing the
// first occurrence of each placeholder in turn. Nothing when a placeholder
// cannot be resolved (the system gives no folder for it) or is still there
// after the last pass: "%DOCS%\App" must never become "\App".
std::optional<std::string> ExpandPlaceholders(std::string text, const SystemValues& system);

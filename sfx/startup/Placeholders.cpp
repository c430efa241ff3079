#include "Placeholders.h"

#include <string_view>

namespace {

constexpr char kProgramFilesKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr char kShellFoldersKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr int kUniqueNumbers = 1000;
constexpr int kUniqueLetters = 26;  // "a" to "z": every one of them is valid in a folder name

std::string Registry(const SystemValues& system, RegistryRoot root, const char* key, const char* value) {
    if (!system.readRegistryString) return {};
    return system.readRegistryString(root, key, value).value_or(std::string());
}

std::string ProgramFiles(const SystemValues& system) {
    return Registry(system, RegistryRoot::kLocalMachine, kProgramFilesKey, "ProgramFilesDir");
}

struct Placeholder {
    std::string_view token;
    std::string (*replacement)(const SystemValues&);  // drawn when the token is found
};

// In the order the passes test them.
const Placeholder kPlaceholders[] = {
    {"%temp%", [](const SystemValues& s) { return s.tempPath; }},
    {"%temp-unique%",
     [](const SystemValues& s) {
         const int number = s.random(kUniqueNumbers);
         const char letter = char('a' + s.random(kUniqueLetters));
         return s.tempPath + "\\~SFX" + std::to_string(number) + letter;
     }},
    {"%win%", [](const SystemValues& s) { return s.windowsDirectory; }},
    {"%winsys%", [](const SystemValues& s) { return s.systemDirectory; }},
    {"%PROG%", ProgramFiles},
    {"%prog%", ProgramFiles},
    {"%DOCS%",
     [](const SystemValues& s) { return Registry(s, RegistryRoot::kCurrentUser, kShellFoldersKey, "Personal"); }},
    {"%DESKTOP%",
     [](const SystemValues& s) { return Registry(s, RegistryRoot::kCurrentUser, kShellFoldersKey, "Desktop"); }},
    {"%FONTS%",
     [](const SystemValues& s) { return Registry(s, RegistryRoot::kCurrentUser, kShellFoldersKey, "Fonts"); }},
};

}  // namespace

std::optional<std::string> ExpandPlaceholders(std::string text, const SystemValues& system) {
    for (int pass = 0; pass < kMaxExpansionPasses; ++pass) {
        bool replaced = false;
        for (const Placeholder& placeholder : kPlaceholders) {
            const size_t at = text.find(placeholder.token);
            if (at == std::string::npos) continue;
            const std::string folder = placeholder.replacement(system);
            if (folder.empty()) return std::nullopt;
            text.replace(at, placeholder.token.size(), folder);
            replaced = true;
        }
        if (!replaced) return text;
    }
    for (const Placeholder& placeholder : kPlaceholders)
        if (text.find(placeholder.token) != std::string::npos) return std::nullopt;
    return text;
}

// Folder placeholders in the destination, with the system's answers given by
// the test, and the destination by its mode.
#include <gtest/gtest.h>

#include <map>

#include "Destination.h"
#include "Placeholders.h"

namespace {

struct FakeSystem {
    std::map<std::string, std::string> registry = {
        {"ProgramFilesDir", "C:\\Program Files"},
        {"Desktop", "C:\\Users\\me\\Desktop"},
        {"Fonts", "C:\\WINDOWS\\Fonts"},
    };
    std::vector<int> draws;  // answers of the random source, in turn; range - 1 when used up
    std::vector<int> ranges;

    SystemValues Values() {
        SystemValues v;
        v.tempPath = "C:\\TEMP\\";
        v.windowsDirectory = "C:\\WINDOWS";
        v.systemDirectory = "C:\\WINDOWS\\system32";
        v.readRegistryString = [this](RegistryRoot root, const std::string& key,
                                      const std::string& value) -> std::optional<std::string> {
            const bool machine = value == "ProgramFilesDir";
            if ((root == RegistryRoot::kLocalMachine) != machine) return std::nullopt;
            if (key.find(machine ? "CurrentVersion" : "Shell Folders") == std::string::npos) return std::nullopt;
            const auto it = registry.find(value);
            return it == registry.end() ? std::nullopt : std::optional<std::string>(it->second);
        };
        v.random = [this](int range) {
            ranges.push_back(range);
            if (draws.empty()) return range - 1;
            const int d = draws.front();
            draws.erase(draws.begin());
            return d;
        };
        return v;
    }
};

}  // namespace

TEST(ExpandPlaceholders, TableOfDestinations) {
    const struct {
        std::string text;
        std::optional<std::string> expanded;
    } cases[] = {
        {"%DESKTOP%\\Tools", "C:\\Users\\me\\Desktop\\Tools"},
        {"%temp%%temp%", "C:\\TEMP\\C:\\TEMP\\"},
        {"%TEMP%\\x", "%TEMP%\\x"},
        {"%PROG%\\App", "C:\\Program Files\\App"},
        {"%prog%\\App", "C:\\Program Files\\App"},
        {"%Prog%", "%Prog%"},
        {"%win%;%winsys%", "C:\\WINDOWS;C:\\WINDOWS\\system32"},
        {"%winsys%%win%%win%", "C:\\WINDOWS\\system32C:\\WINDOWSC:\\WINDOWS"},
        {"%FONTS%", "C:\\WINDOWS\\Fonts"},
        {"D:\\%DOCS%\\x", std::nullopt},  // no such value: refused, never "D:\\\\x"
        {"%temp%\\%DOCS%", std::nullopt},
        {"plain", "plain"},
        {"", ""},
        {"%temp", "%temp"},
    };
    for (const auto& c : cases) {
        FakeSystem system;
        EXPECT_EQ(ExpandPlaceholders(c.text, system.Values()), c.expanded) << c.text;
    }
}

TEST(ExpandPlaceholders, UniqueTempFolderHasANumberAndALetter) {
    const struct {
        std::vector<int> draws;
        std::string expanded;
    } cases[] = {
        {{417, 0}, "C:\\TEMP\\\\~SFX417a"},
        {{0, 25}, "C:\\TEMP\\\\~SFX0z"},
        {{}, "C:\\TEMP\\\\~SFX999z"},  // the highest draws: still a letter, never "{" or "|"
    };
    for (const auto& c : cases) {
        FakeSystem system;
        system.draws = c.draws;
        EXPECT_EQ(ExpandPlaceholders("%temp-unique%", system.Values()), c.expanded);
        EXPECT_EQ(system.ranges, (std::vector<int>{1000, 26}));
    }
}

TEST(ExpandPlaceholders, ReplacementsAreExpandedInLaterPassesUpToTheBound) {
    FakeSystem system;
    system.registry["Desktop"] = "%DOCS%%win%\\Desk";
    system.registry["Personal"] = "%temp%";
    EXPECT_EQ(ExpandPlaceholders("%DESKTOP%", system.Values()), "C:\\TEMP\\C:\\WINDOWS\\Desk");

    system.registry["Fonts"] = "%FONTS%+";  // would repeat forever: refused
    EXPECT_EQ(ExpandPlaceholders("%FONTS%", system.Values()), std::nullopt);
}

TEST(FixDestination, ByModeThenExpanded) {
    const std::string longDir(300, 'c');
    const std::string tooLong(kMaxDestinationLength + 1, 'c');
    const struct {
        uint8_t mode;
        std::string stored;
        std::string current;
        std::string fixed;
        std::string expanded;
    } cases[] = {
        {0, "", "C:\\Here", "C:\\Here", "C:\\Here"},
        {0, "Current directory", "C:\\Here", "C:\\Here", "C:\\Here"},
        {0, "current directory", "C:\\Here", "current directory", "current directory"},
        {0, "Current directory ", "C:\\Here", "Current directory ", "Current directory "},
        {0, "%DESKTOP%\\Out", "C:\\Here", "%DESKTOP%\\Out", "C:\\Users\\me\\Desktop\\Out"},
        {1, "D:\\Ignored", "C:\\Here", "C:\\TEMP\\", "C:\\TEMP\\"},
        {2, "D:\\Ignored", "C:\\Here", "%PROG%", "C:\\Program Files"},
        {3, "%win%\\Out", "C:\\Here", "%win%\\Out", "C:\\WINDOWS\\Out"},
        {0, "", longDir, longDir, longDir},  // longer than the settings hold: never cut
        {0, "", tooLong, "", ""},              // longer than the system's paths: refused
        {3, std::string(kMaxDestinationLength - 7, 'd') + "%FONTS%", "", std::string(kMaxDestinationLength - 7, 'd') + "%FONTS%", ""},
        {0, "%DOCS%\\App", "", "%DOCS%\\App", ""},  // no value for %DOCS%: refused, never "\\App"
        {0, "C:\\\u0395\u03bb\u03bb\u03ac\u03b4\u03b1", "", "C:\\\u0395\u03bb\u03bb\u03ac\u03b4\u03b1",
         "C:\\\u0395\u03bb\u03bb\u03ac\u03b4\u03b1"},  // UTF-8 as it is
    };
    for (const auto& c : cases) {
        FakeSystem system;
        const SystemValues values = system.Values();
        const std::string fixed = FixDestination(c.mode, c.stored, c.current, values.tempPath);
        EXPECT_EQ(fixed, c.fixed) << int(c.mode) << " " << c.stored.substr(0, 40);
        EXPECT_EQ(ExpandDestination(fixed, values), c.expanded) << int(c.mode) << " " << c.stored.substr(0, 40);
    }
}

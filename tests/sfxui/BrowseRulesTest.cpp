// The folder browser's rules: the preselected path, the status line fitted
// to its control (6 pixels a character, so every fit is exact), the root
// folder ids and the shell flags.
#include <gtest/gtest.h>

#include "BrowseOptions.h"
#include "BrowseText.h"

namespace {

int SixPixels(const std::string& text) { return int(text.size()) * 6; }

TEST(BrowseText, TrimSelectionPath) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"C:\\", "C:\\"},
        {"C:", "C:\\"},
        {"d:", "d:\\"},
        {"C:\\Temp\\", "C:\\Temp"},
        {"C:\\Temp", "C:\\Temp"},
        {"\\", "\\"},
        {"\\\\server\\share\\", "\\\\server\\share"},
        {"Temp\\", "Temp"},
        {"C:x", "C:x"},
        {"x", "x"},
    };
    for (const auto& [path, trimmed] : cases) EXPECT_EQ(TrimSelectionPath(path), trimmed) << path;
}

TEST(BrowseText, DropFirstFolder) {
    const std::pair<std::string, std::string> cases[] = {
        {"\\Program Files\\Vendor\\App\\", "\\...\\Vendor\\App\\"},
        {"\\...\\Vendor\\App\\", "\\...\\App\\"},
        {"\\...\\App\\", "\\...\\"},
        {"\\", ""},
        {"", ""},
        {"...\\", ""},
        {"Temp\\Sub\\", "...\\Sub\\"},
        {"...\\Sub\\", "...\\"},
        {"\\Temp\\", "\\...\\"},
        {".\\", ""},
    };
    for (const auto& [folder, dropped] : cases) EXPECT_EQ(DropFirstFolder(folder), dropped) << folder;
}

TEST(BrowseText, MinimizePath) {
    const std::string app = "C:\\Program Files\\Vendor\\App";  // 27 characters
    const struct {
        std::string path;
        int characters;  // the width available, in characters
        std::string shown;
    } cases[] = {
        {app, 27, app},
        {app, 26, "C:\\...\\Vendor\\App"},
        {app, 17, "C:\\...\\Vendor\\App"},
        {app, 16, "C:\\...\\App"},
        {app, 10, "C:\\...\\App"},
        {app, 9, "...\\App"},
        {app, 7, "...\\App"},
        {app, 6, "App"},
        {app, 0, "App"},  // the name stays, too wide or not
        {"C:\\Program Files\\Vendor\\App\\", 20, "C:\\...\\Vendor\\App\\"},
        {"C:\\Program Files\\Vendor\\App\\", 3, ""},
        {"\\\\server\\share\\folder", 16, "\\...\\folder"},
        {"C:\\", 2, "C:"},
        {"C:\\", 1, ""},
        {"C:", 1, ""},
        {"Temp\\Sub\\Deeper", 12, "...\\Deeper"},
        {"", 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MinimizePath(c.path, SixPixels, c.characters * 6), c.shown) << c.path << " in " << c.characters;
    // A pixel short of a whole character does not fit it.
    EXPECT_EQ(MinimizePath(app, SixPixels, 27 * 6 - 1), "C:\\...\\Vendor\\App");
}

TEST(BrowseText, MinimizeText) {
    const struct {
        std::string text;
        int characters;
        std::string shown;
    } cases[] = {
        {"Choose a folder", 15, "Choose a folder"},
        {"Choose a folder", 14, "Choose a fo..."},
        {"Choose a folder", 4, "C..."},
        {"Choose a folder", 3, "..."},
        {"Choose a folder", 2, "..."},  // nothing is left to cut
        {"", 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MinimizeText(c.text, SixPixels, c.characters * 6), c.shown) << c.text << " in " << c.characters;
}

TEST(BrowseText, FittedTextByKind) {
    const std::string path = "C:\\Program Files\\Vendor\\App";
    EXPECT_EQ(FittedText(path, true, SixPixels, 60), "C:\\...\\App");
    EXPECT_EQ(FittedText(path, false, SixPixels, 60), "C:\\Prog...");
}

TEST(BrowseOptions, RootFolderIds) {
    const struct {
        TRootID root;
        int nt, other;
    } cases[] = {
        {idDesktop, 0x00, 0x00},
        {idPersonal, 0x05, 0x05},
        {idStartMenu, 0x0B, 0x0B},
        {idDesktopDirectory, 0x10, 0x10},
        {idDrives, 0x11, 0x11},
        {idTemplates, 0x15, 0x15},
        {idCommonStartMenu, 0x16, 0x0B},
        {idCommonPrograms, 0x17, 0x02},
        {idCommonStartup, 0x18, 0x07},
        {idCommonDesktopDirectory, 0x19, 0x10},
        {idAppData, 0x1A, 0x1A},
        {idPrintHood, 0x1B, 0x1B},
        {idDesktopExpanded, 0xFEFE, 0xFEFE},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RootFolderId(c.root, true), c.nt) << int(c.root);
        EXPECT_EQ(RootFolderId(c.root, false), c.other) << int(c.root);
    }
}

TEST(BrowseOptions, ShellBrowseFlags) {
    const struct {
        TBrowseFlags options;
        bool statusLine;
        uint32_t flags;
    } cases[] = {
        {{}, false, 0},
        {{}, true, 0x0004},
        {{bfDirectoriesOnly}, false, 0x0001},
        {{bfEditBox}, false, 0x0030},
        {{bfDomainOnly, bfAncestors}, true, 0x000E},
        {{bfComputers, bfPrinters, bfIncludeFiles}, false, 0x7000},
        {{bfDirectoriesOnly, bfDomainOnly, bfAncestors, bfComputers, bfPrinters, bfIncludeFiles, bfEditBox}, true,
         0x703F},
    };
    for (const auto& c : cases) EXPECT_EQ(ShellBrowseFlags(c.options, c.statusLine), c.flags);
}

}  // namespace

#include "BrowseOptions.h"

#include <iterator>

namespace {

// The shell's values, so that the rule is testable without its headers.
constexpr uint32_t kReturnOnlyFsDirs = 0x0001, kDontGoBelowDomain = 0x0002, kStatusText = 0x0004,
                   kReturnFsAncestors = 0x0008, kEditBox = 0x0010, kValidate = 0x0020, kBrowseForComputer = 0x1000,
                   kBrowseForPrinter = 0x2000, kBrowseIncludeFiles = 0x4000;

struct RootEntry {
    int folderId;
    int otherSystems;  // the id outside the NT family
};

// In TRootID order.
constexpr RootEntry kRoots[] = {
    {0x00, 0x00}, {0x01, 0x01}, {0x02, 0x02}, {0x03, 0x03}, {0x04, 0x04}, {0x05, 0x05}, {0x06, 0x06},
    {0x07, 0x07}, {0x08, 0x08}, {0x09, 0x09}, {0x0A, 0x0A}, {0x0B, 0x0B}, {0x10, 0x10}, {0x11, 0x11},
    {0x12, 0x12}, {0x13, 0x13}, {0x14, 0x14}, {0x15, 0x15}, {0x16, 0x0B}, {0x17, 0x02}, {0x18, 0x07},
    {0x19, 0x10}, {0x1A, 0x1A}, {0x1B, 0x1B}, {0xFEFE, 0xFEFE},
};
static_assert(std::size(kRoots) == idDesktopExpanded + 1, "one entry per TRootID");

// In TBrowseFlag order.
constexpr uint32_t kFlags[] = {kReturnOnlyFsDirs,  kDontGoBelowDomain,  kReturnFsAncestors,   kBrowseForComputer,
                               kBrowseForPrinter,  kBrowseIncludeFiles, kEditBox | kValidate};
static_assert(std::size(kFlags) == bfEditBox + 1, "one entry per TBrowseFlag");

}  // namespace

int RootFolderId(TRootID root, bool ntFamily) {
    const int index = int(root);
    if (index < 0 || index >= int(std::size(kRoots))) return kRoots[idDesktop].folderId;
    return ntFamily ? kRoots[index].folderId : kRoots[index].otherSystems;
}

uint32_t ShellBrowseFlags(const TBrowseFlags& options, bool statusLine) {
    uint32_t flags = statusLine ? kStatusText : 0;
    for (TBrowseFlag flag : options)
        if (int(flag) >= 0 && int(flag) < int(std::size(kFlags))) flags |= kFlags[int(flag)];
    return flags;
}

// The items of the archive that the session opened, as the file list shows
// them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TSevenZip;

struct ListedItem {
    uint32_t index;
    std::wstring path;
};

// Every item's index and kpidPath in index order; items without a path are
// left out. Empty when the session holds no handler.
std::vector<ListedItem> ListItems(TSevenZip& session);

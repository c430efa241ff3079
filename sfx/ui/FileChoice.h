// Which items an extraction takes, from the entries of the file list and
// the user's selection of them.
#pragma once

#include <string>
#include <vector>

struct FileChoice {
    bool nothingChosen = false;          // entries listed, none of them selected
    std::vector<std::wstring> fileSpec;  // empty: every item
};

// selected[i] tells whether entries[i] is selected. With every entry selected
// the masks stay empty, which extracts the whole archive, items without a
// listed path included; otherwise the selected entries in list order.
FileChoice ChooseFiles(const std::vector<std::wstring>& entries, const std::vector<bool>& selected);

// Which items an extraction takes, from the items the file list shows and
// the user's selection of them: items by their index, never by a pattern
// that their names might hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct FileChoice {
    bool nothingChosen = false;   // entries listed, none of them selected
    std::vector<uint32_t> items;  // indices; empty: every item
};

// selected[i] tells whether the entry of item listed[i] is selected. With
// every entry selected the choice stays empty, which extracts the whole
// archive, items without a listed path included; otherwise the selected
// entries' items in list order.
FileChoice ChooseFiles(const std::vector<uint32_t>& listed, const std::vector<bool>& selected);

#include "FileChoice.h"

FileChoice ChooseFiles(const std::vector<uint32_t>& listed, const std::vector<bool>& selected) {
    FileChoice choice;
    for (size_t i = 0; i < listed.size(); ++i)
        if (i < selected.size() && selected[i]) choice.items.push_back(listed[i]);
    choice.nothingChosen = !listed.empty() && choice.items.empty();
    if (choice.items.size() == listed.size()) choice.items.clear();
    return choice;
}

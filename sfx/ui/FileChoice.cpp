#include "FileChoice.h"

FileChoice ChooseFiles(const std::vector<std::wstring>& entries, const std::vector<bool>& selected) {
    FileChoice choice;
    for (size_t i = 0; i < entries.size(); ++i)
        if (i < selected.size() && selected[i]) choice.fileSpec.push_back(entries[i]);
    choice.nothingChosen = !entries.empty() && choice.fileSpec.empty();
    if (choice.fileSpec.size() == entries.size()) choice.fileSpec.clear();
    return choice;
}

#include "BrowseText.h"

namespace {

constexpr char kEllipsisFolder[] = "...\\";
constexpr char kDroppedRoot[] = "\\...\\";

}  // namespace

std::string TrimSelectionPath(const std::string& path) {
    if (path.empty()) return path;
    const bool drive = path.size() <= 3 && path.size() >= 2 && path[1] == ':';
    if (!drive) {
        if (path != "\\" && path.back() == '\\') return path.substr(0, path.size() - 1);
        return path;
    }
    return path.size() == 2 ? path + '\\' : path;
}

std::string DropFirstFolder(const std::string& folder) {
    if (folder == "\\") return std::string();
    std::string part = folder;
    const bool rooted = !part.empty() && part.front() == '\\';
    if (rooted) part.erase(0, 1);
    if (!part.empty() && part.front() == '.') part.erase(0, 4);
    const size_t first = part.find('\\');
    part = first == std::string::npos ? std::string() : kEllipsisFolder + part.substr(first + 1);
    return rooted ? '\\' + part : part;
}

std::string MinimizePath(const std::string& path, const TextWidth& measure, int width) {
    const size_t split = path.find_last_of("\\:");
    const std::string name = split == std::string::npos ? path : path.substr(split + 1);
    std::string folder = split == std::string::npos ? std::string() : path.substr(0, split + 1);
    std::string drive;
    if (folder.size() > 1 && folder[1] == ':') {
        drive = folder.substr(0, 2);
        folder.erase(0, 2);
    }
    std::string text = path;
    while ((!drive.empty() || !folder.empty()) && measure(drive + folder + name) > width) {
        if (folder == kDroppedRoot) {
            drive.clear();
            folder = kEllipsisFolder;
        } else if (!folder.empty()) {
            folder = DropFirstFolder(folder);
        } else {
            drive.clear();
        }
        text = drive + folder + name;
    }
    return text;
}

std::string MinimizeText(const std::string& text, const TextWidth& measure, int width) {
    std::string kept = text, shown = text;
    while (measure(shown) > width && !kept.empty()) {
        kept.pop_back();
        shown = kept + "...";
    }
    return shown;
}

std::string FittedText(const std::string& text, bool isFolder, const TextWidth& measure, int width) {
    return isFolder ? MinimizePath(text, measure, width) : MinimizeText(text, measure, width);
}

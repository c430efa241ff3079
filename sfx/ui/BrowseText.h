// The folder browser's text rules: the path handed to the dialog as its
// preselection, and the status line shortened with "..." until it fits its
// control. Widths come from a measuring function, so the rules know nothing
// of fonts.
#pragma once

#include <functional>
#include <string>

// The width of a text in the control's font, in pixels.
using TextWidth = std::function<int(const std::string&)>;

// A trailing "\" removed, except from "\" and a drive root such as C:\; a
// bare drive such as C: gets one.
std::string TrimSelectionPath(const std::string& path);

// A folder part with its first folder replaced by "...\":
// \Program Files\Vendor\App\ -> \...\Vendor\App\ -> \...\App\ -> \...\ .
std::string DropFirstFolder(const std::string& folder);

// A path with leading folders, then the drive, replaced by "...\" until it
// is at most width wide or nothing but its name is left.
std::string MinimizePath(const std::string& path, const TextWidth& measure, int width);

// A text cut at its end and followed by "..." until it is at most width wide.
std::string MinimizeText(const std::string& text, const TextWidth& measure, int width);

// The status line's text: a folder shortened as a path, anything else as text.
std::string FittedText(const std::string& text, bool isFolder, const TextWidth& measure, int width);

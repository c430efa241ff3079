// Whether files can be written into the destination folder.
#pragma once

#include <string>

// Creates a probe file in folder, closes it at once and deletes it; true
// when the file existed after its creation. Any failure gives false.
bool IsFolderWritable(const std::wstring& folder);

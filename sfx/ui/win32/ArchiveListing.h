// The item paths of the archive that the session opened.
#pragma once

#include <string>
#include <vector>

class TSevenZip;

// The kpidPath of every item in index order; items without a path are left
// out. Empty when the session holds no handler.
std::vector<std::wstring> ListItemPaths(TSevenZip& session);

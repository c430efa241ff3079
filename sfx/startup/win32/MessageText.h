// The message table's texts as the windows show them: wide, converted from
// the code page that the current block names, or from the system's ANSI code
// page for a block that names none (and where the named one is not
// installed).
#pragma once

#include <string>

std::wstring MessageText(int k);

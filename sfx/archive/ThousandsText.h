// A size in decimal with a separator before every group of three digits from
// the right: 1234567 with "," gives "1,234,567"; 999 stays "999".
#pragma once

#include <cstdint>
#include <string>

std::wstring FormatThousands(uint64_t value, const std::wstring& separator);

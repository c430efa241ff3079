// The text that OnBegin carries for an item: its size with the user's
// thousands separator and its date and time in the user's formats.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The user's short date, " ", and the time without seconds; a part that does
// not fit 16 characters is left empty.
std::wstring DateTimeText(const SYSTEMTIME& localTime);

// "1,234 bytes, 10.03.2005 09:15"
std::wstring ItemInfoText(uint64_t size, const SYSTEMTIME& localTime);

// The name of the probe file that tests writing into the destination.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The folder with "\" appended when it lacks one.
std::wstring WithBackslash(const std::wstring& folder);

// The message that tells why the destination cannot be used: 67 when the
// system denied access (the person may choose another folder or run the
// program as administrator) and the language has that text, else 41.
int UnusableDestinationMessage(uint32_t systemError, bool accessDeniedTextPresent);

// The probe file in folder: "_BR$TEMP$.$$$", with "$" appended while a file
// of that name exists.
std::wstring ProbeFilePath(const std::wstring& folder, const std::function<bool(const std::wstring&)>& exists);

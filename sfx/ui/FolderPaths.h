// The name of the probe file that tests writing into the destination.
#pragma once

#include <functional>
#include <string>

// The folder with "\" appended when it lacks one.
std::wstring WithBackslash(const std::wstring& folder);

// The probe file in folder: "_BR$TEMP$.$$$", with "$" appended while a file
// of that name exists.
std::wstring ProbeFilePath(const std::wstring& folder, const std::function<bool(const std::wstring&)>& exists);

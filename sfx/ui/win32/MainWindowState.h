// State of the window code that the password window shares: one instance
// per process, on the user-interface thread.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class TForm1;

// Posted to Form1 for each file the session starts; the long parameter is a
// std::wstring* with the file's destination path, which the receiver frees.
constexpr UINT WM_SFX_BEGINFILE = 0x800;

extern TForm1* Form1;
// Set when an extraction starts; cleared by Cancel, a refused password, the
// Cancel answer to the overwrite question, and after the extraction.
extern bool extractActive;
extern uint8_t overwriteChoice;  // an OverwriteChoice
// Destination path of the file that the session started last.
extern std::wstring currentTargetName;

// Process-wide values that the program body prepares before the main window
// exists; the window code reads them directly, on the same thread.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "SfxSettings.h"
#include "VolumeTable.h"

// One buffer for the module copy and each language block's data. Its size
// also bounds a language block's data (with the zero after it).
constexpr size_t kCopyBufferSize = 76288;

// The one file in the work folder: the extraction module.
constexpr char kModuleFileName[] = "7Z.DLL";

// Names and texts from the system and the command line are UTF-8.
extern SfxSettings sfxSettings;
extern std::string destination;     // by the settings' mode, expanded, or from "-d"; empty: refused
extern std::string systemTempPath;  // as the system returns it, normally with a trailing "\"
extern std::string workFolder;      // systemTempPath + "\" + "_BRSFX" + number + "\"
extern std::string runArguments;    // from "-#": the parameters of the file run after extraction
extern bool unattended;             // "-u": no box waits for a person
extern uint64_t archiveOffset;      // first byte of the archive, after the settings block or the volume table
extern uint64_t archiveEnd;         // after the archive's last byte: the file's end, or a signature's start
extern VolumeTable volumeTable;     // no fingerprints: the whole archive is in the program
extern std::array<uint8_t, kCopyBufferSize> copyBuffer;

// How the process ends: 0 success, 1 failure, 2 cancelled.
enum ExitCode : int { kExitSuccess = 0, kExitFailure = 1, kExitCancelled = 2 };

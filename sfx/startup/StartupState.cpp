#include "StartupState.h"

SfxSettings sfxSettings;
std::string destination;
std::string systemTempPath;
std::string workFolder;
std::string runArguments;
bool unattended = false;
uint64_t archiveOffset = 0;
uint64_t archiveEnd = 0;
VolumeTable volumeTable;
std::array<uint8_t, kCopyBufferSize> copyBuffer;

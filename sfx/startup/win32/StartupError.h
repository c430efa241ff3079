// The boxes of the start-up, with no owner window.
#pragma once

#include <string>

// "An error occured while opening ...", then the process ends with failure.
[[noreturn]] void StartupFailure();

// The file does not match its seal: a fixed English text, since the language
// blocks are part of what failed; then the process ends with failure.
[[noreturn]] void DamagedFileFailure();

// A volume of the archive is missing, or is not the one the program was
// built with: message 68 with its name, then the process ends with failure.
[[noreturn]] void VolumeFailure(const std::wstring& volumePath);

// The settings block's signature is wrong: message 43, then the process ends
// with failure; settings that are not the builder's are never acted on.
[[noreturn]] void SignatureFailure();

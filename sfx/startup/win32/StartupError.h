// The boxes of the start-up, with no owner window.
#pragma once

// "An error occured while opening ...", then the process ends with failure.
[[noreturn]] void StartupFailure();

// The file does not match its seal: a fixed English text, since the language
// blocks are part of what failed; then the process ends with failure.
[[noreturn]] void DamagedFileFailure();

// The settings block's signature is wrong: message 43, then the process ends
// with failure; settings that are not the builder's are never acted on.
[[noreturn]] void SignatureFailure();

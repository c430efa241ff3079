#include "StartupError.h"

#include <windows.h>

#include "MessageBoxes.h"
#include "MessageText.h"
#include "PayloadSeal.h"
#include "ProgramEnd.h"
#include "SfxSettings.h"
#include "StartupState.h"
#include "VolumeMessage.h"

namespace {

// The fixed text is ASCII, the same in every code page.
std::wstring Widened(const char* text) { return std::wstring(text, text + std::char_traits<char>::length(text)); }

}  // namespace

[[noreturn]] void StartupFailure() {
    ErrorBox(L"An error occured while opening Brindlepacker 7-ZIP SFX.", kDefaultCaption);
    EndProcess(kExitFailure);
}

[[noreturn]] void DamagedFileFailure() {
    ErrorBox(Widened(kDamagedFileText), kDefaultCaption);
    EndProcess(kExitFailure);
}

[[noreturn]] void VolumeFailure(const std::wstring& volumePath) {
    ErrorBox(MissingVolumeText(MessageText(68), MessageText(38), VolumeFileName(volumePath)), kDefaultCaption);
    EndProcess(kExitFailure);
}

[[noreturn]] void SignatureFailure() {
    ErrorBox(MessageText(43), kDefaultCaption);
    EndProcess(kExitFailure);
}

#include "StartupError.h"

#include <windows.h>

#include "MessageText.h"
#include "PayloadSeal.h"
#include "ProgramEnd.h"
#include "SfxSettings.h"
#include "StartupState.h"
#include "VolumeMessage.h"

[[noreturn]] void StartupFailure() {
    MessageBoxA(nullptr, "An error occured while opening Brindlepacker 7-ZIP SFX.", kDefaultTitle,
                MB_ICONERROR | MB_OK);
    EndProcess(kExitFailure);
}

[[noreturn]] void DamagedFileFailure() {
    MessageBoxA(nullptr, kDamagedFileText, kDefaultTitle, MB_ICONERROR | MB_OK);
    EndProcess(kExitFailure);
}

[[noreturn]] void VolumeFailure(const std::wstring& volumePath) {
    const std::wstring text = MissingVolumeText(MessageText(68), MessageText(38), VolumeFileName(volumePath));
    MessageBoxW(nullptr, text.c_str(), kDefaultCaption, MB_ICONERROR | MB_OK);
    EndProcess(kExitFailure);
}

[[noreturn]] void SignatureFailure() {
    MessageBoxW(nullptr, MessageText(43).c_str(), kDefaultCaption, MB_ICONERROR | MB_OK);
    EndProcess(kExitFailure);
}

#include "StartupError.h"

#include <windows.h>

#include "MessageTable.h"
#include "PayloadSeal.h"
#include "ProgramEnd.h"
#include "SfxSettings.h"
#include "StartupState.h"

[[noreturn]] void StartupFailure() {
    MessageBoxA(nullptr, "An error occured while opening Brindlepacker 7-ZIP SFX.", kDefaultTitle,
                MB_ICONERROR | MB_OK);
    EndProcess(kExitFailure);
}

[[noreturn]] void DamagedFileFailure() {
    MessageBoxA(nullptr, kDamagedFileText, kDefaultTitle, MB_ICONERROR | MB_OK);
    EndProcess(kExitFailure);
}

[[noreturn]] void SignatureFailure() {
    MessageBoxA(nullptr, Message(43).c_str(), kDefaultTitle, MB_ICONERROR | MB_OK);
    EndProcess(kExitFailure);
}

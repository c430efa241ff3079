#include "szsfxmain2.h"

#include <windows.h>

#include "ArchiveEnd.h"
#include "Destination.h"
#include "PayloadFile.h"
#include "LanguageRecord.h"
#include "MessageTable.h"
#include "ModuleCopy.h"
#include "PayloadError.h"
#include "PayloadLayout.h"
#include "PayloadSeal.h"
#include "PeImageEnd.h"
#include "PhaseMark.h"
#include "ProcessArguments.h"
#include "ProgramEnd.h"
#include "SafeDllSearch.h"
#include "SettingsBlock.h"
#include "StartupError.h"
#include "Switches.h"
#include "SystemFolders.h"
#include "SystemPath.h"
#include "VolumeSet.h"
#include "WorkFolderCreate.h"
#include "szsfxunit.h"

namespace {

// Steps 7 to 9: one guarded section over the program's own file; any
// failure inside ends with the start-up error. Sealed bytes after the
// settings block are the volume table of an archive that goes on in volumes
// beside the program. The archive stays where it is: the session reads it in
// place through the same opening.
void ReadPayload(uint64_t sealedEnd) {
    try {
        PayloadFile& exe = RunningExecutable();
        const PayloadLayout layout = LocatePayload(exe);
        CopyModule(exe, layout, workFolder + kModuleFileName);
        archiveOffset = ReadLanguagesAndSettings(exe, layout.languageBlocksOffset, sfxSettings);
        if (archiveOffset < sealedEnd) {
            volumeTable = ReadVolumeTable(exe, archiveOffset, sealedEnd - archiveOffset);
            archiveOffset = sealedEnd;
        }
        archiveEnd = ArchiveEnd(exe, archiveOffset);
    } catch (const PayloadError&) {
        StartupFailure();
    }
    if (!HasSettingsSignature(sfxSettings)) SignatureFailure();
}

// Before anything is written: the program's own file, held from now on, and
// in it the module, the language blocks, the settings block and a volume
// table as the builder sealed them. Returns where the sealed bytes end.
uint64_t CheckPayloadSeal() {
    try {
        OpenRunningExecutable();
    } catch (const PayloadError&) {
        StartupFailure();
    }
    try {
        PayloadFile& exe = RunningExecutable();
        return PeImageEnd(exe, 0) + VerifyPayloadSeal(exe).length;
    } catch (const PayloadError&) {
        DamagedFileFailure();
    }
}

// Every volume present and the one the program was built with, before
// anything is extracted; the program's own part, cut short, is a damaged
// download. A signature's padding after that part is none of the archive.
void CheckVolumeSet() {
    if (volumeTable.fingerprints.empty()) return;
    if (archiveEnd - archiveOffset < volumeTable.partSize) DamagedFileFailure();
    archiveEnd = archiveOffset + volumeTable.partSize;
    std::wstring failed;
    try {
        failed = OpenVolumeSet(volumeTable);
    } catch (const PayloadError&) {
        StartupFailure();
    }
    if (!failed.empty()) VolumeFailure(failed);
}

// Steps 1 to 5, which fail when the system has no usable temp folder or no
// work folder can be made in it.
void PrepareWorkFolder() {
    try {
        systemTempPath = SystemTempPath();
        CreateWorkFolder();
    } catch (const PayloadError&) {
        StartupFailure();
    }
}

// Step 12, which fails only when the system has no random source for
// "%temp-unique%".
void ExpandTheDestination() {
    try {
        destination = ExpandDestination(destination, RealSystemValues());
    } catch (const PayloadError&) {
        StartupFailure();
    }
}

// Steps 11 to 13: the destination stored in the ANSI code page of the
// builder's choice, by its mode, expanded, then the switches.
void ChooseDestinationAndSwitches() {
    const std::string stored = Utf8FromWide(WideFromAnsi(ReadSetting(sfxSettings.destination)));
    destination = FixDestination(sfxSettings.destinationMode, stored, CurrentDirectory(), systemTempPath);
    ExpandTheDestination();
    CommandLineChoices choices{destination, std::string()};
    ParseSwitches(ProcessArguments(), sfxSettings, choices);
    destination = choices.destination;
    runArguments = choices.runArguments;
}

}  // namespace

[[noreturn]] void szsfxmain2() {
    MarkPhase("main");
    RestrictDllSearch();                                              // before any library is loaded
    unattended = AsksForUnattended(ProcessArguments());               // before any box
    const uint64_t sealedEnd = CheckPayloadSeal();                    // before anything is written
    PrepareWorkFolder();                                              // steps 1 to 5
    currentLanguage = 1;                                              // step 6
    ReadPayload(sealedEnd);                                           // steps 7 to 9
    // The user's own language, where a block says which one it is.
    currentLanguage = ChooseLanguageRow(messageTable, languageBlockCount, GetUserDefaultUILanguage());
    ApplyDefaultTitle(sfxSettings);                                   // step 10
    ChooseDestinationAndSwitches();                                   // steps 11 to 13
    CheckVolumeSet();
    EndProcess(RunMainWindow());                                      // steps 14 to 16
}

// The first showing of Form1: the archive is opened where it lies in the
// executable and listed, and the window becomes ready.
#include "ArchiveListing.h"
#include "Controls.h"
#include "PayloadFile.h"
#include "Form1.h"
#include "Form1Layout.h"
#include "MessageBoxes.h"
#include "MessageTable.h"
#include "MessageText.h"
#include "PasswordEvent.h"
#include "PhaseMark.h"
#include "ProgramEnd.h"
#include "SevenZip.h"
#include "VolumeSet.h"

void TForm1::FirstShowing() {
    SetClientHeight(kClientHeightLoading);
    if (Handle) UpdateWindow(Handle);
    AimSessionAtArchive();
    session->DLLDir = workFolder;
    if (!session->OpenArchive()) {
        // Encrypted item names and a refused password: the user cancelled;
        // unattended, nobody could give one, which is a failure.
        if (passwordMemory.refused) EndProcess(unattended ? kExitFailure : kExitCancelled);
        ErrorBox(MessageText(38), kDefaultCaption);
        EndProcess(kExitFailure);
    }
    SendMessageW(ListFiles, LB_RESETCONTENT, 0, 0);
    // Each entry carries its item's index: a choice is of items, whatever
    // their names hold.
    for (const ListedItem& item : ListItems(*session)) {
        const LRESULT entry = SendMessageW(ListFiles, LB_ADDSTRING, 0, LPARAM(item.path.c_str()));
        if (entry >= 0) SendMessageW(ListFiles, LB_SETITEMDATA, WPARAM(entry), LPARAM(item.index));
    }
    // Every entry selected: the whole archive, unless the user deselects.
    SendMessageW(ListFiles, LB_SETSEL, TRUE, -1);
    SendMessageW(ListFiles, LB_SETTOPINDEX, 0, 0);
    ShowReady();
    MarkPhase("listed");
    if (sfxSettings.autoExtract == 1) Button2Click();
}

// The archive lies in the executable between the settings block (or the
// volume table) and the file's end or its signature, and goes on in the
// volumes beside it, if any. It is read there, through the openings that the
// start-up holds: no copy waits or fills the temp folder.
void TForm1::AimSessionAtArchive() {
    PayloadFile& exe = RunningExecutable();
    session->ArchiveParts = {{exe.Handle(), {archiveOffset, archiveEnd > archiveOffset ? archiveEnd - archiveOffset : 0}, {}}};
    for (const HeldVolume& volume : HeldVolumes())
        session->ArchiveParts.push_back({volume.file->Handle(), {0, volume.file->Size()}, volume.path});
}

void TForm1::ShowReady() {
    const bool listShown = sfxSettings.hideFileList == 0;
    SetVisible(ListFiles, listShown);
    SetVisible(LabelFiles, listShown);
    for (HWND control : {ListFiles, EditBox1, ButtonBrowse, Button2, Button3, Button4}) Enable(control, true);
    Focus(EditBox1);
    SetClientHeight(kClientHeightReady);
    SetDefaultButton(Button2);
}

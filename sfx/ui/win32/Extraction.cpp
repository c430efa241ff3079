// The extraction: a click on Button2, or the automatic start once the
// archive is listed.
#include <vector>

#include "Controls.h"
#include "ExtractionOutcome.h"
#include "FileChoice.h"
#include "Form1.h"
#include "FolderPaths.h"
#include "FolderWritable.h"
#include "MainWindowState.h"
#include "MessageBoxes.h"
#include "MessagePump.h"
#include "MessageTable.h"
#include "MessageText.h"
#include "OverwriteRules.h"
#include "PasswordEvent.h"
#include "PhaseMark.h"
#include "ProgramEnd.h"
#include "RunAfterExtract.h"
#include "SessionThread.h"
#include "SevenZip.h"
#include "SystemPath.h"

namespace {

constexpr int kMessagesBeforeExtraction = 100;

// The item index that each entry carries.
std::vector<uint32_t> ListedIndices(HWND list) {
    std::vector<uint32_t> indices;
    const LRESULT count = list ? SendMessageW(list, LB_GETCOUNT, 0, 0) : 0;
    for (LRESULT i = 0; i < count; ++i) indices.push_back(uint32_t(SendMessageW(list, LB_GETITEMDATA, WPARAM(i), 0)));
    return indices;
}

std::vector<bool> SelectedEntries(HWND list, size_t count) {
    std::vector<bool> selected(count);
    for (size_t i = 0; i < count; ++i) selected[i] = SendMessageW(list, LB_GETSEL, WPARAM(i), 0) > 0;
    return selected;
}

}  // namespace

bool TForm1::DestinationUsable(const std::wstring& destination) {
    if (destination.empty()) {
        InformationBox(MessageText(40), boxCaption);
        return false;
    }
    if ((!FolderExists(destination) && !CreateFolderTree(destination)) || !IsFolderWritable(destination)) {
        const DWORD error = GetLastError();
        InformationBox(MessageText(UnusableDestinationMessage(error, !Message(67).empty())), boxCaption);
        return false;
    }
    return true;
}

// With testFirst, the selected items are decoded and checked first, and
// nothing is written unless every one of them is sound. The module works on
// a thread of its own, on as many threads as it likes; the window keeps
// answering, and the session's events come to it on its own thread.
HRESULT TForm1::TestThenExtract() {
    TSessionThread worker(*session, [](MSG& msg) { return Form1 && Form1->TranslateDialogKeys(msg); });
    session->ModuleThreads = true;
    if (sfxSettings.testFirst) {
        const HRESULT tested = worker.Run([this] { return session->TestArchive(); });
        if (tested != S_OK || session->ErrorCount() != 0 || !extractActive) return tested;
        SetProgress(ProgressBar1, 0);
    }
    return worker.Run([this] { return session->ExtractArchive(); });
}

void TForm1::ShowExtracting() {
    SetDefaultButton(Button3);
    Focus(Button3);
    Enable(Button2, false);
    LabelLink.SetPlainLook();
    SetText(LabelLink.handle, std::wstring());
    SetVisible(LabelLink.handle, false);
    for (HWND control : {EditBox1, ButtonBrowse, Button4, GroupBox1, RadioBox1, RadioBox2, RadioBox3})
        Enable(control, false);
    SetProgress(ProgressBar1, 0);
    SetVisible(ProgressBar1, true);
}

void TForm1::Button2Click() {
    const std::wstring destination = TextOf(EditBox1);
    if (!DestinationUsable(destination)) {
        // Nobody is there to choose another folder.
        if (unattended) EndProcess(kExitFailure);
        return;
    }
    const std::vector<uint32_t> listed = ListedIndices(ListFiles);
    const FileChoice choice = ChooseFiles(listed, SelectedEntries(ListFiles, listed.size()));
    // Nothing selected would otherwise leave the choice empty, which means
    // the whole archive.
    if (choice.nothingChosen) {
        InformationBox(MessageText(42), boxCaption);
        return;
    }

    extractionRunning = true;
    ShowExtracting();
    AimSessionAtArchive();
    session->UseFolderNames = true;
    session->ExtractBaseDir = destination;
    session->DLLDir = workFolder;
    extractActive = true;
    overwriteChoice = ChoiceFromRadios(IsChecked(RadioBox1), IsChecked(RadioBox2));
    SetMessageText(LabelFiles, 22);
    if (Handle) RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DispatchPendingMessages(kMessagesBeforeExtraction);

    session->OpenArchive();  // listed once more; ExtractArchive opens it again itself
    session->ItemIndices = choice.items;
    // A Cancel during the dispatch above leaves nothing to extract.
    const HRESULT result = extractActive ? TestThenExtract() : S_OK;
    MarkPhase("extracted");
    if (overwriteCancelled) EndProcess(kExitCancelled);
    const bool cancelled = !extractActive;
    extractActive = false;

    const bool hasRunCommand = sfxSettings.runCommand[0] != 0;
    const ExtractionOutcome outcome =
        DecideOutcome(int32_t(result), session->ErrorCount(), cancelled, sfxSettings.showDoneMessage, hasRunCommand,
                      unattended && passwordMemory.refused);
    if (outcome.reportFailure) InformationBox(MessageText(42), boxCaption);
    if (outcome.reportDone) InformationBox(MessageText(47), kDefaultCaption);
    if (outcome.runCommand) RunAfterExtract(destination, session->WrittenFiles());
    exitCode = outcome.exitCode;
    extractionRunning = false;
    if (quitWhenExtractionEnds)
        PostQuitMessage(0);
    else
        RequestClose();
}

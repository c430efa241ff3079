// Drives the self-extractor's main window under Windows the way a user
// would: starts each self-extractor that drive_window.sh made, finds Form1
// and its controls, types, selects, clicks, answers the boxes, reads texts
// and checks what lands in the destination and how the process ends. Every
// program start is slow under an emulator, so the driver starts them all
// from one Windows process.
//   sfx_window_driver WORK LANGUAGE [SCREENSHOT_FOLDER]
// WORK: the folder with the programs (Windows path); LANGUAGE: the language
// text they were built with; RECORD_TO names the recorder's file.
#include <cstdio>
#include <set>

#include "BrowseScenarios.h"
#include "SfxWindow.h"

namespace {

// The window as listed: texts, list, choice and state; About, an empty and
// an unusable destination leave it ready; two deselected entries are not
// extracted.
void ListingAndSelection() {
    const std::string dest = Destination("listing");
    const std::set<std::string> before = WorkFolders();
    Sfx sfx("files", "-d " + dest);
    if (!sfx.WaitReady()) return;
    Screenshot("ready");
    // The archive is read where it lies: no copy of it in the work folder.
    for (const std::string& folder : WorkFolders())
        if (!before.count(folder))
            Check(FilesInWorkFolder(folder) == std::set<std::string>{"7Z.DLL"},
                  "listing: the work folder " + folder + " holds the module only");
    CheckText(TextOf(sfx.Form()), kTitle, "listing: the caption is the title");
    CheckText(sfx.Text(kLabelExtractToId), Message(21), "listing: LabelExtractTo shows message 21");
    CheckText(sfx.Text(kEditBox1Id), dest, "listing: EditBox1 holds the destination");
    Check(sfx.Text(kButton2Id) == Message(6) && sfx.Text(kButton3Id) == Message(7) && sfx.Text(kButton4Id) == Message(9),
          "listing: the buttons show messages 6, 7 and 9");
    CheckText(sfx.Text(kLabelLinkId), Message(23), "listing: LabelLink shows message 23");
    HWND list = sfx.Control(kListFilesId);
    const auto entries = ListEntries(list);
    const std::set<std::string> listed(entries.begin(), entries.end());
    Check(listed == std::set<std::string>{"a.txt", "b.txt", "docs", "docs\\c.txt", "docs\\d.txt"},
          "listing: ListFiles holds every item path");
    Check(SendMessageW(list, LB_GETSELCOUNT, 0, 0) == LRESULT(entries.size()), "listing: every entry is selected");
    Check(SendMessageW(sfx.Control(kRadioBox1Id), BM_GETCHECK, 0, 0) == BST_CHECKED, "listing: ask is checked");
    Check(IsDefaultButton(sfx.Control(kButton2Id)), "listing: Extract is the default button");
    Check(!IsWindowVisible(sfx.Control(kProgressBar1Id)), "listing: the progress bar is hidden");

    sfx.Press(kButton4Id);
    sfx.Answer(kTitle, Message(64), IDOK, "the About box");
    sfx.SetEditText("");
    sfx.Press(kButton2Id);
    sfx.Answer(kTitle, Message(40), IDOK, "message 40 for an empty destination");
    sfx.SetEditText(dest + "\\bad|name");
    sfx.Press(kButton2Id);
    sfx.Answer(kTitle, Message(41), IDOK, "message 41 for a destination that cannot be created");
    Check(IsWindowEnabled(sfx.Control(kButton2Id)) && IsWindowVisible(sfx.Form()), "listing: the window stays ready");

    for (const char* entry : {"b.txt", "docs\\d.txt"})
        SendMessageW(list, LB_SETSEL, FALSE, LPARAM(EntryIndex(list, entry)));
    sfx.SetEditText(dest);
    sfx.Press(kButton2Id);
    sfx.ExpectExit(kExitSuccess);
    Check(Exists(dest + "\\a.txt") && Exists(dest + "\\docs\\c.txt"), "listing: the selected entries are extracted");
    Check(!Exists(dest + "\\b.txt") && !Exists(dest + "\\docs\\d.txt"), "listing: the deselected entries are not");
}

// Ask: Yes replaces the old file, No keeps it; the label names the file
// that is being extracted.
void AskYesNo() {
    const std::string dest = Destination("ask");
    CreateDirectoryA(dest.c_str(), nullptr);
    WriteFile(dest + "\\a.txt", "old a");
    WriteFile(dest + "\\b.txt", "old b");
    Sfx sfx("files", "-d " + dest);
    if (!sfx.WaitReady()) return;
    sfx.Press(kButton2Id);
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindWindowA("#32770", kFixedCaption)); });
    Screenshot("question");
    // The label takes the name from a posted message, which the question's
    // own message loop may dispatch just after the question appears.
    const std::string expected = Message(46) + " " + dest + "\\a.txt";
    WaitUntil([&] { return sfx.Text(kLabelFilesId) == expected; });
    CheckText(sfx.Text(kLabelFilesId), expected, "ask: LabelFiles names the file");
    Check(!IsWindowEnabled(sfx.Control(kButton2Id)) && IsDefaultButton(sfx.Control(kButton3Id)) &&
              IsWindowVisible(sfx.Control(kProgressBar1Id)) && !IsWindowVisible(sfx.Control(kLabelLinkId)),
          "ask: the window is extracting");
    sfx.Answer(kFixedCaption, dest + "\\a.txt\r" + Message(37), IDYES, "the question for a.txt");
    sfx.Answer(kFixedCaption, dest + "\\b.txt\r" + Message(37), IDNO, "the question for b.txt");
    sfx.ExpectExit(kExitSuccess);
    Check(ReadFile(dest + "\\a.txt") == "new a\n", "ask: Yes replaced a.txt");
    Check(ReadFile(dest + "\\b.txt") == "old b", "ask: No kept b.txt");
}

// Cancel at the question ends the process at once, with exit code 2.
void AskCancel() {
    const std::string dest = Destination("askcancel");
    CreateDirectoryA(dest.c_str(), nullptr);
    WriteFile(dest + "\\a.txt", "old a");
    Sfx sfx("files-run", "-d " + dest);
    if (!sfx.WaitReady()) return;
    sfx.Press(kButton2Id);
    sfx.Answer(kFixedCaption, dest + "\\a.txt\r" + Message(37), IDCANCEL, "the question for a.txt");
    sfx.ExpectExit(kExitCancelled);
    Check(ReadFile(dest + "\\a.txt") == "old a", "askcancel: a.txt is kept");
}

// Cancel while the extraction runs closes the window with ExtractArchive
// still on the stack; the run still ends in order, with exit code 2. It
// comes while the big file is being written over the user's own one, which
// stays as it was.
void CancelDuringExtraction() {
    const std::string dest = Destination("cancel");
    CreateDirectoryA(dest.c_str(), nullptr);
    const OldFile old = PlantOldFile(dest + "\\noise.bin", "the user's own noise\n");
    const std::set<std::string> before = WorkFolders();
    Sfx sfx("big-run", "-o -d " + dest);
    // Listing a big archive may take long enough to look at the loading
    // window, as long as it is still loading after the look.
    if (sfx.WaitLoading()) {
        const bool cancelOnly = IsWindowEnabled(sfx.Control(kButton3Id)) &&
                                !IsWindowEnabled(sfx.Control(kEditBox1Id)) && !IsWindowEnabled(sfx.Control(kListFilesId));
        const auto entries = ListEntries(sfx.Control(kListFilesId));
        if (!IsWindowEnabled(sfx.Control(kButton2Id))) {
            Check(cancelOnly, "cancel: while loading only Cancel is enabled");
            Check(entries == std::vector<std::string>{Message(4)},
                  "cancel: while loading the list shows message 4 (" + (entries.empty() ? "" : entries[0]) + ")");
            Screenshot("loading");
        }
    }
    if (!sfx.WaitReady()) return;
    sfx.Press(kButton2Id);
    const bool extracting = WaitUntil([&] { return IsWindowVisible(sfx.Control(kProgressBar1Id)) != FALSE; });
    Check(extracting, "cancel: the progress bar shows");
    Screenshot("extracting");
    Check(!IsWindowEnabled(sfx.Control(kEditBox1Id)) && !IsWindowEnabled(sfx.Control(kButton4Id)) &&
              !IsWindowEnabled(sfx.Control(kRadioBox1Id)),
          "cancel: the destination, About and the overwrite choice are disabled");
    Check(WaitUntil([&] { return Exists(dest + "\\~BRSFX1.TMP"); }),
          "cancel: the big file is written under a replacement name beside the old one");
    sfx.Press(kButton3Id);
    sfx.ExpectExit(kExitCancelled);
    // The module's threads were stopped and the module unloaded, or its
    // file could not have gone.
    CheckNoWorkFolderLeft(before, "cancel");
    CheckUnchanged(old, "cancel");
    CheckNoReplacementLeft(dest, "cancel");
}

// Automatic start: the completion box, then the run command in the
// destination.
void DoneMessage(const std::string& recorded) {
    const std::string dest = Destination("done");
    Sfx sfx("done-run", "-d " + dest);
    sfx.Answer(kFixedCaption, Message(47), IDOK, "message 47");
    sfx.ExpectExit(kExitSuccess);
    Check(Exists(dest + "\\a.txt") && Exists(dest + "\\docs\\d.txt"), "done: every item is extracted");
    // The shell starts the program on its own time.
    Check(WaitUntil([&] { return Recorded(recorded).find(dest + "|") != std::string::npos; }),
          "done: the run command runs in the destination");
}

// Checked last, when a recorder started by them would long have written.
void NoRunAfterCancel(const std::string& recorded) {
    for (const char* name : {"askcancel", "cancel"})
        Check(Recorded(recorded).find(Destination(name)) == std::string::npos,
              std::string(name) + ": the run command does not run after a cancel");
}

// Failed items: message 42 with the title, exit code 1.
void FailedItems(const std::string& name) {
    Sfx sfx(name, "-a -d " + Destination(name));
    sfx.Answer(kFixedCaption, Message(42), IDOK, "message 42");
    sfx.ExpectExit(kExitFailure);
}

// A choice is of items, not of patterns: the items named "*" and "b?.txt",
// chosen without the others, take none along. Their names cannot be written
// on Windows, so the run reports failed items.
void NamesAreNotPatterns() {
    const std::string dest = Destination("wild");
    Sfx sfx("wild", "-d " + dest);
    if (!sfx.WaitReady()) return;
    HWND list = sfx.Control(kListFilesId);
    for (const char* entry : {"a.txt", "b1.txt"}) SendMessageW(list, LB_SETSEL, FALSE, LPARAM(EntryIndex(list, entry)));
    sfx.Press(kButton2Id);
    sfx.Answer(kFixedCaption, Message(42), IDOK, "message 42 for the items that cannot be written");
    sfx.ExpectExit(kExitFailure);
    Check(!Exists(dest + "\\a.txt") && !Exists(dest + "\\b1.txt"), "wild: the items not chosen are not extracted");
}

// Automatic start into a folder that cannot be used: the message that says
// why, the window stays ready, and its close box cancels.
void AutoUnusableThenClose(const std::string& destination, int message) {
    Sfx sfx("files", "-a -d " + destination);
    sfx.Answer(kTitle, Message(message), IDOK, "message " + std::to_string(message));
    if (!sfx.WaitReady()) return;
    PostMessageA(sfx.Form(), WM_SYSCOMMAND, SC_CLOSE, 0);
    sfx.ExpectExit(kExitCancelled);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: sfx_window_driver WORK LANGUAGE [SCREENSHOT_FOLDER]\n");
        return 2;
    }
    SetWork(argv[1]);
    LoadMessages(argv[2]);
    if (argc == 4) SetScreenshotFolder(argv[3]);
    char recordTo[MAX_PATH] = {};
    GetEnvironmentVariableA("RECORD_TO", recordTo, MAX_PATH);
    CreateDirectoryA((Work() + "\\out").c_str(), nullptr);

    ListingAndSelection();
    if (!SmokeOnly()) {
        AskYesNo();
        AskCancel();
        CancelDuringExtraction();
        DoneMessage(recordTo);
        FailedItems("damaged");
        NamesAreNotPatterns();
        AutoUnusableThenClose(Destination("auto") + "\\bad|name", 41);
        // A folder in which access is denied: what to do about it.
        char locked[MAX_PATH] = {};
        if (GetEnvironmentVariableA("LOCKED_FOLDER", locked, MAX_PATH))
            AutoUnusableThenClose(std::string(locked) + "\\sub", 67);
        else
            std::printf("skipped: no folder that denies access\n");
        FolderBrowser();
        NoRunAfterCancel(recordTo);
    }
    std::printf("%d failed\n", FailureCount());
    return FailureCount() == 0 ? 0 : 1;
}

// What the window drivers share: the self-extractor as a user sees it,
// the language's messages, files in the test's folder and the list box.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "Form1Ids.h"
#include "UiSteps.h"

inline constexpr char kFixedCaption[] = "Brindlepacker SFX";
inline constexpr char kTitle[] = "Window test";
inline constexpr DWORD kExitSuccess = 0, kExitFailure = 1, kExitCancelled = 2;

// The folder with the programs (a Windows path) and the language's texts,
// set once by the driver's main.
void SetWork(const std::string& folder);
const std::string& Work();
void LoadMessages(const char* languagePath);
std::string Message(int k);
std::string Destination(const std::string& name);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
std::string Recorded(const std::string& path);
bool Exists(const std::string& path);
void CheckText(const std::string& got, const std::string& expected, const std::string& what);

// A file of the user's where an item will land, with a content, a time
// (2001) and attributes (hidden) of its own, to find out whether a run that
// was to replace it left it exactly as it was.
struct OldFile {
    std::string path, content;
    WIN32_FILE_ATTRIBUTE_DATA data;
};
OldFile PlantOldFile(const std::string& path, const std::string& content);
void CheckUnchanged(const OldFile& old, const std::string& what);
// No name under which a replacement is written (~BRSFX*.TMP) is left in folder.
void CheckNoReplacementLeft(const std::string& folder, const std::string& what);

// The names in the temp folder's work folders (_BRSFX*), and the files in
// one of them.
std::set<std::string> WorkFolders();
std::set<std::string> FilesInWorkFolder(const std::string& name);
// No work folder but those in before is left.
void CheckNoWorkFolderLeft(const std::set<std::string>& before, const std::string& what);

std::vector<std::string> ListEntries(HWND list);
int EntryIndex(HWND list, const std::string& entry);
bool IsDefaultButton(HWND button);

// One self-extractor as the user sees it.
class Sfx {
public:
    Sfx(const std::string& name, const std::string& arguments) : name_(name) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string line = "\"" + Work() + "\\" + name + ".exe\" " + arguments;
        started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, Work().c_str(), &startup,
                                  &process_) != FALSE;
        Check(started_, name_ + ": started");
    }
    ~Sfx() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    // Form1 while the archive is still opened and listed: only Cancel works.
    bool WaitLoading() {
        const bool loading = started_ && WaitUntil([&] {
            return (form_ = FindProcessWindow(process_.dwProcessId, "TForm1")) != nullptr;
        }) && !IsWindowEnabled(Control(kButton2Id));
        return loading;
    }
    // Form1, once the archive is listed and Extract can be pressed.
    bool WaitReady() {
        const bool ready = started_ && WaitUntil([&] {
            form_ = FindProcessWindow(process_.dwProcessId, "TForm1");
            return form_ && IsWindowEnabled(Control(kButton2Id));
        });
        Check(ready, name_ + ": the window becomes ready");
        return ready;
    }
    HWND Form() const { return form_; }
    DWORD ProcessId() const { return process_.dwProcessId; }
    HWND Control(int id) const { return GetDlgItem(form_, id); }
    std::string Text(int id) const { return TextOf(Control(id)); }
    void SetEditText(const std::string& text) {
        SendMessageA(Control(kEditBox1Id), WM_SETTEXT, 0, LPARAM(text.c_str()));
    }
    // A click whose handler may open a box: queued, not sent.
    void Press(int id) { PostMessageA(form_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(Control(id))); }

    // The next message box: checks its caption and text, then presses button.
    void Answer(const std::string& caption, const std::string& text, int button, const std::string& what) {
        HWND box = nullptr;
        const bool shown = started_ && WaitUntil([&] { return (box = FindProcessWindow(process_.dwProcessId, "#32770")); });
        Check(shown, name_ + ": " + what + " is shown");
        if (!shown) return;
        CheckText(TextOf(box), caption, name_ + ": " + what + " has its caption");
        CheckText(MessageBoxText(box), text, name_ + ": " + what + " has its text");
        Check(PressBoxButton(box, button), name_ + ": " + what + " is answered");
    }

    void ExpectExit(DWORD expected) {
        const bool ended = started_ && WaitUntil([&] { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; });
        DWORD code = 99;
        if (ended) GetExitCodeProcess(process_.hProcess, &code);
        Check(ended && code == expected,
              name_ + ": ends with exit code " + std::to_string(expected) + " (" + std::to_string(code) + ")");
    }

private:
    std::string name_;
    bool started_ = false;
    PROCESS_INFORMATION process_{};
    HWND form_ = nullptr;
};

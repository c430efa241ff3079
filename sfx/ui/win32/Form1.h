// Form1, the self-extractor's main window: it opens the archive where it
// lies in the executable, lists its items, lets the user choose the destination, the
// items and the overwrite policy, and runs the extraction through the
// archive session on the user-interface thread, answering the session's
// events. The object outlives its window: a Cancel may close the window
// while the extraction is still on the stack, and the code that runs after
// it finds null control handles instead of stale ones.
#pragma once

#include <windows.h>

#include <set>
#include <string>

#include "FormWindow.h"
#include "LinkLabel.h"
#include "StartupState.h"

class TSevenZip;

class TForm1 {
public:
    // The window, its controls and the session (set-up steps 1 to 10);
    // false when the window cannot be made.
    bool Create();
    void Show();
    // Keyboard navigation among the controls, Enter and Escape; true when
    // msg was used for it.
    bool TranslateDialogKeys(MSG& msg);
    int ExitCode() const { return exitCode; }

    HWND Handle = nullptr;
    HWND ImageShow1 = nullptr;
    HWND LabelExtractTo = nullptr;
    HWND EditBox1 = nullptr;
    HWND ButtonBrowse = nullptr;
    HWND Button2 = nullptr;
    HWND Button3 = nullptr;
    HWND Button4 = nullptr;
    HWND LabelFiles = nullptr;
    HWND ListFiles = nullptr;
    HWND GroupBox1 = nullptr;
    HWND RadioBox1 = nullptr;
    HWND RadioBox2 = nullptr;
    HWND RadioBox3 = nullptr;
    HWND ProgressBar1 = nullptr;
    TLinkLabel LabelLink;

    // Created once with the window; never destroyed before the process ends.
    TSevenZip* session = nullptr;
    std::wstring boxCaption;  // title, the caption of most boxes
    HFONT font = nullptr;

private:
    friend LRESULT CALLBACK FormWindowProc<TForm1>(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void HandleCommand(int id, int notification);
    void SetUp();
    void AttachSessionEvents();

    void FirstShowing();
    void ShowReady();
    void AimSessionAtArchive();
    void Button2Click();
    bool DestinationUsable(const std::wstring& destination);
    void ShowExtracting();
    void Button3Click();
    void Button4Click();
    void ButtonBrowseClick();
    void ProgressEvent(uint8_t totalProgress, bool& cancel);
    void BeginEvent(const std::wstring& destinationFileName, bool& replace);
    HRESULT TestThenExtract();
    bool AskOverwrite(const std::wstring& destinationFileName);
    bool BeginFileMessage(LPARAM lParam);

    void SetClientHeight(int height);
    void SetDefaultButton(HWND button);
    void RequestClose();
    void WindowGone();

    HWND defaultButton = nullptr;
    bool firstShowingDone = false;
    bool closeRequested = false;
    bool extractionRunning = false;  // ExtractArchive may be on the stack
    bool quitWhenExtractionEnds = false;
    bool overwriteCancelled = false;
    int exitCode = kExitCancelled;
    HWND focusWhenInactive = nullptr;
    std::set<std::wstring*> postedNames;  // WM_SFX_BEGINFILE copies not yet received
};

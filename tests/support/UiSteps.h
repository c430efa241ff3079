// What a user does to a window, done from a second thread while the host's
// thread runs the plug-in's modal dialog: find it, click, type, press
// commands, wait for it to close; and what the checks need to see of it.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>

// Prints the check and remembers a failure.
void Check(bool ok, const std::string& what);
int FailureCount();

// Polls until ready() holds or the patience runs out; false then.
bool WaitUntil(const std::function<bool()>& ready);
// A top-level dialog with this caption, owned by owner when owner is given.
HWND WaitForDialog(const char* caption, HWND owner = nullptr);
bool WaitUntilGone(HWND window);

// A click of the left button at a client position of the window, with the
// keys that the press reports held (MK_SHIFT, MK_CONTROL).
void Click(HWND window, POINT at, WPARAM keys = 0);
// A key pressed and released, as the keyboard queues it.
void PressKey(HWND window, UINT key);
// A key handled at once by the window (a control's own keyboard handling).
void SendKey(HWND window, UINT key);
void Command(HWND window, int id, int notification = 0);
// The same, queued: the receiver may open a modal box of its own.
void PostCommand(HWND window, int id);
// Dismisses a message box with this caption; false when none appeared.
bool AnswerMessageBox(const char* caption);

// The windows of another process: a visible top-level window of this class
// (a message box is "#32770"), its text, and a message box's own text.
HWND FindProcessWindow(DWORD processId, const char* className);
// A question to a window of another process, answered within
// kAnswerPatienceMs or taken as 0: a message Wine loses between processes
// then costs the waiting loop a round instead of the test its end.
constexpr UINT kAnswerPatienceMs = 2000;
LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
std::string TextOf(HWND window);  // UTF-8
std::wstring WideTextOf(HWND window);
std::string MessageBoxText(HWND box);
// Presses a message box's button (IDOK, IDYES, IDNO, IDCANCEL) and waits for
// the box to go; false when it has no such button or stays.
bool PressBoxButton(HWND box, int button);

// A control's rectangle in its dialog's client coordinates.
RECT ControlRect(HWND dialog, int id);
COLORREF PixelAt(HWND window, POINT at);

// Screenshots are taken by whoever watches the folder: the driver asks for
// NAME.png by creating NAME.request and waits until it is gone. Without a
// folder nothing is taken.
void SetScreenshotFolder(const std::filesystem::path& folder);
void Screenshot(const std::string& name);

// Whether the test runs as its smoke twin (WINE_SMOKE set): its first
// scenario alone.
bool SmokeOnly();

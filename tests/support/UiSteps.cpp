#include "UiSteps.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <thread>

namespace {

// Generous: under an emulator a Windows program takes a minute to start.
constexpr auto kPatience = std::chrono::seconds(180);
int failures = 0;
std::filesystem::path screenshots;

}  // namespace

void Check(bool ok, const std::string& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what.c_str());
    std::fflush(stdout);
    failures += !ok;
}

int FailureCount() { return failures; }

bool WaitUntil(const std::function<bool()>& ready) {
    const auto end = std::chrono::steady_clock::now() + kPatience;
    while (!ready()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

HWND WaitForDialog(const char* caption, HWND owner) {
    HWND found = nullptr;
    WaitUntil([&] {
        found = FindWindowA("#32770", caption);
        if (found && owner && GetWindow(found, GW_OWNER) != owner) found = nullptr;
        return found && IsWindowVisible(found);
    });
    return found;
}

bool WaitUntilGone(HWND window) {
    return WaitUntil([&] { return !IsWindow(window); });
}

void Click(HWND window, POINT at, WPARAM keys) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON | keys, where);
    SendMessageA(window, WM_LBUTTONUP, keys, where);
}

void PressKey(HWND window, UINT key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, LPARAM(0xC0000001));
}

void SendKey(HWND window, UINT key) {
    SendMessageA(window, WM_KEYDOWN, key, 1);
    SendMessageA(window, WM_KEYUP, key, LPARAM(0xC0000001));
}

void Command(HWND window, int id, int notification) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, notification), 0);
}

void PostCommand(HWND window, int id) { PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

bool AnswerMessageBox(const char* caption) {
    HWND box = WaitForDialog(caption);
    if (!box) return false;
    PostCommand(box, IDOK);
    return WaitUntilGone(box);
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK TestWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner != search.processId || std::strcmp(className, search.className) != 0 || !IsWindowVisible(window))
        return TRUE;
    search.found = window;
    return FALSE;
}

constexpr int kMessageBoxTextId = 0xFFFF;

}  // namespace

HWND FindProcessWindow(DWORD processId, const char* className) {
    WindowSearch search{processId, className, nullptr};
    EnumWindows(TestWindow, LPARAM(&search));
    return search.found;
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerPatienceMs, &answer)) return 0;
    return LRESULT(answer);
}

// The text is read again while its length changed between the two
// messages: a window of another process may set it in between.
std::wstring WideTextOf(HWND window) {
    std::wstring text;
    for (int attempt = 0; window && attempt < 5; ++attempt) {
        const int length = int(Ask(window, WM_GETTEXTLENGTH, 0, 0));
        if (length <= 0) return std::wstring();
        text.assign(size_t(length) + 1, L'\0');
        const int got = int(Ask(window, WM_GETTEXT, WPARAM(text.size()), LPARAM(text.data())));
        text.resize(size_t(got > 0 ? got : 0));
        if (int(Ask(window, WM_GETTEXTLENGTH, 0, 0)) == length) break;
    }
    return text;
}

std::string TextOf(HWND window) {
    const std::wstring text = WideTextOf(window);
    std::string out(size_t(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr)),
                    '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), int(out.size()), nullptr, nullptr);
    return out;
}

std::string MessageBoxText(HWND box) { return TextOf(GetDlgItem(box, kMessageBoxTextId)); }

bool PressBoxButton(HWND box, int button) {
    HWND control = GetDlgItem(box, button);
    if (!control) return false;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), LPARAM(control));
    return WaitUntilGone(box);
}

RECT ControlRect(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

COLORREF PixelAt(HWND window, POINT at) {
    UpdateWindow(window);
    HDC dc = GetDC(window);
    const COLORREF c = dc ? GetPixel(dc, at.x, at.y) : CLR_INVALID;
    if (dc) ReleaseDC(window, dc);
    return c;
}

void SetScreenshotFolder(const std::filesystem::path& folder) { screenshots = folder; }

void Screenshot(const std::string& name) {
    if (screenshots.empty()) return;
    const std::filesystem::path request = screenshots / (name + ".request");
    std::ofstream(request).put('\n');
    Check(WaitUntil([&] { return !std::filesystem::exists(request); }), "screenshot " + name + " taken");
}

bool SmokeOnly() { return GetEnvironmentVariableA("WINE_SMOKE", nullptr, 0) > 0; }

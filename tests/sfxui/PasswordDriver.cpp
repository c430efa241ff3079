// Drives the self-extractor's password window under Windows the way a user
// would: starts the encrypted self-extractors that drive_password.sh made,
// waits for Form2, reads its caption and look, types, accepts or refuses,
// and checks what lands in the destination, which boxes come, how the
// process ends and that its work folder is gone. Every program start is
// slow under an emulator, so one Windows process runs every scenario.
//   sfx_password_driver WORK LANGUAGE PASSWORD [SCREENSHOT_FOLDER]
// WORK: the folder with the programs (Windows path); LANGUAGE: the language
// text they were built with.
#include <cstdio>
#include <set>

#include "Form2Ids.h"
#include "SfxWindow.h"

namespace {

// The files of both archives, each packed on its own, so that every file
// needs the password again; the first one is extracted first.
const std::vector<std::pair<std::string, std::string>> kFiles = {
    {"a.txt", "first file\n"}, {"b.txt", "second file\n"}, {"c.txt", "third file\n"}};

std::string password;

// The caption that the English message 51, "Please enter the password for
// %s", gives a request that comes before any file has started: the module
// asks for the password of packed data before it starts the data's first
// file, and the listing of encrypted item names comes before every file.
constexpr char kCaptionWithoutName[] = "Please enter the password  ";

// Form2 of the self-extractor whose main window is form1, hidden or not.
HWND PasswordWindow(HWND form1) {
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "TForm2", nullptr)) != nullptr;)
        if (GetWindow(window, GW_OWNER) == form1) return window;
    return nullptr;
}

HWND WaitForPrompt(Sfx& sfx, const std::string& what) {
    HWND prompt = nullptr;
    const bool shown = WaitUntil([&] {
        prompt = PasswordWindow(sfx.Form());
        return prompt && IsWindowVisible(prompt);
    });
    Check(shown, what + ": the password window is shown");
    return shown ? prompt : nullptr;
}

// Types text into EditBox1 one character at a time, as the keyboard would.
// The keys and clicks that follow are queued behind the characters.
void Type(HWND prompt, const std::string& text) {
    HWND box = GetDlgItem(prompt, kForm2EditBox1Id);
    for (char c : text) PostMessageA(box, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
}

void PressButton(HWND prompt, int id) { PostMessageA(GetDlgItem(prompt, id), BM_CLICK, 0, 0); }

// The window as the design draws it, while it is shown over Form1.
void CheckLook(HWND prompt, HWND form1) {
    RECT client{}, outer{};
    GetClientRect(prompt, &client);
    GetWindowRect(prompt, &outer);
    Check(client.right == 280 && client.bottom == 71,
          "look: the client area is 280 x 71 (" + std::to_string(client.right) + " x " +
              std::to_string(client.bottom) + ")");
    const int dx = (outer.left + outer.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2;
    const int dy = (outer.top + outer.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2;
    Check(dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1, "look: the window is centred on the screen");
    const LONG style = GetWindowLongA(prompt, GWL_STYLE), exStyle = GetWindowLongA(prompt, GWL_EXSTYLE);
    Check(!(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) && (exStyle & WS_EX_DLGMODALFRAME),
          "look: a dialog frame, not resizable, no minimise or maximise box");
    Check(GetWindow(prompt, GW_OWNER) == form1 && !IsWindowEnabled(form1), "look: Form1 owns it and is disabled");
    CheckText(TextOf(GetDlgItem(prompt, kForm2Button1Id)), Message(10), "look: Button1 shows message 10");
    CheckText(TextOf(GetDlgItem(prompt, kForm2Button2Id)), Message(7), "look: Button2 shows message 7");
    CheckText(TextOf(GetDlgItem(prompt, kForm2Label1Id)), "", "look: Label1 is empty");
    Check(IsDefaultButton(GetDlgItem(prompt, kForm2Button1Id)), "look: Button1 is the default button");
    HWND box = GetDlgItem(prompt, kForm2EditBox1Id);
    Check((GetWindowLongA(box, GWL_STYLE) & ES_PASSWORD) && SendMessageA(box, EM_GETPASSWORDCHAR, 0, 0) != 0,
          "look: EditBox1 masks what is typed");
}

void CheckExtracted(const std::string& dest, const std::string& what) {
    for (const auto& [name, content] : kFiles)
        Check(ReadFile(dest + "\\" + name) == content, what + ": " + name + " is extracted with its content");
}

// After the password is accepted: no second prompt however many files
// need it, Form1 enabled again, then the completion box.
void ExpectDoneWithoutSecondPrompt(Sfx& sfx, HWND prompt, const std::string& what) {
    Check(WaitUntil([&] { return !IsWindowVisible(prompt); }), what + ": the password window closes");
    WaitUntil([&] { return IsWindowVisible(prompt) || FindWindowA("#32770", kFixedCaption) != nullptr; });
    Check(!IsWindowVisible(prompt), what + ": the password is asked once");
    Check(IsWindowEnabled(sfx.Form()) != FALSE, what + ": Form1 is enabled again");
    sfx.Answer(kFixedCaption, Message(47), IDOK, what + ": message 47");
    sfx.ExpectExit(kExitSuccess);
}

// Encrypted data: the prompt comes before the first file; Enter accepts
// the right password and every file is extracted.
void RightPassword() {
    const std::set<std::string> before = WorkFolders();
    const std::string dest = Destination("right");
    Sfx sfx("data", "-d " + dest);
    if (!sfx.WaitReady()) return;
    sfx.Press(kButton2Id);
    HWND prompt = WaitForPrompt(sfx, "right");
    if (!prompt) return;
    CheckText(TextOf(prompt), kCaptionWithoutName, "right: the caption names no file");
    CheckLook(prompt, sfx.Form());
    Type(prompt, password);
    Screenshot("password");
    PressKey(GetDlgItem(prompt, kForm2EditBox1Id), VK_RETURN);
    ExpectDoneWithoutSecondPrompt(sfx, prompt, "right");
    CheckExtracted(dest, "right");
    CheckNoWorkFolderLeft(before, "right");
}

// A wrong password, accepted with a typed carriage return: the files fail,
// message 42, exit code 1. Nothing decoded with it stays, and the user's
// own a.txt that the run was to overwrite is kept as it was.
void WrongPassword() {
    const std::set<std::string> before = WorkFolders();
    const std::string dest = Destination("wrong");
    CreateDirectoryA(dest.c_str(), nullptr);
    const OldFile old = PlantOldFile(dest + "\\a.txt", "the user's own a\n");
    Sfx sfx("data", "-o -d " + dest);
    if (!sfx.WaitReady()) return;
    sfx.Press(kButton2Id);
    HWND prompt = WaitForPrompt(sfx, "wrong");
    if (!prompt) return;
    Type(prompt, password + "x");
    PostMessageA(GetDlgItem(prompt, kForm2EditBox1Id), WM_CHAR, '\r', 1);
    sfx.Answer(kTitle, Message(42), IDOK, "wrong: message 42");
    sfx.ExpectExit(kExitFailure);
    CheckUnchanged(old, "wrong");
    for (const char* name : {"b.txt", "c.txt"})
        Check(!Exists(dest + "\\" + name), std::string("wrong: ") + name + " decoded with it leaves no file");
    CheckNoReplacementLeft(dest, "wrong");
    CheckNoWorkFolderLeft(before, "wrong");
}

// Escape and Button2 refuse: the run is cancelled with exit code 2 and
// neither message 42 nor message 47 (the process would wait for the box).
void Refused(const std::string& what, const std::function<void(HWND prompt)>& refuse) {
    const std::set<std::string> before = WorkFolders();
    const std::string dest = Destination(what);
    Sfx sfx("data", "-d " + dest);
    if (!sfx.WaitReady()) return;
    sfx.Press(kButton2Id);
    HWND prompt = WaitForPrompt(sfx, what);
    if (!prompt) return;
    Type(prompt, password);
    refuse(prompt);
    sfx.ExpectExit(kExitCancelled);
    for (const auto& [name, content] : kFiles)
        Check(ReadFile(dest + "\\" + name) != content, what + ": " + name + " is not extracted");
    CheckNoWorkFolderLeft(before, what);
}

// Encrypted item names: the first request comes while the archive is
// listed, before any file, so the caption names none; the password
// accepted there answers the extraction's requests too.
void HeadersRightPassword() {
    const std::set<std::string> before = WorkFolders();
    const std::string dest = Destination("headers");
    Sfx sfx("headers", "-d " + dest);
    sfx.WaitLoading();
    HWND prompt = WaitForPrompt(sfx, "headers");
    if (!prompt) return;
    CheckText(TextOf(prompt), kCaptionWithoutName, "headers: the caption names no file");
    Check(!IsWindowEnabled(sfx.Control(kButton2Id)), "headers: the prompt comes while the archive is listed");
    Type(prompt, password);
    PressButton(prompt, kForm2Button1Id);
    if (!sfx.WaitReady()) return;
    std::vector<std::string> names;
    for (const auto& file : kFiles) names.push_back(file.first);
    Check(ListEntries(sfx.Control(kListFilesId)) == names, "headers: ListFiles holds every item path");
    sfx.Press(kButton2Id);
    ExpectDoneWithoutSecondPrompt(sfx, prompt, "headers");
    CheckExtracted(dest, "headers");
    CheckNoWorkFolderLeft(before, "headers");
}

// Accepting an empty box during the listing refuses: the run ends as
// cancelled, without message 38, and leaves nothing behind.
void HeadersEmptyAccept() {
    const std::set<std::string> before = WorkFolders();
    Sfx sfx("headers", "-d " + Destination("headers-empty"));
    sfx.WaitLoading();
    HWND prompt = WaitForPrompt(sfx, "headers-empty");
    if (!prompt) return;
    PressButton(prompt, kForm2Button1Id);
    sfx.ExpectExit(kExitCancelled);
    CheckNoWorkFolderLeft(before, "headers-empty");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr, "usage: sfx_password_driver WORK LANGUAGE PASSWORD [SCREENSHOT_FOLDER]\n");
        return 2;
    }
    SetWork(argv[1]);
    LoadMessages(argv[2]);
    password = argv[3];
    if (argc == 5) SetScreenshotFolder(argv[4]);
    CreateDirectoryA((Work() + "\\out").c_str(), nullptr);

    RightPassword();
    if (!SmokeOnly()) {
        WrongPassword();
        Refused("escape", [](HWND prompt) { PressKey(GetDlgItem(prompt, kForm2EditBox1Id), VK_ESCAPE); });
        Refused("button2", [](HWND prompt) { PressButton(prompt, kForm2Button2Id); });
        HeadersRightPassword();
        HeadersEmptyAccept();
    }
    std::printf("%d failed\n", FailureCount());
    return FailureCount() == 0 ? 0 : 1;
}

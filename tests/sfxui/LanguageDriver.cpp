// The self-extractor in the user's language, under Windows: starts one
// encrypted self-extractor (under the locale its caller set) once per DPI
// asked for, and in its password window and then its main window compares
// every caption that comes from the language blocks with the language text
// expected, read as UTF-16 and so independent of the system's code page,
// and checks that every control shows its text whole; then closes it.
//   sfx_language_driver WORK NAME LANGUAGE PASSWORD DPI[,DPI...] [SCREENSHOT_FOLDER]
// WORK: the folder with NAME.exe (a Windows path); LANGUAGE: the text whose
// captions the windows must show. Each DPI is set as the user's display
// setting for the self-extractor's start (Wine reads it per process) and
// set back afterwards. With a folder, NAME-DPI.png shows the ready window.
#include <cstdio>
#include <sstream>

#include "Form2Ids.h"
#include "SfxWindow.h"
#include "TextFitCheck.h"

namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kLogPixels[] = "LogPixels";

// The user's DPI setting; 0 when there is none.
DWORD ReadLogPixels() {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return 0;
    return value;
}

bool WriteLogPixels(DWORD dpi) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const bool written = dpi ? RegSetValueExA(key, kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                                              sizeof dpi) == ERROR_SUCCESS
                             : RegDeleteValueA(key, kLogPixels) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

// The user's DPI setting for as long as the object lives.
class DpiSetting {
public:
    explicit DpiSetting(int dpi) : before_(ReadLogPixels()) { Check(WriteLogPixels(DWORD(dpi)), "DPI set to " + std::to_string(dpi)); }
    ~DpiSetting() { WriteLogPixels(before_); }
    DpiSetting(const DpiSetting&) = delete;
    DpiSetting& operator=(const DpiSetting&) = delete;

private:
    DWORD before_;
};

// The password window, asked before the encrypted names are listed:
// its captions and their fit; then the password, typed and confirmed.
void PasswordWindow(Sfx& sfx, const std::string& password, int dpi, const std::string& what) {
    HWND prompt = nullptr;
    const bool shown = WaitUntil([&] {
        prompt = FindProcessWindow(sfx.ProcessId(), "TForm2");
        return prompt != nullptr;
    });
    Check(shown, what + ": the password window is shown");
    if (!shown) return;
    CheckText(TextOf(GetDlgItem(prompt, kForm2Button1Id)), Message(10), what + ": OK shows message 10");
    CheckText(TextOf(GetDlgItem(prompt, kForm2Button2Id)), Message(7), what + ": Cancel shows message 7");
    CheckTextsFit(prompt, dpi, what + ", password window");
    const HWND box = GetDlgItem(prompt, kForm2EditBox1Id);
    for (char c : password) PostMessageA(box, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
    PressKey(box, VK_RETURN);
}

void MainWindow(Sfx& sfx, int dpi, const std::string& what) {
    if (!sfx.WaitReady()) return;
    const struct {
        int id, message;
    } captions[] = {
        {kButton2Id, 6},  {kButton3Id, 7},  {kButton4Id, 9},  {kLabelExtractToId, 21}, {kLabelFilesId, 22},
        {kGroupBox1Id, 25}, {kRadioBox1Id, 26}, {kRadioBox2Id, 27}, {kRadioBox3Id, 28}, {kLabelLinkId, 23},
    };
    for (const auto& c : captions)
        CheckText(sfx.Text(c.id), Message(c.message),
                  what + ": control " + std::to_string(c.id) + " shows message " + std::to_string(c.message));
    CheckTextsFit(sfx.Form(), dpi, what + ", main window");
}

std::vector<int> DpiList(const std::string& list) {
    std::vector<int> dpis;
    std::istringstream items(list);
    for (std::string item; std::getline(items, item, ',');) dpis.push_back(std::atoi(item.c_str()));
    return dpis;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6 && argc != 7) {
        std::fprintf(stderr, "usage: sfx_language_driver WORK NAME LANGUAGE PASSWORD DPI[,DPI...] [SCREENSHOT_FOLDER]\n");
        return 2;
    }
    SetWork(argv[1]);
    LoadMessages(argv[3]);
    if (argc == 7) SetScreenshotFolder(argv[6]);
    const std::string name = argv[2], password = argv[4];
    for (int dpi : DpiList(argv[5])) {
        const std::string what = name + " at " + std::to_string(dpi) + " DPI";
        const DpiSetting setting(dpi);
        Sfx sfx(name, "-d " + Destination(name));
        PasswordWindow(sfx, password, dpi, what);
        MainWindow(sfx, dpi, what);
        Screenshot(name + "-" + std::to_string(dpi));
        PostMessageA(sfx.Form(), WM_SYSCOMMAND, SC_CLOSE, 0);
        sfx.ExpectExit(kExitCancelled);
    }
    std::printf("%d failed\n", FailureCount());
    return FailureCount() == 0 ? 0 : 1;
}

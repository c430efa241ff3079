// The folder browser behind Form1's "..." button: it opens with message 18
// as its caption, centred on the screen, on the folder that EditBox1 names;
// OK puts the chosen folder into EditBox1, Cancel leaves it; the extraction
// then goes where the browser pointed.
#include "BrowseScenarios.h"

#include <windows.h>
#include <commctrl.h>

#include "SfxWindow.h"

namespace {

// Item texts live in the other process and do not come back through a
// message under Wine, so the two folders are told apart by their places:
// "first" is the first of the two, "second" the last.
enum class Folder { kFirst, kSecond };

HTREEITEM Selected(HWND tree) { return HTREEITEM(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)); }

HTREEITEM Neighbour(HWND tree, HTREEITEM item, WPARAM which) {
    return HTREEITEM(SendMessageA(tree, TVM_GETNEXTITEM, which, LPARAM(item)));
}

bool IsAt(HWND tree, HTREEITEM item, Folder folder) {
    const bool hasPrevious = Neighbour(tree, item, TVGN_PREVIOUS) != nullptr;
    const bool hasNext = Neighbour(tree, item, TVGN_NEXT) != nullptr;
    return item && (folder == Folder::kFirst ? !hasPrevious && hasNext : hasPrevious && !hasNext);
}

// The browser that ButtonBrowse opens, once it shows its preselection.
struct Browser {
    HWND box = nullptr;
    HWND tree = nullptr;
};

Browser OpenBrowser(Sfx& sfx, Folder preselected, const std::string& what) {
    sfx.Press(kButtonBrowseId);
    Browser browser;
    const bool shown = WaitUntil([&] {
        browser.box = FindProcessWindow(sfx.ProcessId(), "#32770");
        return browser.box && TextOf(browser.box) == Message(18);
    });
    Check(shown, what + ": the browser opens with message 18 as its caption");
    if (!shown) return Browser{};
    browser.tree = FindWindowExA(browser.box, nullptr, "SysTreeView32", nullptr);
    const bool onIt = browser.tree && WaitUntil([&] { return IsAt(browser.tree, Selected(browser.tree), preselected); });
    Check(onIt, what + ": the browser preselects the folder in EditBox1");
    return browser;
}

void CheckCentred(HWND box) {
    RECT frame{};
    GetWindowRect(box, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    Check(frame.left == (GetSystemMetrics(SM_CXSCREEN) - width) / 2 &&
              frame.top == (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
          "browse: the browser is centred on the screen (at " + std::to_string(frame.left) + ", " +
              std::to_string(frame.top) + ")");
}

}  // namespace

void FolderBrowser() {
    const std::string dest = Destination("browse");
    const std::string first = dest + "\\first", second = dest + "\\second";
    for (const std::string& folder : {dest, first, second}) CreateDirectoryA(folder.c_str(), nullptr);
    Sfx sfx("files", "-d " + dest);
    if (!sfx.WaitReady()) return;

    // A trailing "\" is not part of what the browser hands back.
    sfx.SetEditText(first + "\\");
    Browser browser = OpenBrowser(sfx, Folder::kFirst, "browse");
    if (!browser.box) return;
    CheckCentred(browser.box);
    Check(IsWindowEnabled(GetDlgItem(browser.box, IDOK)) != FALSE, "browse: OK is enabled");
    Screenshot("browser");
    Check(PressBoxButton(browser.box, IDOK), "browse: OK closes the browser");
    WaitUntil([&] { return sfx.Text(kEditBox1Id) == first; });
    CheckText(sfx.Text(kEditBox1Id), first, "browse: OK on the preselection puts it into EditBox1");

    browser = OpenBrowser(sfx, Folder::kFirst, "browse again");
    if (!browser.tree) return;
    const HTREEITEM other = Neighbour(browser.tree, Selected(browser.tree), TVGN_NEXT);
    Check(other != nullptr, "browse: the tree shows the folder beside it");
    if (other) SendMessageA(browser.tree, TVM_SELECTITEM, TVGN_CARET, LPARAM(other));
    Check(PressBoxButton(browser.box, IDOK), "browse: OK closes the browser");
    WaitUntil([&] { return sfx.Text(kEditBox1Id) == second; });
    CheckText(sfx.Text(kEditBox1Id), second, "browse: OK on another folder puts that into EditBox1");

    browser = OpenBrowser(sfx, Folder::kSecond, "browse, then cancel");
    if (!browser.tree) return;
    const HTREEITEM before = Neighbour(browser.tree, Selected(browser.tree), TVGN_PREVIOUS);
    if (before) SendMessageA(browser.tree, TVM_SELECTITEM, TVGN_CARET, LPARAM(before));
    Check(PressBoxButton(browser.box, IDCANCEL), "browse: Cancel closes the browser");
    CheckText(sfx.Text(kEditBox1Id), second, "browse: Cancel leaves EditBox1 as it was");

    sfx.Press(kButton2Id);
    sfx.ExpectExit(kExitSuccess);
    Check(Exists(second + "\\a.txt") && !Exists(first + "\\a.txt"), "browse: the extraction goes to the folder chosen");
}

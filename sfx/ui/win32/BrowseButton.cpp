// Form1's "..." button: the folder browser, preselecting the folder that
// EditBox1 names; a confirmed choice becomes the destination.
#include <vector>

#include "BrowseDr.h"
#include "Controls.h"
#include "Form1.h"
#include "MessageText.h"
#include "SystemPath.h"

namespace {

// The browser takes ANSI paths; a name the code page cannot hold comes out
// with "?" and so preselects nothing.
std::string AnsiFromWide(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string();
    std::vector<char> ansi(size_t(size), '\0');
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), ansi.data(), size, nullptr, nullptr);
    return std::string(ansi.data(), size_t(length > 0 ? length : 0));
}

}  // namespace

void TForm1::ButtonBrowseClick() {
    TBrowseDirectoryDlg browser;
    browser.SetCaption(MessageText(18));
    browser.SetSelection(AnsiFromWide(TextOf(EditBox1)));
    if (!browser.Execute()) return;
    SetText(EditBox1, browser.Selection());
    Focus(EditBox1);
}

// TBrowseDirectoryDlg while its window is open: the shell's callback, the
// set-up of the window, selection changes, the preselection and the fitted
// status line.
#include <cstring>

#include "BrowseDr.h"
#include "BrowseText.h"
#include "BrowseView.h"
#include "ControlText.h"
#include "ShellFolders.h"

namespace {

bool IsNetworkPath(const std::string& path) { return path.compare(0, 2, "\\\\") == 0; }

}  // namespace

int CALLBACK TBrowseDirectoryDlg::BrowseCallback(HWND window, UINT message, LPARAM parameter, LPARAM data) {
    auto* dialog = reinterpret_cast<TBrowseDirectoryDlg*>(data);
    if (!dialog) return 0;
    switch (message) {
        case BFFM_INITIALIZED:
            dialog->DoInitialized(window);
            return 0;
        case BFFM_SELCHANGED:
            dialog->DoSelChanged(window, reinterpret_cast<LPCITEMIDLIST>(parameter));
            return 0;
        case BFFM_VALIDATEFAILEDA: {
            const char* typed = reinterpret_cast<const char*>(parameter);
            bool cancel = false;
            dialog->DoValidateFailed(typed ? std::string(typed) : std::string(), cancel);
            return cancel ? 0 : 1;  // 1 keeps the dialog open
        }
        default:
            return 0;
    }
}

void TBrowseDirectoryDlg::DoInitialized(HWND window) {
    FDialog = window;
    RECT frame{};
    if (Center && GetWindowRect(window, &frame)) {
        const int x = (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2;
        const int y = (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2;
        SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    SendMessageA(window, BFFM_ENABLEOK, 0, FEnableOKButton);
    if (!FStatusText.empty()) SendStatusText();
    if (!FSelection.empty() || FSelectionPidl) ApplySelection();
    TidyBrowserView(window, !FStatusText.empty() || ShowSelectionInStatus);
    if (!FCaption.empty()) SetWindowTextW(window, FCaption.c_str());
    if (OnCreate) OnCreate(this);
}

void TBrowseDirectoryDlg::DoSelChanged(HWND, LPCITEMIDLIST item) {
    if (!ShowSelectionInStatus && !OnSelChanged) return;
    const std::string path = PathOfItem(item);
    if (ShowSelectionInStatus) SetStatusText(path);
    if (OnSelChanged) OnSelChanged(this, path, item);
}

void TBrowseDirectoryDlg::DoValidateFailed(const std::string& path, bool& cancel) {
    if (OnValidateFailed) OnValidateFailed(this, path, cancel);
}

void TBrowseDirectoryDlg::ApplySelection() {
    if (!FDialog) return;
    if (!FSelection.empty() || !FSelectionPidl) {
        LPITEMIDLIST parsed = ParseFolderPath(FSelection);
        if (parsed) ReplaceSelectionPidl(parsed);
        if (!IsNetworkPath(FSelection)) {
            // Sent as text even when the shell could not parse it.
            const std::string trimmed = TrimSelectionPath(FSelection);
            SendMessageA(FDialog, BFFM_SETSELECTIONA, TRUE, LPARAM(trimmed.c_str()));
        } else if (parsed) {
            SendMessageA(FDialog, BFFM_SETSELECTIONA, FALSE, LPARAM(FSelectionPidl));
        }
        return;
    }
    FSelection = PathOfItem(FSelectionPidl);
    SendMessageA(FDialog, BFFM_SETSELECTIONA, FALSE, LPARAM(FSelectionPidl));
}

std::string TBrowseDirectoryDlg::FittedStatusText() const {
    const HWND status = FDialog ? GetDlgItem(FDialog, kBrowserStatusId) : nullptr;
    RECT frame{};
    if (!FFitStatusText || !status || FStatusText.empty() || !GetWindowRect(status, &frame)) return FStatusText;
    const TControlText text(status);
    if (!text.Usable()) return FStatusText;
    return FittedText(FStatusText, IsDirectory(FStatusText), [&](const std::string& s) { return text.Width(s); },
                      frame.right - frame.left);
}

void TBrowseDirectoryDlg::SendStatusText() {
    const std::string text = FittedStatusText();
    SendMessageA(FDialog, BFFM_SETSTATUSTEXTA, 0, LPARAM(text.c_str()));
}

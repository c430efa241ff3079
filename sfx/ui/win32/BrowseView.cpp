#include "BrowseView.h"

#include <commctrl.h>

#include <algorithm>

#include "Controls.h"

namespace {

// Steps of a horizontal scroll, more than any folder depth needs.
constexpr int kMostScrollSteps = 256;

bool IsEmptyStatic(HWND control) {
    wchar_t className[16] = {};
    return GetClassNameW(control, className, 16) > 0 && lstrcmpiW(className, L"Static") == 0 &&
           GetWindowTextLengthW(control) == 0;
}

// Hides the empty texts above the tree and lets the tree take their room.
void CloseEmptyBand(HWND browser, HWND tree, bool statusLine) {
    const RECT treeAt = RectInParent(tree);
    LONG top = treeAt.top;
    for (HWND child = GetWindow(browser, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (statusLine && GetDlgCtrlID(child) == kBrowserStatusId) continue;
        // Its own style, not IsWindowVisible: the browser is not shown yet.
        if (!(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) || !IsEmptyStatic(child)) continue;
        const RECT at = RectInParent(child);
        if (at.bottom > treeAt.top) continue;
        ShowWindow(child, SW_HIDE);
        top = std::min(top, at.top);
    }
    if (top < treeAt.top)
        SetWindowPos(tree, nullptr, treeAt.left, top, treeAt.right - treeAt.left, treeAt.bottom - top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

// The tree scrolled fully left, then right only as far as the selected
// name needs to show whole.
void ShowSelection(HWND tree) {
    const HTREEITEM item = TreeView_GetSelection(tree);
    if (!item) return;
    SendMessageW(tree, WM_HSCROLL, SB_LEFT, 0);
    TreeView_EnsureVisible(tree, item);
    RECT client{}, name{};
    if (!GetClientRect(tree, &client)) return;
    for (int step = 0; step < kMostScrollSteps && TreeView_GetItemRect(tree, item, &name, TRUE) &&
                       name.right > client.right && name.left > client.left;
         ++step)
        SendMessageW(tree, WM_HSCROLL, SB_LINERIGHT, 0);
}

}  // namespace

void TidyBrowserView(HWND browser, bool statusLine) {
    const HWND tree = FindWindowExW(browser, nullptr, WC_TREEVIEWW, nullptr);
    if (!tree) return;
    CloseEmptyBand(browser, tree, statusLine);
    ShowSelection(tree);
}

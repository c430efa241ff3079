// The shell's folder browser as it opens: a title or status line left
// empty leaves no blank band above the folder tree, and the preselected
// folder shows in the tree with its name whole and as much of the tree's
// lines before it as the width allows.
#pragma once

#include <windows.h>

// The shell's status line in its folder browser.
constexpr int kBrowserStatusId = 14147;

// browser: the browser's window, after the preselection; statusLine: the
// status line is in use, so it stays even while empty.
void TidyBrowserView(HWND browser, bool statusLine);

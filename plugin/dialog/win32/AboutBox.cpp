// The about box of the about selector.
#include <cstdio>

#include "BrowseSuite.h"
#include "CenterDialog.h"
#include "Dialog.h"
#include "DialogIds.h"
#include "ModuleHandle.h"
#include "OwnerWindow.h"
#include "PluginState.h"

namespace {

constexpr int kMaxCaption = 255;

// The web button's caption is the address without its scheme.
void OpenProductPage(HWND box) {
    char caption[kMaxCaption + 1] = "";
    GetDlgItemTextA(box, kAboutWebButtonId, caption, sizeof caption);
    char url[sizeof caption + 8];
    std::snprintf(url, sizeof url, "http://%s", caption);
    if (BrowseUrl(url)) return;
    char text[sizeof url + 100];
    std::snprintf(text, sizeof text, "This host cannot open a web browser.\nThe Linefix web page is %s", url);
    MessageBoxA(box, text, "Linefix", MB_ICONINFORMATION | MB_OK);
}

INT_PTR HandleCommand(HWND box, int command) {
    switch (command) {
        case IDOK:
        case IDCANCEL:
            EndDialog(box, 0);
            return TRUE;
        case kAboutWebButtonId:
            OpenProductPage(box);
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK AboutProc(HWND box, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            CenterDialog(box);
            return TRUE;
        case WM_CHAR:
            if (wParam == VK_RETURN || wParam == VK_ESCAPE) EndDialog(box, 0);
            return TRUE;
        case WM_LBUTTONDOWN:
            EndDialog(box, 0);
            return TRUE;
        case WM_COMMAND:
            return HandleCommand(box, LOWORD(wParam));
        default:
            return FALSE;
    }
}

}  // namespace

void DoAbout() {
    // The host expects nothing back from the about selector, so a box that
    // cannot be shown leaves nothing to report.
    DialogBoxParamA(ModuleHandle, MAKEINTRESOURCEA(kAboutDialogId), OwnerWindow(gAboutRecord->platformData), AboutProc,
                    0);
    ReleaseBrowseSuite();
}

#include "LinefixProc.h"

#include <commctrl.h>
#include <windowsx.h>

#include "DialogIds.h"
#include "DialogInit.h"
#include "MarkingKeys.h"
#include "PaintPreview.h"
#include "PluginState.h"
#include "PointMarking.h"
#include "PreviewState.h"
#include "PreviewWindow.h"
#include "PreviewZoom.h"
#include "ProxyImage.h"
#include "Toolbar.h"
#include "ValidateInput.h"

namespace {

void EndWith(HWND dialog, int code) {
    ReleaseProxy();
    EndDialog(dialog, code);
}

// The view's centre stays under the middle of the area across a zoom step.
void Zoom(HWND dialog, bool in) {
    const VPoint centre = GetViewCentre(CurrentPort(dialog));
    if (in) ZoomIn();
    else ZoomOut();
    UpdateZoomButtons(gToolbar);
    ApplyScrollBars(dialog);
    ScrollPreviewTo(dialog, ScrollToCentre(CurrentPort(dialog), centre));
    InvalidatePreview(dialog);
}

// OK and Cancel act only as button clicks (notification 0), as the toolbar
// and the keyboard send them.
void HandleCommand(HWND dialog, int command, int notification) {
    switch (command) {
        case kCommandOk:
            if (notification == 0 && ValidateInput(dialog)) EndWith(dialog, kDialogConfirmed);
            break;
        case kCommandCancel:
            if (notification == 0) EndWith(dialog, kDialogCancelled);
            break;
        case kCommandZoomIn:
        case kCommandZoomOut:
            Zoom(dialog, command == kCommandZoomIn);
            break;
        default:
            break;
    }
}

void HandleHorizontalScroll(HWND dialog, WPARAM wParam, HWND from) {
    HWND trackbar = WidthTrackbar(dialog);
    if (from && from == trackbar) {
        gParams->wireAreaWidth = int32(SendMessageA(trackbar, TBM_GETPOS, 0, 0));
        InvalidatePreview(dialog);
    } else if (from && from == GetDlgItem(dialog, kHorizontalBarId)) {
        ScrollPreview(dialog, kHorizontalBarId, wParam);
    }
}

// Shift as it was held at the press extends the wire by a point.
void HandleClickAt(HWND dialog, WPARAM wParam, LPARAM lParam) {
    const PressKind kind = (wParam & MK_SHIFT) ? PressKind::kExtend : PressKind::kPlain;
    switch (HandleClick(CurrentPort(dialog), int16(GET_X_LPARAM(lParam)), int16(GET_Y_LPARAM(lParam)), kind)) {
        case PressOutcome::kMarked:
            InvalidatePreview(dialog);
            break;
        case PressOutcome::kRefused:
            MessageBeep(MB_OK);
            break;
        case PressOutcome::kIgnored:
            break;
    }
}

void HandleKey(HWND dialog, WPARAM key) {
    if (key == VK_BACK && RemoveLastPoint(*gData)) InvalidatePreview(dialog);
}

}  // namespace

extern "C" INT_PTR CALLBACK LinefixProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            InitialiseDialog(dialog);
            RouteMarkingKeys(dialog);
            return FALSE;
        case WM_PAINT:
            if (PreviewMayPaint()) PaintPreview(dialog);
            return FALSE;
        case WM_COMMAND:
            HandleCommand(dialog, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_HSCROLL:
            HandleHorizontalScroll(dialog, wParam, reinterpret_cast<HWND>(lParam));
            return FALSE;
        case WM_VSCROLL:
            ScrollPreview(dialog, kVerticalBarId, wParam);
            return FALSE;
        case WM_LBUTTONDOWN:
            HandleClickAt(dialog, wParam, lParam);
            return FALSE;
        case WM_KEYDOWN:
            HandleKey(dialog, wParam);
            return FALSE;
        case WM_DESTROY:
            StopRoutingMarkingKeys();
            if (gToolbar) ReleaseToolbar(gToolbar);
            gToolbar = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

#include "DialogInit.h"

#include <commctrl.h>

#include "DialogIds.h"
#include "PaintPreview.h"
#include "PluginState.h"
#include "PreviewState.h"
#include "PreviewWindow.h"
#include "PreviewZoom.h"
#include "Toolbar.h"

namespace {

// The trackbar shows a width outside its range at the nearest end; the
// width itself stays as recorded, and OK refuses it until the user moves the
// trackbar.
void SetUpTrackbar(HWND dialog) {
    HWND trackbar = WidthTrackbar(dialog);
    SendMessageA(trackbar, TBM_SETRANGEMIN, TRUE, kMinWireAreaWidth);
    SendMessageA(trackbar, TBM_SETRANGEMAX, TRUE, kMaxWireAreaWidth);
    SendMessageA(trackbar, TBM_SETPOS, TRUE, gParams->wireAreaWidth);
}

}  // namespace

void InitialiseDialog(HWND dialog) {
    gToolbar = CreateToolbar(dialog);
    if (!gToolbar) {
        MessageBoxA(dialog, "The dialog's toolbar could not be created.", "Linefix", MB_ICONERROR | MB_OK);
        EndDialog(dialog, kDialogCancelled);
        return;
    }
    OpenPreview(GetAreaRect(dialog));
    InvalidatePreview(dialog);
    SetUpTrackbar(dialog);
    UpdateZoomButtons(gToolbar);
    ApplyScrollBars(dialog);
    if (PreviewMayPaint()) PaintPreview(dialog);
}

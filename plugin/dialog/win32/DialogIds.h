// Resource and control identifiers of the two dialogs; the resource script
// uses the same numbers.
#pragma once

// The main dialog, "LINEFIXDIALOG".
constexpr char kMainDialogName[] = "LINEFIXDIALOG";
constexpr int kPreviewFrameId = 5;     // hidden static whose rectangle is the preview area
constexpr int kWidthLabelId = 4;
constexpr int kWidthTrackbarId = 3;
constexpr int kVerticalBarId = 1009;
constexpr int kHorizontalBarId = 1010;
constexpr int kToolbarBitmapId = 109;  // 16 x 16 images: zoom in, zoom out, cancel, OK

// Commands the toolbar and the keyboard send to the main dialog.
constexpr int kCommandOk = 1;
constexpr int kCommandCancel = 2;
constexpr int kCommandZoomIn = 6;
constexpr int kCommandZoomOut = 7;

// The main dialog ends with these codes.
constexpr int kDialogConfirmed = 1;
constexpr int kDialogCancelled = 2;

// The about box.
constexpr int kAboutDialogId = 16000;
constexpr int kAboutWebButtonId = 4;  // its caption is the web address, without the scheme

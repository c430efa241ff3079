// Where the reduced image lies in the dialog. The dialog reads the preview
// area and the two scroll positions from its windows each time and passes
// them in; a full-resolution point (v, h) relative to the filter rectangle
// then lies at (image left + h / scale, image top + v / scale).
#pragma once

#include "ScreenRect.h"

struct PreviewPort {
    ScreenRect area;      // the preview frame, in dialog client coordinates
    int32 hScroll = 0;    // position of the horizontal scroll bar
    int32 vScroll = 0;    // position of the vertical scroll bar
};

// The margin between the area's edge and an image scrolled to its start.
constexpr int32 kScrollMargin = 2;

// The image rectangle: centred along an axis on which the image fits into
// the area, otherwise scrolled. Its size is that of the requested input
// rectangle, so it may reach beyond the area.
ScreenRect GetImageRect(const PreviewPort& port);

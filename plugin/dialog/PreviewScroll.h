// The preview's scroll bars and keeping the view's centre across zoom steps.
#pragma once

#include "ImagePlacement.h"

// How the dialog sets up one scroll bar: range 0..maximum (set without
// redrawing), page size, shown or hidden; its position then goes to 0.
struct ScrollBarSetup {
    bool visible = false;
    int32 maximum = 0;
    int32 page = 0;
};

struct ScrollBarsSetup {
    ScrollBarSetup horizontal;  // control 1010
    ScrollBarSetup vertical;    // control 1009
};

// A bar is shown along an axis on which the image is larger than the area.
ScrollBarsSetup SetupScrollBars(const PreviewPort& port);

struct ScrollPositions {
    int32 horizontal;
    int32 vertical;
};

// The full-resolution point (v, h) under the centre of the area.
VPoint GetViewCentre(const PreviewPort& port);

// The scroll positions that bring the point back under the centre of the
// area at the current scale; never negative. The bars keep them within their
// ranges.
ScrollPositions ScrollToCentre(const PreviewPort& port, const VPoint& centre);

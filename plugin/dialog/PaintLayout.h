// What a paint of the preview area covers besides the image: the background
// bands the image leaves free, the black frame two pixels outside the image,
// and the clip for the marking.
#pragma once

#include <array>

#include "ScreenRect.h"

struct PaintLayout {
    std::array<ScreenRect, 4> bands{};  // filled with the dialog background
    int32 bandCount = 0;                // bands in use, from the first
    ScreenRect frame{};                 // framed 1 pixel wide, on its inside
    ScreenRect markingClip{};           // the visible part of the image
};

// Bands reach up to the image, so that the one-pixel gap between the frame
// and the image is repainted as well; the frame is drawn over them.
PaintLayout LayOutPreview(const ScreenRect& image, const ScreenRect& area);

// Where the about box goes over its owner.
#pragma once

#include "ScreenRect.h"

struct CenterInput {
    ScreenRect owner;          // the owner's client area, in screen coordinates
    int32 width, height;       // the box's window size
    int32 screenWidth, screenHeight;
    int32 captionButtonWidth;  // the system width of a caption button
    bool hasSystemMenu;
};

// Horizontally centred over the owner but shifted left by the caption-button
// allowance (two thirds of it for a box without system menu), one third of
// the way down; pulled back onto the screen where it would reach past any of
// its edges (a box larger than the screen keeps its top left corner on it).
ScreenPoint CenterPosition(const CenterInput& in);

// Where one scroll request moves a preview scroll bar.
#pragma once

#include "HostInterface.h"

// The platform's scroll request codes, as the low word of the message.
enum ScrollRequest : int32 {
    kScrollLineBack = 0,
    kScrollLineForward = 1,
    kScrollPageBack = 2,
    kScrollPageForward = 3,
    kScrollThumbPosition = 4,
    kScrollThumbTrack = 5,
};

// Preview pixels one page request moves.
constexpr int32 kScrollPage = 100;

// The bar's new position before it keeps it within its range: a line moves
// by 1, a page by 100, the thumb requests take its position; any other
// request keeps the current one.
int32 ScrollStep(int32 current, int32 request, int32 thumb);

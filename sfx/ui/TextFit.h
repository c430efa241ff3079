// Fitting controls to their texts. The windows are laid out for English; a
// language text may be longer, and at another DPI the font does not scale
// exactly with the layout. So each control that shows a language text is
// measured after its text is set and grows where the window has room,
// instead of cutting the text. All lengths are in pixels.
#pragma once

#include <vector>

// A control's place along one axis.
struct TSpan {
    int left, width;
    int Right() const { return left + width; }
    bool operator==(const TSpan& other) const { return left == other.left && width == other.width; }
};

// A row of controls left to right (radio buttons): each keeps its place and
// width unless its text needs more; then it widens and pushes the ones after
// it right, at least gap after their left neighbour. None runs past right
// unless its text alone needs it. needed has one width per control.
std::vector<TSpan> FitRow(const std::vector<TSpan>& designed, const std::vector<int>& needed, int gap, int right);

// Controls stacked in a column (push buttons) that share their right edge:
// all take the designed width or, when one text needs more, that width,
// growing to the left but never past leftLimit.
TSpan FitColumn(TSpan designed, int needed, int leftLimit);

// A text centred on a width: the text's width, at most the whole width.
TSpan CentredSpan(int needed, int width);

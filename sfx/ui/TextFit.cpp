#include "TextFit.h"

#include <algorithm>

std::vector<TSpan> FitRow(const std::vector<TSpan>& designed, const std::vector<int>& needed, int gap, int right) {
    std::vector<TSpan> row;
    row.reserve(designed.size());
    for (size_t i = 0; i < designed.size(); ++i) {
        const int need = i < needed.size() ? needed[i] : 0;
        const int left = row.empty() ? designed[i].left : std::max(designed[i].left, row.back().Right() + gap);
        // The designed width where it fits before right; never less than
        // the text needs.
        const int width = std::max(need, std::min(designed[i].width, right - left));
        row.push_back({left, width});
    }
    return row;
}

TSpan FitColumn(TSpan designed, int needed, int leftLimit) {
    if (needed <= designed.width) return designed;
    const int right = designed.Right();
    const int left = std::min(designed.left, std::max(leftLimit, right - needed));
    return {left, right - left};
}

TSpan CentredSpan(int needed, int width) {
    const int fitted = std::clamp(needed, 0, std::max(width, 0));
    return {(width - fitted) / 2, fitted};
}

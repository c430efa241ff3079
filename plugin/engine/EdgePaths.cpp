#include "EdgePaths.h"

#include <algorithm>
#include <cstdlib>

#include "Gradients.h"
#include "HostSteps.h"

namespace {

int32 DirectionWeight(GradientPair g) {
    const int32 ax = std::abs(g.gx), ay = std::abs(g.gy);
    if (ax > 4 * ay) return 12;
    if (ax > 2 * ay) return 8;
    if (ax > ay) return 4;
    return 0;
}

int32 FallingEdgeTerm(GradientPair g) { return g.gx < -5 ? DirectionWeight(g) : 0; }
int32 RisingEdgeTerm(GradientPair g) { return g.gx > 5 ? DirectionWeight(g) : 0; }

// Extends the best of the three predecessors above (c-1, c, c+1) into cell c;
// a sideways move costs 4, and equal candidates keep the leftmost.
void ExtendPath(const int32* above, int32 W, int32 c, int32 edgeTerm, int32& score, int32& link) {
    int32 best = -1, from = -1;
    for (int32 offset = -1; offset <= 1; ++offset) {
        const int32 p = c + offset;
        if (p < 1 || p > W - 2) continue;
        const int32 candidate = above[p] + (offset == 0 ? 0 : -4) + edgeTerm + 4;
        if (candidate > best) {
            best = candidate;
            from = p;
        }
    }
    score = best;
    link = from;
}

int32 RowMaximum(const int32* scores, int32 W) {
    int32 maximum = 0;
    for (int32 c = 1; c <= W - 2; ++c) maximum = std::max(maximum, scores[c]);
    return maximum;
}

// The leftmost column of 1..W-2 holding the row's largest score.
int32 BestColumn(const int32* scores, int32 W) {
    int32 best = 1;
    for (int32 c = 2; c <= W - 2; ++c)
        if (scores[c] > scores[best]) best = c;
    return best;
}

// Calls visit(c) for every column c of 1..W-2 with a column t of 1..W-2 within
// T-1 columns that holds `maximum` in `scores`. One sweep: the last such t at
// or before c+T-1 is the only candidate that can lie in c's window.
template <typename Visit>
void ForColumnsNearMaximum(const int32* scores, int32 maximum, int32 W, int32 T, Visit visit) {
    const int32 reach = T - 1;
    int32 lastMaximum = -1, next = 1;
    for (int32 c = 1; c <= W - 2; ++c) {
        for (const int32 limit = std::min(c + reach, W - 2); next <= limit; ++next)
            if (scores[next] == maximum) lastMaximum = next;
        if (lastMaximum >= 1 && lastMaximum >= c - reach) visit(c);
    }
}

}  // namespace

void CoupleRow(int32* scoreA, int32* scoreB, int32 W, int32 T) {
    int32 maxA = RowMaximum(scoreA, W);
    const int32 maxB = RowMaximum(scoreB, W);
    bool raisedMaximum = false;
    ForColumnsNearMaximum(scoreB, maxB, W, T, [&](int32 c) {
        if (scoreA[c] == maxA) raisedMaximum = true;
        scoreA[c] += 2;
    });
    if (raisedMaximum) maxA += 2;
    ForColumnsNearMaximum(scoreA, maxA, W, T, [&](int32 c) { scoreB[c] += 2; });
}

bool TraceEdges(WireJob& job, const HostGrid& gradients, PathGrids& paths) {
    const int32 W = job.stripWidth, N = job.stripLength;
    if (!paths.scoreA.Resize<int32>(W, N) || !paths.scoreB.Resize<int32>(W, N) ||
        !paths.linkA.Resize<int32>(W, N) || !paths.linkB.Resize<int32>(W, N))
        return false;
    for (int32 r = 1; r < N - 1; ++r) {
        const GradientPair* g = gradients.Row<GradientPair>(r);
        int32* scoreA = paths.scoreA.Row<int32>(r);
        int32* scoreB = paths.scoreB.Row<int32>(r);
        int32* linkA = paths.linkA.Row<int32>(r);
        int32* linkB = paths.linkB.Row<int32>(r);
        for (int32 c = 1; c < W - 1; ++c) {
            ExtendPath(paths.scoreA.Row<int32>(r - 1), W, c, FallingEdgeTerm(g[c]), scoreA[c], linkA[c]);
            ExtendPath(paths.scoreB.Row<int32>(r - 1), W, c, RisingEdgeTerm(g[c]), scoreB[c], linkB[c]);
        }
        CoupleRow(scoreA, scoreB, W, job.wireThickness);
    }
    return ReportStep(job);
}

void Backtrack(const PathGrids& paths, WireJob& job) {
    const int32 W = job.stripWidth, N = job.stripLength;
    int32 endA = BestColumn(paths.scoreA.Row<int32>(N - 2), W);
    int32 endB = BestColumn(paths.scoreB.Row<int32>(N - 2), W);
    for (int32 r = N - 2; r >= 1; --r) {
        uint8* mask = job.mask.Row<uint8>(r);
        for (int32 c = std::min(endA, endB); c <= std::max(endA, endB); ++c) mask[c] = 1;
        endA = paths.linkA.At<int32>(r, endA);
        endB = paths.linkB.At<int32>(r, endB);
    }
}

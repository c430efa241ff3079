#include "CoverRepair.h"

#include <algorithm>
#include <cmath>

#include "BoxMap.h"
#include "HostSteps.h"
#include "Numeric.h"
#include "QuadWalker.h"
#include "StripGeometry.h"

namespace {

// The straight fill takes the pixels this far beyond the wire's edge, clear of
// its antialiased rim, each as the mean of three samples along the wire this
// far apart, so that one grain of texture does not run across it.
constexpr double kClearance = 0.8;
constexpr double kAnchorSpread = 0.7;
// Covers are measured in bins of this many columns of distance from the
// centre line, as medians of shares quantised to kShareSteps steps.
constexpr double kBinWidth = 0.25;
constexpr int32 kShareSteps = 64;
// Up to this cover a pixel is given back from what is seen there, from the
// next one on it takes the fill; between them the two are blended. Giving
// back divides by the uncovered part, so an error in the cover grows with it.
constexpr double kSeenCover = 0.3;
constexpr double kFillCover = 0.6;

struct PixelPlace {
    double along, distance;  // from the centre line, in strip columns
};

bool PlaceOf(const WireJob& job, const WireProfile& profile, int32 x, int32 y, double reach, PixelPlace& place) {
    const StripPoint p = StripPositionOf(job, x + 0.5, y + 0.5);
    if (p.along < 0 || p.along >= job.stripLength) return false;
    place = {p.along, p.across - CentreAt(profile, job, p.along)};
    return std::fabs(place.distance) < reach;
}

ImagePoint AcrossFrom(const WireJob& job, const WireProfile& profile, double along, double offset) {
    return StripToImage(job, along, CentreAt(profile, job, along) + offset);
}

// The output at image position (x, y) between the four nearest pixel
// centres, of those the wire leaves uncovered (farther than `edge` from its
// centre line); NaN when it covers all four.
template <typename Sample>
double SampleClear(const WireJob& job, const PlaneBlock<Sample>& block, const WireProfile& profile, double x, double y,
                   double edge) {
    const double x0 = std::floor(x - 0.5), y0 = std::floor(y - 0.5);
    const double fx = x - 0.5 - x0, fy = y - 0.5 - y0;
    double sum = 0, weights = 0;
    for (int32 dy = 0; dy <= 1; ++dy)
        for (int32 dx = 0; dx <= 1; ++dx) {
            const int32 px = std::clamp(TruncateToInt(x0 + dx), 0, job.areaWidth - 1);
            const int32 py = std::clamp(TruncateToInt(y0 + dy), 0, job.areaHeight - 1);
            const StripPoint p = StripPositionOf(job, px + 0.5, py + 0.5);
            if (std::fabs(p.across - CentreAt(profile, job, p.along)) < edge) continue;
            const double w = (dx ? fx : 1 - fx) * (dy ? fy : 1 - fy);
            sum += w * block.Out(px, py);
            weights += w;
        }
    return weights > 0 ? sum / weights : std::nan("");
}

// What lies beside the wire, `offset` columns from its centre line: the mean
// of the uncovered output there at three places along the wire.
template <typename Sample>
double Beside(const WireJob& job, const PlaneBlock<Sample>& block, const WireProfile& profile, double along,
              double offset) {
    const double edge = profile.halfWidth + 0.5;
    double sum = 0;
    int32 count = 0;
    for (int32 n = -1; n <= 1; ++n) {
        const ImagePoint p = AcrossFrom(job, profile, along + n * kAnchorSpread, offset);
        const double v = SampleClear(job, block, profile, p.x, p.y, edge);
        if (!std::isnan(v)) {
            sum += v;
            ++count;
        }
    }
    if (count > 0) return sum / count;
    const ImagePoint p = AcrossFrom(job, profile, along, offset);
    return SampleBetween(job, block, p.x, p.y, true);
}

// The straight line across the wire between what lies just beside it.
template <typename Sample>
double FillAt(const WireJob& job, const PlaneBlock<Sample>& block, const WireProfile& profile, const PixelPlace& place,
              double reach) {
    const double a = Beside(job, block, profile, place.along, -reach);
    const double b = Beside(job, block, profile, place.along, reach);
    return a + (place.distance + reach) / (2 * reach) * (b - a);
}

// The wire's level in this plane: the median, over the strip rows, of the
// input on the centre line.
template <typename Sample>
bool WireLevel(const WireJob& job, const PlaneBlock<Sample>& block, const WireProfile& profile, double& level) {
    HostBuffer values;
    if (!values.Resize<double>(job.stripLength)) return false;
    double* v = values.Items<double>();
    for (int32 r = 0; r < job.stripLength; ++r) {
        const ImagePoint p = AcrossFrom(job, profile, r + 0.5, 0);
        v[r] = SampleBetween(job, block, p.x, p.y, false);
    }
    std::nth_element(v, v + job.stripLength / 2, v + job.stripLength);
    level = v[job.stripLength / 2];
    return true;
}

// Per distance bin, a histogram of the shares (1 - cover) seen there; the
// cover between bin centres is interpolated.
class CoverBins {
public:
    bool Allocate(double reach) {
        bins_ = int32(reach / kBinWidth) + 1;
        return counts_.Resize<int32>(bins_ * (kShareSteps + 1)) && covers_.Resize<double>(bins_);
    }
    void Add(double distance, double share) {
        const int32 step = TruncateToInt(std::clamp(share, 0.0, 1.0) * kShareSteps + 0.5);
        ++counts_.Items<int32>()[BinOf(distance) * (kShareSteps + 1) + step];
    }
    // The median cover of every bin; where nothing was seen, the cover of a
    // wire of the measured width whose edges blur over one pixel.
    void Settle(double halfWidth) {
        for (int32 b = 0; b < bins_; ++b)
            covers_.Items<double>()[b] =
                MedianCover(b, std::clamp(halfWidth + 0.5 - (b + 0.5) * kBinWidth, 0.0, 1.0));
    }
    double Cover(double distance) const {
        const double* cover = covers_.Items<double>();
        const double position = std::fabs(distance) / kBinWidth - 0.5;
        if (position <= 0) return cover[0];
        const int32 low = std::min(int32(position), bins_ - 1), high = std::min(low + 1, bins_ - 1);
        const double f = std::min(position - low, 1.0);
        return (1 - f) * cover[low] + f * cover[high];
    }

private:
    int32 BinOf(double distance) const { return std::min(int32(std::fabs(distance) / kBinWidth), bins_ - 1); }

    double MedianCover(int32 bin, double otherwise) const {
        const int32* h = counts_.Items<int32>() + bin * (kShareSteps + 1);
        int32 total = 0;
        for (int32 s = 0; s <= kShareSteps; ++s) total += h[s];
        for (int32 s = 0, seen = 0; s <= kShareSteps; ++s)
            if ((seen += h[s]) * 2 > total) return 1 - double(s) / kShareSteps;
        return otherwise;
    }

    HostBuffer counts_, covers_;
    int32 bins_ = 0;
};

double Behind(double seen, double fill, double level, double cover) {
    if (cover >= kFillCover) return fill;
    const double given = (seen - cover * level) / (1 - cover);
    if (cover <= kSeenCover) return given;
    const double t = (cover - kSeenCover) / (kFillCover - kSeenCover);
    return (1 - t) * given + t * fill;
}

// Fills `fills` (1 + the fill, 0 for pixels left alone) and the cover bins:
// reads only, so that no fill reads another one.
template <typename Sample>
void FillAndMeasure(const WireJob& job, const PlaneBlock<Sample>& block, const WireProfile& profile,
                    const EndCap caps[2], double level, double reach, QuadWalker& walker, BoxMap& fills,
                    CoverBins& bins) {
    // Where the fill and the wire differ by less, the share says nothing.
    const double leastContrast = EightBitLevels<Sample>(8);
    walker.Restart();
    for (int32 x, y; walker.Next(x, y);) {
        PixelPlace place;
        // Changed by an earlier piece: repaired there, the wire is gone.
        if (!PlaceOf(job, profile, x, y, reach, place) || block.Out(x, y) != block.In(x, y) ||
            BeyondCaps(caps, x + 0.5, y + 0.5))
            continue;
        const double fill = FillAt(job, block, profile, place, reach);
        fills.At(x, y) = 1 + std::max(TruncateToInt(fill + 0.5), 0);
        if (std::fabs(fill - level) >= leastContrast) bins.Add(place.distance, (block.In(x, y) - level) / (fill - level));
    }
}

}  // namespace

template <typename Sample>
bool RepairByCover(WireJob& job, const PlaneBlock<Sample>& block, const WireProfile& profile,
                   const EndCap caps[2]) {
    const double reach = profile.halfWidth + kClearance;
    double level = 0;
    if (!WireLevel(job, block, profile, level) || !ReportStep(job)) return false;

    ImagePoint corners[4];
    WireRectangle(job, corners);
    QuadWalker walker(corners, job.areaWidth, job.areaHeight);
    BoxMap fills;
    CoverBins bins;
    if (!fills.Allocate(walker.Bounds()) || !bins.Allocate(reach)) return false;
    FillAndMeasure(job, block, profile, caps, level, reach, walker, fills, bins);
    if (!ReportStep(job)) return false;
    bins.Settle(profile.halfWidth);
    if (!ReportStep(job)) return false;

    walker.Restart();
    for (int32 x, y; walker.Next(x, y);) {
        const int32 entry = fills.Get(x, y);
        PixelPlace place;
        if (entry == 0 || !PlaceOf(job, profile, x, y, reach, place)) continue;
        const double v = Behind(block.Out(x, y), entry - 1, level, bins.Cover(place.distance));
        block.Out(x, y) = ClampSample<Sample>(TruncateToInt(v + 0.5));
    }
    return ReportSteps(job, 2);
}

template bool RepairByCover(WireJob&, const PlaneBlock<uint8>&, const WireProfile&, const EndCap[2]);
template bool RepairByCover(WireJob&, const PlaneBlock<uint16>&, const WireProfile&, const EndCap[2]);

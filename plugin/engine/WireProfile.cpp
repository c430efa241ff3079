#include "WireProfile.h"

#include <algorithm>
#include <utility>
#include <cmath>

#include "HostSteps.h"
#include "Numeric.h"
#include "ParamBlocks.h"
#include "StripGeometry.h"

namespace {

// Profiles are sampled every quarter column, out to this many columns beyond
// the traced band on each side; the outermost two samples of each side give
// the level the wire is seen against.
constexpr double kProfileStep = 0.25;
constexpr double kProfileReach = 3;
// Each round of the fit keeps the rows within the round's distance of the
// one before, from a wide start down to a pixel; the width is the median of
// the rows within the last distance of the final fit.
constexpr double kFitTolerances[] = {4, 2, 1, 1, 1};
constexpr double kFitTolerance = 1.0;

// Per strip row, summed over the planes: weight, weighted centroid and width.
struct RowSums {
    HostBuffer weight, centroid, width;
};

struct RowMeasure {
    double weight = 0, centroid = 0, width = 0;
};

// The traced band of row r (mask value 1): false when the row has none.
bool BandOf(const WireJob& job, int32 r, int32& first, int32& last) {
    const uint8* mask = job.mask.Row<uint8>(r);
    first = last = -1;
    for (int32 c = 0; c < job.stripWidth; ++c)
        if (mask[c] == 1) {
            if (first < 0) first = c;
            last = c;
        }
    return first >= 0;
}

// The darkening across row r: the level the wire is seen against, minus the
// profile, times `sign` (+1 for a dark wire, -1 for a light one). Its mass
// over the profile's level (the wire's own level unknown here) gives the
// width only up to the contrast, so the width is the mass over the deepest
// darkening, which the core of a wire of two pixels or more reaches.
template <typename Sample>
RowMeasure MeasureRow(const WireJob& job, const PlaneBlock<Sample>& block, int32 r, double first, double last,
                      double sign) {
    // Beyond the image's edge the strip sees a mirrored copy of the wire.
    const ImagePoint middle = StripToImage(job, r + 0.5, (first + last) * 0.5);
    if (!(middle.x >= 0 && middle.x < job.areaWidth && middle.y >= 0 && middle.y < job.areaHeight)) return {};
    const double from = first - kProfileReach, to = last + kProfileReach;
    const int32 count = int32((to - from) / kProfileStep) + 1;
    constexpr int32 kMaxSamples = int32((kMaxWireAreaWidth + 2 * kProfileReach) / kProfileStep) + 2;
    double values[kMaxSamples];
    for (int32 n = 0; n < count && n < kMaxSamples; ++n) {
        const ImagePoint p = StripToImage(job, r + 0.5, from + n * kProfileStep);
        values[n] = SampleBetween(job, block, p.x, p.y, false);
    }
    const int32 samples = std::min(count, kMaxSamples);
    const double left = (values[0] + values[1]) * 0.5, right = (values[samples - 1] + values[samples - 2]) * 0.5;
    double mass = 0, moment = 0, deepest = 0;
    for (int32 n = 2; n < samples - 2; ++n) {
        const double t = double(n) / (samples - 1);
        const double darkening = sign * (left + (right - left) * t - values[n]);
        if (darkening <= 0) continue;
        mass += darkening;
        moment += darkening * (from + n * kProfileStep);
        deepest = std::max(deepest, darkening);
    }
    if (deepest < EightBitLevels<Sample>(8)) return {};
    return {mass, moment / mass, mass * kProfileStep / deepest};
}

// Solves the leading n by n part of m x = rhs by elimination with partial
// pivoting; false when it is singular.
bool SolveSystem(double m[kCentreTerms][kCentreTerms], double rhs[kCentreTerms], int32 n, double x[kCentreTerms]) {
    for (int32 col = 0; col < n; ++col) {
        int32 pivot = col;
        for (int32 r = col + 1; r < n; ++r)
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) pivot = r;
        if (!(std::fabs(m[pivot][col]) > 1e-12 * std::fabs(m[0][0]))) return false;
        std::swap(m[col], m[pivot]);
        std::swap(rhs[col], rhs[pivot]);
        for (int32 r = col + 1; r < n; ++r) {
            const double f = m[r][col] / m[col][col];
            for (int32 c = col; c < n; ++c) m[r][c] -= f * m[col][c];
            rhs[r] -= f * rhs[col];
        }
    }
    for (int32 r = n - 1; r >= 0; --r) {
        double v = rhs[r];
        for (int32 c = r + 1; c < n; ++c) v -= m[r][c] * x[c];
        x[r] = v / m[r][r];
    }
    return true;
}

// Weighted least squares of the centre line through the rows kept (all, or
// those near the previous fit); false when they do not determine it.
class CentreFit {
public:
    void Add(double along, double across, double weight, int32 stripLength) {
        const double t = along / stripLength;
        double powers[kCentreTerms];
        for (int32 k = 0; k < kCentreTerms; ++k) powers[k] = k == 0 ? 1 : powers[k - 1] * t;
        for (int32 i = 0; i < kCentreTerms; ++i) {
            for (int32 j = 0; j < kCentreTerms; ++j) m_[i][j] += weight * powers[i] * powers[j];
            rhs_[i] += weight * powers[i] * across;
        }
        ++rows_;
    }
    // The fewest rows give a lower degree: a short piece, or one whose wire
    // shows in only a few rows, still gets a straight or bowed line. Terms
    // beyond the degree are 0.
    bool Solve(double centre[kCentreTerms]) {
        for (int32 n = kCentreTerms; n >= 1; --n) {
            double m[kCentreTerms][kCentreTerms], rhs[kCentreTerms];
            std::copy(&m_[0][0], &m_[0][0] + kCentreTerms * kCentreTerms, &m[0][0]);
            std::copy(rhs_, rhs_ + kCentreTerms, rhs);
            std::fill(centre, centre + kCentreTerms, 0.0);
            if (rows_ >= 2 * n && SolveSystem(m, rhs, n, centre)) return true;
        }
        return false;
    }

private:
    double m_[kCentreTerms][kCentreTerms] = {}, rhs_[kCentreTerms] = {};
    int32 rows_ = 0;
};

// Weighted least squares of the centre line through the rows kept: all, or
// those within `tolerance` of the previous fit.
bool FitCentre(const WireJob& job, const RowSums& sums, const WireProfile* previous, double tolerance,
               double centre[kCentreTerms]) {
    const double* weight = sums.weight.Items<double>();
    const double* centroid = sums.centroid.Items<double>();
    CentreFit fit;
    for (int32 r = 0; r < job.stripLength; ++r) {
        if (weight[r] <= 0) continue;
        const double c = centroid[r] / weight[r];
        if (previous && std::fabs(c - CentreAt(*previous, job, r + 0.5)) > tolerance) continue;
        fit.Add(r + 0.5, c, weight[r], job.stripLength);
    }
    return fit.Solve(centre);
}

// The median width of the rows that lie on the fitted centre line.
bool MedianWidth(const WireJob& job, const RowSums& sums, const WireProfile& profile, double& width) {
    HostBuffer kept;
    if (!kept.Resize<double>(job.stripLength)) return false;
    const double* weight = sums.weight.Items<double>();
    double* widths = kept.Items<double>();
    int32 count = 0;
    for (int32 r = 0; r < job.stripLength; ++r) {
        if (weight[r] <= 0) continue;
        const double c = sums.centroid.Items<double>()[r] / weight[r];
        if (std::fabs(c - CentreAt(profile, job, r + 0.5)) <= kFitTolerance)
            widths[count++] = sums.width.Items<double>()[r] / weight[r];
    }
    if (count == 0) return false;
    std::nth_element(widths, widths + count / 2, widths + count);
    width = widths[count / 2];
    return true;
}

template <typename Sample>
bool AddPlane(WireJob& job, int16 plane, const WireProfile* around, RowSums& sums) {
    PlaneBlock<Sample> block;
    if (!RequestPlane(plane, job, block)) return false;
    for (int32 r = 0; r < job.stripLength; ++r) {
        double first, last;
        if (around) {
            const double c = CentreAt(*around, job, r + 0.5);
            first = c - around->halfWidth;
            last = c + around->halfWidth;
        } else {
            int32 bandFirst, bandLast;
            if (!BandOf(job, r, bandFirst, bandLast)) continue;
            first = bandFirst;
            last = bandLast;
        }
        // The wire may be darker than one stretch of what lies behind it and
        // lighter than the next.
        const RowMeasure dark = MeasureRow(job, block, r, first, last, 1);
        const RowMeasure light = MeasureRow(job, block, r, first, last, -1);
        const RowMeasure& m = dark.weight >= light.weight ? dark : light;
        sums.weight.Items<double>()[r] += m.weight;
        sums.centroid.Items<double>()[r] += m.weight * m.centroid;
        sums.width.Items<double>()[r] += m.weight * m.width;
    }
    return true;
}

}  // namespace

double CentreAt(const WireProfile& profile, const WireJob& job, double along) {
    const double t = along / job.stripLength;
    double v = 0;
    for (int32 k = kCentreTerms - 1; k >= 0; --k) v = v * t + profile.centre[k];
    return v;
}

template <typename Sample>
double SampleBetween(const WireJob& job, const PlaneBlock<Sample>& block, double x, double y, bool fromOutput) {
    x -= 0.5;
    y -= 0.5;
    const double x0 = std::floor(x), y0 = std::floor(y), fx = x - x0, fy = y - y0;
    auto at = [&](double px, double py) {
        const int32 cx = std::clamp(TruncateToInt(px), 0, job.areaWidth - 1);
        const int32 cy = std::clamp(TruncateToInt(py), 0, job.areaHeight - 1);
        return double(fromOutput ? block.Out(cx, cy) : block.In(cx, cy));
    };
    return (1 - fy) * ((1 - fx) * at(x0, y0) + fx * at(x0 + 1, y0)) +
           fy * ((1 - fx) * at(x0, y0 + 1) + fx * at(x0 + 1, y0 + 1));
}

namespace {

// The rows' measures, within the traced band or around an earlier fit, and
// the fit through them.
template <typename Sample>
bool MeasureAndFit(WireJob& job, const PlaneSet& planes, const WireProfile* around, WireProfile& profile) {
    RowSums sums;
    if (!sums.weight.Resize<double>(job.stripLength) || !sums.centroid.Resize<double>(job.stripLength) ||
        !sums.width.Resize<double>(job.stripLength))
        return false;
    for (int16 plane = 0; plane < planes.colourPlanes; ++plane)
        if (!AddPlane<Sample>(job, plane, around, sums)) return false;
    profile = WireProfile{};
    WireProfile fitted;
    if (!FitCentre(job, sums, nullptr, 0, fitted.centre)) return true;
    for (const double tolerance : kFitTolerances) {
        WireProfile next = fitted;
        if (!FitCentre(job, sums, &fitted, tolerance, next.centre)) break;
        fitted = next;
    }
    double width = 0;
    if (!MedianWidth(job, sums, fitted, width)) return true;
    fitted.halfWidth = width * 0.5;
    fitted.found = true;
    profile = fitted;
    return true;
}

}  // namespace

template <typename Sample>
bool MeasureWire(WireJob& job, const PlaneSet& planes, WireProfile& profile) {
    WireProfile first;
    if (!MeasureAndFit<Sample>(job, planes, nullptr, first)) return false;
    if (!first.found) {
        profile = first;
        return true;
    }
    // Measured again where the first fit puts the wire: rows the trace took
    // astray in clutter now see the wire itself.
    return MeasureAndFit<Sample>(job, planes, &first, profile);
}

template double SampleBetween(const WireJob&, const PlaneBlock<uint8>&, double, double, bool);
template double SampleBetween(const WireJob&, const PlaneBlock<uint16>&, double, double, bool);
template bool MeasureWire<uint8>(WireJob&, const PlaneSet&, WireProfile&);
template bool MeasureWire<uint16>(WireJob&, const PlaneSet&, WireProfile&);

#include "ShownStrip.h"

#include <type_traits>

#include "HostSteps.h"
#include "Numeric.h"
#include "StripGeometry.h"

namespace {

template <typename Sample>
void Reduce(const WireJob& job, const HostGrid& from, HostGrid& to) {
    for (int32 r = 0; r < job.stripLength; ++r) {
        const Sample* in = from.Row<Sample>(r);
        uint8* out = to.Row<uint8>(r);
        for (int32 c = 0; c < job.stripWidth; ++c) out[c] = ToByte(in[c]);
    }
}

// Cells the sampling leaves out are zero in both grids, and stay zero.
template <typename Sample>
bool DarkenByBlack(WireJob& job, HostGrid& shown) {
    HostGrid black;
    PlaneBlock<Sample> block;
    if (!black.Resize<Sample>(job.stripWidth, job.stripLength) || !RequestPlane(kBlackPlane, job, block))
        return false;
    SampleStrip(job, block, black);
    for (int32 r = 0; r < job.stripLength; ++r) {
        const Sample* k = black.Row<Sample>(r);
        uint8* level = shown.Row<uint8>(r);
        for (int32 c = 0; c < job.stripWidth; ++c) level[c] = uint8((level[c] * ToByte(k[c]) + 127) / 255);
    }
    return true;
}

}  // namespace

template <typename Sample>
const HostGrid* SampleShownStrip(WireJob& job, const PlaneSet& planes, HostGrid& own) {
    PlaneBlock<Sample> block;
    if (!RequestPlane(0, job, block)) return nullptr;
    SampleStrip(job, block, job.strip);
    if (std::is_same_v<Sample, uint8> && !planes.traceWithBlack) return &job.strip;
    if (!own.Resize<uint8>(job.stripWidth, job.stripLength)) return nullptr;
    Reduce<Sample>(job, job.strip, own);
    if (planes.traceWithBlack && !DarkenByBlack<Sample>(job, own)) return nullptr;
    return &own;
}

template const HostGrid* SampleShownStrip<uint8>(WireJob&, const PlaneSet&, HostGrid&);
template const HostGrid* SampleShownStrip<uint16>(WireJob&, const PlaneSet&, HostGrid&);

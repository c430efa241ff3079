#include "EngineFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "Rects.h"
#include "RunFilter.h"
#include "StripGeometry.h"

namespace {

FakeHost* host = nullptr;

OSErr PI_CDECL Allocate(int32 size, BufferID* id) {
    if (++host->allocations == host->failAllocation) return memFullErr;
    *id = static_cast<BufferID>(std::malloc(size_t(std::max(size, 1))));
    ++host->liveBuffers;
    host->largestBuffer = std::max(host->largestBuffer, size);
    return noErr;
}

Ptr PI_CDECL Lock(BufferID id, Boolean) { return host->failLock ? nullptr : reinterpret_cast<Ptr>(id); }

void PI_CDECL Unlock(BufferID) {}

void PI_CDECL Free(BufferID id) {
    std::free(id);
    --host->liveBuffers;
}

OSErr PI_CDECL AdvanceState() {
    FilterRecord& r = host->record;
    if (++host->advanceCalls == host->failAdvanceAt) return host->advanceError;
    const int16 plane = r.inLoPlane;
    EXPECT_TRUE(r.inHiPlane == plane && r.outLoPlane == plane && r.outHiPlane == plane);
    EXPECT_EQ(r.inputRate, 0x10000);
    const VRect in = GetInRect();
    EXPECT_TRUE(in.top == 0 && in.left == 0 && in.bottom == host->height && in.right == host->width);
    if (plane < 0 || plane >= host->planes) return paramErr;
    r.inData = host->input[plane].data();
    r.outData = host->output[plane].data();
    r.inRowBytes = r.outRowBytes = host->width * host->sampleBytes;
    r.depth = host->depth;
    return noErr;
}

void PI_CDECL Progress(int32 done, int32 total) {
    host->steps.push_back(done);
    host->liveAtStep.push_back(host->liveBuffers);
    host->stepTotal = total;
}

Boolean PI_CDECL Abort() { return host->cancelAtStep && int(host->steps.size()) >= host->cancelAtStep; }

}  // namespace

FakeHost::FakeHost(int32 w, int32 h, int16 p, int32 d)
    : width(w), height(h), planes(p), input(p, std::vector<uint8>(size_t(w) * h * (d / 8))), output(input), depth(d),
      sampleBytes(d / 8) {
    bufferProcs = {2, 5, Allocate, Lock, Unlock, Free, nullptr, nullptr, nullptr, nullptr};
    record.bufferProcs = &bufferProcs;
    record.advanceState = AdvanceState;
    record.progressProc = Progress;
    record.abortProc = Abort;
    record.planes = p;
    if (d == 16)
        record.imageMode = p == 1 ? plugInModeGray16 : plugInModeRGB48;
    else
        record.imageMode = p == 1 ? plugInModeGrayScale : plugInModeRGBColor;
    record.filterRect = {0, 0, int16(h), int16(w)};
    record.imageSize = {int16(h), int16(w)};
    params.wireAreaWidth = 50;
    Activate();
}

FakeHost::~FakeHost() {
    EXPECT_EQ(liveBuffers, 0) << "buffers not released";
    if (host == this) host = nullptr;
}

void FakeHost::Paint(const std::function<uint8(int16, int32, int32)>& value) {
    PaintSamples([&](int16 p, int32 x, int32 y) {
        const uint8 v = value(p, x, y);
        return sampleBytes == 1 ? uint16(v) : uint16((v * 32768 + 127) / 255);
    });
}

void FakeHost::PaintSamples(const std::function<uint16(int16, int32, int32)>& value) {
    for (int16 p = 0; p < planes; ++p)
        for (int32 y = 0; y < height; ++y)
            for (int32 x = 0; x < width; ++x) {
                const uint16 v = value(p, x, y);
                uint8* sample = &input[p][(size_t(y) * width + x) * sampleBytes];
                if (sampleBytes == 1)
                    *sample = uint8(v);
                else
                    std::memcpy(sample, &v, 2);
            }
    output = input;
}

uint32 FakeHost::Sample(const std::vector<uint8>& plane, int32 x, int32 y) const {
    const size_t at = (size_t(y) * width + x) * sampleBytes;
    if (sampleBytes == 1) return plane[at];
    uint16 v;
    std::memcpy(&v, &plane[at], 2);
    return v;
}

void FakeHost::MarkWire(int32 x1, int32 y1, int32 x2, int32 y2, int32 w) {
    data.startH = x1;
    data.startV = y1;
    data.endH = x2;
    data.endV = y2;
    data.pointCount = 2;
    params.wireAreaWidth = w;
}

void FakeHost::Activate() {
    host = this;
    BeginCall(filterSelectorStart, &record, &dataSlot, &result);
    gParams = &params;
    gData = &data;
}

int16 FakeHost::Run() {
    result = 0;
    Activate();
    RunFilter();
    return result;
}

void FakeHost::Setup(WireJob& job) {
    const VRect area = {0, 0, height, width};
    SetupGeometry(job, WirePointAt(data, 0), WirePointAt(data, 1), params.wireAreaWidth, area, planes);
    record.inputRate = record.maskRate = 0x10000;
    SetInRect(area);
    SetOutRect(area);
}

uint8 WireTexture(int16 plane, int32 x, int32 y) {
    return uint8(100 + plane * 20 + (x * 3 + y * 2) % 40 + ((x * 37) ^ (y * 11)) % 17);
}

WiredImage::WiredImage(int16 planes, int32 depth) : host(kWidth, kHeight, planes, depth) {
    host.Paint([](int16 p, int32 x, int32 y) { return OnWire(x, y, 1.5) ? uint8(25) : WireTexture(p, x, y); });
    host.MarkWire(12, 9, 80, 70, 24);
}

bool WiredImage::OnWire(int32 x, int32 y, double radius, double margin) {
    const double dx = 68, dy = 61, t = ((x - 12) * dx + (y - 9) * dy) / (dx * dx + dy * dy);
    if (t < margin || t > 1 - margin) return false;
    return std::hypot(x - 12 - t * dx, y - 9 - t * dy) <= radius;
}

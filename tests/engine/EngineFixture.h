// A small in-memory host for the engine: a planar image, grey for one plane
// and RGB otherwise, of 8-bit samples or of 16-bit ones (2 bytes each,
// 0..32768), delivered by advanceState; a buffer suite over malloc that
// counts live buffers and can fail, and progress/abort procedures that log
// steps and can cancel.
#pragma once

#include <functional>
#include <vector>

#include "PlaneSet.h"
#include "PluginState.h"
#include "WireJob.h"

// The planes of an 8-bit grey image, for the steps that take them.
constexpr PlaneSet kGreyPlanes{1, 1, false};

class FakeHost {
public:
    FakeHost(int32 width, int32 height, int16 planes, int32 depth = 8);
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // Sets input and output of every plane to value(plane, x, y): 8-bit
    // levels, scaled to 0..32768 at 16 bits (v * 32768 / 255, rounded).
    void Paint(const std::function<uint8(int16, int32, int32)>& value);
    // The same with samples of the host's depth.
    void PaintSamples(const std::function<uint16(int16, int32, int32)>& value);
    // A sample of a plane as stored in input or output.
    uint32 Sample(const std::vector<uint8>& plane, int32 x, int32 y) const;
    // Marks the wire from (x1, y1) to (x2, y2) with the given area width.
    void MarkWire(int32 x1, int32 y1, int32 x2, int32 y2, int32 width);
    // Publishes this host's call state in the per-call globals. One host at a
    // time: buffers must be released while their host is the active one.
    void Activate();
    // Runs the filter and returns its result.
    int16 Run();
    // A work record and the request state set up for the marked wire, as the
    // run sets them up before tracing.
    void Setup(WireJob& job);

    const int32 width, height;
    const int16 planes;
    std::vector<std::vector<uint8>> input, output;

    // Failure switches; counts are 1-based, 0 means never.
    int failAllocation = 0;  // the allocateProc call that fails
    bool failLock = false;
    int cancelAtStep = 0;  // abortProc says stop after this progress step
    int failAdvanceAt = 0;
    OSErr advanceError = -1;
    int32 depth;  // as advanceState reports it
    const int32 sampleBytes;

    // Log.
    std::vector<int32> steps;        // progressDone of every progress call
    std::vector<int> liveAtStep;     // live buffers at every progress call
    int32 stepTotal = 0;
    int allocations = 0, liveBuffers = 0, advanceCalls = 0;
    int32 largestBuffer = 0;

    FilterRecord record{};
    BufferProcs bufferProcs{};
    Parameters params{};
    PluginData data{};
    intptr_t dataSlot = 0;
    int16 result = 0;
};

// The texture around the test wire, different in every plane.
uint8 WireTexture(int16 plane, int32 x, int32 y);

// A 96 by 80 textured image with a dark wire, 3 pixels thick, from (12, 9)
// to (80, 70), marked with an area width of 24.
struct WiredImage {
    static constexpr int32 kWidth = 96, kHeight = 80;
    FakeHost host;

    explicit WiredImage(int16 planes, int32 depth = 8);
    // Distance to the wire's segment within 1 and 99 percent of its length.
    static bool OnWire(int32 x, int32 y, double radius, double margin = 0.0);
    bool Unchanged() const { return host.output == host.input; }
};

// A small in-memory host for the engine: a planar 8-bit image delivered by
// advanceState, a buffer suite over malloc that counts live buffers and can
// fail, and progress/abort procedures that log steps and can cancel.
#pragma once

#include <functional>
#include <vector>

#include "PluginState.h"
#include "WireJob.h"

class FakeHost {
public:
    FakeHost(int32 width, int32 height, int16 planes);
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // Sets input and output of every plane to value(plane, x, y).
    void Paint(const std::function<uint8(int16, int32, int32)>& value);
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
    int32 depth = 8;

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

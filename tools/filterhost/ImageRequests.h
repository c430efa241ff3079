// advanceState: delivers the input block and the output block that the
// plug-in asks for through the filter record and writes output back.
//
// Rules:
// - Planes inLoPlane..inHiPlane (outLo..outHi) are interleaved in the block:
//   sample of plane p at (x, y) is data[y * rowBytes + x * columnBytes + (p - lo) * planeBytes].
// - inputRate k (integral, 16.16) puts inRect in reduced coordinates: block
//   pixel (x, y) is source pixel ((inRect.left + x) * k, (inRect.top + y) * k).
// - Source pixels outside the image are filled by inputPadding: 0..255 a
//   constant, -1 the nearest edge pixel, -2 zero, -3 the request fails.
// - The output rectangle must lie inside the image; output starts as the
//   current output image, which begins as a copy of the input.
// - A single plane at rate 1 inside the image is handed out as a pointer into
//   the host's own planes, so nothing is copied; other requests get a block
//   that is written back on the next request or when the selector returns.
#pragma once

#include "ImagePlanes.h"

struct AdvanceFault {
    int32_t at = 0;      // the k-th advanceState call (1-based) fails; 0 never
    OSErr code = noErr;  // with this code
};

class ImageRequests {
public:
    ImageRequests(FilterRecord& record, const ImagePlanes& input, ImagePlanes& output, AdvanceFault fault);
    ImageRequests(const ImageRequests&) = delete;
    ImageRequests& operator=(const ImageRequests&) = delete;

    AdvanceStateProc proc() const;

    OSErr advance();  // the plug-in's call: counted, and the fault is injected here
    OSErr serve();    // the host's own delivery before each continue call
    void flush();     // writes a pending output block back
    bool wantsData() const;
    int32_t calls() const { return calls_; }

private:
    struct Block {
        VRect rect{};
        int32_t lo = 0;
        int32_t hi = -1;
        int32_t columnBytes = 0;
        int64_t rowBytes = 0;
        Bytes bytes;
    };

    void clearData();
    OSErr serveInput();
    OSErr serveOutput();
    OSErr shape(const VRect& r, int32_t lo, int32_t hi, Block& block) const;
    void sampleInput(int32_t rate, int16_t padding);
    void copyOutput(bool toBlock);
    bool inside(const VRect& r) const;

    FilterRecord& record_;
    const ImagePlanes& input_;
    ImagePlanes& output_;
    AdvanceFault fault_;
    int32_t calls_ = 0;
    Block in_;
    Block out_;
    bool outPending_ = false;
};

// Largest block one request may need.
constexpr int64_t kMaxBlockBytes = int64_t(1) << 29;

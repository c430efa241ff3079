#include "ImageRequests.h"

#include <algorithm>
#include <cstring>

#include "Active.h"
#include "HostConstants.h"
#include "RequestRects.h"

namespace {

OSErr PI_CDECL AdvanceStateProcImpl() {
    return OnActive<ImageRequests>(OSErr(paramErr), [](ImageRequests& r) { return r.advance(); });
}

// The integral factor of a 16.16 rate, or 0 when it is not a whole number >= 1.
int32_t IntegralRate(Fixed rate) { return rate >= kFixedOne && rate % kFixedOne == 0 ? rate / kFixedOne : 0; }

bool ValidPadding(int16_t padding) { return padding >= kPadErrorOnBounds && padding <= 255; }

}  // namespace

ImageRequests::ImageRequests(FilterRecord& record, const ImagePlanes& input, ImagePlanes& output,
                             AdvanceFault fault)
    : record_(record), input_(input), output_(output), fault_(fault) {}

AdvanceStateProc ImageRequests::proc() const { return AdvanceStateProcImpl; }

OSErr ImageRequests::advance() {
    if (++calls_ != fault_.at) return serve();
    flush();
    clearData();
    return fault_.code;
}

OSErr ImageRequests::serve() {
    flush();
    clearData();
    record_.depth = output_.depth();
    OSErr err = serveInput();
    return err ? err : serveOutput();
}

// No block from an earlier request stays visible after a new one.
void ImageRequests::clearData() {
    record_.inData = record_.outData = record_.maskData = nullptr;
    record_.inRowBytes = record_.outRowBytes = record_.maskRowBytes = 0;
}

bool ImageRequests::wantsData() const {
    return !IsEmpty(RequestedInRect(record_)) || !IsEmpty(RequestedOutRect(record_)) ||
           !IsEmpty(RequestedMaskRect(record_));
}

OSErr ImageRequests::shape(const VRect& r, int32_t lo, int32_t hi, Block& block) const {
    if (lo < 0 || hi < lo || hi >= input_.planes()) return paramErr;
    int64_t width = int64_t(r.right) - r.left, height = int64_t(r.bottom) - r.top;
    int32_t bps = input_.bytesPerSample();
    int64_t columnBytes = int64_t(hi - lo + 1) * bps;
    if (width > kMaxBlockBytes || height > kMaxBlockBytes || width * height > kMaxBlockBytes / columnBytes)
        return memFullErr;
    block = Block{r, lo, hi, int32_t(columnBytes), width * columnBytes, {}};
    return noErr;
}

bool ImageRequests::inside(const VRect& r) const {
    return r.left >= 0 && r.top >= 0 && r.right <= input_.width() && r.bottom <= input_.height();
}

OSErr ImageRequests::serveInput() {
    VRect r = RequestedInRect(record_);
    if (IsEmpty(r)) return noErr;
    int32_t rate = IntegralRate(record_.inputRate);
    int16_t padding = record_.inputPadding;
    if (!rate || !ValidPadding(padding)) return paramErr;
    if (OSErr err = shape(r, record_.inLoPlane, record_.inHiPlane, in_)) return err;
    bool within = int64_t(r.top) * rate >= 0 && int64_t(r.left) * rate >= 0 &&
                  (int64_t(r.bottom) - 1) * rate < input_.height() && (int64_t(r.right) - 1) * rate < input_.width();
    if (!within && padding == kPadErrorOnBounds) return paramErr;
    int32_t bps = input_.bytesPerSample();
    if (in_.lo == in_.hi && rate == 1 && within) {
        record_.inData = const_cast<uint8_t*>(input_.at(in_.lo, r.left, r.top));
        record_.inRowBytes = input_.rowBytes();
    } else {
        sampleInput(rate, padding);
        record_.inData = in_.bytes.data();
        record_.inRowBytes = int32_t(in_.rowBytes);
    }
    record_.inColumnBytes = in_.columnBytes;
    record_.inPlaneBytes = bps;
    return noErr;
}

void ImageRequests::sampleInput(int32_t rate, int16_t padding) {
    int32_t bps = input_.bytesPerSample();
    int64_t width = int64_t(in_.rect.right) - in_.rect.left, height = int64_t(in_.rect.bottom) - in_.rect.top;
    in_.bytes.assign(size_t(in_.rowBytes * height), 0);
    for (int64_t y = 0; y < height; ++y) {
        int64_t sy = (in_.rect.top + y) * rate;
        for (int64_t x = 0; x < width; ++x) {
            int64_t sx = (in_.rect.left + x) * rate;
            bool inImage = sx >= 0 && sy >= 0 && sx < input_.width() && sy < input_.height();
            int32_t cx = int32_t(std::clamp<int64_t>(sx, 0, input_.width() - 1));
            int32_t cy = int32_t(std::clamp<int64_t>(sy, 0, input_.height() - 1));
            uint8_t* dst = in_.bytes.data() + y * in_.rowBytes + x * in_.columnBytes;
            for (int32_t p = in_.lo; p <= in_.hi; ++p, dst += bps) {
                if (inImage || padding == kPadEdgeReplication)
                    std::memcpy(dst, input_.at(p, cx, cy), size_t(bps));
                else if (padding >= 0)
                    input_.encode(uint8_t(padding), dst);
            }
        }
    }
}

OSErr ImageRequests::serveOutput() {
    VRect r = RequestedOutRect(record_);
    if (IsEmpty(r)) return noErr;
    if (!inside(r)) return paramErr;
    if (OSErr err = shape(r, record_.outLoPlane, record_.outHiPlane, out_)) return err;
    if (out_.lo == out_.hi) {
        record_.outData = output_.at(out_.lo, r.left, r.top);
        record_.outRowBytes = output_.rowBytes();
    } else {
        copyOutput(true);
        outPending_ = true;
        record_.outData = out_.bytes.data();
        record_.outRowBytes = int32_t(out_.rowBytes);
    }
    record_.outColumnBytes = out_.columnBytes;
    record_.outPlaneBytes = output_.bytesPerSample();
    return noErr;
}

void ImageRequests::flush() {
    if (outPending_) copyOutput(false);
    outPending_ = false;
}

// Copies between the output block and the output planes, in either direction.
void ImageRequests::copyOutput(bool toBlock) {
    int32_t bps = output_.bytesPerSample();
    if (toBlock) out_.bytes.assign(size_t(out_.rowBytes * (int64_t(out_.rect.bottom) - out_.rect.top)), 0);
    for (int32_t y = out_.rect.top; y < out_.rect.bottom; ++y) {
        uint8_t* cell = out_.bytes.data() + (y - out_.rect.top) * out_.rowBytes;
        for (int32_t x = out_.rect.left; x < out_.rect.right; ++x) {
            for (int32_t p = out_.lo; p <= out_.hi; ++p, cell += bps) {
                uint8_t* sample = output_.at(p, x, y);
                std::memcpy(toBlock ? cell : sample, toBlock ? sample : cell, size_t(bps));
            }
        }
    }
}

#include "DialogFixture.h"

#include <gtest/gtest.h>

#include "PreviewScroll.h"
#include "PreviewZoom.h"

extern "C" void PI_CDECL PluginMain(int16 selector, void* record, intptr_t* data, int16* result);

namespace {

const std::function<void()>* pendingBody = nullptr;

void PI_CDECL DialogEntry(int16 selector, void* record, intptr_t* data, int16* result) {
    BeginCall(selector, record, data, result);
    if (LockHandles()) (*pendingBody)();
    UnlockHandles();
}

int32_t LastPosition(const ScrollBarSetup& bar) {
    return bar.visible ? std::max(bar.maximum - bar.page + 1, 0) : 0;
}

}  // namespace

uint8_t SampleAt(int32_t x, int32_t y, int32_t c) { return uint8_t((x * 7 + y * 13 + c * 50) % 251); }

Image PositionImage(int32_t w, int32_t h, int32_t channels) {
    Image image{w, h, channels, Bytes(size_t(w) * h * channels)};
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            for (int32_t c = 0; c < channels; ++c) image.at(x, y, c) = SampleAt(x, y, c);
    return image;
}

DialogHost::DialogHost(const Image& image, HostOptions options) : host(image, std::move(options)) {
    EXPECT_EQ(host.call(PluginMain, filterSelectorParameters), noErr);
}

int16_t DialogHost::Call(const std::function<void()>& body) {
    pendingBody = &body;
    const int16_t result = host.call(DialogEntry, filterSelectorStart);
    pendingBody = nullptr;
    return result;
}

int16_t DialogHost::Open(const ScreenRect& area, const std::function<void()>& body) {
    return Call([&] {
        OpenPreview(area);
        body();
    });
}

PreviewPort Scrolled(const PreviewPort& port, int32_t h, int32_t v) {
    const ScrollBarsSetup bars = SetupScrollBars(port);
    return {port.area, std::clamp(h, 0, LastPosition(bars.horizontal)), std::clamp(v, 0, LastPosition(bars.vertical))};
}

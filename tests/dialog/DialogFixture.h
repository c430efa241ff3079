// The preview's code driven by filterhost's Host: the plug-in's parameters
// selector creates its two blocks, and each Call runs inside a start call
// with the blocks locked, so that the host's procedures are live.
#pragma once

#include <functional>

#include "Host.h"
#include "ImagePlacement.h"
#include "PluginState.h"

// A w x h image whose sample at (x, y) of channel c is SampleAt(x, y, c).
Image PositionImage(int32_t w, int32_t h, int32_t channels);
uint8_t SampleAt(int32_t x, int32_t y, int32_t c);

class DialogHost {
public:
    explicit DialogHost(const Image& image, HostOptions options = {});
    // Runs body inside one call; returns the call's result.
    int16_t Call(const std::function<void()>& body);
    // Opens the preview on the area inside a call, then runs body there.
    int16_t Open(const ScreenRect& area, const std::function<void()>& body);

    Host host;
};

// A 100 x 80 preview area.
constexpr ScreenRect kArea{10, 20, 110, 100};

// Where a scroll bar set up for port leaves a wanted position.
PreviewPort Scrolled(const PreviewPort& port, int32_t h, int32_t v);

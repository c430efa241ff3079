// Times whole filter runs through the host, for wires of several lengths and
// widths on a 1 MP and a 24 MP RGB image, each at 8 and at 16 bits per
// channel (the same picture, held in 2-byte samples), and for one wire marked
// with 2 to 16 points; reports the peak of the host buffers the plug-in held. Only the selectors are timed; building
// the host and its copy of the image is not.
#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <memory>

#include "Host.h"

extern "C" void PI_CDECL PluginMain(int16 selector, void* record, intptr_t* data, int16* result);

namespace {

// A textured image with a dark horizontal wire along its centre row. The
// texture is laid out from the centre, so every image size shows the wires of
// the benchmark the same surroundings and only the size differs.
Image MakeImage(int32_t width, int32_t height) {
    Image image{width, height, 3, Bytes(size_t(width) * size_t(height) * 3)};
    const int32_t cx = width / 2, cy = height / 2;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            for (int32_t c = 0; c < 3; ++c) {
                const int32_t u = x - cx + (1 << 20), v = y - cy + (1 << 20);  // kept positive for %
                const bool wire = y >= cy - 1 && y <= cy + 1;
                image.at(x, y, c) = wire ? uint8_t(30) : uint8_t(96 + (u * (c + 1) / 37 + v / 29) % 64 + (u * 7 + v * 13 + c) % 11);
            }
    return image;
}

const Image& SharedImage(int32_t width, int32_t height) {
    static std::map<std::pair<int32_t, int32_t>, Image> images;
    auto key = std::make_pair(width, height);
    auto it = images.find(key);
    if (it == images.end()) it = images.emplace(key, MakeImage(width, height)).first;
    return it->second;
}

// A wire of the given length through the image centre at the given angle.
WirePoints Wire(const Image& image, int32_t length, double degrees) {
    const double radians = degrees * 3.14159265358979323846 / 180.0;
    const double dx = std::cos(radians) * length / 2, dy = std::sin(radians) * length / 2;
    const double cx = image.width / 2.0, cy = image.height / 2.0;
    return {int32_t(cy - dy), int32_t(cx - dx), int32_t(cy + dy), int32_t(cx + dx)};
}

// Times the filter's runs with the settings; building the host and its
// copy of the image is not timed.
void TimeRuns(benchmark::State& state, const Image& image, const FirstRun& settings, int32_t bits) {
    HostOptions options;
    options.depth = bits;
    int64_t peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto host = std::make_unique<Host>(image, options);
        state.ResumeTiming();
        Outcome outcome = host->runFirst(PluginMain, settings);
        state.PauseTiming();
        if (!outcome.ok()) state.SkipWithError("the filter failed");
        peak = host->buffers().peakBytes();
        host.reset();  // freeing the host's image copies is not the plug-in's time
        state.ResumeTiming();
    }
    state.counters["peak_buffer_MB"] = double(peak) / (1 << 20);
}

// args: image width, image height, wire length, wire width, angle in
// degrees, bits per channel
void BM_RemoveWire(benchmark::State& state) {
    const Image& image = SharedImage(int32_t(state.range(0)), int32_t(state.range(1)));
    const FirstRun settings{Wire(image, int32_t(state.range(2)), double(state.range(4))), int32_t(state.range(3))};
    TimeRuns(state, image, settings, int32_t(state.range(5)));
}

// args: points along a 3000-pixel wire on the 24 MP image, wire width, bits
// per channel. The peak of the buffers should not grow with the points.
void BM_RemoveWirePath(benchmark::State& state) {
    const Image& image = SharedImage(6000, 4000);
    const int32_t points = int32_t(state.range(0));
    const WirePoints ends = Wire(image, 3000, 0);
    FirstRun settings{WirePoints{ends.startV, ends.startH, ends.startV, ends.startH + 3000 / (points - 1)},
                      int32_t(state.range(1)), {}};
    for (int32_t k = 2; k < points; ++k) settings.laterPoints.push_back({ends.startV, ends.startH + 3000 * k / (points - 1)});
    TimeRuns(state, image, settings, int32_t(state.range(2)));
}

void Arguments(benchmark::internal::Benchmark* b) {
    // 1 MP is a wide image so that every wire fits; 24 MP is a 6000 x 4000 photo.
    const std::pair<int, int> images[] = {{3200, 320}, {6000, 4000}};
    for (auto [w, h] : images)
        for (int length : {300, 1000, 3000})
            for (int width : {20, 50, 200})
                for (int bits : {8, 16}) b->Args({w, h, length, width, 0, bits});
    // Memory of a 1000-pixel wire at width 50 at several angles.
    for (int angle : {30, 45, 60, 90})
        for (int bits : {8, 16}) b->Args({6000, 4000, 1000, 50, angle, bits});
}

}  // namespace

BENCHMARK(BM_RemoveWire)->Apply(Arguments)->Unit(benchmark::kMillisecond)->ArgNames({"w", "h", "len", "wa", "deg", "bits"});
BENCHMARK(BM_RemoveWirePath)
    ->ArgsProduct({{2, 6, 16}, {50}, {8, 16}})
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"points", "wa", "bits"});
BENCHMARK_MAIN();

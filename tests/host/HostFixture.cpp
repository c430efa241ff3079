#include "HostFixture.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <cstring>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr double kWireX1 = 12, kWireY1 = 9, kWireX2 = 80, kWireY2 = 62;

// Distance of (x, y) to the wire's centre line and where along it (0..1) the
// nearest point lies.
double WireDistance(double x, double y, double& along) {
    const double dx = kWireX2 - kWireX1, dy = kWireY2 - kWireY1;
    along = ((x - kWireX1) * dx + (y - kWireY1) * dy) / (dx * dx + dy * dy);
    return std::hypot(x - kWireX1 - along * dx, y - kWireY1 - along * dy);
}

bool OnWire(int32_t x, int32_t y, double radius) {
    double along = 0;
    return WireDistance(x, y, along) <= radius && along >= 0 && along <= 1;
}

uint8_t Texture(int32_t x, int32_t y, int32_t c) {
    return uint8_t(110 + c * 25 + (x * 5 + y * 3) % 30 + ((x * 29) ^ (y * 13)) % 19);
}

intptr_t* gPeekedSlot = nullptr;

void PI_CDECL PeekDataSlot(int16, void*, intptr_t* data, int16*) { gPeekedSlot = data; }

template <class Block>
Block BlockFrom(const std::optional<Bytes>& bytes, const char* what) {
    Block block{};
    if (!bytes || bytes->size() < sizeof block) {
        ADD_FAILURE() << "the host keeps no " << what << " block of " << sizeof block << " bytes";
        return block;
    }
    std::memcpy(&block, bytes->data(), sizeof block);
    return block;
}

template <class Block>
Bytes BytesOf(const Block& block) {
    Bytes bytes(sizeof block);
    std::memcpy(bytes.data(), &block, sizeof block);
    return bytes;
}

}  // namespace

Image WiredImage(int32_t channels) {
    Image image{kImageWidth, kImageHeight, channels, Bytes(size_t(kImageWidth * kImageHeight * channels))};
    for (int32_t y = 0; y < kImageHeight; ++y)
        for (int32_t x = 0; x < kImageWidth; ++x)
            for (int32_t c = 0; c < channels; ++c) image.at(x, y, c) = OnWire(x, y, 1.5) ? 20 : Texture(x, y, c);
    return image;
}

double MeanOnWire(const Image& image) {
    double sum = 0;
    int32_t count = 0;
    for (int32_t y = 0; y < image.height; ++y)
        for (int32_t x = 0; x < image.width; ++x) {
            double along = 0;
            if (WireDistance(x, y, along) > 0.7 || along < 0.05 || along > 0.95) continue;
            for (int32_t c = 0; c < image.channels; ++c, ++count) sum += image.at(x, y, c);
        }
    return count ? sum / count : 0;
}

Parameters ParametersOf(const Host& host) { return BlockFrom<Parameters>(host.parameters(), "parameters"); }
PluginData DataOf(const Host& host) { return BlockFrom<PluginData>(host.data(), "data"); }
void SetParameters(Host& host, int32_t width) { host.setParameters(BytesOf(Parameters{width})); }
void SetData(Host& host, const PluginData& data) { host.setData(BytesOf(data)); }

PluginData MarkedData(const WirePoints& points, uint8_t showDialog) {
    PluginData data{};
    data.showDialog = showDialog;
    data.startV = points.startV;
    data.startH = points.startH;
    data.endV = points.endV;
    data.endH = points.endH;
    data.pointCount = 2;
    data.view.scale = data.view.fitScale = 1.0;
    return data;
}

WirePoints PointsOf(const PluginData& data) { return {data.startV, data.startH, data.endV, data.endH}; }

bool SamePoints(const WirePoints& a, const WirePoints& b) {
    return a.startV == b.startV && a.startH == b.startH && a.endV == b.endV && a.endH == b.endH;
}

void SetRepeatState(Host& host, int32_t width, const WirePoints& points) {
    SetParameters(host, width);
    SetData(host, MarkedData(points, 0));
}

Handle DataHandleOf(Host& host) {
    host.call(PeekDataSlot, filterSelectorAbout);
    return gPeekedSlot ? reinterpret_cast<Handle>(*gPeekedSlot) : nullptr;
}

int16_t ParametersAndMark(Host& host, const WirePoints& points) {
    const int16_t result = host.call(PluginMain, filterSelectorParameters);
    if (result != noErr) return result;
    PluginData data = DataOf(host);
    const PluginData marked = MarkedData(points, data.showDialog);
    data.startV = marked.startV;
    data.startH = marked.startH;
    data.endV = marked.endV;
    data.endH = marked.endH;
    data.pointCount = marked.pointCount;
    SetData(host, data);
    return noErr;
}

void RegisterWidth(Host& host, int32_t width) {
    Descriptor stored;
    stored.putInteger(keyWireAreaWidth, width);
    host.registry().put(kPluginUniqueString, stored, true);
}

std::optional<int32_t> RegisteredWidth(Host& host) {
    std::optional<Descriptor> stored = host.registry().get(kPluginUniqueString);
    return stored ? stored->integer(keyWireAreaWidth) : std::nullopt;
}

PIDescriptorParameters& ScriptBlock(Host& host) { return *host.record().descriptorParameters; }

void ClearScript(Host& host) {
    PIDescriptorParameters& script = ScriptBlock(host);
    host.handles().dispose(script.descriptor);
    script.descriptor = nullptr;
}

Handle SetRawScript(Host& host, const Bytes& bytes, int16_t playInfo) {
    ClearScript(host);
    PIDescriptorParameters& script = ScriptBlock(host);
    script.descriptor = host.handles().createWith(bytes);
    script.playInfo = playInfo;
    return script.descriptor;
}

Descriptor WidthScript(int32_t width) {
    Descriptor script;
    script.putInteger(keyWireAreaWidth, width);
    return script;
}

bool SameImage(const Image& a, const Image& b) {
    return a.width == b.width && a.height == b.height && a.channels == b.channels && a.pixels == b.pixels;
}

bool SamePlane(const Image& a, const Image& b, int32_t channel) {
    if (a.width != b.width || a.height != b.height) return false;
    for (int32_t y = 0; y < a.height; ++y)
        for (int32_t x = 0; x < a.width; ++x)
            if (a.at(x, y, channel) != b.at(x, y, channel)) return false;
    return true;
}

HandleSpy::HandleSpy(Host& host) : host_(host), original_(host.record().handleProcs), procs_(*original_) {
    procs_.lockProc = Lock;
    procs_.unlockProc = Unlock;
    host_.record().handleProcs = &procs_;
    active_ = this;
}

HandleSpy::~HandleSpy() {
    host_.record().handleProcs = original_;
    active_ = nullptr;
}

int32_t HandleSpy::locks(Handle h) const {
    auto it = locks_.find(h);
    return it == locks_.end() ? 0 : it->second;
}

int32_t HandleSpy::unlocks(Handle h) const {
    auto it = unlocks_.find(h);
    return it == unlocks_.end() ? 0 : it->second;
}

int32_t HandleSpy::totalLocks() const {
    int32_t n = 0;
    for (const auto& [h, count] : locks_) n += count;
    return n;
}

int32_t HandleSpy::totalUnlocks() const {
    int32_t n = 0;
    for (const auto& [h, count] : unlocks_) n += count;
    return n;
}

Ptr PI_CDECL HandleSpy::Lock(Handle h, Boolean moveHigh) {
    ++active_->locks_[h];
    return active_->failLocks_ ? nullptr : active_->original_->lockProc(h, moveHigh);
}

void PI_CDECL HandleSpy::Unlock(Handle h) {
    ++active_->unlocks_[h];
    active_->original_->unlockProc(h);
}

int Spawn(const std::vector<std::string>& args, const fs::path& errors) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (started != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

std::string PointsArgument(const WirePoints& p) {
    return std::to_string(p.startV) + "," + std::to_string(p.startH) + "," + std::to_string(p.endV) + "," +
           std::to_string(p.endH);
}

ScratchDir::ScratchDir() {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("linefix-host-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

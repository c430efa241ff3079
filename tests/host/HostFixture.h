// Shared helpers of the host interface tests: the real plug-in driven by
// filterhost's Host over a textured image crossed by a dark wire, the plug-in's
// two blocks as the host keeps them, and a spy on the handle procedures.
#pragma once

#include <filesystem>
#include <map>
#include <optional>

#include "Host.h"
#include "ParamBlocks.h"

extern "C" void PI_CDECL PluginMain(int16 selector, void* record, intptr_t* data, int16* result);

// The test image: kImageWidth x kImageHeight, a wire 3 pixels thick from
// (x 12, y 9) to (x 80, y 62), marked by kWire with the area width kWireWidth.
constexpr int32_t kImageWidth = 96;
constexpr int32_t kImageHeight = 72;
constexpr WirePoints kWire{9, 12, 62, 80};
constexpr int32_t kWireWidth = 24;

Image WiredImage(int32_t channels);
// Mean sample value on the wire's centre line, away from its ends.
double MeanOnWire(const Image& image);

// The blocks as the host holds them; each asserts that the handle exists.
Parameters ParametersOf(const Host& host);
PluginData DataOf(const Host& host);
void SetParameters(Host& host, int32_t width);
void SetData(Host& host, const PluginData& data);
PluginData MarkedData(const WirePoints& points, uint8_t showDialog);
WirePoints PointsOf(const PluginData& data);
bool SamePoints(const WirePoints& a, const WirePoints& b);

// The blocks as an earlier interactive run leaves them: the wire marked, the
// width set, no dialog pending. A run then goes prepare -> start -> ... finish.
void SetRepeatState(Host& host, int32_t width, const WirePoints& points = kWire);
// The handle in the host's data slot (null while there is none).
Handle DataHandleOf(Host& host);
// parameters, then the wire marked in the data block, as the dialog would.
int16_t ParametersAndMark(Host& host, const WirePoints& points = kWire);

// The width stored in the host's descriptor registry.
void RegisterWidth(Host& host, int32_t width);
std::optional<int32_t> RegisteredWidth(Host& host);

// The scripting descriptor handed to the plug-in: none at all, or raw bytes.
void ClearScript(Host& host);
Handle SetRawScript(Host& host, const Bytes& bytes, int16_t playInfo);
Descriptor WidthScript(int32_t width);
PIDescriptorParameters& ScriptBlock(Host& host);

// Equal sizes and samples.
bool SameImage(const Image& a, const Image& b);
// Samples of one channel equal in both images.
bool SamePlane(const Image& a, const Image& b, int32_t channel);

// Replaces the host's handle procedures by ones that count locks and unlocks
// per handle and can refuse every lock; the host's own ones do the work.
class HandleSpy {
public:
    explicit HandleSpy(Host& host);
    ~HandleSpy();
    HandleSpy(const HandleSpy&) = delete;
    HandleSpy& operator=(const HandleSpy&) = delete;

    void failLocks() { failLocks_ = true; }
    int32_t locks(Handle h) const;
    int32_t unlocks(Handle h) const;
    int32_t totalLocks() const;
    int32_t totalUnlocks() const;

private:
    static Ptr PI_CDECL Lock(Handle h, Boolean moveHigh);
    static void PI_CDECL Unlock(Handle h);
    static inline HandleSpy* active_ = nullptr;

    Host& host_;
    HandleProcs* original_;
    HandleProcs procs_;
    std::map<Handle, int32_t> locks_;
    std::map<Handle, int32_t> unlocks_;
    bool failLocks_ = false;
};

// Runs the program with args; its messages go to errors. The exit code, or
// -1 when it could not be started or did not exit normally.
int Spawn(const std::vector<std::string>& args, const std::filesystem::path& errors);
// The points as filterhost's --points takes them.
std::string PointsArgument(const WirePoints& p);

// A fresh folder, removed with everything in it at the end of the test.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::filesystem::path operator/(const char* name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

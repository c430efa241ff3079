// A filter host over one image: builds the filter record and its suites,
// calls a plug-in's entry point with single selectors or whole runs, and keeps
// the plug-in's parameters and data handles between calls as hosts do.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "ActionDescriptors.h"
#include "BasicSuite.h"
#include "BufferSuite.h"
#include "DescriptorProcs.h"
#include "HandleSuite.h"
#include "HostWindow.h"
#include "ImageRequests.h"
#include "ParamBlocks.h"
#include "ProgressMonitor.h"
#include "Registry.h"
#include "RegistrySuite.h"
#include "UrlBrowser.h"

struct HostFaults {
    int32_t failHandleAt = 0;      // the plug-in's k-th newProc call fails
    int32_t failBufferAt = 0;      // k-th buffer allocation fails
    AdvanceFault advance;          // k-th advanceState returns a code
    int32_t cancelAt = 0;          // abortProc answers true from its k-th call on
};

struct HostOptions {
    bool bigDocument = true;          // offer bigDocumentData
    bool basicSuite = true;           // offer sSPBasic
    bool descriptorParameters = true; // offer descriptorParameters ...
    bool descriptorProcs = true;      // ... with its read and write procedures
    OSType hostSig = kFilterhostSignature;
    int32_t depth = 0;                // 0: the image's own; 16 holds an 8-bit image in 2-byte samples 0..32768
    bool lab = false;                 // the three colour channels are L, a, b
    int64_t bufferSpace = int64_t(256) << 20;
    std::filesystem::path registryFile;  // empty: the registry lives in memory only
    bool openBrowser = true;          // BrowseUrl starts the system's browser; false: only records
    HostFaults faults;
    ProgressMonitor::Observer onProgress;
};

// The two wire end points, row and column each, as the plug-in keeps them.
struct WirePoints {
    int32_t startV, startH, endV, endH;
};

struct FirstRun {
    std::optional<WirePoints> points;
    std::optional<int32_t> width;  // recorded in the script; otherwise the plug-in's own width stands
    std::vector<WirePoint> laterPoints{};  // with points: points 3.., at most kMaxWirePoints - 2
};

// Where a run stopped: the selector and the plug-in's (or advanceState's) code.
struct Outcome {
    int16_t selector = filterSelectorFinish;
    int16_t code = noErr;
    bool ok() const { return code == noErr; }
};

class Host {
public:
    // Throws HostError for an image the record cannot describe or a bad registry file.
    Host(const Image& image, HostOptions options = {});
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // One selector (1..5) with the filter record; pending output is written back after it.
    int16_t call(PluginMainProc plugin, int16_t selector);
    // The about selector, with the owner window for the plug-in's about box.
    int16_t about(PluginMainProc plugin);

    // parameters, then the points and width stored into the blocks, then run().
    Outcome runFirst(PluginMainProc plugin, const FirstRun& settings);
    // prepare, start, continue while data is asked for, finish: a repeated filter.
    Outcome run(PluginMainProc plugin);
    // parameters, then run() without a scripting descriptor and with the owner
    // window, so that the plug-in shows its dialog.
    Outcome runInteractive(PluginMainProc plugin);

    std::optional<Bytes> parameters() const;  // none while there is no handle
    void setParameters(const Bytes& contents);
    std::optional<Bytes> data() const;
    void setData(const Bytes& contents);

    void setScript(const Descriptor& descriptor, int16_t playInfo);
    std::optional<Descriptor> recordedDescriptor() const;  // what the descriptor handle holds now
    int16_t recordInfo() const;

    // The result as an image like the one given: its depth, channels and alpha.
    Image output() const { return output_.toImage(input_, source_); }
    const ImagePlanes& inputPlanes() const { return input_; }
    const ImagePlanes& outputPlanes() const { return output_; }
    FilterRecord& record() { return record_; }
    HandleSuite& handles() { return handles_; }
    BufferSuite& buffers() { return buffers_; }
    ProgressMonitor& progress() { return monitor_; }
    ImageRequests& requests() { return requests_; }
    BasicSuite& basicSuite() { return basic_; }
    Registry& registry() { return registry_; }
    ActionDescriptors& actionDescriptors() { return actions_; }
    DescriptorProcs& descriptorProcs() { return descriptorProcs_; }
    const std::vector<std::string>& browsedUrls() const { return browser_.urls(); }

    // Continue calls allowed in one run before the plug-in is taken as stuck.
    static constexpr int32_t kMaxContinueCalls = 1 << 24;

private:
    class Activation;
    Outcome continueLoop(PluginMainProc plugin);
    Handle dataHandle() const;
    Handle replaceHandle(Handle old, const Bytes& contents);
    void storeFirstRun(const FirstRun& settings);
    void offerOwnerWindow();

    HostOptions options_;
    Image source_;
    ImagePlanes input_;
    ImagePlanes output_;
    FilterRecord record_;
    BigDocumentStruct bigDocument_;
    PIDescriptorParameters descriptorParameters_;
    PlatformData platformData_;
    intptr_t dataSlot_ = 0;
    HandleSuite handles_;
    BufferSuite buffers_;
    ProgressMonitor monitor_;
    ImageRequests requests_;
    DescriptorProcs descriptorProcs_;
    ActionDescriptors actions_;
    Registry registry_;
    RegistrySuite registrySuite_;
    UrlBrowser browser_;
    BasicSuite basic_;
    std::unique_ptr<HostWindow> window_;  // made when a plug-in may show a window
};

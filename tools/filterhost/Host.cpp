#include "Host.h"

#include <algorithm>
#include <cstring>

#include "Active.h"
#include "DisplayPixels.h"
#include "FilterRecordImage.h"
#include "HostError.h"
#include "ParamBlocks.h"

namespace {

constexpr Fixed kScreenResolution = 72 << 16;

int32_t Clamp32(int64_t v) { return int32_t(std::min<int64_t>(v, INT32_MAX)); }

}  // namespace

// Makes the host's callback objects reachable from the plug-in's calls.
class Host::Activation {
public:
    explicit Activation(Host& h)
        : handles_(h.handles_), buffers_(h.buffers_), monitor_(h.monitor_), requests_(h.requests_),
          descriptorProcs_(h.descriptorProcs_), actions_(h.actions_), registry_(h.registrySuite_), browser_(h.browser_),
          basic_(h.basic_) {}

private:
    Active<HandleSuite>::Scope handles_;
    Active<BufferSuite>::Scope buffers_;
    Active<ProgressMonitor>::Scope monitor_;
    Active<ImageRequests>::Scope requests_;
    Active<DescriptorProcs>::Scope descriptorProcs_;
    Active<ActionDescriptors>::Scope actions_;
    Active<RegistrySuite>::Scope registry_;
    Active<UrlBrowser>::Scope browser_;
    Active<BasicSuite>::Scope basic_;
};

Host::Host(const Image& image, HostOptions options)
    : options_(std::move(options)),
      source_(image),
      input_(image, options_.depth ? options_.depth : image.depth, options_.lab),
      output_(input_),
      record_{},
      bigDocument_{},
      descriptorParameters_{},
      platformData_{0},
      handles_(options_.faults.failHandleAt),
      buffers_(options_.bufferSpace, options_.faults.failBufferAt),
      monitor_(options_.faults.cancelAt, options_.onProgress),
      requests_(record_, input_, output_, options_.faults.advance),
      descriptorProcs_(handles_),
      registry_(options_.registryFile),
      registrySuite_(registry_, actions_),
      browser_(options_.openBrowser),
      basic_(actions_, registrySuite_, browser_) {
    DescribeImage(record_, options_.bigDocument ? &bigDocument_ : nullptr, input_);
    record_.bigDocumentData = options_.bigDocument ? &bigDocument_ : nullptr;
    record_.abortProc = monitor_.abortProc();
    record_.progressProc = monitor_.progressProc();
    record_.background = {65535, 65535, 65535};
    std::fill(std::begin(record_.backColor), std::end(record_.backColor), uint8_t(255));
    record_.maxSpace = record_.bufferSpace = Clamp32(options_.bufferSpace);
    record_.maxSpace64 = record_.bufferSpace64 = options_.bufferSpace;
    record_.hostSig = options_.hostSig;
    record_.imageHRes = record_.imageVRes = kScreenResolution;
    record_.platformData = &platformData_;
    record_.bufferProcs = buffers_.procs();
    record_.handleProcs = handles_.procs();
    record_.displayPixels = DisplayPixels();
    record_.advanceState = requests_.proc();
    record_.supportsPadding = true;
    record_.inputPadding = record_.outputPadding = record_.maskPadding = kPadErrorOnBounds;
    record_.samplingSupport = hostSupportsIntegralSampling;
    record_.inputRate = record_.maskRate = kFixedOne;
    record_.sSPBasic = options_.basicSuite ? basic_.table() : nullptr;
    descriptorParameters_.playInfo = plugInDialogDisplay;
    descriptorParameters_.recordInfo = plugInDialogOptional;
    if (options_.descriptorProcs) {
        descriptorParameters_.readDescriptorProcs = descriptorProcs_.readProcs();
        descriptorParameters_.writeDescriptorProcs = descriptorProcs_.writeProcs();
    }
    record_.descriptorParameters = options_.descriptorParameters ? &descriptorParameters_ : nullptr;
}

Host::~Host() = default;

int16_t Host::call(PluginMainProc plugin, int16_t selector) {
    Activation active(*this);
    int16 result = noErr;
    plugin(selector, &record_, &dataSlot_, &result);
    requests_.flush();
    return result;
}

int16_t Host::about(PluginMainProc plugin) {
    offerOwnerWindow();
    Activation active(*this);
    AboutRecord about{};
    about.platformData = &platformData_;
    about.sSPBasic = record_.sSPBasic;
    int16 result = noErr;
    plugin(filterSelectorAbout, &about, &dataSlot_, &result);
    return result;
}

Outcome Host::runFirst(PluginMainProc plugin, const FirstRun& settings) {
    Descriptor script;
    if (settings.width) script.putInteger(keyWireAreaWidth, *settings.width);
    setScript(script, plugInDialogDontDisplay);
    if (int16_t err = call(plugin, filterSelectorParameters)) return {filterSelectorParameters, err};
    storeFirstRun(settings);
    return run(plugin);
}

Outcome Host::run(PluginMainProc plugin) {
    for (int16_t selector : {filterSelectorPrepare, filterSelectorStart})
        if (int16_t err = call(plugin, selector)) return {selector, err};
    Outcome continued = continueLoop(plugin);
    if (!continued.ok()) return continued;
    return {filterSelectorFinish, call(plugin, filterSelectorFinish)};
}

Outcome Host::runInteractive(PluginMainProc plugin) {
    offerOwnerWindow();
    descriptorParameters_.playInfo = plugInDialogDisplay;
    if (int16_t err = call(plugin, filterSelectorParameters)) return {filterSelectorParameters, err};
    return run(plugin);
}

void Host::offerOwnerWindow() {
    if (!window_) window_ = std::make_unique<HostWindow>();
    platformData_.hwnd = window_->handle();
}

// The host's side of the continue protocol: deliver what is asked for, call
// continue, until every requested rectangle is empty.
Outcome Host::continueLoop(PluginMainProc plugin) {
    for (int32_t calls = 0; requests_.wantsData(); ++calls) {
        if (calls == kMaxContinueCalls)
            throw HostError("the plug-in still asks for data after " + std::to_string(calls) + " continue calls");
        if (OSErr err = requests_.serve()) return {filterSelectorContinue, err};
        if (int16_t err = call(plugin, filterSelectorContinue)) return {filterSelectorContinue, err};
    }
    return {filterSelectorContinue, noErr};
}

void Host::storeFirstRun(const FirstRun& settings) {
    auto store = [this](Handle h, size_t offset, int32_t value, const char* what) {
        if (!handles_.owns(h) || size_t(handles_.size(h)) < offset + sizeof value)
            throw HostError(std::string("the plug-in's ") + what + " block is missing or too small");
        std::memcpy(*h + offset, &value, sizeof value);
    };
    if (settings.points) {
        Handle data = dataHandle();
        store(data, offsetof(PluginData, startV), settings.points->startV, "data");
        store(data, offsetof(PluginData, startH), settings.points->startH, "data");
        store(data, offsetof(PluginData, endV), settings.points->endV, "data");
        store(data, offsetof(PluginData, endH), settings.points->endH, "data");
        for (size_t k = 0; k < settings.laterPoints.size(); ++k) {
            const size_t at = offsetof(PluginData, laterPoints) + k * sizeof(WirePoint);
            store(data, at + offsetof(WirePoint, v), settings.laterPoints[k].v, "data");
            store(data, at + offsetof(WirePoint, h), settings.laterPoints[k].h, "data");
        }
        store(data, offsetof(PluginData, pointCount), int32_t(2 + settings.laterPoints.size()), "data");
    }
    if (settings.width) store(record_.parameters, offsetof(Parameters, wireAreaWidth), *settings.width, "parameters");
}

std::optional<Bytes> Host::parameters() const {
    if (!handles_.owns(record_.parameters)) return std::nullopt;
    return handles_.contents(record_.parameters);
}

void Host::setParameters(const Bytes& contents) { record_.parameters = replaceHandle(record_.parameters, contents); }

std::optional<Bytes> Host::data() const {
    Handle h = dataHandle();
    if (!handles_.owns(h)) return std::nullopt;
    return handles_.contents(h);
}

void Host::setData(const Bytes& contents) {
    dataSlot_ = reinterpret_cast<intptr_t>(replaceHandle(dataHandle(), contents));
}

void Host::setScript(const Descriptor& descriptor, int16_t playInfo) {
    descriptorParameters_.descriptor = replaceHandle(descriptorParameters_.descriptor, descriptor.serialize());
    descriptorParameters_.playInfo = playInfo;
    descriptorParameters_.recordInfo = plugInDialogOptional;
}

std::optional<Descriptor> Host::recordedDescriptor() const {
    Handle h = descriptorParameters_.descriptor;
    if (!handles_.owns(h)) return std::nullopt;
    try {
        return Descriptor::Parse(handles_.contents(h));
    } catch (const HostError&) {
        return std::nullopt;
    }
}

int16_t Host::recordInfo() const { return descriptorParameters_.recordInfo; }

Handle Host::dataHandle() const { return reinterpret_cast<Handle>(dataSlot_); }

// The record's fields are packed, so handles are passed by value, not by reference.
Handle Host::replaceHandle(Handle old, const Bytes& contents) {
    handles_.dispose(old);
    Handle h = handles_.createWith(contents);
    if (!h) throw HostError("cannot keep a block of " + std::to_string(contents.size()) + " bytes");
    return h;
}

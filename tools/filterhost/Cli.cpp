#include "Cli.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <system_error>

#include "CommandLine.h"
#include "HostError.h"
#include "ImageFile.h"
#include "Platform.h"
#include "PluginLoader.h"
#include "Session.h"

namespace fs = std::filesystem;

namespace {

constexpr char kRegistryFileName[] = ".filterhost-registry";

std::string SelectorName(int16_t selector) {
    static const char* const names[] = {"about", "parameters", "prepare", "start", "continue", "finish"};
    return selector >= 0 && selector <= filterSelectorFinish ? names[selector] : std::to_string(selector);
}

std::string Describe(const Outcome& outcome) {
    static const std::map<int16_t, const char*> meanings = {
        {2, "no complete wire marked, or its points are less than 2 pixels apart"},
        {paramErr, "bad parameter"},
        {memFullErr, "out of memory"},
        {userCanceledErr, "cancelled"},
        {errMissingParameter, "missing parameter"},
        {filterBadParameters, "bad parameters"},
        {errPlugInHostInsufficient, "the host lacks a service the plug-in needs"},
    };
    std::string text = "the plug-in failed in the " + SelectorName(outcome.selector) + " selector with code " +
                       std::to_string(outcome.code);
    auto it = meanings.find(outcome.code);
    return it == meanings.end() ? text : text + " (" + it->second + ")";
}

void CheckDistinct(const fs::path& in, const fs::path& out) {
    std::error_code ec;
    if (fs::equivalent(in, out, ec)) throw HostError("OUT is the same file as IN; IN is never overwritten");
}

void CheckInside(const CommandLine& line, const Image& image) {
    std::vector<WirePoint> points{{line.points->startV, line.points->startH}, {line.points->endV, line.points->endH}};
    points.insert(points.end(), line.laterPoints.begin(), line.laterPoints.end());
    for (auto [v, h] : points)
        if (v >= image.height || h >= image.width)
            throw HostError("--points: point " + std::to_string(v) + "," + std::to_string(h) + " lies outside the " +
                            std::to_string(image.width) + " x " + std::to_string(image.height) + " image");
}

fs::path RegistryPath(const CommandLine& line, std::ostream& err) {
    if (line.registry) return platform::PathFromUtf8(*line.registry);
    if (std::optional<fs::path> home = platform::HomeDirectory()) return *home / kRegistryFileName;
    err << "filterhost: warning: no home folder (HOME, USERPROFILE); remembered settings are not saved\n";
    return {};
}

// Shows the plug-in's progress on a terminal as a percentage on one line.
class ProgressLine {
public:
    explicit ProgressLine(std::ostream& err) : err_(err) {}
    ~ProgressLine() {
        if (shown_ >= 0) err_ << "\n";
    }

    void operator()(int32_t done, int32_t total) {
        if (total <= 0) return;
        int percent = int(int64_t(std::clamp(done, 0, total)) * 100 / total);
        if (percent == shown_) return;
        shown_ = percent;
        err_ << "\rfilterhost: " << percent << "%" << std::flush;
    }

private:
    std::ostream& err_;
    int shown_ = -1;
};

Outcome RunPlugin(Host& host, PluginMainProc entry, const CommandLine& line, const std::optional<Session>& session) {
    if (line.dialog) return host.runInteractive(entry);
    if (!session) return host.runFirst(entry, {line.points, line.width, line.laterPoints});
    if (!session->parameters.empty()) host.setParameters(session->parameters);
    if (!session->data.empty()) host.setData(session->data);
    host.setScript(session->descriptor.value_or(Descriptor{}), plugInDialogDontDisplay);
    return host.run(entry);
}

void RequireWindows(const char* option) {
    if (!platform::kHasWindows)
        throw HostError(std::string(option) + " shows the plug-in's windows and needs the Windows build of filterhost");
}

fs::path PluginPath(const CommandLine& line) {
    return line.plugin ? platform::PathFromUtf8(*line.plugin)
                       : platform::ExecutableDirectory() / PluginLoader::DefaultFileName();
}

bool BrowserWanted() {
    const char* suppress = std::getenv("FILTERHOST_NO_BROWSER");
    return !suppress || !*suppress;
}

// The about box needs no image; the host describes a one-pixel one.
void ShowAbout(const CommandLine& line, std::ostream& out) {
    RequireWindows("--about");
    PluginLoader plugin(PluginPath(line));
    HostOptions options;
    options.openBrowser = BrowserWanted();
    Host host(Image{1, 1, 3, Bytes(3, 255)}, options);
    if (int16_t err = host.about(plugin.entry())) throw HostError(Describe({filterSelectorAbout, err}));
    for (const std::string& url : host.browsedUrls()) out << "filterhost: the plug-in asked to open " << url << "\n";
}

void Execute(const CommandLine& line, std::ostream& err) {
    if (line.dialog) RequireWindows("--dialog");
    fs::path in = platform::PathFromUtf8(line.input), out = platform::PathFromUtf8(line.output);
    CheckWritableFormat(out);
    CheckDistinct(in, out);
    std::optional<Session> session;
    if (line.replay) session = LoadSession(platform::PathFromUtf8(*line.session));
    Image image = ReadImage(in);
    CheckWritable(out, image);  // the result has the input's depth and alpha
    if (line.points) CheckInside(line, image);
    PluginLoader plugin(PluginPath(line));
    auto progress = std::make_shared<ProgressLine>(err);
    HostOptions options;
    options.registryFile = RegistryPath(line, err);
    options.openBrowser = BrowserWanted();
    if (platform::StderrIsTerminal()) options.onProgress = [progress](int32_t d, int32_t t) { (*progress)(d, t); };
    Host host(image, options);
    Outcome outcome = RunPlugin(host, plugin.entry(), line, session);
    progress.reset();
    if (!host.registry().saveError().empty()) err << "filterhost: warning: " << host.registry().saveError() << "\n";
    if (line.dialog && outcome.selector == filterSelectorStart && outcome.code == userCanceledErr)
        throw HostError("the dialog was cancelled; OUT was not written");
    if (!outcome.ok()) throw HostError(Describe(outcome));
    WriteImage(out, host.output());
    if (line.session)
        SaveSession(platform::PathFromUtf8(*line.session),
                    {host.parameters().value_or(Bytes{}), host.data().value_or(Bytes{}), host.recordedDescriptor()});
}

}  // namespace

int RunFilterhost(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    try {
        line = ParseCommandLine(args);
    } catch (const HostError& e) {
        err << "filterhost: " << e.what() << "\n";
        return 2;
    }
    if (line.help) {
        out << UsageText();
        return 0;
    }
    try {
        if (line.about) ShowAbout(line, out);
        else Execute(line, err);
        return 0;
    } catch (const std::exception& e) {
        err << "filterhost: " << e.what() << "\n";
        return 1;
    }
}

#include "CommandLine.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "HostError.h"
#include "ParamBlocks.h"

namespace {

const char kUsage[] =
    "Usage: filterhost [options] IN OUT\n"
    "       filterhost --about [--plugin PATH]\n"
    "Runs the Linefix filter plug-in on the image IN and writes the result to OUT.\n"
    "\n"
    "Options:\n"
    "  --plugin PATH          plug-in to load (default: the one next to filterhost)\n"
    "  --points V1,H1,V2,H2[,V3,H3...]\n"
    "                         the wire's points as row,column pairs: its two end\n"
    "                         points, then for a wire that sags further points\n"
    "                         along it, up to 16 in all (required unless --replay)\n"
    "  --width N              width of the wire area in pixels, 5..200\n"
    "                         (default: the plug-in's remembered width)\n"
    "  --session FILE         save the filter's state in FILE after a successful run\n"
    "  --replay               repeat the run saved in --session FILE; takes no\n"
    "                         --points or --width\n"
    "  --dialog               mark the wire in the plug-in's dialog (Windows);\n"
    "                         takes no --points, --width or --replay. Cancelling\n"
    "                         the dialog writes no OUT\n"
    "  --about                show the plug-in's about box (Windows)\n"
    "  --registry FILE        descriptor registry (default: .filterhost-registry\n"
    "                         in the home folder)\n"
    "  --help                 show this help\n"
    "\n"
    "IN: a grey or RGB PNG, JPEG, BMP or TGA image, 8 bits per channel or (PNG) 16;\n"
    "with an alpha channel it is filtered as a layer with transparency, whose\n"
    "alpha comes back unchanged. OUT's format follows its extension (.png, .jpg,\n"
    ".jpeg, .bmp, .tga) and keeps IN's depth and alpha: 16 bits need .png, alpha\n"
    ".png or .tga. IN is never changed; OUT is written only on success.\n"
    "With FILTERHOST_NO_BROWSER set, web pages the plug-in asks for are printed\n"
    "instead of opened.\n";

int32_t ParseInt(const std::string& text, const std::string& option) {
    errno = 0;
    char* end = nullptr;
    long long v = text.empty() ? 0 : std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX ||
        !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-'))
        throw HostError(option + ": '" + text + "' is not a whole number");
    return int32_t(v);
}

// The first two pairs are the end points, the rest the later points.
std::vector<WirePoint> ParsePoints(const std::string& text) {
    std::vector<int32_t> values;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, ',');) values.push_back(ParseInt(part, "--points"));
    if (values.size() < 4 || values.size() % 2 != 0 || text.back() == ',')
        throw HostError("--points needs row,column pairs: V1,H1,V2,H2 and up to " +
                        std::to_string(kMaxWirePoints - 2) + " pairs more");
    if (values.size() > size_t(2 * kMaxWirePoints))
        throw HostError("--points gives " + std::to_string(values.size() / 2) + " points; a wire takes at most " +
                        std::to_string(kMaxWirePoints));
    for (int32_t v : values)
        if (v < 0) throw HostError("--points: coordinates cannot be negative");
    std::vector<WirePoint> points;
    for (size_t i = 0; i < values.size(); i += 2) points.push_back({values[i], values[i + 1]});
    return points;
}

int32_t ParseWidth(const std::string& text) {
    int32_t width = ParseInt(text, "--width");
    if (width < kMinWireAreaWidth || width > kMaxWireAreaWidth)
        throw HostError("--width must be between " + std::to_string(kMinWireAreaWidth) + " and " +
                        std::to_string(kMaxWireAreaWidth));
    return width;
}

template <class T>
void SetOnce(std::optional<T>& slot, T value, const std::string& option) {
    if (slot) throw HostError(option + " is given twice");
    slot = std::move(value);
}

class Parser {
public:
    explicit Parser(const std::vector<std::string>& args) : args_(args) {}

    CommandLine parse() {
        std::vector<std::string> positional;
        bool optionsEnded = false;
        while (i_ < args_.size()) {
            const std::string& arg = args_[i_++];
            if (optionsEnded || arg.size() < 2 || arg[0] != '-') positional.push_back(arg);
            else if (arg == "--") optionsEnded = true;
            else option(arg);
        }
        if (line_.help) return line_;
        if (line_.about) {
            checkAbout(positional);
            return line_;
        }
        if (positional.size() != 2)
            throw HostError(positional.size() < 2 ? "missing IN or OUT (see --help)" : "too many arguments (see --help)");
        line_.input = positional[0];
        line_.output = positional[1];
        checkCombination();
        return line_;
    }

private:
    void option(const std::string& arg) {
        std::string name = arg, value;
        bool inlineValue = false;
        if (size_t eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq), value = arg.substr(eq + 1), inlineValue = true;
        }
        auto takeValue = [&]() {
            if (inlineValue) return value;
            if (i_ >= args_.size()) throw HostError(name + " needs a value");
            return args_[i_++];
        };
        if (name == "--help") line_.help = true;
        else if (name == "--replay") line_.replay = true;
        else if (name == "--dialog") line_.dialog = true;
        else if (name == "--about") line_.about = true;
        else if (name == "--plugin") SetOnce(line_.plugin, takeValue(), name);
        else if (name == "--points") takePoints(ParsePoints(takeValue()));
        else if (name == "--width") SetOnce(line_.width, ParseWidth(takeValue()), name);
        else if (name == "--session") SetOnce(line_.session, takeValue(), name);
        else if (name == "--registry") SetOnce(line_.registry, takeValue(), name);
        else throw HostError("unknown option " + name + " (see --help)");
        if (inlineValue && (name == "--help" || name == "--replay" || name == "--dialog" || name == "--about"))
            throw HostError(name + " takes no value");
    }

    void takePoints(const std::vector<WirePoint>& points) {
        SetOnce(line_.points, WirePoints{points[0].v, points[0].h, points[1].v, points[1].h}, "--points");
        line_.laterPoints.assign(points.begin() + 2, points.end());
    }

    void checkAbout(const std::vector<std::string>& positional) const {
        if (!positional.empty()) throw HostError("--about takes no IN or OUT");
        if (line_.dialog || line_.replay || line_.points || line_.width || line_.session || line_.registry)
            throw HostError("--about takes no other option than --plugin");
    }

    void checkCombination() const {
        if (line_.dialog && (line_.points || line_.width || line_.replay))
            throw HostError("--dialog marks the wire in the dialog; it takes no --points, --width or --replay");
        if (line_.dialog) return;
        if (line_.replay && !line_.session) throw HostError("--replay needs --session FILE");
        if (line_.replay && (line_.points || line_.width))
            throw HostError("--replay repeats the saved run; it takes no --points or --width");
        if (!line_.replay && !line_.points) throw HostError("--points is required (see --help)");
    }

    const std::vector<std::string>& args_;
    size_t i_ = 0;
    CommandLine line_;
};

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) { return Parser(args).parse(); }

const char* UsageText() { return kUsage; }

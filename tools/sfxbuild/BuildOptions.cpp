#include "BuildOptions.h"

#include <cctype>
#include <cstdint>
#include <filesystem>

#include "BuildError.h"

const char kUsage[] =
    "usage: sfxbuild [options] ARCHIVE.7z OUT.exe\n"
    "Makes a self-extracting program: the stub, the 7-Zip extraction module, the\n"
    "language blocks, the settings and the archive, one after the other.\n"
    "\n"
    "  --title T                caption of the window and the boxes (at most 100 bytes)\n"
    "  --destination D          folder to extract to; may hold %temp%, %PROG%, %DESKTOP%, ...\n"
    "  --destination-mode 0|1|2 0 the destination (empty: the current folder),\n"
    "                           1 the temp folder, 2 the program-files folder\n"
    "  --overwrite overwrite|skip|ask\n"
    "                           what to do with files that exist (default ask)\n"
    "  --run FILE               file to open after extraction, relative to the\n"
    "                           destination; an .INF file is installed\n"
    "  --auto                   extract as soon as the archive is listed\n"
    "  --done-message           tell the user when extraction is complete\n"
    "  --hide-overwrite-choice  hide the overwrite choice\n"
    "  --hide-file-list         hide the list of files\n"
    "  --test-first             test the selected files first and write nothing\n"
    "                           unless every one of them is sound\n"
    "  --elevate                ask Windows for administrator rights at start (for a\n"
    "                           destination under Program Files); default: none\n"
    "  --language FILE          a language text (repeatable; the one of the user's\n"
    "                           language is shown, else the first; default: the\n"
    "                           built-in English and Russian ones, English first)\n"
    "  --label L                the archive's label (default: its file name)\n"
    "  --x64                    a 64-bit self-extractor, for 64-bit Windows without\n"
    "                           the 32-bit subsystem (Windows PE, Server) or huge\n"
    "                           dictionaries; default: 32-bit, for every Windows\n"
    "  --volume-size SIZE       an archive too large for one program (Windows starts\n"
    "                           none of 4 GiB or more): OUT.exe holds its first SIZE\n"
    "                           bytes, volumes OUT.002, OUT.003, ... beside it the\n"
    "                           next SIZE bytes each; SIZE in bytes, or with k, m or\n"
    "                           g after it (1024, 1024^2, 1024^3); ship them together\n"
    "  --stub FILE              the stub program (default: br7zsfx.exe beside\n"
    "                           sfxbuild, br7zsfx64.exe with --x64)\n"
    "  --module FILE            the extraction module (default: 7z.dll beside\n"
    "                           sfxbuild, 7z64.dll with --x64); both of one bitness\n"
    "  --help                   this text\n"
    "\n"
    "Settings are taken byte for byte, in the ANSI code page of the systems that are\n"
    "to show them. A language text holds one message a line, \"NUMBER=TEXT\",\n"
    "numbered from 1 without a gap (at most 100), with \\r, \\n, \\t and \\\\ as\n"
    "escapes; lines starting with \"#\" are comments. Ahead of message 1, the lines\n"
    "\"LANGUAGE=ID\" and \"CODEPAGE=CP\" name its Windows language and the code page\n"
    "of its bytes: it is then shown to users of that language, in any system code\n"
    "page; a text without them is shown in the system's. The lang folder of the\n"
    "sources has the English and Russian ones to start from.\n";

namespace {

constexpr char kStub32[] = "br7zsfx.exe";
constexpr char kModule32[] = "7z.dll";
constexpr char kStub64[] = "br7zsfx64.exe";
constexpr char kModule64[] = "7z64.dll";

int OverwriteModeByName(const std::string& name) {
    if (name == "overwrite") return 0;
    if (name == "skip") return 1;
    if (name == "ask") return 2;
    throw BuildError("--overwrite takes overwrite, skip or ask, not \"" + name + "\"");
}

int DestinationModeByName(const std::string& name) {
    if (name == "0" || name == "1" || name == "2") return name[0] - '0';
    throw BuildError("--destination-mode takes 0, 1 or 2, not \"" + name + "\"");
}

// Digits with an optional k, m or g after them, of at most 64 bits.
uint64_t ByteSizeByName(const std::string& text) {
    const auto refuse = [&]() -> uint64_t {
        throw BuildError("--volume-size takes a number of bytes, with k, m or g after it, not \"" + text + "\"");
    };
    size_t digits = 0;
    uint64_t value = 0;
    for (; digits < text.size() && text[digits] >= '0' && text[digits] <= '9'; ++digits) {
        if (value > (UINT64_MAX - 9) / 10) return refuse();
        value = value * 10 + uint64_t(text[digits] - '0');
    }
    if (digits == 0 || text.size() - digits > 1) return refuse();
    const std::string units = "kmg";
    const size_t unit = digits < text.size() ? units.find(char(std::tolower(static_cast<unsigned char>(text[digits])))) : 0;
    if (unit == std::string::npos) return refuse();
    const int shift = digits < text.size() ? 10 * int(unit + 1) : 0;
    if (value > (UINT64_MAX >> shift)) return refuse();
    return value << shift;
}

}  // namespace

BuildOptions ParseBuildOptions(const std::vector<std::string>& arguments, const std::string& toolFolder) {
    BuildOptions options;
    std::vector<std::string> operands;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) throw BuildError(argument + " needs a value");
            return arguments[++i];
        };
        if (argument == "--help") options.help = true;
        else if (argument == "--title") options.title = value();
        else if (argument == "--destination") options.destination = value();
        else if (argument == "--destination-mode") options.destinationMode = DestinationModeByName(value());
        else if (argument == "--overwrite") options.overwriteMode = OverwriteModeByName(value());
        else if (argument == "--run") options.runCommand = value();
        else if (argument == "--auto") options.autoExtract = true;
        else if (argument == "--done-message") options.doneMessage = true;
        else if (argument == "--hide-overwrite-choice") options.hideOverwriteChoice = true;
        else if (argument == "--hide-file-list") options.hideFileList = true;
        else if (argument == "--test-first") options.testFirst = true;
        else if (argument == "--elevate") options.elevate = true;
        else if (argument == "--x64") options.x64 = true;
        else if (argument == "--volume-size") options.volumeSize = ByteSizeByName(value());
        else if (argument == "--language") options.languages.push_back(value());
        else if (argument == "--label") options.label = value();
        else if (argument == "--stub") options.stub = value();
        else if (argument == "--module") options.module = value();
        else if (argument.size() > 1 && argument[0] == '-') throw BuildError("unknown option " + argument);
        else operands.push_back(argument);
    }
    if (options.help) return options;
    if (operands.size() != 2) throw BuildError("expected ARCHIVE.7z and OUT.exe (see --help)");
    options.archive = operands[0];
    options.output = operands[1];
    const std::filesystem::path folder(toolFolder);
    if (options.stub.empty()) options.stub = (folder / (options.x64 ? kStub64 : kStub32)).string();
    if (options.module.empty()) options.module = (folder / (options.x64 ? kModule64 : kModule32)).string();
    return options;
}

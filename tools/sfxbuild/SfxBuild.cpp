#include "SfxBuild.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>

#include "BuildError.h"
#include "Crc32.h"
#include "FileAccess.h"
#include "LanguageText.h"
#include "PayloadError.h"
#include "PayloadSeal.h"
#include "PeHeaders.h"
#include "PeImageEnd.h"
#include "SettingsFromOptions.h"
#include "SevenZipHeader.h"
#include "VolumePlan.h"
#include "VolumeTable.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxLanguageBlocks = 32;

void CheckSevenZipFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw BuildError("cannot open " + path);
    uint8_t head[kSevenZipSignatureHeaderSize] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    const size_t got = size_t(in.gcount());
    std::error_code error;
    const uint64_t size = fs::file_size(path, error);
    if (in.bad() || error) throw BuildError("cannot read " + path);
    CheckSevenZipHeader(head, got, size, path.c_str());
}

// The stub with its seal filled in over the pieces that follow it.
std::vector<uint8_t> SealedStub(std::vector<uint8_t> stub, const std::string& path,
                                const std::vector<const std::vector<uint8_t>*>& sealed) {
    PayloadSeal seal;
    for (const std::vector<uint8_t>* piece : sealed) {
        seal.crc = Crc32(piece->data(), piece->size(), seal.crc);
        seal.length += piece->size();
    }
    MemorySource source(stub);
    uint64_t at = 0;
    try {
        at = FindSealRecord(source);
    } catch (const PayloadError& e) {
        throw BuildError("the stub " + path + " has no place for the seal: " + e.what());
    }
    const auto record = SealRecordBytes(seal);
    std::copy(record.begin(), record.end(), stub.begin() + std::ptrdiff_t(at));
    return stub;
}

// The stub's manifest asks for the rights of whoever starts it; the blanks
// after that level leave room for the administrator's, written in place so
// that nothing else in the stub moves.
constexpr char kInvokerLevel[] = "level=\"asInvoker\"           ";
constexpr char kAdministratorLevel[] = "level=\"requireAdministrator\"";
static_assert(sizeof kInvokerLevel == sizeof kAdministratorLevel);

void RequireAdministrator(std::vector<uint8_t>& stub, const std::string& path) {
    const std::string_view invoker(kInvokerLevel, sizeof kInvokerLevel - 1);
    const auto at = std::search(stub.begin(), stub.end(), invoker.begin(), invoker.end());
    if (at == stub.end() || std::search(at + 1, stub.end(), invoker.begin(), invoker.end()) != stub.end())
        throw BuildError("the stub " + path + " has no one execution level to raise");
    std::copy(kAdministratorLevel, kAdministratorLevel + invoker.size(), at);
}

// Writing the output over one of the inputs would lose it.
void CheckOutputIsNoInput(const BuildOptions& options) {
    for (const std::string& input : {options.stub, options.module, options.archive}) {
        std::error_code error;
        if (fs::equivalent(options.output, input, error))
            throw BuildError("the output " + options.output + " is one of the inputs");
    }
}

// The stub loads the module into its own process, so the two are of one
// bitness, the one asked for.
void CheckBitness(const BuildOptions& options, int stubBitness, int moduleBitness) {
    const auto bits = [](int bitness) { return std::to_string(bitness) + "-bit"; };
    if (stubBitness != moduleBitness)
        throw BuildError("the stub " + options.stub + " is " + bits(stubBitness) + " and the module " + options.module +
                         " is " + bits(moduleBitness) + ": both must be of one bitness");
    if (options.x64 && stubBitness != 64)
        throw BuildError("--x64 needs a 64-bit stub and module; " + options.stub + " is " + bits(stubBitness));
}

uint64_t FileSizeOf(const std::string& path) {
    std::error_code error;
    const uint64_t size = fs::file_size(path, error);
    if (error) throw BuildError("cannot read " + path);
    return size;
}

// The table of the volumes that hold the archive's parts after the first.
std::vector<uint8_t> VolumeTableOf(const std::string& archive, const std::vector<uint64_t>& parts) {
    InputFile in(archive);
    VolumeTable table{parts[0], parts[0], {}};
    for (size_t i = 1; i < parts.size(); ++i) {
        try {
            table.fingerprints.push_back(VolumeFingerprint(in, table.archiveLength, parts[i]));
        } catch (const PayloadError&) {
            throw BuildError("cannot read " + archive);
        }
        table.archiveLength += parts[i];
    }
    return VolumeTableBytes(table);
}

// Volumes of the program's name after its own last one are left from an
// earlier build; they are not removed, since they may be somebody's files.
std::vector<std::string> StrayVolumes(const std::string& output, size_t partCount) {
    std::vector<std::string> stray;
    for (size_t volume = std::max<size_t>(partCount + 1, 2); volume <= kMaxArchiveParts; ++volume) {
        const std::string path = VolumePath(output, int(volume));
        std::error_code error;
        if (!fs::exists(path, error)) break;
        stray.push_back(path);
    }
    return stray;
}

}  // namespace

int CheckImageFile(const std::vector<uint8_t>& file, const std::string& role, const std::string& path) {
    MemorySource source(file);
    uint64_t end = 0;
    int bitness = 0;
    try {
        end = PeImageEnd(source, 0);
        bitness = PeBitness(ReadPeHeaders(source, 0));
    } catch (const PayloadError& e) {
        throw BuildError("the " + role + " " + path + " is not a sound PE image: " + e.what());
    }
    if (end != file.size())
        throw BuildError("the " + role + " " + path + " does not end where its image ends (image " +
                         std::to_string(end) + " bytes, file " + std::to_string(file.size()) + ")");
    if (bitness == 0)
        throw BuildError("the " + role + " " + path + " is neither a 32-bit (x86) nor a 64-bit (x64) image");
    return bitness;
}

std::vector<uint8_t> LanguageBlocks(const std::vector<std::string>& languageFiles) {
    if (languageFiles.size() > kMaxLanguageBlocks)
        throw BuildError(std::to_string(languageFiles.size()) + " languages; at most 32 fit");
    std::vector<uint8_t> blocks;
    if (languageFiles.empty()) {
        const std::pair<const unsigned char*, size_t> builtIn[] = {
            {kEnglishLanguageText, kEnglishLanguageTextSize}, {kRussianLanguageText, kRussianLanguageTextSize}};
        for (const auto& [bytes, size] : builtIn) {
            const std::string text(reinterpret_cast<const char*>(bytes), size);
            const std::vector<uint8_t> block = MakeLanguageBlock(ParseLanguageText(text, "a built-in text"), "built in");
            blocks.insert(blocks.end(), block.begin(), block.end());
        }
        return blocks;
    }
    for (const std::string& path : languageFiles) {
        const std::vector<uint8_t> file = ReadWholeFile(path);
        const std::string text(file.begin(), file.end());
        const std::vector<uint8_t> block = MakeLanguageBlock(ParseLanguageText(text, path), path);
        blocks.insert(blocks.end(), block.begin(), block.end());
    }
    return blocks;
}

BuildResult BuildSfx(const BuildOptions& options) {
    const SfxSettings settings = SettingsFromOptions(options, fs::path(options.archive).filename().string());
    std::vector<uint8_t> stub = ReadWholeFile(options.stub);
    const int stubBitness = CheckImageFile(stub, "stub", options.stub);
    if (options.elevate) RequireAdministrator(stub, options.stub);
    const std::vector<uint8_t> module = ReadWholeFile(options.module);
    const int moduleBitness = CheckImageFile(module, "module", options.module);
    CheckBitness(options, stubBitness, moduleBitness);
    const std::vector<uint8_t> languages = LanguageBlocks(options.languages);
    CheckSevenZipFile(options.archive);
    CheckOutputIsNoInput(options);

    const auto* settingsBytes = reinterpret_cast<const uint8_t*>(&settings);
    const std::vector<uint8_t> settingsBlock(settingsBytes, settingsBytes + sizeof settings);

    const uint64_t prefixSize = stub.size() + module.size() + languages.size() + settingsBlock.size();
    const std::vector<uint64_t> parts =
        PlanArchiveParts(prefixSize, FileSizeOf(options.archive), options.volumeSize, options.output);
    const std::vector<uint8_t> table = parts.size() > 1 ? VolumeTableOf(options.archive, parts) : std::vector<uint8_t>();

    OutputFile out(options.output);
    out.Write(SealedStub(stub, options.stub, {&module, &languages, &settingsBlock, &table}));
    out.Write(module);
    out.Write(languages);
    out.Write(settingsBlock);
    out.Write(table);
    out.CopyFrom(options.archive, 0, parts[0]);
    BuildResult result;
    std::vector<std::unique_ptr<OutputFile>> volumes;
    uint64_t offset = parts[0];
    for (size_t i = 1; i < parts.size(); ++i) {
        result.volumes.push_back(VolumePath(options.output, int(i + 1)));
        volumes.push_back(std::make_unique<OutputFile>(result.volumes.back()));
        volumes.back()->CopyFrom(options.archive, offset, parts[i]);
        offset += parts[i];
    }
    for (const auto& volume : volumes) volume->Commit();
    out.Commit();
    result.strayVolumes = StrayVolumes(options.output, parts.size());
    return result;
}

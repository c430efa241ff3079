#include "VolumePlan.h"

#include <algorithm>
#include <filesystem>

#include "BuildError.h"
#include "VolumeLayout.h"
#include "VolumeTable.h"

namespace {

constexpr char kNoLargerProgram[] =
    ", and Windows starts no program of 4 GiB (4294967296 bytes) or more";

std::string Bytes(uint64_t count) { return std::to_string(count) + " bytes"; }

}  // namespace

std::vector<uint64_t> PlanArchiveParts(uint64_t prefixSize, uint64_t archiveSize, std::optional<uint64_t> volumeSize,
                                       const std::string& output) {
    if (!volumeSize) {
        if (prefixSize > kLargestExecutable || archiveSize > kLargestExecutable - prefixSize)
            throw BuildError(output + " would be " + Bytes(prefixSize + archiveSize) + kNoLargerProgram +
                             ": give --volume-size SIZE (say, --volume-size 2g) to put the rest of the archive "
                             "into volumes beside it");
        return {archiveSize};
    }
    const uint64_t size = *volumeSize;
    if (size < kSmallestVolumeSize)
        throw BuildError("--volume-size " + std::to_string(size) + " is too small: at least 4k (4096 bytes)");
    const uint64_t parts = archiveSize / size + (archiveSize % size != 0 ? 1 : 0);
    if (parts > kMaxArchiveParts) {
        const uint64_t least = archiveSize / kMaxArchiveParts + (archiveSize % kMaxArchiveParts != 0 ? 1 : 0);
        throw BuildError("--volume-size " + std::to_string(size) + " is too small for this archive: " +
                         std::to_string(parts) + " parts, and at most 255 fit (the program and volumes .002 to "
                         ".255); give at least " + std::to_string(least));
    }
    const uint64_t before = prefixSize + (parts > 1 ? VolumeTableSize(size_t(parts - 1)) : 0);
    const uint64_t first = std::min(archiveSize, size);
    if (before > kLargestExecutable || first > kLargestExecutable - before)
        throw BuildError("--volume-size " + std::to_string(size) + " is too large: " + output + " would be " +
                         Bytes(before + first) + kNoLargerProgram + "; give at most " +
                         std::to_string(before < kLargestExecutable ? kLargestExecutable - before : 0));
    return PartLengths(archiveSize, size);
}

std::string VolumePath(const std::string& output, int volume) {
    return std::filesystem::path(output).replace_extension().string() + VolumeSuffix(volume);
}

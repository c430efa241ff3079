// How much of the archive goes into the program and how much into volumes
// beside it. Windows starts no executable of 4 GiB or more, on 64-bit
// Windows too, so a larger program is refused and the archive cut into
// volumes instead.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

constexpr uint64_t kLargestExecutable = (uint64_t(1) << 32) - 1;
constexpr uint64_t kSmallestVolumeSize = 4096;

// The lengths of the archive's parts, the program's first: prefixSize bytes
// come before the archive in the program (the volume table aside). One part
// when the archive fits whole into the program's share. Throws BuildError
// when the program would be too large to start, or volumeSize is too small
// or too large; output names the program in the message.
std::vector<uint64_t> PlanArchiveParts(uint64_t prefixSize, uint64_t archiveSize, std::optional<uint64_t> volumeSize,
                                       const std::string& output);

// The name of a volume beside the program: its name without the extension,
// then ".002", ".003", ...
std::string VolumePath(const std::string& output, int volume);

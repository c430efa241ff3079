// A logical stream spread over numbered volume files of one span size:
// name.001, name.002, ... Volume numbers count from 1.
#pragma once

#include <cstdint>
#include <string>

// Volume numbers above this have no name.
constexpr int kMaxVolume = 255;

// "." and the volume number left-padded with "0" to three digits.
std::string VolumeSuffix(int volume);

// base followed by the volume's suffix.
std::wstring VolumeName(const std::wstring& base, int volume);

// What the volumes beside a program are named from: its path without the
// extension of its file name, so that C:\x\Setup.exe has C:\x\Setup.002 and
// a renamed program the volumes of its new name.
std::wstring ProgramVolumeBase(const std::wstring& programPath);

struct VolumePlace {
    int volume;
    int64_t offset;  // within that volume's file
    bool operator==(const VolumePlace& o) const { return volume == o.volume && offset == o.offset; }
};

// The volume and offset of a position of the whole stream (0 or above). A
// position on a boundary is the end of the earlier volume, so that the end of
// a set whose last volume is full lies in that volume; reads go on into the
// next volume from there.
VolumePlace LocateInVolumes(int64_t position, int64_t spanSize);

// The position in the whole stream of an offset in a volume.
int64_t StreamPosition(VolumePlace place, int64_t spanSize);

// How many of size bytes a read at offset of a volume may take: it never runs
// on into the next volume.
uint32_t ClipToVolume(int64_t offset, uint32_t size, int64_t spanSize);

#include "VolumeLayout.h"

std::string VolumeSuffix(int volume) {
    std::string digits = std::to_string(volume);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return "." + digits;
}

std::wstring VolumeName(const std::wstring& base, int volume) {
    const std::string suffix = VolumeSuffix(volume);  // digits and a dot: the same in every code page
    return base + std::wstring(suffix.begin(), suffix.end());
}

std::wstring ProgramVolumeBase(const std::wstring& programPath) {
    const size_t name = programPath.find_last_of(L"\\/");
    const size_t dot = programPath.find_last_of(L'.');
    const size_t nameStart = name == std::wstring::npos ? 0 : name + 1;
    // A name that starts with its only dot has no extension.
    if (dot == std::wstring::npos || dot <= nameStart) return programPath;
    return programPath.substr(0, dot);
}

VolumePlace LocateInVolumes(int64_t position, int64_t spanSize) {
    if (position == 0) return {1, 0};
    const int64_t index = (position - 1) / spanSize;
    const int64_t volume = index + 1;
    return {volume > kMaxVolume + 1 ? kMaxVolume + 1 : int(volume), position - index * spanSize};
}

int64_t StreamPosition(VolumePlace place, int64_t spanSize) {
    return int64_t(place.volume - 1) * spanSize + place.offset;
}

uint32_t ClipToVolume(int64_t offset, uint32_t size, int64_t spanSize) {
    if (offset >= spanSize) return 0;
    const int64_t room = spanSize - offset;
    return room < int64_t(size) ? uint32_t(room) : size;
}

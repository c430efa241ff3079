#include "VolumeLayout.h"

std::wstring VolumeSuffix(int volume) {
    const std::string narrow = std::to_string(volume);  // the wide form would bring in a printf
    std::wstring digits(narrow.begin(), narrow.end());
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), L'0');
    return L"." + digits;
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

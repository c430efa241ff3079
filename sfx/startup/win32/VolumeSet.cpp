#include "VolumeSet.h"

#include "PayloadError.h"
#include "VolumeLayout.h"

namespace {

std::vector<HeldVolume> heldVolumes;

bool IsTheVolume(PayloadFile& file, uint64_t length, uint32_t fingerprint) {
    try {
        return file.Size() == length && VolumeFingerprint(file, 0, length) == fingerprint;
    } catch (const PayloadError&) {
        return false;
    }
}

}  // namespace

std::wstring OpenVolumeSet(const VolumeTable& table) {
    const std::vector<uint64_t> lengths = PartLengths(table.archiveLength, table.partSize);
    const std::wstring base = ProgramVolumeBase(OwnExecutablePath());
    for (size_t i = 0; i < table.fingerprints.size() && i + 1 < lengths.size(); ++i) {
        HeldVolume volume{VolumeName(base, int(i + 2)), nullptr};
        try {
            volume.file = std::make_unique<PayloadFile>(volume.path);
        } catch (const PayloadError&) {
            return volume.path;
        }
        if (!IsTheVolume(*volume.file, lengths[i + 1], table.fingerprints[i])) return volume.path;
        heldVolumes.push_back(std::move(volume));
    }
    return std::wstring();
}

const std::vector<HeldVolume>& HeldVolumes() { return heldVolumes; }

// The volumes beside the program that hold the rest of its archive: opened
// and checked against the volume table at start-up, before anything is
// extracted, and held like the program's own file until the process ends,
// so that none can be replaced between the check and the reading.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "PayloadFile.h"
#include "VolumeTable.h"

struct HeldVolume {
    std::wstring path;
    std::unique_ptr<PayloadFile> file;
};

// Opens volumes 2, 3, ... of the table, named after the program. Returns the
// path of the first that is missing, cannot be read, or is not the one the
// table describes (another length, another fingerprint); empty when every
// one is held.
std::wstring OpenVolumeSet(const VolumeTable& table);

const std::vector<HeldVolume>& HeldVolumes();

// Host-side constants of the filter interface that the shared declarations
// leave out, and the few types every part of the host library uses.
#pragma once

#include <cstdint>
#include <vector>

#include "HostInterface.h"

using Bytes = std::vector<uint8_t>;

constexpr OSType kFilterhostSignature = FourCC("FHst");
constexpr OSType kFilterKind = FourCC("8BFM");
constexpr Fixed kFixedOne = 0x10000;

enum : int16 {
    kPadEdgeReplication = -1,
    kPadNone = -2,
    kPadErrorOnBounds = -3,
};
enum : int16 { kFilterCaseFlatImageNoSelection = 1, kFilterCaseEditableTransparencyNoSelection = 4 };

enum : OSErr { kIoErr = -36, kNilHandleErr = -109 };
constexpr SPErr kSPUnimplementedError = 0x21494D50;  // '!IMP'

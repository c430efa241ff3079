#include "PayloadLayout.h"

#include "PeImageEnd.h"

PayloadLayout LocatePayload(ByteSource& exe) {
    PayloadLayout layout{};
    layout.moduleOffset = PeImageEnd(exe, 0);
    layout.moduleLength = PeImageEnd(exe, layout.moduleOffset);
    layout.languageBlocksOffset = layout.moduleOffset + layout.moduleLength;
    return layout;
}

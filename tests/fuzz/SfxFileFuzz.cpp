// A whole self-extractor read as the program body reads its own file: the
// module behind the image, the language blocks and the settings behind the
// module, the archive up to a signature's certificate table, a volume table
// where the seal would place one; then the steps that use the settings. What a reader accepts must lie inside the file, as
// the module and archive copies take it on trust.
#include "ArchiveEnd.h"
#include "FuzzSupport.h"
#include "PayloadError.h"
#include "PayloadLayout.h"
#include "SettingsBlock.h"
#include "VolumeTable.h"

namespace {

// The program cuts the archive by a table it accepts: its parts must come
// out as one per volume and the program's own.
void ReadTable(MemorySource& exe, uint64_t at, uint64_t size) {
    try {
        const VolumeTable table = ReadVolumeTable(exe, at, size);
        Require(PartLengths(table.archiveLength, table.partSize).size() == table.fingerprints.size() + 1,
                "the table's parts are its volumes and the program's own");
    } catch (const PayloadError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file = Bytes(data, size);
    MemorySource exe(file);
    ResetStartupState();
    SfxSettings settings{};
    try {
        const PayloadLayout layout = LocatePayload(exe);
        Require(layout.moduleOffset <= file.size() && layout.languageBlocksOffset <= file.size(),
                "the module lies inside the file");
        const uint64_t archiveOffset = ReadLanguagesAndSettings(exe, layout.languageBlocksOffset, settings);
        const uint64_t archiveEnd = ArchiveEnd(exe, archiveOffset);
        Require(archiveOffset <= archiveEnd && archiveEnd <= file.size(), "the archive lies inside the file");
        ReadTable(exe, archiveOffset, archiveEnd - archiveOffset);
    } catch (const PayloadError&) {
        return 0;
    }
    if (HasSettingsSignature(settings)) UseSettings(settings);
    return 0;
}

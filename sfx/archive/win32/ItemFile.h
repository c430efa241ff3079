// The file of one extracted item, from its creation to the item's end. A new
// file is written under its own name. A file that replaces an existing one is
// written under a replacement name beside it and takes the old file's place
// only once the item has ended sound, so that a damaged archive, a wrong
// password or a cancel never costs the user the old file.
#pragma once

#include <string>

#include "FileStreams.h"

class TItemFile {
public:
    // Opens stream on the file that the item is written to; false when none
    // could be created.
    bool Open(TOutFileStream& stream, const std::wstring& destination, bool replacing);
    // The item ended sound and its file is closed: a replacement takes the
    // old file's place. False, with the replacement removed and the old file
    // untouched, when the old file cannot be replaced.
    bool Keep();
    // The item failed or was cut off, its file closed: what was written goes,
    // and an old file stays as it was.
    void Discard();
    // The item's file under its final name, as the system takes it.
    const std::wstring& SystemName() const { return FDestination; }

private:
    std::wstring FWritten;      // the file being written, as the system takes it
    std::wstring FDestination;  // the item's final name, likewise
    bool FReplacing = false;
};

// Where the archive ends in the executable. An Authenticode signature added
// after the build appends its certificate table to the file and records it in
// the security directory of the program's headers; the archive then ends
// where that table starts. Unsigned, it ends with the file.
#pragma once

#include <cstdint>

#include "ByteSource.h"

// The position after the archive's last byte, for the archive that starts at
// archiveOffset in the executable `exe`. Throws PayloadError when the table
// does not lie between the archive's start and the end of the file, ending
// exactly there, or when the file ends before the archive starts.
uint64_t ArchiveEnd(ByteSource& exe, uint64_t archiveOffset);

// Step 7.3 of the start-up: the extraction module out of the payload into
// the work folder, where nobody can change it before it is loaded.
#pragma once

#include <string>

#include "ByteSource.h"
#include "PayloadLayout.h"

// Creates the file, which must not exist yet, copies the module's bytes
// through copyBuffer with no other opening allowed, then opens it again for
// reading, shared with readers alone, and checks that it holds those bytes.
// That opening is held until ReleaseModuleFile, so the file that is loaded
// is the one checked. Throws PayloadError when any read or write falls short
// or the file does not hold the module.
void CopyModule(ByteSource& exe, const PayloadLayout& layout, const std::string& path);

// Closes the module's file, once the module is unloaded.
void ReleaseModuleFile();

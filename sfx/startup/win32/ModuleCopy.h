// Step 7.3 of the start-up: the extraction module out of the payload into
// the work folder.
#pragma once

#include <string>

#include "ByteSource.h"
#include "PayloadLayout.h"

// Creates (or replaces) the file and copies the module's bytes through
// copyBuffer. Throws PayloadError when any read or write falls short.
void CopyModule(ByteSource& exe, const PayloadLayout& layout, const std::string& path);

// Whole-file reading and crash-safe writing: a file is written next to its
// destination under a temporary name and renamed over it only when complete,
// so a failure never leaves a partial file behind.
#pragma once

#include <filesystem>

#include "HostConstants.h"

// Throws HostError("cannot read '<path>': ...").
Bytes ReadFile(const std::filesystem::path& path, size_t maxSize);

// Throws HostError("cannot write '<path>': ...").
void WriteFileAtomically(const std::filesystem::path& path, const Bytes& bytes);

// What the fuzz targets share: a check that stops the run as a finding, and
// the start-up's state and its steps over the settings block as the program
// body runs them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "SfxSettings.h"

// A broken promise of a reader is a finding, like a sanitizer's report.
void Require(bool condition, const char* promise);

// The message table and the block count are the program's globals: each run
// starts from a fresh process's values.
void ResetStartupState();

// Steps 10 to 12 of the start-up over a block read from the file: the title,
// the destination by its mode and its placeholders, with fixed system values.
void UseSettings(SfxSettings& settings);

inline std::vector<uint8_t> Bytes(const uint8_t* data, size_t size) { return {data, data + size}; }

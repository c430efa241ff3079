// What the program says when a volume of its archive is missing or damaged:
// message 68 with the volume's file name where "%s" stands. A language text
// of the builder's own that has no such message gets message 38 with the
// name on a line of its own, so that the name is always said.
#pragma once

#include <string>

// The file name part of a volume's path.
std::wstring VolumeFileName(const std::wstring& volumePath);

std::wstring MissingVolumeText(const std::wstring& message68, const std::wstring& message38,
                               const std::wstring& volumeName);

// The version block of a Windows resource (VS_VERSIONINFO) as a tree of keyed
// nodes: the root holds the fixed file information, StringFileInfo holds
// string tables of text values, VarFileInfo the translations.
#pragma once

#include <string>
#include <vector>

#include "PeImage.h"

struct VersionNode {
    std::string key;  // ASCII; the file holds UTF-16
    bool text = false;
    ByteVector value;  // text values as UTF-16 with their terminator
    std::vector<VersionNode> children;

    const VersionNode* child(const std::string& name) const;
    std::string textValue() const;  // ASCII, without the terminator
};

// Throws PeError when a length points outside the block.
VersionNode ParseVersionInfo(const ByteVector& block);

// The fields of VS_FIXEDFILEINFO that a check needs.
struct FixedFileInfo {
    uint32_t signature, fileVersionMS, fileVersionLS, fileType;
};
FixedFileInfo ParseFixedFileInfo(const ByteVector& value);  // throws PeError when too short

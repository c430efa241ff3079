// A scripting descriptor: (key, type, value) entries in the order they were
// put, keys unique. Descriptor handles and the host's files hold it as
// 'FHds', a count, then key, type, length and value bytes per entry.
#pragma once

#include <optional>
#include <vector>

#include "HostConstants.h"

struct DescriptorEntry {
    DescriptorKeyID key;
    DescriptorTypeID type;
    Bytes value;
    bool operator==(const DescriptorEntry& o) const { return key == o.key && type == o.type && value == o.value; }
};

class Descriptor {
public:
    void put(DescriptorKeyID key, DescriptorTypeID type, Bytes value);  // replaces an entry with that key
    void putInteger(DescriptorKeyID key, int32_t value);
    std::optional<int32_t> integer(DescriptorKeyID key) const;
    bool erase(DescriptorKeyID key);
    const std::vector<DescriptorEntry>& entries() const { return entries_; }

    Bytes serialize() const;
    static Descriptor Parse(const Bytes& bytes);  // throws HostError

    bool operator==(const Descriptor& o) const { return entries_ == o.entries_; }

private:
    std::vector<DescriptorEntry> entries_;
};

Bytes IntegerBytes(int32_t value);

// Reader of a plug-in property list as stored in a Windows resource: a 16-bit
// lead-in, version 0, a property count, then records of vendor, key, id,
// length and data. Four-character codes are little-endian 32-bit values.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "HostConstants.h"

class Pipl {
public:
    // Throws HostError on a wrong version or a record that runs past the end.
    static Pipl Parse(const uint8_t* data, size_t size);
    static Pipl Parse(const Bytes& bytes) { return Parse(bytes.data(), bytes.size()); }

    std::optional<uint32_t> kind() const;
    // The entry-point name stored under a code property ('wx86', '8664', 'wa64').
    std::optional<std::string> entryPoint(uint32_t codeKey) const;
    const Bytes* property(uint32_t key) const;  // the first record with that key

private:
    std::map<uint32_t, Bytes> properties_;
};

// The code property of the architecture this program was built for.
uint32_t NativeCodeProperty();

// One item property read from the handler, freed when it goes. A property
// the item lacks, or one of an unexpected type, reads as zero or empty.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "SevenZipInterfaces.h"

class TPropValue {
public:
    TPropValue(IInArchive* archive, UINT32 index, PROPID id);
    ~TPropValue();
    TPropValue(const TPropValue&) = delete;
    TPropValue& operator=(const TPropValue&) = delete;

    std::wstring AsString() const;
    bool AsBool() const;
    uint64_t AsUInt64() const;
    std::optional<FILETIME> AsFileTime() const;

private:
    PROPVARIANT FValue;
};

// The item's path as the handler gives it.
std::wstring ItemPathOf(IInArchive* archive, UINT32 index);

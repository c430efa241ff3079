#include "PropValue.h"

#include <cstring>

TPropValue::TPropValue(IInArchive* archive, UINT32 index, PROPID id) {
    std::memset(&FValue, 0, sizeof FValue);
    FValue.vt = VT_EMPTY;
    if (archive == nullptr || archive->GetProperty(index, id, &FValue) != S_OK) {
        if (FValue.vt == VT_BSTR) SysFreeString(FValue.bstrVal);
        FValue.vt = VT_EMPTY;
    }
}

TPropValue::~TPropValue() {
    if (FValue.vt == VT_BSTR) SysFreeString(FValue.bstrVal);
}

std::wstring TPropValue::AsString() const {
    if (FValue.vt != VT_BSTR || FValue.bstrVal == nullptr) return std::wstring();
    return std::wstring(FValue.bstrVal, SysStringLen(FValue.bstrVal));
}

bool TPropValue::AsBool() const { return FValue.vt == VT_BOOL && FValue.boolVal != VARIANT_FALSE; }

uint64_t TPropValue::AsUInt64() const {
    switch (FValue.vt) {
        case VT_UI4: return FValue.ulVal;
        case VT_UI8: return FValue.uhVal.QuadPart;
        default: return 0;
    }
}

std::optional<FILETIME> TPropValue::AsFileTime() const {
    if (FValue.vt != VT_FILETIME) return std::nullopt;
    return FValue.filetime;
}

std::wstring ItemPathOf(IInArchive* archive, UINT32 index) { return TPropValue(archive, index, kpidPath).AsString(); }

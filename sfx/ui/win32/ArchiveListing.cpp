#include "ArchiveListing.h"

#include <cwchar>

#include "SevenZip.h"
#include "SevenZipInterfaces.h"

namespace {

std::wstring ItemPath(IInArchive& handler, UINT32 index) {
    PROPVARIANT value{};
    value.vt = VT_EMPTY;
    std::wstring path;
    if (handler.GetProperty(index, kpidPath, &value) == S_OK && value.vt == VT_BSTR && value.bstrVal)
        path.assign(value.bstrVal, wcsnlen(value.bstrVal, SysStringLen(value.bstrVal)));
    if (value.vt == VT_BSTR) SysFreeString(value.bstrVal);
    return path;
}

}  // namespace

std::vector<ListedItem> ListItems(TSevenZip& session) {
    std::vector<ListedItem> items;
    IInArchive* handler = session.InArchive();
    UINT32 count = 0;
    if (!handler || handler->GetNumberOfItems(&count) != S_OK) return items;
    for (UINT32 i = 0; i < count; ++i) {
        std::wstring path = ItemPath(*handler, i);
        if (!path.empty()) items.push_back({i, std::move(path)});
    }
    return items;
}

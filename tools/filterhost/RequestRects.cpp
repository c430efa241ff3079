#include "RequestRects.h"

namespace {

const BigDocumentStruct* BigDocument(const FilterRecord& record) {
    const BigDocumentStruct* big = record.bigDocumentData;
    return big && big->PluginUsing32BitCoordinates ? big : nullptr;
}

VRect Widen(const Rect16& r) { return {r.top, r.left, r.bottom, r.right}; }

}  // namespace

VRect RequestedInRect(const FilterRecord& record) {
    const BigDocumentStruct* big = BigDocument(record);
    return big ? big->inRect32 : Widen(record.inRect);
}

VRect RequestedOutRect(const FilterRecord& record) {
    const BigDocumentStruct* big = BigDocument(record);
    return big ? big->outRect32 : Widen(record.outRect);
}

VRect RequestedMaskRect(const FilterRecord& record) {
    const BigDocumentStruct* big = BigDocument(record);
    return big ? big->maskRect32 : Widen(record.maskRect);
}

bool IsEmpty(const VRect& r) { return r.right <= r.left || r.bottom <= r.top; }

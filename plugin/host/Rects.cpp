#include "Rects.h"

#include "PluginState.h"

namespace {

BigDocumentStruct* BigDocument() {
    BigDocumentStruct* big = gFilterRecord->bigDocumentData;
    return big && big->PluginUsing32BitCoordinates ? big : nullptr;
}

VRect Widen(const Rect16& r) { return {r.top, r.left, r.bottom, r.right}; }

Rect16 Narrow(const VRect& r) {
    return {int16(r.top), int16(r.left), int16(r.bottom), int16(r.right)};
}

}  // namespace

VRect GetFilterRect() {
    if (BigDocumentStruct* big = BigDocument()) return big->filterRect32;
    return Widen(gFilterRecord->filterRect);
}

VRect GetInRect() {
    if (BigDocumentStruct* big = BigDocument()) return big->inRect32;
    return Widen(gFilterRecord->inRect);
}

void SetInRect(const VRect& r) {
    if (BigDocumentStruct* big = BigDocument())
        big->inRect32 = r;
    else
        gFilterRecord->inRect = Narrow(r);
}

void SetOutRect(const VRect& r) {
    if (BigDocumentStruct* big = BigDocument())
        big->outRect32 = r;
    else
        gFilterRecord->outRect = Narrow(r);
}

void SetMaskRect(const VRect& r) {
    if (BigDocumentStruct* big = BigDocument())
        big->maskRect32 = r;
    else
        gFilterRecord->maskRect = Narrow(r);
}

void ScaleRect(VRect& r, int16 num, int16 den) {
    if (den == 0) return;
    // 64-bit products: a 32-bit coordinate times a 16-bit factor may not fit.
    auto scale = [&](int32 c) { return int32(int64(c) * num / den); };
    r = {scale(r.top), scale(r.left), scale(r.bottom), scale(r.right)};
}

#include "ToolbarImages.h"

#include "DialogIds.h"
#include "ModuleHandle.h"

namespace {

constexpr int kImageSize = 16;
constexpr UINT kColour24WithMask = 0x19;
constexpr COLORREF kMaskColour = 0xC0C0C0;

using ImageListCreateProc = HANDLE(WINAPI*)(int cx, int cy, UINT flags, int initial, int grow);
using ImageListAddMaskedProc = int(WINAPI*)(HANDLE list, HBITMAP bitmap, COLORREF mask);
using ImageListDestroyProc = BOOL(WINAPI*)(HANDLE list);

// The library is loaded already: the host registered the toolbar's class
// from it.
template <class Proc>
Proc CommonControl(const char* name) {
    HMODULE library = GetModuleHandleA("Comctl32.dll");
    return library ? reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

}  // namespace

HANDLE CreateToolbarImages() {
    const auto create = CommonControl<ImageListCreateProc>("ImageList_Create");
    const auto addMasked = CommonControl<ImageListAddMaskedProc>("ImageList_AddMasked");
    if (!create || !addMasked) return nullptr;
    HBITMAP strip = LoadBitmapA(ModuleHandle, MAKEINTRESOURCEA(kToolbarBitmapId));
    if (!strip) return nullptr;
    HANDLE images = create(kImageSize, kImageSize, kColour24WithMask, 0, 0);
    if (images && addMasked(images, strip, kMaskColour) < 0) {
        DestroyToolbarImages(images);
        images = nullptr;
    }
    DeleteObject(strip);
    return images;
}

void DestroyToolbarImages(HANDLE images) {
    if (!images) return;
    if (const auto destroy = CommonControl<ImageListDestroyProc>("ImageList_Destroy")) destroy(images);
}

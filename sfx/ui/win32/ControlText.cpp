#include "ControlText.h"

#include "Controls.h"

TControlText::TControlText(HWND control) : control_(control), dc_(control ? GetDC(control) : nullptr) {
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (dc_ && font) oldFont_ = SelectObject(dc_, font);
}

TControlText::~TControlText() {
    if (!dc_) return;
    if (oldFont_) SelectObject(dc_, oldFont_);
    ReleaseDC(control_, dc_);
}

int TControlText::Width(const std::string& ansiText) const {
    SIZE size{};
    return dc_ && GetTextExtentPoint32A(dc_, ansiText.data(), int(ansiText.size()), &size) ? int(size.cx) : 0;
}

SIZE TControlText::Extent(const std::wstring& text, bool prefixes) const {
    RECT extent{0, 0, 0, 0};
    const UINT format = DT_CALCRECT | DT_SINGLELINE | (prefixes ? 0 : DT_NOPREFIX);
    if (!dc_ || !DrawTextW(dc_, text.c_str(), int(text.size()), &extent, format)) return SIZE{0, 0};
    return SIZE{extent.right - extent.left, extent.bottom - extent.top};
}

SIZE TextExtent(HWND control, bool prefixes) { return TControlText(control).Extent(TextOf(control), prefixes); }

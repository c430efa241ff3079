#include "LinkLabel.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "ControlText.h"
#include "Controls.h"
#include "Dpi.h"
#include "TextFit.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kMargin = 2;  // either side of the text, at 96 DPI

HFONT UnderlinedCopy(HFONT font) {
    LOGFONTW look{};
    if (!font || !GetObjectW(font, sizeof look, &look)) return nullptr;
    look.lfUnderline = TRUE;
    return CreateFontIndirectW(&look);
}

}  // namespace

bool TLinkLabel::Attach(HWND label, HFONT font) {
    handle = label;
    plainFont = font;
    underlinedFont = UnderlinedCopy(font);
    if (!underlinedFont) underlinedFont = font;
    return SetWindowSubclass(label, SubclassProc, kSubclassId, DWORD_PTR(this)) != FALSE;
}

void TLinkLabel::SetText(const std::wstring& text) {
    ::SetText(handle, text);
    FitToText();
}

void TLinkLabel::FitToText() {
    // The label keeps its line; only its left edge and width follow the text.
    RECT client{};
    if (!handle || !GetClientRect(GetParent(handle), &client)) return;
    const RECT label = RectInParent(handle);
    const SIZE text = TextExtent(handle, false);
    const TSpan span = CentredSpan(text.cx + 2 * Scaled(kMargin), client.right);
    SetWindowPos(handle, nullptr, span.left, label.top, span.width, std::max<int>(label.bottom - label.top, text.cy),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TLinkLabel::SetLinkLook(COLORREF linkColour) {
    plain = false;
    SetLook(underlinedFont, linkColour);
}

void TLinkLabel::SetPlainLook() {
    plain = true;
    SetLook(plainFont, GetSysColor(COLOR_WINDOWTEXT));
}

void TLinkLabel::SetLook(HFONT font, COLORREF textColour) {
    colour = textColour;
    if (!handle) return;
    SendMessageW(handle, WM_SETFONT, WPARAM(font), FALSE);
    InvalidateRect(handle, nullptr, TRUE);
}

bool TLinkLabel::PrepareColours(HWND control, HDC dc) const {
    if (!handle || control != handle) return false;
    SetTextColor(dc, colour);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return true;
}

LRESULT CALLBACK TLinkLabel::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
    TLinkLabel& label = *reinterpret_cast<TLinkLabel*>(self);
    switch (message) {
        case WM_SETCURSOR:
            if (!label.plain) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE:
            if (!label.tracking && !label.plain) {
                TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, window, 0};
                label.tracking = TrackMouseEvent(&leave) != FALSE;
                label.SetLinkLook(kLinkRed);
            }
            break;
        case WM_MOUSELEAVE:
            label.tracking = false;
            if (!label.plain) label.SetLinkLook(kLinkBlue);
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, SubclassProc, kSubclassId);
            label.WindowGone();
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

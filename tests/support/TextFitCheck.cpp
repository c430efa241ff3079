#include "TextFitCheck.h"

#include <algorithm>
#include <vector>

#include "UiSteps.h"

namespace {

// A length of a 96-DPI layout at dpi.
int AtDpi(int pixels, int dpi) { return MulDiv(pixels, dpi, 96); }

// The side of the mark of a radio button or check box, as the system draws
// it at dpi.
int MarkSize(int dpi) { return MulDiv(12, dpi, 96) + 1; }

std::string ClassOf(HWND control) {
    char name[32] = {};
    GetClassNameA(control, name, sizeof name);
    return name;
}

// What a control needs around its text, and how it lays the text out.
struct Kind {
    bool measured;     // a control that shows a text of the window's own
    bool prefixes;     // "&" marks an accelerator
    bool wraps;        // the text may take several lines
    int aroundWidth;   // pixels beside the text, both sides together
    int aroundHeight;  // pixels above and below it
};

Kind KindOf(HWND control, int dpi) {
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const std::string name = ClassOf(control);
    if (lstrcmpiA(name.c_str(), "Button") == 0) {
        switch (style & BS_TYPEMASK) {
            case BS_PUSHBUTTON:
            case BS_DEFPUSHBUTTON:
                return {true, true, false, AtDpi(8, dpi), AtDpi(4, dpi)};
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_RADIOBUTTON:
            case BS_AUTORADIOBUTTON:
                return {true, true, false, MarkSize(dpi) + AtDpi(3, dpi), 0};
            case BS_GROUPBOX:
                return {true, true, false, AtDpi(16, dpi), 0};
            default:
                return {};
        }
    }
    if (lstrcmpiA(name.c_str(), "Static") == 0) {
        const LONG type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP &&
            type != SS_SIMPLE)
            return {};
        return {true, !(style & SS_NOPREFIX), type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT, 0, 0};
    }
    return {};  // edit boxes, lists, bars: the user's data or no text
}

// The control's client area in its parent, cut to the parent's client area.
RECT VisibleRect(HWND control) {
    RECT client{}, parentClient{}, visible{};
    const HWND parent = GetParent(control);
    GetClientRect(control, &client);
    MapWindowPoints(control, parent, reinterpret_cast<POINT*>(&client), 2);
    GetClientRect(parent, &parentClient);
    IntersectRect(&visible, &client, &parentClient);
    return visible;
}

void CheckFit(HWND control, HDC dc, int dpi, const std::string& what) {
    const Kind kind = KindOf(control, dpi);
    const std::wstring text = WideTextOf(control);
    if (!kind.measured || text.empty() || !IsWindowVisible(control)) return;
    const RECT visible = VisibleRect(control);
    const int room = visible.right - visible.left - kind.aroundWidth;
    RECT extent{0, 0, kind.wraps ? std::max(room, 1) : 0, 0};
    const UINT format = DT_CALCRECT | (kind.wraps ? DT_WORDBREAK : DT_SINGLELINE) | (kind.prefixes ? 0 : DT_NOPREFIX);
    DrawTextW(dc, text.c_str(), int(text.size()), &extent, format);
    const int needWidth = extent.right - extent.left, needHeight = extent.bottom - extent.top + kind.aroundHeight;
    const int width = visible.right - visible.left, height = visible.bottom - visible.top;
    Check(needWidth <= room && needHeight <= height,
          what + ": control " + std::to_string(GetDlgCtrlID(control)) + " shows its text whole (needs " +
              std::to_string(needWidth + kind.aroundWidth) + " x " + std::to_string(needHeight) + ", has " +
              std::to_string(width) + " x " + std::to_string(height) + ")");
}

HFONT MakeDialogFont(int dpi) {
    return CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       L"MS Shell Dlg 2");
}

}  // namespace

void CheckTextsFit(HWND window, int dpi, const std::string& what) {
    HDC dc = GetDC(nullptr);
    const HFONT font = MakeDialogFont(dpi);
    Check(dc != nullptr && font != nullptr, what + ": texts can be measured");
    if (dc && font) {
        const HGDIOBJ previous = SelectObject(dc, font);
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            CheckFit(child, dc, dpi, what);
        SelectObject(dc, previous);
    }
    if (font) DeleteObject(font);
    if (dc) ReleaseDC(nullptr, dc);
}

// LabelLink: a static text that acts as a web link. It is underlined and
// blue, red while the pointer is over it, and shows the hand cursor; the
// extraction gives it the plain look of ordinary text.
#pragma once

#include <windows.h>

#include <string>

class TLinkLabel {
public:
    // Takes over the static control; font is the window's own.
    bool Attach(HWND label, HFONT font);
    // Shows text, centred on the window and as wide as the text: the hand
    // cursor and the click belong to the text only, and a longer text is
    // never cut while the window has room for it.
    void SetText(const std::wstring& text);
    void SetLinkLook(COLORREF colour);
    void SetPlainLook();
    // Prepares the device context for painting control; false when control
    // is not this label.
    bool PrepareColours(HWND control, HDC dc) const;
    void WindowGone() { handle = nullptr; }

    HWND handle = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    void SetLook(HFONT font, COLORREF colour);
    void FitToText();

    HFONT plainFont = nullptr;
    HFONT underlinedFont = nullptr;
    COLORREF colour = 0;
    bool plain = false;
    bool tracking = false;
};

constexpr COLORREF kLinkBlue = 0xFF0000;
constexpr COLORREF kLinkRed = 0x0000FF;

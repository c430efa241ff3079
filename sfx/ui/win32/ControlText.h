// Text measured as a control draws it: in the control's own font, on a
// device context of the control held for as long as the object lives.
#pragma once

#include <windows.h>

#include <string>

class TControlText {
public:
    explicit TControlText(HWND control);
    ~TControlText();
    TControlText(const TControlText&) = delete;
    TControlText& operator=(const TControlText&) = delete;

    bool Usable() const { return dc_ != nullptr; }
    // A text that cannot be measured has width 0 and so counts as fitting.
    int Width(const std::string& ansiText) const;
    // One line; with prefixes, an "&" marks an accelerator and takes no room.
    SIZE Extent(const std::wstring& text, bool prefixes) const;

private:
    HWND control_;
    HDC dc_;
    HGDIOBJ oldFont_ = nullptr;
};

// The control's own text on one line, as above; {0, 0} when it cannot be
// measured.
SIZE TextExtent(HWND control, bool prefixes);

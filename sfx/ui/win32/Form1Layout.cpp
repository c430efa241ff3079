#include "Form1Layout.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "ControlText.h"
#include "Controls.h"
#include "Dpi.h"
#include "Form1.h"
#include "Form1Ids.h"
#include "FormWindow.h"
#include "TextFit.h"

namespace {

// The controls' own heights where the layout keeps them: a line of text, a
// single-line edit box and a radio button in the window's font.
constexpr int kLabelHeight = 13;
constexpr int kEditHeight = 21;
constexpr int kRadioHeight = 17;

// The radio buttons stand inside GroupBox1 at these offsets.
constexpr int kGroupLeft = 8, kGroupTop = 157, kGroupWidth = 281;
constexpr int kRadioLeft[] = {kGroupLeft + 8, kGroupLeft + 104, kGroupLeft + 192};
constexpr int kRadioWidth[] = {89, 81, 81};

// The push buttons' column; it may grow left up to a gap after the list.
constexpr int kButtonLeft = 312, kButtonWidth = 72, kButtonsLeftLimit = 8 + 281 + 8;

// What a control draws around its text, at 96 DPI: a push button's frame
// and margins on both sides, a radio button's mark and the space after it.
constexpr int kButtonFrame = 10, kRadioMark = 18, kRadioGap = 4;

int TextWidth(HWND control) { return TextExtent(control, true).cx; }

// Moves control to left and width, keeping its line.
void PlaceAlongRow(HWND control, TSpan span) {
    if (!control) return;
    const RECT at = RectInParent(control);
    SetWindowPos(control, nullptr, span.left, at.top, span.width, at.bottom - at.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool CreateControls(TForm1& f) {
    HWND link = nullptr;
    const bool made = MakeControls(f.Handle, {
        {&f.ImageShow1, kImageShow1Id, L"STATIC", SS_BITMAP, 0, 8, 8, 50, 50},
        {&f.LabelExtractTo, kLabelExtractToId, L"STATIC", SS_LEFT, 0, 64, 8, 225, kLabelHeight},
        {&f.EditBox1, kEditBox1Id, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 64, 32, 193, kEditHeight},
        {&f.ButtonBrowse, kButtonBrowseId, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 264, 32, 25, 18},
        {&f.Button2, kButton2Id, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, kButtonLeft, 8, kButtonWidth, 24},
        {&f.Button3, kButton3Id, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, kButtonLeft, 40, kButtonWidth, 24},
        {&f.Button4, kButton4Id, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, kButtonLeft, 72, kButtonWidth, 24},
        // One line, cut at its right edge. (Wine shortens the text itself, not
        // only its picture, when the control shortens long paths.)
        {&f.LabelFiles, kLabelFilesId, L"STATIC", SS_LEFTNOWORDWRAP, 0, 8, 59, 281, 19},
        {&f.ListFiles, kListFilesId, L"LISTBOX",
         LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP,
         WS_EX_CLIENTEDGE, 8, 79, 281, 75},
        {&f.GroupBox1, kGroupBox1Id, L"BUTTON", BS_GROUPBOX, 0, kGroupLeft, kGroupTop, kGroupWidth, 41},
        {&f.RadioBox1, kRadioBox1Id, L"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, kRadioLeft[0],
         kGroupTop + 16, kRadioWidth[0], kRadioHeight},
        {&f.RadioBox2, kRadioBox2Id, L"BUTTON", BS_AUTORADIOBUTTON, 0, kRadioLeft[1], kGroupTop + 16, kRadioWidth[1],
         kRadioHeight},
        {&f.RadioBox3, kRadioBox3Id, L"BUTTON", BS_AUTORADIOBUTTON, 0, kRadioLeft[2], kGroupTop + 16, kRadioWidth[2],
         kRadioHeight},
        {&f.ProgressBar1, kProgressBar1Id, PROGRESS_CLASSW, WS_GROUP, 0, 8, 200, 377, 20},
        // Centred on the window, as wide as its text (TLinkLabel::SetText).
        {&link, kLabelLinkId, L"STATIC", SS_CENTER | SS_NOTIFY | SS_NOPREFIX, 0, 0, 205, kClientWidth, 17},
    }, f.font);
    if (!made) return false;
    SendMessageW(f.ProgressBar1, PBM_SETRANGE32, 0, 100);
    return f.LabelLink.Attach(link, f.font);
}

void FitControlsToTexts(TForm1& f) {
    const HWND buttons[] = {f.Button2, f.Button3, f.Button4};
    int needed = 0;
    for (HWND button : buttons) needed = std::max(needed, TextWidth(button) + Scaled(kButtonFrame));
    const TSpan column = FitColumn({Scaled(kButtonLeft), Scaled(kButtonWidth)}, needed, Scaled(kButtonsLeftLimit));
    for (HWND button : buttons) PlaceAlongRow(button, column);

    const HWND radios[] = {f.RadioBox1, f.RadioBox2, f.RadioBox3};
    std::vector<TSpan> designed;
    std::vector<int> widths;
    for (size_t i = 0; i < std::size(radios); ++i) {
        designed.push_back({Scaled(kRadioLeft[i]), Scaled(kRadioWidth[i])});
        widths.push_back(TextWidth(radios[i]) + Scaled(kRadioMark));
    }
    const std::vector<TSpan> row =
        FitRow(designed, widths, Scaled(kRadioGap), Scaled(kRadioLeft[2] + kRadioWidth[2]));
    for (size_t i = 0; i < std::size(radios); ++i) PlaceAlongRow(radios[i], row[i]);
}

#include "Form1Layout.h"

#include <windows.h>
#include <commctrl.h>

#include "Form1.h"
#include "Form1Ids.h"
#include "FormWindow.h"

namespace {

// The controls' own heights where the layout keeps them: a line of text, a
// single-line edit box and a radio button in the window's font.
constexpr int kLabelHeight = 13;
constexpr int kEditHeight = 21;
constexpr int kRadioHeight = 17;

// The radio buttons stand inside GroupBox1 at these offsets.
constexpr int kGroupLeft = 8, kGroupTop = 157;

}  // namespace

bool CreateControls(TForm1& f) {
    HWND link = nullptr;
    const bool made = MakeControls(f.Handle, {
        {&f.ImageShow1, kImageShow1Id, L"STATIC", SS_BITMAP, 0, 8, 8, 50, 50},
        {&f.LabelExtractTo, kLabelExtractToId, L"STATIC", SS_LEFT, 0, 64, 8, 225, kLabelHeight},
        {&f.EditBox1, kEditBox1Id, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 64, 32, 193, kEditHeight},
        {&f.ButtonBrowse, kButtonBrowseId, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 264, 32, 25, 18},
        {&f.Button2, kButton2Id, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 312, 8, 72, 24},
        {&f.Button3, kButton3Id, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 312, 40, 72, 24},
        {&f.Button4, kButton4Id, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 312, 72, 72, 24},
        // One line, cut at its right edge. (Wine shortens the text itself, not
        // only its picture, when the control shortens long paths.)
        {&f.LabelFiles, kLabelFilesId, L"STATIC", SS_LEFTNOWORDWRAP, 0, 8, 59, 281, 19},
        {&f.ListFiles, kListFilesId, L"LISTBOX",
         LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP,
         WS_EX_CLIENTEDGE, 8, 79, 281, 75},
        {&f.GroupBox1, kGroupBox1Id, L"BUTTON", BS_GROUPBOX, 0, kGroupLeft, kGroupTop, 281, 41},
        {&f.RadioBox1, kRadioBox1Id, L"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, kGroupLeft + 8,
         kGroupTop + 16, 89, kRadioHeight},
        {&f.RadioBox2, kRadioBox2Id, L"BUTTON", BS_AUTORADIOBUTTON, 0, kGroupLeft + 104, kGroupTop + 16, 81,
         kRadioHeight},
        {&f.RadioBox3, kRadioBox3Id, L"BUTTON", BS_AUTORADIOBUTTON, 0, kGroupLeft + 192, kGroupTop + 16, 81,
         kRadioHeight},
        {&f.ProgressBar1, kProgressBar1Id, PROGRESS_CLASSW, WS_GROUP, 0, 8, 200, 377, 20},
        {&link, kLabelLinkId, L"STATIC", SS_CENTER | SS_NOTIFY | SS_NOPREFIX, 0, 0, 205, 393, 17},
    }, f.font);
    if (!made) return false;
    SendMessageW(f.ProgressBar1, PBM_SETRANGE32, 0, 100);
    return f.LabelLink.Attach(link, f.font);
}

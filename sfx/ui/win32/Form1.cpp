// Form1's window: creation and set-up, message handling, and the actions of
// Cancel, About and the link.
#include "Form1.h"

#include <windows.h>
#include <commctrl.h>

#include "Controls.h"
#include "Dpi.h"
#include "Form1Ids.h"
#include "Form1Layout.h"
#include "FormWindow.h"
#include "MainWindowState.h"
#include "MessageBoxes.h"
#include "MessageTable.h"
#include "MessageText.h"
#include "OverwriteRules.h"
#include "StartupState.h"
#include "ProgramStart.h"
#include "SevenZip.h"
#include "SystemPath.h"

namespace {

constexpr UINT kFirstShowingMessage = WM_APP + 1;
constexpr wchar_t kMakerPage[] = L"http://www.brindlepacker.example";
constexpr wchar_t kBitmapName[] = L"FORM1_IMAGESHOW1_BRUSH_BMP";
constexpr int kFontPoints = 8;
constexpr int kPictureSize = 50;  // the bitmap's side, as ImageShow1 is laid out
constexpr wchar_t kFontFace[] = L"MS Shell Dlg 2";

HFONT CreateWindowFont() {
    return CreateFontW(-MulDiv(kFontPoints, ScreenDpi(), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFontFace);
}

}  // namespace

bool TForm1::Create() {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    font = CreateWindowFont();
    if (!RegisterFormClass(kForm1ClassName, FormWindowProc<TForm1>)) return false;
    const RECT at = CentredFormRect(kClientWidth, kClientHeightCreated);
    CreateWindowExW(kFormExStyle, kForm1ClassName, L"", kFormStyle, at.left, at.top, at.right - at.left,
                    at.bottom - at.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!Handle || !CreateControls(*this)) return false;
    session = new TSevenZip(nullptr);
    AttachSessionEvents();
    SetUp();
    return true;
}

// Set-up steps 3 to 10: the loading state.
void TForm1::SetUp() {
    boxCaption = WideFromAnsi(ReadSetting(sfxSettings.title));
    HANDLE picture =
        LoadImageW(GetModuleHandleW(nullptr), kBitmapName, IMAGE_BITMAP, Scaled(kPictureSize), Scaled(kPictureSize),
                   LR_DEFAULTCOLOR);
    if (picture) SendMessageW(ImageShow1, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(picture));

    SetVisible(ProgressBar1, false);
    SetVisible(LabelLink.handle, true);
    SetMessageText(LabelExtractTo, 21);
    SetText(ButtonBrowse, std::wstring(L"..."));
    SetMessageText(Button2, 6);
    SetMessageText(Button3, 7);
    SetMessageText(Button4, 9);
    SetMessageText(LabelFiles, 22);
    SetMessageText(GroupBox1, 25);
    SetMessageText(RadioBox1, 26);
    SetMessageText(RadioBox2, 27);
    SetMessageText(RadioBox3, 28);
    FitControlsToTexts(*this);
    LabelLink.SetText(MessageText(23));
    LabelLink.SetLinkLook(kLinkBlue);

    SetText(Handle, boxCaption);
    SetText(EditBox1, WideFromUtf8(destination));
    const HWND radios[] = {RadioBox1, RadioBox2, RadioBox3};
    const int radio = RadioForOverwriteMode(sfxSettings.overwriteMode);
    if (radio >= 0) SetChecked(radios[radio]);
    if (sfxSettings.hideOverwriteChoice == 1)
        for (HWND control : {GroupBox1, RadioBox1, RadioBox2, RadioBox3}) SetVisible(control, false);

    for (HWND control : {Button2, Button4}) Enable(control, false);
    Enable(Button3, true);
    SetProgress(ProgressBar1, 0);
    SendMessageW(ListFiles, LB_RESETCONTENT, 0, 0);
    SendMessageW(ListFiles, LB_ADDSTRING, 0, LPARAM(MessageText(4).c_str()));
    for (HWND control : {ListFiles, EditBox1, ButtonBrowse}) Enable(control, false);
    SetDefaultButton(Button2);
    focusWhenInactive = Button3;
}

// Unattended, the window shows its progress without taking the focus from
// the program the user works in.
void TForm1::Show() {
    ShowWindow(Handle, unattended ? SW_SHOWNOACTIVATE : SW_SHOWNORMAL);
    UpdateWindow(Handle);
    Focus(Button3);
}

bool TForm1::TranslateDialogKeys(MSG& msg) { return Handle && IsDialogMessageW(Handle, &msg); }

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = Handle;
    switch (message) {
        case WM_SHOWWINDOW:
            if (wParam && !firstShowingDone) {
                firstShowingDone = true;
                PostMessageW(window, kFirstShowingMessage, 0, 0);
            }
            break;
        case kFirstShowingMessage:
            FirstShowing();
            return 0;
        case WM_COMMAND:
            HandleCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            if (LabelLink.PrepareColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
                return LRESULT(GetSysColorBrush(COLOR_BTNFACE));
            break;
        case DM_GETDEFID:
            if (defaultButton) return MAKELRESULT(GetDlgCtrlID(defaultButton), DC_HASDEFID);
            return 0;
        case WM_SFX_BEGINFILE:
            if (BeginFileMessage(lParam)) return 0;
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                focusWhenInactive = GetFocus();
            } else if (focusWhenInactive && IsChild(window, focusWhenInactive)) {
                SetFocus(focusWhenInactive);
                return 0;
            }
            break;
        case WM_CLOSE:
            // The close box and Alt+F4 act as Cancel.
            if (!closeRequested)
                Button3Click();
            else
                DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            // An extraction still on the stack ends the message loop itself.
            if (extractionRunning)
                quitWhenExtractionEnds = true;
            else
                PostQuitMessage(0);
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void TForm1::HandleCommand(int id, int notification) {
    switch (id) {
        case kButton2Id:
            if (IsWindowEnabled(Button2)) Button2Click();
            return;
        case kButton3Id:
            if (IsWindowEnabled(Button3)) Button3Click();
            return;
        case kButton4Id:
            Button4Click();
            return;
        case kLabelLinkId:
            if (notification == STN_CLICKED) ShellOpen(kMakerPage, std::wstring(), std::wstring(), SW_SHOWNORMAL);
            return;
        case kButtonBrowseId:
            if (IsWindowEnabled(ButtonBrowse)) ButtonBrowseClick();
            return;
        default:
            return;
    }
}

void TForm1::Button3Click() {
    LabelLink.SetText(MessageText(5));
    extractActive = false;
    RequestClose();
}

void TForm1::Button4Click() { PlainBox(MessageText(64), boxCaption); }

void TForm1::SetClientHeight(int height) {
    RECT window, client;
    if (!Handle || !GetWindowRect(Handle, &window) || !GetClientRect(Handle, &client)) return;
    const int outerHeight = window.bottom - window.top - (client.bottom - client.top) + Scaled(height);
    SetWindowPos(Handle, nullptr, 0, 0, window.right - window.left, outerHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::SetDefaultButton(HWND button) {
    if (defaultButton && defaultButton != button) SendMessageW(defaultButton, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    defaultButton = button;
    if (button) SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void TForm1::RequestClose() {
    closeRequested = true;
    if (Handle) PostMessageW(Handle, WM_CLOSE, 0, 0);
}

void TForm1::WindowGone() {
    for (HWND* control : {&Handle, &ImageShow1, &LabelExtractTo, &EditBox1, &ButtonBrowse, &Button2, &Button3,
                          &Button4, &LabelFiles, &ListFiles, &GroupBox1, &RadioBox1, &RadioBox2, &RadioBox3,
                          &ProgressBar1, &defaultButton, &focusWhenInactive})
        *control = nullptr;
    LabelLink.WindowGone();
}

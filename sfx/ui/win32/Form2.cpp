// Form2's window: creation and set-up, the modal showing with its own
// message loop, accepting and refusing.
#include "Form2.h"

#include <windows.h>
#include <commctrl.h>

#include "Controls.h"
#include "Form2Ids.h"
#include "FormWindow.h"

TForm2* Form2 = nullptr;

namespace {

// 280 wide, so that the buttons (208 to 272) keep a right margin like the
// edit box's left one.
constexpr int kClientWidth = 280, kClientHeight = 71;
constexpr UINT_PTR kEditSubclassId = 1;

}  // namespace

bool TForm2::Create(HWND owner, HFONT font) {
    if (!RegisterFormClass(kForm2ClassName, FormWindowProc<TForm2>)) return false;
    const RECT at = CentredFormRect(kClientWidth, kClientHeight);
    CreateWindowExW(kFormExStyle, kForm2ClassName, L"", kFormStyle, at.left, at.top, at.right - at.left,
                    at.bottom - at.top, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!Handle) return false;
    const bool made = MakeControls(Handle, {
        {&Label1, kForm2Label1Id, L"STATIC", SS_LEFT, 0, 8, 8, 64, 22},
        {&EditBox1, kForm2EditBox1Id, L"EDIT", ES_PASSWORD | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
         7, 32, 193, 22},
        {&Button1, kForm2Button1Id, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 208, 8, 64, 22},
        {&Button2, kForm2Button2Id, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 208, 40, 64, 22},
    }, font);
    if (!made || !SetWindowSubclass(EditBox1, EditBoxProc, kEditSubclassId, DWORD_PTR(this))) return false;
    SetUp();
    return true;
}

// Button1 is the default button by its style and by DM_GETDEFID.
void TForm2::SetUp() {
    SetMessageText(Button1, 10);
    SetMessageText(Button2, 7);
    for (HWND control : {Label1, EditBox1, Handle}) SetText(control, std::wstring());
}

std::wstring TForm2::ShowModal(const std::wstring& caption) {
    if (!Handle) return std::wstring();
    SetText(Handle, caption);
    const RECT at = CentredFormRect(kClientWidth, kClientHeight);
    SetWindowPos(Handle, HWND_TOP, at.left, at.top, 0, 0, SWP_NOSIZE);
    accepted.clear();
    open = true;
    const HWND owner = GetWindow(Handle, GW_OWNER);
    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(Handle, SW_SHOWNORMAL);
    SetForegroundWindow(Handle);
    Focus(EditBox1);
    if (EditBox1) SendMessageW(EditBox1, EM_SETSEL, 0, -1);
    RunModalLoop();
    // The owner first, so that it becomes the active window again.
    if (owner && IsWindow(owner)) EnableWindow(owner, TRUE);
    if (Handle) ShowWindow(Handle, SW_HIDE);
    return accepted;
}

void TForm2::RunModalLoop() {
    MSG msg;
    while (open) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: that refuses, and the outer loop must
            // still see the quit.
            if (got == 0) PostQuitMessage(int(msg.wParam));
            Refuse();
            return;
        }
        if (Handle && IsDialogMessageW(Handle, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void TForm2::Accept() {
    if (!open) return;
    accepted = TextOf(EditBox1);
    open = false;
}

void TForm2::Refuse() {
    if (!open) return;
    accepted.clear();
    open = false;
}

LRESULT TForm2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = Handle;
    switch (message) {
        case WM_COMMAND:
            // Escape arrives as Button2's identifier, Enter as Button1's.
            if (LOWORD(wParam) == kForm2Button1Id) Accept();
            if (LOWORD(wParam) == kForm2Button2Id) Refuse();
            return 0;
        case DM_GETDEFID:
            return MAKELRESULT(kForm2Button1Id, DC_HASDEFID);
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && !IsChild(window, GetFocus())) Focus(EditBox1);
            return 0;
        case WM_CLOSE:
            // The close box refuses; the window stays for the next request.
            Refuse();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Enter and Escape sent to the box itself, and a typed carriage return,
// which a single-line box would drop.
LRESULT CALLBACK TForm2::EditBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR self) {
    TForm2& form = *reinterpret_cast<TForm2*>(self);
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                form.Accept();
                return 0;
            }
            if (wParam == VK_ESCAPE) {
                form.Refuse();
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == L'\r') {
                form.Accept();
                return 0;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, EditBoxProc, kEditSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void TForm2::WindowGone() {
    for (HWND* control : {&Handle, &Label1, &EditBox1, &Button1, &Button2}) *control = nullptr;
    Refuse();
}

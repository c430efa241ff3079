#include "CenterDialog.h"

#include "CenterPosition.h"

namespace {

bool OwnerClientOnScreen(HWND owner, RECT& client) {
    if (!GetClientRect(owner, &client)) return false;
    SetLastError(ERROR_SUCCESS);
    return MapWindowPoints(owner, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2) != 0 ||
           GetLastError() == ERROR_SUCCESS;
}

}  // namespace

void CenterDialog(HWND dialog) {
    HWND owner = GetParent(dialog);
    if (!owner) owner = GetDesktopWindow();
    RECT client, window;
    if (!OwnerClientOnScreen(owner, client) || !GetWindowRect(dialog, &window)) return;
    CenterInput in;
    in.owner = {client.left, client.top, client.right, client.bottom};
    in.width = window.right - window.left;
    in.height = window.bottom - window.top;
    in.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    in.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    in.captionButtonWidth = GetSystemMetrics(SM_CXSIZE);
    in.hasSystemMenu = (GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU) != 0;
    const ScreenPoint at = CenterPosition(in);
    SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

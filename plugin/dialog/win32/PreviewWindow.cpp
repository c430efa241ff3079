#include "PreviewWindow.h"

#include "DialogIds.h"
#include "PreviewState.h"
#include "ScrollStep.h"

namespace {

int32 BarPosition(HWND dialog, int barId) { return GetScrollPos(GetDlgItem(dialog, barId), SB_CTL); }

void ApplyScrollBar(HWND dialog, int barId, const ScrollBarSetup& setup) {
    HWND bar = GetDlgItem(dialog, barId);
    if (!bar) return;
    SetScrollRange(bar, SB_CTL, 0, setup.maximum, FALSE);
    SCROLLINFO page{};
    page.cbSize = sizeof page;
    page.fMask = SIF_PAGE;
    page.nPage = UINT(setup.page);
    SetScrollInfo(bar, SB_CTL, &page, FALSE);
    ShowWindow(bar, setup.visible ? SW_SHOW : SW_HIDE);
    SetScrollPos(bar, SB_CTL, 0, TRUE);
}

// The thumb's position from the message. The message carries only its low
// 16 bits, too few for a large image at full size; while the thumb is being
// dragged the bar knows the whole position, which then has those low bits.
int32 ThumbPosition(HWND bar, WPARAM wParam) {
    const int32 low = HIWORD(wParam);
    SCROLLINFO track{};
    track.cbSize = sizeof track;
    track.fMask = SIF_TRACKPOS;
    if (GetScrollInfo(bar, SB_CTL, &track) && (track.nTrackPos & 0xFFFF) == low) return track.nTrackPos;
    return low;
}

}  // namespace

ScreenRect GetAreaRect(HWND dialog) {
    RECT r;
    if (!GetWindowRect(GetDlgItem(dialog, kPreviewFrameId), &r)) return {};
    SetLastError(ERROR_SUCCESS);
    if (!MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2) && GetLastError() != ERROR_SUCCESS)
        return {};
    return {r.left, r.top, r.right, r.bottom};
}

PreviewPort CurrentPort(HWND dialog) {
    PreviewPort port;
    port.area = GetAreaRect(dialog);
    port.hScroll = BarPosition(dialog, kHorizontalBarId);
    port.vScroll = BarPosition(dialog, kVerticalBarId);
    return port;
}

void InvalidatePreview(HWND dialog) {
    if (!PreviewMayPaint()) return;
    const ScreenRect area = GetAreaRect(dialog);
    const RECT r{area.left, area.top, area.right, area.bottom};
    InvalidateRect(dialog, &r, FALSE);
}

void ApplyScrollBars(HWND dialog) {
    const ScrollBarsSetup setup = SetupScrollBars(CurrentPort(dialog));
    ApplyScrollBar(dialog, kHorizontalBarId, setup.horizontal);
    ApplyScrollBar(dialog, kVerticalBarId, setup.vertical);
}

void ScrollPreviewTo(HWND dialog, const ScrollPositions& positions) {
    SetScrollPos(GetDlgItem(dialog, kHorizontalBarId), SB_CTL, positions.horizontal, TRUE);
    SetScrollPos(GetDlgItem(dialog, kVerticalBarId), SB_CTL, positions.vertical, TRUE);
}

void ScrollPreview(HWND dialog, int barId, WPARAM wParam) {
    HWND bar = GetDlgItem(dialog, barId);
    if (!bar) return;
    const int32 current = GetScrollPos(bar, SB_CTL);
    SetScrollPos(bar, SB_CTL, ScrollStep(current, LOWORD(wParam), ThumbPosition(bar, wParam)), TRUE);
    InvalidatePreview(dialog);
}

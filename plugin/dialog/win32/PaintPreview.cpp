#include "PaintPreview.h"

#include <utility>

#include "DisplayProxy.h"
#include "GdiObjects.h"
#include "MarkingGeometry.h"
#include "MarkingRules.h"
#include "PaintLayout.h"
#include "PluginState.h"
#include "PreviewWindow.h"

namespace {

RECT ToRect(const ScreenRect& r) { return {r.left, r.top, r.right, r.bottom}; }

void ClipTo(HDC dc, const ScreenRect& r) {
    if (HRGN region = CreateRectRgn(r.left, r.top, r.right, r.bottom)) {
        SelectClipRgn(dc, region);
        DeleteObject(region);
    }
}

void DrawBackground(HDC dc, const PaintLayout& layout) {
    HBRUSH background = GetSysColorBrush(COLOR_BTNFACE);
    for (int32 i = 0; i < layout.bandCount; ++i) {
        const RECT band = ToRect(layout.bands[size_t(i)]);
        FillRect(dc, &band, background);
    }
    const RECT frame = ToRect(layout.frame);
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void DrawPointMarker(HDC dc, const ScreenRect& image) {
    const ScreenRect box = PointMarkerBox(image);
    Ellipse(dc, box.left, box.top, box.right, box.bottom);
}

void DrawWireOutlines(HDC dc, const ScreenRect& image) {
    for (int32 piece = 0; piece < WirePieces(*gData); ++piece) {
        const WireOutline outline = GetWireOutline(image, piece);
        std::array<POINT, std::tuple_size<WireOutline>::value> points;
        for (size_t i = 0; i < outline.size(); ++i) points[i] = {outline[i].x, outline[i].y};
        Polyline(dc, points.data(), int(points.size()));
    }
}

// The marking in a white solid line with a black dotted one over it, so that
// it shows on dark and on light parts of the image.
void DrawMarking(HDC dc, const ScreenRect& image) {
    const int32 marked = MarkedPoints(*gData);
    if (marked == 0) return;
    void (*draw)(HDC, const ScreenRect&) = marked == 1 ? DrawPointMarker : DrawWireOutlines;
    Selection hollow(dc, GetStockObject(HOLLOW_BRUSH));
    for (const auto& [style, colour] : {std::pair{PS_SOLID, RGB(255, 255, 255)}, std::pair{PS_DOT, RGB(0, 0, 0)}}) {
        OwnedObject pen(CreatePen(style, 1, colour));
        if (!pen.get()) continue;
        Selection selected(dc, pen.get());
        draw(dc, image);
    }
}

}  // namespace

void PaintPreview(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    if (!dc) return;
    const PreviewPort port = CurrentPort(dialog);
    const ScreenRect image = GetImageRect(port);
    const PaintLayout layout = LayOutPreview(image, port.area);
    ClipTo(dc, port.area);
    DrawBackground(dc, layout);
    DisplayProxy(dc, image, port.area);
    ClipTo(dc, layout.markingClip);
    DrawMarking(dc, image);
    SelectClipRgn(dc, nullptr);
    EndPaint(dialog, &paint);
}

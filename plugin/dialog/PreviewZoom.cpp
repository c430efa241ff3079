#include "PreviewZoom.h"

#include "FitScale.h"
#include "PreviewState.h"
#include "ProxyImage.h"
#include "Rects.h"

void OpenPreview(const ScreenRect& area) {
    View().bufferID = nullptr;
    View().pixels = nullptr;
    SetAreaRect(area);
    ComputeFitScale();
    BuildProxy();
}

void ChangeZoom(int32 delta) {
    ReleaseProxy();
    PreviewView& view = View();
    view.scale += delta;
    view.proxyRect = GetFilterRect();
    ScaleRect(view.proxyRect, 1, SamplingFactor(view.scale));
    BuildProxy();
}

bool CanZoomIn() { return View().scale >= 2.0; }

bool CanZoomOut() { return View().scale < View().fitScale; }

bool ZoomIn() {
    if (!CanZoomIn()) return false;
    ChangeZoom(-1);
    return true;
}

bool ZoomOut() {
    if (!CanZoomOut()) return false;
    ChangeZoom(+1);
    return true;
}

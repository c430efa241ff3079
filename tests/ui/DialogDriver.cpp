// Drives the plug-in's real dialogs under Windows the way a user would: a
// second thread finds the dialog that the plug-in shows inside the host's
// start call and sends it clicks, keys and toolbar commands, then checks what
// the plug-in kept and what the host got. Each start of a Windows program is
// slow under emulation, so one run covers every scenario.
//   ui_driver PLUGIN IMAGE X0,Y0,X1,Y1 CLEAN_IMAGE OUT [SCREENSHOT_FOLDER]
// IMAGE is CLEAN_IMAGE with a dark wire drawn from (X0, Y0) to (X1, Y1).
//   ui_driver --press ok|cancel|about
// marks a wire and presses OK, or presses Cancel, in the dialog that another
// process (filterhost --dialog) shows, or closes its about box.
#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "Host.h"
#include "ImageFile.h"
#include "ParamBlocks.h"
#include "PluginLoader.h"
#include "UiSteps.h"

namespace {

constexpr char kCaption[] = "Linefix - removes wires from photos";
constexpr char kNoWire[] = "No wire selected";
constexpr char kBadWidth[] = "Invalid wire area width";
constexpr int kPreviewArea = 5, kTrackbar = 3, kVerticalBar = 1009, kHorizontalBar = 1010;
constexpr int kZoomIn = 6, kZoomOut = 7;
constexpr int kAboutWebButton = 4;

struct Marking {
    int32_t count = -1;
    WirePoints points{};
    std::vector<WirePoint> all;  // every point marked, in order
    int32_t width = -1;
};

// The host keeps the plug-in's blocks; the dialog's thread is idle in its
// message loop whenever a sent message has returned.
Marking ReadMarking(const Host& host) {
    PluginData data{};
    Parameters params{};
    Marking m;
    if (auto d = host.data(); d && d->size() >= sizeof data) {
        std::memcpy(&data, d->data(), sizeof data);
        m.count = data.pointCount;
        m.points = {data.startV, data.startH, data.endV, data.endH};
        for (int32_t k = 0; k < std::clamp(data.pointCount, 0, kMaxWirePoints); ++k)
            m.all.push_back(WirePointAt(data, k));
    }
    if (auto p = host.parameters(); p && p->size() >= sizeof params) {
        std::memcpy(&params, p->data(), sizeof params);
        m.width = params.wireAreaWidth;
    }
    return m;
}

HostOptions Quiet() {
    HostOptions options;
    options.openBrowser = false;
    return options;
}

// The dialog as the driver sees it: its toolbar, trackbar and preview area.
struct DialogView {
    HWND dialog = nullptr;
    HWND toolbar = nullptr;
    HWND trackbar = nullptr;
    RECT area{};

    explicit DialogView(HWND d) : dialog(d) {
        toolbar = FindWindowExA(dialog, nullptr, TOOLBARCLASSNAMEA, nullptr);
        trackbar = toolbar ? GetDlgItem(toolbar, kTrackbar) : nullptr;
        area = ControlRect(dialog, kPreviewArea);
    }
    bool enabled(int command) const {
        return (SendMessageA(toolbar, TB_GETSTATE, WPARAM(command), 0) & TBSTATE_ENABLED) != 0;
    }
    int32_t trackbarPosition() const { return int32_t(SendMessageA(trackbar, TBM_GETPOS, 0, 0)); }
    // A point of the area given in fifths of its width and height.
    POINT at(int fifthsAcross, int fifthsDown) const {
        return {area.left + (area.right - area.left) * fifthsAcross / 5,
                area.top + (area.bottom - area.top) * fifthsDown / 5};
    }
    POINT middle() const { return {(area.left + area.right) / 2, (area.top + area.bottom) / 2}; }
    void repaint() const {
        InvalidateRect(dialog, nullptr, TRUE);
        UpdateWindow(dialog);
    }
};

// The main dialog once it shows; a failed check when it does not.
std::optional<DialogView> AwaitDialog(const std::string& when) {
    HWND dialog = WaitForDialog(kCaption);
    Check(dialog != nullptr, "the dialog appears" + (when.empty() ? "" : " " + when));
    if (!dialog) return std::nullopt;
    return DialogView(dialog);
}

// The middle of the image stays under the middle of the area: the
// horizontal bar sits half-way along its range.
SCROLLINFO BarInfo(HWND dialog, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(GetDlgItem(dialog, bar), SB_CTL, &info);
    return info;
}

bool CentredHorizontally(const DialogView& view) {
    const SCROLLINFO info = BarInfo(view.dialog, kHorizontalBar);
    const int middleOfView = info.nPos + int(info.nPage) / 2;
    return info.nPage > 0 && std::abs(middleOfView - (info.nMax + info.nMin) / 2) <= 2;
}

// Scroll requests as the bars send them: pages of 100, lines of 1, the thumb.
void CheckScrolling(const DialogView& view) {
    HWND across = GetDlgItem(view.dialog, kHorizontalBar), down = GetDlgItem(view.dialog, kVerticalBar);
    auto scroll = [&](UINT message, HWND bar, int request, int thumb = 0) {
        SendMessageA(view.dialog, message, MAKEWPARAM(request, thumb), reinterpret_cast<LPARAM>(bar));
        return BarInfo(view.dialog, bar == across ? kHorizontalBar : kVerticalBar).nPos;
    };
    Check(scroll(WM_HSCROLL, across, SB_THUMBTRACK, 7) == 7, "dragging the thumb scrolls to its position");
    Check(scroll(WM_HSCROLL, across, SB_PAGERIGHT) == 107 && scroll(WM_HSCROLL, across, SB_LINELEFT) == 106,
          "a page is 100 pixels, a line 1");
    Check(scroll(WM_VSCROLL, down, SB_THUMBPOSITION, 3) == 3 && scroll(WM_VSCROLL, down, SB_LINEDOWN) == 4,
          "the vertical bar scrolls alike");
    Check(scroll(WM_HSCROLL, across, SB_PAGELEFT) == 6 && scroll(WM_HSCROLL, across, SB_PAGELEFT) == 0,
          "scrolling stops at the start");
}

void CheckZooming(const DialogView& view) {
    Check(view.enabled(kZoomIn) && !view.enabled(kZoomOut), "at the fitted scale zoom in is enabled, zoom out greyed");
    Command(view.dialog, kZoomIn);
    Check(view.enabled(kZoomOut), "after zooming in, zoom out is enabled");
    Check(CentredHorizontally(view), "zooming in keeps the centre of the image in view");
    Screenshot("zoomed-in");
    int steps = 1;
    while (view.enabled(kZoomIn) && steps < 20) Command(view.dialog, kZoomIn), ++steps;
    Check(!view.enabled(kZoomIn), "zoom in is greyed at factor 1 (after " + std::to_string(steps) + " steps)");
    Check(CentredHorizontally(view), "the centre stays through every zoom step");
    CheckScrolling(view);
    while (view.enabled(kZoomOut) && steps < 40) Command(view.dialog, kZoomOut), ++steps;
    Check(!view.enabled(kZoomOut) && view.enabled(kZoomIn), "zooming out returns to the fitted scale");
}

// Where the photo's wire runs, in image pixels; given on the command line.
struct Wire {
    int32_t x0, y0, x1, y1;
};
Wire gWire{};

// The preview's mapping from area positions to image pixels along one axis,
// learnt from two clicks: pixel = (position - start) * scale.
struct AxisMap {
    double start, scale;
    AxisMap(int32_t p0, int32_t v0, int32_t p1, int32_t v1) : scale(double(v1 - v0) / (p1 - p0)) {
        start = p0 - v0 / scale;
    }
    LONG position(int32_t pixel) const { return LONG(start + pixel / scale + 0.5); }
};

bool Near(int32_t a, int32_t b, double tolerance) { return std::abs(a - b) <= tolerance; }

// A position in the photo, in image pixels.
struct ImagePoint {
    double x, y;
};

// Where image pixels lie in the area, learnt from two clicks at known
// places of it; they leave the two points marked.
struct PreviewMap {
    AxisMap across, down;
    POINT at(const ImagePoint& p) const { return {across.position(int32_t(p.x)), down.position(int32_t(p.y))}; }
    ImagePoint of(POINT p) const { return {(p.x - across.start) * across.scale, (p.y - down.start) * down.scale}; }
    // What a point may be off by: a click lands on a whole preview pixel.
    double slack() const { return 2 * across.scale + 1; }
};

PreviewMap MapOf(POINT p, POINT q, const WirePoints& two) {
    return {AxisMap(p.x, two.startH, q.x, two.endH), AxisMap(p.y, two.startV, q.y, two.endV)};
}

PreviewMap LearnMap(const DialogView& view, const Host& host) {
    const POINT p = view.at(1, 1), q = view.at(4, 4);
    Click(view.dialog, p);
    Click(view.dialog, q);
    return MapOf(p, q, ReadMarking(host).points);
}

// A point of the photo's wire, t of the way from its start; off to the side
// of it by `aside` pixels along its normal.
ImagePoint AlongWire(double t, double aside = 0) {
    const double dx = gWire.x1 - gWire.x0, dy = gWire.y1 - gWire.y0, length = std::hypot(dx, dy);
    return {gWire.x0 + t * dx - aside * dy / length, gWire.y0 + t * dy + aside * dx / length};
}

// Keys are posted, as the keyboard queues them: what they did shows once
// the count reaches what they should leave.
bool CountBecomes(const Host& host, int32_t count) {
    return WaitUntil([&] { return ReadMarking(host).count == count; });
}

// Whether the marked points are the wanted ones, each within the map's slack.
bool MarkedAt(const Marking& marking, const std::vector<ImagePoint>& wanted, const PreviewMap& map) {
    if (marking.count != int32_t(wanted.size()) || marking.all.size() != wanted.size()) return false;
    for (size_t k = 0; k < wanted.size(); ++k)
        if (!Near(marking.all[k].h, int32_t(wanted[k].x), map.slack()) ||
            !Near(marking.all[k].v, int32_t(wanted[k].y), map.slack()))
            return false;
    return true;
}

// Clicks at the image points, the first two plain and the rest with Shift.
void MarkAlong(const DialogView& view, const PreviewMap& map, const std::vector<ImagePoint>& points) {
    for (size_t k = 0; k < points.size(); ++k) Click(view.dialog, map.at(points[k]), k < 2 ? 0 : MK_SHIFT);
}

// Two clicks set the points and a third clears them; then the user marks
// the photo's wire, its start first.
void CheckMarking(const DialogView& view, const Host& host) {
    const POINT p = view.at(1, 1), q = view.at(4, 4);
    Click(view.dialog, p);
    Check(ReadMarking(host).count == 1, "the first click sets the start point");
    Click(view.dialog, q);
    const Marking two = ReadMarking(host);
    Check(two.count == 2 && two.points.startH < two.points.endH && two.points.startV < two.points.endV,
          "the second click sets the end point");
    Click(view.dialog, view.at(3, 3));
    Check(ReadMarking(host).count == 0, "the third click clears both");

    const PreviewMap map = MapOf(p, q, two.points);
    Click(view.dialog, map.at(AlongWire(0)));
    view.repaint();
    Screenshot("one-point");
    Click(view.dialog, map.at(AlongWire(1)));
    const Marking wire = ReadMarking(host);
    const double slack = map.slack();
    Check(wire.count == 2 && Near(wire.points.startH, gWire.x0, slack) && Near(wire.points.startV, gWire.y0, slack) &&
              Near(wire.points.endH, gWire.x1, slack) && Near(wire.points.endV, gWire.y1, slack),
          "clicks on the wire's ends mark it");
}

void DriveConfirmedDialog(const Host& host) {
    const std::optional<DialogView> shown = AwaitDialog("");
    if (!shown) return;
    const DialogView& view = *shown;
    HWND dialog = view.dialog;
    Check(view.trackbar && GetParent(view.trackbar) == view.toolbar, "the trackbar lies in the toolbar");
    Check(PixelAt(dialog, view.at(2, 2)) != GetSysColor(COLOR_BTNFACE), "the preview shows the image");
    view.repaint();
    Screenshot("photo");
    CheckZooming(view);

    PostCommand(dialog, IDOK);
    Check(AnswerMessageBox(kNoWire), "OK without points shows \"No wire selected\"");
    Check(IsWindow(dialog), "the dialog stays open after the message");

    CheckMarking(view, host);
    SendMessageA(view.trackbar, TBM_SETPOS, TRUE, 40);
    SendKey(view.trackbar, VK_RIGHT);
    Check(view.trackbarPosition() == 41 && ReadMarking(host).width == 41, "moving the trackbar sets the width at once");

    Command(dialog, IDOK, 1);
    Command(dialog, IDCANCEL, 1);
    Check(IsWindow(dialog), "OK and Cancel with a notification code do not close the dialog");
    view.repaint();
    Screenshot("marked");
    Command(dialog, kZoomIn);
    Check(PixelAt(dialog, view.at(2, 2)) != GetSysColor(COLOR_BTNFACE), "the zoomed preview shows the image");
    view.repaint();
    Check(PixelAt(dialog, view.at(2, 2)) != GetSysColor(COLOR_BTNFACE), "a full repaint shows it again");
    Screenshot("marked-zoomed-in");
    PressKey(dialog, VK_RETURN);
    Check(WaitUntilGone(dialog), "Enter closes the dialog as OK");
}

// The recorded width stays in force until the user moves the trackbar.
void DriveOutOfRangeWidth(const Host& host) {
    const std::optional<DialogView> shown = AwaitDialog("with a recorded width of 300");
    if (!shown) return;
    const DialogView& view = *shown;
    HWND dialog = view.dialog;
    Check(view.trackbarPosition() == kMaxWireAreaWidth && ReadMarking(host).width == 300,
          "the trackbar shows 200 while the width stays 300");
    Click(dialog, view.at(1, 1));
    Click(dialog, view.at(4, 3));
    PostCommand(dialog, IDOK);
    Check(AnswerMessageBox(kBadWidth), "OK is refused with \"Invalid wire area width\"");
    Check(IsWindow(dialog), "the dialog stays open after the range message");
    SendKey(view.trackbar, VK_LEFT);
    Check(ReadMarking(host).width == 199, "moving the trackbar brings the width into range");
    PostCommand(dialog, IDOK);
    Check(WaitUntilGone(dialog), "OK then closes the dialog");
}

// Escape cancels: the points as the dialog left them, the width as before.
void DriveCancelledDialog(const Host& host) {
    const std::optional<DialogView> shown = AwaitDialog("again");
    if (!shown) return;
    const DialogView& view = *shown;
    HWND dialog = view.dialog;
    const Marking before = ReadMarking(host);
    Check(before.count == 0 && before.width == 41 && view.trackbarPosition() == 41,
          "it opens unmarked with the last width, 41, from the registry");
    SendKey(view.trackbar, VK_RIGHT);
    Click(dialog, view.at(2, 2));
    const Marking changed = ReadMarking(host);
    Check(changed.count == 1 && changed.width == 42, "a click sets a start point and the trackbar width 42");
    PressKey(dialog, VK_ESCAPE);
    Check(WaitUntilGone(dialog), "Escape closes the dialog as Cancel");
}

// The preview could not be fetched: nothing to see, but OK still works.
void DriveDialogWithoutPreview(const Host&) {
    const std::optional<DialogView> shown = AwaitDialog("when the host fails to give the preview");
    if (!shown) return;
    const DialogView& view = *shown;
    HWND dialog = view.dialog;
    Check(PixelAt(dialog, view.at(2, 2)) == GetSysColor(COLOR_BTNFACE), "the preview area stays empty");
    Click(dialog, view.at(1, 1));
    Click(dialog, view.at(4, 4));
    PostCommand(dialog, IDOK);
    Check(WaitUntilGone(dialog), "OK closes it");
}

// Runs the host's interactive filter while driveDialog plays the user.
template <class Drive>
Outcome RunWithUser(Host& host, const PluginLoader& plugin, Drive driveDialog) {
    std::thread user([&] {
        driveDialog(host);
        // A scenario that failed half-way must still let the host go on.
        for (const char* box : {kNoWire, kBadWidth})
            if (HWND left = FindWindowA("#32770", box)) PostCommand(left, IDOK);
        if (HWND left = FindWindowA("#32770", kCaption)) PostCommand(left, IDCANCEL);
    });
    const Outcome outcome = host.runInteractive(plugin.entry());
    user.join();
    return outcome;
}

// Mean squared difference of two images of the same size.
double MeanSquaredDifference(const Image& a, const Image& b) {
    double sum = 0;
    for (size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i) {
        const double d = double(a.pixels[i]) - b.pixels[i];
        sum += d * d;
    }
    return a.pixels.empty() ? 0 : sum / double(a.pixels.size());
}

void MarkAndConfirm(const PluginLoader& plugin, const Image& image, const Image& clean,
                    const std::filesystem::path& out) {
    Host host(image, Quiet());
    const Outcome done = RunWithUser(host, plugin, DriveConfirmedDialog);
    Check(done.ok(), "the run after OK succeeds (code " + std::to_string(done.code) + ")");
    const Marking marked = ReadMarking(host);
    Check(marked.count == 2 && marked.width == 41, "the plug-in keeps the two points and width 41");
    const double before = MeanSquaredDifference(image, clean), after = MeanSquaredDifference(host.output(), clean);
    Check(after * 4 < before, "the wire was removed (mean squared difference from the clean photo " +
                                  std::to_string(before) + " -> " + std::to_string(after) + ")");
    WriteImage(out, host.output());

    Host headless(image, Quiet());
    const Outcome again = headless.runFirst(plugin.entry(), {marked.points, marked.width});
    Check(again.ok() && headless.output().pixels == host.output().pixels,
          "a headless run with the points and width the dialog recorded gives the same bytes");

    const Outcome cancelled = RunWithUser(host, plugin, DriveCancelledDialog);
    Check(cancelled.selector == filterSelectorStart && cancelled.code == userCanceledErr,
          "a cancelled dialog reports -128 from the start selector");
    const Marking kept = ReadMarking(host);
    Check(kept.width == 41 && kept.count == 1, "after Cancel the width is restored and the points are kept");
}

// Shift+click extends the marking past its two ends and Backspace takes the
// last point back, also with the focus in the trackbar; then the photo's
// wire is marked at its ends and its middle and confirmed.
void DriveSeveralPoints(const Host& host) {
    const std::optional<DialogView> shown = AwaitDialog("for marking several points");
    if (!shown) return;
    const DialogView& view = *shown;
    HWND dialog = view.dialog;
    const PreviewMap map = LearnMap(view, host);
    const POINT third = view.at(2, 3);
    const std::vector<ImagePoint> three = {map.of(view.at(1, 1)), map.of(view.at(4, 4)), map.of(third)};
    Click(dialog, third, MK_SHIFT);
    Check(MarkedAt(ReadMarking(host), three, map), "a Shift+click after the two ends adds a third point");
    PressKey(dialog, VK_BACK);
    Check(CountBecomes(host, 2), "Backspace removes the third point");
    Click(dialog, third, MK_SHIFT);
    Check(ReadMarking(host).count == 3, "a Shift+click adds it again");
    const int32_t width = view.trackbarPosition();
    PressKey(view.trackbar, VK_BACK);
    Check(CountBecomes(host, 2) && view.trackbarPosition() == width,
          "Backspace meant for the trackbar removes it too and leaves the width");
    for (int press = 0; press < 3; ++press) PressKey(dialog, VK_BACK);
    PostMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(third.x, third.y));
    Check(CountBecomes(host, 1), "Backspace removes points down to none; one more changes nothing");
    PressKey(dialog, VK_BACK);
    Check(CountBecomes(host, 0), "and the start point set after it goes the same way");

    const std::vector<ImagePoint> wire = {AlongWire(0), AlongWire(0.5), AlongWire(1)};
    MarkAlong(view, map, wire);
    Check(MarkedAt(ReadMarking(host), wire, map), "the photo's wire is marked at its ends and its middle");
    PostCommand(dialog, IDOK);
    Check(WaitUntilGone(dialog), "OK closes the dialog with three points");
}

// A new run opens unmarked; a plain click clears a marking of three points,
// and four points make one of three pieces along the wire.
void DriveThreePieces(const Host& host) {
    const std::optional<DialogView> shown = AwaitDialog("again for several points");
    if (!shown) return;
    const DialogView& view = *shown;
    HWND dialog = view.dialog;
    Check(ReadMarking(host).count == 0, "it opens unmarked");
    const PreviewMap map = LearnMap(view, host);
    Click(dialog, view.at(2, 3), MK_SHIFT);
    Check(ReadMarking(host).count == 3, "two clicks and a Shift+click mark three points");
    view.repaint();
    Screenshot("two-pieces");
    Click(dialog, view.middle());
    Check(ReadMarking(host).count == 0, "a plain click clears the three points");
    const std::vector<ImagePoint> sagging = {AlongWire(0), AlongWire(1.0 / 3, 10), AlongWire(2.0 / 3, 10),
                                             AlongWire(1)};
    MarkAlong(view, map, sagging);
    Check(MarkedAt(ReadMarking(host), sagging, map), "four clicks mark the wire in three pieces");
    view.repaint();
    Screenshot("three-pieces");
    PostCommand(dialog, IDCANCEL);
    Check(WaitUntilGone(dialog), "Cancel closes it");
}

void MarkSeveralPoints(const PluginLoader& plugin, const Image& image) {
    Host host(image, Quiet());
    const Outcome done = RunWithUser(host, plugin, DriveSeveralPoints);
    Check(done.code == noErr, "the run with three points succeeds (code " + std::to_string(done.code) + ")");
    Check(ReadMarking(host).count == 3, "the plug-in keeps the three points");
    RunWithUser(host, plugin, DriveThreePieces);
    Check(ReadMarking(host).count == 4, "after Cancel the four points are kept");
}

void RecordedWidthOutOfRange(const PluginLoader& plugin, const Image& image) {
    Host host(image, Quiet());
    Descriptor script;
    script.putInteger(keyWireAreaWidth, 300);
    host.setScript(script, plugInDialogDisplay);
    const Outcome done = RunWithUser(host, plugin, DriveOutOfRangeWidth);
    Check(done.ok() && ReadMarking(host).width == 199, "the run goes on with width 199");
}

void PreviewFailure(const PluginLoader& plugin, const Image& image) {
    HostOptions options = Quiet();
    options.faults.advance = {1, -1};  // the first request is the preview's
    Host host(image, options);
    const Outcome done = RunWithUser(host, plugin, DriveDialogWithoutPreview);
    Check(done.ok(), "the preview's error does not reach the host (code " + std::to_string(done.code) + ")");
    Check(host.output().pixels != image.pixels, "the wire is removed all the same");
}

Image Crop(const Image& image, int32_t width, int32_t height, bool grey) {
    Image part;
    part.width = width;
    part.height = height;
    part.channels = grey ? 1 : image.channels;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            for (int32_t c = 0; c < part.channels; ++c) part.pixels.push_back(image.at(x, y, c));
    return part;
}

// A grey image of 8000 x 6000: reduced by a large factor, and at full size
// scrolled over thousands of pixels.
void LargeImage(const PluginLoader& plugin) {
    Image large;
    large.width = 8000;
    large.height = 6000;
    large.channels = 1;
    large.pixels.resize(size_t(large.width) * size_t(large.height));
    for (int32_t y = 0; y < large.height; ++y)
        for (int32_t x = 0; x < large.width; ++x) large.at(x, y, 0) = uint8_t(64 + (x / 100 + y / 100) % 2 * 128);
    Host host(large, Quiet());
    RunWithUser(host, plugin, [](const Host&) {
        const std::optional<DialogView> shown = AwaitDialog("for an 8000 x 6000 image");
        if (!shown) return;
        const DialogView& view = *shown;
        int steps = 0;
        while (view.enabled(kZoomIn) && steps < 40) Command(view.dialog, kZoomIn), ++steps;
        Check(steps >= 10, "it zooms in from a large factor in " + std::to_string(steps) + " steps");
        const SCROLLINFO bar = BarInfo(view.dialog, kHorizontalBar);
        const int last = bar.nMax - int(bar.nPage) + 1;
        SendMessageA(view.dialog, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, last),
                     reinterpret_cast<LPARAM>(GetDlgItem(view.dialog, kHorizontalBar)));
        Check(last > 7000 && BarInfo(view.dialog, kHorizontalBar).nPos == last, "the view scrolls to the far end");
        Check(PixelAt(view.dialog, view.at(2, 2)) != GetSysColor(COLOR_BTNFACE), "and still shows the image there");
        Screenshot("large-scrolled");
        PostCommand(view.dialog, IDCANCEL);
        WaitUntilGone(view.dialog);
    });
}

// The photo as a CMYK image without black (cyan, magenta, yellow are the
// red, green, blue that pass), so that it looks as the RGB photo does; or as
// a layer whose left half is transparent.
Image AsCmyk(const Image& rgb) {
    Image cmyk{rgb.width, rgb.height, 4, {}};
    for (size_t i = 0; i < rgb.pixels.size(); i += 3) {
        cmyk.pixels.insert(cmyk.pixels.end(), rgb.pixels.begin() + i, rgb.pixels.begin() + i + 3);
        cmyk.pixels.push_back(255);
    }
    return cmyk;
}

Image AsLayer(const Image& rgb) {
    Image layer{rgb.width, rgb.height, 4, {}, 8, true};
    for (int32_t y = 0; y < rgb.height; ++y)
        for (int32_t x = 0; x < rgb.width; ++x) {
            for (int32_t c = 0; c < 3; ++c) layer.pixels.push_back(rgb.at(x, y, c));
            layer.pixels.push_back(x < rgb.width / 2 ? 0 : 255);
        }
    return layer;
}

// Opens the dialog over the host's image, checks the preview and takes its
// picture.
void ShowPreview(const PluginLoader& plugin, Host& host, const std::string& what, const char* shot,
                 const std::function<void(const DialogView&)>& check) {
    RunWithUser(host, plugin, [&](const Host&) {
        const std::optional<DialogView> shown = AwaitDialog("for " + what);
        if (!shown) return;
        check(*shown);
        Screenshot(shot);
        PostCommand(shown->dialog, IDCANCEL);
        WaitUntilGone(shown->dialog);
    });
}

bool IsGrey(COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); }

// Images the preview must cope with: 16-bit samples, grey, CMYK, a layer with
// transparency, a grey image smaller than the area, a single pixel.
void UnusualImages(const PluginLoader& plugin, const Image& image) {
    HostOptions deep = Quiet();
    deep.depth = 16;
    Host deepHost(image, deep);
    ShowPreview(plugin, deepHost, "a 16-bit image", "deep", [](const DialogView& view) {
        const COLORREF colour = PixelAt(view.dialog, view.middle());
        Check(colour != GetSysColor(COLOR_BTNFACE) && !IsGrey(colour), "the 16-bit image shows in colour");
    });
    Host grey(Crop(image, image.width, image.height, true), Quiet());
    ShowPreview(plugin, grey, "a grey image", "grey", [](const DialogView& view) {
        const COLORREF colour = PixelAt(view.dialog, view.middle());
        Check(colour != GetSysColor(COLOR_BTNFACE) && IsGrey(colour), "the grey image shows in grey");
    });
    Host cmyk(AsCmyk(image), Quiet());
    ShowPreview(plugin, cmyk, "a CMYK image", "cmyk", [](const DialogView& view) {
        const COLORREF colour = PixelAt(view.dialog, view.middle());
        Check(colour != GetSysColor(COLOR_BTNFACE) && !IsGrey(colour), "the CMYK image shows in colour");
    });
    Host layer(AsLayer(image), Quiet());
    ShowPreview(plugin, layer, "a layer with transparency", "layer", [](const DialogView& view) {
        const POINT clear = view.at(1, 2), solid = view.at(4, 2);
        Check(PixelAt(view.dialog, clear) == RGB(255, 255, 255), "its transparent half shows the white beneath");
        Check(PixelAt(view.dialog, solid) != RGB(255, 255, 255), "its opaque half shows the photo");
    });

    Host small(Crop(image, 40, 30, true), Quiet());
    RunWithUser(small, plugin, [](const Host&) {
        const std::optional<DialogView> shown = AwaitDialog("for a 40 x 30 grey image");
        if (!shown) return;
        const DialogView& view = *shown;
        HWND dialog = view.dialog;
        const COLORREF colour = PixelAt(dialog, view.middle());
        Check(colour != GetSysColor(COLOR_BTNFACE) && IsGrey(colour), "the small grey image shows in the middle");
        Check(PixelAt(dialog, view.at(1, 1)) == GetSysColor(COLOR_BTNFACE), "the area around it is background");
        Screenshot("small-grey");
        PostCommand(dialog, IDCANCEL);
        WaitUntilGone(dialog);
    });

    // A single pixel reduces to nothing to show or click on.
    Host tiny(Crop(image, 1, 1, false), Quiet());
    const Outcome done = RunWithUser(tiny, plugin, [](const Host& host) {
        const std::optional<DialogView> shown = AwaitDialog("for a 1 x 1 image");
        if (!shown) return;
        const DialogView& view = *shown;
        HWND dialog = view.dialog;
        Click(dialog, view.at(2, 2));
        Click(dialog, view.middle());
        Check(ReadMarking(host).count == 0, "clicks beside the empty preview mark nothing");
        PostCommand(dialog, IDOK);
        Check(AnswerMessageBox(kNoWire), "OK asks for a wire");
        PostCommand(dialog, IDCANCEL);
        Check(WaitUntilGone(dialog), "Cancel closes it");
    });
    Check(done.code == userCanceledErr, "the 1 x 1 run ends as cancelled");
}

// The about box that the host's hidden window owns.
HWND WaitForAboutBox() {
    HWND owner = nullptr;
    WaitUntil([&] { return (owner = FindWindowA("STATIC", "filterhost")) != nullptr; });
    return owner ? WaitForDialog("", owner) : nullptr;
}

// Each way of closing the about box, and the web button that does not.
void AboutBox(const PluginLoader& plugin, const Image& image) {
    Host host(image, Quiet());
    struct Closer {
        const char* what;
        void (*close)(HWND box);
    };
    const Closer closers[] = {
        {"Enter", [](HWND box) { PostMessageA(box, WM_CHAR, VK_RETURN, 0); }},
        {"Escape", [](HWND box) { PostMessageA(box, WM_CHAR, VK_ESCAPE, 0); }},
        {"a click", [](HWND box) { PostMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4)); }},
        {"command 1", [](HWND box) { PostCommand(box, IDOK); }},
        {"command 2", [](HWND box) { PostCommand(box, IDCANCEL); }},
    };
    bool first = true;
    for (const Closer& closer : closers) {
        std::thread user([&] {
            HWND box = WaitForAboutBox();
            Check(box != nullptr, std::string("the about box appears (to be closed by ") + closer.what + ")");
            if (!box) return;
            if (first) {
                HWND owner = GetWindow(box, GW_OWNER);
                RECT client, window;
                GetClientRect(owner, &client);
                MapWindowPoints(owner, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
                GetWindowRect(box, &window);
                const LONG top = client.top + (client.bottom - client.top - (window.bottom - window.top)) / 3;
                Check(window.top == top, "the about box sits a third of the way down its owner");
                Screenshot("about");
                Command(box, kAboutWebButton);
                Check(IsWindow(box), "the web button keeps the box open");
            }
            closer.close(box);
            Check(WaitUntilGone(box), std::string(closer.what) + " closes the about box");
        });
        host.about(plugin.entry());
        user.join();
        first = false;
    }
    Check(host.browsedUrls() == std::vector<std::string>{"http://www.linefix.example"},
          "the web button asks the host to open http://www.linefix.example");
}

// A host without the basic suite cannot open the address; the box says it.
void AboutBoxWithoutSuites(const PluginLoader& plugin, const Image& image) {
    HostOptions bare = Quiet();
    bare.basicSuite = false;
    Host without(image, bare);
    std::thread user([&] {
        HWND box = WaitForAboutBox();
        if (!box) return Check(false, "the about box appears without the suites");
        PostCommand(box, kAboutWebButton);
        Check(AnswerMessageBox("Linefix"), "without the host's suites the web button gives the address instead");
        PostMessageA(box, WM_CHAR, VK_ESCAPE, 0);
        Check(WaitUntilGone(box), "and the box still closes");
    });
    without.about(plugin.entry());
    user.join();
}

// Plays the user for another program's dialog: marks a wire across the
// preview and presses OK, or presses Cancel; or closes the about box.
int Press(const std::string& button) {
    if (button == "about") {
        HWND box = WaitForAboutBox();
        Check(box != nullptr, "the host's about box appears");
        if (box) PostMessageA(box, WM_CHAR, VK_RETURN, 0);
        Check(box && WaitUntilGone(box), "Enter closes the host's about box");
        return FailureCount() == 0 ? 0 : 1;
    }
    const std::optional<DialogView> shown = AwaitDialog("in the host");
    if (!shown) return 1;
    const DialogView& view = *shown;
    HWND dialog = view.dialog;
    Click(dialog, view.at(1, 1));
    Click(dialog, view.at(4, 4));
    PostCommand(dialog, button == "ok" ? IDOK : IDCANCEL);
    Check(WaitUntilGone(dialog), button + " closes the host's dialog");
    return FailureCount() == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--press") == 0) return Press(argv[2]);
    if (argc < 6 || std::sscanf(argv[3], "%d,%d,%d,%d", &gWire.x0, &gWire.y0, &gWire.x1, &gWire.y1) != 4) {
        std::fprintf(stderr,
                     "usage: ui_driver PLUGIN IMAGE X0,Y0,X1,Y1 CLEAN_IMAGE OUT [SCREENSHOT_FOLDER]\n"
                     "       ui_driver --press ok|cancel|about\n");
        return 2;
    }
    if (argc > 6) SetScreenshotFolder(argv[6]);
    try {
        const PluginLoader plugin(argv[1]);
        const Image image = ReadImage(argv[2]);
        MarkAndConfirm(plugin, image, ReadImage(argv[4]), argv[5]);
        MarkSeveralPoints(plugin, image);
        RecordedWidthOutOfRange(plugin, image);
        PreviewFailure(plugin, image);
        UnusualImages(plugin, image);
        LargeImage(plugin);
        AboutBox(plugin, image);
        AboutBoxWithoutSuites(plugin, image);
    } catch (const std::exception& e) {
        Check(false, std::string("no error: ") + e.what());
    }
    std::printf("%d failed\n", FailureCount());
    return FailureCount() == 0 ? 0 : 1;
}

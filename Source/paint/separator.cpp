// The simple type's separator between the display area and the list: four
// one-pixel lines in the system's 3-D colours, in the client area and,
// joining the window's border, in the window frame.
#include "geometry/layout.h"
#include "paint/elements.h"
#include "base/gdi.h"
#include "paint/paint.h"

namespace {

struct SeparatorColors {
    COLORREF light;
    COLORREF highlight;
    COLORREF shadow;
    COLORREF darkShadow;
};

// Systems before version 4 have no 3-D light and dark shadow colours.
SeparatorColors SystemSeparatorColors() {
    if (SystemMajorVersion() < 4)
        return {GetSysColor(COLOR_BTNHIGHLIGHT), RGB(255, 255, 255), GetSysColor(COLOR_BTNSHADOW),
                RGB(0, 0, 0)};
    return {GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_BTNHIGHLIGHT),
            GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_3DDKSHADOW)};
}

void FillLine(HDC dc, COLORREF color, int left, int top, int right) {
    SolidBrush brush(color);
    const RECT line = {left, top, right, top + 1};
    FillRect(dc, &line, brush);
}

} // namespace

void PaintSeparator(ControlRecord* rec, HDC dc) {
    RECT client;
    GetClientRect(rec->hwndControl, &client);
    const int y = ClosedDisplayRect(rec).bottom;
    const SeparatorColors colors = SystemSeparatorColors();
    FillLine(dc, colors.light, client.left, y, client.right);
    FillLine(dc, colors.highlight, client.left, y + 1, client.right);
    FillLine(dc, colors.shadow, client.left, y + 2, client.right);
    FillLine(dc, colors.darkShadow, client.left, y + 3, client.right);
}

void PaintNcSeparator(ControlRecord* rec) {
    HWND window = rec->hwndControl;
    // The client rectangle and the display area's bottom in window
    // coordinates.
    RECT frame;
    GetWindowRect(window, &frame);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&frame), 2);
    RECT client;
    GetClientRect(window, &client);
    const int cl = client.left - frame.left;
    const int cr = client.right - frame.left;
    const int y = ClosedDisplayRect(rec).bottom - frame.top;

    WindowDC dc(window, true);
    if (!dc) return;
    const SeparatorColors colors = SystemSeparatorColors();
    const bool below = rec->dropDownPosition != kDropAbove;
    FillLine(dc, below ? colors.light : colors.darkShadow, cl - 1, y, cr + 1);
    FillLine(dc, below ? colors.highlight : colors.shadow, cl - 2, y + 1, cr + 2);
    FillLine(dc, colors.shadow, cl - 1, y + 2, cr + 1);
    FillLine(dc, colors.darkShadow, cl - 1, y + 3, cr);
}

// One-pixel raised or sunken frames of rows and headers.
#include "paint/paintobjects.h"
#include "paint/draw.h"
#include "base/gdi.h"

namespace {

void FillStrip(HDC dc, HBRUSH brush, int left, int top, int right, int bottom) {
    RECT strip = {left, top, right, bottom};
    FillRect(dc, &strip, brush);
}

} // namespace

void Draw3DFrame(ControlRecord* rec, HDC dc, int left, int top, int right, int bottom, bool raised,
                 DWORD lightColor, DWORD darkColor) {
    {
        PaintBrush topLeft(rec, PaintColor(rec, raised ? lightColor : darkColor));
        FillStrip(dc, topLeft, left, top, right, top + 1);
        FillStrip(dc, topLeft, left, top, left + 1, bottom);
    }
    PaintBrush bottomRight(rec, PaintColor(rec, raised ? darkColor : lightColor));
    FillStrip(dc, bottomRight, left, bottom - 1, right, bottom);
    FillStrip(dc, bottomRight, right - 1, top, right, bottom);
}

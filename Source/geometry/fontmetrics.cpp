// The fonts of the control's parts: measuring, storing, and the column
// header font's exports.
#include "geometry/fontmetrics.h"

#include "geometry/layout.h"

void MeasureFont(ControlRecord* rec, HFONT font, TEXTMETRICA* metrics) {
    HDC dc = GetDC(rec->hwndControl);
    if (!dc) return;
    HGDIOBJ old = SelectObject(dc, font ? font : rec->font);
    GetTextMetricsA(dc, metrics);
    SelectObject(dc, old);
    ReleaseDC(rec->hwndControl, dc);
}

void StoreFont(ControlRecord* rec, HFONT* field, TEXTMETRICA* metrics, HFONT font) {
    *field = font;
    MeasureFont(rec, font, metrics);
}

void FontChanged(ControlRecord* rec, BOOL redraw) {
    RecalcLayout(rec);
    if (redraw) RepaintAll(rec);
}

extern "C" {

void WINAPI QelBox_SetColHeaderFont(HWND control, HFONT font, BOOL redraw) {
    ENTER_CONTROL(control, );
    StoreFont(rec, &rec->colHeaderFont, &rec->colHeaderFontMetrics, font);
    FontChanged(rec, redraw);
}

HFONT WINAPI QelBox_GetColHeaderFont(HWND control) {
    ENTER_CONTROL(control, nullptr);
    return rec->colHeaderFont;
}

} // extern "C"

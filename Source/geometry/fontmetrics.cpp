// The fonts of the control's parts: measuring, storing, and the column
// header font's exports.
#include "geometry/fontmetrics.h"

#include "geometry/layout.h"
#include "base/gdi.h"
#include "base/diagnostics.h"

void MeasureFont(ControlRecord* rec, HFONT font, TEXTMETRICA* metrics) {
    WindowDC dc(rec->hwndControl);
    if (!dc) return;
    Selection selected(dc, font ? font : rec->font);
    GetTextMetricsA(dc, metrics);
}

void StoreFont(ControlRecord* rec, HFONT* field, TEXTMETRICA* metrics, HFONT font) {
    *field = font;
    MeasureFont(rec, font, metrics);
}

void FontChanged(ControlRecord* rec, BOOL redraw) {
    RecalcLayout(rec);
    if (redraw) RepaintAll(rec);
}

void SetColHeaderFont(ControlRecord* rec, HFONT font, BOOL redraw) {
    StoreFont(rec, &rec->colHeaderFont, &rec->colHeaderFontMetrics, font);
    FontChanged(rec, redraw);
}

extern "C" {

void WINAPI QelBox_SetColHeaderFont(HWND control, HFONT font, BOOL redraw) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    SetColHeaderFont(rec, font, redraw);
}

HFONT WINAPI QelBox_GetColHeaderFont(HWND control) {
    ENTER_CONTROL(control, nullptr);
    return rec->colHeaderFont;
}

} // extern "C"

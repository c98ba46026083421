// Row-header and corner-header properties.
#include "geometry/rowheaders.h"

#include "core/editfield.h"
#include "geometry/layout.h"

void InvalidateCorner(ControlRecord* rec) {
    if (!CanDraw(rec) || !rec->rowHeaderWidth || !rec->showHeader) return;
    RECT client;
    GetClientRect(rec->hwndControl, &client);
    RECT corner = {client.left, client.top, client.left + rec->rowHeaderWidth,
                   client.top + HeaderHeight(rec)};
    InvalidateRect(rec->hwndControl, &corner, FALSE);
}

const char* RowHeaderLabel(const ControlRecord* rec, const ItemRecord* item, int index,
                           char (&number)[kRowNumberChars]) {
    if (item && item->rowText) return item->rowText;
    switch (rec->showRowHeader) {
    case 1:
    case 2:
        return nullptr;
    case 5:
    case 6:
        wsprintfA(number, "%d", index + 1);
        return number;
    default:
        wsprintfA(number, "%d", index);
        return number;
    }
}

extern "C" {

void WINAPI QelBox_SetRowHeaderFont(HWND control, HFONT font, BOOL redraw) {
    ControlRecord* rec = RecordOf(control);
    rec->rowHeaderFont = font;
    MeasureFont(rec, font, &rec->rowHeaderFontMetrics);
    RecalcLayout(rec);
    if (redraw) RepaintAll(rec);
}

HFONT WINAPI QelBox_GetRowHeaderFont(HWND control) {
    return RecordOf(control)->rowHeaderFont;
}

} // extern "C"

extern "C" {

void WINAPI QelBox_SetShowRowHeader(HWND control, int mode) {
    ControlRecord* rec = RecordOf(control);
    if (mode < 0 || mode > 6) return;
    int width = mode == 0 ? 0 : 4 * rec->charWidth;
    if (width == rec->rowHeaderWidth && mode == rec->showRowHeader) return;
    rec->rowHeaderWidth = width;
    rec->showRowHeader = mode;
    RecalcLayout(rec);
    RepaintAll(rec);
}

int WINAPI QelBox_GetShowRowHeader(HWND control) {
    return RecordOf(control)->showRowHeader;
}

void WINAPI QelBox_SetRowHeaderWidth(HWND control, int width) {
    ControlRecord* rec = RecordOf(control);
    if (width < 0 || width == rec->rowHeaderWidth) return;
    rec->rowHeaderWidth = width;
    RecalcLayout(rec);
    RepaintAll(rec);
}

int WINAPI QelBox_GetRowHeaderWidth(HWND control) {
    return RecordOf(control)->rowHeaderWidth;
}

} // extern "C"

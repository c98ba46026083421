// Paint handlers of the control window and the list window.
#include "paint/paint.h"

#include "core/memory.h"
#include "paint/draw.h"

void PaintControl(ControlRecord* rec, HDC dc, const RECT* update) {
    RefreshBackgroundBrush(rec);
    RECT area;
    GetClientRect(rec->hwndControl, &area);
    if (update) IntersectRect(&area, &area, update);
    FillRect(dc, &area, rec->backgroundBrush);
}

void PaintList(ControlRecord* rec, HDC dc, const RECT* update) {
    RefreshBackgroundBrush(rec);
    RECT area;
    GetClientRect(rec->hwndDropDown, &area);
    if (update) IntersectRect(&area, &area, update);
    FillRect(dc, &area, rec->backgroundBrush);
}

void PaintNcSeparator(ControlRecord* rec) {
    (void)rec;
}

// Colour values: resolution of ColorRefs and the control's colour record.
#include "paint/draw.h"

#include "base/memory.h"
#include "paint/paint.h"

COLORREF ResolveColor(DWORD color) {
    if (static_cast<LONG>(color) >= 0) return color;
    return GetSysColor(static_cast<int>(color & 0xFFFF));
}

void RefreshBackgroundBrush(ControlRecord* rec) {
    if (rec->backgroundBrush) {
        DeleteObject(rec->backgroundBrush);
        GdiDeleted();
        rec->backgroundBrush = nullptr;
    }
    rec->backgroundBrush = CreateSolidBrush(ResolveColor(rec->colors.colorBackground));
    if (rec->backgroundBrush) GdiCreated();
}

extern "C" {

void WINAPI QelBox_GetCtlColors(HWND control, CtlColors* colors) {
    ENTER_CONTROL(control, );
    if (colors) *colors = rec->colors;
}

void WINAPI QelBox_SetCtlColors(HWND control, const CtlColors* colors) {
    ENTER_CONTROL(control, );
    if (!colors) return;
    rec->colors = *colors;
    RepaintAll(rec);
}

} // extern "C"

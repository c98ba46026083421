// Colour values: resolution of ColorRefs and the control's colour record.
#include "paint/draw.h"

#include "base/memory.h"
#include "paint/paint.h"
#include "base/gdi.h"
#include "base/diagnostics.h"

COLORREF ResolveColor(DWORD color) {
    if (static_cast<LONG>(color) >= 0) return color;
    return GetSysColor(static_cast<int>(color & 0xFFFF));
}

void RefreshBackgroundBrush(ControlRecord* rec) {
    DeleteOwned(rec->backgroundBrush);
    rec->backgroundBrush =
        AdoptCreated(CreateSolidBrush(ResolveColor(rec->colors.colorBackground)));
}

extern "C" {

void WINAPI QelBox_GetCtlColors(HWND control, CtlColors* colors) {
    ENTER_CONTROL(control, );
    if (colors) *colors = rec->colors;
}

void WINAPI QelBox_SetCtlColors(HWND control, const CtlColors* colors) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    if (!colors) return;
    rec->colors = *colors;
    RepaintAll(rec);
}

} // extern "C"

// Horizontal extent and offset of the list.
#include "geometry/hscroll.h"

#include "model/columns.h"
#include "geometry/layout.h"
#include "geometry/metrics.h"
#include "geometry/popup.h"
#include "base/diagnostics.h"

int ListWidth(ControlRecord* rec) {
    int width;
    if (rec->hwndDropDown) {
        RECT client;
        GetClientRect(rec->hwndDropDown, &client);
        width = client.right - client.left;
    } else if (rec->droppedWidth > 0) {
        width = rec->droppedWidth;
    } else if (rec->droppedWidth == 0) {
        RECT display = ClosedDisplayRect(rec);
        width = display.right - display.left;
    } else {
        // Estimate while closed: the percentage applied to the drop-down
        // width once more.
        width = max(0, MulDiv(DropDownWidth(rec), -rec->droppedWidth, 100));
    }
    return width - rec->rowHeaderWidth;
}

int SetHorizontalOffsetNotify(ControlRecord* rec, int offset) {
    int old = rec->horizontalOffset;
    if (!SetHorizontalOffset(rec, offset) || rec->horizontalOffset == old) return 0;
    if (GetParent(rec->hwndControl)) Notify(rec, QELBOXN_HSCROLLCHANGE);
    return 1;
}

int SetHorizontalExtent(ControlRecord* rec, int extent) {
    if (extent < 0) return 0;
    if (extent == rec->horizontalExtent) return 1;
    rec->horizontalExtent = extent;
    UpdateHScrollBar(rec);
    RecalcLayout(rec);
    return 1;
}

int SetHorizontalOffset(ControlRecord* rec, int offset) {
    if (offset < -1) return 0;
    int w = ListWidth(rec);
    int e = rec->horizontalExtent;
    if (offset == -1 || offset > max(e - w, 0)) offset = e - w < 1 ? 0 : e - w;
    if (offset == rec->horizontalOffset) return 1;
    if (CanDraw(rec)) {
        InvalidateHeader(rec);
        InvalidateItem(rec, 0, true);
    }
    rec->horizontalOffset = offset;
    UpdateHScrollBar(rec);
    RecalcLayout(rec);
    return 1;
}

extern "C" {

int WINAPI QelBox_SetHorizontalExtent(HWND control, int extent) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return SetHorizontalExtent(rec, extent);
}

int WINAPI QelBox_GetHorizontalExtent(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->horizontalExtent;
}

int WINAPI QelBox_SetHorizontalOffset(HWND control, int offset) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return SetHorizontalOffset(rec, offset);
}

int WINAPI QelBox_GetHorizontalOffset(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->horizontalOffset;
}

} // extern "C"

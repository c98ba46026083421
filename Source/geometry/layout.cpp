// Geometry of the control: heights of header strip, display area and rows,
// the indentation of the tree area, the rectangles of the closed control,
// and RecalcLayout, which places the child windows and updates the scroll
// bars. Nothing here is cached.
#include "geometry/layout.h"

#include "base/bitmapinfo.h"
#include "base/view.h"
#include "model/columns.h"
#include "geometry/metrics.h"
#include "model/items.h"
#include "base/diagnostics.h"

int ButtonWidth(const ControlRecord* rec) {
    return rec->isSimple ? 0 : GetSystemMetrics(SM_CXVSCROLL);
}

int HeaderHeight(const ControlRecord* rec) {
    if (!rec->showHeader) return 0;
    int h = max(rec->colHeaderFontMetrics.tmHeight + 3, rec->headerBitmapInfo.bmHeight + 3);
    if (rec->rowHeaderWidth) h = max(h, rec->rowColBitmapInfo.bmHeight + 3);
    return h;
}

int EditAreaHeight(ControlRecord* rec) {
    if (!rec->hwndEdit) return RowHeight(rec, max(rec->committedSel, 0)) + 4;
    int h = rec->editFontMetrics.tmHeight + 4;
    if (!rec->rowHeaderWidth) return h;
    if (rec->fixedItemHeight) {
        h = max(h, rec->rowHeaderFontMetrics.tmHeight + 3);
        return max(h, static_cast<int>(rec->rowHeaderBitmapPrototype.bmHeight) + 3);
    }
    if (rec->committedSel >= 0 && rec->itemCount > 0) {
        h = max(h, rec->rowHeaderFontMetrics.tmHeight + 3);
        if (rec->rowHeaderBitmapPrototype.bmWidth >= 1) {
            const RowInfoBlock* info = GetItem(rec, rec->committedSel)->rowInfo;
            BITMAP bm;
            if (info && QueryBitmap(info->bitmap, &bm))
                h = max(h, static_cast<int>(bm.bmHeight) + 3);
            ReleaseItem(rec);
        }
    }
    return h;
}

namespace {

bool HorizontalGridLine(const ControlRecord* rec) {
    return rec->showGrid && !rec->show3D &&
           (rec->gridStyle == QELBOX_GRID_HORIZONTAL || rec->gridStyle == QELBOX_GRID_BOTH);
}

int FixedRowHeight(const ControlRecord* rec) {
    int h = max(0, rec->itemLines * static_cast<int>(rec->fontMetrics.tmHeight));
    h = max(h, static_cast<int>(rec->cellBitmapPrototype.bmHeight));
    if (rec->show3D) h += 4;
    if (rec->showLabels) h = max(h, static_cast<int>(rec->prototypeLabel.bmHeight));
    if (rec->showBitmaps) h = max(h, static_cast<int>(rec->prototypeBitmap.bmHeight));
    if (HorizontalGridLine(rec)) h += 1;
    if (rec->rowHeaderWidth) {
        h = max(h, rec->rowHeaderFontMetrics.tmHeight + 3);
        h = max(h, static_cast<int>(rec->rowHeaderBitmapPrototype.bmHeight) + 3);
    }
    return h;
}

} // namespace

int RowHeight(ControlRecord* rec, int index) {
    if (rec->fixedItemHeight || (index == 0 && rec->itemCount == 0)) return FixedRowHeight(rec);
    return VariableRowHeight(rec, index);
}

RECT ClosedDisplayRect(ControlRecord* rec) {
    RECT r;
    GetClientRect(rec->hwndControl, &r);
    r.left += rec->rowHeaderWidth;
    r.top += HeaderHeight(rec);
    r.right -= ButtonWidth(rec);
    r.bottom = r.top + EditAreaHeight(rec);
    return r;
}

int HeaderStripWidth(ControlRecord* rec) {
    if (!rec->showHeader) return 0;
    RECT client;
    GetClientRect(rec->hwndControl, &client);
    return max(0, static_cast<int>(client.right - client.left) - rec->rowHeaderWidth -
                      ButtonWidth(rec));
}

RECT HeaderStripRect(ControlRecord* rec) {
    RECT r = {0, 0, 0, 0};
    if (!rec->showHeader) return r;
    SetRect(&r, rec->rowHeaderWidth, 0, rec->rowHeaderWidth + HeaderStripWidth(rec),
            HeaderHeight(rec));
    return r;
}

void InvalidateHeader(ControlRecord* rec) {
    if (!CanDraw(rec) || !rec->showHeader) return;
    RECT strip = HeaderStripRect(rec);
    InvalidateRect(rec->hwndControl, &strip, FALSE);
}

RECT ListRect(ControlRecord* rec) {
    RECT r = {0, 0, 0, 0};
    if (!rec->hwndDropDown) return r;
    GetClientRect(rec->hwndDropDown, &r);
    r.left += rec->rowHeaderWidth;
    return r;
}

int IndentGap(const ControlRecord* rec) {
    return (rec->showLabels || rec->showTreeLines || rec->showBitmaps) ? 2 : 0;
}

int IndentUnit(const ControlRecord* rec) {
    if (rec->showTreeLines)
        return rec->showBitmaps ? rec->prototypeBitmap.bmWidth : rec->maxCharWidth;
    return rec->showBitmaps ? rec->prototypeBitmap.bmWidth / 2 : rec->maxCharWidth;
}

int Indent(const ControlRecord* rec, int level) {
    return IndentGap(rec) + IndentUnit(rec) * level +
           (rec->showBitmaps ? rec->prototypeBitmap.bmWidth : 0) +
           (rec->showLabels ? rec->prototypeLabel.bmWidth : 0);
}

void UpdateOverheadWidth(ControlRecord* rec) {
    int width = Indent(rec, rec->maxLevel);
    if (width == rec->overheadWidth) return;
    rec->overheadWidth = width;
    Notify(rec, QELBOXN_OVERHEADWIDTHCHANGE);
}

void RecalcLayout(ControlRecord* rec) {
    if (!CanDraw(rec)) return;
    UpdateOverheadWidth(rec);
    UpdateHScrollBar(rec);
    UpdateVScrollBar(rec);
    LayoutWindows(rec);
    UpdateHScrollBar(rec);
    UpdateVScrollBar(rec);
}

namespace {

// The rows of the list window from the top index: calls visit(index, top,
// height) for each row until it returns false, the rows run out or the
// running top reaches `bottom`.
template <typename Visit> void WalkRows(ControlRecord* rec, int top, int bottom, Visit visit) {
    for (int i = rec->topIndex; i < rec->itemCount && top < bottom; ++i) {
        int height = RowHeight(rec, i);
        if (!visit(i, top, height)) return;
        top += height;
    }
}

enum class InvalidateWhat { Row, Cells, RowHeaders };

void InvalidateRows(ControlRecord* rec, int index, bool toEnd, InvalidateWhat what) {
    if (!CanDraw(rec)) return;
    if (index == rec->committedSel || (toEnd && index < rec->committedSel))
        g_view.editTextChanged(rec);
    if (!rec->hwndDropDown) return;
    RECT r = ListRect(rec);
    if (what == InvalidateWhat::Row) {
        r.left = 0;
    } else if (what == InvalidateWhat::RowHeaders) {
        r.right = r.left;
        r.left = 0;
    }
    if (index == 0 && toEnd) {
        InvalidateRect(rec->hwndDropDown, &r, FALSE);
        return;
    }
    if (index >= 0 && index < rec->topIndex) {
        if (toEnd) InvalidateRect(rec->hwndDropDown, &r, FALSE);
        return;
    }
    WalkRows(rec, r.top, r.bottom, [&](int i, int top, int height) {
        if (i != index) return true;
        r.top = top;
        if (!toEnd) r.bottom = min(r.bottom, static_cast<LONG>(top + height));
        InvalidateRect(rec->hwndDropDown, &r, FALSE);
        return false;
    });
}

} // namespace

void InvalidateItem(ControlRecord* rec, int index, bool toEnd) {
    InvalidateRows(rec, index, toEnd, InvalidateWhat::Row);
}

void InvalidateItemCells(ControlRecord* rec, int index, bool toEnd) {
    InvalidateRows(rec, index, toEnd, InvalidateWhat::Cells);
}

void InvalidateRowHeaders(ControlRecord* rec, int index, bool toEnd) {
    InvalidateRows(rec, index, toEnd, InvalidateWhat::RowHeaders);
}

int RowTopInList(ControlRecord* rec, int index, int* height) {
    if (!rec->hwndDropDown || index < rec->topIndex) return -1;
    RECT r = ListRect(rec);
    if (r.bottom <= r.top) return -1;
    int found = -1;
    WalkRows(rec, r.top, r.bottom, [&](int i, int top, int h) {
        if (i != index) return true;
        found = top;
        if (height) *height = h;
        return false;
    });
    return found;
}

int RowAtListY(ControlRecord* rec, int y) {
    if (!rec->hwndDropDown) return -1;
    RECT r = ListRect(rec);
    int found = -1;
    WalkRows(rec, r.top, r.bottom, [&](int i, int top, int h) {
        if (y < top || y >= top + h) return true;
        found = i;
        return false;
    });
    return found;
}

void SetTopIndexNotify(ControlRecord* rec, int index) {
    int old = rec->topIndex;
    SetTopIndex(rec, index);
    if (rec->topIndex != old) Notify(rec, QELBOXN_TOPINDEXCHANGE);
}

void ScrollToRow(ControlRecord* rec, int index) {
    int top = rec->topIndex;
    if (index >= rec->topIndex) {
        int shown = RowsShown(rec);
        if (index - rec->topIndex >= shown) top = max(0, index - shown + 1);
    } else {
        top = index;
    }
    SetTopIndexNotify(rec, top);
}

int RowsShown(ControlRecord* rec) {
    bool dropped = rec->hwndDropDown != nullptr;
    if ((!rec->isSimple && rec->fixedItemHeight) || !dropped) {
        if (rec->droppedHeight >= 0) return max(1, rec->droppedHeight);
        int area = EditAreaHeight(rec);
        return max(1, area ? -(rec->droppedHeight / area) : 1);
    }
    RECT client;
    GetClientRect(rec->hwndDropDown, &client);
    int h = client.bottom - client.top;
    if (rec->fixedItemHeight) {
        int rh = RowHeight(rec, 0);
        return max(1, rh > 0 ? h / rh : 1);
    }
    int shown = 0;
    int used = 0;
    for (int i = rec->topIndex; i < rec->itemCount; ++i) {
        used += RowHeight(rec, i);
        if (used > h) break;
        ++shown;
    }
    return max(1, shown);
}

void MakeRowVisible(ControlRecord* rec, int index) {
    if (!IsValidIndex(rec, index) || !rec->hwndDropDown) return;
    if (!rec->fixedItemHeight && index >= rec->topIndex) {
        // The number of rows that fit changes with the top row.
        for (int guard = 0; guard <= rec->itemCount; ++guard) {
            ScrollToRow(rec, index);
            if (index - rec->topIndex < RowsShown(rec)) break;
        }
        return;
    }
    ScrollToRow(rec, index);
}

int SetTopIndex(ControlRecord* rec, int index) {
    if (!IsValidIndex(rec, index)) return -1;
    int maxTop = rec->itemCount - RowsShown(rec);
    int top = min(index, maxTop);
    if (top < 0) top = 0;
    if (top == rec->topIndex) return 0;
    if (rec->hwndDropDown) {
        int oldHeight = 0;
        int newHeight = 0;
        int oldTop = RowTopInList(rec, rec->topIndex, &oldHeight);
        int newTop = RowTopInList(rec, top, &newHeight);
        if (oldTop >= 0 && newTop >= 0 && CanDraw(rec)) {
            // Scrolling down by less than a window: move the pixels.
            UpdateWindow(rec->hwndDropDown);
            RECT r = ListRect(rec);
            r.left = 0;
            ScrollWindow(rec->hwndDropDown, 0, oldTop - newTop, &r, &r);
            rec->topIndex = top;
            UpdateWindow(rec->hwndDropDown);
            RecalcLayout(rec);
            return 0;
        }
        InvalidateItem(rec, 0, true);
    }
    rec->topIndex = top;
    RecalcLayout(rec);
    return 0;
}

extern "C" {

int WINAPI QelBox_GetItemsShown(HWND control) {
    ENTER_CONTROL(control, 0);
    return RowsShown(rec);
}

int WINAPI QelBox_GetTopIndex(HWND control) {
    ENTER_CONTROL(control, -1);
    return rec->topIndex;
}

int WINAPI QelBox_SetTopIndex(HWND control, int index) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    return SetTopIndex(rec, index);
}

void WINAPI QelBox_MakeRowVisible(HWND control, int index) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    MakeRowVisible(rec, index);
}

int WINAPI QelBox_GetItemLines(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->itemLines;
}

int WINAPI QelBox_GetOverheadWidth(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->overheadWidth;
}

int WINAPI QelBox_GetDroppedHeight(HWND control) {
    ENTER_CONTROL(control, -1);
    return rec->isSimple ? -1 : rec->droppedHeight;
}

int WINAPI QelBox_SetDroppedHeight(HWND control, int height) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    if (rec->isSimple || height == 0) return -1;
    rec->droppedHeight = height;
    return 0;
}

int WINAPI QelBox_GetDroppedWidth(HWND control) {
    ENTER_CONTROL(control, -1);
    return rec->isSimple ? -1 : rec->droppedWidth;
}

int WINAPI QelBox_SetDroppedWidth(HWND control, int width) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    if (rec->isSimple) return -1;
    rec->droppedWidth = width;
    return 0;
}

} // extern "C"

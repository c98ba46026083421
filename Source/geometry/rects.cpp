// Rectangles and hit testing exported to the application.
#include "geometry/rects.h"

#include "model/columns.h"
#include "geometry/hscroll.h"
#include "geometry/layout.h"
#include "geometry/metrics.h"
#include "model/items.h"
#include "base/view.h"
#include "base/diagnostics.h"

namespace {

void Empty(RECT* rect) {
    if (rect) SetRectEmpty(rect);
}

} // namespace

int ItemRect(ControlRecord* rec, int index, RECT* rect) {
    Empty(rect);
    if (index < -1 || index >= rec->itemCount) return -1;
    if (index == -1) {
        RECT display = ClosedDisplayRect(rec);
        if (rect) *rect = display;
        return 0;
    }
    if (!rec->hwndDropDown || index < rec->topIndex) return -1;
    RECT r = ListRect(rec);
    int height = 0;
    int top = RowTopInList(rec, index, &height);
    if (top < 0) return -1;
    if (rect) SetRect(rect, r.left, top, r.right, top + height);
    return 0;
}

void CornerHeaderRect(ControlRecord* rec, RECT* rect) {
    Empty(rect);
    if (!rect || !rec->showHeader || !rec->rowHeaderWidth) return;
    RECT client;
    GetClientRect(rec->hwndControl, &client);
    SetRect(rect, client.left, client.top, client.left + rec->rowHeaderWidth,
            client.top + HeaderHeight(rec));
}

void DropDownButtonRect(ControlRecord* rec, RECT* rect) {
    Empty(rect);
    if (!rect || rec->isSimple) return;
    RECT client;
    GetClientRect(rec->hwndControl, &client);
    SetRect(rect, client.right - GetSystemMetrics(SM_CXVSCROLL), client.top, client.right,
            client.top + HeaderHeight(rec) + EditAreaHeight(rec));
}

int IndexFromPoint(ControlRecord* rec, POINT* point, int* area) {
    if (area) *area = 0;
    if (!point) return -1;
    if (rec->hwndDropDown) {
        POINT pt = *point;
        MapWindowPoints(rec->hwndControl, rec->hwndDropDown, &pt, 1);
        RECT r = ListRect(rec);
        r.left = 0;
        if (PtInRect(&r, pt)) return RowAtListY(rec, pt.y);
    }
    RECT display = ClosedDisplayRect(rec);
    display.left = 0;
    if (PtInRect(&display, *point)) {
        if (area) *area = 1;
        return rec->committedSel;
    }
    return -1;
}

void SetOpenEnded(ControlRecord* rec, int enable) {
    rec->openEnded = enable != 0;
    RecalcLayout(rec);
    RepaintAll(rec);
}

void RowHeaderRect(ControlRecord* rec, int index, RECT* rect) {
    Empty(rect);
    if (!rect || index < -1 || index >= rec->itemCount || !rec->rowHeaderWidth) return;
    RECT r;
    if (index == -1) {
        GetClientRect(rec->hwndControl, &r);
        if (rec->showHeader) r.top += HeaderHeight(rec);
        r.right = r.left + rec->rowHeaderWidth;
        r.bottom = r.top + EditAreaHeight(rec);
        *rect = r;
        return;
    }
    if (!rec->hwndDropDown) return;
    GetClientRect(rec->hwndDropDown, &r);
    r.right = r.left + rec->rowHeaderWidth;
    RECT row;
    if (ItemRect(rec, index, &row) == 0) {
        r.top = row.top;
        r.bottom = row.bottom;
    }
    *rect = r;
}

void HeaderRect(ControlRecord* rec, int column, RECT* rect) {
    Empty(rect);
    if (column < -1 || column >= rec->columnCount || !rect) return;
    RECT r = HeaderStripRect(rec);
    if (IsRectEmpty(&r) || column == -1) {
        *rect = r;
        return;
    }
    int position = rec->columns[column].displayPosition;
    int left = r.left - rec->horizontalOffset + ColumnX(rec, position, -1);
    int right = left + CellWidth(rec, HeaderAvailableWidth(rec), column, -1);
    SetRect(rect, left, r.top, right, r.bottom);
}

RECT* CellRect(ControlRecord* rec, int index, int column) {
    if (index < 0) index = rec->committedSel;
    if (column < 0) column = rec->caretColumn;
    if (!IsValidIndex(rec, index) || !IsValidColumn(rec, column)) return nullptr;
    RECT row;
    if (ItemRect(rec, index, &row) != 0) return nullptr;
    int level = ItemLevel(rec, index);
    int position = rec->columns[column].displayPosition;
    int left = rec->rowHeaderWidth - rec->horizontalOffset + ColumnX(rec, position, level);
    int right = left + CellWidth(rec, ListWidth(rec), column, level);
    SetRect(&rec->cellRect, left, row.top, right, row.bottom);
    return &rec->cellRect;
}

extern "C" {

int WINAPI QelBox_GetItemRect(HWND control, int index, RECT* rect) {
    ENTER_CONTROL(control, -1);
    return ItemRect(rec, index, rect);
}

RECT* WINAPI QelBox_GetCellRect(HWND control, int index, int column) {
    ENTER_CONTROL(control, nullptr);
    return CellRect(rec, index, column);
}

void WINAPI QelBox_GetHeaderRect(HWND control, int column, RECT* rect) {
    ENTER_CONTROL(control, );
    HeaderRect(rec, column, rect);
}

void WINAPI QelBox_GetRowHeaderRect(HWND control, int index, RECT* rect) {
    ENTER_CONTROL(control, );
    RowHeaderRect(rec, index, rect);
}

void WINAPI QelBox_GetRowColHeaderRect(HWND control, RECT* rect) {
    ENTER_CONTROL(control, );
    CornerHeaderRect(rec, rect);
}

void WINAPI QelBox_GetDropDownButtonRect(HWND control, RECT* rect) {
    ENTER_CONTROL(control, );
    DropDownButtonRect(rec, rect);
}

int WINAPI QelBox_GetDroppedControlRect(HWND control, RECT* rect) {
    ENTER_CONTROL(control, -1);
    Empty(rect);
    if (!rec->hwndDropDown) return -1;
    if (rect) GetWindowRect(rec->hwndDropDown, rect);
    return 0;
}

int WINAPI QelBox_CalcIndexFromPoint(HWND control, POINT* point, int* area) {
    ENTER_CONTROL(control, -1);
    return IndexFromPoint(rec, point, area);
}

int WINAPI QelBox_GetItemHeight(HWND control, int index) {
    ENTER_CONTROL(control, -1);
    if (index < -1 || index >= rec->itemCount) return -1;
    return index == -1 ? EditAreaHeight(rec) : RowHeight(rec, index);
}

int WINAPI QelBox_SetItemLines(HWND control, int lines) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    if (lines < 1) return 0;
    if (lines == rec->itemLines) return 1;
    rec->itemLines = lines;
    RecalcLayout(rec);
    InvalidateItem(rec, 0, true);
    return 1;
}

void WINAPI QelBox_MakeColumnVisible(HWND control, int column) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    if (!IsValidColumn(rec, column)) return;
    if (rec->itemCount == 0) {
        SetHorizontalOffsetNotify(rec, 0);
        return;
    }
    RECT* cell = CellRect(rec, 0, column);
    if (!cell) return;
    RECT c = *cell;
    int position = rec->columns[column].displayPosition;
    int offset;
    if (position == FirstVisiblePosition(rec)) {
        offset = 0;
    } else if (position == LastVisiblePosition(rec)) {
        offset = -1;
    } else {
        RECT r;
        ItemRect(rec, 0, &r);
        offset = rec->horizontalOffset;
        if (c.left < r.left)
            offset += c.left - r.left;
        else if (c.right > r.right)
            offset += c.right - r.right;
    }
    SetHorizontalOffsetNotify(rec, offset);
}

int WINAPI QelBox_GetDropDownPosition(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->dropDownPosition;
}

void WINAPI QelBox_SetDropDownPosition(HWND control, int position) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    g_view.closeList(rec);
    if ((ControlStyle(rec) & QELBOXSTYLE_TYPEMASK) == QELBOXSTYLE_DROPDOWNLIST)
        rec->dropDownPosition = position;
}

int WINAPI QelBox_GetDisableNoScroll(HWND control) {
    ENTER_CONTROL(control, 0);
    return (GetWindowLongA(control, GWL_STYLE) >> 14) & 1;
}

void WINAPI QelBox_SetDisableNoScroll(HWND control, BOOL disable) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    g_view.closeList(rec);
    LONG style = GetWindowLongA(control, GWL_STYLE);
    bool current = (style & QELBOXSTYLE_DISABLENOSCROLL) != 0;
    if (current == (disable != 0)) return;
    SetWindowLongA(control, GWL_STYLE,
                   disable ? (style | QELBOXSTYLE_DISABLENOSCROLL)
                           : (style & ~QELBOXSTYLE_DISABLENOSCROLL));
    RecalcLayout(rec);
}

int WINAPI QelBox_GetOpenEnded(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->openEnded;
}

void WINAPI QelBox_SetOpenEnded(HWND control, int enable) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    SetOpenEnded(rec, enable);
}

} // extern "C"

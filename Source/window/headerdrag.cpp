// Column resizing and reordering with the mouse on the header strip.
#include "window/headerdrag.h"

#include "model/columns.h"
#include "model/columnoffsets.h"
#include "geometry/hscroll.h"
#include "geometry/layout.h"
#include "geometry/metrics.h"
#include "window/mouse.h"
#include "base/gdi.h"
#include "base/rectsize.h"
#include "base/diagnostics.h"

namespace {

// Left edge of a display position in content coordinates and the on-screen
// width of a column, both as the header strip lays them out.
int Left(const ControlRecord* rec, int position) {
    return ColumnX(rec, position, -1);
}
int HeaderWidth(ControlRecord* rec, int column) {
    return CellWidth(rec, HeaderAvailableWidth(rec), column, -1);
}

// Last display position whose divider is a resize handle.
int LastDividerPosition(const ControlRecord* rec) {
    return LastVisiblePosition(rec) - (rec->openEnded ? 1 : 0);
}

// Inverts the feedback rectangle (control client coordinates) on the screen,
// over the full height of the control and of the list below it.
void InvertFeedback(ControlRecord* rec, const RECT& rect) {
    if (IsRectEmpty(&rect)) return;
    RECT r = rect;
    MapWindowPoints(rec->hwndControl, nullptr, reinterpret_cast<POINT*>(&r), 2);
    RECT window;
    GetWindowRect(rec->hwndControl, &window);
    bool inControl = r.left < window.right && r.right > window.left;
    bool inList = false;
    RECT list = {0, 0, 0, 0};
    if (rec->hwndDropDown) {
        GetWindowRect(rec->hwndDropDown, &list);
        RECT client;
        GetClientRect(rec->hwndDropDown, &client);
        MapWindowPoints(rec->hwndDropDown, nullptr, reinterpret_cast<POINT*>(&client), 2);
        list.bottom = client.bottom;
        inList = r.left < list.right && r.right > list.left;
    }
    if (inControl && inList) {
        r.top = min(window.top, list.top);
        r.bottom = max(window.bottom, list.bottom);
    } else if (inControl) {
        r.top = window.top;
        r.bottom = window.bottom;
    } else if (inList) {
        r.top = list.top;
        r.bottom = list.bottom;
    }
    WindowDC screen(nullptr);
    if (screen) DrawFocusRect(screen, &r);
}

// Moves the feedback line to `rect` (empty = remove it).
void ShowFeedback(ControlRecord* rec, const RECT& rect) {
    if (EqualRect(&rect, &rec->dragFeedbackRect)) return;
    InvertFeedback(rec, rec->dragFeedbackRect);
    rec->dragFeedbackRect = rect;
    InvertFeedback(rec, rect);
}

RECT FeedbackLine(ControlRecord* rec, int x) {
    RECT client;
    GetClientRect(rec->hwndControl, &client);
    RECT line = {x - 1, client.top, x + 1, client.bottom};
    return line;
}

// Sum of the widths of the columns at display positions 0..last.
int WidthSum(const ControlRecord* rec, int last) {
    int sum = 0;
    for (int p = 0; p <= last; ++p)
        sum += ColumnWidth(rec, ColumnAtPosition(rec, p));
    return sum;
}

// Where a dragged column would be dropped for a pointer at x: before the
// returned display position, or after the last visible column when it is
// LastVisiblePosition + 1.
int DropTarget(ControlRecord* rec, int x) {
    const int last = LastVisiblePosition(rec);
    for (int p = 0; p <= last; ++p) {
        int column = ColumnAtPosition(rec, p);
        if (x + rec->horizontalOffset <
            Left(rec, p) + rec->rowHeaderWidth + HeaderWidth(rec, column) / 2)
            return p;
    }
    return last + 1;
}

// A dragged column may not move a fixed-position column or cross one.
bool MoveAllowed(const ControlRecord* rec, int target) {
    const int d = rec->columns[rec->draggedColumn].displayPosition;
    int from = d, to = d;
    if (d < target - 1) {
        to = target - 1;
    } else if (d > target) {
        from = target;
    }
    for (int p = from; p <= to; ++p) {
        if (rec->columns[ColumnAtPosition(rec, p)].columnFlags & QELBOX_COLUMN_FIXEDPOSITION)
            return false;
    }
    return true;
}

void RebuildColumnOrder(ControlRecord* rec) {
    for (int c = 0; c < rec->columnCount; ++c)
        rec->columns[rec->columns[c].displayPosition].columnAtPosition = c;
    ColumnsChanged(rec);
}

} // namespace

bool DragFullWindows() {
    BOOL full = FALSE;
    return SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0) && full;
}

int DividerColumnAt(ControlRecord* rec, int x) {
    if (!rec->resizeHeader || (rec->columnCount < 2 && rec->openEnded)) return -1;
    // From the right: a column shrunk to width 0 can still be widened.
    for (int p = LastDividerPosition(rec); p >= 0; --p) {
        int column = ColumnAtPosition(rec, p);
        if (rec->columns[column].columnFlags & QELBOX_COLUMN_FIXEDWIDTH) continue;
        int right = Left(rec, p) + HeaderWidth(rec, column) + rec->rowHeaderWidth;
        int xc = x + rec->horizontalOffset;
        if (right - 4 <= xc && xc < right + 4) return column;
    }
    return -1;
}

void EraseDragFeedback(ControlRecord* rec) {
    RECT none = {0, 0, 0, 0};
    ShowFeedback(rec, none);
}

void ApplyColumnResize(ControlRecord* rec, int column, int xc) {
    const int p = rec->columns[column].displayPosition;
    int space = max(0, xc - rec->overheadWidth);
    const int extent = rec->horizontalExtent;
    const bool tracksExtent = extent >= 0 && (rec->columnCount >= 2 || !rec->openEnded);
    const int oldSum = tracksExtent ? WidthSum(rec, LastDividerPosition(rec)) : 0;
    bool changed = false;
    for (int q = 0; q < p; ++q) {
        const ColumnRecordW& earlier = rec->columns[ColumnAtPosition(rec, q)];
        if (earlier.columnFlags & QELBOX_COLUMN_FIXEDWIDTH) space -= earlier.width;
    }
    // Dragging a divider left past earlier columns narrows them.
    for (int q = 0; q < p; ++q) {
        ColumnRecordW& earlier = rec->columns[ColumnAtPosition(rec, q)];
        if (earlier.columnFlags & QELBOX_COLUMN_FIXEDWIDTH) continue;
        int width = space < 0 ? 0 : min(earlier.width, space);
        if (width != earlier.width) {
            earlier.width = width;
            changed = true;
        }
        space -= width;
    }
    int width = max(0, space);
    ColumnRecordW& resized = rec->columns[column];
    if (width != resized.width) {
        bool othersHidden = true;
        for (int c = 0; c < rec->columnCount; ++c)
            if (c != column && rec->columns[c].width > 0) othersHidden = false;
        // The last column with a width never disappears completely.
        if (othersHidden) width = max(width, 5);
        if (width != resized.width) {
            resized.width = width;
            changed = true;
        }
    }
    if (!changed) return;
    ColumnsChanged(rec);
    if (extent >= 0 && (rec->columnCount > 1 || !rec->openEnded)) {
        SetHorizontalExtent(rec, extent + WidthSum(rec, LastDividerPosition(rec)) - oldSum);
        SetHorizontalOffsetNotify(rec, rec->horizontalOffset);
    }
    InvalidateHeader(rec);
    InvalidateItemCells(rec, 0, true);
    RecalcLayout(rec);
    Notify(rec, QELBOXN_COLUMNRESIZED);
}

void HeaderDragMove(ControlRecord* rec, bool checkScroll, int x, int y) {
    (void)y;
    RECT strip = HeaderStripRect(rec);
    if (checkScroll) {
        if (x < strip.left + rec->rowHeaderWidth) {
            rec->autoScrollLeft = 1;
            StartAutoScrollTimer(rec, QelBox_HeaderScrollTimerProc);
        } else if (x >= strip.right - ButtonWidth(rec)) {
            rec->autoScrollLeft = 0;
            StartAutoScrollTimer(rec, QelBox_HeaderScrollTimerProc);
        } else {
            StopAutoScrollTimer(rec);
        }
    }
    if (rec->mouseMode == kMouseColumnResize) {
        if (DragFullWindows()) return;
        ShowFeedback(rec, FeedbackLine(rec, x));
        return;
    }
    if (rec->mouseMode != kMouseColumnDrag) return;
    const int target = DropTarget(rec, x);
    const int last = LastVisiblePosition(rec);
    SetCursor(MoveAllowed(rec, target) ? rec->cursorDragMove : rec->cursorDragNo);
    int position = target <= last ? Left(rec, target)
                                  : Left(rec, last) + HeaderWidth(rec, ColumnAtPosition(rec, last));
    position += rec->rowHeaderWidth - rec->horizontalOffset;
    RECT client;
    GetClientRect(rec->hwndControl, &client);
    if (position < 0 || position > Width(client)) {
        EraseDragFeedback(rec);
        return;
    }
    ShowFeedback(rec, FeedbackLine(rec, position));
}

void DropColumn(ControlRecord* rec, int x) {
    const int formerLast = LastVisiblePosition(rec);
    const int formerLastColumn = ColumnAtPosition(rec, formerLast);
    EraseDragFeedback(rec);
    const int target = DropTarget(rec, x);
    const bool afterLast = target > formerLast;
    if (!MoveAllowed(rec, target)) {
        MessageBeep(0);
        return;
    }
    const int dragged = rec->draggedColumn;
    const int d = rec->columns[dragged].displayPosition;
    if (d < target - 1) {
        for (int c = 0; c < rec->columnCount; ++c) {
            int& p = rec->columns[c].displayPosition;
            if (p > d && p <= target - 1) --p;
        }
        rec->columns[dragged].displayPosition = target - 1;
    } else if (target < d) {
        for (int c = 0; c < rec->columnCount; ++c) {
            int& p = rec->columns[c].displayPosition;
            if (p >= target && p < d) ++p;
        }
        rec->columns[dragged].displayPosition = target;
    } else {
        return; // dropped onto its own place
    }
    RebuildColumnOrder(rec);
    InvalidateHeader(rec);
    InvalidateItemCells(rec, 0, true);
    if (rec->openEnded && (d >= formerLast || afterLast)) {
        int extent = rec->horizontalExtent;
        const int nowLast = ColumnAtPosition(rec, LastVisiblePosition(rec));
        if (d >= formerLast)
            extent += ColumnWidth(rec, dragged) - ColumnWidth(rec, nowLast);
        else
            extent += ColumnWidth(rec, formerLastColumn) - ColumnWidth(rec, nowLast);
        SetHorizontalExtent(rec, extent);
        SetHorizontalOffset(rec, rec->horizontalOffset);
    }
    Notify(rec, QELBOXN_COLUMNSREORDERED);
}

extern "C" void CALLBACK QelBox_HeaderScrollTimerProc(HWND control, UINT, UINT_PTR, DWORD) {
    // A timer of a window that is not a live control of ours is ignored.
    ENTER_CONTROL(control, );
    RECT display = ClosedDisplayRect(rec);
    const int step = max(Width(display) / 8, 20);
    int offset = rec->horizontalOffset + (rec->autoScrollLeft ? -step : step);
    offset = max(offset, 0);
    if (offset == rec->horizontalOffset) return;
    EraseDragFeedback(rec);
    UpdateWindow(rec->hwndControl);
    if (rec->hwndDropDown) UpdateWindow(rec->hwndDropDown);
    SetHorizontalOffsetNotify(rec, offset);
    UpdateWindow(rec->hwndControl);
    if (rec->hwndDropDown) UpdateWindow(rec->hwndDropDown);
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(control, &pt);
    HeaderDragMove(rec, false, pt.x, pt.y);
}

extern "C" {

int WINAPI QelBox_GetDragType(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->dragType;
}

void WINAPI QelBox_SetDragType(HWND control, int value) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    rec->dragType = value == 1 ? 1 : 0;
}

int WINAPI QelBox_GetResizeHeader(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->resizeHeader;
}

void WINAPI QelBox_SetResizeHeader(HWND control, BOOL value) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    rec->resizeHeader = value != 0;
}

int WINAPI QelBox_GetReorderColumns(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->reorderColumns;
}

void WINAPI QelBox_SetReorderColumns(HWND control, BOOL value) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    rec->reorderColumns = value != 0;
}

} // extern "C"

// Optimal column widths and the horizontal extent derived from the
// columns. Widths are measured with a DC of the control window over the
// first rows of the list; the tree area is not part of a column's width
// (the first visible column receives the overhead width on top of it).
#include "geometry/optimal.h"

#include "base/bitmapinfo.h"
#include "model/columns.h"
#include "model/columnoffsets.h"
#include "geometry/hscroll.h"
#include "geometry/layout.h"
#include "geometry/metrics.h"
#include "model/items.h"
#include "base/gdi.h"
#include "base/diagnostics.h"

namespace {

// Makes `deepest` the tree depth when it differs: the overhead width
// follows, and with it move the header strip and, when there are several
// columns, every column after the first in every row.
void AdoptTreeDepth(ControlRecord* rec, int deepest) {
    if (deepest == rec->maxLevel) return;
    rec->maxLevel = deepest;
    UpdateOverheadWidth(rec);
    InvalidateHeader(rec);
    if (rec->columnCount > 1) InvalidateItem(rec, 0, true);
}

// Width of a cell bitmap next to (or instead of) its text. Cell bitmaps
// count once a cell-bitmap prototype switched them on: fixed row heights use
// the prototype's width, variable heights the wider of prototype and bitmap
// (nothing when the handle is no bitmap). -1 when the bitmap adds nothing.
int CellBitmapWidth(const ControlRecord* rec, HBITMAP bitmap) {
    const int prototype = rec->cellBitmapPrototype.bmWidth;
    if (rec->fixedItemHeight) return prototype;
    BITMAP info;
    if (prototype <= 0 || !QueryBitmap(bitmap, &info)) return -1;
    return max(prototype, info.bmWidth);
}

// Width one row's cell of `column` needs, measured in the control font
// already selected into `dc` (or the cell's own font).
int CellContentWidth(const ControlRecord* rec, HDC dc, const Item* item, int column) {
    const CellInfoRecord* cell = item->cellInfo ? &item->cellInfo[column] : nullptr;
    Selection cellFont(dc, cell ? cell->font : nullptr);
    const int cw = rec->charWidth;
    int w = cw;
    // A centred bitmap replaces the text.
    if (cell && cell->bitmap && (cell->bitmapStyle & QELBOX_BITMAP_CENTER))
        return w + max(0, CellBitmapWidth(rec, cell->bitmap));
    w += SingleLineWidth(dc, item->cells ? item->cells[column] : nullptr);
    if (cell && cell->bitmap && rec->cellBitmapPrototype.bmWidth > 0) {
        const int bitmap = CellBitmapWidth(rec, cell->bitmap);
        if (bitmap >= 0) w += cw / 2 + bitmap;
    }
    return w;
}

// The deepest level among rows 0..n-1.
int DeepestLevel(ControlRecord* rec, int n) {
    int deepest = 0;
    for (int i = 0; i < n; ++i) {
        const Item* item = GetItem(rec, i);
        if (item) deepest = max(deepest, LevelFromFlags(item->flags));
        ReleaseItem(rec);
    }
    return deepest;
}

} // namespace

int MeasuredRows(const ControlRecord* rec, int count) {
    return count <= 0 || count >= rec->itemCount ? rec->itemCount : count;
}

int SingleLineWidth(HDC dc, const wchar_t* text) {
    if (!text || !text[0]) return 0;
    RECT r = {0, 0, 0, 0};
    DrawTextW(dc, text, lstrlenW(text), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return r.right - r.left;
}

int HeaderContentWidth(const ControlRecord* rec, HDC dc, const wchar_t* text, bool bitmap,
                       int bitmapWidth, WORD bitmapStyle) {
    Selection font(dc, rec->colHeaderFont ? rec->colHeaderFont : rec->font);
    int w = rec->charWidth + 6;
    if (bitmap && (bitmapStyle & QELBOX_BITMAP_CENTER)) return w + bitmapWidth;
    w += SingleLineWidth(dc, text);
    if (bitmap && bitmapWidth > 0) w += rec->charWidth / 2 + bitmapWidth;
    return w;
}

int OptimalColumnWidth(ControlRecord* rec, int column, int count) {
    if (!IsValidColumn(rec, column)) return -1;
    const int n = MeasuredRows(rec, count);
    WindowDC dc(rec->hwndControl);
    int best = rec->charWidth;
    int deepest = 0;
    {
        Selection font(dc, rec->font);
        for (int i = 0; i < n; ++i) {
            const Item* item = GetItem(rec, i);
            if (item) {
                deepest = max(deepest, LevelFromFlags(item->flags));
                best = max(best, CellContentWidth(rec, dc, item, column));
            }
            ReleaseItem(rec);
        }
    }
    if (rec->showHeader && ColumnHeaderText(rec, column)) {
        const HBITMAP bitmap = ColumnHeaderBitmap(rec, column);
        best = max(best, HeaderContentWidth(rec, dc, ColumnHeaderText(rec, column),
                                            bitmap != nullptr, rec->headerBitmapInfo.bmWidth,
                                            ColumnHeaderBitmapStyle(rec, column)));
    }
    AdoptTreeDepth(rec, deepest);
    return best;
}

void MakeColumnOptimal(ControlRecord* rec, int column, int count) {
    if (column == -1) {
        for (int c = 0; c < rec->columnCount; ++c)
            MakeColumnOptimal(rec, c, count);
        return;
    }
    const int width = OptimalColumnWidth(rec, column, count);
    if (width < 0 || width == ColumnWidth(rec, column)) return;
    rec->columns[column].width = width;
    ColumnsChanged(rec);
    InvalidateItemCells(rec, 0, true);
    InvalidateHeader(rec);
}

extern "C" {

int WINAPI QelBox_CalcOptimalColumnWidth(HWND control, int column, int count) {
    ENTER_CONTROL(control, -1);
    return OptimalColumnWidth(rec, column, count);
}

void WINAPI QelBox_MakeColumnOptimal(HWND control, int column, int count) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    MakeColumnOptimal(rec, column, count);
}

void WINAPI QelBox_RecalcHorizontalExtent(HWND control, int count) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    const int n = MeasuredRows(rec, count);
    const int last = LastVisiblePosition(rec);
    int extent;
    if (rec->openEnded) {
        // The open-ended last column contributes what its content needs.
        const int width = OptimalColumnWidth(rec, ColumnAtPosition(rec, last), n);
        if (width < 0) return;
        extent = width + ColumnX(rec, last, -1);
        if (rec->columnCount == 1) extent += rec->overheadWidth;
    } else {
        AdoptTreeDepth(rec, DeepestLevel(rec, n));
        extent = rec->overheadWidth;
        for (int p = 0; p <= last; ++p)
            extent += ColumnWidth(rec, ColumnAtPosition(rec, p));
    }
    SetHorizontalExtent(rec, extent);
    SetHorizontalOffsetNotify(rec, rec->horizontalOffset);
}

} // extern "C"

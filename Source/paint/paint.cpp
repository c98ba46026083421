// Paint handlers of the control window and the list window.
#include "paint/paint.h"

#include "core/memory.h"
#include "geometry/layout.h"
#include "geometry/metrics.h"
#include "items/items.h"
#include "paint/draw.h"
#include "paint/gdi.h"
#include "paint/row.h"

namespace {

bool Meets(const RECT& a, const RECT& b) {
    RECT overlap;
    return IntersectRect(&overlap, &a, &b) != FALSE;
}

// The row-header cell of a list row. Row headers do not draw their own
// content yet: the column shows the row-header face.
void PaintRowHeaderFace(ControlRecord* rec, HDC dc, const RECT& header) {
    SolidBrush face(ResolveColor(rec->colors.colorRowHeaderFace));
    FillRect(dc, &header, face);
}

// Below the last row: the background, and an empty row-header column with
// its right border line.
void PaintEmptyArea(ControlRecord* rec, HDC dc, const RECT& items, const RECT& headerColumn,
                    int y) {
    RECT rest = {items.left, y, items.right, items.bottom};
    FillRect(dc, &rest, rec->backgroundBrush);
    if (!rec->rowHeaderWidth) return;
    RECT column = {headerColumn.left, y, headerColumn.right - 1, headerColumn.bottom};
    SolidBrush face(ResolveColor(rec->colors.colorRowHeaderFace));
    FillRect(dc, &column, face);
    MoveToEx(dc, headerColumn.right - 1, y, nullptr);
    LineTo(dc, headerColumn.right - 1, headerColumn.bottom);
}

} // namespace

void PaintControl(ControlRecord* rec, HDC dc, const RECT* update) {
    RefreshBackgroundBrush(rec);
    RECT area;
    GetClientRect(rec->hwndControl, &area);
    if (update) IntersectRect(&area, &area, update);
    FillRect(dc, &area, rec->backgroundBrush);
}

void PaintList(ControlRecord* rec, HDC dc, const RECT* update) {
    RefreshBackgroundBrush(rec);
    MemoryDC scratch1(dc);
    if (!scratch1) return;
    MemoryDC scratch2(scratch1.Get());
    if (!scratch2) return;

    RECT client;
    GetClientRect(rec->hwndDropDown, &client);
    const RECT paintArea = update ? *update : client;
    const RECT items = ListRect(rec);
    RECT headerColumn = client;
    headerColumn.right = client.left + rec->rowHeaderWidth;
    const int itemsWidth = items.right - items.left;

    // Rows are composed one at a time in a buffer as tall as the tallest
    // visible row; without one they are painted straight into the target.
    int tallest = 0;
    for (int i = rec->topIndex, used = 0; i < rec->itemCount && used < items.bottom - items.top;
         ++i) {
        const int h = RowHeight(rec, i);
        used += h;
        tallest = max(tallest, h);
    }
    CompatibleBitmap buffer(dc, max(itemsWidth, rec->rowHeaderWidth), tallest);
    MemoryDC bufferDc;
    if (buffer && !bufferDc.Create(dc)) return;
    const HDC rowDc = buffer ? bufferDc.Get() : dc;
    Selection bufferSelection(buffer ? rowDc : nullptr, buffer);

    HGDIOBJ blackPen = GetStockObject(BLACK_PEN);
    Selection targetPen(dc, blackPen);
    Selection rowPen(rowDc != dc ? rowDc : nullptr, blackPen);
    // Text backgrounds are painted opaque behind the characters.
    SavedDcColors targetColors(dc);
    SetBkMode(dc, OPAQUE);
    SetBkMode(rowDc, OPAQUE);

    const int availableWidth = ListWidth(rec);
    int y = items.top;
    for (int i = rec->topIndex; y < items.bottom; ++i) {
        if (i >= rec->itemCount) {
            PaintEmptyArea(rec, dc, items, headerColumn, y);
            break;
        }
        const int h = RowHeight(rec, i);
        const RECT fromHere = {items.left, y, items.right, items.bottom};
        RECT clip;
        if (IntersectRect(&clip, &paintArea, &fromHere)) {
            ItemRecord* item = GetItem(rec, i);
            if (buffer) {
                const RECT rowRect = {0, 0, itemsWidth, h};
                PaintRow(rec, false, availableWidth, rowDc, scratch1, scratch2, item, i, rowRect,
                         nullptr);
                BitBlt(dc, items.left, y, itemsWidth, h, rowDc, 0, 0, SRCCOPY);
            } else {
                ClipScope clipScope(dc, clip);
                const RECT rowRect = {items.left, y, items.right, y + h};
                PaintRow(rec, false, availableWidth, dc, scratch1, scratch2, item, i, rowRect,
                         nullptr);
            }
            ReleaseItem(rec);
        }
        const RECT header = {headerColumn.left, y, headerColumn.right, y + h};
        if (rec->rowHeaderWidth && Meets(paintArea, header)) PaintRowHeaderFace(rec, dc, header);
        y += h;
    }
}

void PaintNcSeparator(ControlRecord* rec) {
    (void)rec;
}

// One cell of a row: its rectangle, its colours (cell override, then
// column, then the row's defaults), its content and its vertical grid line.
#include "paint/row.h"

#include "base/bitmapinfo.h"
#include "model/columns.h"
#include "geometry/metrics.h"
#include "model/items.h"
#include "paint/paintobjects.h"
#include "paint/draw.h"
#include "base/gdi.h"

namespace {

// Fills the members of `colors` that are still unset from one source of
// colours (a cell override record or a column). Which member feeds which
// depends on the selection style: style 2 highlights only the text of the
// first visible column, so its fill keeps the unselected background there.
void TakeUnsetColors(CellColors& colors, DWORD background, DWORD text, DWORD selBackground,
                     DWORD selText, bool selected, int selectionStyle, bool firstVisible) {
    const DWORD shownBackground = selected ? selBackground : background;
    const DWORD shownText = selected ? selText : text;
    DWORD fill, textFallback, textBackground, textColor;
    if (selectionStyle != QELBOX_SELECTION_TEXT) {
        fill = textBackground = shownBackground;
        textFallback = textColor = shownText;
    } else if (firstVisible) {
        fill = background;
        textFallback = text;
        textBackground = shownBackground;
        textColor = shownText;
    } else {
        fill = textBackground = background;
        textFallback = textColor = text;
    }
    if (colors.fill == QELBOX_COLOR_NONE) colors.fill = fill;
    if (colors.textFallback == QELBOX_COLOR_NONE) colors.textFallback = textFallback;
    if (colors.textBackground == QELBOX_COLOR_NONE) colors.textBackground = textBackground;
    if (colors.textColor == QELBOX_COLOR_NONE) colors.textColor = textColor;
}

} // namespace

bool PaintCell(const RowPaint& row, int column, const wchar_t* text, const CellColors& defaults) {
    ControlRecord* rec = row.target.rec;
    const HDC dc = row.target.dc;
    const RECT& rowRect = row.rowRect;
    const Item* item = row.item;
    const int left = rowRect.left - rec->horizontalOffset;
    const int level = LevelFromFlags(item->flags);
    const ColumnRecordW& record = Column(rec, column);
    const int width = CellWidth(rec, row.availableWidth, column, level);
    if (width <= 0) return true;
    RECT cell;
    cell.left = left + ColumnX(rec, record.displayPosition, level);
    cell.right = cell.left + width;
    cell.top = rowRect.top;
    cell.bottom = rowRect.bottom;
    // Cells left of the visible part are skipped before any colour work.
    RECT scrolledRow = {left, rowRect.top, rowRect.right, rowRect.bottom};
    RECT overlap;
    if (!IntersectRect(&overlap, &cell, &scrolledRow)) return false;
    if (!IntersectRect(&overlap, &cell, &rowRect)) return true;

    const bool selected = IsRowSelected(rec, row.inClosedControl, row.index);
    const bool firstVisible = record.displayPosition == FirstVisiblePosition(rec);
    CellColors colors = {QELBOX_COLOR_NONE, QELBOX_COLOR_NONE, QELBOX_COLOR_NONE,
                         QELBOX_COLOR_NONE};
    const CellInfoRecord* info = item->cellInfo ? &item->cellInfo[column] : nullptr;
    if (info)
        TakeUnsetColors(colors, info->colorBackground, info->colorText, info->colorSelBackground,
                        info->colorSelText, selected, rec->selectionStyle, firstVisible);
    TakeUnsetColors(colors, record.colorBackground, record.colorText, record.colorSelBackground,
                    record.colorSelText, selected, rec->selectionStyle, firstVisible);
    if (colors.fill == QELBOX_COLOR_NONE) colors.fill = defaults.fill;
    if (colors.textFallback == QELBOX_COLOR_NONE) colors.textFallback = defaults.textFallback;
    if (colors.textBackground == QELBOX_COLOR_NONE) colors.textBackground = defaults.textBackground;
    if (colors.textColor == QELBOX_COLOR_NONE) colors.textColor = defaults.textColor;

    PaintBrush fillBrush(rec, PaintColor(rec, colors.fill));
    PaintBrush textBrush(rec, PaintColor(rec, colors.textBackground));

    // Cell bitmaps: at their own size in variable-height rows once a
    // prototype switched them on, else at the prototype's size. The content
    // moves right while item bitmaps are in use.
    const HBITMAP bitmap = info ? info->bitmap : nullptr;
    const WORD bitmapStyle = info ? info->bitmapStyle : 0;
    BITMAP size = rec->cellBitmapPrototype;
    int shift = rec->prototypeBitmap.bmWidth != 0 ? 4 : 0;
    if (!rec->fixedItemHeight && bitmap && rec->cellBitmapPrototype.bmWidth > 0) {
        QueryBitmap(bitmap, &size); // all zero, so not drawn, when it fails
        shift = 4;
    }

    CellContent content;
    content.rect = cell;
    content.enabled = row.enabled;
    content.bitmap = bitmap;
    content.bitmapInfo = &size;
    content.bitmapStyle = bitmapStyle;
    content.text = text;
    content.styleFlags = record.style;
    content.xShift = shift;
    content.fillBrush = fillBrush;
    content.bitmapBackground = colors.fill;
    content.textColorFallback = colors.textFallback;
    content.extraObject = textBrush;
    content.textBackground = colors.textBackground;
    content.textColor = colors.textColor;
    content.font = info ? info->font : nullptr;
    DrawCellContent(row.target, content);

    if (rec->showGrid &&
        (rec->gridStyle == QELBOX_GRID_VERTICAL || rec->gridStyle == QELBOX_GRID_BOTH) &&
        (rec->columnCount > 1 || !rec->openEnded))
        DrawGridLine(rec, dc, cell.right - 1, rowRect.top, 1, rowRect.bottom - rowRect.top);
    return true;
}

// Height of a row measured from its content, for controls with variable
// row heights: wrapped text of multi-line columns (at most itemLines
// lines), cell fonts and cell bitmaps, the 3-D look, row headers, label and
// item bitmap, and the horizontal grid line.
#include "base/bitmapinfo.h"
#include "model/columns.h"
#include "geometry/layout.h"
#include "geometry/metrics.h"
#include "model/items.h"
#include "base/fittedtext.h"
#include "base/gdi.h"

namespace {

// Size of a bitmap handle; all zero when it does not describe a bitmap.
BITMAP BitmapSize(HBITMAP bitmap) {
    BITMAP size;
    QueryBitmap(bitmap, &size);
    return size;
}

const wchar_t* CellText(const Item* item, int column) {
    return item->cells ? item->cells[column] : nullptr;
}

bool HasText(const wchar_t* text) {
    return text && text[0];
}

// Cell bitmaps count once a cell-bitmap prototype switched them on.
HBITMAP CellBitmap(const ControlRecord* rec, const CellInfoRecord* infos, int column) {
    if (!infos || rec->cellBitmapPrototype.bmWidth < 1) return nullptr;
    return infos[column].bitmap;
}

// Height of the wrapped text of a cell, measured with the font selected
// into `dc` over the column's width less the cell's margins and bitmap.
int WrappedTextHeight(ControlRecord* rec, HDC dc, const wchar_t* text, int column,
                      HBITMAP cellBitmap) {
    int width = ColumnWidth(rec, column);
    const int bitmapWidth = cellBitmap ? static_cast<int>(BitmapSize(cellBitmap).bmWidth) : 0;
    width -= bitmapWidth > 0 ? bitmapWidth + 3 * rec->charWidth / 2 : rec->charWidth;
    RECT area = {0, 0, width, 0};
    DrawFittedText(dc, text, lstrlenW(text), &area, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX,
                   rec->itemLines);
    return area.bottom - area.top;
}

// Tallest cell content: first the cells drawn in the control font, then
// the cells with a font of their own, and the cell bitmaps.
int CellContentHeight(ControlRecord* rec, HDC dc, const Item* item) {
    const CellInfoRecord* infos = item->cellInfo;
    int h = 0;
    {
        Selection font(dc, rec->font);
        for (int c = 0; c < rec->columnCount; ++c) {
            if (ColumnWidth(rec, c) == 0) continue;
            // Centred cell bitmaps replace the text; own fonts come later.
            if (infos && ((infos[c].bitmapStyle & QELBOX_BITMAP_CENTER) || infos[c].font)) continue;
            const wchar_t* text = CellText(item, c);
            if ((ColumnStyle(rec, c) & QELBOX_MULTILINE) && HasText(text))
                h = max(h, WrappedTextHeight(rec, dc, text, c, CellBitmap(rec, infos, c)));
        }
    }
    if (!infos) return h;
    for (int c = 0; c < rec->columnCount; ++c) {
        if (ColumnWidth(rec, c) == 0) continue;
        const CellInfoRecord& info = infos[c];
        if (info.font && !(info.bitmapStyle & QELBOX_BITMAP_CENTER)) {
            Selection font(dc, info.font);
            const wchar_t* text = CellText(item, c);
            if (ColumnStyle(rec, c) & QELBOX_MULTILINE) {
                if (HasText(text))
                    h = max(h, WrappedTextHeight(rec, dc, text, c, CellBitmap(rec, infos, c)));
            } else {
                TEXTMETRICA metrics;
                if (GetTextMetricsA(dc, &metrics)) h = max(h, metrics.tmHeight);
            }
        }
        if (HBITMAP bitmap = CellBitmap(rec, infos, c)) h = max(h, BitmapSize(bitmap).bmHeight);
    }
    return h;
}

} // namespace

int VariableRowHeight(ControlRecord* rec, int index) {
    const Item* item = GetItem(rec, index);
    WindowDC dc(rec->hwndControl);
    int h = max(0, rec->fontMetrics.tmHeight);
    if (item && dc) h = max(h, CellContentHeight(rec, dc, item));
    if (rec->show3D) h += 4;
    if (rec->rowHeaderWidth) {
        h = max(h, rec->rowHeaderFontMetrics.tmHeight + 3);
        if (item && item->rowInfo && rec->rowHeaderBitmapPrototype.bmWidth > 0 &&
            item->rowInfo->bitmap)
            h = max(h, BitmapSize(item->rowInfo->bitmap).bmHeight + 3);
    }
    if (item && rec->showLabels && item->label) h = max(h, BitmapSize(item->label).bmHeight);
    if (item && rec->showBitmaps && item->bitmap) h = max(h, BitmapSize(item->bitmap).bmHeight);
    if (rec->showGrid && !rec->show3D &&
        (rec->gridStyle == QELBOX_GRID_HORIZONTAL || rec->gridStyle == QELBOX_GRID_BOTH))
        h += 1;
    ReleaseItem(rec);
    return h;
}

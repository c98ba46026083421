// Per-cell display overrides: colours, application value, font and bitmap of
// one cell, kept in an item's cell-info array (one record per column, made
// on first use), and the list-wide cell-bitmap prototype that sizes cell
// bitmaps in the row-height measurement.
#include "model/cellinfo.h"

#include <string.h>

#include "base/bitmapinfo.h"
#include "base/memory.h"
#include "model/columns.h"
#include "model/items.h"
#include "base/view.h"
#include "base/diagnostics.h"

namespace {

// A cell without overrides: every colour "not set", everything else zero.
CellInfoRecord DefaultCellInfo() {
    CellInfoRecord cell;
    memset(&cell, 0, sizeof(cell));
    cell.colorBackground = cell.colorText = QELBOX_COLOR_NONE;
    cell.colorSelBackground = cell.colorSelText = QELBOX_COLOR_NONE;
    return cell;
}

// The cell fields of the exchange structure start at its colorBackground
// and have the layout of a CellInfoRecord.
void* CellPart(CellInfo* info) {
    return &info->colorBackground;
}
const void* CellPart(const CellInfo* info) {
    return &info->colorBackground;
}

// A fresh cell-info array for an item: one default record per column; null
// when memory runs out.
CellInfoRecord* NewCellInfoArray(int columnCount) {
    CellInfoRecord* cells =
        static_cast<CellInfoRecord*>(QelMalloc(sizeof(CellInfoRecord) * columnCount));
    if (!cells) return nullptr;
    const CellInfoRecord cell = DefaultCellInfo();
    for (int c = 0; c < columnCount; ++c)
        cells[c] = cell;
    return cells;
}

// Index -1: the bitmap (or none) whose size stands for every cell bitmap.
int SetCellBitmapPrototype(ControlRecord* rec, HBITMAP bitmap) {
    BITMAP described;
    if (!QueryBitmap(bitmap, &described) && bitmap) return 0;
    const LONG oldHeight = rec->cellBitmapPrototype.bmHeight;
    rec->cellBitmapPrototype = described;
    g_view.layoutChanged(rec);
    // Fixed-height rows take their height from the prototype.
    if (described.bmHeight != oldHeight) RepaintAll(rec);
    return 1;
}

} // namespace

int GetCellInfo(ControlRecord* rec, CellInfo* info) {
    if (!info || info->version != 1 || !IsValidIndex(rec, info->index) ||
        !IsValidColumn(rec, info->column))
        return 0;
    const Item* item = GetItem(rec, info->index);
    CellInfoRecord cell = DefaultCellInfo();
    if (item && item->cellInfo) cell = item->cellInfo[info->column];
    ReleaseItem(rec);
    memcpy(CellPart(info), &cell, sizeof(CellInfoRecord));
    return 1;
}

int SetCellInfo(ControlRecord* rec, const CellInfo* info) {
    if (!info || info->version != 1 || info->index < -1 || info->index >= rec->itemCount) return 0;
    if (info->index == -1) return SetCellBitmapPrototype(rec, info->bitmap);
    if (!IsValidColumn(rec, info->column) || IsVirtual(rec)) return 0;
    BITMAP described;
    if (info->bitmap && !QueryBitmap(info->bitmap, &described)) return 0;
    StoredRow* row = StoredAt(rec, info->index);
    RowExtras* x = RowExtrasOf(row);
    if (!x) return 0;
    if (!x->cellInfo) {
        x->cellInfo = NewCellInfoArray(rec->columnCount);
        if (!x->cellInfo) {
            DropEmptyExtras(row);
            return 0;
        }
    }
    memcpy(&x->cellInfo[info->column], CellPart(info), sizeof(CellInfoRecord));
    g_view.rowsChanged(rec, info->index, false);
    return 1;
}

extern "C" {

int WINAPI QelBox_GetCellInfo(HWND control, CellInfo* info) {
    ENTER_CONTROL(control, 0);
    return GetCellInfo(rec, info);
}

int WINAPI QelBox_SetCellInfo(HWND control, const CellInfo* info) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return SetCellInfo(rec, info);
}

} // extern "C"

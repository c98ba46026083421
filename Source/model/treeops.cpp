// Operations that reshape the outline: changing an item's level, deleting
// an item's dependents, and copying or moving a single item. All of them
// change stored items and are refused in virtual mode.
#include "model/treeops.h"

#include <string.h>

#include "base/memory.h"
#include "model/columns.h"
#include "model/hierarchy.h"
#include "model/items.h"
#include "base/view.h"
#include "model/itemprops.h"
#include "base/accevents.h"
#include "model/levelindex.h"
#include "base/diagnostics.h"

namespace {

// Invalidates the rows whose tree lines change when the item at `index`
// moves between `oldLevel` and `newLevel`: the item itself, the earlier
// rows up to and including the nearest one of the shallower of the two
// levels (never a row above it), and the run of deeper rows after it.
void InvalidateLevelChange(ControlRecord* rec, int index, int oldLevel, int newLevel) {
    const int m = min(oldLevel, newLevel);
    g_view.rowsChanged(rec, index, false);
    for (int i = index - 1; i >= 0; --i) {
        int level = ItemLevel(rec, i);
        if (level < m) break;
        g_view.rowsChanged(rec, i, false);
        if (level == m) break;
    }
    for (int i = index + 1; i < rec->itemCount && ItemLevel(rec, i) > m; ++i)
        g_view.rowsChanged(rec, i, false);
}

// Heap duplicate of `size` bytes, or null when memory runs out.
void* Duplicate(const void* block, size_t size) {
    void* copy = QelMalloc(size);
    if (copy) memcpy(copy, block, size);
    return copy;
}

// Inserts a copy of item `from` at `to` (appending when `to` is outside
// 0..itemCount-1) and returns its index, or -1 when the insertion fails.
// The copy takes the level, enabled state, bitmaps, item data, row header,
// cell overrides and texts of the source, not its dependents. A part that
// cannot be copied for lack of memory is left out of the copy; `complete`
// then becomes false.
int CopyItemTo(ControlRecord* rec, int from, int to, bool* complete) {
    *complete = true;
    const int copy = InsertString(rec, to, nullptr);
    if (copy < 0) return -1;
    // The insertion pushed the source down when it went in at or before it.
    const int source = copy <= from ? from + 1 : from;

    const Item original = *GetItem(rec, source);
    ReleaseItem(rec);
    SetItemLevel(rec, copy, LevelFromFlags(original.flags));

    RowInfoBlock* rowInfo = nullptr;
    if (original.rowInfo) {
        rowInfo = static_cast<RowInfoBlock*>(Duplicate(original.rowInfo, sizeof(RowInfoBlock)));
        if (!rowInfo) *complete = false;
    }
    CellInfoRecord* cellInfo = nullptr;
    if (original.cellInfo) {
        cellInfo = static_cast<CellInfoRecord*>(
            Duplicate(original.cellInfo, sizeof(CellInfoRecord) * rec->columnCount));
        if (!cellInfo) *complete = false;
    }
    StoredRow* row = StoredAt(rec, copy);
    row->flags = (row->flags & ~QELBOX_ITEM_ENABLED) | (original.flags & QELBOX_ITEM_ENABLED);
    row->itemData = original.itemData;
    if (original.label || original.bitmap || rowInfo || cellInfo) {
        RowExtras* x = RowExtrasOf(row);
        if (x) {
            x->label = original.label;
            x->bitmap = original.bitmap;
            x->rowInfo = rowInfo;
            x->cellInfo = cellInfo;
        } else {
            QelFree(rowInfo);
            QelFree(cellInfo);
            *complete = false;
        }
    }

    // The source's strings stay where they are while the copy takes its
    // own duplicates of them (stored items never move their strings).
    if (original.rowText && !SetRowText(rec, copy, original.rowText)) *complete = false;
    for (int c = 0; c < rec->columnCount; ++c) {
        const wchar_t* text = original.cells[c];
        if (text && !SetCellText(rec, copy, c, text)) *complete = false;
    }
    return copy;
}

// Deletes one item with QelBox_DeleteString while the delete callback is
// held aside, so that the application does not see the item go.
void DeleteQuietly(ControlRecord* rec, int index) {
    QELBOX_DELETEPROC callback = rec->deleteCallback;
    rec->deleteCallback = nullptr;
    DeleteString(rec, index);
    rec->deleteCallback = callback;
}

} // namespace

int SetItemLevel(ControlRecord* rec, int index, int level) {
    if (IsVirtual(rec)) return 0;
    // The level field holds 0..63: deeper levels are kept at the deepest.
    level = min(max(level, 0), QELBOX_MAXLEVEL);
    if (!IsValidIndex(rec, index)) return 0;
    StoredRow* row = StoredAt(rec, index);
    const int oldLevel = LevelFromFlags(row->flags);
    if (oldLevel != level) {
        row->flags = (row->flags & ~QELBOX_ITEM_LEVELMASK) |
                     (static_cast<DWORD>(level) << QELBOX_ITEM_LEVELSHIFT);
        LevelsChanged(rec, index);
        ++rec->rowGeneration;
    }
    if (oldLevel == level) return 1;
    if (level > rec->maxLevel) {
        // A deeper tree widens the tree area, which moves every column.
        rec->maxLevel = level;
        // The overhead-width notification may destroy the control.
        g_view.indentChanged(rec);
        if (Died(rec)) return 0;
        g_view.headerChanged(rec);
        if (rec->columnCount > 1) g_view.rowsChanged(rec, 0, true);
    }
    // Rows may have gone meanwhile: only a row still there is redrawn.
    if (!IsValidIndex(rec, index)) return 1;
    if (CanDraw(rec)) InvalidateLevelChange(rec, index, oldLevel, level);
    return 1;
}

extern "C" {

int WINAPI QelBox_SetItemLevel(HWND control, int index, int level) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return SetItemLevel(rec, index, level);
}

int WINAPI QelBox_DeleteDependents(HWND control, int index) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    if (IsVirtual(rec) || !IsValidIndex(rec, index) || !CloseListKeepsRow(rec, index)) return -1;
    AccBatch batch(rec);
    const int level = ItemLevel(rec, index);
    while (index + 1 < rec->itemCount && ItemLevel(rec, index + 1) > level)
        if (!DeleteItemRecord(rec, index + 1)) return -1;
    // The delete callback may have taken rows away, the item itself too.
    g_view.rowsChanged(rec, min(index, max(rec->itemCount - 1, 0)), true);
    g_view.layoutChanged(rec);
    return rec->itemCount;
}

int WINAPI QelBox_CopyItem(HWND control, int from, int to) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    if (IsVirtual(rec) || !IsValidIndex(rec, from) || !CloseListKeepsRow(rec, from)) return -1;
    AccBatch batch(rec);
    bool complete;
    return CopyItemTo(rec, from, to, &complete);
}

int WINAPI QelBox_MoveItem(HWND control, int from, int to) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    if (IsVirtual(rec) || !IsValidIndex(rec, from) || !CloseListKeepsRow(rec, from)) return -1;
    AccBatch batch(rec);
    bool complete;
    const int copy = CopyItemTo(rec, from, to, &complete);
    if (copy < 0) return copy;
    if (!complete) {
        // Deleting the source now would lose what the copy lacks: take the
        // copy back out and leave the item where it was.
        DeleteQuietly(rec, copy);
        return -1;
    }
    const int source = copy <= from ? from + 1 : from;
    DeleteQuietly(rec, source);
    return source < copy ? copy - 1 : copy;
}

} // extern "C"

// The item store: the pointer array with its growth and shrink rules,
// insertion, deletion, clearing and the delete callback.
#include "model/items.h"

#include <string.h>

#include "base/memory.h"
#include "model/hierarchy.h"
#include "model/selection.h"
#include "base/view.h"
#include "base/accevents.h"
#include "model/levelindex.h"
#include "base/diagnostics.h"

namespace {

// The array grows by this many slots and shrinks when more than twice as
// many are spare, so that adding items one by one rarely reallocates.
const int kGrowSlots = 300;
const int kShrinkThreshold = 600;

// Frees everything a stored item owns, then the record itself.
void FreeItem(ItemRecord* item, int columnCount) {
    if (item->cells) {
        for (int c = 0; c < columnCount; ++c)
            QelFree(item->cells[c]);
        QelFree(item->cells);
    }
    QelFree(item->rowText);
    QelFree(item->cellInfo);
    QelFree(item->rowInfo);
    QelFree(item);
}

} // namespace

// An item whose delete callback is running. The entry lives on the stack of
// the deleting call; whoever frees the item meanwhile (a deletion or a reset
// from inside the callback) clears `item`, so that the deleting call knows
// it has nothing left to do.
struct PendingDelete {
    ItemRecord* item;
    PendingDelete* outer;
};

namespace {

bool IsPendingDelete(const ControlRecord* rec, const ItemRecord* item) {
    for (const PendingDelete* p = rec->pendingDeletes; p; p = p->outer)
        if (p->item == item) return true;
    return false;
}

void ForgetPendingDelete(ControlRecord* rec, const ItemRecord* item) {
    for (PendingDelete* p = rec->pendingDeletes; p; p = p->outer)
        if (p->item == item) p->item = nullptr;
}

// Calls the delete callback for `item` (row `index`), once per item: an
// item whose callback is already running is not reported again. Returns
// false when the callback caused the item to be freed.
bool CallDeleteCallback(ControlRecord* rec, int index, ItemRecord* item) {
    if (!rec->deleteCallback || IsPendingDelete(rec, item)) return true;
    PendingDelete pending = {item, rec->pendingDeletes};
    rec->pendingDeletes = &pending;
    rec->deleteCallback(rec->hwndControl, index, item->itemData, rec->deleteCallbackValue);
    rec->pendingDeletes = pending.outer;
    return pending.item != nullptr;
}

// Current row of a stored item, looked for first at `hint`; -1 when it is
// no longer in the array.
int IndexOfItem(const ControlRecord* rec, const ItemRecord* item, int hint) {
    if (hint >= 0 && hint < rec->itemCount && rec->items[hint] == item) return hint;
    for (int i = 0; i < rec->itemCount; ++i)
        if (rec->items[i] == item) return i;
    return -1;
}

// Stands in for an item that cannot be had: a row outside the count, or a
// fetch after which the control died, left virtual mode or lost the row.
// It is enabled, at level 0, with no texts, bitmaps or overrides.
const int kBlankColumns = 4096;
char* g_blankCells[kBlankColumns];
ItemRecord g_blankItem;

ItemRecord* BlankItem() {
    g_blankItem = ItemRecord{};
    g_blankItem.flags = QELBOX_ITEM_ENABLED;
    g_blankItem.cells = g_blankCells;
    return &g_blankItem;
}

// Invalidates from the new item's previous sibling (or the item itself) to
// the end, so that tree lines joining it are redrawn; then recalculates.
void RefreshAfterInsert(ControlRecord* rec, int index) {
    if (CanDraw(rec)) {
        int from = PrevSibling(rec, index);
        g_view.rowsChanged(rec, from >= 0 ? from : index, true);
    }
    g_view.layoutChanged(rec);
}

} // namespace

ItemRecord* GetItem(ControlRecord* rec, int index) {
    if (index >= 0) NoteItemTaken();
    if (!IsVirtual(rec)) {
        if (index < 0) return nullptr;
        return index < rec->itemCount ? rec->items[index] : BlankItem();
    }
    // A dead control calls the application no more.
    if (Died(rec)) return index < 0 ? nullptr : BlankItem();
    if (rec->virtualFetchedIndex >= 0) {
        const int fetched = rec->virtualFetchedIndex;
        ItemRecord* buffer = rec->virtualBuffer;
        rec->virtualBuffer = nullptr;
        rec->virtualFetchedIndex = -1;
        if (rec->virtualRelease)
            rec->virtualRelease(rec->hwndControl, rec->virtualUserData, fetched, buffer);
    }
    if (index < 0) return nullptr;
    // The release callback may have changed the mode or the count: a row
    // outside the count is never fetched.
    if (Died(rec) || !IsVirtual(rec) || index >= rec->itemCount) return BlankItem();
    rec->virtualFetchedIndex = index;
    rec->virtualFetch(rec->hwndControl, rec->virtualUserData, index, &rec->virtualBuffer);
    if (Died(rec) || !IsVirtual(rec) || index >= rec->itemCount || !rec->virtualBuffer)
        return BlankItem();
    return rec->virtualBuffer;
}

ItemRecord* GetItemForPaint(ControlRecord* rec, int index) {
    if (IsVirtual(rec) && index >= 0 && rec->virtualFetchedIndex == index && rec->virtualBuffer)
        return rec->virtualBuffer;
    return GetItem(rec, index);
}

void ReleaseItem(ControlRecord* rec) {
    // The fetched item stays fetched until the next GetItem.
    (void)rec;
    NoteItemReleased();
}

int ItemLevel(ControlRecord* rec, int index) {
    int level = LevelFromFlags(GetItem(rec, index)->flags);
    ReleaseItem(rec);
    return level;
}

int InsertItemRecord(ControlRecord* rec, const ItemRecord* tmpl, int index, const char* text,
                     QelData itemData) {
    ItemRecord* item = static_cast<ItemRecord*>(QelMalloc(sizeof(ItemRecord)));
    if (!item) return -1;
    *item = *tmpl;
    item->itemData = itemData;
    item->cells = static_cast<char**>(QelMalloc(sizeof(char*) * rec->columnCount));
    if (!item->cells) {
        QelFree(item);
        return -1;
    }
    memset(item->cells, 0, sizeof(char*) * rec->columnCount);
    if (text) {
        item->cells[0] = QelStrDup(text);
        if (!item->cells[0]) {
            QelFree(item->cells);
            QelFree(item);
            return -1;
        }
    }
    if (!rec->items || rec->freeSlots <= 0) {
        size_t slots = static_cast<size_t>(rec->itemCount) + kGrowSlots;
        ItemRecord** grown = static_cast<ItemRecord**>(
            rec->items ? QelRealloc(rec->items, slots * sizeof(ItemRecord*))
                       : QelMalloc(kGrowSlots * sizeof(ItemRecord*)));
        if (!grown) {
            QelFree(item->cells[0]);
            QelFree(item->cells);
            QelFree(item);
            return -1;
        }
        rec->items = grown;
        rec->freeSlots = kGrowSlots;
    }
    ShiftSelectionsForInsert(rec, index);
    ++rec->itemCount;
    --rec->freeSlots;
    ++rec->rowGeneration;
    memmove(rec->items + index + 1, rec->items + index,
            sizeof(ItemRecord*) * (rec->itemCount - 1 - index));
    rec->items[index] = item;
    AccRowsChanged(rec);
    LevelsChanged(rec, index);
    return index;
}

bool DeleteItemRecord(ControlRecord* rec, int index) {
    ItemRecord* item = rec->items[index];
    // An item whose callback is already running further up the stack is
    // being deleted from inside that callback: it is not reported again.
    const bool reported = IsPendingDelete(rec, item);
    const bool kept = CallDeleteCallback(rec, index, item);
    if (Died(rec)) return false;
    if (!kept) return true;
    // The callback may have deleted or inserted other rows: the item is
    // looked for again.
    index = IndexOfItem(rec, item, index);
    if (index < 0) return true;
    // While the selections move, the item stays in the array (with its
    // pending mark, so a reset triggered from here does not report it twice).
    PendingDelete pending = {item, rec->pendingDeletes};
    if (!reported) rec->pendingDeletes = &pending;
    if (rec->topIndex >= rec->itemCount - 1) rec->topIndex = max(0, rec->topIndex - 1);
    ShiftSelectionsForDelete(rec, index);
    if (!reported) rec->pendingDeletes = pending.outer;
    if (Died(rec)) return false;
    if (reported ? !IsPendingDelete(rec, item) : !pending.item) return true;
    index = IndexOfItem(rec, item, index);
    if (index < 0) return true;
    // The item leaves the array before it is freed so that the routines
    // above never see a half-freed record.
    --rec->itemCount;
    ++rec->freeSlots;
    ++rec->rowGeneration;
    memmove(rec->items + index, rec->items + index + 1,
            sizeof(ItemRecord*) * (rec->itemCount - index));
    LevelsChanged(rec, index);
    ForgetPendingDelete(rec, item);
    FreeItem(item, rec->columnCount);
    if (rec->itemCount == 0) {
        QelFree(rec->items);
        rec->items = nullptr;
        rec->freeSlots = 0;
    } else if (rec->freeSlots > kShrinkThreshold) {
        size_t slots = static_cast<size_t>(rec->itemCount) + kGrowSlots;
        ItemRecord** shrunk =
            static_cast<ItemRecord**>(QelRealloc(rec->items, slots * sizeof(ItemRecord*)));
        if (shrunk) {
            rec->items = shrunk;
            rec->freeSlots = kGrowSlots;
        }
    }
    AccRowsChanged(rec);
    return true;
}

void ClearItems(ControlRecord* rec) {
    SetHighlight(rec, -1);
    SetCommittedSel(rec, -1, false);
    if (!IsVirtual(rec) && rec->items) {
        // The items leave the control before the first callback: whatever
        // the callbacks do to the control (add, delete, reset, destroy), the
        // items being cleared are this call's alone. Each callback still sees
        // the index its item had when clearing began.
        ItemRecord** items = rec->items;
        const int count = rec->itemCount;
        const int columns = rec->columnCount;
        rec->items = nullptr;
        rec->itemCount = 0;
        rec->freeSlots = 0;
        ++rec->rowGeneration;
        for (int i = 0; i < count; ++i) {
            CallDeleteCallback(rec, i, items[i]);
            ForgetPendingDelete(rec, items[i]);
            FreeItem(items[i], columns);
        }
        QelFree(items);
    }
    if (Died(rec)) return;
    FreeLevelIndex(rec);
    rec->topIndex = 0;
    // Rows a callback added meanwhile keep their levels.
    rec->maxLevel = 0;
    if (!IsVirtual(rec))
        for (int i = 0; i < rec->itemCount; ++i)
            rec->maxLevel = max(rec->maxLevel, LevelFromFlags(rec->items[i]->flags));
    rec->horizontalOffset = 0;
    rec->overheadWidth = 0;
    RepaintAll(rec);
    g_view.layoutChanged(rec);
    AccRowsChanged(rec);
}

void DiscardItems(ControlRecord* rec) {
    if (IsVirtual(rec) || !rec->items) return;
    for (int i = 0; i < rec->itemCount; ++i)
        FreeItem(rec->items[i], rec->columnCount);
    QelFree(rec->items);
    rec->items = nullptr;
    rec->itemCount = 0;
    rec->freeSlots = 0;
}

bool CloseListKeepsRow(ControlRecord* rec, int index) {
    g_view.closeList(rec);
    return !Died(rec) && !IsVirtual(rec) && (index == -1 || IsValidIndex(rec, index));
}

int InsertString(ControlRecord* rec, int index, const char* text) {
    if (IsVirtual(rec) || !CloseListKeepsRow(rec, -1)) return -1;
    if (index < 0 || index >= rec->itemCount) index = rec->itemCount;
    ItemRecord tmpl = {};
    tmpl.flags = QELBOX_ITEM_ENABLED;
    int result = InsertItemRecord(rec, &tmpl, index, text, 0);
    if (result >= 0) RefreshAfterInsert(rec, result);
    return result;
}

int DeleteString(ControlRecord* rec, int index) {
    if (IsVirtual(rec) || !IsValidIndex(rec, index) || !CloseListKeepsRow(rec, index)) return -1;
    int parent = FindParent(rec, index);
    if (!DeleteItemRecord(rec, index)) return -1;
    // The delete callback may have changed the rows above.
    if (parent >= rec->itemCount) parent = -1;
    g_view.rowsChanged(rec, parent >= 0 ? parent : 0, true);
    g_view.layoutChanged(rec);
    return rec->itemCount;
}

void ResetContent(ControlRecord* rec) {
    if (IsVirtual(rec)) return;
    g_view.closeList(rec);
    ClearItems(rec);
}

extern "C" {

int WINAPI QelBox_InsertString_A(HWND control, int index, const char* text) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    return InsertString(rec, index, text);
}

int WINAPI QelBox_AddString_A(HWND control, const char* text) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    return InsertString(rec, -1, text);
}

int WINAPI QelBox_DeleteString(HWND control, int index) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    return DeleteString(rec, index);
}

void WINAPI QelBox_ResetContent(HWND control) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    ResetContent(rec);
}

int WINAPI QelBox_GetCount(HWND control) {
    ENTER_CONTROL(control, -1);
    return rec->itemCount;
}

int WINAPI QelBox_SetDeleteCallback(HWND control, const DeleteCallbackInfo* info) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    if (IsVirtual(rec)) return 0;
    rec->deleteCallback = info ? info->callback : nullptr;
    rec->deleteCallbackValue = info ? info->value : 0;
    return 1;
}

} // extern "C"

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

void CallDeleteCallback(ControlRecord* rec, int index, const ItemRecord* item) {
    if (rec->deleteCallback)
        rec->deleteCallback(rec->hwndControl, index, item->itemData, rec->deleteCallbackValue);
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
    if (!IsVirtual(rec)) return index >= 0 ? rec->items[index] : nullptr;
    if (rec->virtualFetchedIndex >= 0) {
        if (rec->virtualRelease)
            rec->virtualRelease(rec->hwndControl, rec->virtualUserData, rec->virtualFetchedIndex,
                                rec->virtualBuffer);
        rec->virtualBuffer = nullptr;
        rec->virtualFetchedIndex = -1;
    }
    if (index < 0) return nullptr;
    rec->virtualFetchedIndex = index;
    rec->virtualFetch(rec->hwndControl, rec->virtualUserData, index, &rec->virtualBuffer);
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
    memmove(rec->items + index + 1, rec->items + index,
            sizeof(ItemRecord*) * (rec->itemCount - 1 - index));
    rec->items[index] = item;
    AccRowsChanged(rec);
    LevelsChanged(rec, index);
    return index;
}

void DeleteItemRecord(ControlRecord* rec, int index) {
    ItemRecord* item = rec->items[index];
    CallDeleteCallback(rec, index, item);
    if (rec->topIndex >= rec->itemCount - 1) rec->topIndex = max(0, rec->topIndex - 1);
    ShiftSelectionsForDelete(rec, index);
    // The item leaves the array before it is freed so that the routines
    // above never see a half-freed record.
    --rec->itemCount;
    ++rec->freeSlots;
    memmove(rec->items + index, rec->items + index + 1,
            sizeof(ItemRecord*) * (rec->itemCount - index));
    LevelsChanged(rec, index);
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
}

void ClearItems(ControlRecord* rec) {
    SetHighlight(rec, -1);
    SetCommittedSel(rec, -1, false);
    if (!IsVirtual(rec)) {
        for (int i = 0; i < rec->itemCount; ++i) {
            CallDeleteCallback(rec, i, rec->items[i]);
            FreeItem(rec->items[i], rec->columnCount);
        }
        QelFree(rec->items);
        rec->items = nullptr;
        rec->itemCount = 0;
        rec->freeSlots = 0;
    }
    FreeLevelIndex(rec);
    rec->topIndex = 0;
    rec->maxLevel = 0;
    rec->horizontalOffset = 0;
    rec->overheadWidth = 0;
    RepaintAll(rec);
    g_view.layoutChanged(rec);
    AccRowsChanged(rec);
}

int InsertString(ControlRecord* rec, int index, const char* text) {
    if (IsVirtual(rec)) return -1;
    g_view.closeList(rec);
    if (index < 0 || index >= rec->itemCount) index = rec->itemCount;
    ItemRecord tmpl = {};
    tmpl.flags = QELBOX_ITEM_ENABLED;
    int result = InsertItemRecord(rec, &tmpl, index, text, 0);
    if (result >= 0) RefreshAfterInsert(rec, result);
    return result;
}

int DeleteString(ControlRecord* rec, int index) {
    if (IsVirtual(rec) || !IsValidIndex(rec, index)) return -1;
    g_view.closeList(rec);
    int parent = FindParent(rec, index);
    DeleteItemRecord(rec, index);
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
    QELBOX_CHECK_ON_RETURN(control);
    return InsertString(RecordOf(control), index, text);
}

int WINAPI QelBox_AddString_A(HWND control, const char* text) {
    QELBOX_CHECK_ON_RETURN(control);
    return InsertString(RecordOf(control), -1, text);
}

int WINAPI QelBox_DeleteString(HWND control, int index) {
    QELBOX_CHECK_ON_RETURN(control);
    return DeleteString(RecordOf(control), index);
}

void WINAPI QelBox_ResetContent(HWND control) {
    QELBOX_CHECK_ON_RETURN(control);
    ResetContent(RecordOf(control));
}

int WINAPI QelBox_GetCount(HWND control) {
    return RecordOf(control)->itemCount;
}

int WINAPI QelBox_SetDeleteCallback(HWND control, const DeleteCallbackInfo* info) {
    QELBOX_CHECK_ON_RETURN(control);
    ControlRecord* rec = RecordOf(control);
    if (IsVirtual(rec)) return 0;
    rec->deleteCallback = info ? info->callback : nullptr;
    rec->deleteCallbackValue = info ? info->value : 0;
    return 1;
}

} // extern "C"

// The item store: the pointer array with its growth and shrink rules,
// insertion, deletion, clearing and the delete callback.
#include "model/items.h"

#include <stddef.h>
#include <string.h>

#include "base/memory.h"
#include "base/unicode.h"
#include "model/hierarchy.h"
#include "model/selection.h"
#include "base/view.h"
#include "base/accevents.h"
#include "model/levelindex.h"
#include "model/virtual.h"
#include "base/diagnostics.h"

namespace {

// The spare slots the array gets when it grows: at least 300, and half the
// rows it holds, so that adding rows one by one costs O(1) amortized
// however long the list. It shrinks back to that when more than twice as
// many are spare.
int SpareSlots(int count) {
    return max(300, count / 2);
}

// The texts a row of several columns got after its insertion, one after
// another; texts replaced since stay until the block is rebuilt.
struct TextBlock {
    size_t capacity; // UTF-16 units of `text`
    size_t used;
    wchar_t text[1];
};

// A row of several columns keeps the address of its text block after its
// cell pointers.
bool HasTextBlock(int columnCount) {
    return columnCount > 1;
}
TextBlock*& TextBlockOf(StoredRow* row, int columnCount) {
    return *reinterpret_cast<TextBlock**>(RowCells(row) + columnCount);
}

// Bytes of a stored row before its inserted text.
size_t RowHeaderBytes(int columnCount) {
    return sizeof(StoredRow) + sizeof(wchar_t*) * static_cast<size_t>(columnCount) +
           (HasTextBlock(columnCount) ? sizeof(TextBlock*) : 0);
}
// Where the row's own block keeps the first cell's inserted text.
const wchar_t* InlineText(const StoredRow* row, int columnCount) {
    return reinterpret_cast<const wchar_t*>(reinterpret_cast<const char*>(row) +
                                            RowHeaderBytes(columnCount));
}

// Frees everything a stored row owns, then the row itself.
void FreeItem(StoredRow* row, int columnCount) {
    if (HasTextBlock(columnCount)) {
        QelFree(TextBlockOf(row, columnCount));
    } else if (RowCells(row)[0] != InlineText(row, columnCount)) {
        QelFree(RowCells(row)[0]);
    }
    if (RowExtras* x = row->extras) {
        QelFree(x->rowText);
        QelFree(x->cellInfo);
        QelFree(x->rowInfo);
        QelFree(x);
    }
    QelFree(row);
}

// The Item that GetItem hands out for a stored row.
Item* ViewOf(ControlRecord* rec, StoredRow* row) {
    Item& view = rec->storedView;
    view.itemData = row->itemData;
    view.flags = row->flags;
    view.cells = RowCells(row);
    const RowExtras* x = row->extras;
    view.label = x ? x->label : nullptr;
    view.bitmap = x ? x->bitmap : nullptr;
    view.rowInfo = x ? x->rowInfo : nullptr;
    view.rowText = x ? x->rowText : nullptr;
    view.cellInfo = x ? x->cellInfo : nullptr;
    return &view;
}

} // namespace

// An item whose delete callback is running. The entry lives on the stack of
// the deleting call; whoever frees the item meanwhile (a deletion or a reset
// from inside the callback) clears `item`, so that the deleting call knows
// it has nothing left to do.
struct PendingDelete {
    StoredRow* item;
    PendingDelete* outer;
};

namespace {

bool IsPendingDelete(const ControlRecord* rec, const StoredRow* item) {
    for (const PendingDelete* p = rec->pendingDeletes; p; p = p->outer)
        if (p->item == item) return true;
    return false;
}

void ForgetPendingDelete(ControlRecord* rec, const StoredRow* item) {
    for (PendingDelete* p = rec->pendingDeletes; p; p = p->outer)
        if (p->item == item) p->item = nullptr;
}

// Calls the delete callback for `item` (row `index`), once per item: an
// item whose callback is already running is not reported again. Returns
// false when the callback caused the item to be freed.
bool CallDeleteCallback(ControlRecord* rec, int index, StoredRow* item) {
    if (!rec->deleteCallback || IsPendingDelete(rec, item)) return true;
    PendingDelete pending = {item, rec->pendingDeletes};
    rec->pendingDeletes = &pending;
    rec->deleteCallback(rec->hwndControl, index, item->itemData, rec->deleteCallbackValue);
    rec->pendingDeletes = pending.outer;
    return pending.item != nullptr;
}

// Current row of a stored item, looked for first at `hint`; -1 when it is
// no longer in the array.
int IndexOfItem(const ControlRecord* rec, const StoredRow* item, int hint) {
    if (hint >= 0 && hint < rec->itemCount && rec->items[hint] == item) return hint;
    for (int i = 0; i < rec->itemCount; ++i)
        if (rec->items[i] == item) return i;
    return -1;
}

// Stands in for an item that cannot be had: a row outside the count, or a
// fetch after which the control died, left virtual mode or lost the row.
// It is enabled, at level 0, with no texts, bitmaps or overrides.
const int kBlankColumns = 4096;
wchar_t* g_blankCells[kBlankColumns];
Item g_blankItem;

Item* BlankItem() {
    g_blankItem = Item{};
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

namespace {

// Builds a new text block with every text of the row that lives in the old
// one, except cell `column`'s, and room for `extra` more units (twice what
// is live, so that rebuilding is rare); the cells point into it afterwards.
// False with nothing changed when memory runs out.
bool RebuildTextBlock(StoredRow* row, int columnCount, int column, size_t extra) {
    wchar_t** cells = RowCells(row);
    const wchar_t* inlineText = InlineText(row, columnCount);
    size_t live = extra;
    for (int c = 0; c < columnCount; ++c) {
        if (c != column && cells[c] && cells[c] != inlineText)
            live += static_cast<size_t>(lstrlenW(cells[c])) + 1;
    }
    const size_t capacity = 2 * live > 16 ? 2 * live : 16;
    TextBlock* block =
        static_cast<TextBlock*>(QelMalloc(offsetof(TextBlock, text) + capacity * sizeof(wchar_t)));
    if (!block) return false;
    block->capacity = capacity;
    block->used = 0;
    for (int c = 0; c < columnCount; ++c) {
        if (c == column || !cells[c] || cells[c] == inlineText) continue;
        const size_t units = static_cast<size_t>(lstrlenW(cells[c])) + 1;
        memcpy(block->text + block->used, cells[c], units * sizeof(wchar_t));
        cells[c] = block->text + block->used;
        block->used += units;
    }
    TextBlock*& old = TextBlockOf(row, columnCount);
    QelFree(old);
    old = block;
    return true;
}

} // namespace

bool StoreCellText(ControlRecord* rec, StoredRow* row, int column, const wchar_t* text) {
    const int columns = rec->columnCount;
    wchar_t** cells = RowCells(row);
    if (!HasTextBlock(columns)) {
        // One column: the text has a block of its own.
        wchar_t* copy = nullptr;
        if (text) {
            copy = QelWcsDup(text);
            if (!copy) return false;
        }
        if (cells[0] != InlineText(row, columns)) QelFree(cells[0]);
        cells[0] = copy;
        return true;
    }
    if (!text) {
        cells[column] = nullptr;
        return true;
    }
    const size_t units = static_cast<size_t>(lstrlenW(text)) + 1;
    TextBlock* block = TextBlockOf(row, columns);
    if (!block || block->capacity - block->used < units) {
        if (!RebuildTextBlock(row, columns, column, units)) return false;
        block = TextBlockOf(row, columns);
    }
    wchar_t* copy = block->text + block->used;
    memcpy(copy, text, units * sizeof(wchar_t));
    block->used += units;
    cells[column] = copy;
    return true;
}

RowExtras* RowExtrasOf(StoredRow* row) {
    if (!row->extras) {
        row->extras = static_cast<RowExtras*>(QelMalloc(sizeof(RowExtras)));
        if (row->extras) *row->extras = RowExtras{};
    }
    return row->extras;
}

void DropEmptyExtras(StoredRow* row) {
    const RowExtras* x = row->extras;
    if (x && !x->label && !x->bitmap && !x->rowInfo && !x->rowText && !x->cellInfo) {
        QelFree(row->extras);
        row->extras = nullptr;
    }
}

Item* GetItem(ControlRecord* rec, int index) {
    if (index >= 0) NoteItemTaken();
    if (!IsVirtual(rec)) {
        if (index < 0) return nullptr;
        return index < rec->itemCount ? ViewOf(rec, rec->items[index]) : BlankItem();
    }
    // A dead control calls the application no more.
    if (Died(rec)) return index < 0 ? nullptr : BlankItem();
    if (rec->virtualFetchedIndex >= 0) {
        const int fetched = rec->virtualFetchedIndex;
        void* buffer = rec->virtualBuffer;
        rec->virtualBuffer = nullptr;
        rec->virtualItem = nullptr;
        rec->virtualFetchedIndex = -1;
        if (rec->virtualReleaseW)
            rec->virtualReleaseW(rec->hwndControl, rec->virtualUserData, fetched,
                                 static_cast<ItemRecordW*>(buffer));
        else if (rec->virtualRelease)
            rec->virtualRelease(rec->hwndControl, rec->virtualUserData, fetched,
                                static_cast<ItemRecord*>(buffer));
    }
    if (index < 0) return nullptr;
    // The release callback may have changed the mode or the count: a row
    // outside the count is never fetched.
    if (Died(rec) || !IsVirtual(rec) || index >= rec->itemCount) return BlankItem();
    rec->virtualFetchedIndex = index;
    if (rec->virtualFetchW) {
        ItemRecordW* wide = nullptr;
        rec->virtualFetchW(rec->hwndControl, rec->virtualUserData, index, &wide);
        rec->virtualBuffer = wide;
        rec->virtualItem = wide;
    } else {
        ItemRecord* ansi = nullptr;
        rec->virtualFetch(rec->hwndControl, rec->virtualUserData, index, &ansi);
        rec->virtualBuffer = ansi;
        rec->virtualItem = ansi && !Died(rec) ? WidenVirtualRecord(rec, ansi) : nullptr;
    }
    if (Died(rec) || !IsVirtual(rec) || index >= rec->itemCount || !rec->virtualItem)
        return BlankItem();
    return rec->virtualItem;
}

Item* GetItemForPaint(ControlRecord* rec, int index) {
    if (IsVirtual(rec) && index >= 0 && rec->virtualFetchedIndex == index && rec->virtualItem)
        return rec->virtualItem;
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

int InsertItemRecord(ControlRecord* rec, DWORD flags, int index, const wchar_t* text,
                     QelData itemData) {
    // Row, cell array and first text in one block (an empty text still
    // reserves its terminator, so that the block's text address is its own).
    const size_t header = RowHeaderBytes(rec->columnCount);
    const size_t textBytes = (static_cast<size_t>(WideLength(text)) + 1) * sizeof(wchar_t);
    StoredRow* item = static_cast<StoredRow*>(QelMalloc(header + textBytes));
    if (!item) return -1;
    item->itemData = itemData;
    item->extras = nullptr;
    item->flags = flags;
    wchar_t** cells = RowCells(item);
    memset(cells, 0, header - sizeof(StoredRow)); // the cells and the text block
    wchar_t* inlineText = const_cast<wchar_t*>(InlineText(item, rec->columnCount));
    inlineText[0] = 0;
    if (text) {
        memcpy(inlineText, text, textBytes);
        cells[0] = inlineText;
    }
    if (!rec->items || rec->freeSlots <= 0) {
        const int spare = SpareSlots(rec->itemCount);
        const size_t slots = static_cast<size_t>(rec->itemCount) + static_cast<size_t>(spare);
        StoredRow** grown =
            static_cast<StoredRow**>(rec->items ? QelRealloc(rec->items, slots * sizeof(StoredRow*))
                                                : QelMalloc(slots * sizeof(StoredRow*)));
        if (!grown) {
            QelFree(item);
            return -1;
        }
        rec->items = grown;
        rec->freeSlots = spare;
    }
    ShiftSelectionsForInsert(rec, index);
    ++rec->itemCount;
    --rec->freeSlots;
    ++rec->rowGeneration;
    memmove(rec->items + index + 1, rec->items + index,
            sizeof(StoredRow*) * (rec->itemCount - 1 - index));
    rec->items[index] = item;
    AccRowsChanged(rec);
    LevelsChanged(rec, index);
    return index;
}

bool DeleteItemRecord(ControlRecord* rec, int index) {
    StoredRow* item = rec->items[index];
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
    memmove(rec->items + index, rec->items + index + 1, sizeof(Item*) * (rec->itemCount - index));
    LevelsChanged(rec, index);
    ForgetPendingDelete(rec, item);
    FreeItem(item, rec->columnCount);
    if (rec->itemCount == 0) {
        QelFree(rec->items);
        rec->items = nullptr;
        rec->freeSlots = 0;
    } else if (rec->freeSlots > 2 * SpareSlots(rec->itemCount)) {
        const int spare = SpareSlots(rec->itemCount);
        const size_t slots = static_cast<size_t>(rec->itemCount) + static_cast<size_t>(spare);
        StoredRow** shrunk =
            static_cast<StoredRow**>(QelRealloc(rec->items, slots * sizeof(StoredRow*)));
        if (shrunk) {
            rec->items = shrunk;
            rec->freeSlots = spare;
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
        StoredRow** items = rec->items;
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

int InsertString(ControlRecord* rec, int index, const wchar_t* text) {
    if (IsVirtual(rec) || !CloseListKeepsRow(rec, -1)) return -1;
    if (index < 0 || index >= rec->itemCount) index = rec->itemCount;
    int result = InsertItemRecord(rec, QELBOX_ITEM_ENABLED, index, text, 0);
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
    const WideArg wide(text);
    if (!wide.ok()) return -1;
    return InsertString(rec, index, wide.get());
}

int WINAPI QelBox_InsertString_W(HWND control, int index, const wchar_t* text) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    return InsertString(rec, index, text);
}

int WINAPI QelBox_AddString_A(HWND control, const char* text) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    const WideArg wide(text);
    if (!wide.ok()) return -1;
    return InsertString(rec, -1, wide.get());
}

int WINAPI QelBox_AddString_W(HWND control, const wchar_t* text) {
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

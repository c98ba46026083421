// The item store: stored items in an array of pointers, or items fetched
// from the application in virtual mode. Everything outside this file
// reaches an item only through GetItem / ReleaseItem.
#pragma once

#include "base/record.h"

// The item of a valid row (0 <= index < itemCount). Virtual mode releases
// the item fetched before and fetches this one; index -1 only releases.
// The pointer stays valid until the next GetItem. A row outside the count,
// or a fetch after which the control died, left virtual mode or lost the
// row, gives a blank item (enabled, level 0, empty); no row outside the
// count is ever fetched.
Item* GetItem(ControlRecord* rec, int index);
// The item of a valid row that the caller fetched itself a moment ago (in
// the same paint): in virtual mode the item still fetched when it is this
// row's, without a new fetch; else GetItem.
Item* GetItemForPaint(ControlRecord* rec, int index);
// Ends the use of the item obtained last (calls no callback).
void ReleaseItem(ControlRecord* rec);

// What a stored row has besides its data, flags and texts; most rows have
// none of it, so it has a block of its own, made when first needed.
struct RowExtras {
    HBITMAP label;            // not owned
    HBITMAP bitmap;           // not owned
    RowInfoBlock* rowInfo;    // owned, or null
    wchar_t* rowText;         // owned, or null
    CellInfoRecord* cellInfo; // columnCount records, owned, or null
};

// A stored row: one heap block holding the row's item data, flags, the
// columnCount pointers to its cell texts that follow the structure, and
// the first cell's text as inserted. Texts set later live in one more
// block shared by all the row's cells (a row of one column: a block of
// the text's own). GetItem hands it out as an Item; the model changes it
// here.
struct StoredRow {
    QelData itemData;
    RowExtras* extras; // null while the row has none
    DWORD flags;       // bit 0 enabled, bits 1-6 level
};
inline wchar_t** RowCells(StoredRow* row) {
    return reinterpret_cast<wchar_t**>(row + 1);
}
// The stored row at a valid index (stored mode).
inline StoredRow* StoredAt(const ControlRecord* rec, int index) {
    return rec->items[index];
}
// The row's extras, made (all empty) when it has none; null when memory
// runs out.
RowExtras* RowExtrasOf(StoredRow* row);
// Frees the row's extras again when they hold nothing (after a change that
// made them failed).
void DropEmptyExtras(StoredRow* row);

// Creates an item with `flags`, `itemData` and a copy of `text` as the
// first cell, and inserts it at `index` (0..itemCount). Returns the index,
// or -1 with nothing changed.
int InsertItemRecord(ControlRecord* rec, DWORD flags, int index, const wchar_t* text,
                     QelData itemData);
// Gives cell `column` of a stored row a copy of `text` (null: empty); false
// with nothing changed when memory runs out.
bool StoreCellText(ControlRecord* rec, StoredRow* row, int column, const wchar_t* text);
// Deletes one stored item (valid index, stored mode), calling the delete
// callback first and shifting the selections and the top index. The
// callback may change the control: the item is found again afterwards (and
// nothing more happens when it is gone). Returns false when the control
// died meanwhile; the caller then ends at once.
bool DeleteItemRecord(ControlRecord* rec, int index);
// Closes the open list without accepting before stored rows change. Its
// notifications may destroy the control, enter virtual mode or remove rows:
// true when the control is still there in stored mode with row `index`
// (-1: no particular row).
bool CloseListKeepsRow(ControlRecord* rec, int index);
// Deletes every item (delete callback for each stored item, in index
// order), clears both selections, resets top index, tree depth, horizontal
// offset and overhead width, repaints and recalculates.
// Callbacks may add, delete or reset items, or destroy the control.
void ClearItems(ControlRecord* rec);
// Frees the stored items without callbacks or repainting (a destroyed
// control's last items).
void DiscardItems(ControlRecord* rec);

inline bool IsValidIndex(const ControlRecord* rec, int index) {
    return index >= 0 && index < rec->itemCount;
}
inline int LevelFromFlags(DWORD flags) {
    return static_cast<int>((flags & QELBOX_ITEM_LEVELMASK) >> QELBOX_ITEM_LEVELSHIFT);
}
// Level of a valid row (fetches and releases the item).
int ItemLevel(ControlRecord* rec, int index);

// Number of pointer slots the item array has room for (items + spare).
inline int ItemSlots(const ControlRecord* rec) {
    return rec->items ? rec->itemCount + rec->freeSlots : 0;
}

// The routines behind QelBox_InsertString_A/_W (and AddString with index
// -1), QelBox_DeleteString and QelBox_ResetContent.
int InsertString(ControlRecord* rec, int index, const wchar_t* text);
int DeleteString(ControlRecord* rec, int index);
void ResetContent(ControlRecord* rec);

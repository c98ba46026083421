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
ItemRecord* GetItem(ControlRecord* rec, int index);
// The item of a valid row that the caller fetched itself a moment ago (in
// the same paint): in virtual mode the item still fetched when it is this
// row's, without a new fetch; else GetItem.
ItemRecord* GetItemForPaint(ControlRecord* rec, int index);
// Ends the use of the item obtained last (calls no callback).
void ReleaseItem(ControlRecord* rec);

// Creates an item from `tmpl` (flags and the rest copied), with `itemData`
// and a copy of `text` as the first cell, and inserts it at `index`
// (0..itemCount). Returns the index, or -1 with nothing changed.
int InsertItemRecord(ControlRecord* rec, const ItemRecord* tmpl, int index, const char* text,
                     QelData itemData);
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

// The routines behind QelBox_InsertString_A (and AddString_A with index
// -1), QelBox_DeleteString and QelBox_ResetContent.
int InsertString(ControlRecord* rec, int index, const char* text);
int DeleteString(ControlRecord* rec, int index);
void ResetContent(ControlRecord* rec);

// Sorting one group of siblings by the text of one column. Each sibling
// moves together with its dependents; only pointers in the item array move,
// never the records. The default comparison follows the control's locale.
#include <string.h>

#include "base/memory.h"
#include "model/columns.h"
#include "model/hierarchy.h"
#include "model/items.h"
#include "model/selection.h"
#include "base/view.h"

namespace {

// The comparison a sort runs with: the five-argument callback, or the
// extended one that also receives the cells' cellData.
struct Comparison {
    QELBOX_COMPAREPROC plain;
    QELBOX_COMPAREEXPROC extended;
};

// What a comparison reads from one item.
struct SortKey {
    const char* text;
    QelData itemData;
    QelData cellData;
};

SortKey KeyOf(ControlRecord* rec, int index, int column) {
    const ItemRecord* item = GetItem(rec, index);
    SortKey key = {item->cells[column], item->itemData,
                   item->cellInfo ? item->cellInfo[column].cellData : 0};
    ReleaseItem(rec);
    return key;
}

// True when item `a` belongs after item `b`. Under the five-argument
// callback a pair with a null text stays as it is.
bool BelongsAfter(ControlRecord* rec, int a, int b, int column, const Comparison& compare) {
    const SortKey first = KeyOf(rec, a, column);
    const SortKey second = KeyOf(rec, b, column);
    if (compare.extended)
        return compare.extended(rec->hwndControl, first.text, second.text, first.itemData,
                                second.itemData, first.cellData, second.cellData) > 0;
    if (!first.text || !second.text) return false;
    return compare.plain(rec->hwndControl, first.text, second.text, first.itemData,
                         second.itemData) > 0;
}

// Last index of the block made of `index` and its dependents.
int BlockEnd(ControlRecord* rec, int index) {
    const int last = LastDependent(rec, index);
    return last >= 0 ? last : index;
}

// Length of the longest sibling block from `first` to the block at `last`.
int LongestBlock(ControlRecord* rec, int first) {
    int longest = 0;
    for (int i = first; i >= 0; i = NextSibling(rec, i))
        longest = max(longest, BlockEnd(rec, i) - i + 1);
    return longest;
}

// Exchanges the block at `a` with the block at `b` that directly follows
// it, through `scratch`; returns the length of block b. `tracked` follows
// the item it names.
int SwapBlocks(ControlRecord* rec, int a, int b, ItemRecord** scratch, int* tracked) {
    const int lengthA = b - a;
    const int lengthB = BlockEnd(rec, b) - b + 1;
    ItemRecord** items = rec->items;
    memmove(scratch, items + a, sizeof(ItemRecord*) * lengthA);
    memmove(items + a, items + b, sizeof(ItemRecord*) * lengthB);
    memmove(items + a + lengthB, scratch, sizeof(ItemRecord*) * lengthA);
    if (*tracked >= a && *tracked < b)
        *tracked += lengthB;
    else if (*tracked >= b && *tracked < b + lengthB)
        *tracked -= lengthA;
    return lengthB;
}

int Sort(HWND control, int parent, int column, const Comparison& compare) {
    ControlRecord* rec = RecordOf(control);
    if (IsVirtual(rec)) return 0;
    if (parent < -1 || parent >= rec->itemCount || !IsValidColumn(rec, column)) return 0;
    const int first = FirstDependent(rec, parent);
    if (first < 0) return 1;
    const int last = LastSibling(rec, first);
    if (last <= first) return 1;

    // Both selections are put aside while the items move and come back
    // on the highlighted item at its new place.
    const unsigned generation = rec->rowGeneration;
    int selected = rec->curSel;
    SetHighlight(rec, -1);
    SetCommittedSel(rec, -1, false);
    if (Died(rec) || rec->rowGeneration != generation) return 0;

    ItemRecord** scratch =
        static_cast<ItemRecord**>(QelMalloc(sizeof(ItemRecord*) * LongestBlock(rec, first)));
    if (!scratch) return 0;

    // Bubble passes over the sibling blocks: an item that moves on is
    // compared again with its new next sibling; each pass ends one index
    // earlier than the one before.
    int limit = last;
    bool exchanged;
    do {
        exchanged = false;
        int i = first;
        while (i < limit) {
            const int j = NextSibling(rec, i);
            if (j < 0 || j > limit) break;
            const bool after = BelongsAfter(rec, i, j, column, compare);
            // A compare callback that changed the rows or destroyed the
            // control ends the sort where it is.
            if (Died(rec) || rec->rowGeneration != generation) {
                QelFree(scratch);
                return 0;
            }
            if (after) {
                i += SwapBlocks(rec, i, j, scratch, &selected);
                exchanged = true;
            } else {
                i = j;
            }
        }
        --limit;
    } while (limit > first && exchanged);
    QelFree(scratch);

    if (selected >= 0) {
        SetHighlight(rec, selected);
        SetCommittedSel(rec, selected, false);
    }
    g_view.rowsChanged(rec, first, true);
    return 1;
}

} // namespace

extern "C" {

int WINAPI QelBox_DefaultCompareProc(HWND control, const char* text1, const char* text2,
                                     QelData data1, QelData data2) {
    ENTER_CONTROL(control, 0);
    (void)data1;
    (void)data2;
    if (!text1 || !text2) return -2;
    // CompareStringA answers 1, 2 or 3 for less, equal and greater, 0 on
    // failure.
    return CompareStringA(rec->locale, 0, text1, -1, text2, -1) - 2;
}

int WINAPI QelBox_SortItems(HWND control, int parent, int column, QELBOX_COMPAREPROC compare) {
    ENTER_CONTROL(control, 0);
    const Comparison comparison = {compare ? compare : QelBox_DefaultCompareProc, nullptr};
    return Sort(control, parent, column, comparison);
}

int WINAPI QelBox_SortItemsEx(HWND control, int parent, int column, QELBOX_COMPAREEXPROC compare) {
    ENTER_CONTROL(control, 0);
    Comparison comparison = {nullptr, compare};
    if (!compare) comparison.plain = QelBox_DefaultCompareProc;
    return Sort(control, parent, column, comparison);
}

LCID WINAPI QelBox_GetLocale(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->locale;
}

LCID WINAPI QelBox_SetLocale(HWND control, LCID locale) {
    ENTER_CONTROL(control, 0);
    const LCID previous = rec->locale;
    rec->locale = locale;
    return previous;
}

} // extern "C"

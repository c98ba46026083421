// Sorting one group of siblings by the text of one column. Each sibling
// moves together with its dependents; only pointers in the item array move,
// never the records. The default comparison follows the control's locale.
#include <string.h>

#include "base/memory.h"
#include "base/unicode.h"
#include "model/blocksort.h"
#include "model/columns.h"
#include "model/hierarchy.h"
#include "model/items.h"
#include "model/selection.h"
#include "base/view.h"
#include "base/accevents.h"
#include "model/levelindex.h"
#include "base/diagnostics.h"

namespace {

// True when item `a` belongs after item `b`.
bool BelongsAfter(ControlRecord* rec, int a, int b, int column, const Comparison& compare) {
    return KeyBelongsAfter(rec, KeyOf(rec, a, column), KeyOf(rec, b, column), compare);
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
int SwapBlocks(ControlRecord* rec, int a, int b, StoredRow** scratch, int* tracked) {
    const int lengthA = b - a;
    const int lengthB = BlockEnd(rec, b) - b + 1;
    StoredRow** items = rec->items;
    memmove(scratch, items + a, sizeof(StoredRow*) * lengthA);
    memmove(items + a, items + b, sizeof(StoredRow*) * lengthB);
    memmove(items + a + lengthB, scratch, sizeof(StoredRow*) * lengthA);
    LevelsChanged(rec, a);
    if (*tracked >= a && *tracked < b)
        *tracked += lengthB;
    else if (*tracked >= b && *tracked < b + lengthB)
        *tracked -= lengthA;
    return lengthB;
}

// The documented order of comparisons, which the callbacks of
// applications see: bubble passes over the sibling blocks; an item that
// moves on is compared again with its new next sibling; each pass ends one
// index earlier than the one before. Returns false when memory runs out.
bool BubbleSort(ControlRecord* rec, int first, int last, int column, const Comparison& compare,
                int* selected) {
    const unsigned generation = rec->rowGeneration;
    StoredRow** scratch =
        static_cast<StoredRow**>(QelMalloc(sizeof(StoredRow*) * LongestBlock(rec, first)));
    if (!scratch) return false;

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
            if (SortInterrupted(rec, generation, compare)) {
                QelFree(scratch);
                return false;
            }
            if (after) {
                i += SwapBlocks(rec, i, j, scratch, selected);
                exchanged = true;
            } else {
                i = j;
            }
        }
        --limit;
    } while (limit > first && exchanged);
    QelFree(scratch);

    return true;
}

// Bytes of the longest ANSI text, with its terminator, in `column` of the
// rows from `first` to the block of `last`.
size_t LongestAnsiKey(ControlRecord* rec, int first, int last, int column) {
    size_t longest = 1;
    for (int i = first; i <= BlockEnd(rec, last); ++i) {
        const wchar_t* text = KeyOf(rec, i, column).text;
        longest = max(static_cast<int>(longest), AnsiLength(text) + 1);
    }
    return longest;
}

// `fast`: order with the merge sort, which calls the comparison fewer
// times and in another order, for the same result. The default comparison
// always runs that way: no application sees its calls.
int Sort(ControlRecord* rec, int parent, int column, Comparison compare, bool fast) {
    // The ANSI callbacks get their texts converted into buffers that live
    // as long as the sort.
    AnsiKeys ansi;
    if (compare.plain || compare.extended) compare.ansi = &ansi;
    if (IsVirtual(rec)) return 0;
    if (parent < -1 || parent >= rec->itemCount || !IsValidColumn(rec, column)) return 0;
    const int first = FirstDependent(rec, parent);
    if (first < 0) return 1;
    const int last = LastSibling(rec, first);
    if (last <= first) return 1;
    // An ANSI callback's texts are converted as it is called: the room for
    // the longest is made first, so that no comparison runs out of memory.
    if (compare.ansi && !compare.ansi->Reserve(LongestAnsiKey(rec, first, last, column))) return 0;

    // Both selections are put aside while the items move and come back
    // on the highlighted item at its new place.
    AccBatch batch(rec);
    const unsigned generation = rec->rowGeneration;
    int selected = rec->curSel;
    SetHighlight(rec, -1);
    SetCommittedSel(rec, -1, false);
    if (Died(rec) || rec->rowGeneration != generation) return 0;

    const bool merged = fast || !HasCallback(compare);
    if (merged ? !SortBlocksStable(rec, first, column, compare, &selected)
               : !BubbleSort(rec, first, last, column, compare, &selected))
        return 0;
    // Rows moved: a sort running further up the stack (from a compare
    // callback) must not go on with its old picture of them.
    ++rec->rowGeneration;

    if (selected >= 0) {
        SelectRow(rec, selected, false);
    }
    g_view.rowsChanged(rec, first, true);
    AccRowsChanged(rec);
    return 1;
}

} // namespace

extern "C" {

int WINAPI QelBox_DefaultCompareProc(HWND control, const char* text1, const char* text2,
                                     QelData data1, QelData data2) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    (void)data1;
    (void)data2;
    // Both null answers -2 as CompareString's failure; the conversion
    // failing likewise.
    const WideArg wide1(text1);
    const WideArg wide2(text2);
    if (!wide1.ok() || !wide2.ok()) return -2;
    return LocaleCompare(rec->locale, wide1.get(), wide2.get());
}

int WINAPI QelBox_DefaultCompareProc_W(HWND control, const wchar_t* text1, const wchar_t* text2,
                                       QelData data1, QelData data2) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    (void)data1;
    (void)data2;
    return LocaleCompare(rec->locale, text1, text2);
}

int WINAPI QelBox_SortItems(HWND control, int parent, int column, QELBOX_COMPAREPROC compare) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return Sort(rec, parent, column, {compare, nullptr, nullptr, nullptr, nullptr}, false);
}

int WINAPI QelBox_SortItemsEx(HWND control, int parent, int column, QELBOX_COMPAREEXPROC compare) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return Sort(rec, parent, column, {nullptr, compare, nullptr, nullptr, nullptr}, false);
}

int WINAPI QelBox_SortItemsFast(HWND control, int parent, int column, QELBOX_COMPAREPROC compare) {
    ENTER_CONTROL(control, 0);
    return Sort(rec, parent, column, {compare, nullptr, nullptr, nullptr, nullptr}, true);
}

int WINAPI QelBox_SortItemsExFast(HWND control, int parent, int column,
                                  QELBOX_COMPAREEXPROC compare) {
    ENTER_CONTROL(control, 0);
    return Sort(rec, parent, column, {nullptr, compare, nullptr, nullptr, nullptr}, true);
}

int WINAPI QelBox_SortItems_W(HWND control, int parent, int column, QELBOX_COMPAREPROCW compare) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return Sort(rec, parent, column, {nullptr, nullptr, compare, nullptr, nullptr}, false);
}

int WINAPI QelBox_SortItemsEx_W(HWND control, int parent, int column,
                                QELBOX_COMPAREEXPROCW compare) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return Sort(rec, parent, column, {nullptr, nullptr, nullptr, compare, nullptr}, false);
}

int WINAPI QelBox_SortItemsFast_W(HWND control, int parent, int column,
                                  QELBOX_COMPAREPROCW compare) {
    ENTER_CONTROL(control, 0);
    return Sort(rec, parent, column, {nullptr, nullptr, compare, nullptr, nullptr}, true);
}

int WINAPI QelBox_SortItemsExFast_W(HWND control, int parent, int column,
                                    QELBOX_COMPAREEXPROCW compare) {
    ENTER_CONTROL(control, 0);
    return Sort(rec, parent, column, {nullptr, nullptr, nullptr, compare, nullptr}, true);
}

LCID WINAPI QelBox_GetLocale(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->locale;
}

LCID WINAPI QelBox_SetLocale(HWND control, LCID locale) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    const LCID previous = rec->locale;
    rec->locale = locale;
    return previous;
}

} // extern "C"

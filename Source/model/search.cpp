// Searching rows by item data and by the text of one column.
#include "model/search.h"

#include <string.h>
#include <wchar.h>

#include "base/unicode.h"
#include "model/columns.h"
#include "model/items.h"
#include "model/selection.h"
#include "base/view.h"
#include "base/diagnostics.h"

int FindText(ControlRecord* rec, int start, int column, const wchar_t* text, BOOL wrap,
             bool exact) {
    // A null search text is searched for as the empty text.
    const size_t length = static_cast<size_t>(WideLength(text));
    if (!text) text = L"";
    const int count = rec->itemCount;
    if (count < 1 || start < -1 || start >= count || !IsValidColumn(rec, column)) return -1;
    // With wrap-around the start item is visited last; without it the visit
    // ends at the last item (the whole list when the search starts there).
    const int stop = (start >= 0 && wrap) ? start : count - 1;
    for (int i = start + 1;; ++i) {
        const int index = i % count;
        const Item* item = GetItem(rec, index);
        if (Died(rec)) return -1;
        const wchar_t* cell = item && item->cells ? item->cells[column] : nullptr;
        const bool match =
            cell && (exact ? _wcsicmp(text, cell) == 0 : _wcsnicmp(text, cell, length) == 0);
        ReleaseItem(rec);
        if (match) return index;
        if (index == stop) return -1;
    }
}

extern "C" {

int WINAPI QelBox_FindItem(HWND control, int start, QelData data) {
    ENTER_CONTROL(control, -1);
    if (start < 0) return -1;
    for (int i = start; i < rec->itemCount; ++i) {
        const Item* item = GetItem(rec, i);
        const bool match = item && item->itemData == data;
        ReleaseItem(rec);
        if (match) return i;
    }
    return -1;
}

namespace {

// QelBox_SelectString(Exact): the search, then the selection of its result.
int SelectText(ControlRecord* rec, int start, int column, const wchar_t* text, BOOL wrap,
               bool exact) {
    int found = FindText(rec, start, column, text, wrap, exact);
    SetCurSel(rec, found);
    // A selection-change handler may have destroyed the control.
    if (Died(rec)) return -1;
    if (found >= 0) g_view.showRow(rec, found);
    return found;
}

} // namespace

int WINAPI QelBox_FindString_A(HWND control, int start, int column, const char* text, BOOL wrap) {
    ENTER_CONTROL(control, -1);
    const WideArg wide(text);
    return wide.ok() ? FindText(rec, start, column, wide.get(), wrap, false) : -1;
}

int WINAPI QelBox_FindString_W(HWND control, int start, int column, const wchar_t* text,
                               BOOL wrap) {
    ENTER_CONTROL(control, -1);
    return FindText(rec, start, column, text, wrap, false);
}

int WINAPI QelBox_FindStringExact_A(HWND control, int start, int column, const char* text,
                                    BOOL wrap) {
    ENTER_CONTROL(control, -1);
    const WideArg wide(text);
    return wide.ok() ? FindText(rec, start, column, wide.get(), wrap, true) : -1;
}

int WINAPI QelBox_FindStringExact_W(HWND control, int start, int column, const wchar_t* text,
                                    BOOL wrap) {
    ENTER_CONTROL(control, -1);
    return FindText(rec, start, column, text, wrap, true);
}

int WINAPI QelBox_SelectString_A(HWND control, int start, int column, const char* text, BOOL wrap) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    const WideArg wide(text);
    return wide.ok() ? SelectText(rec, start, column, wide.get(), wrap, false) : -1;
}

int WINAPI QelBox_SelectString_W(HWND control, int start, int column, const wchar_t* text,
                                 BOOL wrap) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    return SelectText(rec, start, column, text, wrap, false);
}

int WINAPI QelBox_SelectStringExact_A(HWND control, int start, int column, const char* text,
                                      BOOL wrap) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    const WideArg wide(text);
    return wide.ok() ? SelectText(rec, start, column, wide.get(), wrap, true) : -1;
}

int WINAPI QelBox_SelectStringExact_W(HWND control, int start, int column, const wchar_t* text,
                                      BOOL wrap) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    return SelectText(rec, start, column, text, wrap, true);
}

} // extern "C"

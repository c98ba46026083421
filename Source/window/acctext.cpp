// Texts of the accessible objects, formed from the items, the column
// headers and the label beside the control.
#include "window/acctext.h"

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "base/memory.h"
#include "model/columns.h"
#include "model/items.h"

AccText::~AccText() {
    free(data_);
}

void AccText::Append(const wchar_t* text) {
    if (failed_ || !text || !*text) return;
    size_t add = wcslen(text);
    if (length_ + add + 1 > capacity_) {
        size_t want = (length_ + add + 1) * 2;
        wchar_t* grown = QelAllocationRefused()
                             ? nullptr
                             : static_cast<wchar_t*>(realloc(data_, want * sizeof(wchar_t)));
        if (!grown) {
            failed_ = true;
            return;
        }
        data_ = grown;
        capacity_ = want;
    }
    memcpy(data_ + length_, text, (add + 1) * sizeof(wchar_t));
    length_ += add;
}

void AccText::AppendNumber(int value) {
    wchar_t digits[16];
    wsprintfW(digits, L"%d", value);
    Append(digits);
}

HRESULT AccText::ToBstr(BSTR* out) const {
    *out = nullptr;
    if (failed_) return E_OUTOFMEMORY;
    if (length_ == 0) return S_FALSE;
    return AccBstr(data_, out);
}

HRESULT AccBstr(const wchar_t* text, BSTR* out) {
    *out = SysAllocString(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

namespace {

// The text of a cell; null for an empty one.
const wchar_t* ItemCellText(const Item* item, int column) {
    if (!item || !item->cells) return nullptr;
    const wchar_t* text = item->cells[column];
    return text && *text ? text : nullptr;
}

bool IsStaticLabel(HWND window) {
    char cls[16];
    if (!GetClassNameA(window, cls, sizeof(cls)) || lstrcmpiA(cls, "Static") != 0) return false;
    LONG type = GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK;
    return type != SS_ICON && type != SS_BITMAP && type != SS_ENHMETAFILE && type != SS_BLACKRECT &&
           type != SS_GRAYRECT && type != SS_WHITERECT && type != SS_BLACKFRAME &&
           type != SS_GRAYFRAME && type != SS_WHITEFRAME && type != SS_ETCHEDHORZ &&
           type != SS_ETCHEDVERT && type != SS_ETCHEDFRAME;
}

} // namespace

void AccLabelName(HWND control, AccText* name, wchar_t* shortcut) {
    *shortcut = 0;
    // The label is the nearest visible sibling before the control in the
    // tab (z) order, when that sibling is a text label.
    HWND before = GetWindow(control, GW_HWNDPREV);
    while (before && !IsWindowVisible(before))
        before = GetWindow(before, GW_HWNDPREV);
    if (!before || !IsStaticLabel(before)) return;
    wchar_t text[256];
    int length = GetWindowTextW(before, text, 256);
    if (length <= 0) return;
    // "&&" stands for one '&'; a single '&' marks the mnemonic.
    wchar_t plain[256];
    int out = 0;
    bool noPrefix = (GetWindowLongA(before, GWL_STYLE) & SS_NOPREFIX) != 0;
    for (int i = 0; i < length; ++i) {
        if (!noPrefix && text[i] == '&' && i + 1 < length) {
            ++i;
            if (text[i] != '&' && !*shortcut) *shortcut = text[i];
        }
        plain[out++] = text[i];
    }
    plain[out] = 0;
    name->Append(plain);
}

void AccControlValue(ControlRecord* rec, AccText* value) {
    if (rec->hwndEdit) {
        int length = GetWindowTextLengthW(rec->hwndEdit);
        if (length <= 0) return;
        wchar_t* text = QelAllocationRefused()
                            ? nullptr
                            : static_cast<wchar_t*>(malloc((length + 1u) * sizeof(wchar_t)));
        if (!text) {
            value->Fail();
            return;
        }
        GetWindowTextW(rec->hwndEdit, text, length + 1);
        value->Append(text);
        free(text);
        return;
    }
    if (IsValidIndex(rec, rec->committedSel)) AccRowName(rec, rec->committedSel, value);
}

void AccRowName(ControlRecord* rec, int index, AccText* name) {
    name->Append(ItemCellText(GetItem(rec, index), EditColumn(rec)));
    ReleaseItem(rec);
}

void AccRowDescription(ControlRecord* rec, int index, AccText* description) {
    const Item* item = GetItem(rec, index);
    const int nameColumn = EditColumn(rec);
    for (int position = 0; position < rec->columnCount; ++position) {
        const int column = ColumnAtPosition(rec, position);
        const wchar_t* text = ItemCellText(item, column);
        if (column == nameColumn || ColumnWidth(rec, column) <= 0 || !text) continue;
        if (!description->Empty()) description->Append(L", ");
        const wchar_t* header = ColumnHeaderText(rec, column);
        if (header && *header) {
            description->Append(header);
            description->Append(L": ");
        }
        description->Append(text);
    }
    ReleaseItem(rec);
}

void AccRowLevel(ControlRecord* rec, int index, AccText* value) {
    value->AppendNumber(ItemLevel(rec, index));
}

bool AccRowEnabled(ControlRecord* rec, int index) {
    const Item* item = GetItem(rec, index);
    bool enabled = item && (item->flags & QELBOX_ITEM_ENABLED) != 0;
    ReleaseItem(rec);
    return enabled;
}

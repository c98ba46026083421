// Per-item accessors: data, enabled state, label and bitmap, cell texts,
// row-header text and row info.
#include "model/itemprops.h"

#include <string.h>

#include "base/bitmapinfo.h"
#include "base/memory.h"
#include "base/unicode.h"
#include "model/columns.h"
#include "model/items.h"
#include "base/view.h"
#include "base/accevents.h"
#include "base/diagnostics.h"

namespace {

// Index -1 stands for the committed item in the text getters.
int ResolveTextIndex(const ControlRecord* rec, int index) {
    return index == -1 ? rec->committedSel : index;
}

// A non-zero handle must describe a GDI bitmap; null describes nothing.
bool DescribeBitmap(HBITMAP bitmap, BITMAP* info) {
    return QueryBitmap(bitmap, info) || !bitmap;
}

// Shared rules of QelBox_SetItemLabel / QelBox_SetItemBitmap.
int SetItemPicture(ControlRecord* rec, int index, HBITMAP bitmap, bool label) {
    if (index < -1 || index >= rec->itemCount) return 0;
    BITMAP info;
    if (!DescribeBitmap(bitmap, &info)) return 0;
    if (index == -1) {
        (label ? rec->prototypeLabel : rec->prototypeBitmap) = info;
        (label ? rec->showLabels : rec->showBitmaps) = bitmap ? 1 : 0;
        g_view.layoutChanged(rec);
        RepaintAll(rec);
        return 1;
    }
    if (IsVirtual(rec)) return 0;
    StoredRow* row = StoredAt(rec, index);
    if (bitmap || row->extras) {
        RowExtras* x = RowExtrasOf(row);
        if (!x) return 0;
        (label ? x->label : x->bitmap) = bitmap;
    }
    g_view.rowsChanged(rec, index, false);
    return 1;
}

HBITMAP GetItemPicture(ControlRecord* rec, int index, bool label) {
    if (!IsValidIndex(rec, index)) return nullptr;
    const Item* item = GetItem(rec, index);
    HBITMAP picture = label ? item->label : item->bitmap;
    ReleaseItem(rec);
    return picture;
}

RowInfoBlock DefaultRowInfo() {
    RowInfoBlock block = {};
    block.colorBackground = block.colorText = QELBOX_COLOR_NONE;
    block.colorSelBackground = block.colorSelText = QELBOX_COLOR_NONE;
    return block;
}

} // namespace

int SetItemBitmap(ControlRecord* rec, int index, HBITMAP bitmap) {
    return SetItemPicture(rec, index, bitmap, false);
}

bool CellText(ControlRecord* rec, int index, int column, const wchar_t** text) {
    *text = nullptr;
    index = ResolveTextIndex(rec, index);
    if (!IsValidIndex(rec, index) || !IsValidColumn(rec, column)) return false;
    const Item* item = GetItem(rec, index);
    *text = item->cells ? item->cells[column] : nullptr;
    ReleaseItem(rec);
    return true;
}

bool RowText(ControlRecord* rec, int index, const wchar_t** text) {
    *text = nullptr;
    if (!IsValidIndex(rec, index)) return false;
    *text = GetItem(rec, index)->rowText;
    ReleaseItem(rec);
    return true;
}

int TextLength(ControlRecord* rec, int index, int column) {
    const wchar_t* text;
    return CellText(rec, index, column, &text) ? WideLength(text) : -1;
}

int SetCellText(ControlRecord* rec, int index, int column, const wchar_t* text) {
    if (IsVirtual(rec) || !IsValidIndex(rec, index) || !IsValidColumn(rec, column)) return 0;
    if (!StoreCellText(rec, StoredAt(rec, index), column, text)) return 0;
    // A sort further up the stack (in a compare callback) holds the old
    // text as its key: it must stop.
    ++rec->rowGeneration;
    g_view.cellsChanged(rec, index, false);
    AccRowNameChanged(rec, index);
    if (index == rec->committedSel) AccValueChanged(rec);
    return 1;
}

int SetRowText(ControlRecord* rec, int index, const wchar_t* text) {
    if (IsVirtual(rec) || !IsValidIndex(rec, index)) return 0;
    wchar_t* copy = nullptr;
    if (text) {
        copy = QelWcsDup(text);
        if (!copy) return 0;
    }
    StoredRow* row = StoredAt(rec, index);
    RowExtras* x = copy || row->extras ? RowExtrasOf(row) : nullptr;
    if (copy && !x) {
        QelFree(copy);
        return 0;
    }
    if (x) {
        QelFree(x->rowText);
        x->rowText = copy;
    }
    g_view.rowHeadersChanged(rec, index, false);
    return 1;
}

extern "C" {

QelData WINAPI QelBox_GetItemData(HWND control, int index) {
    ENTER_CONTROL(control, static_cast<QelData>(-1));
    // All bits set for a bad index: 0xFFFFFFFF, and its 64-bit widening.
    if (!IsValidIndex(rec, index)) return static_cast<QelData>(-1);
    QelData data = GetItem(rec, index)->itemData;
    ReleaseItem(rec);
    return data;
}

int WINAPI QelBox_SetItemData(HWND control, int index, QelData value) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    if (IsVirtual(rec) || !IsValidIndex(rec, index)) return -1;
    StoredAt(rec, index)->itemData = value;
    return 0;
}

int WINAPI QelBox_GetItemStatus(HWND control, int index) {
    ENTER_CONTROL(control, 0);
    if (!IsValidIndex(rec, index)) return 0;
    int enabled = (GetItem(rec, index)->flags & QELBOX_ITEM_ENABLED) ? 1 : 0;
    ReleaseItem(rec);
    return enabled;
}

int WINAPI QelBox_SetItemStatus(HWND control, int index, BOOL enabled) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    if (IsVirtual(rec) || !IsValidIndex(rec, index)) return 0;
    StoredRow* row = StoredAt(rec, index);
    DWORD flags =
        enabled ? (row->flags | QELBOX_ITEM_ENABLED) : (row->flags & ~QELBOX_ITEM_ENABLED);
    bool changed = flags != row->flags;
    row->flags = flags;
    if (changed) {
        g_view.rowsChanged(rec, index, false);
        AccRowStateChanged(rec, index);
    }
    return 1;
}

HBITMAP WINAPI QelBox_GetItemLabel(HWND control, int index) {
    ENTER_CONTROL(control, nullptr);
    return GetItemPicture(rec, index, true);
}

int WINAPI QelBox_SetItemLabel(HWND control, int index, HBITMAP bitmap) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return SetItemPicture(rec, index, bitmap, true);
}

HBITMAP WINAPI QelBox_GetItemBitmap(HWND control, int index) {
    ENTER_CONTROL(control, nullptr);
    return GetItemPicture(rec, index, false);
}

int WINAPI QelBox_SetItemBitmap(HWND control, int index, HBITMAP bitmap) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return SetItemPicture(rec, index, bitmap, false);
}

int WINAPI QelBox_GetTextLength(HWND control, int index, int column) {
    ENTER_CONTROL(control, -1);
    const wchar_t* text;
    return CellText(rec, index, column, &text) ? AnsiLength(text) : -1;
}

int WINAPI QelBox_GetTextLength_W(HWND control, int index, int column) {
    ENTER_CONTROL(control, -1);
    return TextLength(rec, index, column);
}

int WINAPI QelBox_GetText_A(HWND control, int index, int column, char* buffer) {
    ENTER_CONTROL(control, -1);
    if (buffer) buffer[0] = 0;
    const wchar_t* text;
    if (!CellText(rec, index, column, &text) || !buffer) return -1;
    return CopyAnsi(text, buffer);
}

int WINAPI QelBox_GetText_W(HWND control, int index, int column, wchar_t* buffer, int size) {
    ENTER_CONTROL(control, -1);
    if (buffer && size > 0) buffer[0] = 0;
    const wchar_t* text;
    if (!CellText(rec, index, column, &text)) return -1;
    return CopyWideN(text, buffer, size);
}

int WINAPI QelBox_SetText_A(HWND control, int index, int column, const char* text) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    const WideArg wide(text);
    if (!wide.ok()) return 0;
    return SetCellText(rec, index, column, wide.get());
}

int WINAPI QelBox_SetText_W(HWND control, int index, int column, const wchar_t* text) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return SetCellText(rec, index, column, text);
}

int WINAPI QelBox_GetRowTextLength(HWND control, int index) {
    ENTER_CONTROL(control, -1);
    const wchar_t* text;
    return RowText(rec, index, &text) ? AnsiLength(text) : -1;
}

int WINAPI QelBox_GetRowTextLength_W(HWND control, int index) {
    ENTER_CONTROL(control, -1);
    const wchar_t* text;
    return RowText(rec, index, &text) ? WideLength(text) : -1;
}

int WINAPI QelBox_GetRowText_A(HWND control, int index, char* buffer) {
    ENTER_CONTROL(control, -1);
    if (buffer) buffer[0] = 0;
    const wchar_t* text;
    if (!RowText(rec, index, &text) || !buffer) return -1;
    return CopyAnsi(text, buffer);
}

int WINAPI QelBox_GetRowText_W(HWND control, int index, wchar_t* buffer, int size) {
    ENTER_CONTROL(control, -1);
    if (buffer && size > 0) buffer[0] = 0;
    const wchar_t* text;
    if (!RowText(rec, index, &text)) return -1;
    return CopyWideN(text, buffer, size);
}

int WINAPI QelBox_SetRowText_A(HWND control, int index, const char* text) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    const WideArg wide(text);
    if (!wide.ok()) return 0;
    return SetRowText(rec, index, wide.get());
}

int WINAPI QelBox_SetRowText_W(HWND control, int index, const wchar_t* text) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return SetRowText(rec, index, text);
}

int WINAPI QelBox_GetRowInfo(HWND control, RowInfo* info) {
    ENTER_CONTROL(control, 0);
    if (!info || info->version != 1 || !IsValidIndex(rec, info->index)) return 0;
    const RowInfoBlock* block = GetItem(rec, info->index)->rowInfo;
    RowInfoBlock values = block ? *block : DefaultRowInfo();
    ReleaseItem(rec);
    info->colorBackground = values.colorBackground;
    info->colorText = values.colorText;
    info->colorSelBackground = values.colorSelBackground;
    info->colorSelText = values.colorSelText;
    info->bitmap = values.bitmap;
    info->bitmapStyle = values.bitmapStyle;
    return 1;
}

int WINAPI QelBox_SetRowInfo(HWND control, const RowInfo* info) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    if (!info || info->version != 1 || info->index < -1 || info->index >= rec->itemCount) return 0;
    BITMAP described;
    if (!DescribeBitmap(info->bitmap, &described)) return 0;
    if (info->index == -1) {
        LONG oldHeight = rec->rowHeaderBitmapPrototype.bmHeight;
        rec->rowHeaderBitmapPrototype = described;
        g_view.layoutChanged(rec);
        if (oldHeight != described.bmHeight) g_view.rowsChanged(rec, 0, true);
        return 1;
    }
    if (IsVirtual(rec)) return 0;
    StoredRow* row = StoredAt(rec, info->index);
    RowExtras* x = RowExtrasOf(row);
    if (!x) return 0;
    if (!x->rowInfo) {
        RowInfoBlock* block = static_cast<RowInfoBlock*>(QelMalloc(sizeof(RowInfoBlock)));
        if (!block) {
            DropEmptyExtras(row);
            return 0;
        }
        *block = DefaultRowInfo();
        x->rowInfo = block;
    }
    RowInfoBlock* block = x->rowInfo;
    block->colorBackground = info->colorBackground;
    block->colorText = info->colorText;
    block->colorSelBackground = info->colorSelBackground;
    block->colorSelText = info->colorSelText;
    block->bitmap = info->bitmap;
    block->bitmapStyle = info->bitmapStyle;
    g_view.rowsChanged(rec, info->index, false);
    return 1;
}

} // extern "C"

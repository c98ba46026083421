// Column definitions: installing and reading the column array, the display
// order, the column header strip (texts, pressed button, display mode,
// font), and the notions derived from the columns (visible positions, edit
// column).
#include "model/columns.h"

#include <string.h>

#include "base/bitmapinfo.h"
#include "base/memory.h"
#include "base/unicode.h"
#include "base/view.h"
#include "model/columnoffsets.h"
#include "base/diagnostics.h"

namespace {

ColumnRecordW DefaultColumn() {
    ColumnRecordW column;
    memset(&column, 0, sizeof(column));
    column.width = 500;
    column.colorBackground = column.colorText = QELBOX_COLOR_NONE;
    column.colorSelBackground = column.colorSelText = QELBOX_COLOR_NONE;
    column.style = 0x800;
    return column;
}

// True when the displayPosition values of the records are a permutation of
// 0..count-1: every value in range and none twice. One pass, ticking the
// values off in columnAtPosition (which the caller rebuilds afterwards).
bool IsPermutation(ColumnRecordW* columns, int count) {
    for (int c = 0; c < count; ++c)
        columns[c].columnAtPosition = -1;
    for (int c = 0; c < count; ++c) {
        const int p = columns[c].displayPosition;
        if (p < 0 || p >= count || columns[p].columnAtPosition >= 0) return false;
        columns[p].columnAtPosition = c;
    }
    return true;
}

void FreeHeaderTexts(ColumnRecordW* columns, int count) {
    for (int c = 0; c < count; ++c)
        QelFree(columns[c].headerTextOwned);
}

// Replaces a column's header text by `copy` (a heap string the column now
// owns, or null for no text).
void AdoptHeaderText(ColumnRecordW& column, wchar_t* copy) {
    QelFree(column.headerTextOwned);
    column.headerTextOwned = copy;
    column.headerText = copy;
}

// At least one column must be shown.
bool AnyColumnShown(const ColumnSource& columns, int count) {
    for (int c = 0; c < count; ++c) {
        if ((columns.wide ? columns.wide[c].width : columns.ansi[c].width) > 0) return true;
    }
    return false;
}

// Builds the array to install from the application's records: every field
// copied, header texts duplicated (and converted from ANSI records), the
// display order checked and its inverse table rebuilt. Returns null, with
// nothing left allocated, when memory runs out.
ColumnRecordW* BuildColumns(const ColumnSource& source, int count) {
    ColumnRecordW* built = static_cast<ColumnRecordW*>(QelMalloc(sizeof(ColumnRecordW) * count));
    if (!built) return nullptr;
    // The two record kinds share their layout; only the text differs.
    memcpy(built, source.wide ? static_cast<const void*>(source.wide) : source.ansi,
           sizeof(ColumnRecordW) * static_cast<size_t>(count));
    for (int c = 0; c < count; ++c)
        built[c].headerText = built[c].headerTextOwned = nullptr;
    // The texts are copied before anything is installed, so that running
    // out of memory leaves the old columns and their headers as they were.
    for (int c = 0; c < count; ++c) {
        bool failed = false;
        wchar_t* copy = source.wide ? QelWcsDup(source.wide[c].headerText)
                                    : WideDupFromAnsi(source.ansi[c].headerText, &failed);
        if (!copy && source.wide && source.wide[c].headerText) failed = true;
        if (failed) {
            FreeHeaderTexts(built, c);
            QelFree(built);
            return nullptr;
        }
        AdoptHeaderText(built[c], copy);
    }
    if (!IsPermutation(built, count)) {
        for (int c = 0; c < count; ++c)
            built[c].displayPosition = c;
    }
    for (int c = 0; c < count; ++c)
        built[built[c].displayPosition].columnAtPosition = c;
    return built;
}

// The header bitmap of the last column, in array order, that has a valid
// one sizes the header strip; all zero when there is none.
BITMAP HeaderBitmapInfo(const ColumnRecordW* columns, int count) {
    BITMAP found;
    memset(&found, 0, sizeof(found));
    for (int c = 0; c < count; ++c) {
        BITMAP info;
        if (QueryBitmap(columns[c].headerBitmap, &info)) found = info;
    }
    return found;
}

// Replaces the copy handed out last by `copy`.
void KeepColumnsCopy(ControlRecord* rec, void* copy) {
    QelFree(rec->columnsCopy);
    rec->columnsCopy = copy;
}

// The ANSI copy QelBox_GetColumns hands out: the records and their header
// texts in one block, so that it goes with one free. Null when memory runs
// out (the previous copy stays).
ColumnRecord* CopyColumnsAnsi(ControlRecord* rec) {
    const size_t records = sizeof(ColumnRecord) * static_cast<size_t>(rec->columnCount);
    size_t bytes = records;
    for (int c = 0; c < rec->columnCount; ++c) {
        if (rec->columns[c].headerText)
            bytes += static_cast<size_t>(AnsiLength(rec->columns[c].headerText)) + 1;
    }
    char* block = static_cast<char*>(QelMalloc(bytes));
    if (!block) return nullptr;
    ColumnRecord* copy = reinterpret_cast<ColumnRecord*>(block);
    memcpy(copy, rec->columns, records);
    char* text = block + records;
    for (int c = 0; c < rec->columnCount; ++c) {
        const bool owned = rec->columns[c].headerTextOwned != nullptr;
        copy[c].headerText = copy[c].headerTextOwned = nullptr;
        if (!rec->columns[c].headerText) continue;
        copy[c].headerText = text;
        if (owned) copy[c].headerTextOwned = text;
        text += CopyAnsi(rec->columns[c].headerText, text) + 1;
    }
    KeepColumnsCopy(rec, block);
    return copy;
}

// QelBox_SetHeader: a copy of `text` (null clears it) as the header of
// `column`.
int SetHeaderText(ControlRecord* rec, int column, const wchar_t* text) {
    if (!IsValidColumn(rec, column)) return 0;
    wchar_t* copy = nullptr;
    if (text) {
        copy = QelWcsDup(text);
        if (!copy) return 0;
    }
    AdoptHeaderText(rec->columns[column], copy);
    g_view.headerChanged(rec);
    return 1;
}

} // namespace

int FirstVisiblePosition(const ControlRecord* rec) {
    if (const ColumnOffsets* offsets = CurrentColumnOffsets(rec)) return FirstVisibleOf(offsets);
    for (int p = 0; p < rec->columnCount; ++p) {
        if (ColumnWidth(rec, ColumnAtPosition(rec, p)) > 0) return p;
    }
    return 0;
}

int LastVisiblePosition(const ControlRecord* rec) {
    if (const ColumnOffsets* offsets = CurrentColumnOffsets(rec)) return LastVisibleOf(offsets);
    for (int p = rec->columnCount - 1; p >= 0; --p) {
        if (ColumnWidth(rec, ColumnAtPosition(rec, p)) > 0) return p;
    }
    return rec->columnCount - 1;
}

int EditColumn(const ControlRecord* rec) {
    return ColumnAtPosition(rec, FirstVisiblePosition(rec));
}

void FreeColumns(ControlRecord* rec) {
    QelFree(rec->columnsCopy);
    rec->columnsCopy = nullptr;
    if (rec->columns) FreeHeaderTexts(rec->columns, rec->columnCount);
    QelFree(rec->columns);
    rec->columns = nullptr;
    FreeColumnOffsets(rec);
}

int SetColumns(ControlRecord* rec, int count, ColumnSource columns) {
    if (count < 0) return 0;
    ColumnRecordW fallback = DefaultColumn();
    if (count == 0) {
        columns = {&fallback, nullptr};
        count = 1;
    }
    if (!columns.wide && !columns.ansi) return 0;
    // A new column count invalidates what the open list shows; it closes
    // even when the new columns are refused below.
    if (count != rec->columnCount) g_view.closeList(rec);
    // Stored items hold one text and one cell-info record per column, so
    // the count is fixed while there are any.
    if (!IsVirtual(rec) && count != rec->columnCount && rec->itemCount > 0) return 0;
    for (int c = 0; c < count; ++c) {
        if ((columns.wide ? columns.wide[c].width : columns.ansi[c].width) < 0) return 0;
    }
    if (!AnyColumnShown(columns, count)) return 0;
    ColumnRecordW* installed = BuildColumns(columns, count);
    if (!installed) return 0;

    rec->headerBitmapInfo = HeaderBitmapInfo(installed, count);
    ColumnRecordW* old = rec->columns;
    const int oldCount = rec->columnCount;
    rec->columns = installed;
    rec->columnCount = count;
    ColumnsChanged(rec);
    if (old) {
        FreeHeaderTexts(old, oldCount);
        QelFree(old);
    }
    if (rec->headerButton >= rec->columnCount) rec->headerButton = -1;
    // The edit column, and with it the edit field's multi-line style, may
    // have changed: the types with an edit field get a new one.
    if (!g_view.editFieldChanged(rec)) return 0;
    g_view.layoutChanged(rec);
    g_view.editTextChanged(rec);
    RepaintAll(rec);
    return 1;
}

extern "C" {

int WINAPI QelBox_SetColumns(HWND control, int count, const ColumnRecord* columns) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return SetColumns(rec, count, {nullptr, columns});
}

int WINAPI QelBox_SetColumns_W(HWND control, int count, const ColumnRecordW* columns) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return SetColumns(rec, count, {columns, nullptr});
}

int WINAPI QelBox_SetHeader_A(HWND control, int column, const char* text) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    const WideArg wide(text);
    if (!wide.ok()) return 0;
    return SetHeaderText(rec, column, wide.get());
}

int WINAPI QelBox_SetHeader_W(HWND control, int column, const wchar_t* text) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return SetHeaderText(rec, column, text);
}

int WINAPI QelBox_GetHeader_A(HWND control, int column, char* buffer, int size) {
    ENTER_CONTROL(control, -1);
    if (buffer && size > 0) buffer[0] = 0;
    if (!IsValidColumn(rec, column) || !buffer) return -1;
    // A buffer without room (size 0 or less) receives nothing.
    return CopyAnsiN(ColumnHeaderText(rec, column), buffer, size);
}

int WINAPI QelBox_GetHeader_W(HWND control, int column, wchar_t* buffer, int size) {
    ENTER_CONTROL(control, -1);
    if (buffer && size > 0) buffer[0] = 0;
    if (!IsValidColumn(rec, column)) return -1;
    return CopyWideN(ColumnHeaderText(rec, column), buffer, size);
}

int WINAPI QelBox_GetHeaderLength(HWND control, int column) {
    ENTER_CONTROL(control, -1);
    if (!IsValidColumn(rec, column)) return -1;
    return AnsiLength(ColumnHeaderText(rec, column));
}

int WINAPI QelBox_GetHeaderLength_W(HWND control, int column) {
    ENTER_CONTROL(control, -1);
    if (!IsValidColumn(rec, column)) return -1;
    return WideLength(ColumnHeaderText(rec, column));
}

int WINAPI QelBox_SetHeaderButton(HWND control, int column) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    if (column < -1 || column >= rec->columnCount) return 0;
    if (column == rec->headerButton) return 1;
    rec->headerButton = column;
    g_view.headerChanged(rec);
    return 1;
}

void WINAPI QelBox_SetShowHeader(HWND control, int mode) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    if (mode < QELBOX_SHOWHEADER_NONE || mode > QELBOX_SHOWHEADER_SUNKEN || mode == rec->showHeader)
        return;
    rec->showHeader = mode;
    g_view.layoutChanged(rec);
    RepaintAll(rec);
}

int WINAPI QelBox_GetShowHeader(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->showHeader;
}

int WINAPI QelBox_GetColumns(HWND control, ColumnRecord** out) {
    ENTER_CONTROL(control, 0);
    if (!out) return rec->columnCount;
    ColumnRecord* copy = CopyColumnsAnsi(rec);
    if (!copy) return 0;
    *out = copy;
    return rec->columnCount;
}

int WINAPI QelBox_GetColumns_W(HWND control, ColumnRecordW** out) {
    ENTER_CONTROL(control, 0);
    if (!out) return rec->columnCount;
    const size_t bytes = sizeof(ColumnRecordW) * static_cast<size_t>(rec->columnCount);
    ColumnRecordW* copy = static_cast<ColumnRecordW*>(QelMalloc(bytes));
    if (!copy) return 0;
    memcpy(copy, rec->columns, bytes);
    KeepColumnsCopy(rec, copy);
    *out = copy;
    return rec->columnCount;
}

int WINAPI QelBox_GetHeaderButton(HWND control) {
    ENTER_CONTROL(control, -1);
    return rec->headerButton;
}

} // extern "C"

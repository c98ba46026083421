// Column definitions: installing and reading the column array, the display
// order, the column header strip (texts, pressed button, display mode,
// font), and the notions derived from the columns (visible positions, edit
// column).
#include "model/columns.h"

#include <string.h>

#include "base/bitmapinfo.h"
#include "base/memory.h"
#include "base/view.h"
#include "model/columnoffsets.h"
#include "base/diagnostics.h"

namespace {

ColumnRecord DefaultColumn() {
    ColumnRecord column;
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
bool IsPermutation(ColumnRecord* columns, int count) {
    for (int c = 0; c < count; ++c)
        columns[c].columnAtPosition = -1;
    for (int c = 0; c < count; ++c) {
        const int p = columns[c].displayPosition;
        if (p < 0 || p >= count || columns[p].columnAtPosition >= 0) return false;
        columns[p].columnAtPosition = c;
    }
    return true;
}

void FreeHeaderTexts(ColumnRecord* columns, int count) {
    for (int c = 0; c < count; ++c)
        QelFree(columns[c].headerTextOwned);
}

// Replaces a column's header text by `copy` (a heap string the column now
// owns, or null for no text).
void AdoptHeaderText(ColumnRecord& column, char* copy) {
    QelFree(column.headerTextOwned);
    column.headerTextOwned = copy;
    column.headerText = copy;
}

// Every width must be 0 or more, and at least one column must be shown.
bool AreWidthsValid(const ColumnRecord* columns, int count) {
    bool anyVisible = false;
    for (int c = 0; c < count; ++c) {
        if (columns[c].width < 0) return false;
        if (columns[c].width > 0) anyVisible = true;
    }
    return anyVisible;
}

// Builds the array to install from the application's records: every field
// copied, header texts duplicated, the display order checked and its
// inverse table rebuilt. Returns null, with nothing left allocated, when
// memory runs out.
ColumnRecord* BuildColumns(const ColumnRecord* columns, int count) {
    ColumnRecord* built = static_cast<ColumnRecord*>(QelMalloc(sizeof(ColumnRecord) * count));
    if (!built) return nullptr;
    for (int c = 0; c < count; ++c) {
        built[c] = columns[c];
        built[c].headerText = built[c].headerTextOwned = nullptr;
    }
    // The texts are copied before anything is installed, so that running
    // out of memory leaves the old columns and their headers as they were.
    for (int c = 0; c < count; ++c) {
        if (!columns[c].headerText) continue;
        char* copy = QelStrDup(columns[c].headerText);
        if (!copy) {
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
BITMAP HeaderBitmapInfo(const ColumnRecord* columns, int count) {
    BITMAP found;
    memset(&found, 0, sizeof(found));
    for (int c = 0; c < count; ++c) {
        BITMAP info;
        if (QueryBitmap(columns[c].headerBitmap, &info)) found = info;
    }
    return found;
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

int SetColumns(ControlRecord* rec, int count, const ColumnRecord* columns) {
    if (count < 0) return 0;
    ColumnRecord fallback = DefaultColumn();
    if (count == 0) {
        columns = &fallback;
        count = 1;
    }
    if (!columns) return 0;
    // A new column count invalidates what the open list shows; it closes
    // even when the new columns are refused below.
    if (count != rec->columnCount) g_view.closeList(rec);
    // Stored items hold one text and one cell-info record per column, so
    // the count is fixed while there are any.
    if (!IsVirtual(rec) && count != rec->columnCount && rec->itemCount > 0) return 0;
    if (!AreWidthsValid(columns, count)) return 0;
    ColumnRecord* installed = BuildColumns(columns, count);
    if (!installed) return 0;

    rec->headerBitmapInfo = HeaderBitmapInfo(installed, count);
    ColumnRecord* old = rec->columns;
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
    return SetColumns(rec, count, columns);
}

int WINAPI QelBox_SetHeader_A(HWND control, int column, const char* text) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    if (!IsValidColumn(rec, column)) return 0;
    // A null text clears the header.
    char* copy = nullptr;
    if (text) {
        copy = QelStrDup(text);
        if (!copy) return 0;
    }
    AdoptHeaderText(rec->columns[column], copy);
    g_view.headerChanged(rec);
    return 1;
}

int WINAPI QelBox_GetHeader_A(HWND control, int column, char* buffer, int size) {
    ENTER_CONTROL(control, -1);
    if (buffer && size > 0) buffer[0] = 0;
    if (!IsValidColumn(rec, column) || !buffer) return -1;
    // A buffer without room (size 0 or less) receives nothing.
    if (size <= 0) return 0;
    const char* text = ColumnHeaderText(rec, column);
    lstrcpynA(buffer, text ? text : "", size);
    return lstrlenA(buffer);
}

int WINAPI QelBox_GetHeaderLength(HWND control, int column) {
    ENTER_CONTROL(control, -1);
    if (!IsValidColumn(rec, column)) return -1;
    const char* text = ColumnHeaderText(rec, column);
    return text ? lstrlenA(text) : 0;
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
    ColumnRecord* copy =
        static_cast<ColumnRecord*>(QelMalloc(sizeof(ColumnRecord) * rec->columnCount));
    if (!copy) return 0;
    memcpy(copy, rec->columns, sizeof(ColumnRecord) * rec->columnCount);
    QelFree(rec->columnsCopy);
    rec->columnsCopy = copy;
    *out = copy;
    return rec->columnCount;
}

int WINAPI QelBox_GetHeaderButton(HWND control) {
    ENTER_CONTROL(control, -1);
    return rec->headerButton;
}

} // extern "C"

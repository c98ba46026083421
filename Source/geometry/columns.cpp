// Column definitions: installing and reading the column array, the display
// order, and the notions derived from it (visible positions, edit column).
#include "geometry/columns.h"

#include <string.h>

#include "core/editfield.h"
#include "core/memory.h"
#include "geometry/layout.h"
#include "list/dropdown.h"

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
// 0..count-1.
bool IsPermutation(const ColumnRecord* columns, int count) {
    for (int value = 0; value < count; ++value) {
        bool found = false;
        for (int c = 0; c < count && !found; ++c)
            found = columns[c].displayPosition == value;
        if (!found) return false;
    }
    return true;
}

void FreeHeaderTexts(ColumnRecord* columns, int count) {
    for (int c = 0; c < count; ++c)
        QelFree(columns[c].headerTextOwned);
}

} // namespace

int FirstVisiblePosition(const ControlRecord* rec) {
    for (int p = 0; p < rec->columnCount; ++p) {
        if (ColumnWidth(rec, ColumnAtPosition(rec, p)) > 0) return p;
    }
    return 0;
}

int LastVisiblePosition(const ControlRecord* rec) {
    for (int p = rec->columnCount - 1; p >= 0; --p) {
        if (ColumnWidth(rec, ColumnAtPosition(rec, p)) > 0) return p;
    }
    return rec->columnCount - 1;
}

int EditColumn(const ControlRecord* rec) {
    return ColumnAtPosition(rec, FirstVisiblePosition(rec));
}

void InvalidateHeader(ControlRecord* rec) {
    if (!CanDraw(rec) || !rec->showHeader) return;
    RECT strip = HeaderStripRect(rec);
    InvalidateRect(rec->hwndControl, &strip, FALSE);
}

void FreeColumns(ControlRecord* rec) {
    QelFree(rec->columnsCopy);
    rec->columnsCopy = nullptr;
    if (rec->columns) FreeHeaderTexts(rec->columns, rec->columnCount);
    QelFree(rec->columns);
    rec->columns = nullptr;
}

extern "C" {

int WINAPI QelBox_SetColumns(HWND control, int count, const ColumnRecord* columns) {
    ControlRecord* rec = RecordOf(control);
    if (count < 0) return 0;
    ColumnRecord fallback = DefaultColumn();
    if (count == 0) {
        columns = &fallback;
        count = 1;
    }
    if (!columns) return 0;
    // Stored items hold one text per column, so the count is fixed while
    // there are any.
    if (count != rec->columnCount) CloseUp(rec, false);
    if (!IsVirtual(rec) && count != rec->columnCount && rec->itemCount > 0) return 0;
    bool anyVisible = false;
    for (int c = 0; c < count; ++c) {
        if (columns[c].width < 0) return 0;
        if (columns[c].width > 0) anyVisible = true;
    }
    if (!anyVisible) return 0;

    ColumnRecord* installed = static_cast<ColumnRecord*>(QelMalloc(sizeof(ColumnRecord) * count));
    if (!installed) return 0;
    memset(&rec->headerBitmapInfo, 0, sizeof(BITMAP));
    for (int c = 0; c < count; ++c) {
        installed[c] = columns[c];
        installed[c].headerText = nullptr;
        installed[c].headerTextOwned = nullptr;
        BITMAP info;
        if (columns[c].headerBitmap && GetObjectA(columns[c].headerBitmap, sizeof(BITMAP), &info))
            rec->headerBitmapInfo = info;
    }
    if (!IsPermutation(installed, count)) {
        for (int c = 0; c < count; ++c)
            installed[c].displayPosition = c;
    }
    for (int c = 0; c < count; ++c)
        installed[installed[c].displayPosition].columnAtPosition = c;

    ColumnRecord* old = rec->columns;
    int oldCount = rec->columnCount;
    rec->columns = installed;
    rec->columnCount = count;
    for (int c = 0; c < count; ++c) {
        if (columns[c].headerText) QelBox_SetHeader_A(control, c, columns[c].headerText);
    }
    if (old) {
        FreeHeaderTexts(old, oldCount);
        QelFree(old);
    }
    if (rec->headerButton >= rec->columnCount) rec->headerButton = -1;
    LONG type = GetWindowLongA(control, GWL_STYLE) & QELBOXSTYLE_TYPEMASK;
    if ((type == QELBOXSTYLE_SIMPLE || type == QELBOXSTYLE_DROPDOWN) && !CreateEditField(rec))
        return 0;
    RecalcLayout(rec);
    SyncEditText(rec);
    RepaintAll(rec);
    return 1;
}

int WINAPI QelBox_SetHeader_A(HWND control, int column, const char* text) {
    ControlRecord* rec = RecordOf(control);
    if (!IsValidColumn(rec, column)) return 0;
    // A null text clears the header.
    char* copy = nullptr;
    if (text) {
        copy = QelStrDup(text);
        if (!copy) return 0;
    }
    ColumnRecord& record = rec->columns[column];
    QelFree(record.headerTextOwned);
    record.headerTextOwned = record.headerText = copy;
    InvalidateHeader(rec);
    return 1;
}

void WINAPI QelBox_SetColHeaderFont(HWND control, HFONT font, BOOL redraw) {
    ControlRecord* rec = RecordOf(control);
    rec->colHeaderFont = font;
    MeasureFont(rec, font, &rec->colHeaderFontMetrics);
    RecalcLayout(rec);
    if (redraw) RepaintAll(rec);
}

int WINAPI QelBox_GetColumns(HWND control, ColumnRecord** out) {
    ControlRecord* rec = RecordOf(control);
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
    return RecordOf(control)->headerButton;
}

HFONT WINAPI QelBox_GetColHeaderFont(HWND control) {
    return RecordOf(control)->colHeaderFont;
}

} // extern "C"

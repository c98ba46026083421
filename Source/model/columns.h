// Column definitions and the notions derived from them.
#pragma once

#include "base/record.h"

inline const ColumnRecordW& Column(const ControlRecord* rec, int column) {
    return rec->columns[column];
}
inline int ColumnWidth(const ControlRecord* rec, int column) {
    return rec->columns[column].width;
}
inline DWORD ColumnStyle(const ControlRecord* rec, int column) {
    return rec->columns[column].style;
}
inline DWORD ColumnHeaderStyle(const ControlRecord* rec, int column) {
    return rec->columns[column].headerStyle;
}
// The control's own copy of the header text; null when the header has none.
inline const wchar_t* ColumnHeaderText(const ControlRecord* rec, int column) {
    return rec->columns[column].headerText;
}
inline HBITMAP ColumnHeaderBitmap(const ControlRecord* rec, int column) {
    return rec->columns[column].headerBitmap;
}
inline WORD ColumnHeaderBitmapStyle(const ControlRecord* rec, int column) {
    return rec->columns[column].headerBitmapStyle;
}
// The divider after the column is no resize handle, and fitting the
// columns leaves its width alone.
inline bool IsColumnFixedWidth(const ControlRecord* rec, int column) {
    return (rec->columns[column].columnFlags & QELBOX_COLUMN_FIXEDWIDTH) != 0;
}
// The column cannot be dragged, and no dragged column crosses it.
inline bool IsColumnFixedPosition(const ControlRecord* rec, int column) {
    return (rec->columns[column].columnFlags & QELBOX_COLUMN_FIXEDPOSITION) != 0;
}
inline bool IsValidColumn(const ControlRecord* rec, int column) {
    return column >= 0 && column < rec->columnCount;
}
// Column shown at a display position.
inline int ColumnAtPosition(const ControlRecord* rec, int position) {
    return rec->columns[position].columnAtPosition;
}
// Lowest display position whose column has a width > 0 (0 if none).
int FirstVisiblePosition(const ControlRecord* rec);
// Highest display position whose column has a width > 0 (count-1 if none).
int LastVisiblePosition(const ControlRecord* rec);
// The column whose text the edit field shows.
int EditColumn(const ControlRecord* rec);
// Frees the column array, its header texts and the copy handed out.
void FreeColumns(ControlRecord* rec);

// The application's column records: UTF-16 (QelBox_SetColumns_W) or ANSI
// (QelBox_SetColumns); the one given is non-null.
struct ColumnSource {
    const ColumnRecordW* wide;
    const ColumnRecord* ansi;
};
// QelBox_SetColumns: installs `count` columns (0: one default column).
int SetColumns(ControlRecord* rec, int count, ColumnSource columns);

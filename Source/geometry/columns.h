// Column definitions and the notions derived from them.
#pragma once

#include "core/record.h"

inline const ColumnRecord& Column(const ControlRecord* rec, int column) {
    return rec->columns[column];
}
inline int ColumnWidth(const ControlRecord* rec, int column) {
    return rec->columns[column].width;
}
inline DWORD ColumnStyle(const ControlRecord* rec, int column) {
    return rec->columns[column].style;
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
// Invalidates the column header strip (when shown and drawing is allowed).
void InvalidateHeader(ControlRecord* rec);
// Frees the column array, its header texts and the copy handed out.
void FreeColumns(ControlRecord* rec);

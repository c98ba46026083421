// Geometry building blocks shared inside the geometry subsystem and by the
// painters.
#pragma once

#include "base/record.h"

RECT ListRect(ControlRecord* rec);
int IndentGap(const ControlRecord* rec);
int IndentUnit(const ControlRecord* rec);
int Indent(const ControlRecord* rec, int level);
// Height of a row measured from its content (variable-height controls).
int VariableRowHeight(ControlRecord* rec, int index);
// Places the edit field, the permanent list and sizes the control.
void LayoutWindows(ControlRecord* rec);
// Top of a row in list-window client coordinates while it is visible there
// (its height in *height); -1 when it is not.
int RowTopInList(ControlRecord* rec, int index, int* height);
// Row whose band of the list window (walking down from the top index)
// contains the client y coordinate; -1 below the last row.
int RowAtListY(ControlRecord* rec, int y);
// Width of the list's cell area (list client width, or its estimate while
// the list is closed, less the row headers).
int ListWidth(ControlRecord* rec);
// x of a display position inside a row, from the left edge of the cell
// area; level -1 is used for header cells.
int ColumnX(const ControlRecord* rec, int position, int level);
// On-screen width of a column's cell.
int CellWidth(const ControlRecord* rec, int availableWidth, int column, int level);
// Width available to header cells and to rows painted in the closed control.
int HeaderAvailableWidth(ControlRecord* rec);

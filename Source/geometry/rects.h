// Rectangles of the control's parts, and hit testing.
#pragma once

#include "base/record.h"

// The routines behind the exports QelBox_GetItemRect, GetRowColHeaderRect,
// GetDropDownButtonRect, CalcIndexFromPoint, SetOpenEnded, GetRowHeaderRect,
// GetHeaderRect and GetCellRect.
int ItemRect(ControlRecord* rec, int index, RECT* rect);
void CornerHeaderRect(ControlRecord* rec, RECT* rect);
void DropDownButtonRect(ControlRecord* rec, RECT* rect);
int IndexFromPoint(ControlRecord* rec, POINT* point, int* area);
void SetOpenEnded(ControlRecord* rec, int enable);
void RowHeaderRect(ControlRecord* rec, int index, RECT* rect);
void HeaderRect(ControlRecord* rec, int column, RECT* rect);
RECT* CellRect(ControlRecord* rec, int index, int column);

// Per-item accessors: cell texts, row-header text and bitmaps.
#pragma once

#include "base/record.h"

// The text of cell (index, column), index -1 meaning the committed row;
// false (and a null text) for a bad index or column. The text is the
// control's own (null = empty) and valid until the next item is read.
bool CellText(ControlRecord* rec, int index, int column, const wchar_t** text);
// The row text of a valid row in the same way.
bool RowText(ControlRecord* rec, int index, const wchar_t** text);
// Length in UTF-16 units of a cell's text; -1 for a bad index or column.
int TextLength(ControlRecord* rec, int index, int column);
// The routines behind QelBox_SetText, QelBox_SetRowText and
// QelBox_SetItemBitmap.
int SetCellText(ControlRecord* rec, int index, int column, const wchar_t* text);
int SetRowText(ControlRecord* rec, int index, const wchar_t* text);
int SetItemBitmap(ControlRecord* rec, int index, HBITMAP bitmap);

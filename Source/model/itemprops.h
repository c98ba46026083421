// Per-item accessors: cell texts, row-header text and bitmaps.
#pragma once

#include "base/record.h"

// The routines behind QelBox_GetTextLength, QelBox_GetText_A,
// QelBox_SetText_A, QelBox_SetRowText_A and QelBox_SetItemBitmap.
int TextLength(ControlRecord* rec, int index, int column);
int GetCellText(ControlRecord* rec, int index, int column, char* buffer);
int SetCellText(ControlRecord* rec, int index, int column, const char* text);
int SetRowText(ControlRecord* rec, int index, const char* text);
int SetItemBitmap(ControlRecord* rec, int index, HBITMAP bitmap);

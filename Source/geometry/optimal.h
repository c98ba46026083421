// Widths that fit content: optimal column widths and the measuring
// routines shared with the fitted row-header width.
#pragma once

#include "base/record.h"

// Number of rows a measurement covers: the first `count`, or every row when
// `count` <= 0 or >= itemCount.
int MeasuredRows(const ControlRecord* rec, int count);

// Width of a single-line text in the font selected into `dc` (DrawTextW
// with DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX); 0 for a null or empty
// text.
int SingleLineWidth(HDC dc, const wchar_t* text);

// Width a header button (a column header or the corner) needs for its text
// and bitmap, measured in the header font (colHeaderFont, else the control
// font): charWidth + 6 for the margins, then either the bitmap alone (a
// centred bitmap hides the text) or the text followed by charWidth / 2 and
// the bitmap. `bitmap` tells whether the header has one; `bitmapWidth` is
// its described width.
int HeaderContentWidth(const ControlRecord* rec, HDC dc, const wchar_t* text, bool bitmap,
                       int bitmapWidth, WORD bitmapStyle);

// Width a column needs for its first `count` rows (all rows when `count`
// <= 0 or >= itemCount) and its header; -1 for a bad column. Adopts the
// deepest level of the measured rows as the tree depth.
int OptimalColumnWidth(ControlRecord* rec, int column, int count);

// QelBox_MakeColumnOptimal (column -1: every column).
void MakeColumnOptimal(ControlRecord* rec, int column, int count);

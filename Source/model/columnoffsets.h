// Where each display position starts, kept between calls: the sums of the
// column widths before every position and the first and last visible
// position, so that ColumnX, CellWidth and the visible-position queries take
// constant time and a strip of n columns is laid out in O(n). Built on first
// use after each change of the column array, its widths or its order
// (ColumnsChanged); without memory for it the positions are summed as they
// are asked for.
#pragma once

#include "base/record.h"

struct ColumnOffsets;

// The offsets of the current columns, brought up to date; null when they
// cannot be kept (no memory), in which case the caller sums the widths.
const ColumnOffsets* CurrentColumnOffsets(const ControlRecord* rec);
// Sum of the widths of the columns at display positions 0..position-1.
int WidthBefore(const ColumnOffsets* offsets, int position);
int FirstVisibleOf(const ColumnOffsets* offsets);
int LastVisibleOf(const ColumnOffsets* offsets);

// The column array, a width or the display order changed.
void ColumnsChanged(ControlRecord* rec);
// Frees the offsets (the columns go, or the control does).
void FreeColumnOffsets(ControlRecord* rec);

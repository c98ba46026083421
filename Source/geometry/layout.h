// Geometry of the control: heights, rectangles, placement of the child
// windows, scroll bars, invalidation of rows and the top index. Nothing is
// cached: every value is computed from the record when asked for.
#pragma once

#include "base/record.h"

int ButtonWidth(const ControlRecord* rec);
int HeaderHeight(const ControlRecord* rec);
int EditAreaHeight(ControlRecord* rec);
int RowHeight(ControlRecord* rec, int index);
RECT ClosedDisplayRect(ControlRecord* rec);
// Width of the column header strip (0 when the strip is not shown).
int HeaderStripWidth(ControlRecord* rec);
RECT HeaderStripRect(ControlRecord* rec);
// Invalidates the column header strip when it is shown.
void InvalidateHeader(ControlRecord* rec);

// Recomputes overhead width, list placement and scroll bars (only while the
// control is visible and redraw is allowed).
void RecalcLayout(ControlRecord* rec);
void UpdateOverheadWidth(ControlRecord* rec);
void UpdateVScrollBar(ControlRecord* rec);
void UpdateHScrollBar(ControlRecord* rec);

// Invalidates row `index` (or it and every row below when toEnd) in the
// list window, refreshing the edit field when the committed row is hit.
void InvalidateItem(ControlRecord* rec, int index, bool toEnd);
void InvalidateItemCells(ControlRecord* rec, int index, bool toEnd);
void InvalidateRowHeaders(ControlRecord* rec, int index, bool toEnd);

// QelBox_SetTopIndex, then QELBOXN_TOPINDEXCHANGE when the top row changed.
void SetTopIndexNotify(ControlRecord* rec, int index);
void ScrollToRow(ControlRecord* rec, int index);

// The routines behind the exports of the same names (include/qelbox.h
// describes what they do and return).
int RowsShown(ControlRecord* rec); // QelBox_GetItemsShown
void MakeRowVisible(ControlRecord* rec, int index);
int SetTopIndex(ControlRecord* rec, int index);

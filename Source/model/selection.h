// The two selections: the highlight (curSel) and the committed item
// (committedSel). They change only through these routines.
#pragma once

#include "base/record.h"

// Moves the highlight, repainting the old and the new row.
void SetHighlight(ControlRecord* rec, int index);
// Commits `index` (-1 = none; otherwise the highlighted row): scrolls it
// into view, brings the edit field up to date, recalculates, and notifies
// QELBOXN_SELCHANGE when asked (even when the index did not change). When
// the callbacks of the scrolling moved the highlight, the row highlighted
// afterwards is committed.
void SetCommittedSel(ControlRecord* rec, int index, bool notify);
// Highlights `index` and commits the row highlighted afterwards.
void SelectRow(ControlRecord* rec, int index, bool notify);

// The highlight goes back to the committed row without repainting (the
// list is closing).
void RevertHighlight(ControlRecord* rec);
// Keeps both selections on their rows when a row is inserted at `index`.
void ShiftSelectionsForInsert(ControlRecord* rec, int index);
// Before the row at `index` is deleted: a selection on it is cleared, one
// below it moves up with its row.
void ShiftSelectionsForDelete(ControlRecord* rec, int index);

// QelBox_SetCurSel: highlights and commits `index` (-1: none).
int SetCurSel(ControlRecord* rec, int index);

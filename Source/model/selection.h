// The two selections: the highlight (curSel) and the committed item
// (committedSel). They change only through these routines.
#pragma once

#include "base/record.h"

// Moves the highlight, repainting the old and the new row.
void SetHighlight(ControlRecord* rec, int index);
// Commits `index` (-1 = none): scrolls it into view, brings the edit field
// up to date, recalculates, and notifies QELBOXN_SELCHANGE when asked
// (even when the index did not change).
void SetCommittedSel(ControlRecord* rec, int index, bool notify);

// QelBox_SetCurSel: highlights and commits `index` (-1: none).
int SetCurSel(ControlRecord* rec, int index);

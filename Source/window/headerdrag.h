// Resizing and reordering columns with the mouse on the column header strip:
// divider hit testing, the inverted feedback line, applying a new width,
// dropping a dragged column, and horizontal auto-scrolling.
#pragma once

#include "base/record.h"

// The resizable column whose divider lies under x (control client
// coordinates) on the header strip; -1 when none.
int DividerColumnAt(ControlRecord* rec, int x);
// Moves during a resize (mode 4) or a drag (mode 5); checkScroll starts or
// stops the header auto-scroll timer by the pointer's place.
void HeaderDragMove(ControlRecord* rec, bool checkScroll, int x, int y);
// Sets the width of `column` for a pointer at content x `xc`.
void ApplyColumnResize(ControlRecord* rec, int column, int xc);
// Drops the dragged column before the display position under x.
void DropColumn(ControlRecord* rec, int x);
// Draws the feedback line of `rect` once more, which removes it, and
// forgets it.
void EraseDragFeedback(ControlRecord* rec);
// True when the system drags windows with their contents (live resizing).
bool DragFullWindows();

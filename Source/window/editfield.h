// The edit field of the simple and drop-down types.
#pragma once

#include "base/record.h"

// Creates (or re-creates) the edit field; returns it, or null on failure.
HWND CreateEditField(ControlRecord* rec);
// Shows the committed row's edit-column text in the edit field and
// invalidates the closed display; returns the InvalidateRect result.
BOOL SyncEditText(ControlRecord* rec);

// QelBox_SetEditCtlFont: the edit font, also handed to the edit field.
void SetEditFont(ControlRecord* rec, HFONT font, BOOL redraw);

// The edit field of the simple and drop-down types.
#pragma once

#include "core/record.h"

// Creates (or re-creates) the edit field; returns it, or null on failure.
HWND CreateEditField(ControlRecord* rec);
// Shows the committed row's edit-column text in the edit field and
// invalidates the closed display; returns the InvalidateRect result.
BOOL SyncEditText(ControlRecord* rec);
// Measures `font` (0 = the control font) into `metrics` with a DC of the
// control window.
void MeasureFont(ControlRecord* rec, HFONT font, TEXTMETRICA* metrics);
// Installs one of the control's fonts: stores it in `field`, measures it
// into `metrics`, recalculates the layout and repaints when asked. The
// edit font also goes to the edit field.
void ChangeFont(ControlRecord* rec, HFONT* field, TEXTMETRICA* metrics, HFONT font, BOOL redraw);

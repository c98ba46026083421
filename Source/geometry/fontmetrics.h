// The fonts of the control's parts and their measurements, on which the
// heights of rows, headers and the edit area depend.
#pragma once

#include "base/record.h"

// Measures `font` (0 = the control font) into `metrics` with a DC of the
// control window.
void MeasureFont(ControlRecord* rec, HFONT font, TEXTMETRICA* metrics);
// Stores one of the control's fonts in `field` and measures it into
// `metrics`.
void StoreFont(ControlRecord* rec, HFONT* field, TEXTMETRICA* metrics, HFONT font);
// After a font changed: recalculates the layout, and repaints when asked.
void FontChanged(ControlRecord* rec, BOOL redraw);

// QelBox_SetColHeaderFont.
void SetColHeaderFont(ControlRecord* rec, HFONT font, BOOL redraw);

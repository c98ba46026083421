// Paint handlers of the control window and the list window.
#pragma once

#include "base/record.h"

// Recreates the owned solid brush of colorBackground.
void RefreshBackgroundBrush(ControlRecord* rec);
// Paints the control window into `dc` (update null = whole client area).
void PaintControl(ControlRecord* rec, HDC dc, const RECT* update);
// Paints the list window into `dc`.
void PaintList(ControlRecord* rec, HDC dc, const RECT* update);
// Paints the simple type's separator in the control's window frame.
void PaintNcSeparator(ControlRecord* rec);

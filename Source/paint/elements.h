// Painters of the elements around the rows: the column header strip, the
// row/column corner, row headers, the drop-down button and the simple
// type's separator. The paint handlers call them with the stock black pen
// selected into the DC (their border lines are drawn with it) and with the
// two scratch DCs of the paint message for bitmap work.
#pragma once

#include "base/record.h"

// Text colour (RGB) of a greyed header, row header or corner from its
// disabled-text ColorRef. A colour equal to the button face would vanish
// on a face of the system default, so it is replaced by light grey, or by
// dark grey when the face itself is light grey.
COLORREF GreyedTextColor(DWORD disabledText);

// The column headers in display order across `strip`, scrolled by the
// horizontal offset; availableWidth is the width the columns may fill
// (the width of an open-ended last column depends on it).
void PaintColumnHeaders(ControlRecord* rec, HDC dc, HDC scratch1, HDC scratch2, const RECT& strip,
                        int availableWidth);
// The row/column corner header in `corner`.
void PaintCornerHeader(ControlRecord* rec, HDC dc, HDC scratch1, HDC scratch2, const RECT& corner);

// The header of row `index` (its item `item`) in `header`. In the list a
// button-like header of the selected row is drawn pressed; in the closed
// control it never is. `enabled` is the row's enabled state.
void PaintRowHeader(ControlRecord* rec, bool inClosedControl, HDC dc, HDC scratch1, HDC scratch2,
                    const Item* item, int index, const RECT& header, bool enabled);
// A row-header cell without a row: the face, and the column's right border
// line.
void PaintEmptyRowHeader(ControlRecord* rec, HDC dc, const RECT& header);

// The drop-down button in `button`, pressed while dropButtonPressed is set.
void PaintDropDownButton(ControlRecord* rec, HDC dc, const RECT& button);
// The button's two-pixel frame, raised or pressed.
void DrawButtonFrame(ControlRecord* rec, HDC dc, int left, int top, int right, int bottom,
                     bool raised);

// The simple type's four separator lines below the display area, across
// the client width.
void PaintSeparator(ControlRecord* rec, HDC dc);

// Whether two rectangles overlap.
inline bool RectsMeet(const RECT& a, const RECT& b) {
    RECT overlap;
    return IntersectRect(&overlap, &a, &b) != FALSE;
}

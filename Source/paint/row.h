// Painting of one row: the row of the list window, and the committed row
// shown in the display area of a closed drop-down-list control.
#pragma once

#include "base/record.h"
#include "paint/draw.h"

// The four colours a cell falls back to where neither its own override
// record nor its column sets them (ColorRefs).
struct CellColors {
    DWORD fill;
    DWORD textFallback;
    DWORD textBackground;
    DWORD textColor;
};

// A row being painted: where, which item, and its final enabled state.
struct RowPaint {
    PaintTarget target;
    bool inClosedControl;
    int index;
    int availableWidth; // the width the columns may fill
    const Item* item;
    RECT rowRect;
    bool enabled;
};

// Paints the row `index` into `rowRect` of the target's DC: colours (with
// the draw-info callback), indentation area with label, tree lines and item
// bitmap, the cells in display order, the area right of the last column,
// and the 3-D frames or the horizontal grid line. `item` is the row's item,
// obtained by the caller; `enabled` is not read. The scratch DCs serve
// bitmap drawing. Returns the row's final enabled state, for the row-header
// painter.
bool PaintRow(const RowPaint& row);

// Paints the cell of `column` of the row with the colour rules of the
// cell, its column and `defaults`. Returns false when the cell starts beyond
// the row's right edge (no later display position can be visible).
bool PaintCell(const RowPaint& row, int column, const wchar_t* text, const CellColors& defaults);

// Whether row `index` is painted as selected: in the list the highlighted
// row; in the closed control the committed row while the control or its
// edit field has the focus.
bool IsRowSelected(const ControlRecord* rec, bool inClosedControl, int index);

// Fills (x, y, x + width, y + height) in the vertical grid colour when the
// line is one pixel wide, else in the horizontal one.
void DrawGridLine(const ControlRecord* rec, HDC dc, int x, int y, int width, int height);

// Tree lines of row `index` (of `level`) in the tree area starting at
// treeLeft: its connector to the parent, the line down to its children
// (with item bitmaps), and the pass-through lines of ancestors that have
// later siblings. May fetch other items (GetItem).
void DrawTreeLines(ControlRecord* rec, HDC dc, int index, int level, int treeLeft,
                   const RECT& rowRect, bool windowEnabled);

// Row headers and the row/column corner header.
#pragma once

#include "base/record.h"

// Invalidates the corner header (when it exists and drawing is allowed).
void InvalidateCorner(ControlRecord* rec);

// Room for any row number written as text.
constexpr int kRowNumberSize = 12;

// The label of row `index`'s header (`item` is that row's item): its row
// text when it has one, else the number that showRowHeader asks for: none
// for 1 and 2, the row index for 3 and 4, the index + 1 for 5 and 6, the
// index for anything else. Returns item->rowText or `number` (which then
// holds the number, or "" for no number); never null.
const wchar_t* RowHeaderLabel(const ControlRecord* rec, const Item* item, int index,
                              wchar_t (&number)[kRowNumberSize]);

// QelBox_SetRowHeaderFont.
void SetRowHeaderFont(ControlRecord* rec, HFONT font, BOOL redraw);

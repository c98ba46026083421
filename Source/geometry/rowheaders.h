// Row headers and the row/column corner header.
#pragma once

#include "core/record.h"

// Invalidates the corner header (when it exists and drawing is allowed).
void InvalidateCorner(ControlRecord* rec);

// Room for any row number written by RowHeaderLabel.
const int kRowNumberChars = 12;
// The text of a row's header: the item's own row text, else a number
// chosen by showRowHeader (none for 1 and 2, the row index for 3 and 4, the
// index + 1 for 5 and 6, the index for any other value), written into
// `number`. Null when the header shows no text.
const char* RowHeaderLabel(const ControlRecord* rec, const ItemRecord* item, int index,
                           char (&number)[kRowNumberChars]);

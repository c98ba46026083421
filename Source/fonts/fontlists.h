// Shared steps of the three font lists (faces, sizes, styles): the value
// each list keeps in the first cell of an item, inserting an item with that
// value, and enumerating a face on the screen and on a second device.
#pragma once

#include "base/record.h"

// The cellData of column 0 of a valid item (0 when it cannot be read).
QelData FirstCellData(ControlRecord* rec, int index);
// Sets the cellData of column 0, keeping the cell's other overrides; false
// when memory runs out.
bool SetFirstCellData(ControlRecord* rec, int index, QelData value);
// Inserts `text` at `index` (-1 or the count: at the end) and stores
// `value` as its first cell's data; returns the index, or a negative value
// with nothing inserted.
int InsertWithData(ControlRecord* rec, int index, const wchar_t* text, QelData value);

// Runs EnumFontFamiliesW for `face` (null: every family) with `proc` and
// the control's record as the user value: on the screen when `onScreen`,
// then on `device` when one is given. False when the callback stopped the
// last pass that ran.
bool EnumerateFonts(ControlRecord* rec, HDC device, bool onScreen, const wchar_t* face,
                    FONTENUMPROCW proc);

// The face name of an ANSI font record in UTF-16 (for the _A enumeration
// callbacks, which do the work of their _W twins).
struct WideFaceName {
    explicit WideFaceName(const LOGFONTA* font);
    wchar_t text[LF_FACESIZE];
};

// Loads string resource `id` of the library into `buffer`; false when it is
// absent or empty.
bool LoadLibraryString(UINT id, wchar_t* buffer, int size);

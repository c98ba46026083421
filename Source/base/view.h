// How the lower layers tell the windows above them that what they show has
// changed.
//
// The model (items, columns, selection) and the geometry change the record
// but do not know the windows that show it: they report each change through
// these handlers. The window layer installs the real ones before a control
// record exists (InstallViewHandlers, window/view.cpp); until then every
// handler does nothing, so no call through them can fail.
#pragma once
#include "base/record.h"

struct ViewHandlers {
    // Sizes, row count or scrolling range changed: lay out the windows and
    // the scroll bars again.
    void (*layoutChanged)(ControlRecord* rec);
    // Row `index` (and every row after it when `toEnd`) must be redrawn, in
    // the list and, for the committed row, in the closed control.
    void (*rowsChanged)(ControlRecord* rec, int index, bool toEnd);
    // As rowsChanged, for the cells only (not the row headers).
    void (*cellsChanged)(ControlRecord* rec, int index, bool toEnd);
    // As rowsChanged, for the row headers only.
    void (*rowHeadersChanged)(ControlRecord* rec, int index, bool toEnd);
    // The column header strip must be redrawn.
    void (*headerChanged)(ControlRecord* rec);
    // The deepest level changed: the width of the tree indentation follows.
    void (*indentChanged)(ControlRecord* rec);
    // The open list scrolls so that row `index` shows.
    void (*showRow)(ControlRecord* rec, int index);
    // Row `index` becomes the list's top row (as far as the list scrolls).
    void (*setTopRow)(ControlRecord* rec, int index);
    // What the open list shows is no longer valid: it closes without
    // committing a row.
    void (*closeList)(ControlRecord* rec);
    // The committed row or its text changed: the edit field shows it again.
    // FALSE when the field could not be updated.
    BOOL (*editTextChanged)(ControlRecord* rec);
    // The edit column changed: the types with an edit field get a new one.
    // False when it could not be created.
    bool (*editFieldChanged)(ControlRecord* rec);
    // The control's window is gone and no call is in progress: free what the
    // record still owns, without calling the application.
    void (*recordGone)(ControlRecord* rec);
};

// The installed handlers; set once by the window layer.
extern ViewHandlers g_view;

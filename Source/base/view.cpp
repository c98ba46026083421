// The view handlers, doing nothing until the window layer installs its own.
#include "base/view.h"

namespace {

void NoChange(ControlRecord*) {}
void NoRowChange(ControlRecord*, int, bool) {}
void NoRow(ControlRecord*, int) {}
BOOL NoEditText(ControlRecord*) {
    return TRUE;
}
bool NoEditField(ControlRecord*) {
    return true;
}

} // namespace

ViewHandlers g_view = {
    NoChange,    // layoutChanged
    NoRowChange, // rowsChanged
    NoRowChange, // cellsChanged
    NoRowChange, // rowHeadersChanged
    NoChange,    // headerChanged
    NoChange,    // indentChanged
    NoRow,       // showRow
    NoRow,       // setTopRow
    NoChange,    // closeList
    NoEditText,  // editTextChanged
    NoEditField, // editFieldChanged
    NoChange,    // recordGone
};

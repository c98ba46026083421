// The window layer's answers to the changes the model and the geometry
// report (base/view.h).
#include "base/view.h"

#include "geometry/layout.h"
#include "window/combo.h"
#include "window/dropdown.h"
#include "window/editfield.h"

namespace {

void CloseListUncommitted(ControlRecord* rec) {
    CloseUp(rec, false);
}

// The edit column may have changed, and with it the edit field's
// multi-line style: the types with an edit field get a new one.
bool RecreateEditField(ControlRecord* rec) {
    const int type = ControlType(rec);
    if (type != QELBOXSTYLE_SIMPLE && type != QELBOXSTYLE_DROPDOWN) return true;
    return CreateEditField(rec) != nullptr;
}

void SetTopRow(ControlRecord* rec, int index) {
    SetTopIndex(rec, index);
}

} // namespace

void InstallViewHandlers() {
    g_view.layoutChanged = RecalcLayout;
    g_view.rowsChanged = InvalidateItem;
    g_view.cellsChanged = InvalidateItemCells;
    g_view.rowHeadersChanged = InvalidateRowHeaders;
    g_view.headerChanged = InvalidateHeader;
    g_view.indentChanged = UpdateOverheadWidth;
    g_view.showRow = MakeRowVisible;
    g_view.setTopRow = SetTopRow;
    g_view.closeList = CloseListUncommitted;
    g_view.editTextChanged = SyncEditText;
    g_view.editFieldChanged = RecreateEditField;
    g_view.recordGone = ReleaseOwned;
}

// The highlight and the committed selection, and the exported calls that
// set them.
#include "items/selection.h"

#include "access/access.h"
#include "core/editfield.h"
#include "geometry/layout.h"
#include "items/items.h"

void SetHighlight(ControlRecord* rec, int index) {
    if (index == rec->curSel) return;
    if (rec->curSel >= 0) InvalidateItem(rec, rec->curSel, false);
    rec->curSel = index;
    if (index >= 0) InvalidateItem(rec, index, false);
    AccHighlightMoved(rec);
}

void SetCommittedSel(ControlRecord* rec, int index, bool notify) {
    if (index >= 0) QelBox_MakeRowVisible(rec->hwndControl, index);
    const bool changed = index != rec->committedSel;
    rec->committedSel = index;
    SyncEditText(rec);
    RecalcLayout(rec);
    if (changed) AccValueChanged(rec);
    if (notify) Notify(rec, QELBOXN_SELCHANGE);
}

extern "C" {

int WINAPI QelBox_GetCurSel(HWND control) {
    return RecordOf(control)->curSel;
}

int WINAPI QelBox_SetCurSel(HWND control, int index) {
    ControlRecord* rec = RecordOf(control);
    if (index < -1 || index >= rec->itemCount) return -1;
    SetHighlight(rec, index);
    SetCommittedSel(rec, index, true);
    return 0;
}

int WINAPI QelBox_GetCursorSelect(HWND control) {
    return RecordOf(control)->cursorSelect;
}

void WINAPI QelBox_SetCursorSelect(HWND control, BOOL value) {
    RecordOf(control)->cursorSelect = value;
}

} // extern "C"

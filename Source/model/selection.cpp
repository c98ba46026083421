// The highlight and the committed selection, and the exported calls that
// set them.
#include "model/selection.h"

#include "model/items.h"
#include "base/view.h"

void SetHighlight(ControlRecord* rec, int index) {
    if (index == rec->curSel) return;
    if (rec->curSel >= 0) g_view.rowsChanged(rec, rec->curSel, false);
    rec->curSel = index;
    if (index >= 0) g_view.rowsChanged(rec, index, false);
}

void SetCommittedSel(ControlRecord* rec, int index, bool notify) {
    if (index >= 0) QelBox_MakeRowVisible(rec->hwndControl, index);
    rec->committedSel = index;
    g_view.editTextChanged(rec);
    g_view.layoutChanged(rec);
    if (notify) Notify(rec, QELBOXN_SELCHANGE);
}

extern "C" {

int WINAPI QelBox_GetCurSel(HWND control) {
    ENTER_CONTROL(control, -1);
    return rec->curSel;
}

int WINAPI QelBox_SetCurSel(HWND control, int index) {
    ENTER_CONTROL(control, -1);
    if (index < -1 || index >= rec->itemCount) return -1;
    SetHighlight(rec, index);
    SetCommittedSel(rec, index, true);
    return 0;
}

int WINAPI QelBox_GetCursorSelect(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->cursorSelect;
}

void WINAPI QelBox_SetCursorSelect(HWND control, BOOL value) {
    ENTER_CONTROL(control, );
    rec->cursorSelect = value;
}

} // extern "C"

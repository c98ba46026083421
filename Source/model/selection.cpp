// The highlight and the committed selection, and the exported calls that
// set them.
#include "model/selection.h"

#include "model/items.h"
#include "base/view.h"
#include "base/accevents.h"
#include "base/diagnostics.h"

void SetHighlight(ControlRecord* rec, int index) {
    // Callbacks since the caller chose the row may have taken it away.
    if (index >= rec->itemCount) index = -1;
    if (index == rec->curSel) return;
    if (rec->curSel >= 0) {
        g_view.rowsChanged(rec, rec->curSel, false);
        // Repainting may have called the application, which may have
        // changed the rows: a row that is gone is not highlighted.
        if (Died(rec)) return;
        if (index >= rec->itemCount) index = -1;
    }
    rec->curSel = index;
    if (index >= 0) g_view.rowsChanged(rec, index, false);
    AccHighlightMoved(rec);
}

void SetCommittedSel(ControlRecord* rec, int index, bool notify) {
    if (index >= 0) {
        // The row committed is the highlighted one. Scrolling it into view
        // paints, and the application's callbacks may have moved the
        // highlight or changed the rows: the highlight as it is afterwards
        // is committed.
        g_view.showRow(rec, index);
        if (Died(rec)) return;
        index = rec->curSel < rec->itemCount ? rec->curSel : -1;
    }
    const bool changed = index != rec->committedSel;
    rec->committedSel = index;
    g_view.editTextChanged(rec);
    g_view.layoutChanged(rec);
    if (changed) AccValueChanged(rec);
    if (notify) Notify(rec, QELBOXN_SELCHANGE);
}

void SelectRow(ControlRecord* rec, int index, bool notify) {
    SetHighlight(rec, index);
    if (Died(rec)) return;
    SetCommittedSel(rec, rec->curSel, notify);
}

void RevertHighlight(ControlRecord* rec) {
    rec->curSel = rec->committedSel;
}

void ShiftSelectionsForInsert(ControlRecord* rec, int index) {
    if (rec->curSel >= 0 && index <= rec->curSel) ++rec->curSel;
    if (rec->committedSel >= 0 && index <= rec->committedSel) ++rec->committedSel;
}

void ShiftSelectionsForDelete(ControlRecord* rec, int index) {
    if (rec->curSel >= 0) {
        if (index == rec->curSel)
            SetHighlight(rec, -1);
        else if (index < rec->curSel)
            SetHighlight(rec, rec->curSel - 1);
    }
    if (index < rec->committedSel)
        rec->committedSel = max(0, rec->committedSel - 1);
    else if (index == rec->committedSel)
        SetCommittedSel(rec, -1, false);
}

int SetCurSel(ControlRecord* rec, int index) {
    if (index < -1 || index >= rec->itemCount) return -1;
    SelectRow(rec, index, true);
    return 0;
}

extern "C" {

int WINAPI QelBox_GetCurSel(HWND control) {
    ENTER_CONTROL(control, -1);
    return rec->curSel;
}

int WINAPI QelBox_SetCurSel(HWND control, int index) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    return SetCurSel(rec, index);
}

int WINAPI QelBox_GetCursorSelect(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->cursorSelect;
}

void WINAPI QelBox_SetCursorSelect(HWND control, BOOL value) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    rec->cursorSelect = value;
}

} // extern "C"

// Virtual mode: the control stores no items; the application says how many
// there are and hands each one over on demand through the fetch callback
// (GetItem, items.cpp, does the fetching and releasing).
#include "model/virtual.h"

#include "model/items.h"
#include "model/levelindex.h"
#include "model/selection.h"
#include "base/accevents.h"
#include "base/view.h"
#include "base/diagnostics.h"

int VirtualItemChanged(ControlRecord* rec, int index) {
    if (!IsVirtual(rec)) return 0;
    // The application may have changed the record it handed over last:
    // give it back even when the index is refused.
    GetItem(rec, -1);
    if (index >= rec->itemCount) return 0;
    if (index < 0) {
        g_view.rowsChanged(rec, 0, true);
        AccRowsChanged(rec);
    } else {
        g_view.rowsChanged(rec, index, false);
        AccRowNameChanged(rec, index);
    }
    return 1;
}

int VirtualCount(ControlRecord* rec, int count) {
    if (!IsVirtual(rec) || count < 0) return 0;
    g_view.closeList(rec);
    g_view.setTopRow(rec, 0);
    if (rec->curSel >= 0) {
        SetHighlight(rec, -1);
        SetCommittedSel(rec, -1, true);
    }
    GetItem(rec, -1);
    // The notifications and the release callback above may have destroyed
    // the control or left virtual mode: the count then stays as it is.
    if (Died(rec) || !IsVirtual(rec)) return 0;
    rec->itemCount = count;
    LevelsChanged(rec, 0);
    VirtualItemChanged(rec, -1);
    g_view.layoutChanged(rec);
    return 1;
}

extern "C" {

int WINAPI QelBox_VirtualInitialize(HWND control, QELBOX_FETCHPROC fetch,
                                    QELBOX_RELEASEPROC release, QelData value) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    if (rec->items) return 0;
    g_view.closeList(rec);
    // The close-up handler may have destroyed the control or added items.
    if (Died(rec) || rec->items) return 0;
    // The item fetched under the old callbacks is forgotten, not released:
    // those callbacks may no longer be the application's.
    rec->virtualFetchedIndex = -1;
    rec->virtualBuffer = nullptr;
    rec->virtualFetch = fetch;
    rec->virtualRelease = release;
    rec->virtualUserData = value;
    if (fetch) {
        VirtualCount(rec, 0);
    } else {
        // Back in stored mode, with no stored items: whatever count the
        // application had set goes before the selections are cleared.
        rec->itemCount = 0;
        ClearItems(rec);
    }
    return 1;
}

int WINAPI QelBox_VirtualCount(HWND control, int count) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return VirtualCount(rec, count);
}

int WINAPI QelBox_VirtualItemChanged(HWND control, int index) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return VirtualItemChanged(rec, index);
}

} // extern "C"

// Virtual mode: the control stores no items; the application says how many
// there are and hands each one over on demand through the fetch callback
// (GetItem, items.cpp, does the fetching and releasing).
#include "model/virtual.h"

#include <string.h>

#include "base/memory.h"
#include "model/items.h"
#include "model/levelindex.h"
#include "model/selection.h"
#include "base/accevents.h"
#include "base/view.h"
#include "base/diagnostics.h"

// The UTF-16 copy of the ANSI record fetched last.
struct VirtualText {
    Item item;
    wchar_t** cells; // cellSlots entries
    int cellSlots;
    wchar_t* text; // the converted texts one after another
    size_t capacity;
};

namespace {

// Room for `cells` cell pointers and `units` UTF-16 units.
bool Reserve(VirtualText* v, int cells, size_t units) {
    if (cells > v->cellSlots) {
        void* grown = QelRealloc(v->cells, sizeof(wchar_t*) * static_cast<size_t>(cells));
        if (!grown) return false;
        v->cells = static_cast<wchar_t**>(grown);
        v->cellSlots = cells;
    }
    if (units > v->capacity) {
        const size_t wanted = max(static_cast<int>(units), static_cast<int>(v->capacity * 2));
        void* grown = QelRealloc(v->text, sizeof(wchar_t) * wanted);
        if (!grown) return false;
        v->text = static_cast<wchar_t*>(grown);
        v->capacity = wanted;
    }
    return true;
}

// Converts `text` into the buffer at `*used`; null stays null.
wchar_t* Widen(VirtualText* v, const char* text, size_t* used) {
    if (!text) return nullptr;
    wchar_t* out = v->text + *used;
    const int room = static_cast<int>(v->capacity - *used);
    const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, out, room);
    if (n <= 0) out[0] = 0;
    *used += n > 0 ? static_cast<size_t>(n) : 1;
    return out;
}

} // namespace

Item* WidenVirtualRecord(ControlRecord* rec, const ItemRecord* ansi) {
    VirtualText* v = rec->virtualText;
    if (!v) {
        v = static_cast<VirtualText*>(QelMalloc(sizeof(VirtualText)));
        if (!v) return nullptr;
        memset(v, 0, sizeof(*v));
        rec->virtualText = v;
    }
    // An ANSI text never needs more UTF-16 units than it has bytes.
    const int columns = ansi->cells ? rec->columnCount : 0;
    size_t units = ansi->rowText ? strlen(ansi->rowText) + 1 : 0;
    for (int c = 0; c < columns; ++c)
        units += ansi->cells[c] ? strlen(ansi->cells[c]) + 1 : 0;
    if (!Reserve(v, columns, units)) return nullptr;

    memcpy(&v->item, ansi, sizeof(Item));
    size_t used = 0;
    v->item.rowText = Widen(v, ansi->rowText, &used);
    for (int c = 0; c < columns; ++c)
        v->cells[c] = Widen(v, ansi->cells[c], &used);
    v->item.cells = ansi->cells ? v->cells : nullptr;
    return &v->item;
}

void FreeVirtualText(ControlRecord* rec) {
    if (!rec->virtualText) return;
    QelFree(rec->virtualText->cells);
    QelFree(rec->virtualText->text);
    QelFree(rec->virtualText);
    rec->virtualText = nullptr;
}

int VirtualItemChanged(ControlRecord* rec, int index) {
    if (!IsVirtual(rec)) return 0;
    // The application may have changed the record it handed over last:
    // give it back even when the index is refused.
    GetItem(rec, -1);
    if (index >= rec->itemCount) return 0;
    VirtualLevelChanged(rec, index);
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
    // They may also have selected a row again: one the new count leaves
    // out is let go.
    if (rec->curSel >= count || rec->committedSel >= count) {
        SelectRow(rec, -1, false);
        if (Died(rec) || !IsVirtual(rec)) return 0;
    }
    LevelsChanged(rec, 0);
    VirtualItemChanged(rec, -1);
    g_view.layoutChanged(rec);
    return 1;
}

namespace {

// QelBox_VirtualInitialize(_W): at most one of the two fetch callbacks is
// non-null.
int VirtualInitialize(ControlRecord* rec, QELBOX_FETCHPROC fetch, QELBOX_RELEASEPROC release,
                      QELBOX_FETCHPROCW fetchW, QELBOX_RELEASEPROCW releaseW, QelData value) {
    if (rec->items) return 0;
    g_view.closeList(rec);
    // The close-up handler may have destroyed the control or added items.
    if (Died(rec) || rec->items) return 0;
    // The item fetched under the old callbacks is forgotten, not released:
    // those callbacks may no longer be the application's.
    rec->virtualFetchedIndex = -1;
    rec->virtualBuffer = nullptr;
    rec->virtualItem = nullptr;
    rec->virtualFetch = fetch;
    rec->virtualRelease = fetch ? release : nullptr;
    rec->virtualFetchW = fetchW;
    rec->virtualReleaseW = fetchW ? releaseW : nullptr;
    rec->virtualUserData = value;
    // Levels learnt through the old callbacks need not hold for the new ones.
    LevelsChanged(rec, 0);
    if (fetch || fetchW) {
        VirtualCount(rec, 0);
    } else {
        // Back in stored mode, with no stored items: whatever count the
        // application had set goes before the selections are cleared.
        rec->itemCount = 0;
        ClearItems(rec);
    }
    return 1;
}

} // namespace

extern "C" {

int WINAPI QelBox_VirtualInitialize(HWND control, QELBOX_FETCHPROC fetch,
                                    QELBOX_RELEASEPROC release, QelData value) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return VirtualInitialize(rec, fetch, release, nullptr, nullptr, value);
}

int WINAPI QelBox_VirtualInitialize_W(HWND control, QELBOX_FETCHPROCW fetch,
                                      QELBOX_RELEASEPROCW release, QelData value) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return VirtualInitialize(rec, nullptr, nullptr, fetch, release, value);
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

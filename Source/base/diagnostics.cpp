// Record consistency checks and GetItem/ReleaseItem pairing of the
// diagnostics build.
#include "base/diagnostics.h"

#ifdef QELBOX_DIAGNOSTICS

#include "base/module.h"

namespace {

// Rows taken with GetItem and not yet given back with ReleaseItem.
int g_itemsHeld = 0;

void Require(bool holds, const char* where, const char* rule) {
    if (holds) return;
    char message[160];
    wsprintfA(message, "%s: %s", where, rule);
    ReportError("QelBox record", 0, message);
}

} // namespace

void NoteItemTaken() {
    ++g_itemsHeld;
}

void NoteItemReleased() {
    --g_itemsHeld;
}

void CheckRecord(const ControlRecord* rec, const char* where) {
    Require(g_itemsHeld == 0, where, "GetItem without ReleaseItem");
    g_itemsHeld = 0;
    if (!rec || rec == reinterpret_cast<const ControlRecord*>(-1)) return;
    const int count = rec->itemCount;
    Require(count >= 0, where, "itemCount >= 0");
    Require(rec->curSel >= -1 && rec->curSel < count, where, "curSel is -1 or a row");
    Require(rec->committedSel >= -1 && rec->committedSel < count, where,
            "committedSel is -1 or a row");
    Require(rec->isSimple || rec->hwndDropDown || rec->curSel == rec->committedSel, where,
            "closed drop-down: curSel == committedSel");
    Require(rec->topIndex >= 0 && (count == 0 || rec->topIndex < count), where,
            "topIndex is a row");
    Require(rec->columnCount >= 1 && rec->columns != nullptr, where, "at least one column");
    Require(IsVirtual(rec) || count == 0 || rec->items != nullptr, where, "stored items held");
    Require(rec->freeSlots >= 0, where, "freeSlots >= 0");
    Require(rec->maxLevel >= 0 && rec->maxLevel <= QELBOX_MAXLEVEL, where, "maxLevel in range");
    Require(rec->editSyncDepth == 0 && rec->editSyncSuppress == 0 && rec->scrollTracking == 0,
            where, "no re-entry mark left set");
    Require(rec->mouseMode >= kMouseNone && rec->mouseMode <= kMouseList, where,
            "mouseMode is a MouseMode");
}

#endif

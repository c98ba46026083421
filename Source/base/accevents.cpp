// WinEvents of the accessibility layer. The few bits of state this needs
// (a rows-changed event owed, the depth of compound operations, the control
// being destroyed) live in the record's accState.
#include <oleacc.h>

#include "base/accevents.h"

namespace {

const unsigned kRowsPending = 1;
const unsigned kDestroying = 2;
const unsigned kBatchUnit = 0x100;

// Events are held back while redraw is off, inside a compound operation and
// once destruction has begun.
bool Quiet(const ControlRecord* rec) {
    return !rec->redrawAllowed || (rec->accState & ~kRowsPending) != 0;
}

void Send(DWORD event, HWND window, LONG object, LONG child) {
    NotifyWinEvent(event, window, object, child);
}

// Rows are reported on the list window while it exists, else on the
// control window under the list's own object id.
void SendRowEvent(ControlRecord* rec, DWORD event, LONG child) {
    if (rec->hwndDropDown)
        Send(event, rec->hwndDropDown, OBJID_CLIENT, child);
    else
        Send(event, rec->hwndControl, QELBOX_OBJID_LIST, child);
}

bool HasFocus(const ControlRecord* rec) {
    HWND focus = GetFocus();
    return focus &&
           (focus == rec->hwndControl || focus == rec->hwndEdit || focus == rec->hwndDropDown);
}

void SendRowsChanged(ControlRecord* rec) {
    rec->accState &= ~kRowsPending;
    SendRowEvent(rec, EVENT_OBJECT_REORDER, CHILDID_SELF);
}

void SendHighlight(ControlRecord* rec) {
    if (rec->curSel < 0) return;
    SendRowEvent(rec, EVENT_OBJECT_FOCUS, rec->curSel + 1);
    SendRowEvent(rec, EVENT_OBJECT_SELECTION, rec->curSel + 1);
}

} // namespace

void AccHighlightMoved(ControlRecord* rec) {
    if (Quiet(rec) || !(rec->hwndDropDown || HasFocus(rec))) return;
    SendHighlight(rec);
}

void AccValueChanged(ControlRecord* rec) {
    if (Quiet(rec)) return;
    Send(EVENT_OBJECT_VALUECHANGE, rec->hwndControl, OBJID_CLIENT, CHILDID_SELF);
}

void AccListOpened(ControlRecord* rec) {
    if (Quiet(rec) || !rec->hwndDropDown) return;
    Send(EVENT_OBJECT_SHOW, rec->hwndDropDown, OBJID_CLIENT, CHILDID_SELF);
    Send(EVENT_OBJECT_STATECHANGE, rec->hwndControl, OBJID_CLIENT, CHILDID_SELF);
    SendHighlight(rec);
}

void AccListClosing(ControlRecord* rec) {
    if (Quiet(rec) || !rec->hwndDropDown) return;
    Send(EVENT_OBJECT_HIDE, rec->hwndDropDown, OBJID_CLIENT, CHILDID_SELF);
}

void AccListClosed(ControlRecord* rec) {
    if (Quiet(rec)) return;
    Send(EVENT_OBJECT_STATECHANGE, rec->hwndControl, OBJID_CLIENT, CHILDID_SELF);
    // The keyboard focus never left the control: it is announced there
    // again now that the list is gone.
    HWND focus = GetFocus();
    if (focus && (focus == rec->hwndControl || focus == rec->hwndEdit))
        Send(EVENT_OBJECT_FOCUS, focus, OBJID_CLIENT, CHILDID_SELF);
}

void AccControlStateChanged(ControlRecord* rec) {
    if (Quiet(rec)) return;
    Send(EVENT_OBJECT_STATECHANGE, rec->hwndControl, OBJID_CLIENT, CHILDID_SELF);
}

void AccRowStateChanged(ControlRecord* rec, int index) {
    if (Quiet(rec) || index < 0) return;
    SendRowEvent(rec, EVENT_OBJECT_STATECHANGE, index + 1);
}

void AccRowNameChanged(ControlRecord* rec, int index) {
    if (Quiet(rec) || index < 0) return;
    SendRowEvent(rec, EVENT_OBJECT_NAMECHANGE, index + 1);
}

void AccRowsChanged(ControlRecord* rec) {
    if (Quiet(rec)) {
        if (!(rec->accState & kDestroying)) rec->accState |= kRowsPending;
        return;
    }
    SendRowsChanged(rec);
}

void AccRedrawRestored(ControlRecord* rec) {
    if (!Quiet(rec) && (rec->accState & kRowsPending)) SendRowsChanged(rec);
}

void AccControlDestroying(ControlRecord* rec) {
    rec->accState = kDestroying;
}

bool AccIsDestroying(const ControlRecord* rec) {
    return (rec->accState & kDestroying) != 0;
}

AccBatch::AccBatch(ControlRecord* rec) : rec_(rec) {
    rec->accState += kBatchUnit;
}

AccBatch::~AccBatch() {
    if (rec_->accState >= kBatchUnit) rec_->accState -= kBatchUnit;
    AccRedrawRestored(rec_);
}

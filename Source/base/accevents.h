// The WinEvents that tell screen readers what changed in a control. Every
// layer reports its changes here; the events need nothing but the record and
// the system. The accessible objects themselves live in the window layer
// (window/accobject.h).
#pragma once

#include "base/record.h"

// Events. None is sent while redraw is off or the control is being
// destroyed; a change of the rows made meanwhile is reported by one reorder
// event when redraw comes back (AccRedrawRestored).
void AccHighlightMoved(ControlRecord* rec);
void AccValueChanged(ControlRecord* rec);
// The drop-down list window was created and placed / is about to be
// destroyed / has been destroyed.
void AccListOpened(ControlRecord* rec);
void AccListClosing(ControlRecord* rec);
void AccListClosed(ControlRecord* rec);
void AccControlStateChanged(ControlRecord* rec);
void AccRowStateChanged(ControlRecord* rec, int index);
void AccRowNameChanged(ControlRecord* rec, int index);
void AccRowsChanged(ControlRecord* rec);
void AccRedrawRestored(ControlRecord* rec);
// Start of WM_DESTROY: no event from here on, and the objects handed out
// report the control as gone.
void AccControlDestroying(ControlRecord* rec);
// True once AccControlDestroying ran for the control.
bool AccIsDestroying(const ControlRecord* rec);

// While one of these lives, the events of a compound operation (a sort, a
// move or copy of a subtree) are held back; the rows-changed event of the
// operation is sent once when the outermost one ends.
class AccBatch {
  public:
    explicit AccBatch(ControlRecord* rec);
    ~AccBatch();
    AccBatch(const AccBatch&) = delete;
    AccBatch& operator=(const AccBatch&) = delete;

  private:
    ControlRecord* rec_;
};

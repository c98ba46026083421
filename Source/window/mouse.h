// Mouse interaction on the closed control and in the list.
#pragma once

#include "base/record.h"

struct MouseEvent {
    bool onControl; // the control window received it (else the list)
    bool doubleClick;
    int x, y; // client coordinates of the receiving window
    bool shift, ctrl;
    int buttonCode; // QELBOXN_LBUTTON, QELBOXN_MBUTTON or QELBOXN_RBUTTON
};

// The event of a mouse message: x and y from lParam (signed), the Shift and
// Ctrl states from the key flags in wParam.
MouseEvent MakeMouseEvent(bool onControl, WPARAM wParam, LPARAM lParam, bool doubleClick,
                          int buttonCode);

void MouseButtonDown(ControlRecord* rec, const MouseEvent& event);
void MouseButtonUp(ControlRecord* rec, const MouseEvent& event);
void MouseMove(ControlRecord* rec, const MouseEvent& event);
// Sets the cursor over column dividers; true when it set one.
bool SetHeaderCursor(ControlRecord* rec);
// The control's one auto-scroll timer (id 1, 100 ms): started only when
// none runs, stopped with its id cleared.
void StartAutoScrollTimer(ControlRecord* rec, TIMERPROC proc);
void StopAutoScrollTimer(ControlRecord* rec);

// Clears what the mouse operation in progress left pressed (part of the
// WM_CANCELMODE processing).
void EndMouseOperation(ControlRecord* rec);

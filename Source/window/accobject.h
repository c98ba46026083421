// Accessibility: the Active Accessibility objects of the control, answered
// through WM_GETOBJECT (accobject.cpp, their texts in acctext.cpp). The
// events that go with them are in base/accevents.h.
#pragma once

#include "base/record.h"

// WM_GETOBJECT of the control window (list = false) or of the list window
// (list = true): the object for OBJID_CLIENT, and for the control window
// also the list object under QELBOX_OBJID_LIST; 0 for every other object
// id (the caller then leaves it to default processing) and when memory runs
// out.
LRESULT AccGetObject(ControlRecord* rec, bool list, WPARAM wParam, LPARAM lParam);
// True when AccGetObject answers this object id for the window.
bool AccAnswersObject(bool list, LPARAM objectId);

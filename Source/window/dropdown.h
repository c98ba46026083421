// The list window: drop-down popup or the simple type's permanent list.
#pragma once

#include "base/record.h"

// Closes an open drop-down and accepts the highlight (commit) or returns it
// to the committed row.
void CloseUp(ControlRecord* rec, bool commit);
// Destroys the drop-down popup, if one is open and not already going.
void DestroyDropDown(ControlRecord* rec);
// Opens the list (show) or closes it with CloseUp(commit).
void ShowOrClose(ControlRecord* rec, bool show, bool commit);
// Creates the simple type's permanent list window; false on failure.
bool CreateSimpleList(ControlRecord* rec);

// QelBox_ShowDropDown: opens or closes the drop-down.
int ShowDropDown(ControlRecord* rec, BOOL show);

// Placement of the drop-down list on the screen.
#pragma once

#include "base/record.h"

// Screen rectangle (border included) for the drop-down window.
RECT DropDownRect(ControlRecord* rec);
// Width of the drop-down's client part.
int DropDownWidth(ControlRecord* rec);

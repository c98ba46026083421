// Horizontal scrolling of the list.
#pragma once

#include "core/record.h"

// QelBox_SetHorizontalOffset, then QELBOXN_HSCROLLCHANGE when it changed.
int SetHorizontalOffsetNotify(ControlRecord* rec, int offset);

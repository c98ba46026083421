// Horizontal scrolling of the list.
#pragma once

#include "base/record.h"

// QelBox_SetHorizontalOffset, then QELBOXN_HSCROLLCHANGE when it changed.
int SetHorizontalOffsetNotify(ControlRecord* rec, int offset);

// QelBox_SetHorizontalExtent and QelBox_SetHorizontalOffset.
int SetHorizontalExtent(ControlRecord* rec, int extent);
int SetHorizontalOffset(ControlRecord* rec, int offset);

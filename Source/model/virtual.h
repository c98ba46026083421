// Virtual mode: the application holds the items and hands them over on demand.
#pragma once

#include "base/record.h"

// QelBox_VirtualItemChanged and QelBox_VirtualCount.
int VirtualItemChanged(ControlRecord* rec, int index);
int VirtualCount(ControlRecord* rec, int count);

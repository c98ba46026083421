// Virtual mode: the application holds the items and hands them over on demand.
#pragma once

#include "base/record.h"

// QelBox_VirtualItemChanged and QelBox_VirtualCount.
int VirtualItemChanged(ControlRecord* rec, int index);
int VirtualCount(ControlRecord* rec, int count);

// The UTF-16 form of an ANSI record fetched from the application: its
// fields, with copies of its texts converted from the ANSI code page. Valid
// until the next call; null when memory runs out.
Item* WidenVirtualRecord(ControlRecord* rec, const ItemRecord* ansi);
// Frees the copies WidenVirtualRecord keeps.
void FreeVirtualText(ControlRecord* rec);

// Relations implied by item levels (the list read as a pre-order outline).
// Each scan takes a valid index unless noted and returns an index or -1.
// The dependents of an item are the run of items directly after it that are
// all deeper than it; its siblings are the items of its own level reachable
// without crossing a shallower item.
#pragma once

#include "base/record.h"

// Nearest earlier item of a lower level; -1 for level 0.
int FindParent(ControlRecord* rec, int index);
// Nearest earlier level-0 item, or, when none precedes, the earliest earlier
// item of a lower level; -1 for level 0 and for item 0.
int FindTopParent(ControlRecord* rec, int index);
// First and last item of the dependent run; index -1 stands for the whole
// list (0 and itemCount - 1, -1 when empty).
int FirstDependent(ControlRecord* rec, int index);
int LastDependent(ControlRecord* rec, int index);
// Earliest and last sibling (may be the item itself).
int FirstSibling(ControlRecord* rec, int index);
int LastSibling(ControlRecord* rec, int index);
// The neighbouring sibling before / after the item; -1 when none.
int PrevSibling(ControlRecord* rec, int index);
int NextSibling(ControlRecord* rec, int index);

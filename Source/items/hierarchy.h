// Relations implied by item levels (the list read as a pre-order outline).
// Each scan takes a valid index unless noted and returns an index or -1.
#pragma once

#include "core/record.h"

int FindParent(ControlRecord* rec, int index);
int FindTopParent(ControlRecord* rec, int index);
// Index -1 stands for the whole list in the two dependent scans.
int FirstDependent(ControlRecord* rec, int index);
int LastDependent(ControlRecord* rec, int index);
int FirstSibling(ControlRecord* rec, int index);
int LastSibling(ControlRecord* rec, int index);
int PrevSibling(ControlRecord* rec, int index);
int NextSibling(ControlRecord* rec, int index);

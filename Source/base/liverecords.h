// The records of the live controls of each thread. The boundary check of
// every export reads window long 0 of the handle it is given and uses the
// pointer only when it is found here: a pointer that is not is never
// dereferenced. Each thread keeps its own set, filled and emptied only by
// the window procedure of its own controls, so a lookup needs no lock and a
// record found is owned by the calling thread.
#pragma once

#include <windows.h>

struct ControlRecord;

// Process attach and detach: the thread-local slot of the sets. Attaching
// fails only when the system has no slot left.
bool AttachLiveRecords();
void DetachLiveRecords();

// Adds the record of a control created by the calling thread; false when
// memory runs out (the set is unchanged).
bool AddLiveRecord(ControlRecord* rec);
// Removes it when its window is gone; the set of a thread whose last control
// is gone is freed.
void RemoveLiveRecord(ControlRecord* rec);

// The record of `control` when `pointer`, read from its window long 0, is a
// live record of the calling thread whose control window is `control`;
// otherwise null. `pointer` is dereferenced only once it is found in the
// set. EnterRecord (base/record.h) is this after the read of window long 0.
ControlRecord* FindLiveRecord(HWND control, const void* pointer);

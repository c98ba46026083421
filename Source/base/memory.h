// Heap and GDI bookkeeping of the library. All heap memory the control owns
// goes through these wrappers so that tests can make allocations fail and
// can see that nothing is left behind; GDI objects are counted the same way
// because the system's own counter is not available everywhere.
#pragma once

#include <windows.h>
#include <stddef.h>

void* QelMalloc(size_t size);
void* QelRealloc(void* block, size_t size);
void QelFree(void* block);

// True when the next allocation must fail (tests); counts the attempt.
bool QelAllocationRefused();

// GDI accounting: call after creating and before deleting an object or DC.
void GdiCreated();
void GdiDeleted();

// The bookkeeping's controls and counts, which the test build of the library
// exports (tests/qelbox_diag.h): after `successes` more successful
// allocations every further one fails (-1: never); heap blocks held; GDI
// objects and DCs created and not deleted.
void FailAllocationsAfter(int successes);
int LiveAllocations();
int LiveGdiObjects();

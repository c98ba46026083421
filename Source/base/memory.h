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

// GDI accounting. GdiCreated after creating an object or DC; GdiDeleted
// after deleting it, which counts the deletion only when the handle no
// longer names an object, so that an object never deleted, or deleted while
// still selected into a DC, stays counted and shows as a leak; GdiDisowned
// when an object leaves the library's care undeleted.
void GdiCreated();
void GdiDeleted(HGDIOBJ object);
void GdiDisowned();

// The bookkeeping's controls and counts, which the test build of the library
// exports (tests/qelbox_diag.h): after `successes` more successful
// allocations every further one fails (-1: never); heap blocks held; GDI
// objects and DCs created and not deleted.
void FailAllocationsAfter(int successes);
int LiveAllocations();
int LiveGdiObjects();

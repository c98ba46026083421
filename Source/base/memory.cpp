#include "base/memory.h"

#include <stdlib.h>
#include <string.h>

namespace {
// Successful allocations left before allocations start failing; -1 = never.
LONG g_allocationsLeft = -1;
LONG g_liveBlocks = 0;
LONG g_liveGdiObjects = 0;
} // namespace

bool QelAllocationRefused() {
    if (g_allocationsLeft < 0) return false;
    if (g_allocationsLeft == 0) return true;
    --g_allocationsLeft;
    return false;
}

void* QelMalloc(size_t size) {
    if (QelAllocationRefused()) return nullptr;
    void* block = malloc(size ? size : 1);
    if (block) InterlockedIncrement(&g_liveBlocks);
    return block;
}

void* QelRealloc(void* block, size_t size) {
    if (!block) return QelMalloc(size);
    if (QelAllocationRefused()) return nullptr;
    return realloc(block, size ? size : 1);
}

void QelFree(void* block) {
    if (!block) return;
    InterlockedDecrement(&g_liveBlocks);
    free(block);
}

void GdiCreated() {
    InterlockedIncrement(&g_liveGdiObjects);
}
void GdiDeleted(HGDIOBJ object) {
    if (!GetObjectType(object)) InterlockedDecrement(&g_liveGdiObjects);
}
void GdiDisowned() {
    InterlockedDecrement(&g_liveGdiObjects);
}

void FailAllocationsAfter(int successes) {
    g_allocationsLeft = successes < 0 ? -1 : successes;
}

int LiveAllocations() {
    return static_cast<int>(g_liveBlocks);
}

int LiveGdiObjects() {
    return static_cast<int>(g_liveGdiObjects);
}

// Describing application bitmaps. A handle counts as a bitmap only when it
// names a GDI bitmap; other GDI objects (a brush, say) are rejected even
// though GetObjectA would describe them.
#pragma once

#include <string.h>
#include <windows.h>

// Fills `info` with the bitmap's description; false (and `info` zeroed)
// when `handle` is null or not a bitmap.
inline bool QueryBitmap(HANDLE handle, BITMAP* info) {
    memset(info, 0, sizeof(BITMAP));
    if (!handle || GetObjectType(handle) != OBJ_BITMAP) return false;
    if (GetObjectA(handle, sizeof(BITMAP), info) != static_cast<int>(sizeof(BITMAP))) {
        memset(info, 0, sizeof(BITMAP));
        return false;
    }
    return true;
}

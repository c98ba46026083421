// A minimal PNG writer (24-bit RGB, uncompressed deflate blocks) for the
// demo's screenshot.
#pragma once

#include <windows.h>

// Writes `width` x `height` pixels, top-down rows of 0x00RRGGBB, to `path`.
bool WritePng(const char* path, const DWORD* pixels, int width, int height);

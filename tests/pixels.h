// Reading back what a window paints: WM_PRINT into a 32-bit DIB section
// selected into a memory DC.
#pragma once

#include <windows.h>

#include <vector>

struct Image {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels; // top-down rows of 0x00RRGGBB

    // Colour at (x, y) as a COLORREF (0x00BBGGRR); CLR_INVALID outside.
    COLORREF At(int x, int y) const;
    // Number of pixels of `color` inside the rectangle (clipped).
    int Count(const RECT& area, COLORREF color) const;
    // Number of pixels inside the rectangle that differ from `color`.
    int CountOther(const RECT& area, COLORREF color) const;
};

// Paints `window`'s client area into an image by sending it WM_PRINT with
// PRF_CLIENT (and WM_PAINT-style painting into the given DC).
Image Capture(HWND window);

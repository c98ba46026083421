// Drawing routines shared by every painted element: cell contents (rows,
// column headers, row headers, the corner), fitted text, bitmaps with a
// transparent colour, and one-pixel 3-D frames. None of them keeps state;
// each restores every DC attribute and selection it changes.
#pragma once

#include "base/record.h"

// A ColorRef as RGB: non-negative values are RGB, negative ones name the
// system colour in their low 16 bits.
COLORREF ResolveColor(DWORD color);

// The DCs a painting routine draws with: the target, and two memory DCs
// (the second compatible with the first, nothing selected) for
// transparent bitmaps.
struct PaintTarget {
    ControlRecord* rec;
    HDC dc;
    HDC scratch1;
    HDC scratch2;
};

// What DrawCellContent draws into `rect`, after filling it with fillBrush:
//  - bitmap / bitmapInfo: drawn at bitmapInfo's width x height when both are
//    given and the size is not empty; bitmapStyle bit 0 centres it, bit 1
//    puts it right of the text (bit 1 wins); it is embossed when !enabled.
//  - text: single line, or wrapped when styleFlags has QELBOX_MULTILINE;
//    styleFlags bits 0-1 align it (left, centre, right).
//  - xShift moves the content right (pressed buttons, item bitmaps in use).
//  - bitmapBackground: ColorRef painted where the bitmap is transparent.
//  - textColor, else textColorFallback, is set as text colour and
//    textBackground as background colour unless they are QELBOX_COLOR_NONE.
//  - extraObject and font, when not null, are selected for the text.
struct CellContent {
    RECT rect = {0, 0, 0, 0};
    bool enabled = true;
    HBITMAP bitmap = nullptr;
    const BITMAP* bitmapInfo = nullptr;
    WORD bitmapStyle = 0;
    const wchar_t* text = nullptr;
    DWORD styleFlags = 0;
    int xShift = 0;
    HBRUSH fillBrush = nullptr;
    DWORD bitmapBackground = QELBOX_COLOR_NONE;
    DWORD textColorFallback = QELBOX_COLOR_NONE;
    HGDIOBJ extraObject = nullptr;
    DWORD textBackground = QELBOX_COLOR_NONE;
    DWORD textColor = QELBOX_COLOR_NONE;
    HFONT font = nullptr;
};

// Draws the content of a cell, a column header, a row header or the corner.
void DrawCellContent(const PaintTarget& target, const CellContent& content);

// Copies width x height pixels of `bitmap` (from column sourceX) to
// (destRect.left, destRect.top) of `dc`; pixels of the colour of the
// bitmap's top-left pixel show `background` (a ColorRef) instead. When
// !enabled the picture becomes a shadow-coloured silhouette with a
// highlight-coloured copy one pixel down and right. The two scratch DCs are
// memory DCs (the second compatible with the first) with nothing selected.
void DrawTransparentBitmap(HDC scratch1, HDC scratch2, HDC dc, HBITMAP bitmap, int sourceX,
                           int width, const RECT& destRect, int height, DWORD background,
                           bool enabled);

// One-pixel frame: top and left edges in lightColor when raised (else
// darkColor), bottom and right edges in the other colour; the bottom row is
// bottom - 1 and the right column right - 1. Colours are ColorRefs.
void Draw3DFrame(ControlRecord* rec, HDC dc, int left, int top, int right, int bottom, bool raised,
                 DWORD lightColor, DWORD darkColor);

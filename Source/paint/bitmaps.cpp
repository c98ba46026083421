// Bitmaps with a transparent colour (the colour of their top-left pixel),
// optionally drawn as an embossed silhouette for disabled elements.
#include "paint/draw.h"
#include "base/gdi.h"

namespace {

// Raster operations with a monochrome mask as source, whose 1 bits arrive
// as white and 0 bits as black (text colour 0, background 0xFFFFFF):
// keeps the destination where the mask is 0, paints the brush where it is 1.
const DWORD kBrushWhereMaskSet = 0x00E20746;
// Keeps the destination where the mask is 1, paints the brush where it is 0.
const DWORD kBrushWhereMaskClear = 0x00B8074A;

} // namespace

void DrawTransparentBitmap(HDC scratch1, HDC scratch2, HDC dc, HBITMAP bitmap, int sourceX,
                           int width, const RECT& destRect, int height, DWORD background,
                           bool enabled) {
    // Anything but a bitmap (a stale handle, another kind of object) is
    // not drawn.
    if (!bitmap || GetObjectType(bitmap) != OBJ_BITMAP || width <= 0 || height <= 0) return;
    const int x = destRect.left;
    const int y = destRect.top;

    // Opaque copy first; the transparent colour is read on the way.
    COLORREF transparent;
    {
        Selection source(scratch1, bitmap);
        if (!source.Ok()) return;
        transparent = GetPixel(scratch1, sourceX, 0);
        BitBlt(dc, x, y, width, height, scratch1, sourceX, 0, SRCCOPY);
    }

    // The mask has 1 bits where the copied pixels have the transparent
    // colour. Without it the copy simply stays opaque.
    MonochromeBitmap mask(width, height);
    if (!mask) return;
    Selection maskSelection(scratch2, mask);
    if (!maskSelection.Ok()) return;
    SavedDcColors savedColors(dc);
    SetBkColor(dc, transparent);
    BitBlt(scratch2, 0, 0, width, height, dc, x, y, SRCCOPY);

    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    {
        SolidBrush fill(ResolveColor(background));
        Selection brush(dc, fill);
        BitBlt(dc, x, y, width, height, scratch2, 0, 0, kBrushWhereMaskSet);
    }
    if (enabled) return;

    // Embossed look: a highlight copy one pixel down and right, then the
    // shadow-coloured shape on top of it.
    {
        SolidBrush highlight(GetSysColor(COLOR_BTNHIGHLIGHT));
        Selection brush(dc, highlight);
        BitBlt(dc, x + 1, y + 1, width - 1, height - 1, scratch2, 0, 0, kBrushWhereMaskClear);
    }
    {
        SolidBrush shadow(GetSysColor(COLOR_BTNSHADOW));
        Selection brush(dc, shadow);
        BitBlt(dc, x, y, width, height, scratch2, 0, 0, kBrushWhereMaskClear);
    }
}

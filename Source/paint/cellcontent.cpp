// Cell contents: the fill of an element's rectangle and the layout of its
// optional bitmap and text side by side. Used for cells, column headers,
// row headers and the corner header.
#include "paint/draw.h"
#include "base/fittedtext.h"
#include "base/gdi.h"
#include "paint/paintobjects.h"

namespace {

enum Alignment { AlignLeft = 0, AlignCenter = 1, AlignRight = 2 };

// Where the content starts when text and bitmap share the rectangle, for
// the text alignment: `a` is the room left for the text, `tw` its width.
int LeadingX(const RECT& rect, int alignment, int half, int a, int tw, int bw) {
    if (alignment == AlignCenter) return rect.left + half + max((a - tw) / 2, 0);
    if (alignment == AlignRight) {
        const int x = rect.right - 2 * half - bw - tw - 1;
        return x > rect.left + half ? x : rect.left + half;
    }
    return rect.left + half;
}

} // namespace

void DrawCellContent(const PaintTarget& target, const CellContent& content) {
    const ControlRecord* rec = target.rec;
    const HDC dc = target.dc;
    const RECT& rect = content.rect;
    const HBITMAP bitmap = content.bitmap;
    const BITMAP* bitmapInfo = content.bitmapInfo;
    const wchar_t* text = content.text;
    const DWORD styleFlags = content.styleFlags;
    const int xShift = content.xShift;
    FillRect(dc, &rect, content.fillBrush);
    Selection fontSelection(dc, content.font);

    // All margins are in units of the control font's average character.
    const int charWidth = rec->charWidth;
    const int half = charWidth / 2;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int alignment = static_cast<int>(styleFlags & 3);
    const bool multiLine = (styleFlags & QELBOX_MULTILINE) != 0;

    const bool hasBitmap =
        bitmap && bitmapInfo && bitmapInfo->bmWidth > 0 && bitmapInfo->bmHeight > 0;
    const int bw = hasBitmap ? static_cast<int>(bitmapInfo->bmWidth) : 0;
    const int bh = hasBitmap ? static_cast<int>(bitmapInfo->bmHeight) : 0;
    const int length = text ? lstrlenW(text) : 0;
    const bool hasText = length > 0;

    UINT baseFlags = multiLine ? DT_WORDBREAK : DT_SINGLELINE;
    if (alignment == AlignCenter)
        baseFlags |= DT_CENTER;
    else if (alignment == AlignRight)
        baseFlags |= DT_RIGHT;

    int tw = 0;
    // A single line of plain Latin text that gets fitted is measured once,
    // for the layout and for the fitting.
    SIZE plainSize = {0, 0};
    const bool plain = hasText && !multiLine && rec->showTruncated &&
                       MeasurePlainLine(dc, text, length, &plainSize);
    if (plain) {
        tw = plainSize.cx;
    } else if (hasText) {
        if (multiLine) {
            const int w = width - (hasBitmap ? 3 * charWidth / 2 + bw : charWidth);
            RECT measure = {0, 0, w, 0};
            DrawTextW(dc, text, length, &measure, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
            tw = min(w, measure.right - measure.left);
        } else {
            RECT measure = {0, 0, 0, 0};
            DrawTextW(dc, text, length, &measure, baseFlags | DT_CALCRECT | DT_NOPREFIX);
            tw = measure.right - measure.left;
        }
    }

    // Bit 1 puts the bitmap right of the text (and wins over bit 0); bit 0
    // alone centres the bitmap, which then takes the place of the text.
    const bool bitmapRight = (content.bitmapStyle & QELBOX_BITMAP_RIGHT) != 0;
    const bool bitmapCentred = !bitmapRight && (content.bitmapStyle & QELBOX_BITMAP_CENTER) != 0;
    bool drawText = hasText;
    int bx = 0;
    int tx = 0;
    if (hasBitmap && !hasText) {
        if (bitmapRight)
            bx = rect.right - half - bw - 1;
        else if (bitmapCentred)
            bx = rect.left + (width - bw) / 2;
        else
            bx = rect.left + half;
        bx = max(bx, rect.left + half);
    } else if (hasBitmap) {
        const int a = width - 3 * charWidth / 2 - bw;
        tw = min(tw, a);
        if (bitmapCentred) {
            bx = rect.left + half + max((width - charWidth - bw) / 2, 0);
            drawText = false;
        } else if (bitmapRight) {
            tx = LeadingX(rect, alignment, half, a, tw, bw);
            bx = tx + half + tw;
        } else {
            bx = LeadingX(rect, alignment, half, a, tw, bw);
            tx = bx + bw + half;
        }
    } else if (hasText) {
        const int a = width - charWidth;
        tw = min(tw, a);
        if (alignment == AlignCenter)
            tx = rect.left + half + max((a - tw) / 2, 0);
        else if (alignment == AlignRight)
            tx = max(rect.right - half - tw - 1, rect.left + half);
        else
            tx = rect.left + half;
    }

    if (drawText) {
        SavedDcColors savedColors(dc);
        if (content.textBackground != QELBOX_COLOR_NONE)
            SetBkColor(dc, PaintColor(rec, content.textBackground));
        const DWORD color =
            content.textColor != QELBOX_COLOR_NONE ? content.textColor : content.textColorFallback;
        if (color != QELBOX_COLOR_NONE) SetTextColor(dc, PaintColor(rec, color));
        Selection extra(dc, content.extraObject);
        // The DC keeps its background mode: painted opaque, the text
        // background shows behind the characters only.
        RECT textRect = {tx + xShift, rect.top, tx + tw + xShift, rect.bottom};
        if (multiLine) {
            DrawFittedText(dc, text, length, &textRect,
                           baseFlags | DT_NOPREFIX | DT_WORDBREAK | DT_VCENTER, rec->itemLines);
        } else if (rec->showTruncated) {
            DrawFittedText(dc, text, length, &textRect, baseFlags | DT_NOPREFIX | DT_VCENTER,
                           rec->itemLines, plain ? &plainSize : nullptr);
        } else {
            // Cut at the rectangle's edge, centred vertically.
            RECT measure = {0, 0, 0, 0};
            DrawTextW(dc, text, length, &measure, baseFlags | DT_CALCRECT | DT_NOPREFIX);
            textRect.top += (height - (measure.bottom - measure.top)) / 2;
            DrawTextW(dc, text, length, &textRect, baseFlags | DT_NOPREFIX);
        }
    }

    if (hasBitmap) {
        const int y = rect.top + max((height - bh) / 2, 0);
        RECT dest = {bx + xShift, y, bx + xShift + bw, y + bh};
        DrawTransparentBitmap(target.scratch1, target.scratch2, dc, bitmap, 0, bw, dest, bh,
                              content.bitmapBackground, content.enabled);
    }
}

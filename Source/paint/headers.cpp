// The column header strip and the row/column corner header of the control
// window.
#include "model/columns.h"
#include "geometry/metrics.h"
#include "paint/draw.h"
#include "paint/elements.h"
#include "base/gdi.h"

namespace {

const COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);
const COLORREF kDarkGrey = RGB(0x80, 0x80, 0x80);

HFONT HeaderFont(const ControlRecord* rec) {
    return rec->colHeaderFont ? rec->colHeaderFont : rec->font;
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

} // namespace

COLORREF GreyedTextColor(DWORD disabledText) {
    const COLORREF color = ResolveColor(disabledText);
    if (color != GetSysColor(COLOR_BTNFACE)) return color;
    return color == kLightGrey ? kDarkGrey : kLightGrey;
}

void PaintColumnHeaders(ControlRecord* rec, HDC dc, HDC scratch1, HDC scratch2, const RECT& strip,
                        int availableWidth) {
    const CtlColors& colors = rec->colors;
    SavedDcColors savedColors(dc);
    SetBkColor(dc, ResolveColor(colors.colorHeaderFace));
    SolidBrush face(ResolveColor(colors.colorHeaderFace));
    SetBkMode(dc, TRANSPARENT);
    Selection font(dc, HeaderFont(rec));

    const bool windowEnabled = IsWindowEnabled(rec->hwndControl) != FALSE;
    // The first visible header starts at the strip's left edge and so also
    // covers the indentation area of the rows below it.
    const int origin = strip.left - rec->horizontalOffset;
    // Headers that cannot reach the visible part of the DC are not drawn:
    // a header paints from x to x + w, and its bitmap at most its own width
    // further. Headers start further right with each position.
    RECT visible;
    const bool clipped = GetClipBox(dc, &visible) != ERROR;
    const int reach = max(0, static_cast<int>(rec->headerBitmapInfo.bmWidth));
    for (int p = 0; p < rec->columnCount; ++p) {
        const int c = ColumnAtPosition(rec, p);
        const int x = origin + ColumnX(rec, p, -1);
        const int w = CellWidth(rec, availableWidth, c, -1);
        if (w <= 0) continue;
        if (clipped && x > visible.right) break;
        if (clipped && x + w + reach < visible.left) continue;
        const bool disabled =
            (ColumnHeaderStyle(rec, c) & QELBOX_HEADER_DISABLED) || !windowEnabled;
        const DWORD text =
            disabled ? GreyedTextColor(colors.colorHeaderDisabledText) : colors.colorHeaderText;
        const bool pressed = c == rec->headerButton;
        const RECT content = {x + 1, strip.top + 1, x + w - 1, strip.bottom - 1};
        CellContent header;
        header.rect = content;
        header.enabled = !disabled;
        header.bitmap = ColumnHeaderBitmap(rec, c);
        header.bitmapInfo = &rec->headerBitmapInfo;
        header.bitmapStyle = ColumnHeaderBitmapStyle(rec, c);
        header.text = ColumnHeaderText(rec, c);
        header.styleFlags = ColumnHeaderStyle(rec, c) & 3;
        header.xShift = pressed ? 1 : 0;
        header.fillBrush = face;
        header.bitmapBackground = colors.colorHeaderFace;
        header.textColorFallback = text;
        DrawCellContent({rec, dc, scratch1, scratch2}, header);
        // Button-style headers are raised except the pressed one; flat
        // headers are all sunken.
        Draw3DFrame(rec, dc, x, strip.top, x + w - 1, strip.bottom - 1,
                    rec->showHeader == QELBOX_SHOWHEADER_RAISED && !pressed,
                    colors.colorHeaderHighlight, colors.colorHeaderShadow);
        Line(dc, x + w - 1, strip.top, x + w - 1, strip.bottom - 1);
        Line(dc, x, strip.bottom - 1, x + w, strip.bottom - 1);
    }

    // Right of a closed last column the strip shows the bare face.
    if (!rec->openEnded) {
        const int last = LastVisiblePosition(rec);
        const int end = origin + ColumnX(rec, last, -1) +
                        CellWidth(rec, availableWidth, ColumnAtPosition(rec, last), -1);
        const RECT rest = {end, strip.top, strip.right + 1, strip.bottom - 1};
        FillRect(dc, &rest, face);
        Line(dc, end, strip.bottom - 1, strip.right + 1, strip.bottom - 1);
    }
}

void PaintCornerHeader(ControlRecord* rec, HDC dc, HDC scratch1, HDC scratch2, const RECT& corner) {
    const CtlColors& colors = rec->colors;
    SavedDcColors savedColors(dc);
    SetBkColor(dc, ResolveColor(colors.colorCornerFace));
    SolidBrush face(ResolveColor(colors.colorCornerFace));
    const bool enabled = !(rec->rowColHeaderStyle & QELBOX_HEADER_DISABLED) &&
                         IsWindowEnabled(rec->hwndControl) != FALSE;
    const DWORD text =
        enabled ? colors.colorCornerText : GreyedTextColor(colors.colorCornerDisabledText);
    Selection font(dc, HeaderFont(rec));

    const RECT content = {corner.left + 1, corner.top + 1, corner.right - 2, corner.bottom - 2};
    CellContent cornerContent;
    cornerContent.rect = content;
    cornerContent.enabled = enabled;
    cornerContent.bitmap = rec->rowColBitmap;
    cornerContent.bitmapInfo = &rec->rowColBitmapInfo;
    cornerContent.bitmapStyle = static_cast<WORD>(rec->rowColBitmapStyle);
    cornerContent.text = rec->rowColText;
    cornerContent.styleFlags = static_cast<DWORD>(rec->rowColHeaderStyle);
    cornerContent.xShift = rec->rowColHeaderButton ? 1 : 0;
    cornerContent.fillBrush = face;
    cornerContent.bitmapBackground = colors.colorCornerFace;
    cornerContent.textColorFallback = text;
    DrawCellContent({rec, dc, scratch1, scratch2}, cornerContent);
    Draw3DFrame(rec, dc, corner.left, corner.top, corner.right - 1, corner.bottom - 1,
                rec->showRowColHeaderButton && !rec->rowColHeaderButton,
                colors.colorCornerHighlight, colors.colorCornerShadow);
    Line(dc, corner.left, corner.bottom - 1, corner.right, corner.bottom - 1);
    Line(dc, corner.right - 1, corner.top, corner.right - 1, corner.bottom);
}

// Row headers: the header cell at the left of every list row and of the
// closed control's display area.
#include "base/bitmapinfo.h"
#include "geometry/rowheaders.h"
#include "paint/paintobjects.h"
#include "paint/draw.h"
#include "paint/elements.h"
#include "base/gdi.h"
#include "paint/row.h"

namespace {

// Modes 2, 4 and 6 are flat; the others look like push buttons.
bool IsButtonLike(const ControlRecord* rec) {
    const int mode = rec->showRowHeader;
    return mode != 2 && mode != 4 && mode != 6;
}

// A row-info colour replaces the header's own one when it is set.
DWORD Override(DWORD own, DWORD rowInfo) {
    return rowInfo != QELBOX_COLOR_NONE ? rowInfo : own;
}

} // namespace

void PaintRowHeader(ControlRecord* rec, bool inClosedControl, HDC dc, HDC scratch1, HDC scratch2,
                    const Item* item, int index, const RECT& header, bool enabled) {
    const CtlColors& colors = rec->colors;
    const RowInfoBlock* info = item ? item->rowInfo : nullptr;
    const bool selected = IsRowSelected(rec, inClosedControl, index);
    // Only the list shows the selected row's header pressed, and only for
    // headers that may be pressed at all.
    const bool pressed = IsButtonLike(rec) && selected && !inClosedControl &&
                         !(rec->rowHeaderStyle & QELBOX_HEADER_PUSHBUTTON);
    if (rec->rowHeaderStyle & QELBOX_HEADER_DISABLED) enabled = false;

    DWORD face = selected ? colors.colorRowHeaderSelFace : colors.colorRowHeaderFace;
    if (info) face = Override(face, selected ? info->colorSelBackground : info->colorBackground);
    SavedDcColors savedColors(dc);
    SetBkColor(dc, ResolveColor(face));
    PaintBrush faceBrush(rec, ResolveColor(face));

    DWORD text = GreyedTextColor(colors.colorRowHeaderDisabledText);
    if (enabled) text = selected ? colors.colorRowHeaderSelText : colors.colorRowHeaderText;
    if (info) text = Override(text, selected ? info->colorSelText : info->colorText);
    Selection font(dc, rec->rowHeaderFont ? rec->rowHeaderFont : rec->font);

    wchar_t number[kRowNumberSize];
    const wchar_t* label = RowHeaderLabel(rec, item, index, number);

    // Row-header bitmaps are drawn at the size of the list-wide prototype;
    // in variable-height rows at their own size once a prototype is set.
    HBITMAP bitmap = info ? info->bitmap : nullptr;
    BITMAP size = rec->rowHeaderBitmapPrototype;
    if (!rec->fixedItemHeight && bitmap && rec->rowHeaderBitmapPrototype.bmWidth > 0)
        QueryBitmap(bitmap, &size); // all zero, so not drawn, when it fails

    const RECT content = {header.left + 1, header.top + 1, header.right - 2, header.bottom - 2};
    CellContent headerContent;
    headerContent.rect = content;
    headerContent.enabled = enabled;
    headerContent.bitmap = bitmap;
    headerContent.bitmapInfo = &size;
    headerContent.bitmapStyle = info ? info->bitmapStyle : 0;
    headerContent.text = label;
    headerContent.styleFlags = static_cast<DWORD>(rec->rowHeaderStyle);
    headerContent.xShift = pressed ? 1 : 0;
    headerContent.fillBrush = faceBrush;
    headerContent.bitmapBackground = face;
    headerContent.textColorFallback = text;
    DrawCellContent({rec, dc, scratch1, scratch2}, headerContent);
    Draw3DFrame(rec, dc, header.left, header.top, header.right - 1, header.bottom - 1,
                IsButtonLike(rec) && !pressed, colors.colorRowHeaderHighlight,
                colors.colorRowHeaderShadow);
    MoveToEx(dc, header.left, header.bottom - 1, nullptr);
    LineTo(dc, header.right - 1, header.bottom - 1);
    MoveToEx(dc, header.right - 1, header.top, nullptr);
    LineTo(dc, header.right - 1, header.bottom);
}

void PaintEmptyRowHeader(ControlRecord* rec, HDC dc, const RECT& header) {
    const RECT face = {header.left, header.top, header.right - 1, header.bottom};
    SolidBrush brush(ResolveColor(rec->colors.colorRowHeaderFace));
    FillRect(dc, &face, brush);
    MoveToEx(dc, header.right - 1, header.top, nullptr);
    LineTo(dc, header.right - 1, header.bottom);
}

// Paint handler of the control window: the column header strip, the
// corner, the display area of the closed control with its row header, and
// the drop-down button or the simple type's separator, composed in one
// off-screen bitmap of the client size and copied to the screen at once.
#include "geometry/layout.h"
#include "geometry/metrics.h"
#include "model/items.h"
#include "paint/draw.h"
#include "paint/elements.h"
#include "base/gdi.h"
#include "paint/paint.h"
#include "paint/row.h"
#include "geometry/rects.h"

namespace {

// Where the elements are composed: the off-screen bitmap's DC, or, when
// that bitmap cannot be made, the target itself, where every element is
// clipped to its rectangle within the update rectangle.
struct Canvas {
    HDC dc;
    bool direct;
    RECT update;
    HDC scratch1;
    HDC scratch2;
};

RECT Within(const RECT& element, const RECT& update) {
    RECT clip;
    IntersectRect(&clip, &element, &update);
    return clip;
}

// The display area of the closed control and the row header beside it.
void PaintDisplayArea(ControlRecord* rec, const Canvas& canvas) {
    const bool listType = ControlType(rec) == QELBOXSTYLE_DROPDOWNLIST;
    RECT display = ClosedDisplayRect(rec);
    InflateRect(&display, -1, -1);
    RECT header;
    RowHeaderRect(rec, -1, &header);

    if (rec->committedSel < 0) {
        // Without a committed item the focus shows as an empty area in the
        // selection colour.
        if (listType) {
            const bool focused = GetFocus() == rec->hwndControl;
            SolidBrush fill(ResolveColor(focused ? rec->colors.colorSelBackground
                                                 : rec->colors.colorBackground));
            ClipScope clip(canvas.dc, Within(display, canvas.update), canvas.direct);
            FillRect(canvas.dc, &display, fill);
        }
        if (rec->rowHeaderWidth) {
            ClipScope clip(canvas.dc, Within(header, canvas.update), canvas.direct);
            PaintEmptyRowHeader(rec, canvas.dc, header);
        }
        return;
    }
    if (!IsValidIndex(rec, rec->committedSel)) return;

    // The drop-down-list type shows the committed item as a list row; the
    // other types show its text in the edit field.
    bool enabled = true;
    if (listType && RectsMeet(display, canvas.update)) {
        Item* item = GetItem(rec, rec->committedSel);
        // In the off-screen bitmap the row is not clipped: its fills and
        // frames reach one pixel past the row rectangle, to the display
        // area's edge. What a scrolled row paints left of the display area
        // is covered by the row header, painted next.
        ClipScope clip(canvas.dc, Within(display, canvas.update), canvas.direct);
        const PaintTarget target = {rec, canvas.dc, canvas.scratch1, canvas.scratch2};
        enabled = PaintRow(
            {target, true, rec->committedSel, HeaderAvailableWidth(rec), item, display, false});
        ReleaseItem(rec);
    }
    if (rec->rowHeaderWidth && RectsMeet(header, canvas.update)) {
        const Item* item = GetItem(rec, rec->committedSel);
        ClipScope clip(canvas.dc, Within(header, canvas.update), canvas.direct);
        PaintRowHeader(rec, true, canvas.dc, canvas.scratch1, canvas.scratch2, item,
                       rec->committedSel, header, enabled);
        ReleaseItem(rec);
    }
}

void PaintElements(ControlRecord* rec, const Canvas& canvas, const RECT& client) {
    HDC dc = canvas.dc;
    {
        ClipScope clip(dc, Within(client, canvas.update), canvas.direct);
        FillRect(dc, &client, rec->backgroundBrush);
    }

    if (rec->showHeader) {
        const RECT strip = HeaderStripRect(rec);
        if (RectsMeet(strip, canvas.update)) {
            ClipScope clip(dc, Within(strip, canvas.update), canvas.direct);
            PaintColumnHeaders(rec, dc, canvas.scratch1, canvas.scratch2, strip,
                               HeaderAvailableWidth(rec));
        }
    }

    if (rec->rowHeaderWidth && rec->showHeader) {
        RECT corner;
        CornerHeaderRect(rec, &corner);
        if (RectsMeet(corner, canvas.update)) {
            ClipScope clip(dc, Within(corner, canvas.update), canvas.direct);
            PaintCornerHeader(rec, dc, canvas.scratch1, canvas.scratch2, corner);
        }
    }

    PaintDisplayArea(rec, canvas);

    if (rec->isSimple) {
        ClipScope clip(dc, Within(client, canvas.update), canvas.direct);
        PaintSeparator(rec, dc);
        return;
    }
    RECT button;
    DropDownButtonRect(rec, &button);
    if (RectsMeet(button, canvas.update)) {
        ClipScope clip(dc, Within(button, canvas.update), canvas.direct);
        PaintDropDownButton(rec, dc, button);
    }
}

} // namespace

void PaintControl(ControlRecord* rec, HDC target, const RECT* update) {
    RefreshBackgroundBrush(rec);
    MemoryDC scratch1(target);
    if (!scratch1) return;
    MemoryDC scratch2(scratch1.Get());
    if (!scratch2) return;
    RECT client;
    GetClientRect(rec->hwndControl, &client);

    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    CompatibleBitmap buffer(target, width, height);
    MemoryDC bufferDc;
    if (buffer && !bufferDc.Create(target)) return;
    const bool direct = !buffer;
    const HDC dc = direct ? target : bufferDc.Get();
    Selection bufferSelection(direct ? nullptr : dc, buffer);

    HGDIOBJ blackPen = GetStockObject(BLACK_PEN);
    Selection targetPen(target, blackPen);
    Selection bufferPen(direct ? nullptr : dc, blackPen);
    SavedDcColors targetColors(target);
    // Rows paint their text backgrounds opaque behind the characters.
    SetBkMode(dc, OPAQUE);

    const Canvas canvas = {dc, direct, update ? *update : client, scratch1, scratch2};
    PaintElements(rec, canvas, client);

    if (!direct) BitBlt(target, client.left, client.top, width, height, dc, 0, 0, SRCCOPY);
    if (rec->isSimple) PaintSeparator(rec, target);
}

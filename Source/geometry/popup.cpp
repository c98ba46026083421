// Placement of the drop-down list on the screen: its width, and the side of
// the control and the height that fit the rows it shows.
#include "geometry/popup.h"

#include "geometry/layout.h"
#include "base/rectsize.h"

namespace {

// Client rectangle of the control in screen coordinates, taking borders as
// equal on opposite sides; also the desktop rectangle.
void ControlClientOnScreen(ControlRecord* rec, RECT* client, RECT* desktop) {
    GetWindowRect(GetDesktopWindow(), desktop);
    RECT w;
    GetWindowRect(rec->hwndControl, &w);
    GetClientRect(rec->hwndControl, client);
    int dx = max(0, (Width(w) - Width(*client)) / 2);
    int dy = max(0, (Height(w) - Height(*client)) / 2);
    OffsetRect(client, dx + w.left, dy + w.top);
}

} // namespace

int DropDownWidth(ControlRecord* rec) {
    RECT c, d;
    ControlClientOnScreen(rec, &c, &d);
    int w = rec->droppedWidth;
    if (w < 0) w = max(0, MulDiv(Width(c), -rec->droppedWidth, 100));
    if (w == 0) w = Width(c);
    w = min(w, Width(d));
    if (c.left + w <= d.right) return w;
    return max(0, static_cast<int>(d.right - c.left));
}

RECT DropDownRect(ControlRecord* rec) {
    bool below = rec->dropDownPosition != kDropAbove;
    RECT c, d;
    ControlClientOnScreen(rec, &c, &d);
    const int width = DropDownWidth(rec);
    const bool disableNoScroll = (ControlStyle(rec) & QELBOXSTYLE_DISABLENOSCROLL) != 0;
    int top = 0;
    int h = 0;
    for (;;) {
        int n = rec->droppedHeight;
        int rows = 0;
        h = 0;
        if (n > 0) {
            if (rec->fixedItemHeight) {
                int rh = RowHeight(rec, 0);
                rows = min(n, rec->itemCount);
                h = rows * rh;
            } else {
                for (int i = rec->topIndex; n > 0 && i < rec->itemCount; ++i, --n, ++rows)
                    h += RowHeight(rec, i);
            }
        } else if (n < 0) {
            if (rec->fixedItemHeight) {
                int rh = RowHeight(rec, 0);
                rows = rh > 0 ? min(-(n / rh), rec->itemCount) : 0;
                h = rows * rh;
            } else {
                for (int i = rec->topIndex; i < rec->itemCount; ++i, ++rows) {
                    int rh = RowHeight(rec, i);
                    if (h + rh > -n) break;
                    h += rh;
                }
            }
        }
        if (rec->hScrollWanted) {
            int avail = width - 2;
            if (rec->vScrollWanted && (rows < rec->itemCount || disableNoScroll))
                avail = max(0, avail - GetSystemMetrics(SM_CXVSCROLL));
            if ((rec->horizontalExtent && avail < rec->horizontalExtent) || disableNoScroll)
                h += GetSystemMetrics(SM_CYHSCROLL);
        }
        int spaceAbove = c.top - d.top - 3;
        int spaceBelow = d.bottom - c.bottom + 3;
        if (below && h > spaceBelow && (spaceAbove > h || spaceAbove > spaceBelow))
            below = false;
        else if (!below && h > spaceAbove && (spaceBelow > h || spaceBelow > spaceAbove))
            below = true;
        top = below ? c.bottom + 3 : c.top - h - 3;
        if (top >= 20 && top + h <= GetSystemMetrics(SM_CYSCREEN) - 20) break;
        rec->droppedHeight /= 2;
        if (rec->droppedHeight <= 1) break;
    }
    RECT r = {c.left, top, c.left + width, top + h};
    AdjustWindowRect(&r, WS_CHILD | WS_VISIBLE | WS_BORDER, FALSE);
    return r;
}

// Opening and closing the drop-down, its placement on the screen, and the
// simple type's permanent list window.
#include "list/dropdown.h"

#include "access/access.h"
#include "core/module.h"
#include "geometry/layout.h"
#include "items/selection.h"

namespace {

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

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
    bool below = rec->dropDownPosition != 0;
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

void CloseUp(ControlRecord* rec, bool commit) {
    if (!rec->isSimple && rec->hwndDropDown) {
        rec->cancelModeSeen = 0;
        Notify(rec, commit ? QELBOXN_CLOSEUPOK : QELBOXN_CLOSEUPCANCEL);
        if (!rec->cancelModeSeen) QelBox_ShowDropDown(rec->hwndControl, FALSE);
    }
    if (commit)
        SetCommittedSel(rec, rec->curSel, true);
    else
        rec->curSel = rec->committedSel;
}

void ShowOrClose(ControlRecord* rec, bool show, bool commit) {
    if (show)
        QelBox_ShowDropDown(rec->hwndControl, TRUE);
    else
        CloseUp(rec, commit);
}

bool CreateSimpleList(ControlRecord* rec) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (rec->vScrollWanted) style |= WS_VSCROLL;
    if (rec->hScrollWanted) style |= WS_HSCROLL;
    HWND list =
        CreateWindowExA(0, QELBOX_DROPDOWNCLASSNAME, "", style, 0, 0, 0, 0, rec->hwndControl,
                        reinterpret_cast<HMENU>(QELBOX_LIST_ID), g_module.module, rec);
    if (!list) {
        ReportError("QelBox", __LINE__, "Couldn't create dropdown control");
        rec->hwndDropDown = nullptr;
        return false;
    }
    rec->hwndDropDown = list;
    return true;
}

extern "C" {

int WINAPI QelBox_ShowDropDown(HWND control, BOOL show) {
    ControlRecord* rec = RecordOf(control);
    if (rec->isSimple) return 0;
    if ((rec->hwndDropDown != nullptr) == (show != 0)) return 1;
    if (show && rec->itemCount < 1) return 0;
    rec->cancelModeSeen = 0;
    if (!show) {
        AccListClosing(rec);
        DestroyWindow(rec->hwndDropDown);
        rec->hwndDropDown = nullptr;
        AccListClosed(rec);
        return 1;
    }
    Notify(rec, QELBOXN_DROPDOWN);
    if (rec->cancelModeSeen) return 1;
    HWND focus = GetFocus();
    if (!focus || (focus != control && focus != rec->hwndEdit)) SetFocus(control);

    RECT r = DropDownRect(rec);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    if ((ControlStyle(rec) & QELBOXSTYLE_TYPEMASK) == QELBOXSTYLE_DROPDOWN)
        style |= WS_CLIPCHILDREN;
    if (rec->vScrollWanted) style |= WS_VSCROLL;
    if (rec->hScrollWanted) style |= WS_HSCROLL;
    HWND list =
        CreateWindowExA(WS_EX_TOOLWINDOW, QELBOX_DROPDOWNCLASSNAME, "", style, r.left, r.top,
                        Width(r) - 1, Height(r), GetDesktopWindow(), nullptr, g_module.module, rec);
    rec->hwndDropDown = list;
    if (!list) {
        ReportError("QelBox", __LINE__, "Couldn't create dropdown control");
        return -1;
    }
    SetWindowLongPtrA(list, GWLP_ID, QELBOX_LIST_ID);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(rec->font), 0);
    SetWindowPos(list, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    if (rec->committedSel >= 0) QelBox_MakeRowVisible(control, rec->committedSel);
    AccListOpened(rec);
    return 1;
}

int WINAPI QelBox_GetDroppedState(HWND control) {
    return RecordOf(control)->hwndDropDown ? 1 : 0;
}

HWND WINAPI QelBox_GetHWNDDropDown(HWND control) {
    return RecordOf(control)->hwndDropDown;
}

} // extern "C"

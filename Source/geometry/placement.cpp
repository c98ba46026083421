// Placement of the child windows: the control's own height for the
// drop-down types, whole-row trimming for the simple type, the permanent
// list and the edit field.
#include "base/record.h"
#include "geometry/layout.h"
#include "geometry/metrics.h"
#include "geometry/popup.h"
#include "base/rectsize.h"

namespace {

// Moves a child window unless it is already there; returns true when it
// moved. Layout runs after every item change, so the common case of an
// unchanged place must cost nothing.
bool MoveChild(HWND child, int x, int y, int width, int height) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    if (r.left == x && r.top == y && Width(r) == width && Height(r) == height) return false;
    MoveWindow(child, x, y, width, height, TRUE);
    return true;
}

// Drop-down types: the control is exactly as tall as its closed content,
// keeping its top, bottom or centre as the alignment style says.
void FitDropDownControl(ControlRecord* rec) {
    HWND control = rec->hwndControl;
    LONG style = GetWindowLongA(control, GWL_STYLE);
    LONG exStyle = GetWindowLongA(control, GWL_EXSTYLE);
    RECT w;
    GetWindowRect(control, &w);
    RECT r = {0, 0, Width(w), HeaderHeight(rec) + EditAreaHeight(rec)};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    int newHeight = Height(r);

    ++rec->layoutSizing;
    if (newHeight != Height(w)) {
        HWND parent = GetParent(control);
        LONG align = style & QELBOXSTYLE_ALIGNMASK;
        if (align & QELBOXSTYLE_ALIGNCENTER) {
            if (parent) {
                RECT m = w;
                MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&m), 2);
                int top = m.top + (Height(m) - newHeight) / 2;
                SetWindowPos(control, nullptr, m.left, top, Width(m), newHeight,
                             SWP_NOZORDER | SWP_NOACTIVATE);
            }
        } else if (align & QELBOXSTYLE_ALIGNBOTTOM) {
            if (parent) {
                RECT m = w;
                MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&m), 2);
                SetWindowPos(control, nullptr, m.left, m.bottom - newHeight, Width(m), newHeight,
                             SWP_NOZORDER | SWP_NOACTIVATE);
            }
        } else {
            SetWindowPos(control, nullptr, 0, 0, Width(w), newHeight,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    --rec->layoutSizing;

    if (!rec->hwndDropDown) return;
    RECT n, d;
    GetWindowRect(control, &n);
    GetWindowRect(rec->hwndDropDown, &d);
    RECT t = rec->fixedItemHeight ? d : DropDownRect(rec);
    if (rec->cursorSelect) rec->ignoreMouseMoves = 1;
    int dy = d.top >= w.top ? n.bottom - w.bottom : n.top - w.top;
    if (dy != 0) MoveWindow(rec->hwndDropDown, d.left, d.top + dy, Width(d), Height(t), TRUE);
}

// Simple type: trims the control to whole rows of the list (fixed row
// heights) and places the permanent list below the display area.
void FitSimpleControl(ControlRecord* rec) {
    HWND control = rec->hwndControl;
    if (rec->layoutSizing == 0 && rec->requestedHeight >= 1) {
        bool hasHScroll =
            rec->hwndDropDown && (GetWindowLongA(rec->hwndDropDown, GWL_STYLE) & WS_HSCROLL);
        int scrollHeight = hasHScroll ? GetSystemMetrics(SM_CYHSCROLL) : 0;
        int fixed = HeaderHeight(rec) + EditAreaHeight(rec) + 4 + scrollHeight;
        int extra = 0;
        if (rec->fixedItemHeight) {
            int rh = RowHeight(rec, 0);
            int avail = rec->requestedHeight - fixed;
            int n = rh > 0 ? avail / rh : 0;
            if (n > 0)
                extra = rec->requestedHeight - n * rh - fixed;
            else
                extra = avail + scrollHeight;
        }
        HWND parent = GetParent(control);
        if (parent) {
            RECT r;
            GetClientRect(control, &r);
            r.bottom = rec->requestedHeight - extra + r.top;
            MapWindowPoints(control, parent, reinterpret_cast<POINT*>(&r), 2);
            AdjustWindowRectEx(&r, GetWindowLongA(control, GWL_STYLE), FALSE,
                               GetWindowLongA(control, GWL_EXSTYLE));
            RECT current;
            GetWindowRect(control, &current);
            if (Width(current) != Width(r) || Height(current) != Height(r)) {
                ++rec->layoutSizing;
                SetWindowPos(control, nullptr, 0, 0, Width(r), Height(r),
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                --rec->layoutSizing;
            }
        }
    }
    if (rec->hwndDropDown) {
        RECT c;
        GetClientRect(control, &c);
        RECT e = ClosedDisplayRect(rec);
        MoveChild(rec->hwndDropDown, c.left, e.bottom + 4, Width(c), c.bottom - e.bottom - 4);
    }
}

void PlaceEditField(ControlRecord* rec) {
    RECT e = ClosedDisplayRect(rec);
    bool moved;
    if (GetWindowLongA(rec->hwndEdit, GWL_STYLE) & ES_MULTILINE) {
        moved = MoveChild(rec->hwndEdit, e.left + 2, e.top + 2, Width(e) - 4, Height(e) - 4);
    } else {
        int lineHeight = rec->editFontMetrics.tmHeight;
        int inner = max(0, Height(e) - 4);
        moved = MoveChild(rec->hwndEdit, e.left + 2, e.top + 2 + (inner - lineHeight) / 2,
                          Width(e) - 4, lineHeight);
    }
    // A field that stayed where it was shows its text correctly already.
    if (moved) InvalidateRect(rec->hwndEdit, nullptr, TRUE);
}

} // namespace

void LayoutWindows(ControlRecord* rec) {
    if (rec->isSimple)
        FitSimpleControl(rec);
    else
        FitDropDownControl(rec);
    if (rec->hwndEdit) PlaceEditField(rec);
}

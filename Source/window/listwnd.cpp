// QelDropDown_WndProc: the list window, in both of its roles (drop-down
// popup and the simple type's permanent list). It paints the rows, scrolls
// and routes the mouse; keys are handled by the control window.
#include "window/combo.h"
#include "base/accevents.h"
#include "window/accobject.h"
#include "geometry/hscroll.h"
#include "geometry/layout.h"
#include "geometry/metrics.h"
#include "window/dropdown.h"
#include "window/mouse.h"
#include "paint/paint.h"
#include "base/scopes.h"
#include "base/gdi.h"

namespace {

const char kListProperty[] = "QelBoxDD32";

ControlRecord* ListRecord(HWND list) {
    return reinterpret_cast<ControlRecord*>(GetWindowLongPtrA(list, 0));
}

bool LeftButtonOnly(const ControlRecord* rec) {
    return (ControlStyle(rec) & QELBOXSTYLE_LEFTBUTTONONLY) != 0;
}

void OnCreate(ControlRecord* rec, HWND list) {
    SetPropA(list, kListProperty, reinterpret_cast<HANDLE>(1));
    if (!rec->isSimple) Notify(rec, QELBOXN_DROPDOWNOPEN);
    if (Died(rec)) return;
    SetScrollPos(list, SB_VERT, 0, FALSE);
    SetScrollPos(list, SB_HORZ, 0, FALSE);
    SetScrollRange(list, SB_VERT, 0, 0, FALSE);
    SetScrollRange(list, SB_HORZ, 0, 0, FALSE);
    // Bars that are to stay visible but disabled get a range to show; a bar
    // the control was not given is left alone, since a range would show it.
    if (ControlStyle(rec) & QELBOXSTYLE_DISABLENOSCROLL) {
        if (rec->vScrollWanted) {
            SetScrollRange(list, SB_VERT, 0, 1, FALSE);
            EnableScrollBar(list, SB_VERT, ESB_DISABLE_BOTH);
        }
        if (rec->hScrollWanted) SetScrollRange(list, SB_HORZ, 0, 1, FALSE);
    }
    RecalcLayout(rec);
}

int TrackPosition(ControlRecord* rec, HWND list, WPARAM wParam) {
    if (rec->pfnGetScrollInfo) {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        rec->pfnGetScrollInfo(list, SB_VERT, &info);
        return info.nTrackPos;
    }
    return HIWORD(wParam);
}

void OnVScroll(ControlRecord* rec, HWND list, WPARAM wParam) {
    if (rec->itemCount < 1) return;
    HWND control = rec->hwndControl;
    const int t = rec->topIndex;
    auto shown = [&] { return RowsShown(rec); };
    auto maxTop = [&] { return max(0, rec->itemCount - shown()); };
    int top;
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        top = max(0, t - 1);
        break;
    case SB_LINEDOWN:
        top = min(t + 1, maxTop());
        break;
    case SB_PAGEUP:
        top = max(0, t - shown());
        break;
    case SB_PAGEDOWN:
        top = t + shown() > maxTop() ? maxTop() : t + shown();
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        top = TrackPosition(rec, list, wParam);
        break;
    case SB_TOP:
        top = 0;
        break;
    case SB_BOTTOM:
        top = maxTop();
        break;
    case SB_ENDSCROLL:
        UpdateVScrollBar(rec);
        return;
    default:
        return;
    }
    if (top == rec->topIndex) return;
    FlagScope tracking(rec->scrollTracking);
    SetTopIndexNotify(rec, top);
    UpdateWindow(control);
    UpdateWindow(list);
}

void OnHScroll(ControlRecord* rec, HWND list, WPARAM wParam) {
    RECT r = ListRect(rec);
    const int w = r.right - r.left;
    if (w >= rec->horizontalExtent) return;
    const int x = rec->horizontalOffset;
    int offset;
    switch (LOWORD(wParam)) {
    case SB_LINELEFT:
        offset = x - rec->maxCharWidth;
        break;
    case SB_LINERIGHT:
        offset = x + rec->maxCharWidth;
        break;
    case SB_PAGELEFT:
        offset = x - w / 2;
        break;
    case SB_PAGERIGHT:
        offset = x + w / 2;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        offset = static_cast<short>(HIWORD(wParam));
        break;
    case SB_LEFT:
        offset = 0;
        break;
    case SB_RIGHT:
        offset = rec->horizontalExtent - w;
        break;
    case SB_ENDSCROLL:
        UpdateHScrollBar(rec);
        return;
    default:
        return;
    }
    offset = max(0, min(offset, rec->horizontalExtent - w));
    if (offset == rec->horizontalOffset) return;
    FlagScope tracking(rec->scrollTracking);
    SetHorizontalOffsetNotify(rec, offset);
    UpdateWindow(rec->hwndControl);
    UpdateWindow(list);
}

void PaintMessage(ControlRecord* rec, HWND list, HDC dc) {
    if (dc) {
        PaintList(rec, dc, nullptr);
        return;
    }
    PaintScope paint(list);
    if (paint.Get()) PaintList(rec, paint.Get(), &paint.Update());
}

LRESULT ListMessage(ControlRecord* rec, HWND list, UINT message, WPARAM wParam, LPARAM lParam);

// Button-down and button-up handling of one button (1 left, 2 middle,
// 3 right).
void ButtonDown(ControlRecord* rec, int button, int code, WPARAM wParam, LPARAM lParam,
                bool doubleClick) {
    if (rec->mouseButton != kButtonNone) return;
    rec->mouseButton = button;
    rec->mouseMode = kMouseList;
    MouseButtonDown(rec, MakeMouseEvent(false, wParam, lParam, doubleClick, code));
}

} // namespace

extern "C" LRESULT WINAPI QelDropDown_WndProc(HWND list, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    ControlRecord* rec = ListRecord(list);
    if (!rec) {
        if (message != WM_NCCREATE) return 0;
        rec = static_cast<ControlRecord*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(list, 0, reinterpret_cast<LONG_PTR>(rec));
        rec->hwndDropDown = list;
        return DefWindowProcW(list, message, wParam, lParam);
    }
    if (rec == reinterpret_cast<ControlRecord*>(-1))
        return DefWindowProcW(list, message, wParam, lParam);
    // The record outlives the message even when a notification destroys the
    // control meanwhile.
    const RecordScope scope(rec);
    return ListMessage(rec, list, message, wParam, lParam);
}

namespace {

LRESULT ListMessage(ControlRecord* rec, HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool leftOnly = LeftButtonOnly(rec);
    switch (message) {
    case WM_CREATE:
        OnCreate(rec, list);
        return 0;
    case WM_DESTROY:
        RemovePropA(list, kListProperty);
        if (!rec->isSimple) Notify(rec, QELBOXN_DROPDOWNDESTROY);
        return 0;
    case WM_ACTIVATE:
    case WM_SETFOCUS:
        return 0;
    case WM_GETOBJECT:
        if (AccAnswersObject(true, lParam)) return AccGetObject(rec, true, wParam, lParam);
        return DefWindowProcW(list, message, wParam, lParam);
    case WM_SETREDRAW:
        SetRedraw(rec, static_cast<BOOL>(wParam));
        return 0;
    case WM_PAINT:
    case WM_PRINT:
        PaintMessage(rec, list, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_CANCELMODE:
        CancelMode(rec);
        return 0;
    case WM_CONTEXTMENU:
        return SendMessageW(rec->hwndControl, message, wParam, lParam);
    case WM_VSCROLL:
        if (!lParam) OnVScroll(rec, list, wParam);
        return 0;
    case WM_HSCROLL:
        if (!lParam) OnHScroll(rec, list, wParam);
        return 0;
    case WM_CTLCOLOREDIT:
        return CtlColorEdit(rec, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MOUSEMOVE:
        Notify(rec, QELBOXN_MOUSEMOVE);
        if (rec->ignoreMouseMoves > 0) {
            --rec->ignoreMouseMoves;
            return 0;
        }
        MouseMove(rec, MakeMouseEvent(false, wParam, lParam, false, 0));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (rec->isSimple) {
            HWND target = rec->hwndEdit ? rec->hwndEdit : rec->hwndControl;
            if (GetFocus() != target) SetFocus(target);
        }
        ButtonDown(rec, 1, QELBOXN_LBUTTON, wParam, lParam, message == WM_LBUTTONDBLCLK);
        return 0;
    case WM_LBUTTONUP:
        if (rec->mouseButton == kButtonLeft)
            MouseButtonUp(rec, MakeMouseEvent(false, wParam, lParam, false, 0));
        return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        if (leftOnly) break;
        ButtonDown(rec, 2, QELBOXN_MBUTTON, wParam, lParam, message == WM_MBUTTONDBLCLK);
        return 0;
    case WM_MBUTTONUP:
        if (leftOnly) break;
        if (rec->mouseButton == kButtonMiddle)
            MouseButtonUp(rec, MakeMouseEvent(false, wParam, lParam, false, 0));
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        if (leftOnly) break;
        ButtonDown(rec, 3, QELBOXN_RBUTTON, wParam, lParam, message == WM_RBUTTONDBLCLK);
        return 0;
    case WM_RBUTTONUP:
        if (leftOnly) {
            Notify(rec, QELBOXN_RBUTTONUP);
            break;
        }
        if (rec->mouseButton == kButtonRight)
            MouseButtonUp(rec, MakeMouseEvent(false, wParam, lParam, false, 0));
        Notify(rec, QELBOXN_RBUTTONUP);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(list, 0, -1);
        break;
    default:
        break;
    }
    return DefWindowProcW(list, message, wParam, lParam);
}

} // namespace

// Opening and closing the drop-down, and the
// simple type's permanent list window.
#include "window/dropdown.h"

#include "base/module.h"
#include "geometry/layout.h"
#include "geometry/popup.h"
#include "model/selection.h"

namespace {

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

} // namespace

void CloseUp(ControlRecord* rec, bool commit) {
    if (!rec->isSimple && rec->hwndDropDown && !rec->listClosing) {
        rec->cancelModeSeen = 0;
        Notify(rec, commit ? QELBOXN_CLOSEUPOK : QELBOXN_CLOSEUPCANCEL);
        if (Died(rec)) return;
        if (!rec->cancelModeSeen) DestroyDropDown(rec);
        if (Died(rec)) return;
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

void DestroyDropDown(ControlRecord* rec) {
    if (rec->isSimple || !rec->hwndDropDown || rec->listClosing) return;
    rec->listClosing = 1;
    DestroyWindow(rec->hwndDropDown);
    rec->listClosing = 0;
    rec->hwndDropDown = nullptr;
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
    ENTER_CONTROL(control, -1);
    if (rec->isSimple) return 0;
    if ((rec->hwndDropDown != nullptr) == (show != 0)) return 1;
    if (show && rec->itemCount < 1) return 0;
    rec->cancelModeSeen = 0;
    if (!show) {
        DestroyDropDown(rec);
        return 1;
    }
    Notify(rec, QELBOXN_DROPDOWN);
    if (Died(rec)) return -1;
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
    // The list's opening notification may have destroyed the control.
    if (Died(rec)) return -1;
    rec->hwndDropDown = list;
    if (!list) {
        ReportError("QelBox", __LINE__, "Couldn't create dropdown control");
        return -1;
    }
    SetWindowLongPtrA(list, GWLP_ID, QELBOX_LIST_ID);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(rec->font), 0);
    SetWindowPos(list, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    if (rec->committedSel >= 0) QelBox_MakeRowVisible(control, rec->committedSel);
    return 1;
}

int WINAPI QelBox_GetDroppedState(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->hwndDropDown ? 1 : 0;
}

HWND WINAPI QelBox_GetHWNDDropDown(HWND control) {
    ENTER_CONTROL(control, nullptr);
    return rec->hwndDropDown;
}

} // extern "C"

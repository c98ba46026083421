// Opening and closing the drop-down, and the
// simple type's permanent list window.
#include "window/dropdown.h"

#include "base/accevents.h"
#include "base/module.h"
#include "geometry/layout.h"
#include "geometry/popup.h"
#include "model/selection.h"
#include "base/rectsize.h"
#include "base/diagnostics.h"

void CloseUp(ControlRecord* rec, bool commit) {
    if (!rec->isSimple && rec->hwndDropDown && !rec->listClosing) {
        const bool close =
            NotifyUncancelled(rec, commit ? QELBOXN_CLOSEUPOK : QELBOXN_CLOSEUPCANCEL);
        // The handler may have destroyed the control.
        if (Died(rec)) return;
        if (close) ShowDropDown(rec, FALSE);
        if (Died(rec)) return;
    }
    if (commit)
        SetCommittedSel(rec, rec->curSel, true);
    else
        RevertHighlight(rec);
}

void ShowOrClose(ControlRecord* rec, bool show, bool commit) {
    if (show)
        ShowDropDown(rec, TRUE);
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
        CreateWindowExW(0, QELBOX_DROPDOWNCLASSNAMEW, L"", style, 0, 0, 0, 0, rec->hwndControl,
                        reinterpret_cast<HMENU>(QELBOX_LIST_ID), g_module.module, rec);
    if (!list) {
        ReportError("QelBox", __LINE__, "Couldn't create dropdown control");
        rec->hwndDropDown = nullptr;
        return false;
    }
    rec->hwndDropDown = list;
    return true;
}

int ShowDropDown(ControlRecord* rec, BOOL show) {
    if (rec->isSimple) return 0;
    if ((rec->hwndDropDown != nullptr) == (show != 0)) return 1;
    if (show && rec->itemCount < 1) return 0;
    if (!show) {
        if (rec->listClosing) return 1;
        AccListClosing(rec);
        DestroyDropDown(rec);
        // The list's destruction notification may have destroyed the
        // control: the list is closed all the same.
        if (!Died(rec)) AccListClosed(rec);
        return 1;
    }
    const bool open = NotifyUncancelled(rec, QELBOXN_DROPDOWN);
    if (Died(rec)) return -1;
    if (!open) return 1;
    HWND focus = GetFocus();
    if (!focus || (focus != rec->hwndControl && focus != rec->hwndEdit)) SetFocus(rec->hwndControl);

    RECT r = DropDownRect(rec);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    if ((ControlStyle(rec) & QELBOXSTYLE_TYPEMASK) == QELBOXSTYLE_DROPDOWN)
        style |= WS_CLIPCHILDREN;
    if (rec->vScrollWanted) style |= WS_VSCROLL;
    if (rec->hScrollWanted) style |= WS_HSCROLL;
    HWND list =
        CreateWindowExW(WS_EX_TOOLWINDOW, QELBOX_DROPDOWNCLASSNAMEW, L"", style, r.left, r.top,
                        Width(r) - 1, Height(r), GetDesktopWindow(), nullptr, g_module.module, rec);
    // The list's opening notification may have destroyed the control.
    if (Died(rec)) return -1;
    rec->hwndDropDown = list;
    if (!list) {
        ReportError("QelBox", __LINE__, "Couldn't create dropdown control");
        return -1;
    }
    SetWindowLongPtrA(list, GWLP_ID, QELBOX_LIST_ID);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(rec->font), 0);
    SetWindowPos(list, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    if (rec->committedSel >= 0) MakeRowVisible(rec, rec->committedSel);
    AccListOpened(rec);
    return 1;
}

extern "C" {

int WINAPI QelBox_ShowDropDown(HWND control, BOOL show) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    return ShowDropDown(rec, show);
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

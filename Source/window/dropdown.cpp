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
    if (!rec->isSimple && rec->hwndDropDown) {
        if (NotifyUncancelled(rec, commit ? QELBOXN_CLOSEUPOK : QELBOXN_CLOSEUPCANCEL))
            ShowDropDown(rec, FALSE);
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

int ShowDropDown(ControlRecord* rec, BOOL show) {
    if (rec->isSimple) return 0;
    if ((rec->hwndDropDown != nullptr) == (show != 0)) return 1;
    if (show && rec->itemCount < 1) return 0;
    if (!show) {
        AccListClosing(rec);
        DestroyWindow(rec->hwndDropDown);
        rec->hwndDropDown = nullptr;
        AccListClosed(rec);
        return 1;
    }
    if (!NotifyUncancelled(rec, QELBOXN_DROPDOWN)) return 1;
    HWND focus = GetFocus();
    if (!focus || (focus != rec->hwndControl && focus != rec->hwndEdit)) SetFocus(rec->hwndControl);

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
    if (rec->committedSel >= 0) MakeRowVisible(rec, rec->committedSel);
    AccListOpened(rec);
    return 1;
}

extern "C" {

int WINAPI QelBox_ShowDropDown(HWND control, BOOL show) {
    QELBOX_CHECK_ON_RETURN(control);
    return ShowDropDown(RecordOf(control), show);
}

int WINAPI QelBox_GetDroppedState(HWND control) {
    return RecordOf(control)->hwndDropDown ? 1 : 0;
}

HWND WINAPI QelBox_GetHWNDDropDown(HWND control) {
    return RecordOf(control)->hwndDropDown;
}

} // extern "C"

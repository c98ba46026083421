// The edit field: a superclass of EDIT bound to the control's record. It
// shows the committed row's text, passes navigation keys to the control
// and reports edits through the control's WM_COMMAND handling.
#include "window/editfield.h"

#include "window/combo.h"
#include "base/module.h"
#include "model/columns.h"
#include "geometry/fontmetrics.h"
#include "geometry/layout.h"
#include "model/items.h"
#include "window/dropdown.h"
#include "base/scopes.h"
#include "base/diagnostics.h"

namespace {

const int kMaxEditText = 512;

ControlRecord* EditRecord(HWND edit) {
    return reinterpret_cast<ControlRecord*>(GetWindowLongPtrA(edit, g_module.editExtraOffset));
}

LRESULT PassOn(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(g_module.editWndProc, edit, message, wParam, lParam);
}

bool IsDropped(const ControlRecord* rec) {
    return !rec->isSimple && rec->hwndDropDown;
}

LRESULT EditDialogCode(ControlRecord* rec, HWND edit, WPARAM wParam, LPARAM lParam) {
    LRESULT c = PassOn(edit, WM_GETDLGCODE, wParam, lParam);
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (!msg) return c;
    const LRESULT want = c | DLGC_WANTMESSAGE;
    const LRESULT openTest = IsDropped(rec) ? want : c;
    if (msg->message == WM_KEYDOWN) {
        switch (msg->wParam) {
        case VK_UP:
        case VK_DOWN:
        case VK_SELECT:
        case VK_PRIOR:
        case VK_NEXT:
            return want;
        case VK_F4:
            return rec->extendedUI == 0 ? want : c;
        case VK_RETURN:
        case VK_ESCAPE:
            return openTest;
        default:
            return c;
        }
    }
    if (msg->message == WM_CHAR) return msg->wParam == 13 ? openTest : c;
    return c;
}

} // namespace

HWND CreateEditField(ControlRecord* rec) {
    HWND control = rec->hwndControl;
    bool hadFocus = false;
    if (rec->hwndEdit) {
        hadFocus = GetFocus() == rec->hwndEdit;
        DestroyWindow(rec->hwndEdit);
        rec->hwndEdit = nullptr;
    }
    SetWindowLongA(control, GWL_STYLE, GetWindowLongA(control, GWL_STYLE) | WS_CLIPCHILDREN);
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (GetWindowLongA(control, GWL_STYLE) & QELBOXSTYLE_AUTOHSCROLL) style |= ES_AUTOHSCROLL;
    if (ColumnStyle(rec, EditColumn(rec)) & QELBOX_MULTILINE) style |= ES_MULTILINE | WS_VSCROLL;
    HWND edit = CreateWindowExW(0, QELBOX_EDITCLASSNAMEW, L"", style, 0, 0, 0, 0, control,
                                reinterpret_cast<HMENU>(QELBOX_EDIT_ID), g_module.module, rec);
    if (!edit) {
        ReportError("QelBox", __LINE__, "Couldn't create edit control");
        return nullptr;
    }
    HFONT font = rec->editFont ? rec->editFont : rec->font;
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    if (GetFocus() == control || hadFocus) SetFocus(edit);
    return edit;
}

BOOL SyncEditText(ControlRecord* rec) {
    // The edit field's change notifications caused here are not the user's.
    CountScope syncing(rec->editSyncDepth);
    HWND edit = rec->hwndEdit;
    if (edit && rec->editSyncSuppress == 0) {
        if (IsValidIndex(rec, rec->committedSel)) {
            Item* item = GetItem(rec, rec->committedSel);
            // A virtual record may come without cells.
            if (!item->cells || !item->cells[0]) {
                if (GetWindowTextLengthW(edit) > 0) SetWindowTextW(edit, L"");
            } else {
                const wchar_t* text = item->cells[EditColumn(rec)];
                if (!text) text = L"";
                wchar_t current[kMaxEditText + 1];
                GetWindowTextW(edit, current, kMaxEditText);
                if (lstrcmpW(current, text) != 0) {
                    SetWindowTextW(edit, text);
                    SendMessageW(edit, EM_SETSEL, 0, -1);
                }
            }
            ReleaseItem(rec);
        } else if (GetWindowTextLengthW(edit) > 0) {
            SetWindowTextW(edit, L"");
        }
    }
    RECT display = ClosedDisplayRect(rec);
    RECT client;
    GetClientRect(rec->hwndControl, &client);
    display.left = client.left;
    return InvalidateRect(rec->hwndControl, &display, FALSE);
}

extern "C" LRESULT WINAPI QelCtl_WndProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    ControlRecord* rec = EditRecord(edit);
    if (!rec) {
        if (message != WM_NCCREATE && message != WM_GETMINMAXINFO) return 0;
        rec = RecordOf(GetParent(edit));
        if (!rec || rec == reinterpret_cast<ControlRecord*>(-1)) return 0;
        SetWindowLongPtrA(edit, g_module.editExtraOffset, reinterpret_cast<LONG_PTR>(rec));
        rec->hwndEdit = edit;
    }
    if (rec == reinterpret_cast<ControlRecord*>(-1)) return PassOn(edit, message, wParam, lParam);
    // The record outlives the message even when a notification destroys the
    // control meanwhile.
    const RecordScope scope(rec);
    HWND control = rec->hwndControl;
    switch (message) {
    case WM_KILLFOCUS: {
        HWND receiver = reinterpret_cast<HWND>(wParam);
        SendMessageW(control, WM_CANCELMODE, 0, 0);
        Notify(rec, QELBOXN_KILLFOCUS);
        if (Died(rec)) return 0;
        if (!receiver ||
            (receiver != control && receiver != rec->hwndDropDown && receiver != rec->hwndEdit))
            CloseUp(rec, false);
        PassOn(edit, message, wParam, lParam);
        return 0;
    }
    case WM_GETDLGCODE:
        return EditDialogCode(rec, edit, wParam, lParam);
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_RETURN:
        case VK_ESCAPE:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_UP:
        case VK_DOWN:
        case VK_F4:
            SendMessageW(control, WM_KEYDOWN, wParam, lParam);
            return 0;
        default:
            PassOn(edit, message, wParam, lParam);
            return 0;
        }
    case WM_CHAR:
        if ((wParam == 13 || wParam == 27) && !rec->isSimple) return 0;
        SendMessageW(control, WM_CANCELMODE, 0, 0);
        PassOn(edit, message, wParam, lParam);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(edit, g_module.editExtraOffset, -1);
        if (rec->hwndEdit == edit) rec->hwndEdit = nullptr;
        return PassOn(edit, message, wParam, lParam);
    default:
        return PassOn(edit, message, wParam, lParam);
    }
}

void SetEditFont(ControlRecord* rec, HFONT font, BOOL redraw) {
    StoreFont(rec, &rec->editFont, &rec->editFontMetrics, font);
    if (rec->hwndEdit) SendMessageW(rec->hwndEdit, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    FontChanged(rec, redraw);
}

extern "C" {

HWND WINAPI QelBox_GetHWNDEdit(HWND control) {
    ENTER_CONTROL(control, nullptr);
    return rec->hwndEdit;
}

int WINAPI QelBox_LimitText(HWND control, int length) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    if (length < 0 || !rec->hwndEdit) return -1;
    SendMessageW(rec->hwndEdit, EM_LIMITTEXT, length, 0);
    return 0;
}

int WINAPI QelBox_GetEditSel(HWND control, DWORD* start, DWORD* end) {
    ENTER_CONTROL(control, -1);
    if (start) *start = 0xFFFFFFFF;
    if (end) *end = 0xFFFFFFFF;
    if (!rec->hwndEdit) return -1;
    LRESULT r = SendMessageW(rec->hwndEdit, EM_GETSEL, reinterpret_cast<WPARAM>(start),
                             reinterpret_cast<LPARAM>(end));
    if ((start && *start != 0xFFFFFFFF) || (end && *end != 0xFFFFFFFF)) return 0;
    if (start) *start = LOWORD(r);
    if (end) *end = HIWORD(r);
    return 0;
}

int WINAPI QelBox_SetEditSel(HWND control, int start, int end) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    if (!rec->hwndEdit) return -1;
    SendMessageW(rec->hwndEdit, EM_SETSEL, start, end);
    return 0;
}

HFONT WINAPI QelBox_GetEditCtlFont(HWND control) {
    ENTER_CONTROL(control, nullptr);
    return rec->editFont;
}

void WINAPI QelBox_SetEditCtlFont(HWND control, HFONT font, BOOL redraw) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    SetEditFont(rec, font, redraw);
}

int WINAPI QelBox_GetExtendedUI(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->extendedUI;
}

int WINAPI QelBox_SetExtendedUI(HWND control, int on) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    rec->extendedUI = on;
    return 0;
}

int WINAPI QelBox_GetCaretColumn(HWND control) {
    ENTER_CONTROL(control, -1);
    return rec->caretColumn;
}

} // extern "C"

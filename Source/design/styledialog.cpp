// The style dialog: check boxes and radio buttons bound to the style bits
// of a CCSTYLEA, edited on a working copy that is written back only when
// the user accepts.
#include "design/styledialog.h"

#include <initializer_list>

#include "base/memory.h"
#include "base/module.h"
#include "base/record.h"
#include "design/companions.h"
#include "base/gdi.h"

namespace {

// Per-dialog data, kept in DWLP_USER from the first WM_SETFONT or
// WM_INITDIALOG to WM_NCDESTROY.
struct StyleDialogData {
    HWND dialog;
    LPCCSTYLEA target;
    DWORD style;
    DWORD extendedStyle;
    HBRUSH background;
};

// A check box or radio button standing for one bit of the working styles.
struct Binding {
    int id;
    DWORD bit;
    bool extended;
};

const Binding kBindings[] = {
    {kIdVScroll, WS_VSCROLL, false},
    {kIdHScroll, WS_HSCROLL, false},
    {kIdDisableNoScroll, QELBOXSTYLE_DISABLENOSCROLL, false},
    {kIdLeftButtonOnly, QELBOXSTYLE_LEFTBUTTONONLY, false},
    {kIdVisible, WS_VISIBLE, false},
    {kIdDisabled, WS_DISABLED, false},
    {kIdGroup, WS_GROUP, false},
    {kIdTabStop, WS_TABSTOP, false},
    {kIdClientEdge, WS_EX_CLIENTEDGE, true},
    {kIdAutoHScroll, QELBOXSTYLE_AUTOHSCROLL, false},
    {kIdVariable, QELBOXSTYLE_VARIABLE, false},
};

// Set while the dialog procedure hands a message to DefDlgProcA, which calls
// the dialog procedure again: that inner call must leave the message to the
// default handling. One style dialog is open at a time.
bool g_passToDefault;

LRESULT PassToDefault(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    g_passToDefault = true;
    const LRESULT result = DefDlgProcA(dialog, message, wParam, lParam);
    g_passToDefault = false;
    return result;
}

bool IsChecked(HWND dialog, int id) {
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Check(HWND dialog, int id, bool on) {
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void EnableItem(HWND dialog, int id, bool enable) {
    EnableWindow(GetDlgItem(dialog, id), enable ? TRUE : FALSE);
}

// Shows the working styles in the boxes; "disable no scroll" only makes
// sense while there is a scroll bar.
void ShowStyles(const StyleDialogData* data) {
    HWND dialog = data->dialog;
    for (const Binding& binding : kBindings) {
        const DWORD styles = binding.extended ? data->extendedStyle : data->style;
        Check(dialog, binding.id, (styles & binding.bit) != 0);
    }
    Check(dialog, kIdAlignTop, (data->style & QELBOXSTYLE_ALIGNMASK) == 0);
    Check(dialog, kIdAlignBottom, (data->style & QELBOXSTYLE_ALIGNBOTTOM) != 0);
    Check(dialog, kIdAlignCenter, (data->style & QELBOXSTYLE_ALIGNCENTER) != 0);
    EnableItem(dialog, kIdDisableNoScroll, (data->style & (WS_VSCROLL | WS_HSCROLL)) != 0);
}

// Reads the boxes into the working styles; only the bound bits change (the
// type bits never do).
void ReadStyles(StyleDialogData* data) {
    HWND dialog = data->dialog;
    for (const Binding& binding : kBindings) {
        DWORD& styles = binding.extended ? data->extendedStyle : data->style;
        if (IsChecked(dialog, binding.id))
            styles |= binding.bit;
        else
            styles &= ~binding.bit;
    }
    data->style &= ~static_cast<DWORD>(QELBOXSTYLE_ALIGNMASK);
    if (IsChecked(dialog, kIdAlignCenter)) data->style |= QELBOXSTYLE_ALIGNCENTER;
    if (IsChecked(dialog, kIdAlignBottom)) data->style |= QELBOXSTYLE_ALIGNBOTTOM;
}

// Centres the dialog over its owner (or the desktop), kept on the screen.
void CentreOverOwner(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (!owner) owner = GetDesktopWindow();
    RECT outer, box;
    GetWindowRect(owner, &outer);
    GetWindowRect(dialog, &box);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    int left = outer.left + (outer.right - outer.left - width) / 2;
    int top = outer.top + (outer.bottom - outer.top - height) / 2;
    left = max(0, min(left, GetSystemMetrics(SM_CXSCREEN) - width));
    top = max(0, min(top, GetSystemMetrics(SM_CYSCREEN) - height));
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT OnInitDialog(StyleDialogData* data, LPCCSTYLEA target) {
    HWND dialog = data->dialog;
    if (!target) {
        EndDialog(dialog, -1);
        return TRUE;
    }
    data->target = target;
    data->style = target->flStyle;
    data->extendedStyle = target->flExtStyle;
    switch (data->style & QELBOXSTYLE_TYPEMASK) {
    case QELBOXSTYLE_DROPDOWNLIST:
        EnableItem(dialog, kIdAutoHScroll, false); // there is no edit field
        break;
    case QELBOXSTYLE_SIMPLE:
        // The simple type has no closed display to align text in.
        for (int id : {kIdAlignGroup, kIdAlignTop, kIdAlignCenter, kIdAlignBottom})
            EnableItem(dialog, id, false);
        break;
    default:
        break;
    }
    for (int id : {kIdScrollGroup, kIdClientEdge, kIdWindowGroup})
        EnableItem(dialog, id, true);
    ShowStyles(data);
    data->background = AdoptCreated(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    CentreOverOwner(dialog);
    return TRUE;
}

LRESULT OnCommand(StyleDialogData* data, int id, int code, HWND from) {
    HWND dialog = data->dialog;
    if (from) {
        if (id == kIdVScroll || id == kIdHScroll) {
            ReadStyles(data);
            ShowStyles(data);
        } else if (code == BN_CLICKED &&
                   (id == IDOK || id == IDCANCEL || id == kIdWizard || id == kIdHelp)) {
            SendMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(id), 0);
        }
        return 0;
    }
    switch (id) {
    case IDOK:
        ReadStyles(data);
        data->target->flStyle = data->style;
        data->target->flExtStyle = data->extendedStyle;
        EndDialog(dialog, TRUE);
        break;
    case IDCANCEL:
        EndDialog(dialog, FALSE);
        break;
    case kIdWizard:
        LaunchWizard();
        break;
    case kIdHelp:
        OpenHelp(dialog);
        break;
    default:
        break;
    }
    return 0;
}

StyleDialogData* DataOf(HWND dialog) {
    return reinterpret_cast<StyleDialogData*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

LRESULT HandleMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    StyleDialogData* data = DataOf(dialog);
    if (!data) {
        if (message != WM_SETFONT && message != WM_INITDIALOG) return 0;
        data = static_cast<StyleDialogData*>(LocalAlloc(LMEM_ZEROINIT, sizeof(StyleDialogData)));
        if (!data) {
            // Without its data the dialog could not even be closed.
            if (message == WM_INITDIALOG) EndDialog(dialog, -1);
            return 0;
        }
        data->dialog = dialog;
        SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(data));
    }
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(data, reinterpret_cast<LPCCSTYLEA>(lParam));
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(data->background);
    case WM_COMMAND:
        return OnCommand(data, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DESTROY:
        DeleteOwned(data->background);
        WinHelpA(dialog, "", HELP_QUIT, 0);
        return 0;
    case WM_NCDESTROY:
        LocalFree(data);
        SetWindowLongPtrA(dialog, DWLP_USER, 0);
        return PassToDefault(dialog, message, wParam, lParam);
    default:
        return PassToDefault(dialog, message, wParam, lParam);
    }
}

// Messages whose dialog-procedure result is their answer; every other
// answer goes through DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
           message == WM_VKEYTOITEM || message == WM_CHARTOITEM || message == WM_QUERYDRAGICON ||
           message == WM_COMPAREITEM || message == WM_INITDIALOG;
}

INT_PTR CALLBACK StyleDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_passToDefault) {
        g_passToDefault = false;
        return FALSE;
    }
    const LRESULT result = HandleMessage(dialog, message, wParam, lParam);
    if (!IsWindow(dialog)) return TRUE;
    if (AnswersDirectly(message)) return result;
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

} // namespace

BOOL CALLBACK ShowStyleDialog(HWND parent, LPCCSTYLEA style) {
    if (!style) return -1;
    return static_cast<BOOL>(DialogBoxParamA(g_module.module,
                                             MAKEINTRESOURCEA(kStyleDialogTemplate), parent,
                                             StyleDialogProc, reinterpret_cast<LPARAM>(style)));
}

// QelBox_WndProc: the window procedure of the control classes. It owns the
// record's life and turns messages into actions on the record.
#include "window/combo.h"
#include "window/editfield.h"
#include "base/memory.h"
#include "base/module.h"
#include "window/designtime.h"
#include "model/columns.h"
#include "geometry/fontmetrics.h"
#include "base/accevents.h"
#include "window/accobject.h"
#include "geometry/hscroll.h"
#include "geometry/layout.h"
#include "model/columnoffsets.h"
#include "model/items.h"
#include "model/levelindex.h"
#include "model/selection.h"
#include "model/virtual.h"
#include "window/dropdown.h"
#include "window/mouse.h"
#include "paint/draw.h"
#include "paint/paint.h"
#include "geometry/rects.h"
#include "geometry/rowheaders.h"
#include "model/search.h"
#include "model/itemprops.h"
#include "base/scopes.h"
#include "base/gdi.h"

namespace {

LRESULT OnCreate(ControlRecord* rec, const CREATESTRUCTA* cs) {
    HWND control = rec->hwndControl;
    SetPropA(control, kControlProperty, reinterpret_cast<HANDLE>(1));
    rec->visible = (cs->style >> 28) & 1;
    rec->redrawAllowed = 1;
    rec->locale = 0x400;
    rec->items = nullptr;
    rec->virtualFetch = nullptr;
    rec->virtualRelease = nullptr;
    rec->virtualUserData = 0;

    LONG style = GetWindowLongA(control, GWL_STYLE);
    rec->isSimple = (style & QELBOXSTYLE_TYPEMASK) == QELBOXSTYLE_SIMPLE;
    rec->fixedItemHeight = (style & QELBOXSTYLE_VARIABLE) == 0;
    SetRecordDefaults(rec);
    // The stock font is measured before the first layout, which the default
    // column triggers, so that the control never passes through a size
    // computed from empty font metrics.
    HFONT stock = static_cast<HFONT>(
        GetStockObject(SystemMajorVersion() >= 4 ? DEFAULT_GUI_FONT : SYSTEM_FONT));
    rec->font = stock;
    MeasureFont(rec, stock, &rec->fontMetrics);
    rec->editFontMetrics = rec->colHeaderFontMetrics = rec->rowHeaderFontMetrics = rec->fontMetrics;
    rec->charWidth = rec->fontMetrics.tmAveCharWidth;
    rec->maxCharWidth = rec->fontMetrics.tmMaxCharWidth;

    // Without its default column the control cannot work: creation fails.
    if (!SetColumns(rec, 0, {nullptr, nullptr})) return -1;
    SetOpenEnded(rec, 1);

    rec->colHeaderFont = nullptr;
    rec->rowHeaderFont = nullptr;
    rec->editFont = nullptr;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(stock), 0);

    rec->pfnSetScrollInfo = nullptr;
    rec->pfnGetScrollInfo = nullptr;
    const WindowsVersion version = CurrentWindowsVersion();
    if (version.ntFamily ? version.After(3, 50) : version.major >= 4) {
        HMODULE user = GetModuleHandleA("USER32.DLL");
        if (user) {
            rec->pfnSetScrollInfo = reinterpret_cast<SetScrollInfoFn>(
                reinterpret_cast<void*>(GetProcAddress(user, "SetScrollInfo")));
            rec->pfnGetScrollInfo = reinterpret_cast<GetScrollInfoFn>(
                reinterpret_cast<void*>(GetProcAddress(user, "GetScrollInfo")));
        }
    }

    rec->vScrollWanted = rec->vScrollEnabled = (style >> 21) & 1;
    rec->hScrollWanted = rec->hScrollEnabled = (style >> 20) & 1;
    SetScrollPos(control, SB_VERT, 0, FALSE);
    SetScrollPos(control, SB_HORZ, 0, FALSE);
    SetScrollRange(control, SB_VERT, 0, 0, FALSE);
    SetScrollRange(control, SB_HORZ, 0, 0, TRUE);
    SetWindowLongA(control, GWL_STYLE, GetWindowLongA(control, GWL_STYLE) & ~0x300000L);

    switch (style & QELBOXSTYLE_TYPEMASK) {
    case QELBOXSTYLE_SIMPLE:
        if (!CreateEditField(rec) || !CreateSimpleList(rec)) return -1;
        break;
    case QELBOXSTYLE_DROPDOWN:
        if (!CreateEditField(rec)) return -1;
        break;
    default:
        break;
    }
    if (rec->hwndDropDown)
        SendMessageW(rec->hwndDropDown, WM_SETFONT, reinterpret_cast<WPARAM>(rec->font), 0);

    ClearItems(rec);
    RecalcLayout(rec);
    CancelMode(rec);
    if (IsInDialogEditor(rec)) {
        wchar_t text[16];
        for (int i = 1; i <= 9; ++i) {
            wsprintfW(text, L"Item %d", i);
            InsertString(rec, -1, text);
        }
    }
    InterlockedIncrement(&g_module.liveControls);
    return 0;
}

void OnDestroy(ControlRecord* rec) {
    // Only a control whose creation succeeded still carries its marker and
    // was counted.
    if (GetPropA(rec->hwndControl, kControlProperty)) InterlockedDecrement(&g_module.liveControls);
    AccControlDestroying(rec);
    StopAutoScrollTimer(rec);
    CloseUp(rec, false);
    if (Died(rec)) return;
    // A close-up handler may have kept the popup open: it goes now, since
    // it must not outlive the record it shows.
    DestroyDropDown(rec);
    ClearItems(rec);
    if (Died(rec)) return;
    if (rec->hwndEdit) DestroyWindow(rec->hwndEdit);
    RemovePropA(rec->hwndControl, kControlProperty);
    // The columns, strings and GDI objects stay until the record itself goes
    // (ReleaseOwned), so that a call still in progress on this control finds
    // a complete record.
}

void OnSize(ControlRecord* rec, WPARAM type, LPARAM size) {
    if (type != SIZE_MINIMIZED) {
        if (rec->layoutSizing == 0) rec->requestedHeight = static_cast<short>(HIWORD(size));
        RecalcLayout(rec);
        if (rec->isSimple && rec->committedSel >= 0) MakeRowVisible(rec, rec->committedSel);
        RepaintAll(rec);
        UpdateVScrollBar(rec);
        SetHorizontalExtent(rec, rec->horizontalExtent);
        SetHorizontalOffsetNotify(rec, rec->horizontalOffset);
    }
    Notify(rec, QELBOXN_SIZE);
}

void OnSetFocus(ControlRecord* rec) {
    {
        CountScope keepEditText(rec->editSyncSuppress);
        if (rec->hwndEdit) SetFocus(rec->hwndEdit);
        if (rec->committedSel >= 0) InvalidateItem(rec, rec->committedSel, false);
        SyncEditText(rec);
    }
    Notify(rec, QELBOXN_SETFOCUS);
}

// True when `window` is the control, its list window or its edit field.
bool IsOwnWindow(const ControlRecord* rec, HWND window) {
    return window &&
           (window == rec->hwndControl || window == rec->hwndDropDown || window == rec->hwndEdit);
}

void OnKillFocus(ControlRecord* rec, HWND receiver) {
    {
        CountScope keepEditText(rec->editSyncSuppress);
        CancelMode(rec);
        if (!rec->isSimple && !IsOwnWindow(rec, receiver)) CloseUp(rec, false);
        if (rec->committedSel >= 0) InvalidateItem(rec, rec->committedSel, false);
        SyncEditText(rec);
    }
    Notify(rec, QELBOXN_KILLFOCUS);
}

void OnSetFont(ControlRecord* rec, HFONT font, BOOL redraw) {
    rec->font = font;
    MeasureFont(rec, font, &rec->fontMetrics);
    rec->charWidth = rec->fontMetrics.tmAveCharWidth;
    rec->maxCharWidth = rec->fontMetrics.tmMaxCharWidth;
    SetColHeaderFont(rec, font, FALSE);
    SetRowHeaderFont(rec, font, FALSE);
    SetEditFont(rec, font, FALSE);
    if (rec->hwndDropDown)
        SendMessageW(rec->hwndDropDown, WM_SETFONT, reinterpret_cast<WPARAM>(font), 1);
    RecalcLayout(rec);
    if (redraw) RepaintAll(rec);
}

// EN_CHANGE from the edit field: match the typed text against column 0.
void OnEditChange(ControlRecord* rec) {
    const int committed = rec->committedSel;
    if (!IsVirtual(rec)) {
        wchar_t text[513];
        GetWindowTextW(rec->hwndEdit, text, 512);
        int found = -1;
        if (text[0]) found = FindText(rec, -1, 0, text, TRUE, true);
        // Text that matches no row stays as typed.
        CountScope keepEditText(rec->editSyncSuppress, found < 0);
        SelectRow(rec, found, false);
    }
    // A new committed row has reported the value already.
    if (rec->committedSel == committed) AccValueChanged(rec);
    Notify(rec, QELBOXN_EDITCHANGE);
}

void OnCommand(ControlRecord* rec, WPARAM wParam) {
    if (LOWORD(wParam) == QELBOX_EDIT_ID && rec->editSyncDepth == 0) {
        if (HIWORD(wParam) == EN_CHANGE)
            OnEditChange(rec);
        else if (HIWORD(wParam) == EN_UPDATE)
            Notify(rec, QELBOXN_EDITUPDATE);
    }
}

void PaintMessage(ControlRecord* rec, HWND window, HDC dc) {
    if (dc) {
        PaintControl(rec, dc, nullptr);
        return;
    }
    PaintScope paint(window);
    if (paint.Get()) PaintControl(rec, paint.Get(), &paint.Update());
}

bool FocusIsOnControl(const ControlRecord* rec) {
    return IsOwnWindow(rec, GetFocus());
}

LRESULT DefaultProcessing(ControlRecord* rec, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam) {
    if (rec->hwndEdit && (message == WM_SETTEXT || message == WM_PASTE || message == WM_UNDO))
        SendMessageW(rec->hwndEdit, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The popup list is no child of the control: a close-up handler
        // that destroyed the control again may have left it open. It must
        // not outlive the record it shows.
        DestroyDropDown(rec);
        // No row is painted for a dead control. A clearing still in progress
        // goes on reporting the items it holds to the delete callback.
        rec->drawInfoCallback = nullptr;
        RecordWindowGone(window, rec);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

void ReleaseOwned(ControlRecord* rec) {
    // A list window or edit field still there no longer reaches the record.
    if (rec->hwndDropDown && IsWindow(rec->hwndDropDown))
        SetWindowLongPtrA(rec->hwndDropDown, 0, -1);
    if (rec->hwndEdit && IsWindow(rec->hwndEdit))
        SetWindowLongPtrA(rec->hwndEdit, g_module.editExtraOffset, -1);
    DiscardItems(rec);
    DeleteOwned(rec->fontBitmapTrueType);
    DeleteOwned(rec->fontBitmapDevice);
    DeleteOwned(rec->backgroundBrush);
    // What the model keeps besides the items: the level summary and the
    // column offsets.
    FreeLevelIndex(rec);
    FreeColumnOffsets(rec);
    FreeColumns(rec);
    FreeVirtualText(rec);
    QelFree(rec->rowColText);
    rec->rowColText = nullptr;
}

void CancelMode(ControlRecord* rec) {
    HWND capture = GetCapture();
    if (capture && capture == rec->hwndControl) ReleaseCapture();
    capture = GetCapture();
    if (capture && rec->hwndDropDown && capture == rec->hwndDropDown) ReleaseCapture();
    rec->cancelModeSeen = 1;
    rec->mouseButton = kButtonNone;
    StopAutoScrollTimer(rec);
    EndMouseOperation(rec);
    rec->mouseMode = kMouseNone;
}

void SetRedraw(ControlRecord* rec, BOOL allowed) {
    rec->redrawAllowed = allowed ? 1 : 0;
    if (allowed) {
        RecalcLayout(rec);
        RepaintAll(rec);
        AccRedrawRestored(rec);
    }
}

LRESULT CtlColorEdit(ControlRecord* rec, HDC dc, HWND sender) {
    if (!sender || sender != rec->hwndEdit) return 0;
    RefreshBackgroundBrush(rec);
    SetTextColor(dc, ResolveColor(rec->colors.colorText));
    SetBkColor(dc, ResolveColor(rec->colors.colorBackground));
    return reinterpret_cast<LRESULT>(rec->backgroundBrush);
}

namespace {

LRESULT ControlMessage(ControlRecord* rec, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        LRESULT result = OnCreate(rec, reinterpret_cast<const CREATESTRUCTA*>(lParam));
        if (result != 0) RemovePropA(window, kControlProperty);
        return result;
    }
    case WM_DESTROY:
        // A second WM_DESTROY (DestroyWindow called again from a callback
        // of the first) finds the work done or in progress.
        if (!rec->destroying) {
            rec->destroying = 1;
            OnDestroy(rec);
        }
        return 0;
    case WM_SIZE:
        OnSize(rec, wParam, lParam);
        return 0;
    case WM_SETFOCUS:
        OnSetFocus(rec);
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(rec, reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_ENABLE:
        CloseUp(rec, false);
        RepaintAll(rec);
        AccControlStateChanged(rec);
        return 0;
    case WM_SETREDRAW:
        SetRedraw(rec, static_cast<BOOL>(wParam));
        return 0;
    case WM_GETTEXT:
        if (rec->hwndEdit) return SendMessageW(rec->hwndEdit, message, wParam, lParam);
        return CopyCommittedText(rec, reinterpret_cast<wchar_t*>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH:
        if (rec->hwndEdit) return SendMessageW(rec->hwndEdit, message, wParam, lParam);
        return TextLength(rec, -1, 0);
    case WM_PAINT:
    case WM_PRINT:
        PaintMessage(rec, window, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SHOWWINDOW:
        rec->visible = wParam ? 1 : 0;
        if (!wParam) CloseUp(rec, false);
        return 0;
    case WM_CANCELMODE:
        CancelMode(rec);
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && SetHeaderCursor(rec)) return 1;
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_MOUSEACTIVATE:
        if (!rec->isSimple && FocusIsOnControl(rec)) return MA_ACTIVATE;
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_SETFONT:
        OnSetFont(rec, reinterpret_cast<HFONT>(wParam), static_cast<BOOL>(lParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(rec->font);
    case WM_NCPAINT:
        DefWindowProcW(window, WM_NCPAINT, wParam, 0);
        if (rec->isSimple) PaintNcSeparator(rec);
        return 0;
    case WM_GETDLGCODE:
        return DialogCode(rec, reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
        HandleKeyDown(rec, wParam);
        return 0;
    case WM_CHAR:
        HandleChar(rec, wParam);
        return 0;
    case WM_SYSKEYDOWN:
        if ((wParam == VK_UP || wParam == VK_DOWN) && !rec->isSimple)
            ShowOrClose(rec, rec->hwndDropDown == nullptr, true);
        return 0;
    case WM_COMMAND:
        OnCommand(rec, wParam);
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_CTLCOLOREDIT:
        return CtlColorEdit(rec, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MOUSEMOVE:
        Notify(rec, QELBOXN_MOUSEMOVE);
        if (GetCapture() == window)
            MouseMove(rec, MakeMouseEvent(true, wParam, lParam, false, QELBOXN_LBUTTON));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        HWND target = rec->hwndEdit ? rec->hwndEdit : window;
        if (GetFocus() != target) SetFocus(target);
        if (rec->mouseButton == kButtonNone) {
            rec->mouseMode = kMouseList;
            rec->mouseButton = kButtonLeft;
            MouseButtonDown(rec, MakeMouseEvent(true, wParam, lParam, message == WM_LBUTTONDBLCLK,
                                                QELBOXN_LBUTTON));
        }
        return 0;
    }
    case WM_LBUTTONUP:
        if (rec->mouseButton == kButtonLeft)
            MouseButtonUp(rec, MakeMouseEvent(true, wParam, lParam, false, QELBOXN_LBUTTON));
        return 0;
    case WM_RBUTTONUP:
        Notify(rec, QELBOXN_RBUTTONUP);
        return DefaultProcessing(rec, window, message, wParam, lParam);
    case WM_MOUSEWHEEL:
        HandleWheel(rec, static_cast<short>(HIWORD(wParam)));
        return 0;
    case WM_CUT:
        if (rec->hwndEdit) {
            SendMessageW(rec->hwndEdit, message, wParam, lParam);
        } else {
            CopyCommittedRow(rec);
            SetCurSel(rec, -1);
        }
        return 0;
    case WM_COPY:
        if (rec->hwndEdit)
            SendMessageW(rec->hwndEdit, message, wParam, lParam);
        else
            CopyCommittedRow(rec);
        return 0;
    case WM_CLEAR:
        SetCurSel(rec, -1);
        return 0;
    case WM_GETOBJECT:
        if (AccAnswersObject(false, lParam)) return AccGetObject(rec, false, wParam, lParam);
        return DefaultProcessing(rec, window, message, wParam, lParam);
    case QELBOX_WM_CLOSEDROPDOWN:
        CloseUp(rec, false);
        return DefaultProcessing(rec, window, message, wParam, lParam);
    default:
        return DefaultProcessing(rec, window, message, wParam, lParam);
    }
}

} // namespace

extern "C" LRESULT WINAPI QelBox_WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ControlRecord* rec = RecordOf(window);
    if (rec == reinterpret_cast<ControlRecord*>(-1))
        return DefWindowProcW(window, message, wParam, lParam);
    if (!rec) {
        if (message != WM_NCCREATE && message != WM_GETMINMAXINFO) return 0;
        InstallViewHandlers();
        rec = AllocRecord(window);
        if (!rec) return 0;
    }
    // The record outlives the message even when a notification sent while
    // handling it destroys the control.
    const RecordScope scope(rec);
    return ControlMessage(rec, window, message, wParam, lParam);
}

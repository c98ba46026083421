// Keyboard handling of the control window: dialog codes, row navigation,
// opening and closing the list, character search and the mouse wheel.
#include "window/combo.h"
#include "base/unicode.h"
#include "model/columns.h"
#include "geometry/layout.h"
#include "model/selection.h"
#include "window/dropdown.h"
#include "model/search.h"
#include "base/module.h"

void MoveHighlightTo(ControlRecord* rec, int n) {
    // Measuring a page of variable-height rows fetches them: the callbacks
    // may have destroyed the control or taken the row away.
    if (Died(rec) || n >= rec->itemCount || n == rec->curSel) return;
    SelectRow(rec, n, true);
}

namespace {

bool IsDropped(const ControlRecord* rec) {
    return !rec->isSimple && rec->hwndDropDown;
}

} // namespace

LRESULT DialogCode(ControlRecord* rec, const MSG* msg) {
    const LRESULT base = rec->hwndEdit ? (DLGC_WANTARROWS | DLGC_HASSETSEL) : DLGC_WANTARROWS;
    if (!msg) return base;
    const LRESULT want = base | DLGC_WANTMESSAGE;
    const LRESULT openTest = IsDropped(rec) ? want : base;
    if (msg->message == WM_KEYDOWN) {
        WPARAM key = msg->wParam;
        if (key == VK_RETURN) return openTest;
        if (key == VK_ESCAPE) return rec->mouseMode != kMouseNone ? want : openTest;
        if (key < VK_PRIOR) return base;
        if (key <= VK_SELECT) return want;
        if (key == VK_F4) return (!rec->isSimple && rec->extendedUI == 0) ? want : base;
        return base;
    }
    if (msg->message == WM_CHAR) {
        if (msg->wParam == 10 || msg->wParam == 13) return openTest;
        if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return base;
        return want;
    }
    return base;
}

void HandleKeyDown(ControlRecord* rec, WPARAM key) {
    const int count = rec->itemCount;
    const int last = count - 1;
    const int cur = rec->curSel;
    switch (key) {
    case VK_RETURN:
        if (IsDropped(rec)) CloseUp(rec, true);
        break;
    case VK_ESCAPE:
        if (rec->mouseMode != kMouseNone)
            CancelMode(rec);
        else if (IsDropped(rec))
            CloseUp(rec, false);
        break;
    case VK_PRIOR:
        if (count) MoveHighlightTo(rec, max(0, cur - RowsShown(rec)));
        break;
    case VK_NEXT:
        if (count) MoveHighlightTo(rec, min(cur + RowsShown(rec), last));
        break;
    case VK_END:
        if (count) MoveHighlightTo(rec, last);
        break;
    case VK_HOME:
        if (count) MoveHighlightTo(rec, 0);
        break;
    case VK_LEFT:
    case VK_UP:
        if (count) MoveHighlightTo(rec, max(0, cur - 1));
        break;
    case VK_DOWN:
        if (!rec->isSimple && !rec->hwndDropDown && rec->extendedUI) {
            ShowDropDown(rec, TRUE);
            break;
        }
        if (count) MoveHighlightTo(rec, min(cur + 1, last));
        break;
    case VK_RIGHT:
        if (count) MoveHighlightTo(rec, min(cur + 1, last));
        break;
    case VK_F4:
        if (!rec->isSimple && rec->extendedUI == 0) ShowOrClose(rec, !rec->hwndDropDown, true);
        break;
    default:
        break;
    }
    UpdateWindow(rec->hwndControl);
    if (rec->hwndDropDown) UpdateWindow(rec->hwndDropDown);
}

void HandleChar(ControlRecord* rec, WPARAM ch) {
    if (IsVirtual(rec)) return;
    // A character beyond the Basic Multilingual Plane arrives as two
    // WM_CHAR messages: the first half waits for the second.
    const wchar_t unit = static_cast<wchar_t>(ch);
    if (IsLeadSurrogate(unit)) {
        rec->pendingLeadSurrogate = unit;
        return;
    }
    wchar_t text[3] = {unit, 0, 0};
    if (rec->pendingLeadSurrogate && unit >= 0xDC00 && unit <= 0xDFFF) {
        text[0] = rec->pendingLeadSurrogate;
        text[1] = unit;
    }
    rec->pendingLeadSurrogate = 0;
    int found = FindText(rec, rec->curSel, EditColumn(rec), text, TRUE, false);
    if (found >= 0) SetCurSel(rec, found);
}

void HandleWheel(ControlRecord* rec, int delta) {
    if (rec->itemCount == 0) return;
    UINT lines = 1;
    const WindowsVersion version = CurrentWindowsVersion();
    if (version.ntFamily && version.After(3, 99)) {
        if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 1;
    }
    int d = MulDiv(static_cast<int>(lines), delta, 120);
    int top;
    if (delta >= 0) {
        top = max(0, rec->topIndex - d);
    } else {
        int limit = max(0, rec->itemCount - RowsShown(rec));
        top = min(rec->topIndex - d, limit);
    }
    if (top != rec->topIndex) {
        SetTopIndexNotify(rec, top);
        UpdateWindow(rec->hwndControl);
        if (rec->hwndDropDown) UpdateWindow(rec->hwndDropDown);
    }
}

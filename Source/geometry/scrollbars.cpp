// The list window's scroll bars, kept in step with the top index and the
// horizontal offset. Uses SetScrollInfo where the system has it.
#include "base/record.h"
#include "geometry/layout.h"
#include "geometry/metrics.h"

namespace {

bool DisableNoScroll(const ControlRecord* rec) {
    return (ControlStyle(rec) & QELBOXSTYLE_DISABLENOSCROLL) != 0;
}

// Hands new scroll values to the list window's bar. Nothing is done when
// the bar already shows them; otherwise the bar is repainted with the next
// paint rather than at once, because drawing it synchronously on every
// change makes filling a long list crawl.
void ApplyScrollInfo(ControlRecord* rec, int bar, SCROLLINFO& info) {
    HWND list = rec->hwndDropDown;
    SCROLLINFO current = {};
    current.cbSize = sizeof(current);
    current.fMask = SIF_ALL;
    if (rec->pfnGetScrollInfo && rec->pfnGetScrollInfo(list, bar, &current)) {
        bool rangeSame =
            !(info.fMask & SIF_RANGE) || (current.nMin == info.nMin && current.nMax == info.nMax);
        if (rangeSame && current.nPage == info.nPage && current.nPos == info.nPos) return;
    }
    rec->pfnSetScrollInfo(list, bar, &info, FALSE);
    RECT client;
    GetClientRect(list, &client);
    RECT area = client;
    if (bar == SB_VERT) {
        area.left = client.right;
        area.right = client.right + GetSystemMetrics(SM_CXVSCROLL);
    } else {
        area.top = client.bottom;
        area.bottom = client.bottom + GetSystemMetrics(SM_CYHSCROLL);
    }
    RedrawWindow(list, &area, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}

UINT InfoMask(const ControlRecord* rec) {
    UINT mask = SIF_PAGE | SIF_POS;
    if (DisableNoScroll(rec)) mask |= SIF_DISABLENOSCROLL;
    if (!rec->scrollTracking) mask |= SIF_RANGE;
    return mask;
}

// Range and position through the older scroll-bar calls, disabling the bar
// instead of hiding it when the style asks for that.
void UpdateBarClassic(ControlRecord* rec, int bar, int rangeMax, int pos, bool disableBranch,
                      int& enabledMark) {
    HWND list = rec->hwndDropDown;
    if (disableBranch && DisableNoScroll(rec)) {
        if (enabledMark) {
            if (!rec->scrollTracking) {
                // The range goes first: setting a range that can scroll
                // enables the bar again on some systems.
                SetScrollRange(list, bar, 0, 1, FALSE);
                EnableScrollBar(list, bar, ESB_DISABLE_BOTH);
                enabledMark = 0;
            }
            SetScrollPos(list, bar, 0, TRUE);
        }
        return;
    }
    if (enabledMark) {
        int minPos = 0, maxPos = 0;
        GetScrollRange(list, bar, &minPos, &maxPos);
        int current = GetScrollPos(list, bar);
        if (maxPos != rangeMax) {
            if (pos == current) {
                SetScrollRange(list, bar, 0, rangeMax, TRUE);
                return;
            }
            if (!rec->scrollTracking) SetScrollRange(list, bar, 0, rangeMax, FALSE);
            SetScrollPos(list, bar, pos, TRUE);
        } else if (pos != current) {
            SetScrollPos(list, bar, pos, TRUE);
        }
        return;
    }
    if (!rec->scrollTracking) {
        EnableScrollBar(list, bar, ESB_ENABLE_BOTH);
        SetScrollRange(list, bar, 0, rangeMax, FALSE);
        enabledMark = 1;
    }
    SetScrollPos(list, bar, pos, TRUE);
}

} // namespace

void UpdateVScrollBar(ControlRecord* rec) {
    if (!rec->hwndDropDown || !CanDraw(rec) || !rec->vScrollWanted) return;
    int shown = RowsShown(rec);
    int pos = rec->itemCount < 1 ? 0 : rec->topIndex;
    if (rec->pfnSetScrollInfo) {
        SCROLLINFO info = {};
        info.cbSize = sizeof(SCROLLINFO);
        info.fMask = InfoMask(rec);
        info.nMin = 0;
        info.nMax = max(rec->itemCount - 1, pos + shown - 1);
        info.nPage = static_cast<UINT>(shown);
        info.nPos = pos;
        ApplyScrollInfo(rec, SB_VERT, info);
        return;
    }
    int maxPos = rec->itemCount - shown;
    int rangeMax = pos > maxPos ? pos : max(maxPos, 0);
    UpdateBarClassic(rec, SB_VERT, rangeMax, pos, rangeMax == 0, rec->vScrollEnabled);
}

void UpdateHScrollBar(ControlRecord* rec) {
    if (!rec->hwndDropDown || !CanDraw(rec) || !rec->hScrollWanted) return;
    int w = ListWidth(rec);
    int ext = rec->horizontalExtent;
    int pos = rec->horizontalOffset;
    if (rec->pfnSetScrollInfo) {
        int page = w / 3;
        SCROLLINFO info = {};
        info.cbSize = sizeof(SCROLLINFO);
        info.fMask = InfoMask(rec);
        info.nMin = 0;
        info.nMax = ext - w + page - 1;
        info.nPage = static_cast<UINT>(page);
        info.nPos = pos;
        ApplyScrollInfo(rec, SB_HORZ, info);
        return;
    }
    UpdateBarClassic(rec, SB_HORZ, max(0, ext - w), pos, w >= ext, rec->hScrollEnabled);
}

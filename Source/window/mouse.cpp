// Mouse interaction: the drop-down button, the corner and column header
// buttons, clicks on rows and on the closed control's display area, and the
// highlight following the pointer with auto-scrolling.
#include "window/mouse.h"

#include <stdlib.h>

#include "window/combo.h"
#include "model/columns.h"
#include "geometry/layout.h"
#include "geometry/metrics.h"
#include "geometry/rowheaders.h"
#include "model/items.h"
#include "model/selection.h"
#include "window/dropdown.h"
#include "window/headerdrag.h"
#include "geometry/rects.h"
#include "base/module.h"

namespace {

const UINT_PTR kAutoScrollTimer = 1;
const UINT kAutoScrollPeriod = 100;

// A header press becomes a drag once the pointer has moved further than
// half the system's drag rectangle, or than one character across and half a
// line down on older systems.
bool PassedDragThreshold(ControlRecord* rec, const MouseEvent& event) {
    if (!rec->reorderColumns || rec->columnCount < 2) return false;
    const WindowsVersion version = CurrentWindowsVersion();
    const bool modern = version.ntFamily ? version.After(3, 99) : version.major >= 4;
    int dx = modern ? GetSystemMetrics(SM_CXDRAG) / 2 : rec->fontMetrics.tmAveCharWidth;
    int dy = modern ? GetSystemMetrics(SM_CYDRAG) / 2 : rec->fontMetrics.tmHeight / 2;
    return abs(event.x - rec->mouseDownX) > dx || abs(event.y - rec->mouseDownY) > dy;
}

void SendClickCode(ControlRecord* rec, int code) {
    if (GetParent(rec->hwndControl)) Notify(rec, code);
}

RECT DropButtonRect(ControlRecord* rec) {
    RECT r;
    DropDownButtonRect(rec, &r);
    return r;
}

RECT CornerRect(ControlRecord* rec) {
    RECT r;
    CornerHeaderRect(rec, &r);
    return r;
}

void InvalidateDropButton(ControlRecord* rec) {
    if (rec->isSimple || !CanDraw(rec)) return;
    RECT r = DropButtonRect(rec);
    InvalidateRect(rec->hwndControl, &r, FALSE);
}

void HighlightAndShow(ControlRecord* rec, int index) {
    if (index != rec->curSel) SetHighlight(rec, index);
    if (index >= 0) MakeRowVisible(rec, index);
}

// Opens the closed list or closes the open one without accepting.
void ToggleDropDown(ControlRecord* rec) {
    if (rec->hwndDropDown)
        CloseUp(rec, false);
    else
        ShowDropDown(rec, TRUE);
}

POINT ToControl(ControlRecord* rec, const MouseEvent& event) {
    POINT pt = {event.x, event.y};
    if (!event.onControl && rec->hwndDropDown)
        MapWindowPoints(rec->hwndDropDown, rec->hwndControl, &pt, 1);
    return pt;
}

// Left edge of the header cell of a column in control client coordinates.
bool PointInHeaderCell(ControlRecord* rec, int column, int x, int y) {
    RECT cell;
    HeaderRect(rec, column, &cell);
    POINT pt = {x, y};
    return PtInRect(&cell, pt) != 0;
}

int ColumnUnderPointer(ControlRecord* rec, const MouseEvent& event) {
    int w = event.onControl ? HeaderAvailableWidth(rec) : ListWidth(rec);
    for (int p = 0; p < rec->columnCount; ++p) {
        int column = ColumnAtPosition(rec, p);
        int right = ColumnX(rec, p, -1) + rec->rowHeaderWidth + CellWidth(rec, w, column, -1);
        if (event.x + rec->horizontalOffset < right) return column;
    }
    return -1;
}

void ClickOnRows(ControlRecord* rec, const MouseEvent& event) {
    POINT pt = ToControl(rec, event);
    int area = 0;
    int index = IndexFromPoint(rec, &pt, &area);
    int code = event.buttonCode + (area ? QELBOXN_ONCONTROL : 0) +
               (event.doubleClick ? QELBOXN_DBLCLK : 0);
    int level = index >= 0 ? ItemLevel(rec, index) : 0;
    int xr = event.x - rec->rowHeaderWidth;
    // The closed control's row header counts as part of its display area
    // (hence + QELBOXN_ONCONTROL), but a press there is a row-header click
    // and leaves the list as it is.
    if (index >= 0 && rec->rowHeaderWidth && xr < 0) {
        if (rec->showRowHeader != 1 && rec->showRowHeader != 3 && rec->showRowHeader != 5) return;
        if (rec->rowHeaderStyle & QELBOX_HEADER_DISABLED) {
            MessageBeep(0);
            return;
        }
        rec->mouseMode = kMouseNone;
        HighlightAndShow(rec, index);
        SendClickCode(rec, code + QELBOXN_ZONE_ROWHEADER);
        return;
    }
    if (event.onControl && area) {
        if (rec->hwndEdit) return;
        if (NotifyUncancelled(rec, code + QELBOXN_ZONE_ITEM) && !rec->isSimple) ToggleDropDown(rec);
        return;
    }
    if (index < 0) return;
    int xc = xr + rec->horizontalOffset;
    int labelWidth = rec->showLabels ? rec->prototypeLabel.bmWidth : 0;
    int zone;
    if (rec->showLabels && xc < IndentGap(rec) + labelWidth) {
        zone = QELBOXN_ZONE_LABEL;
    } else if (rec->showTreeLines && xc < IndentGap(rec) + labelWidth + IndentUnit(rec) * level) {
        zone = QELBOXN_ZONE_TREE;
    } else if (rec->showBitmaps && xc < Indent(rec, level)) {
        zone = QELBOXN_ZONE_BITMAP;
    } else {
        zone = QELBOXN_ZONE_ITEM;
        if (!event.onControl && !event.doubleClick) HighlightAndShow(rec, index);
        SendClickCode(rec, code + zone);
        return;
    }
    HighlightAndShow(rec, index);
    SendClickCode(rec, code + zone);
}

void TrackListPoint(ControlRecord* rec, const MouseEvent& event, bool held) {
    POINT pt = ToControl(rec, event);
    int area = 0;
    int index = IndexFromPoint(rec, &pt, &area);
    if (index >= 0 && !area) {
        StopAutoScrollTimer(rec);
        if (index != rec->curSel) HighlightAndShow(rec, index);
        return;
    }
    if (!held) {
        StopAutoScrollTimer(rec);
        return;
    }
    RECT items = ListRect(rec);
    int target;
    if (event.y < items.top) {
        rec->autoScrollDown = 0;
        target = rec->topIndex;
    } else if (event.y < items.bottom) {
        return;
    } else {
        int top = items.top;
        target = -1;
        for (int i = rec->topIndex; i < rec->itemCount; ++i) {
            top += RowHeight(rec, i);
            if (top >= items.bottom) {
                target = i;
                break;
            }
        }
        if (target < 0) {
            if (rec->curSel != rec->itemCount - 1) HighlightAndShow(rec, rec->itemCount - 1);
            return;
        }
        rec->autoScrollDown = 1;
    }
    StartAutoScrollTimer(rec, QelBox_VScrollTimerProc);
    if (target != rec->curSel) HighlightAndShow(rec, target);
}

} // namespace

void StartAutoScrollTimer(ControlRecord* rec, TIMERPROC proc) {
    if (rec->timerId) return;
    rec->timerId = SetTimer(rec->hwndControl, kAutoScrollTimer, kAutoScrollPeriod, proc);
}

void StopAutoScrollTimer(ControlRecord* rec) {
    if (rec->timerId) {
        KillTimer(rec->hwndControl, rec->timerId);
        rec->timerId = 0;
    }
}

MouseEvent MakeMouseEvent(bool onControl, WPARAM wParam, LPARAM lParam, bool doubleClick,
                          int buttonCode) {
    MouseEvent event;
    event.onControl = onControl;
    event.doubleClick = doubleClick;
    event.x = static_cast<short>(LOWORD(lParam));
    event.y = static_cast<short>(HIWORD(lParam));
    event.shift = (wParam & MK_SHIFT) != 0;
    event.ctrl = (wParam & MK_CONTROL) != 0;
    event.buttonCode = buttonCode;
    return event;
}

void MouseButtonDown(ControlRecord* rec, const MouseEvent& event) {
    SetCapture(event.onControl ? rec->hwndControl : rec->hwndDropDown);
    rec->caretColumn = -1;
    if ((ControlStyle(rec) & QELBOXSTYLE_LEFTBUTTONONLY) && event.buttonCode != QELBOXN_LBUTTON)
        return;
    POINT pt = {event.x, event.y};
    if (event.onControl) {
        RECT button = DropButtonRect(rec);
        if (!rec->isSimple && PtInRect(&button, pt)) {
            if (rec->itemCount == 0) {
                MessageBeep(0);
                return;
            }
            rec->mouseMode = kMouseDropButton;
            rec->dropButtonPressed = 1;
            InvalidateDropButton(rec);
            ToggleDropDown(rec);
            return;
        }
        RECT corner = CornerRect(rec);
        if (rec->showHeader && rec->rowHeaderWidth && PtInRect(&corner, pt)) {
            if (!rec->showRowColHeaderButton) return;
            if (rec->rowColHeaderStyle & QELBOX_HEADER_DISABLED) {
                MessageBeep(0);
                return;
            }
            rec->rowColButtonBeforePress = rec->rowColHeaderButton;
            rec->rowColHeaderButton = !rec->rowColHeaderButton;
            rec->mouseMode = kMouseCornerButton;
            InvalidateCorner(rec);
            return;
        }
    }
    rec->caretColumn = ColumnUnderPointer(rec, event);
    RECT strip = HeaderStripRect(rec);
    if (event.onControl && rec->showHeader && PtInRect(&strip, pt)) {
        int divider = DividerColumnAt(rec, event.x);
        if (divider >= 0) {
            rec->resizeColumn = divider;
            rec->mouseMode = kMouseColumnResize;
            SetRectEmpty(&rec->dragFeedbackRect);
            return;
        }
        if (rec->showHeader != QELBOX_SHOWHEADER_RAISED &&
            (!rec->reorderColumns || rec->columnCount < 2))
            return;
        if (rec->caretColumn == -1) return;
        if (ColumnHeaderStyle(rec, rec->caretColumn) & QELBOX_HEADER_DISABLED) {
            MessageBeep(0);
            return;
        }
        rec->headerButtonBeforePress = rec->headerButton;
        if (rec->showHeader == QELBOX_SHOWHEADER_RAISED) rec->headerButton = rec->caretColumn;
        rec->pressedHeaderColumn = rec->caretColumn;
        rec->mouseDownX = event.x;
        rec->mouseDownY = event.y;
        rec->mouseMode = kMouseHeaderButton;
        InvalidateHeader(rec);
        return;
    }
    ClickOnRows(rec, event);
}

void MouseButtonUp(ControlRecord* rec, const MouseEvent& event) {
    HWND capture = GetCapture();
    if (rec->hwndDropDown && capture != rec->hwndControl && capture != rec->hwndDropDown) {
        rec->mouseButton = kButtonNone;
        rec->mouseMode = kMouseNone;
        CancelMode(rec);
        return;
    }
    int base = rec->mouseButton == kButtonMiddle
                   ? QELBOXN_MBUTTON
                   : (rec->mouseButton == kButtonRight ? QELBOXN_RBUTTON : QELBOXN_LBUTTON);
    POINT pt = {event.x, event.y};
    if (rec->mouseMode == kMouseColumnResize) {
        if (!DragFullWindows()) EraseDragFeedback(rec);
        ApplyColumnResize(rec, rec->resizeColumn,
                          rec->horizontalOffset - rec->rowHeaderWidth + event.x);
    } else if (rec->mouseMode == kMouseColumnDrag) {
        DropColumn(rec, event.x);
    } else if (rec->mouseMode == kMouseHeaderButton) {
        if (rec->showHeader == QELBOX_SHOWHEADER_RAISED &&
            PointInHeaderCell(rec, rec->pressedHeaderColumn, pt.x, pt.y)) {
            if (rec->headerButton != rec->pressedHeaderColumn) {
                rec->headerButton = rec->pressedHeaderColumn;
                InvalidateHeader(rec);
            }
            rec->pressedHeaderColumn = -1;
            SendClickCode(rec, base + QELBOXN_ZONE_HEADER);
            if (IsValidColumn(rec, rec->headerButton) &&
                (ColumnHeaderStyle(rec, rec->headerButton) & QELBOX_HEADER_PUSHBUTTON)) {
                UpdateWindow(event.onControl ? rec->hwndControl : rec->hwndDropDown);
                rec->headerButton = -1;
                InvalidateHeader(rec);
            }
            rec->headerButtonBeforePress = rec->headerButton;
        }
    } else if (rec->mouseMode == kMouseCornerButton) {
        RECT corner = CornerRect(rec);
        if (PtInRect(&corner, pt)) {
            if (rec->rowColHeaderButton == rec->rowColButtonBeforePress) {
                rec->rowColHeaderButton = !rec->rowColHeaderButton;
                InvalidateCorner(rec);
            }
            rec->rowColButtonBeforePress = rec->rowColHeaderButton;
            SendClickCode(rec, base + QELBOXN_ZONE_ROWCOLHEADER);
            if (rec->rowColHeaderStyle & QELBOX_HEADER_PUSHBUTTON) {
                UpdateWindow(event.onControl ? rec->hwndControl : rec->hwndDropDown);
                rec->rowColHeaderButton = rec->rowColButtonBeforePress = 0;
                InvalidateCorner(rec);
            }
        }
    }
    CancelMode(rec);
    if (!event.onControl) CloseUp(rec, true);
}

void MouseMove(ControlRecord* rec, const MouseEvent& event) {
    POINT pt = {event.x, event.y};
    switch (rec->mouseMode) {
    case kMouseDropButton: {
        RECT button = DropButtonRect(rec);
        int pressed = PtInRect(&button, pt) ? 1 : 0;
        if (pressed != rec->dropButtonPressed) {
            rec->dropButtonPressed = pressed;
            InvalidateDropButton(rec);
        }
        return;
    }
    case kMouseCornerButton: {
        RECT corner = CornerRect(rec);
        int pressed =
            PtInRect(&corner, pt) ? !rec->rowColButtonBeforePress : rec->rowColButtonBeforePress;
        if (pressed != rec->rowColHeaderButton) {
            rec->rowColHeaderButton = pressed;
            InvalidateCorner(rec);
        }
        return;
    }
    case kMouseHeaderButton: {
        if (PassedDragThreshold(rec, event)) {
            rec->draggedColumn = rec->pressedHeaderColumn;
            SetRectEmpty(&rec->dragFeedbackRect);
            rec->mouseMode = kMouseColumnDrag;
            HeaderDragMove(rec, true, event.x, event.y);
            return;
        }
        if (rec->showHeader != QELBOX_SHOWHEADER_RAISED) return;
        int shown = PointInHeaderCell(rec, rec->pressedHeaderColumn, pt.x, pt.y)
                        ? rec->pressedHeaderColumn
                        : rec->headerButtonBeforePress;
        if (shown != rec->headerButton) {
            rec->headerButton = shown;
            InvalidateHeader(rec);
        }
        return;
    }
    case kMouseColumnResize:
        if (DragFullWindows()) {
            ApplyColumnResize(rec, rec->resizeColumn,
                              rec->horizontalOffset - rec->rowHeaderWidth + event.x);
            UpdateWindow(rec->hwndControl);
            if (rec->hwndDropDown) UpdateWindow(rec->hwndDropDown);
        }
        HeaderDragMove(rec, true, event.x, event.y);
        return;
    case kMouseColumnDrag:
        HeaderDragMove(rec, true, event.x, event.y);
        return;
    case kMouseNone:
    case kMouseList:
        if (rec->itemCount == 0 || event.onControl) return;
        if (rec->mouseButton == kButtonNone && (!rec->cursorSelect || rec->isSimple)) return;
        TrackListPoint(rec, event, rec->mouseButton != kButtonNone);
        return;
    default:
        return;
    }
}

void EndMouseOperation(ControlRecord* rec) {
    switch (rec->mouseMode) {
    case kMouseDropButton:
        if (rec->dropButtonPressed) {
            rec->dropButtonPressed = 0;
            InvalidateDropButton(rec);
        }
        break;
    case kMouseCornerButton:
        if (rec->rowColHeaderButton != rec->rowColButtonBeforePress) {
            rec->rowColHeaderButton = rec->rowColButtonBeforePress;
            InvalidateCorner(rec);
        }
        break;
    case kMouseHeaderButton:
        rec->pressedHeaderColumn = -1;
        if (rec->headerButton != rec->headerButtonBeforePress) {
            rec->headerButton = rec->headerButtonBeforePress;
            InvalidateHeader(rec);
        }
        break;
    case kMouseColumnResize:
        rec->resizeColumn = -1;
        EraseDragFeedback(rec);
        break;
    case kMouseColumnDrag:
        rec->draggedColumn = -1;
        EraseDragFeedback(rec);
        if (rec->headerButton >= 0) {
            rec->headerButton = -1;
            InvalidateHeader(rec);
        }
        break;
    default:
        break;
    }
}

bool SetHeaderCursor(ControlRecord* rec) {
    if (!rec->showHeader) return false;
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(rec->hwndControl, &pt);
    RECT strip = HeaderStripRect(rec);
    if (!PtInRect(&strip, pt) || DividerColumnAt(rec, pt.x) < 0) return false;
    SetCursor(rec->cursorResize);
    return true;
}

extern "C" void CALLBACK QelBox_VScrollTimerProc(HWND control, UINT, UINT_PTR, DWORD) {
    // A timer of a window that is not a live control of ours is ignored.
    ENTER_CONTROL(control, );
    int cur = rec->curSel;
    int next = rec->autoScrollDown ? cur + 1 : cur - 1;
    if (cur >= rec->itemCount || next >= rec->itemCount || next < 0) return;
    if (next != rec->curSel) HighlightAndShow(rec, next);
    UpdateWindow(rec->hwndControl);
    if (rec->hwndDropDown) UpdateWindow(rec->hwndDropDown);
}

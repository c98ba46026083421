// Display properties of the rows (grid, 3-D look, tree lines, truncation
// marks, selection style) and the draw-info callback.
#include "model/columns.h"
#include "geometry/layout.h"
#include "base/diagnostics.h"

namespace {

int Flag(BOOL value) {
    return value ? 1 : 0;
}

// The 3-D look uses button colours for rows that still have the window
// colours, and back.
void SwapDefaultRowColors(ControlRecord* rec, bool on) {
    const DWORD windowText = QELBOX_SYSCOLOR(COLOR_WINDOWTEXT);
    const DWORD buttonText = QELBOX_SYSCOLOR(COLOR_BTNTEXT);
    const DWORD window = QELBOX_SYSCOLOR(COLOR_WINDOW);
    const DWORD face = QELBOX_SYSCOLOR(COLOR_BTNFACE);
    DWORD& text = rec->colors.colorText;
    DWORD& background = rec->colors.colorBackground;
    if (on) {
        if (text == windowText) text = buttonText;
        if (background == window) background = face;
    } else {
        if (text == buttonText) text = windowText;
        if (background == face) background = window;
    }
}

} // namespace

extern "C" {

int WINAPI QelBox_SetDrawInfoCallback(HWND control, const DrawInfoCallbackInfo* info) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    rec->drawInfoCallback = nullptr;
    rec->drawInfoUserData = 0;
    if (info) {
        rec->drawInfoCallback = info->callback;
        rec->drawInfoUserData = info->value;
    }
    return 1;
}

int WINAPI QelBox_GetShowGrid(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->showGrid;
}

void WINAPI QelBox_SetShowGrid(HWND control, BOOL show) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    if (rec->showGrid == Flag(show)) return;
    rec->showGrid = Flag(show);
    RecalcLayout(rec);
    InvalidateItem(rec, 0, true);
}

int WINAPI QelBox_GetGridStyle(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->gridStyle;
}

void WINAPI QelBox_SetGridStyle(HWND control, int style) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    if (style != QELBOX_GRID_VERTICAL && style != QELBOX_GRID_HORIZONTAL) style = QELBOX_GRID_BOTH;
    if (rec->gridStyle == style) return;
    rec->gridStyle = style;
    if (rec->showGrid) {
        RecalcLayout(rec);
        InvalidateItem(rec, 0, true);
    }
}

int WINAPI QelBox_GetShow3D(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->show3D;
}

void WINAPI QelBox_SetShow3D(HWND control, BOOL show) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    if (rec->show3D == Flag(show)) return;
    rec->show3D = Flag(show);
    SwapDefaultRowColors(rec, rec->show3D != 0);
    RecalcLayout(rec);
    InvalidateItem(rec, 0, true);
}

int WINAPI QelBox_GetShowTreeLines(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->showTreeLines;
}

void WINAPI QelBox_SetShowTreeLines(HWND control, BOOL show) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    if (rec->showTreeLines == Flag(show)) return;
    rec->showTreeLines = Flag(show);
    UpdateOverheadWidth(rec);
    InvalidateItemCells(rec, 0, true);
    InvalidateHeader(rec);
}

int WINAPI QelBox_GetShowTruncated(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->showTruncated;
}

void WINAPI QelBox_SetShowTruncated(HWND control, BOOL show) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    if (rec->showTruncated == Flag(show)) return;
    rec->showTruncated = Flag(show);
    InvalidateItemCells(rec, 0, true);
}

int WINAPI QelBox_GetSelectionStyle(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->selectionStyle;
}

void WINAPI QelBox_SetSelectionStyle(HWND control, int style) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    if (style < QELBOX_SELECTION_ROW || style > QELBOX_SELECTION_TEXT ||
        style == rec->selectionStyle)
        return;
    rec->selectionStyle = style;
    InvalidateItemCells(rec, 0, true);
}

int WINAPI QelBox_GetShowBitmaps(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->showBitmaps;
}

int WINAPI QelBox_GetShowLabels(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->showLabels;
}

} // extern "C"

// The control record: allocation, creation defaults and RepaintAll.
#include "base/record.h"

#include "base/liverecords.h"
#include "base/memory.h"
#include "base/module.h"
#include "base/view.h"
#include "base/resource.h"

int SystemMajorVersion() {
    return CurrentWindowsVersion().major;
}

ControlRecord* AllocRecord(HWND control) {
    if (QelAllocationRefused()) return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(ControlRecord));
    if (!block) return nullptr;
    ControlRecord* rec = static_cast<ControlRecord*>(GlobalLock(block));
    if (!rec || !AddLiveRecord(rec)) {
        if (rec) GlobalUnlock(block);
        GlobalFree(block);
        return nullptr;
    }
    SetWindowLongPtrA(control, 0, reinterpret_cast<LONG_PTR>(rec));
    rec->hwndControl = control;
    return rec;
}

void RecordWindowGone(HWND control, ControlRecord* rec) {
    RemoveLiveRecord(rec);
    SetWindowLongPtrA(control, 0, -1);
    rec->died = 1;
}

void FreeDeadRecord(ControlRecord* rec) {
    // Whatever an application added from a callback after WM_DESTROY had
    // released the record's contents goes now, without further callbacks.
    g_view.recordGone(rec);
    HGLOBAL block = GlobalHandle(rec);
    if (block) {
        GlobalUnlock(block);
        GlobalFree(block);
    }
}

namespace {

void SetDefaultColors(CtlColors& c) {
    const DWORD window = QELBOX_SYSCOLOR(COLOR_WINDOW);
    const DWORD windowText = QELBOX_SYSCOLOR(COLOR_WINDOWTEXT);
    const DWORD grayText = QELBOX_SYSCOLOR(COLOR_GRAYTEXT);
    const DWORD face = QELBOX_SYSCOLOR(COLOR_BTNFACE);
    const DWORD btnText = QELBOX_SYSCOLOR(COLOR_BTNTEXT);
    const DWORD shadow = QELBOX_SYSCOLOR(COLOR_BTNSHADOW);
    const DWORD highlight = QELBOX_SYSCOLOR(COLOR_BTNHIGHLIGHT);
    const bool modern = SystemMajorVersion() >= 4;

    c.colorBackground = window;
    c.colorText = windowText;
    c.colorDisabledText = grayText;
    c.colorAltBackground = QELBOX_COLOR_NONE;
    c.colorAltText = QELBOX_COLOR_NONE;
    c.colorSelBackground = QELBOX_SYSCOLOR(COLOR_HIGHLIGHT);
    c.colorSelText = QELBOX_SYSCOLOR(COLOR_HIGHLIGHTTEXT);
    c.color3DShadow = shadow;
    c.color3DHighlight = highlight;
    c.colorHeaderFace = face;
    c.colorHeaderText = btnText;
    c.colorHeaderDisabledText = grayText;
    c.colorHeaderShadow = shadow;
    c.colorHeaderHighlight = highlight;
    c.colorRowHeaderFace = face;
    c.colorRowHeaderText = btnText;
    c.colorRowHeaderSelFace = face;
    c.colorRowHeaderSelText = btnText;
    c.colorRowHeaderDisabledText = grayText;
    c.colorRowHeaderShadow = shadow;
    c.colorRowHeaderHighlight = highlight;
    c.colorCornerFace = face;
    c.colorCornerText = btnText;
    c.colorCornerDisabledText = grayText;
    c.colorCornerShadow = shadow;
    c.colorCornerHighlight = highlight;
    c.colorButtonFace = face;
    c.colorButtonArrow = btnText;
    c.colorButtonDisabledArrow = grayText;
    c.colorButtonLight = c.colorButtonFace;
    c.colorButtonShadow = shadow;
    c.colorButtonDarkShadow = modern ? QELBOX_SYSCOLOR(COLOR_3DDKSHADOW) : 0;
    c.colorButtonHighlight = modern ? highlight : 0x00FFFFFF;
    c.colorGridVertical = shadow;
    c.colorGridHorizontal = shadow;
    c.colorTreeLines = shadow;
    c.colorTreeLinesDisabled = shadow;
}

} // namespace

void SetRecordDefaults(ControlRecord* rec) {
    rec->dropDownPosition = kDropBelow;
    rec->topIndex = 0;
    rec->curSel = -1;
    rec->committedSel = -1;
    rec->gridStyle = QELBOX_GRID_BOTH;
    rec->showTruncated = 1;
    rec->cursorSelect = 1;
    rec->columnCount = 1;
    rec->openEnded = 1;
    rec->itemLines = 1;
    rec->dragType = 1;
    rec->resizeHeader = 1;
    rec->headerButton = -1;
    rec->pressedHeaderColumn = -1;
    rec->resizeColumn = -1;
    SetRectEmpty(&rec->dragFeedbackRect);
    rec->reorderColumns = 1;
    rec->showRowColHeaderButton = 1;
    rec->showRowHeader = 3;
    rec->droppedHeight = 6;
    SetDefaultColors(rec->colors);
    rec->cursorResize = LoadCursorA(g_module.module, MAKEINTRESOURCEA(IDC_QELBOX_COLRESIZE));
    rec->cursorDragMove = LoadCursorA(g_module.module, MAKEINTRESOURCEA(IDC_QELBOX_COLDRAG));
    rec->cursorDragNo = LoadCursorA(g_module.module, MAKEINTRESOURCEA(IDC_QELBOX_NODROP));
}

BOOL RepaintAll(ControlRecord* rec) {
    const UINT flags = RDW_INVALIDATE | RDW_NOERASE | RDW_FRAME;
    RedrawWindow(rec->hwndControl, nullptr, nullptr, flags);
    if (rec->hwndDropDown) RedrawWindow(rec->hwndDropDown, nullptr, nullptr, flags);
    if (rec->hwndEdit) RedrawWindow(rec->hwndEdit, nullptr, nullptr, flags);
    return g_view.editTextChanged(rec);
}

void Notify(ControlRecord* rec, int code) {
    HWND parent = GetParent(rec->hwndControl);
    if (!parent) return;
    int id = GetDlgCtrlID(rec->hwndControl);
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(rec->hwndControl));
}

bool NotifyUncancelled(ControlRecord* rec, int code) {
    rec->cancelModeSeen = 0;
    Notify(rec, code);
    return !rec->cancelModeSeen;
}

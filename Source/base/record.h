// The per-control record. Every control window owns exactly one; the
// window procedures and every exported function reach it through window
// long 0 of the control. Fields are in their fixed order; see record.cpp
// for the values they take when the control is created.
#pragma once

#include "qelbox.h"

// Integer minimum and maximum for the mixed int / LONG arithmetic of window
// geometry (the windows.h macros are switched off with NOMINMAX).
inline int min(int a, int b) {
    return a < b ? a : b;
}
inline int max(int a, int b) {
    return a > b ? a : b;
}

// Function pointer types of the scroll-info entry points of USER32, looked up
// at run time because older systems lack them.
typedef int(WINAPI* SetScrollInfoFn)(HWND, int, LPCSCROLLINFO, BOOL);
typedef BOOL(WINAPI* GetScrollInfoFn)(HWND, int, LPSCROLLINFO);

struct ControlRecord {
    HWND hwndControl;
    int isSimple;
    int fixedItemHeight;
    LCID locale;
    HWND hwndEdit;
    HWND hwndDropDown;
    int dropDownPosition;
    int topIndex;
    int curSel;
    int committedSel;
    int selectionStyle;
    int showTreeLines;
    int showLabels;
    int showBitmaps;
    int show3D;
    int showGrid;
    int gridStyle;
    int showTruncated;
    int cursorSelect;
    int extendedUI;
    int itemCount;
    QELBOX_FETCHPROC virtualFetch;
    QELBOX_RELEASEPROC virtualRelease;
    ItemRecord* virtualBuffer;
    int virtualFetchedIndex;
    QelData virtualUserData;
    int freeSlots;
    ItemRecord** items;
    int visible;
    int redrawAllowed;
    int editSyncDepth;
    int editSyncSuppress;
    int maxLevel;
    int columnCount;
    ColumnRecord* columns;
    ColumnRecord* columnsCopy;
    int overheadWidth;
    int openEnded;
    QELBOX_DRAWINFOPROC drawInfoCallback;
    QelData drawInfoUserData;
    HBRUSH backgroundBrush;
    HFONT font;
    TEXTMETRICA fontMetrics;
    int itemLines;
    int charWidth;
    int maxCharWidth;
    CtlColors colors; // the 37 colours, in the order of CtlColors
    BITMAP prototypeLabel;
    BITMAP prototypeBitmap;
    BITMAP cellBitmapPrototype;
    BITMAP headerBitmapInfo;
    BITMAP rowHeaderBitmapPrototype;
    BITMAP rowColBitmapInfo;
    int scrollTracking;
    int vScrollWanted;
    int vScrollEnabled;
    int hScrollWanted;
    int hScrollEnabled;
    int horizontalExtent;
    int horizontalOffset;
    SetScrollInfoFn pfnSetScrollInfo;
    GetScrollInfoFn pfnGetScrollInfo;
    int mouseMode;
    int mouseButton;
    int autoScrollDown;
    int autoScrollLeft;
    UINT_PTR timerId;
    int dragType;
    RECT cellRect;
    int caretColumn;
    HFONT editFont;
    TEXTMETRICA editFontMetrics;
    HFONT colHeaderFont;
    TEXTMETRICA colHeaderFontMetrics;
    int resizeHeader;
    int showHeader;
    int headerButton;
    int pressedHeaderColumn;
    int headerButtonBeforePress;
    HCURSOR cursorResize;
    int resizeColumn;
    RECT dragFeedbackRect;
    int reorderColumns;
    HCURSOR cursorDragMove;
    HCURSOR cursorDragNo;
    int draggedColumn;
    int mouseDownX;
    int mouseDownY;
    int dropButtonPressed;
    int showRowColHeaderButton;
    int rowColHeaderButton;
    HBITMAP rowColBitmap;
    int rowColHeaderStyle;
    int rowColBitmapStyle;
    char* rowColText;
    int rowColButtonBeforePress;
    HFONT rowHeaderFont;
    TEXTMETRICA rowHeaderFontMetrics;
    int rowHeaderWidth;
    int showRowHeader;
    int rowHeaderStyle;
    QELBOX_DELETEPROC deleteCallback;
    QelData deleteCallbackValue;
    int droppedHeight;
    int droppedWidth;
    int layoutSizing;
    int requestedHeight;
    int cancelModeSeen;
    int ignoreMouseMoves;
    HBITMAP fontBitmapTrueType;
    HBITMAP fontBitmapDevice;
    int fontLastIndex;
    int fontInsertPos;
    int fontAddedCount;
    int fontFilter;
    char* fontWeightNames;
    char* fontItalicSuffix;
    // Accessibility layer (Source/access): a rows-changed event owed, the
    // depth of compound operations holding events back, destruction begun.
    unsigned accState;
    // Summary of the item levels and the level memory of a paint
    // (items/levelindex.h); null until first needed.
    struct LevelIndex* levelIndex;
    // Column offsets by display position (geometry/columnoffsets.h); null
    // until the first columns are installed.
    struct ColumnOffsets* columnOffsets;
};

// The record of a control window (window long 0). Exported functions do not
// validate the handle: it must be a live control of this library.
inline ControlRecord* RecordOf(HWND control) {
    return reinterpret_cast<ControlRecord*>(GetWindowLongPtrA(control, 0));
}

// Allocates the zero-filled record of a new control window and stores it in
// window long 0; returns null when memory runs out.
ControlRecord* AllocRecord(HWND control);
// Frees the record of a window whose WM_NCDESTROY arrived; leaves -1 behind.
void FreeRecord(HWND control, ControlRecord* rec);
// Sets every field to its creation value (colours, sizes, flags, -1 indexes,
// cursors). The window-style-derived fields are set by WM_CREATE itself.
void SetRecordDefaults(ControlRecord* rec);

// Redraws control, list window and edit field, then brings the edit text up
// to date; returns the result of bringing the edit field up to date.
BOOL RepaintAll(ControlRecord* rec);

// Sends a WM_COMMAND notification with `code` to the control's parent.
void Notify(ControlRecord* rec, int code);

// True while layout, invalidation and row repainting may happen.
inline bool CanDraw(const ControlRecord* rec) {
    return rec->visible && rec->redrawAllowed;
}

// Window style helpers.
inline LONG ControlStyle(const ControlRecord* rec) {
    return GetWindowLongA(rec->hwndControl, GWL_STYLE);
}
inline int ControlType(const ControlRecord* rec) {
    return static_cast<int>(ControlStyle(rec) & QELBOXSTYLE_TYPEMASK);
}
inline bool IsVirtual(const ControlRecord* rec) {
    return rec->virtualFetch != nullptr;
}

// Major version of the system (low byte of GetVersion).
int SystemMajorVersion();

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

struct PendingDelete;

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
    // Lifetime: the number of exported calls and window messages of this
    // control in progress, set when WM_DESTROY has begun, and set when
    // WM_NCDESTROY has run. The memory is freed only when the window is gone
    // and no call is in progress, so that code which called out to the
    // application can still read `died` when it gets control back.
    int callDepth;
    int destroying;
    int died;
    // Items whose delete callback is running, innermost first (items.cpp).
    PendingDelete* pendingDeletes;
    // Set while the drop-down popup is being destroyed (its WM_DESTROY
    // notifies the application): nothing tries to close it a second time.
    int listClosing;
    // Changes whenever stored rows are inserted, removed or change level, so
    // that a sort can tell that its compare callback changed the rows.
    unsigned rowGeneration;
};

// The record stored in window long 0 of a window of the control classes:
// null before creation, -1 once the window is gone. Only for windows known
// to be ours (the window procedure); handles from the application go
// through EnterRecord.
inline ControlRecord* RecordOf(HWND control) {
    return reinterpret_cast<ControlRecord*>(GetWindowLongPtrA(control, 0));
}
inline bool IsLiveRecord(const ControlRecord* rec) {
    return rec && rec != reinterpret_cast<const ControlRecord*>(-1);
}

// The record of `control` when it is a live control of this library owned
// by the calling thread; otherwise null, with the last error set to
// ERROR_WINDOW_OF_OTHER_THREAD (a window of another thread) or
// ERROR_INVALID_WINDOW_HANDLE (anything else, including the edit field and
// the list window of a control).
ControlRecord* EnterRecord(HWND control);

// Keeps the record's memory alive while a call or message is in progress;
// the outermost scope of a control whose window is gone frees it.
class RecordScope {
  public:
    explicit RecordScope(ControlRecord* rec) : rec_(rec) { ++rec_->callDepth; }
    ~RecordScope();
    RecordScope(const RecordScope&) = delete;
    RecordScope& operator=(const RecordScope&) = delete;

  private:
    ControlRecord* rec_;
};

// The opening of every exported function that takes a control handle: binds
// `rec` to the control's record and keeps it alive for the call, or returns
// `failure` (nothing for a void function) when the handle is not a live
// control of the calling thread.
#define ENTER_CONTROL(control, failure)                                                            \
    ControlRecord* const rec = EnterRecord(control);                                               \
    if (!rec) return failure;                                                                      \
    const RecordScope recordScope(rec)

// True when the control's window was destroyed while a call that went out to
// the application (a callback or a notification) was in progress: the call
// must then end at once without touching anything but the record itself.
inline bool Died(const ControlRecord* rec) {
    return rec->died != 0;
}

// Allocates the zero-filled record of a new control window and stores it in
// window long 0; returns null when memory runs out.
ControlRecord* AllocRecord(HWND control);
// WM_NCDESTROY: leaves -1 in window long 0 and marks the record dead; the
// memory goes when the last scope on it ends.
void RecordWindowGone(HWND control, ControlRecord* rec);
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

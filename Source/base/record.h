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
// The mouse operation in progress (`mouseMode`).
enum MouseMode {
    kMouseNone = 0,         // no operation
    kMouseDropButton = 1,   // the drop-down button is held
    kMouseCornerButton = 2, // the row/column corner button is held
    kMouseHeaderButton = 3, // a column header button is held
    kMouseColumnResize = 4, // a column divider is dragged
    kMouseColumnDrag = 5,   // a column header is dragged to a new position
    kMouseList = 6,         // a click or drag in the list
};

// The button that started the mouse operation (`mouseButton`).
enum MouseButton {
    kButtonNone = 0,
    kButtonLeft = 1,
    kButtonMiddle = 2,
    kButtonRight = 3,
};

// Where the drop-down prefers to open (`dropDownPosition`); it opens on the
// other side when that side has more room.
enum DropPosition {
    kDropAbove = 0,
    kDropBelow = 1,
};

typedef int(WINAPI* SetScrollInfoFn)(HWND, int, LPCSCROLLINFO, BOOL);
typedef BOOL(WINAPI* GetScrollInfoFn)(HWND, int, LPSCROLLINFO);

// One per control window: every piece of state of the control. Fields keep
// this order; each says what it means, its values, and which files write it
// ("set at creation" = record.cpp's SetRecordDefaults or the WM_CREATE
// handler in window/wndproc.cpp). Fields not set at creation start as 0.
struct PendingDelete;
struct VirtualText;
struct StoredRow;

// A row as the control reads it: a stored item, the UTF-16 record of a
// virtual application, or the UTF-16 form of an ANSI virtual record. Texts
// are UTF-16 throughout the control.
typedef ItemRecordW Item;

struct ControlRecord {
    // ---- Windows and type -------------------------------------------------
    HWND hwndControl;    // the control window itself; never changes (record.cpp)
    int isSimple;        // 1 for QELBOXSTYLE_SIMPLE: the list is a permanent child (wndproc.cpp)
    int fixedItemHeight; // 1 unless QELBOXSTYLE_VARIABLE: all rows equally high (wndproc.cpp)
    LCID locale;         // locale of text comparisons (sort.cpp, wndproc.cpp)
    HWND hwndEdit;       // the edit field; null for the drop-down-list type (editfield.cpp)
    // Simple type: the permanent list. Other types: the open drop-down,
    // null while closed, so non-null means dropped (dropdown.cpp, listwnd.cpp).
    HWND hwndDropDown;
    int dropDownPosition; // DropPosition the drop-down prefers (record.cpp, rects.cpp)

    // ---- Scrolling and the two selections (model/selection.cpp) -----------
    int topIndex; // first row shown in the list (layout.cpp, items.cpp)
    // Highlighted row, -1 = none; changes only through selection.cpp.
    int curSel;
    // Committed row shown in the closed control and the edit field, -1 =
    // none; equals curSel while a drop-down is closed; selection.cpp only.
    int committedSel;

    // ---- Display options (paint/properties.cpp unless noted) ---------------
    int selectionStyle; // QELBOX_SELECTION_ROW, _CELLS or _TEXT
    int showTreeLines;  // 0/1: tree lines in the first column
    int showLabels;     // 0/1: item labels shown; set with the list-wide label (itemprops.cpp)
    int showBitmaps;    // 0/1: item bitmaps shown; set with the list-wide bitmap (itemprops.cpp)
    int show3D;         // 0/1: three-dimensional rows
    int showGrid;       // 0/1: grid lines
    int gridStyle;      // QELBOX_GRID_VERTICAL, _HORIZONTAL or _BOTH (default both)
    int showTruncated;  // 0/1: truncated cell text ends in "..." (default 1)
    int cursorSelect;   // 0/1: the highlight follows the mouse in the list (default 1)
    int extendedUI;     // 0/1: Down opens the list, F4 does nothing (editfield.cpp)

    // ---- Items (model/items.cpp, model/virtual.cpp) -----------------------
    int itemCount; // number of rows (items.cpp, virtual.cpp)
    // Virtual mode's callbacks: the ANSI pair of QelBox_VirtualInitialize or
    // the UTF-16 pair of QelBox_VirtualInitialize_W; a fetch callback of
    // either kind = virtual mode. The release callbacks may be null.
    QELBOX_FETCHPROC virtualFetch;
    QELBOX_RELEASEPROC virtualRelease;
    QELBOX_FETCHPROCW virtualFetchW;
    QELBOX_RELEASEPROCW virtualReleaseW;
    // Virtual mode: the application's record last fetched (Item or
    // ItemRecordW by the callbacks' kind), as handed over (items.cpp).
    void* virtualBuffer;
    Item* virtualItem;        // virtual mode: that record as the control reads it (items.cpp)
    VirtualText* virtualText; // UTF-16 copies of an ANSI record's texts, owned (items.cpp)
    int virtualFetchedIndex;  // virtual mode: its index, -1 = none (items.cpp)
    QelData virtualUserData;  // virtual mode: passed to both callbacks
    int freeSlots;            // spare entries at the end of `items` (items.cpp)
    StoredRow** items;        // stored rows in row order, owned; null while none
    // A stored row as GetItem hands it out: filled from the row at each
    // call (items.cpp).
    Item storedView;

    // ---- Drawing permission and edit-field synchronisation ----------------
    // 0/1: WS_VISIBLE; layout and invalidation happen only while both this
    // and redrawAllowed are set (wndproc.cpp).
    int visible;
    int redrawAllowed; // 0/1: cleared and set by WM_SETREDRAW (wndproc.cpp)
    // Non-zero while SyncEditText writes the edit field, whose change
    // notifications are then ignored; a CountScope (editfield.cpp).
    int editSyncDepth;
    // Non-zero while SyncEditText must leave the edit text alone; a
    // CountScope around focus changes and typed text (wndproc.cpp).
    int editSyncSuppress;

    // ---- Tree and columns (model/) ------------------------------------------
    int maxLevel;           // deepest item level present (items.cpp, treeops.cpp, optimal.cpp)
    int columnCount;        // number of columns, at least 1 after creation (columns.cpp)
    ColumnRecordW* columns; // the columnCount column records, owned (columns.cpp; widths
                            // also optimal.cpp, headerdrag.cpp)
    void* columnsCopy;      // copy handed out by QelBox_GetColumns(_W), owned (columns.cpp)
    // Width of the label, tree and bitmap area before the first column's
    // text, in pixels (layout.cpp; reset by items.cpp when emptied).
    int overheadWidth;
    int openEnded; // 0/1: the last visible column reaches the right edge (default 1; rects.cpp)
    QELBOX_DRAWINFOPROC drawInfoCallback; // called before each row is painted; null = none
    QelData drawInfoUserData;             // passed to drawInfoCallback

    // ---- Fonts and colours ------------------------------------------------------
    HBRUSH backgroundBrush;  // solid brush of colors.colorBackground, owned (colors.cpp)
    HFONT font;              // the control font of WM_SETFONT, not owned (wndproc.cpp)
    TEXTMETRICA fontMetrics; // metrics of `font` (wndproc.cpp)
    int itemLines;           // text lines per row, default 1 (rects.cpp)
    int charWidth;           // average character width of `font` (wndproc.cpp)
    int maxCharWidth;        // widest character of `font` (wndproc.cpp)
    CtlColors colors;        // the 37 colours, in the order of CtlColors (colors.cpp)

    // ---- Bitmap descriptions (all zero = none) ------------------------------
    BITMAP prototypeLabel;           // list-wide label bitmap (itemprops.cpp)
    BITMAP prototypeBitmap;          // list-wide item bitmap (itemprops.cpp)
    BITMAP cellBitmapPrototype;      // list-wide cell bitmap (cellinfo.cpp)
    BITMAP headerBitmapInfo;         // a column header bitmap (columns.cpp, headers.cpp)
    BITMAP rowHeaderBitmapPrototype; // list-wide row-header bitmap (itemprops.cpp)
    BITMAP rowColBitmapInfo;         // rowColBitmap (rowheaders.cpp, headers.cpp)

    // ---- Scroll bars (geometry/scrollbars.cpp, geometry/hscroll.cpp) -------
    // 0/1: inside a scroll-bar operation of the list window, when scroll
    // ranges are left alone; a FlagScope (listwnd.cpp).
    int scrollTracking;
    int vScrollWanted;    // 0/1: created with WS_VSCROLL, which the list gets (wndproc.cpp)
    int vScrollEnabled;   // 0/1: the vertical bar is enabled (wndproc.cpp)
    int hScrollWanted;    // 0/1: created with WS_HSCROLL, which the list gets (wndproc.cpp)
    int hScrollEnabled;   // 0/1: the horizontal bar is enabled (wndproc.cpp)
    int horizontalExtent; // scrollable width of the list in pixels (hscroll.cpp)
    int horizontalOffset; // horizontal scroll position in pixels (hscroll.cpp, items.cpp)
    SetScrollInfoFn pfnSetScrollInfo; // USER32's SetScrollInfo when present (wndproc.cpp)
    GetScrollInfoFn pfnGetScrollInfo; // USER32's GetScrollInfo when present (wndproc.cpp)

    // ---- Mouse operations (window/mouse.cpp, window/headerdrag.cpp) -------
    int mouseMode;      // MouseMode in progress (mouse.cpp, listwnd.cpp, wndproc.cpp)
    int mouseButton;    // MouseButton that started it (mouse.cpp, listwnd.cpp, wndproc.cpp)
    int autoScrollDown; // 0/1: the list's auto-scroll runs towards the end (mouse.cpp)
    int autoScrollLeft; // 0/1: the header auto-scroll runs to the left (headerdrag.cpp)
    UINT_PTR timerId;   // running auto-scroll timer, 0 = none (mouse.cpp)
    int dragType;       // drag behaviour in the list; 1 by default (headerdrag.cpp)
    RECT cellRect;      // result buffer of QelBox_GetCellRect (rects.cpp)
    // Column under the last click in the list or the closed control, -1
    // beyond the columns (mouse.cpp).
    int caretColumn;
    // First half of a surrogate pair typed into the closed control, waiting
    // for its second half (keyboard.cpp); 0 = none.
    wchar_t pendingLeadSurrogate;

    // ---- Edit field and column headers -----------------------------------------
    HFONT editFont; // edit field and closed-control font; null = `font`; not owned (editfield.cpp)
    TEXTMETRICA editFontMetrics;      // metrics of editFont (editfield.cpp)
    HFONT colHeaderFont;              // column header font, not owned (fontmetrics.cpp)
    TEXTMETRICA colHeaderFontMetrics; // its metrics (fontmetrics.cpp)
    int resizeHeader;                 // 0/1: columns can be resized with the mouse (default 1)
    int showHeader;                   // QELBOX_SHOWHEADER_NONE, _RAISED or _SUNKEN (columns.cpp)
    int headerButton;        // column drawn as the pressed header button, -1 = none (columns.cpp,
                             // mouse.cpp)
    int pressedHeaderColumn; // header being pressed with the mouse, -1 = none (mouse.cpp)
    int headerButtonBeforePress; // headerButton when that press started (mouse.cpp)
    HCURSOR cursorResize;        // cursor over a column divider (module cursor 32623)
    int resizeColumn;            // column being resized, -1 = none (mouse.cpp)
    RECT dragFeedbackRect;  // inverted feedback of a resize or drag; empty = none (headerdrag.cpp)
    int reorderColumns;     // 0/1: headers can be dragged to reorder columns (default 1)
    HCURSOR cursorDragMove; // cursor while a column is dragged (module cursor 32621)
    HCURSOR cursorDragNo;   // cursor where it cannot be dropped (module cursor 32620)
    int draggedColumn;      // column being dragged (mouse.cpp)
    int mouseDownX;         // button-down point of a header press or drag (mouse.cpp)
    int mouseDownY;
    int dropButtonPressed; // 0/1: the drop-down button is drawn pressed (mouse.cpp)

    // ---- Row headers and the corner (geometry/rowheaders.cpp) ----------------
    int showRowColHeaderButton;       // 0/1: the corner header acts as a button (default 1)
    int rowColHeaderButton;           // 0/1: the corner button is drawn pressed (also mouse.cpp)
    HBITMAP rowColBitmap;             // corner bitmap, not owned
    int rowColHeaderStyle;            // corner header style flags
    int rowColBitmapStyle;            // corner bitmap placement flags
    wchar_t* rowColText;              // corner text, owned heap string (freed by wndproc.cpp)
    int rowColButtonBeforePress;      // rowColHeaderButton when a corner press started (mouse.cpp)
    HFONT rowHeaderFont;              // row header font, not owned
    TEXTMETRICA rowHeaderFontMetrics; // its metrics
    int rowHeaderWidth;               // row header width in pixels, 0 = no row headers
    int showRowHeader;                // row header mode 0..6 (default 3)
    int rowHeaderStyle;               // row header style flags

    // ---- Item deletion, drop-down size, sizing (model/, geometry/) ----------
    QELBOX_DELETEPROC deleteCallback; // called before a stored item is freed (items.cpp)
    QelData deleteCallbackValue;      // passed to deleteCallback (items.cpp)
    int droppedHeight;   // drop-down height: rows (> 0) or pixels (< 0); default 6 (layout.cpp)
    int droppedWidth;    // drop-down width: pixels (> 0), percent (< 0), 0 = control's (layout.cpp)
    int layoutSizing;    // non-zero while the layout itself sizes the control (placement.cpp)
    int requestedHeight; // client height of the last WM_SIZE the layout did not cause (wndproc.cpp)
    // 0/1: set by WM_CANCELMODE (wndproc.cpp); NotifyUncancelled clears it
    // before a notification and tests it after.
    int cancelModeSeen;
    int ignoreMouseMoves; // WM_MOUSEMOVE messages the list ignores (placement.cpp, listwnd.cpp)

    // ---- Font lists (fonts/) -------------------------------------------------------
    HBITMAP fontBitmapTrueType;      // marker of TrueType faces (wndproc.cpp)
    HBITMAP fontBitmapDevice;        // marker of device faces (wndproc.cpp)
    int fontLastIndex;               // index of the last face inserted (fontfaces.cpp)
    int fontInsertPos;               // first index receiving faces in this call (fontfaces.cpp)
    int fontAddedCount;              // faces inserted in this call (fontfaces.cpp)
    int fontFilter;                  // filter flags of this call (fontfaces.cpp)
    const wchar_t* fontWeightNames;  // comma-separated weight names, borrowed (fontstyles.cpp)
    const wchar_t* fontItalicSuffix; // suffix of italic style names, borrowed (fontstyles.cpp)

    // ---- Accessibility (base/accevents.cpp) ----------------------------------------
    // A rows-changed event owed, the depth of compound operations holding
    // events back, destruction begun.
    unsigned accState;

    // ---- Paint-time summaries (model/) ---------------------------------------------
    // Summary of the item levels, the learnt levels of a virtual list and
    // the answers of a paint (levelindex.cpp); null until first needed.
    struct LevelIndex* levelIndex;
    // Counts every change of the levels the index may have seen: a scan
    // that fetched rows compares it to see whether what it read still holds.
    unsigned levelGeneration;
    // Column offsets by display position (columnoffsets.cpp); null until the
    // first columns are installed.
    struct ColumnOffsets* columnOffsets;
    // Brushes and pens of the list paint in progress (paint/brushes.cpp);
    // null outside one.
    struct PaintObjects* paintObjects;

    // ---- Lifetime and re-entrance (record.cpp, items.cpp, dropdown.cpp) ------------
    // The number of exported calls and window messages of this control in
    // progress, set when WM_DESTROY has begun, and set when WM_NCDESTROY has
    // run. The memory is freed only when the window is gone and no call is in
    // progress, so that code which called out to the application can still
    // read `died` when it gets control back.
    int callDepth;
    int destroying;
    int died;
    // Items whose delete callback is running, innermost first (items.cpp).
    PendingDelete* pendingDeletes;
    // Set while the drop-down popup is being destroyed (its WM_DESTROY
    // notifies the application): nothing tries to close it a second time.
    int listClosing;
    // Changes whenever stored rows are inserted, removed, change level or
    // get a new cell text, so that a sort can tell that its compare callback
    // changed the rows.
    unsigned rowGeneration;
};

// The record stored in window long 0 of a window of the control classes:
// null before creation, -1 once the window is gone. Only for windows known
// to be ours (the window procedure); handles from the application go
// through EnterRecord.
inline ControlRecord* RecordOf(HWND control) {
    return reinterpret_cast<ControlRecord*>(GetWindowLongPtrA(control, 0));
}

// The record of `control` when it is a live control of this library owned
// by the calling thread; otherwise null, with the last error set to
// ERROR_WINDOW_OF_OTHER_THREAD (a window of another thread) or
// ERROR_INVALID_WINDOW_HANDLE (anything else, including the edit field and
// the list window of a control). It reads window long 0 once and looks the
// pointer up in the calling thread's set of live records before using it
// (base/liverecords.cpp).
ControlRecord* EnterRecord(HWND control);

// Frees the record of a control whose window is gone once the last call or
// message in progress on it has ended.
void FreeDeadRecord(ControlRecord* rec);

// Keeps the record's memory alive while a call or message is in progress;
// the outermost scope of a control whose window is gone frees it.
class RecordScope {
  public:
    explicit RecordScope(ControlRecord* rec) : rec_(rec) { ++rec_->callDepth; }
    // Inline: every export ends here.
    ~RecordScope() {
        if (--rec_->callDepth <= 0 && rec_->died) FreeDeadRecord(rec_);
    }
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
// Notifies `code` and tells whether the receiver let the operation go on:
// false when WM_CANCELMODE reached the control while the parent handled it.
bool NotifyUncancelled(ControlRecord* rec, int code);

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
    return rec->virtualFetch != nullptr || rec->virtualFetchW != nullptr;
}

// Major version of the system (low byte of GetVersion).
int SystemMajorVersion();

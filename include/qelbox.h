/*
 * qelbox.h - public interface of QelBox (qelbox32.dll for 32-bit
 * applications, qelbox64.dll for 64-bit ones).
 *
 * QelBox provides the window class "RqCombo": a multi-column, hierarchical
 * combo box in three types (simple, drop-down, drop-down list). Create it as
 * a child window with CreateWindowExA("RqCombo", ...) or from a dialog
 * template, then drive it through the QelBox_* functions below. Every
 * function takes the control's window handle first. The control reports
 * user actions to its parent as WM_COMMAND with
 * wParam = MAKEWPARAM(control id, QELBOXN_* code), lParam = control.
 *
 * Usable from C and C++. All functions use the __stdcall convention (the
 * only convention on x86-64) and are exported under their plain names by
 * both DLLs. The two DLLs have the same window classes, functions,
 * notifications and resources; on 64-bit, values that belong to the
 * application (QelData: item data, cell data, callback user values) are
 * 64 bits wide, and the exchanged structures grow accordingly (see the
 * layout checks below).
 *
 * Wrong handles. Every function that takes a control handle (and the two
 * timer procedures) first checks it: it must be a live "RqCombo" or
 * registered application control of this library, owned by the calling
 * thread. The edit field's and the list window's handles are not control
 * handles. Any other handle makes the function return its failure value and
 * do nothing else; GetLastError() is then ERROR_WINDOW_OF_OTHER_THREAD for a
 * control of another thread and ERROR_INVALID_WINDOW_HANDLE otherwise. The
 * failure value is the one the function returns for a bad index or argument:
 *   -1  (QelBox_GetCount,
 *       QelBox_GetCurSel, QelBox_GetTopIndex, QelBox_GetHeaderButton,
 *       QelBox_GetCaretColumn, QelBox_GetDroppedHeight/Width,
 *       QelBox_FindString*, QelBox_SelectString*, QelBox_AddString_A,
 *       QelBox_InsertString_A, QelBox_DeleteString, QelBox_DeleteDependents,
 *       QelBox_CopyItem, QelBox_MoveItem, QelBox_FindItem, QelBox_GetText_A,
 *       QelBox_GetTextLength, QelBox_GetRowText_A, QelBox_GetRowTextLength,
 *       QelBox_GetHeader_A, QelBox_GetHeaderLength, QelBox_GetItemLevel,
 *       QelBox_GetParent, QelBox_GetTopParent, QelBox_GetDependent,
 *       QelBox_GetDependentCount, QelBox_GetSibling, QelBox_SetItemData,
 *       QelBox_SetCurSel, QelBox_SetTopIndex, QelBox_SetDroppedHeight/Width,
 *       QelBox_GetItemRect, QelBox_GetDroppedControlRect, QelBox_CalcIndexFromPoint,
 *       QelBox_GetItemHeight, QelBox_CalcOptimalColumnWidth, QelBox_Fonts,
 *       QelBox_ShowDropDown, QelBox_LimitText, QelBox_GetEditSel,
 *       QelBox_SetEditSel, and the _W twins of these); QelBox_GetItemData
 *       returns (QelData)-1;
 *   NULL functions returning a handle or a pointer;
 *   0   all other functions with a result (setters returning 1 on success,
 *       property getters, QelBox_GetLocale/SetLocale,
 *       QelBox_DefaultCompareProc);
 *   functions without a result do nothing.
 *
 * Re-entrance. Callbacks (delete, compare, fetch, release, draw-info) and
 * notification handlers may call any function on the control, including
 * DestroyWindow. The call in progress then continues from the control's
 * current state: a deletion whose delete callback removed other rows still
 * deletes its own row and no other; rows are never fetched outside the
 * current count; the highlighted and the committed row always lie inside
 * it (a selection whose repaint lets a callback move the highlight commits
 * the row highlighted afterwards, and a row taken away meanwhile is neither
 * highlighted nor committed); a sort whose compare callback changed the rows or a cell
 * text stops and returns 0. When the control was destroyed meanwhile, the
 * call in progress returns its failure value at once. A control destroyed
 * while its list is being cleared still reports every item it held to the
 * delete callback.
 * Functions called on the control from inside its own WM_DESTROY processing
 * (its clearing, its close-up notification) work; what they add is freed
 * with the control.
 *
 * Item levels: an item's level is 0..63. QelBox_SetItemLevel stores a level
 * above 63 as 63 (and a negative level as 0); the deepest level recorded for
 * the tree area is then 63 as well.
 */
#ifndef QELBOX_H
#define QELBOX_H

#include <stddef.h>
#include <windows.h>
#include <custcntl.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef QELBOX_BUILDING_DLL
#define QELBOXAPI
#else
#define QELBOXAPI __declspec(dllimport)
#endif

/* Compile-time layout checks that work in C89, C11 and C++. */
#define QELBOX_CONCAT_(a, b) a##b
#define QELBOX_CONCAT(a, b) QELBOX_CONCAT_(a, b)
#define QELBOX_STATIC_ASSERT(cond, tag)                                                            \
    typedef char QELBOX_CONCAT(qelbox_static_assert_, tag)[(cond) ? 1 : -1]
#define QELBOX_OFFSETOF(type, field) offsetof(type, field)

/* ------------------------------------------------------------------ */
/* Window class names                                                  */
/* ------------------------------------------------------------------ */
#define QELBOX_CLASSNAME "RqCombo"
#define QELBOX_APPCLASSNAME "QelBoxControl"
#define QELBOX_DROPDOWNCLASSNAME "QelBoxDropDown"
#define QELBOX_EDITCLASSNAME "QelBoxCtl"
/* The same names as UTF-16 strings, for CreateWindowExW. The classes are
   Unicode window classes (IsWindowUnicode is true for their windows). */
#define QELBOX_CLASSNAMEW L"RqCombo"
#define QELBOX_APPCLASSNAMEW L"QelBoxControl"
#define QELBOX_DROPDOWNCLASSNAMEW L"QelBoxDropDown"
#define QELBOX_EDITCLASSNAMEW L"QelBoxCtl"

/* Control ids of the child windows */
#define QELBOX_EDIT_ID 100
#define QELBOX_LIST_ID 101

/* ------------------------------------------------------------------ */
/* Window styles                                                       */
/* ------------------------------------------------------------------ */
#define QELBOXSTYLE_SIMPLE 0x0000L
#define QELBOXSTYLE_DROPDOWN 0x0001L
#define QELBOXSTYLE_DROPDOWNLIST 0x0002L
#define QELBOXSTYLE_TYPEMASK 0x0003L
#define QELBOXSTYLE_ALIGNBOTTOM 0x0010L
#define QELBOXSTYLE_ALIGNCENTER 0x0020L
#define QELBOXSTYLE_ALIGNMASK 0x0070L
#define QELBOXSTYLE_VARIABLE 0x0800L
#define QELBOXSTYLE_AUTOHSCROLL 0x1000L
#define QELBOXSTYLE_LEFTBUTTONONLY 0x2000L
#define QELBOXSTYLE_DISABLENOSCROLL 0x4000L

/* ------------------------------------------------------------------ */
/* Notifications (WM_COMMAND to the parent, code in HIWORD of wParam)  */
/* ------------------------------------------------------------------ */
/* The control sends each notification with SendMessage to its parent
   window (nothing when it has none): WM_COMMAND, wParam = MAKEWPARAM(control
   id, code), lParam = the control. The result is not read. Notifications
   are sent synchronously from inside the call or message that causes them,
   in the order listed for each action:

   - Giving the focus to a control with an edit field: QELBOXN_KILLFOCUS
     (the control passes the focus on to its edit field), then
     QELBOXN_SETFOCUS.
   - Opening the drop-down (button, F4, Alt+Down, QelBox_ShowDropDown):
     QELBOXN_DROPDOWN, then QELBOXN_DROPDOWNOPEN. A parent that sends
     WM_CANCELMODE to the control while handling QELBOXN_DROPDOWN keeps it
     closed.
   - Closing it accepting (Enter, F4, Alt+Up/Down, a click on a row):
     QELBOXN_CLOSEUPOK, QELBOXN_DROPDOWNDESTROY, QELBOXN_SELCHANGE. A click
     with the left button first sends its click code (35 on a row).
   - Closing it cancelling (Escape, a second click on the button, focus
     loss, hiding, disabling, a change of the items or columns):
     QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY; the highlight returns
     to the committed row, no QELBOXN_SELCHANGE.
   - A row key on the closed control (arrows, Page Up/Down, Home, End) or a
     typed character that finds a row: QELBOXN_SELCHANGE when the row
     changes. QelBox_SetCurSel: always QELBOXN_SELCHANGE.
   - Typing in the edit field: QELBOXN_EDITUPDATE before the text is shown,
     then QELBOXN_EDITCHANGE after the selection has been matched to it.
   - A right click on a row of the open list: the click code (75), then the
     accepting close (QELBOXN_CLOSEUPOK, QELBOXN_DROPDOWNDESTROY,
     QELBOXN_SELCHANGE), then QELBOXN_RBUTTONUP.
   - Scrolling (scroll bars, wheel, keys, auto-scroll): QELBOXN_TOPINDEXCHANGE
     or QELBOXN_HSCROLLCHANGE after the position has changed, never when it
     stays. QelBox_SetTopIndex and QelBox_SetHorizontalOffset send none. */
/* The control window lost the focus (after its own processing), or its edit
   field did (before its processing). */
#define QELBOXN_KILLFOCUS 2
/* The control received the focus (after passing it to its edit field). */
#define QELBOXN_SETFOCUS 3
/* The committed selection was set: QelBox_SetCurSel, QelBox_SelectString_A,
   an accepting close-up, a row key or character on the closed control,
   QelBox_VirtualCount clearing the selection. Sent even when the row did
   not change. */
#define QELBOXN_SELCHANGE 5
/* The list's top row changed through the scroll bar, the wheel, keys or a
   row made visible. */
#define QELBOXN_TOPINDEXCHANGE 6
/* The user finished resizing a column with the mouse. */
#define QELBOXN_COLUMNRESIZED 8
/* The user dropped a dragged column header at a new position. */
#define QELBOXN_COLUMNSREORDERED 9
/* The horizontal offset changed through the user or automatic scrolling. */
#define QELBOXN_HSCROLLCHANGE 10
/* Every WM_MOUSEMOVE over the control or its list window, before it is
   processed. */
#define QELBOXN_MOUSEMOVE 11
/* The width of the label, tree and bitmap area changed. */
#define QELBOXN_OVERHEADWIDTHCHANGE 12
/* After every WM_SIZE of the control. */
#define QELBOXN_SIZE 14
/* The edit field is about to show changed text (EN_UPDATE); not sent while
   the control itself writes the edit text. */
#define QELBOXN_EDITUPDATE 15
/* The user changed the edit text (EN_CHANGE), after a row whose first cell
   equals it (ignoring case) has been committed without notification, or
   the committed selection cleared when none does. */
#define QELBOXN_EDITCHANGE 16
/* The drop-down list window has been created. */
#define QELBOXN_DROPDOWNOPEN 17
/* The drop-down list window is being destroyed. */
#define QELBOXN_DROPDOWNDESTROY 18
/* The drop-down is about to open. */
#define QELBOXN_DROPDOWN 19
/* The drop-down closes and its highlighted row is accepted. */
#define QELBOXN_CLOSEUPOK 20
/* The drop-down closes without accepting. */
#define QELBOXN_CLOSEUPCANCEL 21
/* The right button was released over the control or its list. */
#define QELBOXN_RBUTTONUP 22

/* Mouse click codes (30 .. 158) are sums: button + optional DBLCLK +
   optional ONCONTROL + zone. They are sent when a button goes down on a
   row, a row header or the closed control's display area, or is released
   on a pressed column header or corner button. Examples: 35 a left click
   on a row, 45 a left double click on a row, 76 a right-button release on
   a column header, 105 a left click on the closed control's display. */
#define QELBOXN_LBUTTON 30
#define QELBOXN_MBUTTON 50
#define QELBOXN_RBUTTON 70
#define QELBOXN_DBLCLK 10
#define QELBOXN_ONCONTROL 70
#define QELBOXN_ZONE_LABEL 0
#define QELBOXN_ZONE_TREE 2
#define QELBOXN_ZONE_BITMAP 4
#define QELBOXN_ZONE_ITEM 5
#define QELBOXN_ZONE_HEADER 6
#define QELBOXN_ZONE_ROWCOLHEADER 7
#define QELBOXN_ZONE_ROWHEADER 8

/* Private message posted by the hooks: close the drop-down, cancelling. */
#define QELBOX_WM_CLOSEDROPDOWN (WM_USER + 100)

/* Codes of QelBox_GetDependent / QelBox_GetSibling */
#define QELBOX_FIRST 1
#define QELBOX_LAST 2
#define QELBOX_PREVIOUS 3
#define QELBOX_NEXT 4

/* ColorRef: an RGB value, or 0x80000000 + COLOR_xxx for a system colour;
   QELBOX_COLOR_NONE means "not set" where a fallback exists. */
typedef DWORD QelColorRef;

/* QelData: a value that belongs to the application (item data, cell data,
   the user values of the delete, draw-info and virtual-mode callbacks, the
   values handed to the compare callbacks). It is pointer-sized, as Win32's
   own item data is, so that a 64-bit application can keep a pointer there:
   DWORD in qelbox32.dll, DWORD_PTR (64 bits) in qelbox64.dll. */
#ifdef _WIN64
typedef DWORD_PTR QelData;
#else
typedef DWORD QelData;
#endif
#define QELBOX_SYSCOLOR(index) (0x80000000UL | (DWORD)(index))
#define QELBOX_COLOR_NONE 0xFFFFFFFFUL

/* Cell style bits (ColumnRecord.style, row-header and corner styles) */
#define QELBOX_ALIGN_LEFT 0x0
#define QELBOX_ALIGN_CENTER 0x1
#define QELBOX_ALIGN_RIGHT 0x2
#define QELBOX_MULTILINE 0x4
/* Header style bits (ColumnRecord.headerStyle, row-header, corner) */
#define QELBOX_HEADER_PUSHBUTTON 0x40
#define QELBOX_HEADER_DISABLED 0x80
/* Bitmap placement bits (bitmapStyle fields) */
#define QELBOX_BITMAP_CENTER 0x1
#define QELBOX_BITMAP_RIGHT 0x2
/* ColumnRecord.columnFlags */
#define QELBOX_COLUMN_FIXEDWIDTH 0x1
#define QELBOX_COLUMN_FIXEDPOSITION 0x2

/* Item flags: bit 0 enabled, bits 1-6 level */
#define QELBOX_ITEM_ENABLED 0x1UL
#define QELBOX_ITEM_LEVELSHIFT 1
#define QELBOX_ITEM_LEVELMASK 0x7EUL
#define QELBOX_MAXLEVEL 63

/* ------------------------------------------------------------------ */
/* Structures exchanged with the application                           */
/* ------------------------------------------------------------------ */

/* Per-cell display overrides, one record per column in an item's cellInfo
   array (packed to 2 bytes). Stored items: the control owns the array and
   fills it through QelBox_SetCellInfo. Virtual mode: the application's
   ItemRecord may point to its own array, which the control only reads.
   Colours QELBOX_COLOR_NONE fall back to the column's and then the
   control's colours; font 0 is the control's font; font and bitmap are not
   owned (the application deletes them after use). */
#pragma pack(push, 2)
typedef struct CellInfoRecord {
    QelColorRef colorBackground;
    QelColorRef colorText;
    QelColorRef colorSelBackground;
    QelColorRef colorSelText;
    QelData cellData;
    HFONT font;
    HBITMAP bitmap;
    WORD bitmapStyle;
} CellInfoRecord;

/* QelBox_GetCellInfo / QelBox_SetCellInfo: the caller fills version, index
   and column; Get writes the remaining fields, Set reads them (see those
   functions). */
typedef struct CellInfo {
    DWORD version; /* must be 1 */
    int index;     /* item; -1 in QelBox_SetCellInfo: list-wide cell bitmap */
    int column;
    QelColorRef colorBackground;
    QelColorRef colorText;
    QelColorRef colorSelBackground;
    QelColorRef colorSelText;
    QelData cellData;
    HFONT font;
    HBITMAP bitmap;
    WORD bitmapStyle;
} CellInfo;
#pragma pack(pop)

/* Per-row overrides of the row header. Stored items: allocated and owned by
   the control (QelBox_SetRowInfo). Virtual mode: the application's
   ItemRecord may point to its own block, which the control only reads. The
   bitmap is not owned. */
typedef struct RowInfoBlock {
    QelColorRef colorBackground;
    QelColorRef colorText;
    QelColorRef colorSelBackground;
    QelColorRef colorSelText;
    HBITMAP bitmap;
    WORD bitmapStyle;
} RowInfoBlock;

/* QelBox_GetRowInfo / QelBox_SetRowInfo: the caller fills version and
   index; Get writes the remaining fields, Set reads them. */
typedef struct RowInfo {
    DWORD version; /* must be 1 */
    int index;     /* row; -1 in QelBox_SetRowInfo: list-wide row-header bitmap */
    QelColorRef colorBackground;
    QelColorRef colorText;
    QelColorRef colorSelBackground;
    QelColorRef colorSelText;
    HBITMAP bitmap;
    WORD bitmapStyle;
} RowInfo;

/* One row. The control keeps its stored items in records of this layout and
   owns them with their strings and override blocks (not the bitmaps). In
   virtual mode the fetch callback hands over a record of the application's
   (*buffer = its address); the control only reads it, and it must stay
   valid until the release callback gives it back. rowInfo, rowText,
   cellInfo, cells and any of the strings may be NULL. */
typedef struct ItemRecord {
    QelData itemData;
    HBITMAP label;
    HBITMAP bitmap;
    RowInfoBlock* rowInfo;
    char* rowText;
    CellInfoRecord* cellInfo; /* columnCount records, or NULL */
    char** cells;             /* columnCount strings (NULL = empty cell) */
    DWORD flags;              /* bit 0 enabled, bits 1-6 level */
} ItemRecord;

/* ItemRecord with UTF-16 texts: the record a fetch callback installed with
   QelBox_VirtualInitialize_W hands over. Same layout and rules. */
typedef struct ItemRecordW {
    QelData itemData;
    HBITMAP label;
    HBITMAP bitmap;
    RowInfoBlock* rowInfo;
    wchar_t* rowText;
    CellInfoRecord* cellInfo;
    wchar_t** cells;
    DWORD flags;
} ItemRecordW;

/* One column definition (QelBox_SetColumns, QelBox_GetColumns; 108 bytes in
   32-bit and 120 in 64-bit programs). Start from QelBox_InitColumnRecord.
   QelBox_SetColumns reads width, the four colours (QELBOX_COLOR_NONE: the
   control's), style, headerStyle, headerText (copied; the caller keeps its
   string), headerBitmap (not owned, its size sets the header height),
   headerBitmapStyle, displayPosition (used when the records' positions are
   a permutation of 0 .. count-1, else the array order) and columnFlags; it
   ignores headerTextOwned and the reserved fields and computes
   columnAtPosition (the column shown at each position). In the copies
   QelBox_GetColumns returns, headerText and headerTextOwned point to the
   control's strings. */
typedef struct ColumnRecord {
    DWORD reserved0;
    DWORD reserved1;
    DWORD reserved2;
    int width; /* pixels; 0 = hidden */
    QelColorRef colorBackground;
    QelColorRef colorText;
    QelColorRef colorSelBackground;
    QelColorRef colorSelText;
    DWORD style;       /* alignment bits 0-1, QELBOX_MULTILINE */
    DWORD headerStyle; /* alignment bits 0-1, QELBOX_HEADER_PUSHBUTTON, QELBOX_HEADER_DISABLED */
    const char* headerText;
    char* headerTextOwned;
    HBITMAP headerBitmap;
    WORD headerBitmapStyle;
    WORD padding;
    DWORD reserved3;
    int columnAtPosition;
    int displayPosition;
    WORD columnFlags;
    BYTE reserved4[38];
} ColumnRecord;

/* ColumnRecord with a UTF-16 header text (QelBox_SetColumns_W,
   QelBox_GetColumns_W). Same layout and rules. */
typedef struct ColumnRecordW {
    DWORD reserved0;
    DWORD reserved1;
    DWORD reserved2;
    int width;
    QelColorRef colorBackground;
    QelColorRef colorText;
    QelColorRef colorSelBackground;
    QelColorRef colorSelText;
    DWORD style;
    DWORD headerStyle;
    const wchar_t* headerText;
    wchar_t* headerTextOwned;
    HBITMAP headerBitmap;
    WORD headerBitmapStyle;
    WORD padding;
    DWORD reserved3;
    int columnAtPosition;
    int displayPosition;
    WORD columnFlags;
    BYTE reserved4[38];
} ColumnRecordW;

/* Fills *column with the defaults of a column: everything 0 (so no header
   text, left-aligned, width 0) except the four colours, which are
   QELBOX_COLOR_NONE ("use the control's colours"); a zeroed record would
   instead mean black. Set the width and header text afterwards. Header only,
   usable from C89 and C++. */
static __inline void QelBox_InitColumnRecord(ColumnRecord* column) {
    ZeroMemory(column, sizeof(*column));
    column->colorBackground = QELBOX_COLOR_NONE;
    column->colorText = QELBOX_COLOR_NONE;
    column->colorSelBackground = QELBOX_COLOR_NONE;
    column->colorSelText = QELBOX_COLOR_NONE;
}
/* The same for a ColumnRecordW. */
static __inline void QelBox_InitColumnRecordW(ColumnRecordW* column) {
    ZeroMemory(column, sizeof(*column));
    column->colorBackground = QELBOX_COLOR_NONE;
    column->colorText = QELBOX_COLOR_NONE;
    column->colorSelBackground = QELBOX_COLOR_NONE;
    column->colorSelText = QELBOX_COLOR_NONE;
}

/* The control's 37 colours (QelBox_GetCtlColors / QelBox_SetCtlColors), each
   an RGB value or QELBOX_SYSCOLOR(index); the defaults are system colours
   (window, highlight, button and grey-text colours).
   colorAltBackground/colorAltText, QELBOX_COLOR_NONE by default, colour
   the items of odd index (1, 3, 5, ...) when set. The header, row-header, corner and button
   groups colour those parts; the grid and tree-line colours their lines.
   Changing them: QelBox_GetCtlColors, change some fields, QelBox_SetCtlColors. */
typedef struct CtlColors {
    QelColorRef colorBackground;
    QelColorRef colorText;
    QelColorRef colorDisabledText;
    QelColorRef colorAltBackground;
    QelColorRef colorAltText;
    QelColorRef colorSelBackground;
    QelColorRef colorSelText;
    QelColorRef color3DShadow;
    QelColorRef color3DHighlight;
    QelColorRef colorHeaderFace;
    QelColorRef colorHeaderText;
    QelColorRef colorHeaderDisabledText;
    QelColorRef colorHeaderShadow;
    QelColorRef colorHeaderHighlight;
    QelColorRef colorRowHeaderFace;
    QelColorRef colorRowHeaderText;
    QelColorRef colorRowHeaderSelFace;
    QelColorRef colorRowHeaderSelText;
    QelColorRef colorRowHeaderDisabledText;
    QelColorRef colorRowHeaderShadow;
    QelColorRef colorRowHeaderHighlight;
    QelColorRef colorCornerFace;
    QelColorRef colorCornerText;
    QelColorRef colorCornerDisabledText;
    QelColorRef colorCornerShadow;
    QelColorRef colorCornerHighlight;
    QelColorRef colorButtonFace;
    QelColorRef colorButtonArrow;
    QelColorRef colorButtonDisabledArrow;
    QelColorRef colorButtonLight;
    QelColorRef colorButtonShadow;
    QelColorRef colorButtonDarkShadow;
    QelColorRef colorButtonHighlight;
    QelColorRef colorGridVertical;
    QelColorRef colorGridHorizontal;
    QelColorRef colorTreeLines;
    QelColorRef colorTreeLinesDisabled;
} CtlColors;

/* Handed to the draw-info callback before each row is painted: the control
   fills every field; the callback may change rowText, rowBackground (the
   label/tree area), cellText, cellBackground, font (not owned), label,
   bitmap and enabled for this paint of this row only. A disabled control
   stays disabled whatever `enabled` says. */
typedef struct DrawInfo {
    int controlId;
    HWND hwnd;
    int index;
    BOOL selected;
    int columnCount;
    QelColorRef rowText;
    QelColorRef rowBackground;
    QelColorRef cellText;
    QelColorRef cellBackground;
    HFONT font;
    HBITMAP label;
    HBITMAP bitmap;
    BOOL enabled;
} DrawInfo;

/* ------------------------------------------------------------------ */
/* Callbacks                                                           */
/* ------------------------------------------------------------------ */
/* All callbacks are __stdcall (CALLBACK) and are called synchronously on
   the control's thread:
   - QELBOX_DELETEPROC: before a stored item is freed (QelBox_SetDeleteCallback).
   - QELBOX_FETCHPROC: virtual mode, the control needs item `index`; store
     the address of an ItemRecord in *buffer. QELBOX_RELEASEPROC: the
     control gives that record back before the next fetch (may be NULL).
   - QELBOX_COMPAREPROC, QELBOX_COMPAREEXPROC: sorting; return < 0, 0 or
     > 0 (QelBox_SortItems, QelBox_SortItemsEx).
   - QELBOX_DRAWINFOPROC: before each row is painted (DrawInfo). */
typedef void(CALLBACK* QELBOX_DELETEPROC)(HWND control, int index, QelData itemData, QelData value);
typedef void(CALLBACK* QELBOX_FETCHPROC)(HWND control, QelData userData, int index,
                                         ItemRecord** buffer);
typedef void(CALLBACK* QELBOX_RELEASEPROC)(HWND control, QelData userData, int index,
                                           ItemRecord* item);
typedef int(CALLBACK* QELBOX_COMPAREPROC)(HWND control, const char* text1, const char* text2,
                                          QelData data1, QelData data2);
typedef int(CALLBACK* QELBOX_COMPAREEXPROC)(HWND control, const char* text1, const char* text2,
                                            QelData data1, QelData data2, QelData cellData1,
                                            QelData cellData2);
typedef void(CALLBACK* QELBOX_DRAWINFOPROC)(HWND control, DrawInfo* info, QelData value);
/* The same callbacks with UTF-16 records and texts (the _W functions). */
typedef void(CALLBACK* QELBOX_FETCHPROCW)(HWND control, QelData userData, int index,
                                          ItemRecordW** buffer);
typedef void(CALLBACK* QELBOX_RELEASEPROCW)(HWND control, QelData userData, int index,
                                            ItemRecordW* item);
typedef int(CALLBACK* QELBOX_COMPAREPROCW)(HWND control, const wchar_t* text1, const wchar_t* text2,
                                           QelData data1, QelData data2);
typedef int(CALLBACK* QELBOX_COMPAREEXPROCW)(HWND control, const wchar_t* text1,
                                             const wchar_t* text2, QelData data1, QelData data2,
                                             QelData cellData1, QelData cellData2);

typedef struct DeleteCallbackInfo {
    QELBOX_DELETEPROC callback;
    QelData value;
} DeleteCallbackInfo;

typedef struct DrawInfoCallbackInfo {
    QELBOX_DRAWINFOPROC callback;
    QelData value;
} DrawInfoCallbackInfo;

/* ------------------------------------------------------------------ */
/* Layout checks of the exchanged structures                           */
/* ------------------------------------------------------------------ */
/* qelbox32.dll: the sizes and offsets below are fixed. qelbox64.dll: every
   pointer, handle and QelData field is 8 bytes, aligned to 8 except in the
   two structures packed to 2 bytes (CellInfoRecord, CellInfo), so:
     ItemRecord 64 (cells at 48, flags at 56), ColumnRecord 120 (headerText
     at 40, headerBitmap at 56, columnAtPosition at 72, columnFlags at 80),
     CellInfoRecord 42 (cellData at 16, bitmapStyle at 40), CellInfo 54
     (cellData at 28, bitmapStyle at 52), RowInfoBlock 32, RowInfo 40
     (bitmap at 24), CtlColors 148, DrawInfo 80 (hwnd at 8, font at 48),
     DeleteCallbackInfo and DrawInfoCallbackInfo 16 (value at 8). */
/* Both architectures: the UTF-16 records have the layout of their ANSI
   twins. */
QELBOX_STATIC_ASSERT(sizeof(ItemRecordW) == sizeof(ItemRecord), item_record_w_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ItemRecordW, rowText) == QELBOX_OFFSETOF(ItemRecord, rowText),
                     item_record_w_row_text);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ItemRecordW, cells) == QELBOX_OFFSETOF(ItemRecord, cells),
                     item_record_w_cells);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ItemRecordW, flags) == QELBOX_OFFSETOF(ItemRecord, flags),
                     item_record_w_flags);
QELBOX_STATIC_ASSERT(sizeof(ColumnRecordW) == sizeof(ColumnRecord), column_record_w_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecordW, headerText) ==
                         QELBOX_OFFSETOF(ColumnRecord, headerText),
                     column_record_w_text);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecordW, headerBitmap) ==
                         QELBOX_OFFSETOF(ColumnRecord, headerBitmap),
                     column_record_w_bitmap);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecordW, columnFlags) ==
                         QELBOX_OFFSETOF(ColumnRecord, columnFlags),
                     column_record_w_flags);
#if defined(_WIN64)
QELBOX_STATIC_ASSERT(sizeof(QelData) == 8, qel_data_size);
QELBOX_STATIC_ASSERT(sizeof(ItemRecord) == 64, item_record_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ItemRecord, label) == 8, item_record_label);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ItemRecord, cells) == 48, item_record_cells);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ItemRecord, flags) == 56, item_record_flags);
QELBOX_STATIC_ASSERT(sizeof(ColumnRecord) == 120, column_record_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, width) == 12, column_width);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, style) == 32, column_style);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, headerText) == 40, column_header_text);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, headerBitmap) == 56, column_header_bitmap);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, headerBitmapStyle) == 64, column_hbm_style);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, reserved3) == 68, column_reserved3);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, columnAtPosition) == 72, column_at_position);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, displayPosition) == 76, column_display_pos);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, columnFlags) == 80, column_flags);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, reserved4) == 82, column_reserved4);
QELBOX_STATIC_ASSERT(sizeof(CellInfoRecord) == 42, cell_info_record_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(CellInfoRecord, cellData) == 16, cell_info_data);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(CellInfoRecord, font) == 24, cell_info_font);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(CellInfoRecord, bitmapStyle) == 40, cell_info_bm_style);
QELBOX_STATIC_ASSERT(sizeof(CellInfo) == 54, cell_info_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(CellInfo, colorBackground) == 12, cell_info_cell);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(CellInfo, cellData) == 28, cell_info_cell_data);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(CellInfo, bitmap) == 44, cell_info_bitmap);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(CellInfo, bitmapStyle) == 52, cell_info_bitmap_style);
QELBOX_STATIC_ASSERT(sizeof(RowInfoBlock) == 32, row_info_block_size);
QELBOX_STATIC_ASSERT(sizeof(RowInfo) == 40, row_info_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(RowInfo, bitmap) == 24, row_info_bitmap);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(RowInfo, bitmapStyle) == 32, row_info_bitmap_style);
QELBOX_STATIC_ASSERT(sizeof(CtlColors) == 148, ctl_colors_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(CtlColors, colorTreeLinesDisabled) == 144, ctl_colors_last);
QELBOX_STATIC_ASSERT(sizeof(DrawInfo) == 80, draw_info_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(DrawInfo, hwnd) == 8, draw_info_hwnd);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(DrawInfo, rowText) == 28, draw_info_row_text);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(DrawInfo, font) == 48, draw_info_font);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(DrawInfo, enabled) == 72, draw_info_enabled);
QELBOX_STATIC_ASSERT(sizeof(DeleteCallbackInfo) == 16, delete_callback_info_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(DeleteCallbackInfo, value) == 8, delete_callback_value);
QELBOX_STATIC_ASSERT(sizeof(DrawInfoCallbackInfo) == 16, draw_info_callback_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(DrawInfoCallbackInfo, value) == 8, draw_info_cb_value);
#else
QELBOX_STATIC_ASSERT(sizeof(QelData) == 4, qel_data_size);
QELBOX_STATIC_ASSERT(sizeof(ItemRecord) == 32, item_record_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ItemRecord, cells) == 24, item_record_cells);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ItemRecord, flags) == 28, item_record_flags);
QELBOX_STATIC_ASSERT(sizeof(ColumnRecord) == 108, column_record_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, width) == 12, column_width);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, style) == 32, column_style);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, headerText) == 40, column_header_text);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, headerBitmap) == 48, column_header_bitmap);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, headerBitmapStyle) == 52, column_hbm_style);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, reserved3) == 56, column_reserved3);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, columnAtPosition) == 60, column_at_position);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, displayPosition) == 64, column_display_pos);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, columnFlags) == 68, column_flags);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(ColumnRecord, reserved4) == 70, column_reserved4);
QELBOX_STATIC_ASSERT(sizeof(CellInfoRecord) == 30, cell_info_record_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(CellInfoRecord, cellData) == 16, cell_info_data);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(CellInfoRecord, bitmapStyle) == 28, cell_info_bm_style);
QELBOX_STATIC_ASSERT(sizeof(CellInfo) == 42, cell_info_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(CellInfo, colorBackground) == 12, cell_info_cell);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(CellInfo, bitmap) == 36, cell_info_bitmap);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(CellInfo, bitmapStyle) == 40, cell_info_bitmap_style);
QELBOX_STATIC_ASSERT(sizeof(CtlColors) == 148, ctl_colors_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(CtlColors, colorTreeLinesDisabled) == 144, ctl_colors_last);
QELBOX_STATIC_ASSERT(sizeof(DrawInfo) == 52, draw_info_size);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(RowInfo, bitmap) == 24, row_info_bitmap);
QELBOX_STATIC_ASSERT(QELBOX_OFFSETOF(RowInfo, bitmapStyle) == 28, row_info_bitmap_style);
QELBOX_STATIC_ASSERT(sizeof(DeleteCallbackInfo) == 8, delete_callback_info_size);
QELBOX_STATIC_ASSERT(sizeof(DrawInfoCallbackInfo) == 8, draw_info_callback_size);
#endif

/* ------------------------------------------------------------------ */
/* Control record frame                                                */
/* ------------------------------------------------------------------ */
/* Open-ended columns: 1 (the default) lets the last visible column extend
   to the right edge of the list and the header strip; 0 draws every column
   at its own width. QelBox_SetOpenEnded stores enable != 0 (any value is
   accepted), recalculates the layout and repaints the control, its list and
   its edit field. Works in virtual mode. */
QELBOXAPI int WINAPI QelBox_GetOpenEnded(HWND control);
QELBOXAPI void WINAPI QelBox_SetOpenEnded(HWND control, int enable);

/* ------------------------------------------------------------------ */
/* Module, application registration and hooks                         */
/* ------------------------------------------------------------------ */
/* Registers the window class "QelBoxControl" (the same control under a
   class name private to the application's instance) and installs
   thread-local mouse and keyboard hooks for the calling thread, so that an
   open drop-down closes (cancelling) when the user clicks elsewhere in the
   application's windows or presses a system key. Call it once at start;
   later calls register the class again but install no second pair of hooks.
   Returns TRUE, or FALSE when the class or a hook cannot be installed. */
QELBOXAPI BOOL WINAPI QelBox_RegisterApp(HINSTANCE instance);
/* Unregisters "QelBoxControl" for `instance` and removes the hooks that
   QelBox_RegisterApp installed. Call it at the end, after the controls of
   the private class are destroyed. */
QELBOXAPI void WINAPI QelBox_UnregisterApp(HINSTANCE instance);
/* The hook procedures installed by QelBox_RegisterApp (WH_MOUSE and
   WH_KEYBOARD). Exported so that the hooks can be installed; applications
   do not call them. A button press outside the control whose descendant has
   the focus, while its drop-down is open, is discarded and closes the
   drop-down (cancelling); the keyboard hook closes it on a key whose key
   data has bit 28 (0x10000000) set. Both pass every message on to the
   next hook. */
QELBOXAPI LRESULT WINAPI QelBox_MouseFilterHook(int code, WPARAM message, LPARAM info);
QELBOXAPI LRESULT WINAPI QelBox_KeyboardFilterHook(int code, WPARAM key, LPARAM data);

/* ------------------------------------------------------------------ */
/* Keyboard, mouse and the drop-down                                  */
/* ------------------------------------------------------------------ */
/* The drop-down types (QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_DROPDOWNLIST) are
   closed or dropped; the simple type's list is always shown below the
   display area. Two selections are kept: the
   highlighted row (QelBox_GetCurSel) and the committed row shown in the
   closed control and its edit field. While the list is closed they are
   equal.

   Keyboard (the control or its edit field has the focus):
   - Up/Left and Down/Right move to the previous or next row, Page Up and
     Page Down by a list's height, Home and End to the first and last row;
     each move commits the row at once (QELBOXN_SELCHANGE), also while the
     list is open. With the extended interface (QelBox_SetExtendedUI) Down
     on a closed drop-down opens it instead.
   - F4 opens a closed drop-down and closes an open one accepting (not with
     the extended interface). Alt+Up and Alt+Down do the same with either.
   - Enter on an open drop-down closes it accepting; Escape closes it
     cancelling, or first ends a mouse operation in progress. In a dialog
     the control and its edit field ask for Enter and Escape only while the
     list is open (and for Escape during a mouse operation), so the dialog's
     default button and Cancel work while it is closed; they ask for the
     arrow and page keys, and for F4 unless the extended interface is on.
   - A character typed on a drop-down-list control selects the next row
     whose edit column (the leftmost visible column) begins with it,
     wrapping (not in virtual mode). In the edit field, text that equals a
     row's first cell (ignoring case) commits that row.
   - The wheel scrolls the list by the system's wheel lines.

   Mouse:
   - A press on the drop-down button, or on the display area of a
     drop-down-list control, opens the list; a second press closes it
     cancelling. The button is drawn pressed while held.
   - Over the open drop-down the highlight follows the pointer (cursor
     select, QelBox_SetCursorSelect) and, with the button held beyond the
     list's top or bottom edge, the list scrolls automatically. Releasing
     the button in the list closes the drop-down accepting the highlighted
     row (in the simple type it commits it). With
     QELBOXSTYLE_LEFTBUTTONONLY the middle and right buttons do nothing in
     the list.
   - Dragging a divider in the header strip resizes the column
     (QELBOXN_COLUMNRESIZED when released; not for QELBOX_COLUMN_FIXEDWIDTH
     columns, nor with QelBox_SetResizeHeader(0)); dragging a header moves
     the column (QELBOXN_COLUMNSREORDERED; not across fixed-position
     columns, nor with QelBox_SetReorderColumns(0)). A header with
     QELBOX_HEADER_PUSHBUTTON pops up after the click, others stay pressed
     (QelBox_GetHeaderButton); a disabled one beeps.
   - Every press is reported with its click code (see QELBOXN_LBUTTON).
   - A click in another window of the application closes an open drop-down
     cancelling while QelBox_RegisterApp's hooks are installed; losing the
     focus always does. */

/* ------------------------------------------------------------------ */
/* Window procedures                                                   */
/* ------------------------------------------------------------------ */
/* Window procedures of the control ("RqCombo" and "QelBoxControl"), of its
   edit field ("QelBoxCtl") and of its list window ("QelBoxDropDown").
   Exported for subclassing and dialog editors; applications normally drive
   the control through the functions of this header and standard messages
   (WM_SETFONT, WM_GETTEXT, WM_SETREDRAW, WM_CLEAR, WM_COPY, WM_CUT, WM_PASTE,
   WM_ENABLE, WM_SHOWWINDOW). See docs/reference.md for the keyboard and mouse
   behaviour and the notifications they send. */
QELBOXAPI LRESULT WINAPI QelBox_WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
QELBOXAPI LRESULT WINAPI QelCtl_WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
QELBOXAPI LRESULT WINAPI QelDropDown_WndProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

/* ------------------------------------------------------------------ */
/* Edit field                                                          */
/* ------------------------------------------------------------------ */
/* The edit field of the simple and drop-down types; NULL for the
   drop-down-list type, which has none. */
QELBOXAPI HWND WINAPI QelBox_GetHWNDEdit(HWND control);
/* Limits the text the user can type into the edit field to `length`
   characters (0: the edit field's own maximum). Returns 0; -1 for a negative
   length or a control without an edit field. */
QELBOXAPI int WINAPI QelBox_LimitText(HWND control, int length);
/* Writes the start and end of the edit field's text selection to *start
   and *end (both must be valid pointers). Returns 0; -1 for a control
   without an edit field (both outputs are then 0xFFFFFFFF). */
QELBOXAPI int WINAPI QelBox_GetEditSel(HWND control, DWORD* start, DWORD* end);
/* Selects characters `start` to `end` of the edit field's text
   (EM_SETSEL: -1 as `start` removes the selection, -1 as `end` means the
   end of the text). Returns 0; -1 for a control without an edit field. */
QELBOXAPI int WINAPI QelBox_SetEditSel(HWND control, int start, int end);
/* Font of the edit field and of the closed control's text; not owned: the
   application keeps it alive while it is set and deletes it afterwards.
   0 means the control's font. QelBox_SetEditCtlFont measures the font,
   gives it to the edit field, recalculates the layout and repaints when
   `redraw` is non-zero. WM_SETFONT on the control replaces this font (and the
   header and row-header fonts) with the new control font, so set it after
   the control font. */
QELBOXAPI HFONT WINAPI QelBox_GetEditCtlFont(HWND control);
QELBOXAPI void WINAPI QelBox_SetEditCtlFont(HWND control, HFONT font, BOOL redraw);
/* Extended keyboard interface: with a non-zero value the Down arrow opens
   the closed drop-down list and F4 does nothing; with 0 (the default) Down
   moves the selection and F4 opens or closes the list.
   QelBox_SetExtendedUI stores `on` unchanged and returns 0. */
QELBOXAPI int WINAPI QelBox_GetExtendedUI(HWND control);
QELBOXAPI int WINAPI QelBox_SetExtendedUI(HWND control, int on);
/* Column under the last mouse click in the list or on the closed control;
   -1 when the click lay to the right of every column; 0 at creation. */
QELBOXAPI int WINAPI QelBox_GetCaretColumn(HWND control);

/* ------------------------------------------------------------------ */
/* Items                                                               */
/* ------------------------------------------------------------------ */
/* Appends an item whose first cell is a copy of `text` (NULL: empty); the
   other cells are empty, the item is enabled, of level 0, with item data 0.
   The text is not split into columns: fill the other cells with
   QelBox_SetText_A. An open drop-down is closed first (cancelling:
   QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY). Repaints the rows whose
   tree lines change and recalculates the layout. Returns the new index; -1
   in virtual mode or when memory runs out (nothing changed). */
QELBOXAPI int WINAPI QelBox_AddString_A(HWND control, const char* text);
/* As QelBox_AddString_A, but inserts at `index`; an index below 0 or not
   below the item count appends. The highlighted and committed rows at or
   after `index` move down with their items (no notification). Returns the
   index used; -1 in virtual mode or when memory runs out. */
QELBOXAPI int WINAPI QelBox_InsertString_A(HWND control, int index, const char* text);
/* Deletes item `index` only: its dependents stay, now below the preceding
   item. Closes an open drop-down first (cancelling). The delete callback is
   called for the item before its memory is freed. When the item was
   committed, the committed selection becomes -1 without notification and
   the edit field is emptied. Repaints from the former parent down and
   recalculates the layout. Returns the number of items left; -1 in virtual
   mode or for an index outside 0 .. count-1. */
QELBOXAPI int WINAPI QelBox_DeleteString(HWND control, int index);
/* Deletes every item (the delete callback is called for each, with the
   index it had when clearing began), clears both selections without
   notification, scrolls to the top and repaints. Closes an open drop-down
   first (cancelling). Ignored in virtual mode. */
QELBOXAPI void WINAPI QelBox_ResetContent(HWND control);
/* Number of items (in virtual mode: the count set with
   QelBox_VirtualCount). */
QELBOXAPI int WINAPI QelBox_GetCount(HWND control);
/* Sets the callback called before each stored item is freed (by
   QelBox_DeleteString, QelBox_DeleteDependents, QelBox_ResetContent and the
   control's destruction; not by QelBox_MoveItem) with the control, the
   item's index, its item data and info->value. The structure is copied;
   NULL removes the callback. Returns 1; 0 in virtual mode. */
QELBOXAPI int WINAPI QelBox_SetDeleteCallback(HWND control, const DeleteCallbackInfo* info);
/* The item's application value; (QelData)-1 (all bits set: 0xFFFFFFFF in
   qelbox32.dll) for a bad index. QelBox_SetItemData returns 0, or -1 for a
   bad index or in virtual mode. */
QELBOXAPI QelData WINAPI QelBox_GetItemData(HWND control, int index);
QELBOXAPI int WINAPI QelBox_SetItemData(HWND control, int index, QelData value);
/* Enabled state of an item: QelBox_GetItemStatus returns 1 enabled,
   0 disabled (and 0 for a bad index). QelBox_SetItemStatus enables the item
   for any non-zero `enabled`; when the state changes it repaints the row.
   Disabled items are drawn in the disabled text colour. Returns 1; 0 in
   virtual mode or for a bad index. */
QELBOXAPI int WINAPI QelBox_GetItemStatus(HWND control, int index);
QELBOXAPI int WINAPI QelBox_SetItemStatus(HWND control, int index, BOOL enabled);
/* Label bitmap of an item, drawn at the left of the first column; not
   owned (the application deletes it after the item is gone). Get: the
   handle, 0 for a bad index. Set with index 0 .. count-1 stores the handle
   (0 removes it) and repaints the row; it is refused in virtual mode. Set
   with index -1 sets the list-wide label size from `bitmap` (0: no label
   area) and shows or hides the label area of every row; the handle is
   not kept, this works in virtual mode, and the layout is recalculated
   and the control repainted. Returns 1; 0 for an index outside -1 .. count-1,
   a handle that is not a bitmap, index >= 0 in virtual mode, or when memory
   runs out (nothing changed). */
QELBOXAPI HBITMAP WINAPI QelBox_GetItemLabel(HWND control, int index);
QELBOXAPI int WINAPI QelBox_SetItemLabel(HWND control, int index, HBITMAP bitmap);
/* Bitmap of an item, drawn after the label and the tree lines; the same
   rules as the label (index -1: the list-wide bitmap size that shows or
   hides the bitmap area). */
QELBOXAPI HBITMAP WINAPI QelBox_GetItemBitmap(HWND control, int index);
QELBOXAPI int WINAPI QelBox_SetItemBitmap(HWND control, int index, HBITMAP bitmap);
/* Copies the text of cell (`index`, `column`) with its terminator into
   `buffer`; index -1 means the committed row. There is no size argument:
   size the buffer with QelBox_GetTextLength + 1. buffer[0] is set to 0 first,
   also on failure. Returns the length copied (0 for an empty cell); -1 for a
   bad index or column, no committed row, or a NULL buffer. Works in
   virtual mode (reads the fetched item). */
QELBOXAPI int WINAPI QelBox_GetText_A(HWND control, int index, int column, char* buffer);
/* Length in bytes of a cell's text without the terminator (index -1: the
   committed row); 0 for an empty cell, -1 for a bad index or column. */
QELBOXAPI int WINAPI QelBox_GetTextLength(HWND control, int index, int column);
/* Replaces the text of cell (`index` 0 .. count-1, `column`) by a copy of
   `text` (NULL empties it) and repaints the row's cells; when the item is
   the committed one the edit field and the closed control follow. Returns 1;
   0 in virtual mode, for a bad index or column, or when memory runs out
   (the old text stays). */
QELBOXAPI int WINAPI QelBox_SetText_A(HWND control, int index, int column, const char* text);
/* Copies the row text (shown in the item's row header) with its terminator
   into `buffer`; no size argument: size the buffer with
   QelBox_GetRowTextLength + 1. buffer[0] is set to 0 first. Returns the
   length; -1 for a bad index or a NULL buffer. Works in virtual mode. */
QELBOXAPI int WINAPI QelBox_GetRowText_A(HWND control, int index, char* buffer);
/* Length of the row text; 0 when there is none, -1 for a bad index. */
QELBOXAPI int WINAPI QelBox_GetRowTextLength(HWND control, int index);
/* Replaces the row text by a copy of `text` (NULL removes it, and the row
   header shows what QelBox_SetShowRowHeader says); repaints only that row
   header. Returns 1; 0 in virtual mode, for a bad index or when memory runs
   out. */
QELBOXAPI int WINAPI QelBox_SetRowText_A(HWND control, int index, const char* text);
/* Reads the row-header overrides of row info->index (info->version must be
   1) into the colour, bitmap and style fields; a row that never had any
   reads as colours QELBOX_COLOR_NONE, bitmap 0, style 0. Returns 1; 0 for a
   wrong version or an index outside 0 .. count-1. Works in virtual mode. */
QELBOXAPI int WINAPI QelBox_GetRowInfo(HWND control, RowInfo* info);
/* Sets the row-header overrides of row info->index (version 1): the four
   colours (QELBOX_COLOR_NONE: the control's row-header colours), the bitmap
   (not owned) and its placement bits; repaints the row. Index -1 sets only
   the list-wide row-header bitmap size from info->bitmap (0 clears it; the
   handle is not kept), recalculates the layout and, when the height
   changed, repaints the list; this also works in virtual mode. Returns 1;
   0 for a wrong version, an index outside -1 .. count-1, a handle that is
   not a bitmap, index >= 0 in virtual mode, or out of memory. */
QELBOXAPI int WINAPI QelBox_SetRowInfo(HWND control, const RowInfo* info);

/* ------------------------------------------------------------------ */
/* Hierarchy                                                           */
/* ------------------------------------------------------------------ */
/* Level of an item in the outline, 0 .. 63; -1 for a bad index. */
QELBOXAPI int WINAPI QelBox_GetItemLevel(HWND control, int index);
/* Sets the item's level (negative: 0, above 63: 63). Following items keep
   their levels: an item's dependents are not moved with it. A level deeper
   than any before widens the tree area (QELBOXN_OVERHEADWIDTHCHANGE when the
   width changes) and repaints the header and the list; otherwise only the
   rows whose tree lines change are repainted; an unchanged level repaints
   nothing. Returns 1; 0 in virtual mode or for a bad index. */
QELBOXAPI int WINAPI QelBox_SetItemLevel(HWND control, int index, int level);
/* Nearest earlier item of a lower level (the parent); -1 for an item of
   level 0 or a bad index. */
QELBOXAPI int WINAPI QelBox_GetParent(HWND control, int index);
/* Level-0 item above `index` (the item itself when it has level 0); -1 for
   a bad index. */
QELBOXAPI int WINAPI QelBox_GetTopParent(HWND control, int index);
/* First (QELBOX_FIRST) or last (QELBOX_LAST) direct dependent of an item:
   the following items of a deeper level, up to the next item of the same
   or a lower level. -1 when there is none, for another code, or a bad
   index. */
QELBOXAPI int WINAPI QelBox_GetDependent(HWND control, int index, int code);
/* Number of all dependents (`all` non-zero) or of direct dependents (`all`
   zero) of an item; -1 for a bad index. */
QELBOXAPI int WINAPI QelBox_GetDependentCount(HWND control, int index, BOOL all);
/* Sibling of an item (same parent, same level): QELBOX_FIRST,
   QELBOX_LAST, QELBOX_PREVIOUS or QELBOX_NEXT; the first and last may be the
   item itself. -1 when there is none, for another code, or a bad index. */
QELBOXAPI int WINAPI QelBox_GetSibling(HWND control, int index, int code);
/* Deletes all dependents of an item (not the item); the delete callback is
   called for each. Closes an open drop-down first (cancelling), repaints
   from the item down, recalculates the layout. Returns the number of items
   left; -1 in virtual mode or for a bad index. */
QELBOXAPI int WINAPI QelBox_DeleteDependents(HWND control, int index);
/* Inserts a copy of item `from` at `to` (below 0 or not below the count:
   appended): its cells, row text, level, enabled state, item data, cell and
   row overrides; bitmap and label handles are shared. The dependents are
   not copied. Closes an open drop-down first (cancelling). Returns the
   copy's index; -1 in virtual mode, for a bad `from`, or when memory runs
   out. */
QELBOXAPI int WINAPI QelBox_CopyItem(HWND control, int from, int to);
/* Moves item `from` so that it comes before the item now at `to` (below 0
   or not below the count: to the end); its dependents stay where they were.
   The delete callback is not called. Closes an open drop-down first
   (cancelling). Returns the item's final index; -1 as for QelBox_CopyItem. */
QELBOXAPI int WINAPI QelBox_MoveItem(HWND control, int from, int to);

/* ------------------------------------------------------------------ */
/* Searching and selection                                             */
/* ------------------------------------------------------------------ */
/* Highlighted row of the list; -1 for none. While the drop-down is open the
   highlight follows the keyboard and (with cursor select) the mouse and may
   differ from the committed row shown in the closed control; otherwise the
   two are equal. */
QELBOXAPI int WINAPI QelBox_GetCurSel(HWND control);
/* Highlights and commits row `index` (-1: none): the closed control and the
   edit field show it, and the parent receives QELBOXN_SELCHANGE, also when
   the row was already selected. Repaints the rows concerned. Works in
   virtual mode. Returns 0; -1 for an index below -1 or not below the count
   (nothing changes, nothing is sent). */
QELBOXAPI int WINAPI QelBox_SetCurSel(HWND control, int index);
/* Cursor select: with a non-zero value (the default) the highlight follows
   the mouse pointer over an open drop-down; with 0, and always in the
   simple type's list, it follows the pointer only while a button is held.
   Stored as given. */
QELBOXAPI int WINAPI QelBox_GetCursorSelect(HWND control);
QELBOXAPI void WINAPI QelBox_SetCursorSelect(HWND control, BOOL value);
/* First index >= `start` whose item data equals `data` (no wrap-around);
   -1 when there is none or `start` < 0. */
QELBOXAPI int WINAPI QelBox_FindItem(HWND control, int start, QelData data);
/* Searches column `column` for a cell that begins with `text` (ignoring
   case), from the row after `start` (-1: from row 0) to the end and, with
   `wrap`, on from row 0 to `start`. Empty cells never match. Returns the
   index found; -1 when none, for an empty list, `start` outside
   -1 .. count-1, a bad column or a NULL text. Works in virtual mode. */
QELBOXAPI int WINAPI QelBox_FindString_A(HWND control, int start, int column, const char* text,
                                         BOOL wrap);
/* As QelBox_FindString_A, but the whole cell must equal `text`, ignoring
   case. */
QELBOXAPI int WINAPI QelBox_FindStringExact_A(HWND control, int start, int column, const char* text,
                                              BOOL wrap);
/* QelBox_FindString_A, then QelBox_SetCurSel with the result (so a failed
   search clears both selections and sends QELBOXN_SELCHANGE); a found row is
   scrolled into view. Returns the search's result. */
QELBOXAPI int WINAPI QelBox_SelectString_A(HWND control, int start, int column, const char* text,
                                           BOOL wrap);
/* As QelBox_SelectString_A with the whole-text search. */
QELBOXAPI int WINAPI QelBox_SelectStringExact_A(HWND control, int start, int column,
                                                const char* text, BOOL wrap);

/* ------------------------------------------------------------------ */
/* Sorting and locale                                                  */
/* ------------------------------------------------------------------ */
/* Orders the direct dependents of `parent` (-1: the items from item 0 and
   its siblings) by the text of `column`; every item moves with its
   dependents, items that compare equal keep their order. A null callback
   sorts with QelBox_DefaultCompareProc. QelBox_SortItems leaves items with a
   null text where they are; QelBox_SortItemsEx passes null texts and the
   cells' cellData to its callback. The highlighted item stays highlighted
   and committed (no QELBOXN_SELCHANGE). Return 1 when sorted or when there
   is nothing to sort; 0 for a bad parent or column, in virtual mode, or when
   memory runs out (the selections are then cleared). An application's
   callback is called in the order of bubble passes that exchange adjacent
   sibling blocks (about n*n/2 calls for n siblings); for long lists see
   QelBox_SortItemsFast. The default comparison always runs the fast way. */
QELBOXAPI int WINAPI QelBox_SortItems(HWND control, int parent, int column,
                                      QELBOX_COMPAREPROC compare);
QELBOXAPI int WINAPI QelBox_SortItemsEx(HWND control, int parent, int column,
                                        QELBOX_COMPAREEXPROC compare);
/* The same sorts with the same results, in O(n log n) comparisons for
   long lists: a stable merge sort of the sibling blocks. The callback is
   called in an unspecified order, about n log2 n times, and must be
   consistent (if a belongs after b, b does not belong after a, and the
   order is transitive). Everything else is as for QelBox_SortItems and
   QelBox_SortItemsEx: results, refusals, selections, null texts. A null
   callback sorts with the default comparison, which both families always
   run this fast way. */
QELBOXAPI int WINAPI QelBox_SortItemsFast(HWND control, int parent, int column,
                                          QELBOX_COMPAREPROC compare);
QELBOXAPI int WINAPI QelBox_SortItemsExFast(HWND control, int parent, int column,
                                            QELBOX_COMPAREEXPROC compare);
/* Compares two texts in the control's locale: -1, 0 or 1 for less, equal or
   greater; -2 when they cannot be compared (a null text). The data
   arguments are not read. */
QELBOXAPI int WINAPI QelBox_DefaultCompareProc(HWND control, const char* text1, const char* text2,
                                               QelData data1, QelData data2);
/* Locale of QelBox_DefaultCompareProc; LOCALE_USER_DEFAULT (0x400) at first.
   QelBox_SetLocale returns the previous one and neither re-sorts nor
   repaints. */
QELBOXAPI LCID WINAPI QelBox_GetLocale(HWND control);
QELBOXAPI LCID WINAPI QelBox_SetLocale(HWND control, LCID locale);

/* ------------------------------------------------------------------ */
/* Virtual mode                                                        */
/* ------------------------------------------------------------------ */
/* With a fetch callback: the control stores no items and fetches each one
   from the application when it needs it (one at a time; the release
   callback gets the previous one back before the next fetch). The list
   starts empty; set its length with QelBox_VirtualCount. A null fetch
   callback returns to stored mode with an empty list. Returns 1; 0 while
   the control holds stored items. Item-changing calls are refused in
   virtual mode; list-wide settings (index -1) still work.
   Within one paint of the list a fetched record serves every column of
   its row, its height and its tree lines. Tree lines need the levels of a
   row's relatives, which may lie anywhere in the list; in virtual mode the
   control cannot know a level without fetching the record, so the first
   paint near a place fetches (once each) the records between the top row
   and its parent, and after the last row up to the end of its ancestors'
   sibling runs. The control remembers the level of every record it has
   read (memory grows with the rows read, about one byte each, never with
   the count alone) until the application announces a change: later
   paints, scrolling and paging there fetch each shown row at most twice.
   An application that changes the level of a row announces it with
   QelBox_VirtualItemChanged (for that row, or -1 for all);
   QelBox_VirtualCount and QelBox_VirtualInitialize forget every level.
   When memory runs out the control fetches the levels it cannot keep. */
QELBOXAPI int WINAPI QelBox_VirtualInitialize(HWND control, QELBOX_FETCHPROC fetch,
                                              QELBOX_RELEASEPROC release, QelData value);
/* Sets the number of items, scrolls to the top and clears the selection
   (QELBOXN_SELCHANGE when something was highlighted). Returns 1; 0 outside
   virtual mode or for a negative count. */
QELBOXAPI int WINAPI QelBox_VirtualCount(HWND control, int count);
/* Gives back the item fetched last, forgets the level remembered for row
   `index` (negative: for every row) and repaints that row (negative: the
   whole list). Call it whenever a row's record changes, in particular its
   level: the tree lines are drawn from the remembered levels. Returns 1; 0
   outside virtual mode or for an index >= count (the item is given back
   all the same). */
QELBOXAPI int WINAPI QelBox_VirtualItemChanged(HWND control, int index);

/* ------------------------------------------------------------------ */
/* Columns, column headers and cell information                        */
/* ------------------------------------------------------------------ */
/* Installs `count` column definitions (copied, header texts included); a
   count of 0 installs one default column 500 pixels wide. Returns 0 and
   keeps the old columns for a negative count, widths that are negative or
   all 0, a new count while items are stored, or when memory runs out; a
   new count closes an open drop-down even when the call is refused. */
QELBOXAPI int WINAPI QelBox_SetColumns(HWND control, int count, const ColumnRecord* columns);
/* Returns the column count (0 when memory runs out). With `out` non-null it
   also writes the address of a copy of the definitions to *out; the copy is
   owned by the control and valid until the next call or the control's
   destruction. Works in virtual mode. */
QELBOXAPI int WINAPI QelBox_GetColumns(HWND control, ColumnRecord** out);
/* Copies `text` as the header text of column `column` (NULL clears it) and
   repaints the header strip; the layout is not recalculated. Returns 1; 0
   for a bad column or when memory runs out (the old text stays). */
QELBOXAPI int WINAPI QelBox_SetHeader_A(HWND control, int column, const char* text);
/* Copies at most size-1 characters of the header text and a terminator
   (buffer[0] is set to 0 first); returns the length copied, -1 for a bad
   column or a NULL buffer. A size of 0 or less copies nothing and returns 0. */
QELBOXAPI int WINAPI QelBox_GetHeader_A(HWND control, int column, char* buffer, int size);
/* Length of the header text; 0 without text, -1 for a bad column. */
QELBOXAPI int WINAPI QelBox_GetHeaderLength(HWND control, int column);
/* Column whose header is drawn pressed (sunken) while QelBox_SetShowHeader(1)
   is in effect, -1 for none; a header click of the user sets it too. Set
   accepts -1 .. count-1, repaints the header strip when the value changes
   and returns 1; 0 for another value. */
QELBOXAPI int WINAPI QelBox_SetHeaderButton(HWND control, int column);
QELBOXAPI int WINAPI QelBox_GetHeaderButton(HWND control);
/* Header display modes: no header strip, raised headers (the header button
   sunken), every header sunken; other values are ignored. */
#define QELBOX_SHOWHEADER_NONE 0
#define QELBOX_SHOWHEADER_RAISED 1
#define QELBOX_SHOWHEADER_SUNKEN 2

/* Header strip: 0 none (the default), 1 raised headers with the header
   button sunken, 2 every header sunken. Set ignores other values and an
   unchanged one; otherwise it recalculates the layout and repaints. */
QELBOXAPI void WINAPI QelBox_SetShowHeader(HWND control, int mode);
QELBOXAPI int WINAPI QelBox_GetShowHeader(HWND control);
/* Font of the header strip, not owned (keep it alive while it is set); 0 =
   the control's font. Set measures it, recalculates the layout and repaints
   when `redraw` is non-zero. WM_SETFONT on the control replaces it with
   the control font. */
QELBOXAPI void WINAPI QelBox_SetColHeaderFont(HWND control, HFONT font, BOOL redraw);
QELBOXAPI HFONT WINAPI QelBox_GetColHeaderFont(HWND control);
/* Cell overrides of item `index`, column `column` (version 1). A cell never
   set reads as colours QELBOX_COLOR_NONE and everything else 0. */
QELBOXAPI int WINAPI QelBox_GetCellInfo(HWND control, CellInfo* info);
/* Sets one cell's overrides (refused in virtual mode and for a bitmap
   handle that is no bitmap). Index -1 sets the list-wide cell-bitmap
   prototype from `bitmap` (0 clears it); `column` is then not read. */
QELBOXAPI int WINAPI QelBox_SetCellInfo(HWND control, const CellInfo* info);

/* ------------------------------------------------------------------ */
/* Row headers                                                         */
/* ------------------------------------------------------------------ */
/* 0 removes the row headers (and the corner); 1..6 shows them four average
   characters wide. Rows without a row text show nothing (1, 2), their index
   (3, 4) or their index + 1 (5, 6); odd modes look like buttons. Other
   values are ignored. */
QELBOXAPI void WINAPI QelBox_SetShowRowHeader(HWND control, int mode);
QELBOXAPI int WINAPI QelBox_GetShowRowHeader(HWND control);
/* Width of the row-header column in pixels; 0 hides the row headers without
   changing the mode of QelBox_SetShowRowHeader. Set ignores negative and
   unchanged values; otherwise it recalculates the layout and repaints. */
QELBOXAPI void WINAPI QelBox_SetRowHeaderWidth(HWND control, int width);
QELBOXAPI int WINAPI QelBox_GetRowHeaderWidth(HWND control);
/* Alignment, multi-line and header bits (QELBOX_ALIGN_*, QELBOX_MULTILINE,
   QELBOX_HEADER_*) of every row header; QELBOX_HEADER_DISABLED also makes
   clicks on row headers beep. Set stores the value, repaints the row
   headers and recalculates the layout. */
QELBOXAPI void WINAPI QelBox_SetRowHeaderStyle(HWND control, int style);
QELBOXAPI int WINAPI QelBox_GetRowHeaderStyle(HWND control);
/* Font of the row headers, not owned; 0 = the control's font. Set measures
   it, recalculates the layout and repaints when `redraw` is non-zero.
   WM_SETFONT on the control replaces it with the control font. */
QELBOXAPI void WINAPI QelBox_SetRowHeaderFont(HWND control, HFONT font, BOOL redraw);
QELBOXAPI HFONT WINAPI QelBox_GetRowHeaderFont(HWND control);
/* Row-header width that fits the labels of the first `count` rows (all rows
   when `count` <= 0) and, while the header strip is shown, the corner; 0
   while there are no row headers. Changes nothing. */
QELBOXAPI int WINAPI QelBox_CalcOptimalRowHeaderWidth(HWND control, int count);
/* Copies `text` as the corner header's text (NULL removes it) and repaints
   the corner. Returns 1, or 0 when memory runs out (the old text stays). */
QELBOXAPI int WINAPI QelBox_SetRowColText_A(HWND control, const char* text);
/* Copies at most size-1 characters of the corner text and a terminator;
   returns the length copied (0 for no text, a null buffer or size <= 0). */
QELBOXAPI int WINAPI QelBox_GetRowColText_A(HWND control, char* buffer, int size);
/* Length of the corner text; 0 when there is none. */
QELBOXAPI int WINAPI QelBox_GetRowColTextLength(HWND control);
/* Bitmap of the corner header, not owned; a handle that is not a bitmap is
   stored as 0. A new bitmap height recalculates the layout and repaints;
   otherwise only the corner is repainted. */
QELBOXAPI void WINAPI QelBox_SetRowColBitmap(HWND control, HBITMAP bitmap);
QELBOXAPI HBITMAP WINAPI QelBox_GetRowColBitmap(HWND control);
/* Placement bits (QELBOX_BITMAP_*) of the corner bitmap; Set stores any
   value and repaints the corner. */
QELBOXAPI void WINAPI QelBox_SetRowColBitmapStyle(HWND control, int style);
QELBOXAPI int WINAPI QelBox_GetRowColBitmapStyle(HWND control);
/* Alignment and header bits (QELBOX_ALIGN_*, QELBOX_HEADER_PUSHBUTTON,
   QELBOX_HEADER_DISABLED) of the corner header; Set stores any value and
   repaints the corner. */
QELBOXAPI void WINAPI QelBox_SetRowColHeaderStyle(HWND control, int style);
QELBOXAPI int WINAPI QelBox_GetRowColHeaderStyle(HWND control);
/* Corner drawn pressed (stored as 0 or 1; a click on the corner toggles
   it, or presses it only while held with QELBOX_HEADER_PUSHBUTTON). Set
   repaints the corner when the value changes. */
QELBOXAPI void WINAPI QelBox_SetRowColHeaderButton(HWND control, BOOL pressed);
QELBOXAPI int WINAPI QelBox_GetRowColHeaderButton(HWND control);
/* Corner drawn as a raised button (stored as 0 or 1; 1 at creation). Set
   repaints the corner when the value changes. */
QELBOXAPI void WINAPI QelBox_SetShowRowColHeaderButton(HWND control, BOOL show);
QELBOXAPI int WINAPI QelBox_GetShowRowColHeaderButton(HWND control);

/* ------------------------------------------------------------------ */
/* Layout, rectangles, top index, drop-down size and position          */
/* ------------------------------------------------------------------ */
/* Height in pixels of row `index`, or of the closed control's display area
   for -1; -1 for an index outside -1 .. count-1. */
QELBOXAPI int WINAPI QelBox_GetItemHeight(HWND control, int index);
/* Text lines per row (1 at creation); rows of a fixed-height control are
   this many lines of the control's font high. QelBox_SetItemLines returns
   1 (an unchanged value changes nothing), recalculates the layout and
   repaints the list; 0 for `lines` < 1. */
QELBOXAPI int WINAPI QelBox_GetItemLines(HWND control);
QELBOXAPI int WINAPI QelBox_SetItemLines(HWND control, int lines);
/* Width in pixels of the label, tree-line and bitmap area in front of the
   first column's text (as of the last layout). */
QELBOXAPI int WINAPI QelBox_GetOverheadWidth(HWND control);
/* Rectangle of row `index` in the list window's client coordinates (index
   -1: the closed control's display area, in the control's client
   coordinates). *rect is emptied first. Returns 0; -1 for a bad index, a
   closed drop-down, or a row scrolled out of view. */
QELBOXAPI int WINAPI QelBox_GetItemRect(HWND control, int index, RECT* rect);
/* Rectangle of cell (`index`, `column`) in the list window's client
   coordinates; a negative index means the committed row, a negative column
   the caret column. Returns a pointer to a rectangle owned by the control
   that the next call overwrites (copy it); NULL for a bad index or column,
   no committed row, or a row that is not visible in the list window. */
QELBOXAPI RECT* WINAPI QelBox_GetCellRect(HWND control, int index, int column);
/* Rectangle of column `column`'s header in the control's client
   coordinates; -1 gives the whole header strip. Empty for a bad column or
   while the header strip is hidden. The first visible header includes the
   tree area. */
QELBOXAPI void WINAPI QelBox_GetHeaderRect(HWND control, int column, RECT* rect);
/* Rectangle of row `index`'s row header in the list window's client
   coordinates (index -1: the closed control's row header, in the control's
   coordinates); the whole row-header column of the list when the row is not
   visible. Empty without row headers or for an index outside -1 .. count-1. */
QELBOXAPI void WINAPI QelBox_GetRowHeaderRect(HWND control, int index, RECT* rect);
/* Rectangle of the corner header (above the row headers, left of the
   column headers) in the control's client coordinates; empty unless both
   the header strip and the row headers are shown. */
QELBOXAPI void WINAPI QelBox_GetRowColHeaderRect(HWND control, RECT* rect);
/* Rectangle of the drop-down button in the control's client coordinates;
   empty for the simple type. */
QELBOXAPI void WINAPI QelBox_GetDropDownButtonRect(HWND control, RECT* rect);
/* Screen rectangle of the open drop-down (of the list window for the simple
   type). Returns 0; -1 and an empty rectangle when the drop-down is closed. */
QELBOXAPI int WINAPI QelBox_GetDroppedControlRect(HWND control, RECT* rect);
/* Row under `point` (the control's client coordinates). Sets *area to 0 and
   returns the row when the point is over a row of the list; sets *area to
   1 and returns the committed row (-1 when none) when it is over the closed
   control's display area or its row header; returns -1 (area 0) otherwise. */
QELBOXAPI int WINAPI QelBox_CalcIndexFromPoint(HWND control, POINT* point, int* area);
/* Number of rows the list shows at a time (at least 1): for a closed
   drop-down with fixed heights the dropped height in rows, otherwise what
   fits in the list window from the top row. */
QELBOXAPI int WINAPI QelBox_GetItemsShown(HWND control);
/* First row shown in the list. QelBox_SetTopIndex scrolls so that `index`
   is the top row, limited so that the last page stays full; it sends no
   notification. Returns 0; -1 for an index outside 0 .. count-1. */
QELBOXAPI int WINAPI QelBox_GetTopIndex(HWND control);
QELBOXAPI int WINAPI QelBox_SetTopIndex(HWND control, int index);
/* Scrolls the list so that row `index` is fully shown (as the top row when
   it lay above, as the bottom row when below); sends QELBOXN_TOPINDEXCHANGE
   when the top row changes. Nothing for a bad index or a closed drop-down. */
QELBOXAPI void WINAPI QelBox_MakeRowVisible(HWND control, int index);
/* Scrolls horizontally so that column `column` is shown (the first visible
   column scrolls fully left, the last fully right); sends
   QELBOXN_HSCROLLCHANGE when the offset changes. Nothing for a bad column or
   while row 0 is not in view; with no items the offset becomes 0. */
QELBOXAPI void WINAPI QelBox_MakeColumnVisible(HWND control, int column);
/* Height of the drop-down: positive = rows, negative = minus a height in
   pixels; 6 (rows) at creation. When the list does not fit on the screen
   the height is halved until it fits and the halved value is kept.
   QelBox_GetDroppedHeight returns -1 for the simple type. QelBox_SetDroppedHeight
   stores `height` for the next opening and returns 0; -1 for the simple type
   or a height of 0. */
QELBOXAPI int WINAPI QelBox_GetDroppedHeight(HWND control);
QELBOXAPI int WINAPI QelBox_SetDroppedHeight(HWND control, int height);
/* Width of the drop-down: 0 = the control's width (the default), positive =
   pixels, negative = minus a percentage of the control's width; narrowed at
   the right edge of the screen. Get returns -1 for the simple type; Set
   stores any value and returns 0, -1 for the simple type. */
QELBOXAPI int WINAPI QelBox_GetDroppedWidth(HWND control);
QELBOXAPI int WINAPI QelBox_SetDroppedWidth(HWND control, int width);
/* Preferred side of the drop-down: 1 (the default) below the control,
   0 above; it opens on the other side when that has more room.
   QelBox_SetDropDownPosition closes an open drop-down (cancelling) and stores
   the value only for the drop-down-list type. */
QELBOXAPI int WINAPI QelBox_GetDropDownPosition(HWND control);
QELBOXAPI void WINAPI QelBox_SetDropDownPosition(HWND control, int position);
/* QELBOXSTYLE_DISABLENOSCROLL: the list's scroll bars are shown disabled
   instead of hidden when nothing can be scrolled. Get returns the style bit
   (0 or 0x4000). Set closes an open drop-down (cancelling), changes the
   window style and recalculates the layout. */
QELBOXAPI int WINAPI QelBox_GetDisableNoScroll(HWND control);
QELBOXAPI void WINAPI QelBox_SetDisableNoScroll(HWND control, BOOL disable);

/* ------------------------------------------------------------------ */
/* Optimal widths and horizontal scrolling                             */
/* ------------------------------------------------------------------ */
/* Width column `column` needs for its first `count` rows (all rows when
   `count` <= 0) and its header, without the tree area; -1 for a bad column.
   The deepest level among the measured rows becomes the tree depth. */
QELBOXAPI int WINAPI QelBox_CalcOptimalColumnWidth(HWND control, int column, int count);
/* Sets column `column` (every column for -1) to the width
   QelBox_CalcOptimalColumnWidth gives for its first `count` rows and repaints
   the cells and the header strip when it changes; a bad column does
   nothing. Neither the layout nor the horizontal extent is recalculated. */
QELBOXAPI void WINAPI QelBox_MakeColumnOptimal(HWND control, int column, int count);
/* Sets the horizontal extent to the width of the columns (open-ended: the
   last column's optimal width over the first `count` rows) and limits the
   offset to it. */
QELBOXAPI void WINAPI QelBox_RecalcHorizontalExtent(HWND control, int count);
/* Width of the scrollable content in pixels (0 = none, the default). Set
   updates the horizontal scroll bar and the layout and returns 1 (an
   unchanged value: 1, nothing done); 0 for a negative extent. The offset is
   not limited here. */
QELBOXAPI int WINAPI QelBox_SetHorizontalExtent(HWND control, int extent);
QELBOXAPI int WINAPI QelBox_GetHorizontalExtent(HWND control);
/* Scrolls the cells and column headers to `offset` pixels; -1 scrolls
   fully to the right, larger offsets are limited to the extent minus the
   list's width. Repaints the header strip and the list; sends no
   notification. Returns 1 (also when unchanged); 0 for an offset below -1. */
QELBOXAPI int WINAPI QelBox_SetHorizontalOffset(HWND control, int offset);
QELBOXAPI int WINAPI QelBox_GetHorizontalOffset(HWND control);

/* ------------------------------------------------------------------ */
/* Drawing properties and the draw-info callback                       */
/* ------------------------------------------------------------------ */
/* Sets the callback called before each row is painted with a DrawInfo that
   it may change (colours, font, label, bitmap, enabled look of that row
   for this paint only) and info->value. The structure is copied; NULL
   removes the callback. Nothing is repainted. Returns 1. */
QELBOXAPI int WINAPI QelBox_SetDrawInfoCallback(HWND control, const DrawInfoCallbackInfo* info);
/* Grid lines between rows and columns (0 at creation). Set stores 0 or 1
   and, on a change, recalculates the layout and repaints the list. */
QELBOXAPI int WINAPI QelBox_GetShowGrid(HWND control);
QELBOXAPI void WINAPI QelBox_SetShowGrid(HWND control, BOOL show);
/* Grid styles: lines between columns, lines between rows (which make each
   row one pixel taller), or both. */
#define QELBOX_GRID_VERTICAL 0
#define QELBOX_GRID_HORIZONTAL 1
#define QELBOX_GRID_BOTH 2

/* Grid line style: 0 vertical lines only, 1 horizontal lines only (not in
   the closed control, not with the 3-D look), 2 both (the default); Set
   stores any other value as 2. On a change the list is recalculated and
   repainted while the grid is shown. */
QELBOXAPI int WINAPI QelBox_GetGridStyle(HWND control);
QELBOXAPI void WINAPI QelBox_SetGridStyle(HWND control, int style);
/* Three-dimensional row look (0 at creation): two nested frames around the
   cells of every row, raised for the highlighted row and sunken for the
   others, instead of horizontal grid lines. Set stores 0 or 1; switching it
   on replaces the default text and background colours (the window
   colours) by the button colours, switching it off the reverse (colours
   the application set stay); recalculates and repaints the list. */
QELBOXAPI int WINAPI QelBox_GetShow3D(HWND control);
QELBOXAPI void WINAPI QelBox_SetShow3D(HWND control, BOOL show);
/* Tree lines joining parents and dependents in the first column (0 at
   creation). Set stores 0 or 1; on a change the tree area's width is
   recomputed (QELBOXN_OVERHEADWIDTHCHANGE when it changes) and the cells and
   headers are repainted. */
QELBOXAPI int WINAPI QelBox_GetShowTreeLines(HWND control);
QELBOXAPI void WINAPI QelBox_SetShowTreeLines(HWND control, BOOL show);
/* Text cut off at a cell's edge ends in an ellipsis (1 at creation). Set
   stores 0 or 1 and repaints the cells on a change. */
QELBOXAPI int WINAPI QelBox_GetShowTruncated(HWND control);
QELBOXAPI void WINAPI QelBox_SetShowTruncated(HWND control, BOOL show);
/* Selection styles: the whole selected row is highlighted; only its cells;
   only the text of its first visible column. */
#define QELBOX_SELECTION_ROW 0
#define QELBOX_SELECTION_CELLS 1
#define QELBOX_SELECTION_TEXT 2

/* How the highlighted row is painted: 0 (the default) the whole row, the
   label, tree and bitmap area included (not with the 3-D look); 1 its
   cells only; 2 only the text of its first visible column. Set accepts 0,
   1 and 2 (other values and the current one are ignored) and repaints the
   cells on a change. */
QELBOXAPI int WINAPI QelBox_GetSelectionStyle(HWND control);
QELBOXAPI void WINAPI QelBox_SetSelectionStyle(HWND control, int style);
/* 1 while the list-wide item bitmap is set (QelBox_SetItemBitmap with index
   -1), else 0. */
QELBOXAPI int WINAPI QelBox_GetShowBitmaps(HWND control);
/* 1 while the list-wide label is set (QelBox_SetItemLabel with index -1),
   else 0. */
QELBOXAPI int WINAPI QelBox_GetShowLabels(HWND control);

/* ------------------------------------------------------------------ */
/* Colours                                                             */
/* ------------------------------------------------------------------ */
/* The control's 37 colours (see CtlColors). Get copies them out. Set copies
   all 37 in without checks (an RGB value, QELBOX_SYSCOLOR(index), or
   QELBOX_COLOR_NONE where a fallback exists: the alternate-row colours)
   and repaints the control, its list and its edit field. Start from Get to
   change some of them. Work in virtual mode. */
QELBOXAPI void WINAPI QelBox_GetCtlColors(HWND control, CtlColors* colors);
QELBOXAPI void WINAPI QelBox_SetCtlColors(HWND control, const CtlColors* colors);

/* ------------------------------------------------------------------ */
/* Drop-down window                                                    */
/* ------------------------------------------------------------------ */
/* Opens (`show` non-zero) or closes the drop-down list. Opening sends
   QELBOXN_DROPDOWN, gives the focus to the control (unless it or its edit
   field has it), creates the list window (QELBOXN_DROPDOWNOPEN) and scrolls
   the committed row into view; a parent that sends WM_CANCELMODE to the
   control while handling QELBOXN_DROPDOWN keeps it closed. Closing destroys
   the list window (QELBOXN_DROPDOWNDESTROY) without changing the selection
   and without the close-up notifications. Returns 1 when done, already so,
   or cancelled by the parent; 0 for the simple type or opening an empty
   list; -1 when the window cannot be created. */
QELBOXAPI int WINAPI QelBox_ShowDropDown(HWND control, BOOL show);
/* 1 while the drop-down is open (always 1 for the simple type, whose list
   is permanent), else 0. */
QELBOXAPI int WINAPI QelBox_GetDroppedState(HWND control);
/* The list window: the open drop-down (NULL while closed) or the simple
   type's permanent list. */
QELBOXAPI HWND WINAPI QelBox_GetHWNDDropDown(HWND control);

/* ------------------------------------------------------------------ */
/* Mouse timers                                                        */
/* ------------------------------------------------------------------ */
/* Timer procedures of the automatic scrolling while a mouse button is held
   beyond the list's top or bottom edge (rows) or beyond the header strip's
   ends while dragging a column (horizontal). Exported for SetTimer; each
   call scrolls one step and sends QELBOXN_TOPINDEXCHANGE or
   QELBOXN_HSCROLLCHANGE when it moved. Applications do not call them. */
QELBOXAPI void CALLBACK QelBox_VScrollTimerProc(HWND control, UINT message, UINT_PTR id,
                                                DWORD time);
QELBOXAPI void CALLBACK QelBox_HeaderScrollTimerProc(HWND control, UINT message, UINT_PTR id,
                                                     DWORD time);

/* ------------------------------------------------------------------ */
/* Mouse properties                                                    */
/* ------------------------------------------------------------------ */
/* Stores 1 for the value 1, else 0; the control's behaviour does not depend
   on it. */
QELBOXAPI int WINAPI QelBox_GetDragType(HWND control);
QELBOXAPI void WINAPI QelBox_SetDragType(HWND control, int value);
/* Column dividers in the header strip can be dragged to resize columns
   (1 at creation). Set stores value != 0. */
QELBOXAPI int WINAPI QelBox_GetResizeHeader(HWND control);
QELBOXAPI void WINAPI QelBox_SetResizeHeader(HWND control, BOOL value);
/* Column headers can be dragged to new places (1 at creation). Set stores
   value != 0. */
QELBOXAPI int WINAPI QelBox_GetReorderColumns(HWND control);
QELBOXAPI void WINAPI QelBox_SetReorderColumns(HWND control, BOOL value);

/* ------------------------------------------------------------------ */
/* Font lists                                                          */
/* ------------------------------------------------------------------ */
/* Filter flags of QelBox_Fonts: a face is listed only when the flag of
   each of its properties is set. QELBOXFONT_SCREEN is no filter: it asks
   for the screen's faces as well when a device context is given. */
#define QELBOXFONT_FIXED 0x01    /* fixed-pitch faces */
#define QELBOXFONT_VARIABLE 0x02 /* variable-pitch faces */
#define QELBOXFONT_TRUETYPE 0x04 /* TrueType faces */
#define QELBOXFONT_RASTER 0x08   /* raster faces */
#define QELBOXFONT_OTHER 0x10    /* vector and device faces */
#define QELBOXFONT_SCREEN 0x20

/* Inserts the installed faces (of the screen, and of `device` when given)
   at `index`, or at the top for -1, sorted among themselves; each item's
   first cell data holds the font type (RASTER_/DEVICE_/TRUETYPE_FONTTYPE).
   With `withBitmaps` TrueType and device faces carry a mark bitmap.
   Returns the index of the last face inserted, `index` when none was, a
   negative value when an insertion failed, -1 for an index outside
   -1 .. count-1. */
QELBOXAPI int WINAPI QelBox_Fonts(HWND control, int index, BOOL withBitmaps, HDC device,
                                  DWORD filterFlags);
/* Lists the point sizes of a face (first cell data: the size). A scalable
   face replaces the list by the standard sizes; a raster face's sizes are
   merged in ascending order. Returns 1 when the control holds items
   afterwards, else 0 (also for a null face name). */
QELBOXAPI int WINAPI QelBox_FontSizes_A(HWND control, HDC device, const char* faceName);
/* Lists the styles of a face, named from the nine comma-separated names of
   the weights 100..900 plus `italicSuffix` for italic (null: the library's
   own strings); first cell data: the weight, 0x80000000 added for italic.
   Returns 1 when the control holds items afterwards, else 0 (also for a
   null face name, or when a needed default string is absent). */
QELBOXAPI int WINAPI QelBox_FontStyles_A(HWND control, HDC device, const char* faceName,
                                         const char* weightNames, const char* italicSuffix);
/* The enumeration callbacks of the three lists (user value: the control's
   record, window long 0); 1 continues the enumeration, 0 stops it. */
QELBOXAPI int CALLBACK QelBox_FontsEnumProc(const LOGFONTA* font, const TEXTMETRICA* metrics,
                                            DWORD fontType, LPARAM record);
QELBOXAPI int CALLBACK QelBox_FontsForSizeEnumProc(const LOGFONTA* font, const TEXTMETRICA* metrics,
                                                   DWORD fontType, LPARAM record);
QELBOXAPI int CALLBACK QelBox_FontsForStyleEnumProc(const LOGFONTA* font,
                                                    const TEXTMETRICA* metrics, DWORD fontType,
                                                    LPARAM record);

/* ------------------------------------------------------------------ */
/* UTF-16 text                                                         */
/* ------------------------------------------------------------------ */
/* The control keeps every text as UTF-16. Each function above that takes
   or returns text has a twin here with the same name ending in _W, the same
   arguments, results, refusals, failure values and notifications, except:
   - texts are wchar_t (UTF-16; a character outside the Basic Multilingual
     Plane is a surrogate pair and counts as two);
   - the _W getters take the buffer size in characters, copy at most
     size-1 characters and a terminator (a surrogate pair is never cut in
     half; buffer[0] is set to 0 whenever size > 0, also on failure) and
     return the length of the whole text, so that a call with size 0 (the
     buffer may then be NULL) measures it. They return -1 where their _A
     twins do.
   The _A functions convert with the ANSI code page (CP_ACP) on the way in
   and out, so they behave as before for every text the code page can
   represent. A character that it cannot represent reads back through an
   _A getter as the system's default character ('?' in most code pages),
   and the _A length functions count bytes of that ANSI form, while the _W
   ones count UTF-16 characters. The searches ignore case as the C
   runtime's _wcsicmp/_wcsnicmp do, which is what the _A searches do for
   their texts (in the default "C" locale: the letters A-Z only); the
   default comparison is CompareStringW in the control's locale.
   The window classes are Unicode windows: the edit field accepts every
   character the user types, WM_GETTEXT and WM_SETTEXT work in both forms
   (the system converts for ANSI callers), and the drop-down-list type
   copies its committed text to the clipboard as CF_UNICODETEXT (the system
   provides CF_TEXT from it). Define UNICODE to make the names without a
   suffix (QelBox_AddString, QelBox_GetText, ...) mean the _W functions, as
   windows.h does; without it they mean the _A functions. Mind that the _A
   and _W getters differ in their size argument. */
QELBOXAPI int WINAPI QelBox_AddString_W(HWND control, const wchar_t* text);
QELBOXAPI int WINAPI QelBox_InsertString_W(HWND control, int index, const wchar_t* text);
QELBOXAPI int WINAPI QelBox_GetText_W(HWND control, int index, int column, wchar_t* buffer,
                                      int size);
QELBOXAPI int WINAPI QelBox_GetTextLength_W(HWND control, int index, int column);
QELBOXAPI int WINAPI QelBox_SetText_W(HWND control, int index, int column, const wchar_t* text);
QELBOXAPI int WINAPI QelBox_GetRowText_W(HWND control, int index, wchar_t* buffer, int size);
QELBOXAPI int WINAPI QelBox_GetRowTextLength_W(HWND control, int index);
QELBOXAPI int WINAPI QelBox_SetRowText_W(HWND control, int index, const wchar_t* text);
QELBOXAPI int WINAPI QelBox_FindString_W(HWND control, int start, int column, const wchar_t* text,
                                         BOOL wrap);
QELBOXAPI int WINAPI QelBox_FindStringExact_W(HWND control, int start, int column,
                                              const wchar_t* text, BOOL wrap);
QELBOXAPI int WINAPI QelBox_SelectString_W(HWND control, int start, int column, const wchar_t* text,
                                           BOOL wrap);
QELBOXAPI int WINAPI QelBox_SelectStringExact_W(HWND control, int start, int column,
                                                const wchar_t* text, BOOL wrap);
/* The sorts call a wide callback in exactly the order in which the _A sorts
   call theirs; the default comparison is the same. */
QELBOXAPI int WINAPI QelBox_DefaultCompareProc_W(HWND control, const wchar_t* text1,
                                                 const wchar_t* text2, QelData data1,
                                                 QelData data2);
QELBOXAPI int WINAPI QelBox_SortItems_W(HWND control, int parent, int column,
                                        QELBOX_COMPAREPROCW compare);
QELBOXAPI int WINAPI QelBox_SortItemsEx_W(HWND control, int parent, int column,
                                          QELBOX_COMPAREEXPROCW compare);
QELBOXAPI int WINAPI QelBox_SortItemsFast_W(HWND control, int parent, int column,
                                            QELBOX_COMPAREPROCW compare);
QELBOXAPI int WINAPI QelBox_SortItemsExFast_W(HWND control, int parent, int column,
                                              QELBOX_COMPAREEXPROCW compare);
/* Virtual mode whose fetch callback hands over ItemRecordW records. */
QELBOXAPI int WINAPI QelBox_VirtualInitialize_W(HWND control, QELBOX_FETCHPROCW fetch,
                                                QELBOX_RELEASEPROCW release, QelData value);
/* QelBox_SetColumns / QelBox_GetColumns with ColumnRecordW. The copy that
   QelBox_GetColumns_W hands out is replaced by the next call of either
   function. */
QELBOXAPI int WINAPI QelBox_SetColumns_W(HWND control, int count, const ColumnRecordW* columns);
QELBOXAPI int WINAPI QelBox_GetColumns_W(HWND control, ColumnRecordW** out);
QELBOXAPI int WINAPI QelBox_SetHeader_W(HWND control, int column, const wchar_t* text);
QELBOXAPI int WINAPI QelBox_GetHeader_W(HWND control, int column, wchar_t* buffer, int size);
QELBOXAPI int WINAPI QelBox_GetHeaderLength_W(HWND control, int column);
QELBOXAPI int WINAPI QelBox_SetRowColText_W(HWND control, const wchar_t* text);
QELBOXAPI int WINAPI QelBox_GetRowColText_W(HWND control, wchar_t* buffer, int size);
QELBOXAPI int WINAPI QelBox_GetRowColTextLength_W(HWND control);
/* The font lists with wide names; QelBox_Fonts always lists the faces by
   their UTF-16 names. The enumeration callbacks take LOGFONTW records. */
QELBOXAPI int WINAPI QelBox_FontSizes_W(HWND control, HDC device, const wchar_t* faceName);
QELBOXAPI int WINAPI QelBox_FontStyles_W(HWND control, HDC device, const wchar_t* faceName,
                                         const wchar_t* weightNames, const wchar_t* italicSuffix);
QELBOXAPI int CALLBACK QelBox_FontsEnumProc_W(const LOGFONTW* font, const TEXTMETRICW* metrics,
                                              DWORD fontType, LPARAM record);
QELBOXAPI int CALLBACK QelBox_FontsForSizeEnumProc_W(const LOGFONTW* font,
                                                     const TEXTMETRICW* metrics, DWORD fontType,
                                                     LPARAM record);
QELBOXAPI int CALLBACK QelBox_FontsForStyleEnumProc_W(const LOGFONTW* font,
                                                      const TEXTMETRICW* metrics, DWORD fontType,
                                                      LPARAM record);

#ifdef UNICODE
#define QELBOX_TEXT_NAME_(name) name##_W
#else
#define QELBOX_TEXT_NAME_(name) name##_A
#endif
#define QelBox_AddString QELBOX_TEXT_NAME_(QelBox_AddString)
#define QelBox_InsertString QELBOX_TEXT_NAME_(QelBox_InsertString)
#define QelBox_GetText QELBOX_TEXT_NAME_(QelBox_GetText)
#define QelBox_SetText QELBOX_TEXT_NAME_(QelBox_SetText)
#define QelBox_GetRowText QELBOX_TEXT_NAME_(QelBox_GetRowText)
#define QelBox_SetRowText QELBOX_TEXT_NAME_(QelBox_SetRowText)
#define QelBox_FindString QELBOX_TEXT_NAME_(QelBox_FindString)
#define QelBox_FindStringExact QELBOX_TEXT_NAME_(QelBox_FindStringExact)
#define QelBox_SelectString QELBOX_TEXT_NAME_(QelBox_SelectString)
#define QelBox_SelectStringExact QELBOX_TEXT_NAME_(QelBox_SelectStringExact)
#define QelBox_SetHeader QELBOX_TEXT_NAME_(QelBox_SetHeader)
#define QelBox_GetHeader QELBOX_TEXT_NAME_(QelBox_GetHeader)
#define QelBox_SetRowColText QELBOX_TEXT_NAME_(QelBox_SetRowColText)
#define QelBox_GetRowColText QELBOX_TEXT_NAME_(QelBox_GetRowColText)
#define QelBox_FontSizes QELBOX_TEXT_NAME_(QelBox_FontSizes)
#define QelBox_FontStyles QELBOX_TEXT_NAME_(QelBox_FontStyles)

/* ------------------------------------------------------------------ */
/* Dialog editors                                                      */
/* ------------------------------------------------------------------ */
/* Custom-control entry of dialog editors: fills records[0..2] (drop-down
   list, drop-down, simple) when `records` is non-null; returns 3, the
   number of control types. */
QELBOXAPI UINT WINAPI CustomControlInfoA(LPCCINFOA records);

/* ------------------------------------------------------------------ */
/* Accessibility                                                       */
/* ------------------------------------------------------------------ */
/* The control answers Active Accessibility (WM_GETOBJECT) and reports its
   changes as WinEvents; nothing needs to be called for it. Its objects:

   - The control window, OBJID_CLIENT: role combo box. Name: the text of the
     static label placed before the control among its siblings (tab order),
     without '&' markers; its mnemonic gives the keyboard shortcut
     ("Alt+X"). Value: the edit field's text, or the committed row's text
     for the drop-down-list type. State: focusable, focused, unavailable
     (disabled), expanded or collapsed (drop-down types). Children, in this
     order: the edit field (the system's edit object, named by the label too;
     simple and drop-down types), the drop-down button (push button named and acting "Open" or
     "Close", as Alt+Down / Alt+Up: opening, or closing with the highlighted
     row accepted; not for the simple type), the list, and the column header
     strip while headers are shown (a grouping of column headers, one per
     visible column in display order, named by the header text).
   - The list: OBJID_CLIENT of the list window (the simple type's permanent
     list or the open drop-down), and at any time QELBOX_OBJID_LIST of the
     control window. Role list, or outline while tree lines are shown. One
     simple child per row, child id = row index + 1: role list item (outline
     item); name = the text of the first visible column in display order;
     description = the other visible columns as "header: text" pairs joined
     by ", " (just the text under a column without header text; empty cells
     left out); value of an outline item = its level (0 at the top);
     state selectable and focusable, selected and focused for the
     highlighted row, unavailable for a disabled row, invisible and
     offscreen outside the view; location = the row on the screen.
     accSelect (SELFLAG_TAKEFOCUS and/or SELFLAG_TAKESELECTION) moves the
     highlight as the arrow keys do, committing it with QELBOXN_SELCHANGE
     (SELFLAG_TAKEFOCUS first gives the control the focus as tabbing to it
     does; other flags are refused, a disabled control refuses with E_FAIL);
     the default action "Select" clicks the row (in an open list: as a
     mouse click, which closes a drop-down accepting it; with the list
     closed: as the keyboard).
   - Objects kept after the control is destroyed answer every call with
     RPC_E_DISCONNECTED (RPC_E_WRONG_THREAD when called from a thread other
     than the control's own) and touch nothing.

   WinEvents (none while redraw is off; one EVENT_OBJECT_REORDER when redraw
   comes back if rows changed meanwhile). Row events go to the list window,
   OBJID_CLIENT, while it exists, else to the control window with
   QELBOX_OBJID_LIST:
   - EVENT_OBJECT_FOCUS and EVENT_OBJECT_SELECTION on the highlighted row
     whenever the highlight moves while the control has the focus or the
     list is shown, and when a drop-down opens;
   - EVENT_OBJECT_VALUECHANGE on the control when the committed row changes,
     the committed row's text changes or the user edits the edit field;
   - EVENT_OBJECT_SHOW / EVENT_OBJECT_HIDE of the drop-down list window,
     each with EVENT_OBJECT_STATECHANGE of the control (expanded,
     collapsed); after the close EVENT_OBJECT_FOCUS of the focused control
     window or edit field;
   - EVENT_OBJECT_STATECHANGE on the control when it is enabled or disabled,
     and on a row whose enabled state changes;
   - EVENT_OBJECT_NAMECHANGE on a row whose text changes;
   - EVENT_OBJECT_REORDER on the list after rows are inserted, deleted,
     moved, copied or sorted (one per call). */
#define QELBOX_OBJID_LIST 1

#ifdef __cplusplus
}
#endif

#endif /* QELBOX_H */

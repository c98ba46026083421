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
 *       QelBox_SetEditSel); QelBox_GetItemData returns (QelData)-1;
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
 * current count; a sort whose compare callback changed the rows stops and
 * returns 0. When the control was destroyed meanwhile, the call in progress
 * returns its failure value at once. A control destroyed while its list is
 * being cleared still reports every item it held to the delete callback.
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
/* Notification codes (HIWORD of wParam of WM_COMMAND)                 */
/* ------------------------------------------------------------------ */
#define QELBOXN_KILLFOCUS 2
#define QELBOXN_SETFOCUS 3
#define QELBOXN_SELCHANGE 5
#define QELBOXN_TOPINDEXCHANGE 6
#define QELBOXN_COLUMNRESIZED 8
#define QELBOXN_COLUMNSREORDERED 9
#define QELBOXN_HSCROLLCHANGE 10
#define QELBOXN_MOUSEMOVE 11
#define QELBOXN_OVERHEADWIDTHCHANGE 12
#define QELBOXN_SIZE 14
#define QELBOXN_EDITUPDATE 15
#define QELBOXN_EDITCHANGE 16
#define QELBOXN_DROPDOWNOPEN 17
#define QELBOXN_DROPDOWNDESTROY 18
#define QELBOXN_DROPDOWN 19
#define QELBOXN_CLOSEUPOK 20
#define QELBOXN_CLOSEUPCANCEL 21
#define QELBOXN_RBUTTONUP 22

/* Mouse click codes are sums: button + optional DBLCLK + optional
   ONCONTROL + zone. Example: 35 = left click on a row. */
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

/* Per-cell display overrides; 30 bytes, packed (an array of them per item). */
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

/* QelBox_GetCellInfo / QelBox_SetCellInfo: address + the cell record. */
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

/* Per-row overrides of the row header, owned by the item. */
typedef struct RowInfoBlock {
    QelColorRef colorBackground;
    QelColorRef colorText;
    QelColorRef colorSelBackground;
    QelColorRef colorSelText;
    HBITMAP bitmap;
    WORD bitmapStyle;
} RowInfoBlock;

/* QelBox_GetRowInfo / QelBox_SetRowInfo */
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

/* One row. In virtual mode the application supplies records of this layout. */
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

/* One column definition; 108 bytes. */
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
    char* headerText;
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

/* The control's 37 colours (QelBox_GetCtlColors / QelBox_SetCtlColors). */
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

/* Handed to the draw-info callback before each row is painted. */
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
QELBOXAPI int WINAPI QelBox_GetOpenEnded(HWND control);
QELBOXAPI void WINAPI QelBox_SetOpenEnded(HWND control, int enable);

/* ------------------------------------------------------------------ */
/* Module, application registration and hooks                         */
/* ------------------------------------------------------------------ */
QELBOXAPI BOOL WINAPI QelBox_RegisterApp(HINSTANCE instance);
QELBOXAPI void WINAPI QelBox_UnregisterApp(HINSTANCE instance);
QELBOXAPI LRESULT WINAPI QelBox_MouseFilterHook(int code, WPARAM message, LPARAM info);
QELBOXAPI LRESULT WINAPI QelBox_KeyboardFilterHook(int code, WPARAM key, LPARAM data);

/* ------------------------------------------------------------------ */
/* Window procedures                                                   */
/* ------------------------------------------------------------------ */
QELBOXAPI LRESULT WINAPI QelBox_WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
QELBOXAPI LRESULT WINAPI QelCtl_WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
QELBOXAPI LRESULT WINAPI QelDropDown_WndProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

/* ------------------------------------------------------------------ */
/* Edit field                                                          */
/* ------------------------------------------------------------------ */
QELBOXAPI HWND WINAPI QelBox_GetHWNDEdit(HWND control);
QELBOXAPI int WINAPI QelBox_LimitText(HWND control, int length);
QELBOXAPI int WINAPI QelBox_GetEditSel(HWND control, DWORD* start, DWORD* end);
QELBOXAPI int WINAPI QelBox_SetEditSel(HWND control, int start, int end);
QELBOXAPI HFONT WINAPI QelBox_GetEditCtlFont(HWND control);
QELBOXAPI void WINAPI QelBox_SetEditCtlFont(HWND control, HFONT font, BOOL redraw);
QELBOXAPI int WINAPI QelBox_GetExtendedUI(HWND control);
QELBOXAPI int WINAPI QelBox_SetExtendedUI(HWND control, int on);
QELBOXAPI int WINAPI QelBox_GetCaretColumn(HWND control);

/* ------------------------------------------------------------------ */
/* Items                                                               */
/* ------------------------------------------------------------------ */
QELBOXAPI int WINAPI QelBox_AddString_A(HWND control, const char* text);
QELBOXAPI int WINAPI QelBox_InsertString_A(HWND control, int index, const char* text);
QELBOXAPI int WINAPI QelBox_DeleteString(HWND control, int index);
QELBOXAPI void WINAPI QelBox_ResetContent(HWND control);
QELBOXAPI int WINAPI QelBox_GetCount(HWND control);
QELBOXAPI int WINAPI QelBox_SetDeleteCallback(HWND control, const DeleteCallbackInfo* info);
/* The item's application value; (QelData)-1 (all bits set: 0xFFFFFFFF in
   qelbox32.dll) for a bad index. QelBox_SetItemData returns 0, or -1 for a
   bad index or in virtual mode. */
QELBOXAPI QelData WINAPI QelBox_GetItemData(HWND control, int index);
QELBOXAPI int WINAPI QelBox_SetItemData(HWND control, int index, QelData value);
QELBOXAPI int WINAPI QelBox_GetItemStatus(HWND control, int index);
QELBOXAPI int WINAPI QelBox_SetItemStatus(HWND control, int index, BOOL enabled);
QELBOXAPI HBITMAP WINAPI QelBox_GetItemLabel(HWND control, int index);
QELBOXAPI int WINAPI QelBox_SetItemLabel(HWND control, int index, HBITMAP bitmap);
QELBOXAPI HBITMAP WINAPI QelBox_GetItemBitmap(HWND control, int index);
QELBOXAPI int WINAPI QelBox_SetItemBitmap(HWND control, int index, HBITMAP bitmap);
QELBOXAPI int WINAPI QelBox_GetText_A(HWND control, int index, int column, char* buffer);
QELBOXAPI int WINAPI QelBox_GetTextLength(HWND control, int index, int column);
QELBOXAPI int WINAPI QelBox_SetText_A(HWND control, int index, int column, const char* text);
QELBOXAPI int WINAPI QelBox_GetRowText_A(HWND control, int index, char* buffer);
QELBOXAPI int WINAPI QelBox_GetRowTextLength(HWND control, int index);
QELBOXAPI int WINAPI QelBox_SetRowText_A(HWND control, int index, const char* text);
QELBOXAPI int WINAPI QelBox_GetRowInfo(HWND control, RowInfo* info);
QELBOXAPI int WINAPI QelBox_SetRowInfo(HWND control, const RowInfo* info);

/* ------------------------------------------------------------------ */
/* Hierarchy                                                           */
/* ------------------------------------------------------------------ */
QELBOXAPI int WINAPI QelBox_GetItemLevel(HWND control, int index);
QELBOXAPI int WINAPI QelBox_SetItemLevel(HWND control, int index, int level);
QELBOXAPI int WINAPI QelBox_GetParent(HWND control, int index);
QELBOXAPI int WINAPI QelBox_GetTopParent(HWND control, int index);
QELBOXAPI int WINAPI QelBox_GetDependent(HWND control, int index, int code);
QELBOXAPI int WINAPI QelBox_GetDependentCount(HWND control, int index, BOOL all);
QELBOXAPI int WINAPI QelBox_GetSibling(HWND control, int index, int code);
QELBOXAPI int WINAPI QelBox_DeleteDependents(HWND control, int index);
QELBOXAPI int WINAPI QelBox_CopyItem(HWND control, int from, int to);
QELBOXAPI int WINAPI QelBox_MoveItem(HWND control, int from, int to);

/* ------------------------------------------------------------------ */
/* Searching and selection                                             */
/* ------------------------------------------------------------------ */
QELBOXAPI int WINAPI QelBox_GetCurSel(HWND control);
QELBOXAPI int WINAPI QelBox_SetCurSel(HWND control, int index);
QELBOXAPI int WINAPI QelBox_GetCursorSelect(HWND control);
QELBOXAPI void WINAPI QelBox_SetCursorSelect(HWND control, BOOL value);
QELBOXAPI int WINAPI QelBox_FindItem(HWND control, int start, QelData data);
QELBOXAPI int WINAPI QelBox_FindString_A(HWND control, int start, int column, const char* text,
                                         BOOL wrap);
QELBOXAPI int WINAPI QelBox_FindStringExact_A(HWND control, int start, int column, const char* text,
                                              BOOL wrap);
QELBOXAPI int WINAPI QelBox_SelectString_A(HWND control, int start, int column, const char* text,
                                           BOOL wrap);
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
   memory runs out (the selections are then cleared). */
QELBOXAPI int WINAPI QelBox_SortItems(HWND control, int parent, int column,
                                      QELBOX_COMPAREPROC compare);
QELBOXAPI int WINAPI QelBox_SortItemsEx(HWND control, int parent, int column,
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
   virtual mode; list-wide settings (index -1) still work. */
QELBOXAPI int WINAPI QelBox_VirtualInitialize(HWND control, QELBOX_FETCHPROC fetch,
                                              QELBOX_RELEASEPROC release, QelData value);
/* Sets the number of items, scrolls to the top and clears the selection
   (QELBOXN_SELCHANGE when something was highlighted). Returns 1; 0 outside
   virtual mode or for a negative count. */
QELBOXAPI int WINAPI QelBox_VirtualCount(HWND control, int count);
/* Gives back the item fetched last and repaints row `index` (negative: the
   whole list). Returns 1; 0 outside virtual mode or for an index >= count
   (the item is given back all the same). */
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
/* Returns the column count (0 when memory runs out). With `out` non-null
   also a copy of the definitions, owned by the control and valid until the
   next call or the control's destruction. */
QELBOXAPI int WINAPI QelBox_GetColumns(HWND control, ColumnRecord** out);
/* Copies `text` as the column's header text; a null text clears it. */
QELBOXAPI int WINAPI QelBox_SetHeader_A(HWND control, int column, const char* text);
/* Copies at most size-1 characters and a terminator; returns the length
   copied, -1 for a bad column or a null buffer. A size of 0 or less copies
   nothing and returns 0. */
QELBOXAPI int WINAPI QelBox_GetHeader_A(HWND control, int column, char* buffer, int size);
/* Length of the header text; 0 without text, -1 for a bad column. */
QELBOXAPI int WINAPI QelBox_GetHeaderLength(HWND control, int column);
/* Column drawn as the pressed header button, -1 for none. */
QELBOXAPI int WINAPI QelBox_SetHeaderButton(HWND control, int column);
QELBOXAPI int WINAPI QelBox_GetHeaderButton(HWND control);
/* 0 no header strip, 1 raised headers (the header button sunken), 2 every
   header sunken; other values are ignored. */
QELBOXAPI void WINAPI QelBox_SetShowHeader(HWND control, int mode);
QELBOXAPI int WINAPI QelBox_GetShowHeader(HWND control);
/* Font of the header strip, not owned; 0 = the control's font. */
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
/* Width of the row-header column in pixels; 0 hides it, negative values are
   ignored. */
QELBOXAPI void WINAPI QelBox_SetRowHeaderWidth(HWND control, int width);
QELBOXAPI int WINAPI QelBox_GetRowHeaderWidth(HWND control);
/* Alignment, multi-line and header bits (QELBOX_ALIGN_*, QELBOX_MULTILINE,
   QELBOX_HEADER_*) of every row header. */
QELBOXAPI void WINAPI QelBox_SetRowHeaderStyle(HWND control, int style);
QELBOXAPI int WINAPI QelBox_GetRowHeaderStyle(HWND control);
/* Font of the row headers, not owned; 0 = the control's font. */
QELBOXAPI void WINAPI QelBox_SetRowHeaderFont(HWND control, HFONT font, BOOL redraw);
QELBOXAPI HFONT WINAPI QelBox_GetRowHeaderFont(HWND control);
/* Row-header width that fits the labels of the first `count` rows (all rows
   when `count` <= 0) and, while the header strip is shown, the corner; 0
   while there are no row headers. Changes nothing. */
QELBOXAPI int WINAPI QelBox_CalcOptimalRowHeaderWidth(HWND control, int count);
/* Copies `text` as the corner header's text; a null text removes it.
   Returns 1, or 0 when memory runs out (the old text stays). */
QELBOXAPI int WINAPI QelBox_SetRowColText_A(HWND control, const char* text);
/* Copies at most size-1 characters of the corner text and a terminator;
   returns the length copied (0 for no text, a null buffer or size <= 0). */
QELBOXAPI int WINAPI QelBox_GetRowColText_A(HWND control, char* buffer, int size);
QELBOXAPI int WINAPI QelBox_GetRowColTextLength(HWND control);
/* Bitmap of the corner header, not owned; a handle that is no bitmap
   counts as 0. */
QELBOXAPI void WINAPI QelBox_SetRowColBitmap(HWND control, HBITMAP bitmap);
QELBOXAPI HBITMAP WINAPI QelBox_GetRowColBitmap(HWND control);
/* Placement bits (QELBOX_BITMAP_*) of the corner bitmap. */
QELBOXAPI void WINAPI QelBox_SetRowColBitmapStyle(HWND control, int style);
QELBOXAPI int WINAPI QelBox_GetRowColBitmapStyle(HWND control);
/* Alignment and header bits of the corner header. */
QELBOXAPI void WINAPI QelBox_SetRowColHeaderStyle(HWND control, int style);
QELBOXAPI int WINAPI QelBox_GetRowColHeaderStyle(HWND control);
/* Corner drawn pressed (stored as 0 or 1). */
QELBOXAPI void WINAPI QelBox_SetRowColHeaderButton(HWND control, BOOL pressed);
QELBOXAPI int WINAPI QelBox_GetRowColHeaderButton(HWND control);
/* Corner drawn as a raised button (stored as 0 or 1). */
QELBOXAPI void WINAPI QelBox_SetShowRowColHeaderButton(HWND control, BOOL show);
QELBOXAPI int WINAPI QelBox_GetShowRowColHeaderButton(HWND control);

/* ------------------------------------------------------------------ */
/* Layout, rectangles, top index, drop-down size and position          */
/* ------------------------------------------------------------------ */
QELBOXAPI int WINAPI QelBox_GetItemHeight(HWND control, int index);
QELBOXAPI int WINAPI QelBox_GetItemLines(HWND control);
QELBOXAPI int WINAPI QelBox_SetItemLines(HWND control, int lines);
QELBOXAPI int WINAPI QelBox_GetOverheadWidth(HWND control);
QELBOXAPI int WINAPI QelBox_GetItemRect(HWND control, int index, RECT* rect);
QELBOXAPI RECT* WINAPI QelBox_GetCellRect(HWND control, int index, int column);
QELBOXAPI void WINAPI QelBox_GetHeaderRect(HWND control, int column, RECT* rect);
QELBOXAPI void WINAPI QelBox_GetRowHeaderRect(HWND control, int index, RECT* rect);
QELBOXAPI void WINAPI QelBox_GetRowColHeaderRect(HWND control, RECT* rect);
QELBOXAPI void WINAPI QelBox_GetDropDownButtonRect(HWND control, RECT* rect);
QELBOXAPI int WINAPI QelBox_GetDroppedControlRect(HWND control, RECT* rect);
QELBOXAPI int WINAPI QelBox_CalcIndexFromPoint(HWND control, POINT* point, int* area);
QELBOXAPI int WINAPI QelBox_GetItemsShown(HWND control);
QELBOXAPI int WINAPI QelBox_GetTopIndex(HWND control);
QELBOXAPI int WINAPI QelBox_SetTopIndex(HWND control, int index);
QELBOXAPI void WINAPI QelBox_MakeRowVisible(HWND control, int index);
QELBOXAPI void WINAPI QelBox_MakeColumnVisible(HWND control, int column);
QELBOXAPI int WINAPI QelBox_GetDroppedHeight(HWND control);
QELBOXAPI int WINAPI QelBox_SetDroppedHeight(HWND control, int height);
QELBOXAPI int WINAPI QelBox_GetDroppedWidth(HWND control);
QELBOXAPI int WINAPI QelBox_SetDroppedWidth(HWND control, int width);
QELBOXAPI int WINAPI QelBox_GetDropDownPosition(HWND control);
QELBOXAPI void WINAPI QelBox_SetDropDownPosition(HWND control, int position);
QELBOXAPI int WINAPI QelBox_GetDisableNoScroll(HWND control);
QELBOXAPI void WINAPI QelBox_SetDisableNoScroll(HWND control, BOOL disable);

/* ------------------------------------------------------------------ */
/* Optimal widths and horizontal scrolling                             */
/* ------------------------------------------------------------------ */
/* Width column `column` needs for its first `count` rows (all rows when
   `count` <= 0) and its header, without the tree area; -1 for a bad column.
   The deepest level among the measured rows becomes the tree depth. */
QELBOXAPI int WINAPI QelBox_CalcOptimalColumnWidth(HWND control, int column, int count);
/* Sets the column (every column for -1) to its optimal width; a bad column
   does nothing. The horizontal extent is not changed. */
QELBOXAPI void WINAPI QelBox_MakeColumnOptimal(HWND control, int column, int count);
/* Sets the horizontal extent to the width of the columns (open-ended: the
   last column's optimal width over the first `count` rows) and limits the
   offset to it. */
QELBOXAPI void WINAPI QelBox_RecalcHorizontalExtent(HWND control, int count);
/* Width of the scrollable content in pixels (0 = none); negative: 0. */
QELBOXAPI int WINAPI QelBox_SetHorizontalExtent(HWND control, int extent);
QELBOXAPI int WINAPI QelBox_GetHorizontalExtent(HWND control);
/* Scrolls the cells and column headers; -1 scrolls fully to the right,
   larger offsets are limited to the extent. Below -1: 0. */
QELBOXAPI int WINAPI QelBox_SetHorizontalOffset(HWND control, int offset);
QELBOXAPI int WINAPI QelBox_GetHorizontalOffset(HWND control);

/* ------------------------------------------------------------------ */
/* Drawing properties and the draw-info callback                       */
/* ------------------------------------------------------------------ */
QELBOXAPI int WINAPI QelBox_SetDrawInfoCallback(HWND control, const DrawInfoCallbackInfo* info);
QELBOXAPI int WINAPI QelBox_GetShowGrid(HWND control);
QELBOXAPI void WINAPI QelBox_SetShowGrid(HWND control, BOOL show);
QELBOXAPI int WINAPI QelBox_GetGridStyle(HWND control);
QELBOXAPI void WINAPI QelBox_SetGridStyle(HWND control, int style);
QELBOXAPI int WINAPI QelBox_GetShow3D(HWND control);
QELBOXAPI void WINAPI QelBox_SetShow3D(HWND control, BOOL show);
QELBOXAPI int WINAPI QelBox_GetShowTreeLines(HWND control);
QELBOXAPI void WINAPI QelBox_SetShowTreeLines(HWND control, BOOL show);
QELBOXAPI int WINAPI QelBox_GetShowTruncated(HWND control);
QELBOXAPI void WINAPI QelBox_SetShowTruncated(HWND control, BOOL show);
QELBOXAPI int WINAPI QelBox_GetSelectionStyle(HWND control);
QELBOXAPI void WINAPI QelBox_SetSelectionStyle(HWND control, int style);
QELBOXAPI int WINAPI QelBox_GetShowBitmaps(HWND control);
QELBOXAPI int WINAPI QelBox_GetShowLabels(HWND control);

/* ------------------------------------------------------------------ */
/* Colours                                                             */
/* ------------------------------------------------------------------ */
QELBOXAPI void WINAPI QelBox_GetCtlColors(HWND control, CtlColors* colors);
QELBOXAPI void WINAPI QelBox_SetCtlColors(HWND control, const CtlColors* colors);

/* ------------------------------------------------------------------ */
/* Drop-down window                                                    */
/* ------------------------------------------------------------------ */
QELBOXAPI int WINAPI QelBox_ShowDropDown(HWND control, BOOL show);
QELBOXAPI int WINAPI QelBox_GetDroppedState(HWND control);
QELBOXAPI HWND WINAPI QelBox_GetHWNDDropDown(HWND control);

/* ------------------------------------------------------------------ */
/* Mouse timers                                                        */
/* ------------------------------------------------------------------ */
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
/* Column dividers in the header strip can be dragged (1 at creation). */
QELBOXAPI int WINAPI QelBox_GetResizeHeader(HWND control);
QELBOXAPI void WINAPI QelBox_SetResizeHeader(HWND control, BOOL value);
/* Column headers can be dragged to new places (1 at creation). */
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
/* Dialog editors                                                      */
/* ------------------------------------------------------------------ */
/* Custom-control entry of dialog editors: fills records[0..2] (drop-down
   list, drop-down, simple) when `records` is non-null; returns 3, the
   number of control types. */
QELBOXAPI UINT WINAPI CustomControlInfoA(LPCCINFOA records);

/* ------------------------------------------------------------------ */
/* Diagnostics for test programs (not needed by applications)          */
/* ------------------------------------------------------------------ */
/* Makes the library's heap allocations fail: after `successes` more
   successful allocations every further one fails; -1 turns this off. */
QELBOXAPI void WINAPI QelBoxDiag_FailAllocationsAfter(int successes);
/* Number of heap blocks the library holds at the moment. */
QELBOXAPI int WINAPI QelBoxDiag_LiveAllocations(void);
/* Number of item slots the control's item array has room for (items and
   spare slots; 0 while it holds no array). */
QELBOXAPI int WINAPI QelBoxDiag_ItemCapacity(HWND control);
/* Number of GDI objects and DCs the library has created and not deleted. */
QELBOXAPI int WINAPI QelBoxDiag_LiveGdiObjects(void);

#ifdef __cplusplus
}
#endif

#endif /* QELBOX_H */

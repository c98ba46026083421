// Row-header and corner-header properties, the row-header label and the
// row-header width that fits the labels and the corner.
#include "geometry/rowheaders.h"

#include "base/bitmapinfo.h"
#include "geometry/fontmetrics.h"
#include "base/memory.h"
#include "base/unicode.h"
#include "geometry/layout.h"
#include "geometry/optimal.h"
#include "model/items.h"
#include "base/gdi.h"
#include "base/diagnostics.h"

namespace {

// Width of a row-header bitmap next to (or instead of) the label. Fixed row
// heights use the prototype's width; variable heights the narrower of
// prototype and bitmap, and nothing (-1) without a prototype or when the
// handle is no bitmap.
int RowBitmapWidth(const ControlRecord* rec, HBITMAP bitmap) {
    const int prototype = rec->rowHeaderBitmapPrototype.bmWidth;
    if (rec->fixedItemHeight) return prototype;
    BITMAP info;
    if (prototype <= 0 || !QueryBitmap(bitmap, &info)) return -1;
    return min(prototype, info.bmWidth);
}

// Width of one row's header content, measured in the font selected into
// `dc`.
int RowHeaderContentWidth(const ControlRecord* rec, HDC dc, const Item* item, int index) {
    const RowInfoBlock* info = item->rowInfo;
    const HBITMAP bitmap = info ? info->bitmap : nullptr;
    // A centred bitmap replaces the label.
    if (bitmap && (info->bitmapStyle & QELBOX_BITMAP_CENTER))
        return max(0, RowBitmapWidth(rec, bitmap));
    wchar_t number[kRowNumberSize];
    int w = SingleLineWidth(dc, RowHeaderLabel(rec, item, index, number));
    if (bitmap && rec->rowHeaderBitmapPrototype.bmWidth > 0) {
        const int bitmapWidth = RowBitmapWidth(rec, bitmap);
        if (bitmapWidth >= 0) w += rec->charWidth / 2 + bitmapWidth;
    }
    return w;
}

} // namespace

const wchar_t* RowHeaderLabel(const ControlRecord* rec, const Item* item, int index,
                              wchar_t (&number)[kRowNumberSize]) {
    if (item && item->rowText) return item->rowText;
    number[0] = 0;
    switch (rec->showRowHeader) {
    case 1:
    case 2:
        break;
    case 5:
    case 6:
        wsprintfW(number, L"%d", index + 1);
        break;
    default:
        wsprintfW(number, L"%d", index);
        break;
    }
    return number;
}

void InvalidateCorner(ControlRecord* rec) {
    if (!CanDraw(rec) || !rec->rowHeaderWidth || !rec->showHeader) return;
    RECT client;
    GetClientRect(rec->hwndControl, &client);
    RECT corner = {client.left, client.top, client.left + rec->rowHeaderWidth,
                   client.top + HeaderHeight(rec)};
    InvalidateRect(rec->hwndControl, &corner, FALSE);
}

void SetRowHeaderFont(ControlRecord* rec, HFONT font, BOOL redraw) {
    StoreFont(rec, &rec->rowHeaderFont, &rec->rowHeaderFontMetrics, font);
    FontChanged(rec, redraw);
}

namespace {

// QelBox_SetRowColText: a copy of `text` (null removes it) in the corner.
int SetCornerText(ControlRecord* rec, const wchar_t* text) {
    wchar_t* copy = nullptr;
    if (text) {
        copy = QelWcsDup(text);
        if (!copy) return 0;
    }
    QelFree(rec->rowColText);
    rec->rowColText = copy;
    InvalidateCorner(rec);
    return 1;
}

} // namespace

extern "C" {

void WINAPI QelBox_SetRowHeaderFont(HWND control, HFONT font, BOOL redraw) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    SetRowHeaderFont(rec, font, redraw);
}

HFONT WINAPI QelBox_GetRowHeaderFont(HWND control) {
    ENTER_CONTROL(control, nullptr);
    return rec->rowHeaderFont;
}

void WINAPI QelBox_SetShowRowHeader(HWND control, int mode) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    if (mode < 0 || mode > 6) return;
    int width = mode == 0 ? 0 : 4 * rec->charWidth;
    if (width == rec->rowHeaderWidth && mode == rec->showRowHeader) return;
    rec->rowHeaderWidth = width;
    rec->showRowHeader = mode;
    RecalcLayout(rec);
    RepaintAll(rec);
}

int WINAPI QelBox_GetShowRowHeader(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->showRowHeader;
}

void WINAPI QelBox_SetRowHeaderWidth(HWND control, int width) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    if (width < 0 || width == rec->rowHeaderWidth) return;
    rec->rowHeaderWidth = width;
    RecalcLayout(rec);
    RepaintAll(rec);
}

int WINAPI QelBox_GetRowHeaderWidth(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->rowHeaderWidth;
}

void WINAPI QelBox_SetRowHeaderStyle(HWND control, int style) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    rec->rowHeaderStyle = style;
    InvalidateRowHeaders(rec, 0, true);
    RecalcLayout(rec);
}

int WINAPI QelBox_GetRowHeaderStyle(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->rowHeaderStyle;
}

int WINAPI QelBox_CalcOptimalRowHeaderWidth(HWND control, int count) {
    ENTER_CONTROL(control, 0);
    if (!rec->rowHeaderWidth) return 0;
    const int n = MeasuredRows(rec, count);
    WindowDC dc(control);
    int widest = 0;
    {
        Selection font(dc, rec->rowHeaderFont ? rec->rowHeaderFont : rec->font);
        for (int i = 0; i < n; ++i) {
            const Item* item = GetItem(rec, i);
            if (item) widest = max(widest, RowHeaderContentWidth(rec, dc, item, i));
            ReleaseItem(rec);
        }
    }
    int result = widest + rec->charWidth + 3;
    // The corner sits above the row headers and takes the same width.
    if (rec->showHeader && rec->rowColText) {
        result =
            max(result, HeaderContentWidth(rec, dc, rec->rowColText, rec->rowColBitmap != nullptr,
                                           rec->rowColBitmapInfo.bmWidth,
                                           static_cast<WORD>(rec->rowColBitmapStyle)));
    }
    return result;
}

int WINAPI QelBox_SetRowColText_A(HWND control, const char* text) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    const WideArg wide(text);
    return wide.ok() ? SetCornerText(rec, wide.get()) : 0;
}

int WINAPI QelBox_SetRowColText_W(HWND control, const wchar_t* text) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return SetCornerText(rec, text);
}

int WINAPI QelBox_GetRowColText_A(HWND control, char* buffer, int size) {
    ENTER_CONTROL(control, 0);
    return CopyAnsiN(rec->rowColText, buffer, size);
}

int WINAPI QelBox_GetRowColText_W(HWND control, wchar_t* buffer, int size) {
    ENTER_CONTROL(control, 0);
    return CopyWideN(rec->rowColText, buffer, size);
}

int WINAPI QelBox_GetRowColTextLength(HWND control) {
    ENTER_CONTROL(control, 0);
    return AnsiLength(rec->rowColText);
}

int WINAPI QelBox_GetRowColTextLength_W(HWND control) {
    ENTER_CONTROL(control, 0);
    return WideLength(rec->rowColText);
}

void WINAPI QelBox_SetRowColBitmap(HWND control, HBITMAP bitmap) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    const LONG oldHeight = rec->rowColBitmapInfo.bmHeight;
    // A handle that is no bitmap counts as none.
    if (!QueryBitmap(bitmap, &rec->rowColBitmapInfo)) bitmap = nullptr;
    rec->rowColBitmap = bitmap;
    // The corner bitmap's height is a minimum height of the header strip.
    if (rec->rowColBitmapInfo.bmHeight != oldHeight) {
        RecalcLayout(rec);
        RepaintAll(rec);
    } else {
        InvalidateCorner(rec);
    }
}

HBITMAP WINAPI QelBox_GetRowColBitmap(HWND control) {
    ENTER_CONTROL(control, nullptr);
    return rec->rowColBitmap;
}

void WINAPI QelBox_SetRowColBitmapStyle(HWND control, int style) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    rec->rowColBitmapStyle = style;
    InvalidateCorner(rec);
}

int WINAPI QelBox_GetRowColBitmapStyle(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->rowColBitmapStyle;
}

void WINAPI QelBox_SetRowColHeaderStyle(HWND control, int style) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    rec->rowColHeaderStyle = style;
    InvalidateCorner(rec);
}

int WINAPI QelBox_GetRowColHeaderStyle(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->rowColHeaderStyle;
}

void WINAPI QelBox_SetRowColHeaderButton(HWND control, BOOL pressed) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    const int value = pressed ? 1 : 0;
    if (value == rec->rowColHeaderButton) return;
    rec->rowColHeaderButton = value;
    InvalidateCorner(rec);
}

int WINAPI QelBox_GetRowColHeaderButton(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->rowColHeaderButton;
}

void WINAPI QelBox_SetShowRowColHeaderButton(HWND control, BOOL show) {
    ENTER_CONTROL(control, );
    QELBOX_CHECK_ON_RETURN(control);
    const int value = show ? 1 : 0;
    if (value == rec->showRowColHeaderButton) return;
    rec->showRowColHeaderButton = value;
    InvalidateCorner(rec);
}

int WINAPI QelBox_GetShowRowColHeaderButton(HWND control) {
    ENTER_CONTROL(control, 0);
    return rec->showRowColHeaderButton;
}

} // extern "C"

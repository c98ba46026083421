// One row: colour choice, the draw-info callback, the indentation area
// (label, tree lines, item bitmap), the cells, and the row's frame or grid
// line.
#include "paint/row.h"

#include "base/bitmapinfo.h"
#include "model/columns.h"
#include "geometry/layout.h"
#include "geometry/metrics.h"
#include "model/items.h"
#include "paint/paintobjects.h"
#include "paint/draw.h"
#include "base/gdi.h"

namespace {

struct RowColors {
    DWORD rowText;        // indentation area and the space right of the columns
    DWORD rowBackground;  // also the transparent colour of label and item bitmap
    DWORD cellText;       // default of the cells
    DWORD cellBackground; // default of the cells
};

RowColors ChooseRowColors(const ControlRecord* rec, int index, bool windowEnabled, bool itemEnabled,
                          bool selected) {
    const CtlColors& c = rec->colors;
    RowColors colors;
    colors.rowBackground = colors.cellBackground = c.colorBackground;
    if (!windowEnabled) {
        colors.rowText = colors.cellText = c.colorDisabledText;
    } else {
        colors.rowText = colors.cellText = c.colorText;
        // Odd rows, counted over all items, may have colours of their own.
        if (index & 1) {
            if (c.colorAltText != QELBOX_COLOR_NONE)
                colors.rowText = colors.cellText = c.colorAltText;
            if (c.colorAltBackground != QELBOX_COLOR_NONE)
                colors.rowBackground = colors.cellBackground = c.colorAltBackground;
        }
    }
    if (!itemEnabled) {
        colors.cellText = c.colorDisabledText;
        colors.cellBackground = c.colorBackground;
    } else if (selected) {
        colors.cellText = c.colorSelText;
        colors.cellBackground = c.colorSelBackground;
        // The whole row is highlighted, unless the 3-D look frames the cells.
        if (rec->selectionStyle == QELBOX_SELECTION_ROW && !rec->show3D) {
            colors.rowText = c.colorSelText;
            colors.rowBackground = c.colorSelBackground;
        }
    }
    return colors;
}

// A label or item bitmap centred in its slot. With fixed row heights it is
// drawn at the slot's size; otherwise at its own height and at most the
// slot's width.
void DrawSlotBitmap(const ControlRecord* rec, HDC dc, HDC scratch1, HDC scratch2, HBITMAP bitmap,
                    const BITMAP& slot, int slotLeft, const RECT& rowRect, DWORD background,
                    bool enabled) {
    int width = slot.bmWidth;
    int height = slot.bmHeight;
    if (!rec->fixedItemHeight) {
        BITMAP own;
        if (!QueryBitmap(bitmap, &own)) return;
        width = min(own.bmWidth, slot.bmWidth);
        height = own.bmHeight;
    }
    if (width < 1 || height < 1) return;
    RECT dest;
    dest.left = slotLeft + (slot.bmWidth - width) / 2;
    dest.top = rowRect.top + (rowRect.bottom - rowRect.top - height) / 2;
    dest.right = dest.left + width;
    dest.bottom = dest.top + height;
    DrawTransparentBitmap(scratch1, scratch2, dc, bitmap, 0, width, dest, height, background,
                          enabled);
}

CellColors CellDefaults(const ControlRecord* rec, const DrawInfo& info, bool firstVisible) {
    if (rec->selectionStyle != QELBOX_SELECTION_TEXT)
        return {info.cellBackground, info.cellText, info.cellBackground, info.cellText};
    // Only the text of the first visible column shows the selection.
    if (firstVisible) return {info.rowBackground, info.rowText, info.cellBackground, info.cellText};
    return {info.rowBackground, info.rowText, info.rowBackground, info.rowText};
}

} // namespace

bool IsRowSelected(const ControlRecord* rec, bool inClosedControl, int index) {
    if (!inClosedControl) return index == rec->curSel;
    if (index != rec->committedSel) return false;
    HWND focus = GetFocus();
    return focus == rec->hwndControl || (rec->hwndEdit && focus == rec->hwndEdit);
}

void DrawGridLine(const ControlRecord* rec, HDC dc, int x, int y, int width, int height) {
    PaintBrush brush(rec, PaintColor(rec, width == 1 ? rec->colors.colorGridVertical
                                                     : rec->colors.colorGridHorizontal));
    RECT line = {x, y, x + width, y + height};
    FillRect(dc, &line, brush);
}

bool PaintRow(const RowPaint& row) {
    ControlRecord* rec = row.target.rec;
    const HDC dc = row.target.dc, scratch1 = row.target.scratch1, scratch2 = row.target.scratch2;
    const bool inClosedControl = row.inClosedControl;
    const int index = row.index, availableWidth = row.availableWidth;
    const RECT& rowRect = row.rowRect;
    const Item* item = row.item;
    if (!item) return false;
    // Everything left of the columns scrolls with them.
    const int left = rowRect.left - rec->horizontalOffset;
    int level = LevelFromFlags(item->flags);
    const bool windowEnabled = IsWindowEnabled(rec->hwndControl) != FALSE;
    // A row counts as enabled only while the control is: a disabled control
    // shows every row, the selected one included, in the disabled colours.
    const bool itemEnabled = windowEnabled && (item->flags & QELBOX_ITEM_ENABLED) != 0;
    const bool selected = IsRowSelected(rec, inClosedControl, index);
    const RowColors colors = ChooseRowColors(rec, index, windowEnabled, itemEnabled, selected);

    // The application may change colours, font, pictures and the enabled
    // state of the row; a disabled control stays disabled.
    DrawInfo info;
    // Only the draw-info callback reads the record.
    info.controlId = rec->drawInfoCallback ? GetDlgCtrlID(rec->hwndControl) : 0;
    info.hwnd = rec->hwndControl;
    info.index = index;
    info.selected = selected;
    info.columnCount = rec->columnCount;
    info.rowText = colors.rowText;
    info.rowBackground = colors.rowBackground;
    info.cellText = colors.cellText;
    info.cellBackground = colors.cellBackground;
    info.font = rec->font;
    info.label = item->label;
    info.bitmap = item->bitmap;
    info.enabled = windowEnabled && itemEnabled;
    if (rec->drawInfoCallback) {
        rec->drawInfoCallback(rec->hwndControl, &info, rec->drawInfoUserData);
        // The callback may have changed the rows or destroyed the control:
        // a row that is gone is not painted (its list is repainted), a
        // stored item is looked up again with its level, a fetched one
        // again only when the callback let it go.
        if (Died(rec) || index >= rec->itemCount) return false;
        if (!IsVirtual(rec) || rec->virtualFetchedIndex != index) {
            item = GetItem(rec, index);
            if (!item) return false;
            level = LevelFromFlags(item->flags);
        }
    }
    const bool rowEnabled = windowEnabled && info.enabled;
    // From here on only the tree lines of a virtual list may call the
    // application.
    const RowColorScope rowColors(rec);

    Selection fontSelection(dc, info.font);
    SavedDcColors savedColors(dc);
    PaintBrush rowBrush(rec, PaintColor(rec, info.rowBackground));
    const int rowIndent = Indent(rec, level);
    RECT indentArea = {left, rowRect.top, left + rowIndent, rowRect.bottom};
    if (rowIndent != 0) FillRect(dc, &indentArea, rowBrush);

    // Indentation area: gap, label slot, tree area, item-bitmap slot.
    const int gap = IndentGap(rec);
    const int labelWidth = rec->showLabels ? static_cast<int>(rec->prototypeLabel.bmWidth) : 0;
    // Labels emboss only for a disabled control, not for a disabled item.
    if (rec->showLabels && info.label)
        DrawSlotBitmap(rec, dc, scratch1, scratch2, info.label, rec->prototypeLabel, left + gap,
                       rowRect, info.rowBackground, windowEnabled);
    if (rec->showTreeLines) {
        DrawTreeLines(rec, dc, index, level, left + labelWidth + gap, rowRect, windowEnabled);
        // The walk may have fetched other items; in virtual mode that let
        // this one go.
        item = GetItemForPaint(rec, index);
        if (!item || Died(rec)) return rowEnabled;
        // Fetching calls the application.
        if (IsVirtual(rec)) ForgetPaintColors(rec);
    }
    if (rec->showBitmaps && info.bitmap)
        DrawSlotBitmap(rec, dc, scratch1, scratch2, info.bitmap, rec->prototypeBitmap,
                       left + labelWidth + gap + IndentUnit(rec) * level, rowRect,
                       info.rowBackground, rowEnabled);

    SetBkColor(dc, PaintColor(rec, info.cellBackground));
    SetTextColor(dc, PaintColor(rec, info.cellText));
    const int firstVisible = FirstVisiblePosition(rec);
    const RowPaint cellRow = {{rec, dc, scratch1, scratch2},
                              inClosedControl,
                              index,
                              availableWidth,
                              item,
                              rowRect,
                              rowEnabled};
    for (int p = 0; p < rec->columnCount; ++p) {
        const int column = ColumnAtPosition(rec, p);
        if (ColumnWidth(rec, column) == 0) continue;
        const wchar_t* text = item->cells ? item->cells[column] : nullptr;
        if (!PaintCell(cellRow, column, text, CellDefaults(rec, info, p == firstVisible))) break;
    }

    // Right of a closed last column the row shows its own background.
    if (!rec->openEnded) {
        const int last = LastVisiblePosition(rec);
        const int end = left + ColumnX(rec, last, -1) +
                        CellWidth(rec, availableWidth, ColumnAtPosition(rec, last), -1);
        RECT rest = {end, rowRect.top, rowRect.right + 1, rowRect.bottom};
        FillRect(dc, &rest, rowBrush);
    }

    if (rec->show3D) {
        // Two nested frames around the cells: raised for the selected row,
        // sunken for the others.
        for (int i = 0; i < 2; ++i)
            Draw3DFrame(rec, dc, left + rowIndent + i, rowRect.top + i, rowRect.right + 1,
                        rowRect.bottom - i, selected, rec->colors.color3DHighlight,
                        rec->colors.color3DShadow);
    } else if (rec->showGrid && !inClosedControl &&
               (rec->gridStyle == QELBOX_GRID_HORIZONTAL || rec->gridStyle == QELBOX_GRID_BOTH)) {
        DrawGridLine(rec, dc, left, rowRect.bottom - 1, rowRect.right - left, 1);
    }
    return rowEnabled;
}

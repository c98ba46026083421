// Paint handler of the list window: the rows from the top index down, each
// composed in an off-screen buffer as tall as the tallest visible row and
// copied to the screen together with its row header, then the empty area
// below the last row.
#include "paint/paint.h"

#include "base/memory.h"
#include "geometry/layout.h"
#include "geometry/metrics.h"
#include "model/items.h"
#include "model/levelindex.h"
#include "paint/paintobjects.h"
#include "paint/draw.h"
#include "paint/elements.h"
#include "base/gdi.h"
#include "paint/row.h"

namespace {

// Below the last row: the background, and an empty row-header column with
// its right border line.
void PaintEmptyArea(ControlRecord* rec, HDC dc, const RECT& items, const RECT& headerColumn,
                    int y) {
    RECT rest = {items.left, y, items.right, items.bottom};
    FillRect(dc, &rest, rec->backgroundBrush);
    if (!rec->rowHeaderWidth) return;
    const RECT column = {headerColumn.left, y, headerColumn.right, headerColumn.bottom};
    PaintEmptyRowHeader(rec, dc, column);
}

// The enabled state of a row whose header is repainted without the row.
bool RowEnabled(const ControlRecord* rec, const Item* item) {
    return IsWindowEnabled(rec->hwndControl) && (item->flags & QELBOX_ITEM_ENABLED);
}

// Where the rows are composed: a bitmap as tall as the tallest visible row
// in a DC of its own (a MemorySurface where the system offers one), with
// the black pen, opaque text backgrounds and the control font selected
// (every row selects its font and puts the previous one back; with the
// control font already there, that costs nothing for the rows that use
// it). Without a bitmap the rows go straight to the target. The bitmap is
// made when the first row or row header is painted, so a paint whose
// update region holds none of them (the list's scroll bar repainted on its
// own, for one) makes none: selecting a colour bitmap makes some systems
// read the display settings.
class RowBuffer {
  public:
    RowBuffer(ControlRecord* rec, HDC target, int width, int height)
        : rec_(rec), target_(target), width_(width), height_(height), made_(false) {
        if (width <= 0 || height <= 0 || dc_.Create(target)) return;
        // Without a DC for it, a bitmap that can be made means nothing can
        // be painted; one that cannot means painting straight to the target.
        bitmap_.Reset(CreateFormatBitmap(target, width, height));
        failed_ = static_cast<bool>(bitmap_);
        bitmap_.Reset();
    }
    RowBuffer(const RowBuffer&) = delete;
    RowBuffer& operator=(const RowBuffer&) = delete;

    // False when nothing may be painted.
    bool Usable() const { return !failed_; }
    // The DC a row is composed in: the buffer's, or the target.
    HDC Dc() {
        Make();
        return rowDc_;
    }
    bool Buffered() {
        Make();
        return rowDc_ != target_;
    }

  private:
    // A surface over heap memory where the system offers one, else a
    // bitmap of the target's format in the DC made at the start.
    void Make() {
        if (made_) return;
        made_ = true;
        rowDc_ = target_;
        if (dc_ && surface_.Create(target_, width_, height_)) {
            rowDc_ = surface_.Dc();
        } else if (dc_) {
            bitmap_.Reset(CreateFormatBitmap(target_, width_, height_));
            if (bitmap_) {
                rowDc_ = dc_.Get();
                bitmapSelection_.Select(rowDc_, bitmap_);
            }
        }
        if (rowDc_ != target_) {
            penSelection_.Select(rowDc_, GetStockObject(BLACK_PEN));
            SetBkMode(rowDc_, OPAQUE);
        }
        fontSelection_.Select(rowDc_, rec_->font);
    }

    ControlRecord* rec_;
    HDC target_;
    int width_;
    int height_;
    bool made_;
    bool failed_ = false;
    HDC rowDc_ = nullptr;
    MemoryDC dc_;
    MemorySurface surface_;
    GdiObject<HBITMAP> bitmap_;
    Selection bitmapSelection_;
    Selection penSelection_;
    Selection fontSelection_;
};

} // namespace

void PaintList(ControlRecord* rec, HDC dc, const RECT* update) {
    RefreshBackgroundBrush(rec);
    MemoryDC scratch1(dc);
    if (!scratch1) return;
    MemoryDC scratch2(scratch1.Get());
    if (!scratch2) return;

    RECT client;
    GetClientRect(rec->hwndDropDown, &client);
    const RECT paintArea = update ? *update : client;
    const RECT items = ListRect(rec);
    RECT headerColumn = client;
    headerColumn.right = client.left + rec->rowHeaderWidth;
    const int itemsWidth = items.right - items.left;

    // The tree lines' answers are remembered for this paint, and the rows
    // share their brushes and pens.
    PaintLevelScope levelScope(rec);
    PaintObjectsScope objectsScope(rec);

    // Rows are composed one at a time in a buffer as tall as the tallest
    // visible row; without one they are painted straight into the target.
    // The heights are kept for the rows below (each measurement of a
    // variable-height row reads its item).
    const int kKeptHeights = 256;
    int heights[kKeptHeights];
    int tallest = 0;
    int last = rec->topIndex - 1; // the last row that reaches into the list
    for (int i = rec->topIndex, used = 0; i < rec->itemCount && used < items.bottom - items.top;
         ++i) {
        const int h = RowHeight(rec, i);
        // Measuring a variable-height row fetched its item.
        if (!rec->fixedItemHeight) RememberFetchedLevel(rec, i);
        if (i - rec->topIndex < kKeptHeights) heights[i - rec->topIndex] = h;
        used += h;
        tallest = max(tallest, h);
        last = i;
    }
    // In virtual mode the tree lines of each row look at its neighbours:
    // their levels are learnt here, for all visible rows and the one after
    // them (fetched only when not known from an earlier read).
    if (IsVirtual(rec) && rec->showTreeLines) {
        for (int i = rec->topIndex; i <= last + 1 && i < rec->itemCount; ++i)
            LevelAt(rec, i);
    }
    RowBuffer rows(rec, dc, max(itemsWidth, rec->rowHeaderWidth), tallest);
    if (!rows.Usable()) return;

    HGDIOBJ blackPen = GetStockObject(BLACK_PEN);
    Selection targetPen(dc, blackPen);
    // Text backgrounds are painted opaque behind the characters.
    SavedDcColors targetColors(dc);
    SetBkMode(dc, OPAQUE);

    const int availableWidth = ListWidth(rec);
    int y = items.top;
    for (int i = rec->topIndex; y < items.bottom; ++i) {
        if (i >= rec->itemCount) {
            PaintEmptyArea(rec, dc, items, headerColumn, y);
            break;
        }
        const int kept = i - rec->topIndex;
        const int h = kept < kKeptHeights && i <= last ? heights[kept] : RowHeight(rec, i);
        const RECT fromHere = {items.left, y, items.right, items.bottom};
        RECT clip;
        bool rowPainted = false;
        bool enabled = false;
        if (IntersectRect(&clip, &paintArea, &fromHere)) {
            Item* item = GetItem(rec, i);
            const HDC rowDc = rows.Dc();
            const PaintTarget rowTarget = {rec, rowDc, scratch1, scratch2};
            if (rows.Buffered()) {
                const RECT rowRect = {0, 0, itemsWidth, h};
                enabled = PaintRow({rowTarget, false, i, availableWidth, item, rowRect, false});
                BitBlt(dc, items.left, y, itemsWidth, h, rowDc, 0, 0, SRCCOPY);
            } else {
                ClipScope clipScope(dc, clip);
                const RECT rowRect = {items.left, y, items.right, y + h};
                enabled = PaintRow({rowTarget, false, i, availableWidth, item, rowRect, false});
            }
            ReleaseItem(rec);
            rowPainted = true;
            if (Died(rec)) return;
        }
        const RECT header = {headerColumn.left, y, headerColumn.right, y + h};
        if (rec->rowHeaderWidth && IntersectRect(&clip, &paintArea, &header)) {
            // The row's item is still at hand when the row was just painted.
            const Item* item = rowPainted ? GetItemForPaint(rec, i) : GetItem(rec, i);
            if (!rowPainted) enabled = RowEnabled(rec, item);
            const HDC rowDc = rows.Dc();
            if (rows.Buffered()) {
                const RECT bufferRect = {0, 0, rec->rowHeaderWidth, h};
                PaintRowHeader(rec, false, rowDc, scratch1, scratch2, item, i, bufferRect, enabled);
                BitBlt(dc, headerColumn.left, y, rec->rowHeaderWidth, h, rowDc, 0, 0, SRCCOPY);
            } else {
                ClipScope clipScope(dc, clip);
                PaintRowHeader(rec, false, dc, scratch1, scratch2, item, i, header, enabled);
            }
            ReleaseItem(rec);
            if (Died(rec)) return;
        }
        y += h;
    }
}

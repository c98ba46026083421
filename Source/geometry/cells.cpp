// Horizontal layout of a row: where each display position starts and how
// wide each column's cell is, including the tree area of the first visible
// column and the open-ended last column.
#include "model/columns.h"
#include "model/columnoffsets.h"
#include "geometry/layout.h"
#include "geometry/metrics.h"

int ColumnX(const ControlRecord* rec, int position, int level) {
    const ColumnOffsets* offsets = CurrentColumnOffsets(rec);
    const int first = offsets ? FirstVisibleOf(offsets) : FirstVisiblePosition(rec);
    if (position > first) {
        if (offsets) return rec->overheadWidth + WidthBefore(offsets, position);
        int x = rec->overheadWidth;
        for (int p = 0; p < position; ++p)
            x += ColumnWidth(rec, ColumnAtPosition(rec, p));
        return x;
    }
    return level < 0 ? 0 : Indent(rec, level);
}

int CellWidth(const ControlRecord* rec, int availableWidth, int column, int level) {
    const int p = rec->columns[column].displayPosition;
    const int last = LastVisiblePosition(rec);
    if (p > last) return 0;
    if (p < last) return ColumnX(rec, p + 1, level) - ColumnX(rec, p, level);
    if (!rec->openEnded) {
        int width = ColumnWidth(rec, column);
        if (p == FirstVisiblePosition(rec)) width += rec->overheadWidth;
        return width;
    }
    int reach = rec->horizontalExtent > availableWidth ? rec->horizontalExtent : availableWidth;
    return reach - ColumnX(rec, p, level);
}

int HeaderAvailableWidth(ControlRecord* rec) {
    RECT client;
    GetClientRect(rec->hwndControl, &client);
    return max(0, static_cast<int>(client.right) - ButtonWidth(rec) -
                      (static_cast<int>(client.left) + rec->rowHeaderWidth));
}

// Column offsets by display position; see columnoffsets.h.
#include "model/columnoffsets.h"

#include <new>

#include "base/memory.h"
#include "model/columns.h"

struct ColumnOffsets {
    bool valid = false;
    const ColumnRecordW* columns = nullptr; // the array they were built for
    int count = 0;
    int room = 0;
    int* before = nullptr; // before[p]: widths of positions 0..p-1
    int first = 0;
    int last = 0;
};

const ColumnOffsets* CurrentColumnOffsets(const ControlRecord* rec) {
    ColumnOffsets* o = rec->columnOffsets;
    if (!o) {
        // Kept by the record but not part of its state: made on first use.
        void* block = QelMalloc(sizeof(ColumnOffsets));
        if (!block) return nullptr;
        o = new (block) ColumnOffsets();
        const_cast<ControlRecord*>(rec)->columnOffsets = o;
    }
    const int n = rec->columnCount;
    if (o->valid && o->columns == rec->columns && o->count == n) return o;
    if (!rec->columns || n < 1) return nullptr;
    if (o->room < n + 1) {
        void* block = QelMalloc(sizeof(int) * (static_cast<size_t>(n) + 1));
        if (!block) return nullptr;
        QelFree(o->before);
        o->before = static_cast<int*>(block);
        o->room = n + 1;
    }
    int sum = 0;
    o->first = -1;
    o->last = n - 1;
    for (int p = 0; p < n; ++p) {
        o->before[p] = sum;
        const int width = ColumnWidth(rec, ColumnAtPosition(rec, p));
        sum += width;
        if (width > 0) {
            if (o->first < 0) o->first = p;
            o->last = p;
        }
    }
    o->before[n] = sum;
    if (o->first < 0) o->first = 0; // no column is visible
    o->columns = rec->columns;
    o->count = n;
    o->valid = true;
    return o;
}

int WidthBefore(const ColumnOffsets* offsets, int position) {
    return offsets->before[position];
}

int FirstVisibleOf(const ColumnOffsets* offsets) {
    return offsets->first;
}

int LastVisibleOf(const ColumnOffsets* offsets) {
    return offsets->last;
}

void ColumnsChanged(ControlRecord* rec) {
    if (rec->columnOffsets) rec->columnOffsets->valid = false;
}

void FreeColumnOffsets(ControlRecord* rec) {
    ColumnOffsets* o = rec->columnOffsets;
    if (!o) return;
    QelFree(o->before);
    o->~ColumnOffsets();
    QelFree(o);
    rec->columnOffsets = nullptr;
}

// Tree lines in the indentation area of a row. For level k the line runs at
// x(k) = treeLeft + k * unit + unit / 2; lines are drawn with MoveToEx and
// LineTo, so the end point of each segment stays unpainted. Parents and
// the ends of sibling runs come from items/levelindex.h, so a row costs the
// same however far away its relatives lie.
#include "paint/row.h"

#include "geometry/metrics.h"
#include "model/hierarchy.h"
#include "model/items.h"
#include "model/levelindex.h"
#include "paint/paintobjects.h"
#include "paint/draw.h"
#include "base/gdi.h"

namespace {

// Whether an item after `index` with a level in first..last comes before
// the outline climbs above `first`: the first later item of level <= last
// decides.
bool HasFollowingSibling(ControlRecord* rec, int index, int first, int last) {
    int level = 0;
    return NextNotDeeper(rec, index, last, &level) >= 0 && level >= first;
}

int ParentLevel(ControlRecord* rec, int parent) {
    return parent >= 0 ? LevelAt(rec, parent) : 0;
}

void Segment(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

} // namespace

void DrawTreeLines(ControlRecord* rec, HDC dc, int index, int level, int treeLeft,
                   const RECT& rowRect, bool windowEnabled) {
    const CtlColors& c = rec->colors;
    PaintPen pen(rec, PaintColor(rec, windowEnabled ? c.colorTreeLines : c.colorTreeLinesDisabled));
    Selection penSelection(dc, pen);
    const int unit = IndentUnit(rec);
    const int top = rowRect.top;
    const int bottom = rowRect.bottom;
    const int mid = top + (bottom - top) / 2;
    auto x = [&](int k) { return treeLeft + k * unit + unit / 2; };

    const int parent = PrevShallower(rec, index, level);
    if (level > 0) {
        // Connector from the parent's line: through the row while a sibling
        // follows, else ending in the middle (the last child).
        const int p = ParentLevel(rec, parent);
        const int connectorEnd = treeLeft + (p + 1) * unit;
        if (HasFollowingSibling(rec, index, p + 1, level)) {
            Segment(dc, x(p), top, x(p), bottom);
            Segment(dc, x(p), mid, connectorEnd, mid);
        } else {
            MoveToEx(dc, x(p), top, nullptr);
            LineTo(dc, x(p), mid);
            LineTo(dc, connectorEnd, mid);
        }
        // Levels skipped between parent and child are bridged.
        if (p + 1 < level) Segment(dc, connectorEnd, mid, treeLeft + level * unit, mid);
    }

    // From the item bitmap down to the children.
    if (rec->showBitmaps && index + 1 < rec->itemCount && LevelAt(rec, index + 1) > level)
        Segment(dc, x(level), mid, x(level), bottom);

    // Ancestors with a later sibling pass through this row.
    for (int ancestor = parent; ancestor >= 0;) {
        const int ancestorLevel = LevelAt(rec, ancestor);
        if (ancestorLevel < 1) break;
        const int grandParent = PrevShallower(rec, ancestor, ancestorLevel);
        const int q = ParentLevel(rec, grandParent);
        if (HasFollowingSibling(rec, ancestor, q + 1, ancestorLevel))
            Segment(dc, x(q), top, x(q), bottom);
        ancestor = grandParent;
    }
}

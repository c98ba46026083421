// Brushes, pens and system colours shared by the rows of one paint
// (paint/paintobjects.h).
#include "paint/paintobjects.h"

#include "paint/draw.h"

namespace {

// The object of `color` among the first *count of `colors`/`objects`; a
// new one from `create` while there is room; null when there is none.
template <typename Handle, typename Create>
Handle Shared(COLORREF* colors, Handle* objects, int* count, COLORREF color, Create create) {
    for (int i = 0; i < *count; ++i) {
        if (colors[i] == color) return objects[i];
    }
    if (*count == PaintObjects::kMax) return nullptr;
    const Handle made = AdoptCreated(create(color));
    if (!made) return nullptr;
    colors[*count] = color;
    objects[(*count)++] = made;
    return made;
}

HBRUSH NewBrush(COLORREF color) {
    return CreateSolidBrush(color);
}
HPEN NewPen(COLORREF color) {
    return CreatePen(PS_SOLID, 1, color);
}

} // namespace

PaintObjectsScope::PaintObjectsScope(ControlRecord* rec) : rec_(rec), owner_(!rec->paintObjects) {
    objects_.brushCount = 0;
    objects_.penCount = 0;
    objects_.rowColors = false;
    objects_.sysColorsKnown = 0;
    if (owner_) rec->paintObjects = &objects_;
}

PaintObjectsScope::~PaintObjectsScope() {
    if (!owner_) return;
    rec_->paintObjects = nullptr;
    for (int i = 0; i < objects_.brushCount; ++i)
        DeleteOwned(objects_.brushes[i]);
    for (int i = 0; i < objects_.penCount; ++i)
        DeleteOwned(objects_.pens[i]);
}

PaintBrush::PaintBrush(const ControlRecord* rec, COLORREF rgb) : shared_(nullptr) {
    PaintObjects* p = rec->paintObjects;
    if (p) shared_ = Shared(p->brushColors, p->brushes, &p->brushCount, rgb, NewBrush);
    if (!shared_) own_.Reset(NewBrush(rgb));
}

PaintPen::PaintPen(const ControlRecord* rec, COLORREF rgb) : shared_(nullptr) {
    PaintObjects* p = rec->paintObjects;
    if (p) shared_ = Shared(p->penColors, p->pens, &p->penCount, rgb, NewPen);
    if (!shared_) own_.Reset(NewPen(rgb));
}

COLORREF PaintColor(const ControlRecord* rec, DWORD color) {
    PaintObjects* p = rec->paintObjects;
    const DWORD index = color & 0xFFFF;
    if (static_cast<LONG>(color) >= 0 || !p || !p->rowColors || index >= PaintObjects::kSysColors)
        return ResolveColor(color);
    const DWORD bit = 1u << index;
    if (!(p->sysColorsKnown & bit)) {
        p->sysColors[index] = GetSysColor(static_cast<int>(index));
        p->sysColorsKnown |= bit;
    }
    return p->sysColors[index];
}

RowColorScope::RowColorScope(const ControlRecord* rec) : objects_(rec->paintObjects) {
    if (!objects_) return;
    objects_->rowColors = true;
    objects_->sysColorsKnown = 0;
}

RowColorScope::~RowColorScope() {
    if (!objects_) return;
    objects_->rowColors = false;
    objects_->sysColorsKnown = 0;
}

void ForgetPaintColors(const ControlRecord* rec) {
    if (rec->paintObjects) rec->paintObjects->sysColorsKnown = 0;
}

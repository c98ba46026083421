// Brushes and pens shared by the rows of one paint (paint/brushes.h).
#include "paint/brushes.h"

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

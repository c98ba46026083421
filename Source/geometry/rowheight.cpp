// Height of a row measured from its content, for controls with variable
// row heights.
#include "geometry/layout.h"
#include "geometry/metrics.h"

int VariableRowHeight(ControlRecord* rec, int index) {
    (void)index;
    int h = max(0, static_cast<int>(rec->fontMetrics.tmHeight));
    if (rec->show3D) h += 4;
    return h;
}

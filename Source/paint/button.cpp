// The drop-down button of the drop-down types: face, arrow and its
// two-pixel frame.
#include "paint/draw.h"
#include "paint/elements.h"
#include "base/gdi.h"

namespace {

// Fills two one-pixel strips, a row and a column, with one colour.
void FillStrips(HDC dc, DWORD color, const RECT& row, const RECT& column) {
    SolidBrush brush(ResolveColor(color));
    FillRect(dc, &row, brush);
    FillRect(dc, &column, brush);
}

} // namespace

void DrawButtonFrame(ControlRecord* rec, HDC dc, int left, int top, int right, int bottom,
                     bool raised) {
    const CtlColors& c = rec->colors;
    // Outer top and left, outer bottom and right, then the inner pairs; a
    // pressed button shows the shadow outside and the light colour inside.
    FillStrips(dc, raised ? c.colorButtonLight : c.colorButtonShadow, {left, top, right, top + 1},
               {left, top, left + 1, bottom});
    FillStrips(dc, raised ? c.colorButtonDarkShadow : c.colorButtonShadow,
               {left, bottom - 1, right, bottom}, {right - 1, top, right, bottom});
    FillStrips(dc, raised ? c.colorButtonHighlight : c.colorButtonLight,
               {left + 1, top + 1, right - 1, top + 2}, {left + 1, top + 1, left + 2, bottom - 1});
    FillStrips(dc, raised ? c.colorButtonShadow : c.colorButtonLight,
               {left + 1, bottom - 2, right - 1, bottom - 1},
               {right - 2, top + 1, right - 1, bottom - 1});
}

void PaintDropDownButton(ControlRecord* rec, HDC dc, const RECT& button) {
    const CtlColors& colors = rec->colors;
    const int p = rec->dropButtonPressed ? 1 : 0;
    SavedDcColors savedColors(dc);
    SetBkColor(dc, ResolveColor(colors.colorButtonFace));
    SolidBrush face(ResolveColor(colors.colorButtonFace));
    // Nothing to drop down: the arrow is greyed as for a disabled control.
    const bool active = IsWindowEnabled(rec->hwndControl) && rec->itemCount != 0;
    const COLORREF arrow =
        ResolveColor(active ? colors.colorButtonArrow : colors.colorButtonDisabledArrow);
    SetTextColor(dc, arrow);
    SolidBrush arrowBrush(arrow);

    RECT inner = button;
    InflateRect(&inner, -2, -2);
    FillRect(dc, &inner, face);

    // A triangle pointing down, a wide at its top and a / 2 high, moved one
    // pixel right and down while the button is pressed.
    int a = max(static_cast<int>(inner.right - inner.left) - 4, 4);
    a -= a % 2;
    const int x0 = inner.left + 2 + p;
    const int y0 = inner.top + p + (inner.bottom - inner.top - a / 2) / 2;
    const POINT triangle[4] = {
        {x0, y0}, {x0 + a - 2, y0}, {x0 + a / 2 - 1, y0 + a / 2 - 1}, {x0, y0}};
    {
        SolidPen pen(arrow);
        Selection penSelection(dc, pen);
        Selection brushSelection(dc, arrowBrush);
        Polygon(dc, triangle, 4);
    }

    DrawButtonFrame(rec, dc, button.left, button.top, button.right, button.bottom, p == 0);
}

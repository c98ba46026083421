// GDI bookkeeping of the control window's painting: the closed display, the
// button, the headers and row headers, pressed and disabled, painted many
// times, hold no GDI object beyond the background brush.
#include "harness.h"
#include "pixels.h"

namespace {

using ClosedTest = ControlTest;

TEST_F(ClosedTest, RepeatedPaintingKeepsGdiObjectsBalanced) {
    HWND control = AddRows(Create(QELBOXSTYLE_DROPDOWNLIST), 4);
    HWND simple = AddRows(Create(QELBOXSTYLE_SIMPLE, WS_BORDER, 2, 200), 4);
    HBITMAP picture = Bitmap(16, 16);
    RowInfo info = {1, -1, 0, 0, QELBOX_COLOR_NONE, QELBOX_COLOR_NONE, picture, 0};
    for (HWND c : {control, simple}) {
        ASSERT_EQ(SetColumns(c, {Column(60, 0, "EEE")}), 1);
        QelBox_SetShowHeader(c, 1);
        QelBox_SetShowRowHeader(c, 3);
        QelBox_SetItemBitmap(c, -1, picture);
        QelBox_SetItemBitmap(c, 1, picture);
        for (info.index = -1; info.index < 2; ++info.index)
            QelBox_SetRowInfo(c, &info);
        QelBox_SetCurSel(c, 1);
    }
    RECT button;
    QelBox_GetDropDownButtonRect(control, &button);
    const LPARAM at =
        MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SetFocus(control);
    for (int i = 0; i < 200; ++i) {
        if (i == 50) SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
        if (i == 100) SendMessageA(control, WM_LBUTTONUP, 0, at);
        if (i == 150) EnableWindow(control, FALSE);
        if (i % 2) {
            Capture(control);
            Capture(simple);
        } else {
            InvalidateRect(control, nullptr, FALSE);
            UpdateWindow(control);
            SendMessageA(simple, WM_NCPAINT, 1, 0);
        }
        ASSERT_EQ(QelBoxDiag_LiveGdiObjects(), 2) << "paint " << i; // the background brushes
    }
}

} // namespace

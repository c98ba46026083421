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

// The committed row in the closed drop-down-list display fills the display
// area's last pixel column with its background, selection or 3-D frame;
// scrolled, it also reaches the first one, and the row header painted after
// it stays whole.
TEST_F(ClosedTest, CommittedRowReachesBothEdgesOfTheDisplay) {
    const COLORREF bg = RGB(10, 20, 30), odd = RGB(40, 50, 60), sel = RGB(70, 80, 90);
    const COLORREF shadow = RGB(100, 110, 120), highlight = RGB(130, 140, 150);
    const COLORREF headerLight = RGB(160, 170, 180), headerDark = RGB(190, 200, 210);
    const struct {
        bool openEnded, show3D, focused;
        int offset;
        COLORREF left, right;
    } cases[] = {{true, false, false, 0, bg, odd},       {true, false, true, 0, bg, sel},
                 {false, false, false, 0, bg, odd},      {false, false, true, 0, bg, sel},
                 {true, true, true, 0, bg, shadow},      // raised
                 {false, true, false, 0, bg, highlight}, // sunken
                 {true, false, false, 100, odd, odd},    {true, false, true, 100, sel, sel}};
    HWND control = AddRows(Create(QELBOXSTYLE_DROPDOWNLIST), 2);
    ASSERT_EQ(SetColumns(control, {Column(60, 0, "EEE")}), 1);
    CtlColors colors;
    QelBox_GetCtlColors(control, &colors);
    colors.colorBackground = bg;
    colors.colorAltBackground = odd;
    colors.colorSelBackground = sel;
    colors.color3DShadow = shadow;
    colors.color3DHighlight = highlight;
    colors.colorRowHeaderHighlight = headerLight;
    colors.colorRowHeaderShadow = headerDark;
    QelBox_SetCtlColors(control, &colors);
    QelBox_SetShowRowHeader(control, 1);
    QelBox_SetCurSel(control, 1);
    QelBox_SetHorizontalExtent(control, 1000);
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(n++);
        QelBox_SetOpenEnded(control, c.openEnded);
        QelBox_SetShow3D(control, c.show3D);
        ASSERT_EQ(QelBox_SetHorizontalOffset(control, c.offset), 1);
        SetFocus(c.focused ? control : TestParent());
        RECT row, header;
        QelBox_GetItemRect(control, -1, &row);
        QelBox_GetRowHeaderRect(control, -1, &header);
        const int mid = (row.top + row.bottom) / 2, headerMid = (header.top + header.bottom) / 2;
        const Image image = Capture(control);
        EXPECT_EQ(image.At(row.left, mid), c.left);
        EXPECT_EQ(image.At(row.right - 1, mid), c.right);
        // The row header's raised frame is whole.
        EXPECT_EQ(image.At(header.left, headerMid), headerLight);
        EXPECT_EQ(image.At(header.right - 2, headerMid), headerDark);
    }
}

} // namespace

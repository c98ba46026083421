// The drop-down window: opening and closing with their notifications, the
// popup's placement on the screen, scrolling, and clicks in the list.
#include "harness.h"

#include <algorithm>

namespace {

class DropDownTest : public ControlTest {
  protected:
    // A focused drop-down-list control with `rows` rows, its parent placed
    // so that the control's top is at screen y = `screenY`.
    HWND MakeAt(int screenY, int rows = 20, DWORD style = QELBOXSTYLE_DROPDOWNLIST) {
        RECT parent;
        GetWindowRect(TestParent(), &parent);
        POINT origin = {0, 0};
        ClientToScreen(TestParent(), &origin);
        SetWindowPos(TestParent(), nullptr, parent.left, parent.top + (screenY - 10 - origin.y), 0,
                     0, SWP_NOSIZE | SWP_NOZORDER);
        HWND control =
            AddRows(Create(style, WS_VSCROLL, static_cast<int>(created_.size()) + 1), rows);
        SetFocus(control);
        ClearNotes();
        return control;
    }
    void TearDown() override {
        SetWindowPos(TestParent(), nullptr, 0, 0, 800, 600, SWP_NOZORDER);
        ControlTest::TearDown();
    }
    static RECT WindowRect(HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        return r;
    }
    static RECT ClientOnScreen(HWND window) {
        RECT r;
        GetClientRect(window, &r);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    // A point in row `index`, `x` pixels from its left.
    static LPARAM RowPoint(HWND control, int index, int x) {
        RECT row;
        EXPECT_EQ(QelBox_GetItemRect(control, index, &row), 0);
        return MAKELPARAM(row.left + x, row.top + 2);
    }
};

TEST_F(DropDownTest, OpeningNotifiesAndCreatesATopmostPopup) {
    // Refusals send nothing: an empty list, the simple type.
    HWND empty = Create(QELBOXSTYLE_DROPDOWNLIST, 0, 8);
    EXPECT_EQ(QelBox_ShowDropDown(empty, TRUE), 0);
    EXPECT_EQ(QelBox_ShowDropDown(empty, FALSE), 1); // already closed
    HWND simple = AddRows(Create(QELBOXSTYLE_SIMPLE, 0, 9), 3);
    EXPECT_EQ(QelBox_ShowDropDown(simple, TRUE), 0);
    EXPECT_EQ(QelBox_GetDroppedState(simple), 1);
    EXPECT_TRUE(Codes(nullptr).empty());

    HWND control = MakeAt(100);
    EXPECT_EQ(QelBox_ShowDropDown(control, TRUE), 1);
    EXPECT_CODES(control, QELBOXN_DROPDOWN, QELBOXN_DROPDOWNOPEN);
    HWND list = QelBox_GetHWNDDropDown(control);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(GetDlgCtrlID(list), QELBOX_LIST_ID);
    EXPECT_EQ(GetAncestor(list, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetWindowLongA(list, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST),
              WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_BORDER);
    EXPECT_NE(GetPropA(list, "QelBoxDD32"), nullptr);
    RECT dropped, expected = WindowRect(list);
    EXPECT_EQ(QelBox_GetDroppedControlRect(control, &dropped), 0);
    EXPECT_TRUE(EqualRect(&dropped, &expected));
    // Opening again does nothing; closing with the function sends only the
    // destruction.
    EXPECT_CODES_AFTER(EXPECT_EQ(QelBox_ShowDropDown(control, TRUE), 1), control);
    EXPECT_CODES_AFTER(EXPECT_EQ(QelBox_ShowDropDown(control, FALSE), 1), control,
                       QELBOXN_DROPDOWNDESTROY);
    EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(QelBox_GetDroppedControlRect(control, &dropped), -1);
    EXPECT_TRUE(IsRectEmpty(&dropped));

    // A parent cancelling in its QELBOXN_DROPDOWN keeps it closed.
    g_onNotify = [control](const Note& note) {
        if (note.code == QELBOXN_DROPDOWN) SendMessageA(control, WM_CANCELMODE, 0, 0);
    };
    EXPECT_CODES_AFTER(EXPECT_EQ(QelBox_ShowDropDown(control, TRUE), 1), control, QELBOXN_DROPDOWN);
    EXPECT_EQ(QelBox_GetDroppedState(control), 0);
}

TEST_F(DropDownTest, ClicksAndMovesInTheList) {
    HWND control = MakeAt(100);
    QelBox_SetCurSel(control, 2);
    ASSERT_TRUE(Drop(control));
    HWND list = QelBox_GetHWNDDropDown(control);
    // Moving over a row highlights it without committing (the first move
    // after the layout placed the list is ignored); cancelling restores it.
    LPARAM at = RowPoint(control, 5, 3);
    SendMessageA(list, WM_MOUSEMOVE, 0, at);
    SendMessageA(list, WM_MOUSEMOVE, 0, at);
    EXPECT_EQ(QelBox_GetCurSel(control), 5);
    EXPECT_EQ(Text(control, -1), "Row 2");
    Key(control, VK_ESCAPE);
    EXPECT_CODES(control, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);
    EXPECT_EQ(QelBox_GetCurSel(control), 2);

    // A left click selects, its release accepts.
    ASSERT_TRUE(Drop(control));
    list = QelBox_GetHWNDDropDown(control);
    at = RowPoint(control, 3, 20);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_EQ(QelBox_GetCurSel(control), 3);
    EXPECT_CODES(control, QELBOXN_LBUTTON + QELBOXN_ZONE_ITEM);
    EXPECT_CODES_AFTER(SendMessageA(list, WM_LBUTTONUP, 0, at), control, QELBOXN_CLOSEUPOK,
                       QELBOXN_DROPDOWNDESTROY, QELBOXN_SELCHANGE);
    EXPECT_EQ(Text(control, -1), "Row 3");
    EXPECT_EQ(GetCapture(), nullptr);
    // So does a right click, with its own codes.
    ASSERT_TRUE(Drop(control));
    list = QelBox_GetHWNDDropDown(control);
    at = RowPoint(control, 1, 20);
    SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageA(list, WM_RBUTTONUP, 0, at);
    EXPECT_CODES(control, QELBOXN_RBUTTON + QELBOXN_ZONE_ITEM, QELBOXN_CLOSEUPOK,
                 QELBOXN_DROPDOWNDESTROY, QELBOXN_SELCHANGE, QELBOXN_RBUTTONUP);
    // With the left-button-only style a right click sends its release only.
    HWND left = MakeAt(100, 20, QELBOXSTYLE_DROPDOWNLIST | QELBOXSTYLE_LEFTBUTTONONLY);
    ASSERT_TRUE(Drop(left));
    list = QelBox_GetHWNDDropDown(left);
    SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 2));
    SendMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(10, 2));
    EXPECT_CODES(left, QELBOXN_RBUTTONUP);
    EXPECT_TRUE(QelBox_GetDroppedState(left));
}

TEST_F(DropDownTest, PlacementBelowOrAboveAndSize) {
    HWND control = MakeAt(100);
    const int rh = QelBox_GetItemHeight(control, 0);
    const RECT client = ClientOnScreen(control);
    auto reopen = [control] {
        QelBox_ShowDropDown(control, FALSE);
        QelBox_ShowDropDown(control, TRUE);
        return QelBox_GetHWNDDropDown(control);
    };
    // Below with room; the height in rows, or in pixels taking whole rows.
    QelBox_SetDroppedHeight(control, 5);
    HWND list = reopen();
    RECT inner = ClientOnScreen(list);
    EXPECT_EQ(inner.top, client.bottom + 3);
    EXPECT_EQ(inner.bottom - inner.top, 5 * rh);
    EXPECT_EQ(inner.left, client.left);
    EXPECT_GT(WindowRect(list).top, client.bottom);
    QelBox_SetDroppedHeight(control, -(6 * rh + rh / 2));
    inner = ClientOnScreen(reopen());
    EXPECT_EQ(inner.bottom - inner.top, 6 * rh);
    // The width as a percentage of the control's; never past the screen.
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    QelBox_SetDroppedWidth(control, -150);
    RECT outer = WindowRect(reopen());
    const int w = std::min<int>(MulDiv(client.right - client.left, 150, 100), screen - client.left);
    EXPECT_EQ(outer.right - outer.left, w + 2 - 1); // border-adjusted, one pixel narrower
    QelBox_SetDroppedWidth(control, 5000);
    outer = WindowRect(reopen());
    EXPECT_EQ(outer.left, client.left - 1);
    EXPECT_LE(outer.right, screen + 1);
    QelBox_ShowDropDown(control, FALSE);

    // Above near the screen bottom.
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HWND above = MakeAt(height - 60);
    QelBox_SetDroppedHeight(above, 5);
    QelBox_ShowDropDown(above, TRUE);
    inner = ClientOnScreen(QelBox_GetHWNDDropDown(above));
    EXPECT_EQ(inner.bottom, ClientOnScreen(above).top - 3);
    EXPECT_EQ(inner.bottom - inner.top, 5 * rh);
    QelBox_ShowDropDown(above, FALSE);

    // Too tall either side: halved until it fits, and kept so.
    HWND middle = MakeAt(height / 2 - 10, 400);
    int wanted = 1;
    while (wanted <= (height / 2) / rh * 3)
        wanted *= 2;
    QelBox_SetDroppedHeight(middle, wanted);
    QelBox_ShowDropDown(middle, TRUE);
    const int rows = QelBox_GetDroppedHeight(middle);
    EXPECT_LT(rows, wanted);
    EXPECT_EQ(wanted % rows, 0); // halved, never otherwise changed
    outer = WindowRect(QelBox_GetHWNDDropDown(middle));
    EXPECT_GE(outer.top, 20 - 1);
    EXPECT_LE(outer.bottom, height - 20 + 1);
    QelBox_ShowDropDown(middle, FALSE);
    EXPECT_EQ(QelBox_GetDroppedHeight(middle), rows);
}

TEST_F(DropDownTest, ScrollCodes) {
    HWND control = MakeAt(100, 30);
    QelBox_SetDroppedHeight(control, 8);
    QelBox_ShowDropDown(control, TRUE);
    HWND list = QelBox_GetHWNDDropDown(control);
    ASSERT_EQ(QelBox_GetItemsShown(control), 8);
    const int last = 30 - 8;
    const int steps[][2] = {{SB_LINEDOWN, 1},      {SB_PAGEDOWN, 9},    {SB_LINEUP, 8},
                            {SB_BOTTOM, last},     {SB_PAGEDOWN, last}, {SB_LINEDOWN, last},
                            {SB_PAGEUP, last - 8}, {SB_TOP, 0},         {SB_LINEUP, 0}};
    int previous = 0;
    for (const auto& step : steps) {
        ClearNotes();
        SendMessageA(list, WM_VSCROLL, MAKEWPARAM(step[0], 0), 0);
        EXPECT_EQ(QelBox_GetTopIndex(control), step[1]) << step[0];
        EXPECT_EQ(Codes(control), std::vector<int>(step[1] != previous, QELBOXN_TOPINDEXCHANGE));
        previous = step[1];
    }
    // Messages from a scroll-bar control (lParam set) are ignored.
    SendMessageA(list, WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(QelBox_GetTopIndex(control), 0);

    RECT client;
    GetClientRect(list, &client);
    EXPECT_EQ(QelBox_SetHorizontalExtent(control, client.right + 100), 1);
    auto hscroll = [&](int code, int position = 0) {
        SendMessageA(list, WM_HSCROLL, MAKEWPARAM(code, position), 0);
        return QelBox_GetHorizontalOffset(control);
    };
    EXPECT_CODES_AFTER(EXPECT_EQ(hscroll(SB_RIGHT), 100), control, QELBOXN_HSCROLLCHANGE);
    EXPECT_EQ(hscroll(SB_PAGERIGHT), 100);
    EXPECT_LT(hscroll(SB_LINELEFT), 100);
    EXPECT_EQ(hscroll(SB_THUMBPOSITION, 40), 40);
    EXPECT_EQ(hscroll(SB_LEFT), 0);
    EXPECT_CODES_AFTER(EXPECT_EQ(hscroll(SB_LINELEFT), 0), control);
}

TEST_F(DropDownTest, ClicksOnTheClosedControl) {
    // The drop button toggles the list; released on the control it stays open.
    HWND control = MakeAt(100);
    RECT button;
    QelBox_GetDropDownButtonRect(control, &button);
    ASSERT_FALSE(IsRectEmpty(&button));
    LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_TRUE(QelBox_GetDroppedState(control));
    SendMessageA(control, WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(QelBox_GetDroppedState(control));
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(control, WM_LBUTTONUP, 0, at);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_CODES(control, QELBOXN_DROPDOWN, QELBOXN_DROPDOWNOPEN, QELBOXN_CLOSEUPCANCEL,
                 QELBOXN_DROPDOWNDESTROY);
    // A click on the display area notifies and opens.
    RECT display;
    ASSERT_EQ(QelBox_GetItemRect(control, -1, &display), 0);
    at = MAKELPARAM(display.left + 5, display.top + 3);
    ClearNotes();
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(control, WM_LBUTTONUP, 0, at);
    EXPECT_CODES(control, QELBOXN_LBUTTON + QELBOXN_ONCONTROL + QELBOXN_ZONE_ITEM, QELBOXN_DROPDOWN,
                 QELBOXN_DROPDOWNOPEN);
    EXPECT_TRUE(QelBox_GetDroppedState(control));
}

} // namespace

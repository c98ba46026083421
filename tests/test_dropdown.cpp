// The drop-down window: opening and closing with their notifications, the
// popup's placement on the screen, scrolling, and clicks in the list.
#include "harness.h"

#include <algorithm>

namespace {

class DropDownTest : public ControlTest {
  protected:
    // A drop-down-list control with `rows` rows, focused, its parent placed
    // so that the control's top-left is at screen y = `screenY`.
    HWND MakeAt(int screenY, int rows = 20, DWORD style = QELBOXSTYLE_DROPDOWNLIST) {
        RECT parent, client;
        GetWindowRect(TestParent(), &parent);
        GetClientRect(TestParent(), &client);
        POINT origin = {0, 0};
        ClientToScreen(TestParent(), &origin);
        SetWindowPos(TestParent(), nullptr, parent.left, parent.top + (screenY - 10 - origin.y), 0,
                     0, SWP_NOSIZE | SWP_NOZORDER);
        HWND control = Create(style, WS_VSCROLL);
        AddRows(control, rows);
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
};

TEST_F(DropDownTest, RefusalsSendNothing) {
    HWND empty = Create(QELBOXSTYLE_DROPDOWNLIST);
    EXPECT_EQ(QelBox_ShowDropDown(empty, TRUE), 0);
    EXPECT_EQ(QelBox_ShowDropDown(empty, FALSE), 1); // already closed
    HWND simple = Create(QELBOXSTYLE_SIMPLE, 0, 2);
    AddRows(simple, 3);
    EXPECT_EQ(QelBox_ShowDropDown(simple, TRUE), 0);
    EXPECT_EQ(QelBox_GetDroppedState(simple), 1);
    EXPECT_TRUE(Codes(nullptr).empty());
}

TEST_F(DropDownTest, OpeningNotifiesAndCreatesATopmostPopup) {
    HWND control = MakeAt(100);
    EXPECT_EQ(QelBox_ShowDropDown(control, TRUE), 1);
    EXPECT_CODES(control, QELBOXN_DROPDOWN, QELBOXN_DROPDOWNOPEN);
    HWND list = QelBox_GetHWNDDropDown(control);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(QelBox_GetDroppedState(control), 1);
    EXPECT_EQ(GetDlgCtrlID(list), QELBOX_LIST_ID);
    EXPECT_EQ(GetAncestor(list, GA_PARENT), GetDesktopWindow());
    LONG exStyle = GetWindowLongA(list, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_BORDER);
    EXPECT_NE(GetPropA(list, "QelBoxDD32"), nullptr);
    RECT dropped;
    EXPECT_EQ(QelBox_GetDroppedControlRect(control, &dropped), 0);
    RECT expected = WindowRect(list);
    EXPECT_TRUE(EqualRect(&dropped, &expected));

    // Opening again does nothing.
    ClearNotes();
    EXPECT_EQ(QelBox_ShowDropDown(control, TRUE), 1);
    EXPECT_CODES(control);
    // Closing with the function: no notification but the destruction.
    EXPECT_EQ(QelBox_ShowDropDown(control, FALSE), 1);
    EXPECT_CODES(control, QELBOXN_DROPDOWNDESTROY);
    EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(QelBox_GetDroppedControlRect(control, &dropped), -1);
    EXPECT_TRUE(IsRectEmpty(&dropped));
}

TEST_F(DropDownTest, ParentCancellingInItsDropDownNotificationKeepsItClosed) {
    HWND control = MakeAt(100);
    g_onNotify = [control](const Note& note) {
        if (note.code == QELBOXN_DROPDOWN) SendMessageA(control, WM_CANCELMODE, 0, 0);
    };
    EXPECT_EQ(QelBox_ShowDropDown(control, TRUE), 1);
    EXPECT_EQ(QelBox_GetDroppedState(control), 0);
    EXPECT_CODES(control, QELBOXN_DROPDOWN);
}

TEST_F(DropDownTest, CancellingRestoresTheHighlightWithoutNotifying) {
    HWND control = MakeAt(100);
    QelBox_SetCurSel(control, 2);
    QelBox_ShowDropDown(control, TRUE);
    HWND list = QelBox_GetHWNDDropDown(control);
    // Moving the mouse over a row highlights it without committing (the
    // first move after the layout placed the list is ignored).
    RECT row;
    ASSERT_EQ(QelBox_GetItemRect(control, 5, &row), 0);
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(row.left + 3, row.top + 2));
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(row.left + 3, row.top + 2));
    EXPECT_EQ(QelBox_GetCurSel(control), 5);
    EXPECT_EQ(Text(control, -1), "Row 2");
    ClearNotes();
    SendMessageA(control, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_CODES(control, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);
    EXPECT_EQ(QelBox_GetCurSel(control), 2);
}

TEST_F(DropDownTest, ClickingARowSelectsAndTheReleaseAccepts) {
    HWND control = MakeAt(100);
    QelBox_ShowDropDown(control, TRUE);
    HWND list = QelBox_GetHWNDDropDown(control);
    ClearNotes();
    RECT row;
    ASSERT_EQ(QelBox_GetItemRect(control, 3, &row), 0);
    LPARAM at = MAKELPARAM(row.left + 20, row.top + 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_EQ(QelBox_GetCurSel(control), 3);
    EXPECT_CODES(control, QELBOXN_LBUTTON + QELBOXN_ZONE_ITEM);
    ClearNotes();
    SendMessageA(list, WM_LBUTTONUP, 0, at);
    EXPECT_CODES(control, QELBOXN_CLOSEUPOK, QELBOXN_DROPDOWNDESTROY, QELBOXN_SELCHANGE);
    EXPECT_EQ(Text(control, -1), "Row 3");
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DropDownTest, RightClickSendsItsCodesAndCommits) {
    HWND control = MakeAt(100);
    QelBox_ShowDropDown(control, TRUE);
    HWND list = QelBox_GetHWNDDropDown(control);
    ClearNotes();
    RECT row;
    ASSERT_EQ(QelBox_GetItemRect(control, 1, &row), 0);
    LPARAM at = MAKELPARAM(row.left + 20, row.top + 2);
    SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageA(list, WM_RBUTTONUP, 0, at);
    EXPECT_CODES(control, QELBOXN_RBUTTON + QELBOXN_ZONE_ITEM, QELBOXN_CLOSEUPOK,
                 QELBOXN_DROPDOWNDESTROY, QELBOXN_SELCHANGE, QELBOXN_RBUTTONUP);
}

TEST_F(DropDownTest, LeftButtonOnlyStyleAnswersRightClicksWithRButtonUpOnly) {
    HWND control = MakeAt(100, 20, QELBOXSTYLE_DROPDOWNLIST | QELBOXSTYLE_LEFTBUTTONONLY);
    QelBox_ShowDropDown(control, TRUE);
    HWND list = QelBox_GetHWNDDropDown(control);
    ClearNotes();
    SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 2));
    SendMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(10, 2));
    EXPECT_CODES(control, QELBOXN_RBUTTONUP);
    EXPECT_TRUE(QelBox_GetDroppedState(control));
}

TEST_F(DropDownTest, OpensBelowWhenThereIsRoomAndAboveNearTheScreenBottom) {
    const int rh = [&] {
        HWND probe = MakeAt(100);
        return QelBox_GetItemHeight(probe, 0);
    }();
    const int screen = GetSystemMetrics(SM_CYSCREEN);

    HWND below = MakeAt(100);
    QelBox_SetDroppedHeight(below, 5);
    QelBox_ShowDropDown(below, TRUE);
    RECT list = WindowRect(QelBox_GetHWNDDropDown(below));
    RECT client = ClientOnScreen(below);
    RECT clientOfList = ClientOnScreen(QelBox_GetHWNDDropDown(below));
    EXPECT_EQ(clientOfList.top, client.bottom + 3);
    EXPECT_EQ(clientOfList.bottom - clientOfList.top, 5 * rh);
    EXPECT_EQ(clientOfList.left, client.left);
    EXPECT_GT(list.top, client.bottom);
    QelBox_ShowDropDown(below, FALSE);

    HWND above = MakeAt(screen - 60);
    QelBox_SetDroppedHeight(above, 5);
    QelBox_ShowDropDown(above, TRUE);
    RECT clientAbove = ClientOnScreen(above);
    RECT listAbove = ClientOnScreen(QelBox_GetHWNDDropDown(above));
    EXPECT_EQ(listAbove.bottom, clientAbove.top - 3);
    EXPECT_EQ(listAbove.bottom - listAbove.top, 5 * rh);
}

TEST_F(DropDownTest, TooTallListsAreHalvedUntilTheyFit) {
    const int screen = GetSystemMetrics(SM_CYSCREEN);
    HWND control = MakeAt(screen / 2 - 10, 400);
    const int rh = QelBox_GetItemHeight(control, 0);
    int rowsThatFit = (screen / 2) / rh; // about half the screen either side
    int wanted = 1;
    while (wanted <= rowsThatFit * 3)
        wanted *= 2;
    QelBox_SetDroppedHeight(control, wanted);
    QelBox_ShowDropDown(control, TRUE);
    int height = QelBox_GetDroppedHeight(control);
    EXPECT_LT(height, wanted);
    EXPECT_EQ(wanted % height, 0); // halved, never otherwise changed
    RECT list = WindowRect(QelBox_GetHWNDDropDown(control));
    EXPECT_GE(list.top, 20 - 1);
    EXPECT_LE(list.bottom, screen - 20 + 1);
    // The smaller height stays for the next opening.
    QelBox_ShowDropDown(control, FALSE);
    EXPECT_EQ(QelBox_GetDroppedHeight(control), height);
}

TEST_F(DropDownTest, PixelHeightTakesWholeRows) {
    HWND control = MakeAt(100);
    const int rh = QelBox_GetItemHeight(control, 0);
    QelBox_SetDroppedHeight(control, -(6 * rh + rh / 2));
    QelBox_ShowDropDown(control, TRUE);
    RECT client = ClientOnScreen(QelBox_GetHWNDDropDown(control));
    EXPECT_EQ(client.bottom - client.top, 6 * rh);
}

TEST_F(DropDownTest, WidthFollowsTheSettingAndStopsAtTheScreenEdge) {
    HWND control = MakeAt(100);
    RECT client = ClientOnScreen(control);
    const int w = client.right - client.left;

    QelBox_SetDroppedWidth(control, -150);
    QelBox_ShowDropDown(control, TRUE);
    RECT list = WindowRect(QelBox_GetHWNDDropDown(control));
    int expected = std::min(MulDiv(w, 150, 100),
                            static_cast<int>(GetSystemMetrics(SM_CXSCREEN) - client.left));
    // The window is one pixel narrower than its border-adjusted rectangle.
    EXPECT_EQ(list.right - list.left, expected + 2 - 1);
    QelBox_ShowDropDown(control, FALSE);

    QelBox_SetDroppedWidth(control, 5000); // wider than the screen: narrowed
    QelBox_ShowDropDown(control, TRUE);
    list = WindowRect(QelBox_GetHWNDDropDown(control));
    EXPECT_EQ(list.left, client.left - 1);
    EXPECT_LE(list.right, GetSystemMetrics(SM_CXSCREEN) + 1);
}

TEST_F(DropDownTest, VerticalScrollCodes) {
    HWND control = MakeAt(100, 30);
    QelBox_SetDroppedHeight(control, 8);
    QelBox_ShowDropDown(control, TRUE);
    HWND list = QelBox_GetHWNDDropDown(control);
    const int shown = QelBox_GetItemsShown(control);
    ASSERT_EQ(shown, 8);
    const int maxTop = 30 - shown;
    struct Step {
        int code;
        int top;
    } steps[] = {{SB_LINEDOWN, 1},
                 {SB_PAGEDOWN, 1 + shown},
                 {SB_LINEUP, shown},
                 {SB_BOTTOM, maxTop},
                 {SB_PAGEDOWN, maxTop},
                 {SB_LINEDOWN, maxTop},
                 {SB_PAGEUP, maxTop - shown},
                 {SB_TOP, 0},
                 {SB_LINEUP, 0}};
    int previous = 0;
    for (const Step& step : steps) {
        ClearNotes();
        SendMessageA(list, WM_VSCROLL, MAKEWPARAM(step.code, 0), 0);
        EXPECT_EQ(QelBox_GetTopIndex(control), step.top) << step.code;
        if (step.top != previous)
            EXPECT_CODES(control, QELBOXN_TOPINDEXCHANGE);
        else
            EXPECT_CODES(control);
        previous = step.top;
    }
    // Messages from a scroll-bar control (lParam set) are ignored.
    SendMessageA(list, WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(QelBox_GetTopIndex(control), 0);
}

TEST_F(DropDownTest, HorizontalScrollCodes) {
    HWND control = MakeAt(100, 10);
    QelBox_ShowDropDown(control, TRUE);
    HWND list = QelBox_GetHWNDDropDown(control);
    RECT client;
    GetClientRect(list, &client);
    const int w = client.right;
    EXPECT_EQ(QelBox_SetHorizontalExtent(control, w + 100), 1);
    ClearNotes();
    SendMessageA(list, WM_HSCROLL, MAKEWPARAM(SB_RIGHT, 0), 0);
    EXPECT_EQ(QelBox_GetHorizontalOffset(control), 100);
    EXPECT_CODES(control, QELBOXN_HSCROLLCHANGE);
    SendMessageA(list, WM_HSCROLL, MAKEWPARAM(SB_PAGERIGHT, 0), 0);
    EXPECT_EQ(QelBox_GetHorizontalOffset(control), 100);
    SendMessageA(list, WM_HSCROLL, MAKEWPARAM(SB_LINELEFT, 0), 0);
    int afterLine = QelBox_GetHorizontalOffset(control);
    EXPECT_LT(afterLine, 100);
    SendMessageA(list, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 40), 0);
    EXPECT_EQ(QelBox_GetHorizontalOffset(control), 40);
    SendMessageA(list, WM_HSCROLL, MAKEWPARAM(SB_LEFT, 0), 0);
    EXPECT_EQ(QelBox_GetHorizontalOffset(control), 0);
    ClearNotes();
    SendMessageA(list, WM_HSCROLL, MAKEWPARAM(SB_LINELEFT, 0), 0);
    EXPECT_CODES(control);
}

TEST_F(DropDownTest, ClickOnTheDropButtonTogglesTheList) {
    HWND control = MakeAt(100);
    RECT button;
    QelBox_GetDropDownButtonRect(control, &button);
    ASSERT_FALSE(IsRectEmpty(&button));
    LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_TRUE(QelBox_GetDroppedState(control));
    SendMessageA(control, WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(QelBox_GetDroppedState(control)); // released on the control: stays open
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(control, WM_LBUTTONUP, 0, at);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_CODES(control, QELBOXN_DROPDOWN, QELBOXN_DROPDOWNOPEN, QELBOXN_CLOSEUPCANCEL,
                 QELBOXN_DROPDOWNDESTROY);
}

TEST_F(DropDownTest, ClickOnTheDisplayAreaOfADropDownListNotifiesAndOpens) {
    HWND control = MakeAt(100);
    RECT display;
    ASSERT_EQ(QelBox_GetItemRect(control, -1, &display), 0);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(display.left + 5, display.top + 3));
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(display.left + 5, display.top + 3));
    EXPECT_CODES(control, QELBOXN_LBUTTON + QELBOXN_ONCONTROL + QELBOXN_ZONE_ITEM, QELBOXN_DROPDOWN,
                 QELBOXN_DROPDOWNOPEN);
    EXPECT_TRUE(QelBox_GetDroppedState(control));
}

} // namespace

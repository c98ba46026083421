// The drop-down window: opening and closing with their notifications, and
// clicks in the list.
#include "harness.h"
#include "pixels.h"

#include <algorithm>

namespace {

class DropDownTest : public ControlTest {
  protected:
    // A focused drop-down-list control with 20 rows.
    HWND Make(DWORD style = QELBOXSTYLE_DROPDOWNLIST) {
        HWND control =
            AddRows(Create(style, WS_VSCROLL, static_cast<int>(created_.size()) + 1), 20);
        SetFocus(control);
        ClearNotes();
        return control;
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

    HWND control = Make();
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
    RECT dropped, expected;
    GetWindowRect(list, &expected);
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
    // Cancelling in the close-up notification keeps it open.
    g_onNotify = [control](const Note& note) {
        if (note.code == QELBOXN_CLOSEUPCANCEL) SendMessageA(control, WM_CANCELMODE, 0, 0);
    };
    ASSERT_TRUE(Drop(control));
    Key(control, VK_ESCAPE);
    EXPECT_EQ(QelBox_GetDroppedState(control), 1);
}

TEST_F(DropDownTest, ClicksAndMovesInTheList) {
    HWND control = Make();
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
    // The list shows the highlighted row selected, not the committed one.
    const Image shot = Capture(list);
    const int y = HIWORD(at), y2 = HIWORD(RowPoint(control, 2, 3));
    EXPECT_EQ(shot.At(100, y), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_NE(shot.At(100, y2), GetSysColor(COLOR_HIGHLIGHT));
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
    HWND left = Make(QELBOXSTYLE_DROPDOWNLIST | QELBOXSTYLE_LEFTBUTTONONLY);
    ASSERT_TRUE(Drop(left));
    list = QelBox_GetHWNDDropDown(left);
    SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 2));
    SendMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(10, 2));
    EXPECT_CODES(left, QELBOXN_RBUTTONUP);
    EXPECT_TRUE(QelBox_GetDroppedState(left));
    SendMessageA(list, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(10, 2)); // nor a middle one
    SendMessageA(list, WM_MBUTTONUP, 0, MAKELPARAM(10, 2));
    EXPECT_EQ(QelBox_GetCurSel(left), -1);
}

} // namespace

// The combo window procedure: focus handling and its notifications and the
// cancel-mode paths.
#include "harness.h"

#include <algorithm>

namespace {

using ComboTest = ControlTest;

TEST_F(ComboTest, FocusNotificationsAndFocusLossClosingWithoutAccepting) {
    // With an edit field the control passes the focus on inside its own
    // WM_SETFOCUS, so it reports losing it first.
    HWND combo = Create(QELBOXSTYLE_DROPDOWN, 0, 5);
    SetFocus(combo);
    EXPECT_EQ(GetFocus(), QelBox_GetHWNDEdit(combo));
    EXPECT_CODES(combo, QELBOXN_KILLFOCUS, QELBOXN_SETFOCUS);
    for (const Note& note : Notes())
        EXPECT_EQ(note.id, 5);
    EXPECT_CODES_AFTER(SetFocus(TestParent()), combo, QELBOXN_KILLFOCUS);

    HWND control = AddRows(Create(QELBOXSTYLE_DROPDOWNLIST, 0, 2), 5);
    QelBox_SetCurSel(control, 1);
    EXPECT_CODES_AFTER(SetFocus(control), control, QELBOXN_SETFOCUS);
    EXPECT_EQ(GetFocus(), control);
    ASSERT_TRUE(Drop(control));
    Key(control, VK_DOWN); // moves and commits
    EXPECT_CODES_AFTER(SetFocus(TestParent()), control, QELBOXN_CLOSEUPCANCEL,
                       QELBOXN_DROPDOWNDESTROY, QELBOXN_KILLFOCUS);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_EQ(QelBox_GetCurSel(control), 2);
}

TEST_F(ComboTest, CancelPathsCloseTheDropDownWithoutAccepting) {
    HWND control = AddRows(Create(QELBOXSTYLE_DROPDOWNLIST), 4);
    QelBox_SetCurSel(control, 0);
    // The keyboard hook closes only for keys with bit 28 (Alt) set.
    ASSERT_TRUE(Drop(control));
    EXPECT_EQ(QelBox_KeyboardFilterHook(HC_ACTION, 'A', 0x00000001), 0);
    Pump();
    EXPECT_TRUE(QelBox_GetDroppedState(control));
    const std::function<void()> closers[] = {
        [] { QelBox_KeyboardFilterHook(HC_ACTION, 'A', 0x10000001); },
        [control] { PostMessageA(control, QELBOX_WM_CLOSEDROPDOWN, 0, 0); },
        [control] { SendMessageA(control, WM_ENABLE, FALSE, 0); },
    };
    for (const auto& close : closers) {
        ASSERT_TRUE(Drop(control));
        close();
        Pump();
        EXPECT_FALSE(QelBox_GetDroppedState(control));
        EXPECT_CODES(control, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);
    }
    ASSERT_TRUE(Drop(control));
    ShowWindow(control, SW_HIDE);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
}

} // namespace

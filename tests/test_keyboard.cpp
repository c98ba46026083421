// Keyboard handling of the control window: navigation keys, opening and
// closing the list and character search.
#include "harness.h"

namespace {

using KeyboardTest = ControlTest;

TEST_F(KeyboardTest, NavigationKeysMoveAndCommitWithNotification) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    // An empty control: nothing moves, nothing opens.
    for (WPARAM key : {VK_DOWN, VK_UP, VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_F4})
        Key(control, key);
    EXPECT_EQ(QelBox_GetCurSel(control), -1);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_CODES(control);

    AddRows(control, 20);
    const int shown = QelBox_GetItemsShown(control);
    const int steps[][2] = {{VK_UP, 0},    {VK_DOWN, 1},   {VK_RIGHT, 2},          {VK_UP, 1},
                            {VK_LEFT, 0},  {VK_LEFT, 0},   {VK_NEXT, shown},       {VK_END, 19},
                            {VK_NEXT, 19}, {VK_RIGHT, 19}, {VK_PRIOR, 19 - shown}, {VK_HOME, 0}};
    int previous = -1;
    for (const auto& step : steps) {
        ClearNotes();
        Key(control, step[0]);
        EXPECT_EQ(QelBox_GetCurSel(control), step[1]) << "key " << step[0];
        EXPECT_EQ(Text(control, -1), Text(control, step[1]));
        // A move is committed and notified; no move, no notification.
        EXPECT_EQ(Codes(control), std::vector<int>(step[1] != previous, QELBOXN_SELCHANGE));
        previous = step[1];
    }
}

TEST_F(KeyboardTest, KeysOpenAndCloseTheList) {
    HWND control = AddRows(Create(QELBOXSTYLE_DROPDOWNLIST), 5);
    SetFocus(control);
    QelBox_SetCurSel(control, 1);
    ClearNotes();
    Key(control, VK_RETURN); // closed: Enter and Escape do nothing
    Key(control, VK_ESCAPE);
    Key(control, VK_F4); // F4 opens and closes accepting
    EXPECT_TRUE(QelBox_GetDroppedState(control));
    Key(control, VK_F4);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_CODES(control, QELBOXN_DROPDOWN, QELBOXN_DROPDOWNOPEN, QELBOXN_CLOSEUPOK,
                 QELBOXN_DROPDOWNDESTROY, QELBOXN_SELCHANGE);

    // Alt+Down and Alt+Up toggle and are swallowed.
    EXPECT_EQ(SendMessageA(control, WM_SYSKEYDOWN, VK_DOWN, 0x20000000), 0);
    EXPECT_TRUE(QelBox_GetDroppedState(control));
    Key(control, VK_DOWN); // highlight row 2 and accept it
    EXPECT_CODES_AFTER(SendMessageA(control, WM_SYSKEYDOWN, VK_UP, 0x20000000), control,
                       QELBOXN_CLOSEUPOK, QELBOXN_DROPDOWNDESTROY, QELBOXN_SELCHANGE);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_EQ(SendMessageA(control, WM_SYSKEYDOWN, VK_F10, 0x20000000), 0);

    // The extended interface opens with Down and ignores F4; while dropped
    // Down moves and commits.
    EXPECT_EQ(QelBox_SetExtendedUI(control, 1), 0);
    EXPECT_EQ(QelBox_GetExtendedUI(control), 1);
    QelBox_SetCurSel(control, -1);
    Key(control, VK_F4);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_CODES_AFTER(Key(control, VK_DOWN), control, QELBOXN_DROPDOWN, QELBOXN_DROPDOWNOPEN);
    EXPECT_TRUE(QelBox_GetDroppedState(control));
    EXPECT_EQ(QelBox_GetCurSel(control), -1);
    EXPECT_CODES_AFTER(Key(control, VK_DOWN), control, QELBOXN_SELCHANGE);
    EXPECT_EQ(QelBox_GetCurSel(control), 0);
}

TEST_F(KeyboardTest, CharacterSearchFindsTheNextRowStartingWithTheLetter) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    for (const char* text : {"apple", "xylophone", "banana", "Xenon", "cherry"})
        QelBox_AddString_A(control, text);
    SendMessageA(control, WM_CHAR, 'x', 0);
    EXPECT_EQ(QelBox_GetCurSel(control), 1);
    SendMessageA(control, WM_CHAR, 'x', 0);
    EXPECT_EQ(QelBox_GetCurSel(control), 3); // case-insensitive
    EXPECT_CODES_AFTER(SendMessageA(control, WM_CHAR, 'X', 0), control, QELBOXN_SELCHANGE);
    EXPECT_EQ(QelBox_GetCurSel(control), 1);                             // wraps to the top
    EXPECT_CODES_AFTER(SendMessageA(control, WM_CHAR, 'q', 0), control); // no match
    EXPECT_EQ(QelBox_GetCurSel(control), 1);
}

} // namespace

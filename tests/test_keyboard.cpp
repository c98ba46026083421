// Keyboard handling of the control window: dialog codes, navigation keys,
// opening and closing the list, and character search.
#include "harness.h"

namespace {

class KeyboardTest : public ControlTest {
  protected:
    void Key(HWND control, WPARAM key) { SendMessageA(control, WM_KEYDOWN, key, 0); }
    LRESULT DialogCode(HWND window, UINT message, WPARAM key) {
        MSG msg = {window, message, key, 0, 0, {0, 0}};
        return SendMessageA(window, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg));
    }
};

TEST_F(KeyboardTest, NavigationKeysMoveAndCommitWithNotification) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(control, 20);
    int shown = QelBox_GetItemsShown(control);

    struct Step {
        WPARAM key;
        int expected;
    } steps[] = {{VK_DOWN, 0},  {VK_DOWN, 1},   {VK_RIGHT, 2},          {VK_UP, 1},
                 {VK_LEFT, 0},  {VK_LEFT, 0},   {VK_NEXT, shown},       {VK_END, 19},
                 {VK_NEXT, 19}, {VK_RIGHT, 19}, {VK_PRIOR, 19 - shown}, {VK_HOME, 0}};
    int previous = -1;
    for (const Step& step : steps) {
        ClearNotes();
        Key(control, step.key);
        EXPECT_EQ(QelBox_GetCurSel(control), step.expected) << "key " << step.key;
        EXPECT_EQ(QelBox_GetTextLength(control, -1, 0),
                  static_cast<int>(Text(control, step.expected).size()));
        if (step.expected != previous)
            EXPECT_CODES(control, QELBOXN_SELCHANGE);
        else
            EXPECT_CODES(control); // nothing moved: nothing sent
        previous = step.expected;
    }
}

TEST_F(KeyboardTest, UpWithoutSelectionGoesToTheFirstRow) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(control, 3);
    Key(control, VK_UP);
    EXPECT_EQ(QelBox_GetCurSel(control), 0);
}

TEST_F(KeyboardTest, RowKeysOnAnEmptyControlDoNothing) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    for (WPARAM key : {VK_DOWN, VK_UP, VK_HOME, VK_END, VK_PRIOR, VK_NEXT})
        Key(control, key);
    EXPECT_EQ(QelBox_GetCurSel(control), -1);
    EXPECT_CODES(control);
}

TEST_F(KeyboardTest, ExtendedInterfaceOpensWithDownAndIgnoresF4) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(control, 5);
    SetFocus(control);
    EXPECT_EQ(QelBox_SetExtendedUI(control, 1), 0);
    EXPECT_EQ(QelBox_GetExtendedUI(control), 1);
    ClearNotes();
    Key(control, VK_F4);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    Key(control, VK_DOWN);
    EXPECT_TRUE(QelBox_GetDroppedState(control));
    EXPECT_CODES(control, QELBOXN_DROPDOWN, QELBOXN_DROPDOWNOPEN);
    EXPECT_EQ(QelBox_GetCurSel(control), -1);
    // While dropped, Down moves and commits.
    ClearNotes();
    Key(control, VK_DOWN);
    EXPECT_EQ(QelBox_GetCurSel(control), 0);
    EXPECT_CODES(control, QELBOXN_SELCHANGE);
}

TEST_F(KeyboardTest, F4OpensAndClosesAccepting) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(control, 5);
    SetFocus(control);
    QelBox_SetCurSel(control, 1);
    ClearNotes();
    Key(control, VK_F4);
    EXPECT_TRUE(QelBox_GetDroppedState(control));
    Key(control, VK_F4);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_CODES(control, QELBOXN_DROPDOWN, QELBOXN_DROPDOWNOPEN, QELBOXN_CLOSEUPOK,
                 QELBOXN_DROPDOWNDESTROY, QELBOXN_SELCHANGE);
}

TEST_F(KeyboardTest, ReturnAcceptsAndEscapeCancels) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(control, 5);
    SetFocus(control);
    QelBox_ShowDropDown(control, TRUE);
    ClearNotes();
    Key(control, VK_RETURN);
    EXPECT_CODES(control, QELBOXN_CLOSEUPOK, QELBOXN_DROPDOWNDESTROY, QELBOXN_SELCHANGE);

    QelBox_ShowDropDown(control, TRUE);
    ClearNotes();
    Key(control, VK_ESCAPE);
    EXPECT_CODES(control, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);
    // Closed: both keys do nothing.
    ClearNotes();
    Key(control, VK_RETURN);
    Key(control, VK_ESCAPE);
    EXPECT_CODES(control);
}

TEST_F(KeyboardTest, AltDownTogglesAndIsSwallowed) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(control, 5);
    SetFocus(control);
    EXPECT_EQ(SendMessageA(control, WM_SYSKEYDOWN, VK_DOWN, 0x20000000), 0);
    EXPECT_TRUE(QelBox_GetDroppedState(control));
    Key(control, VK_DOWN); // highlight row 0 ...
    ClearNotes();
    SendMessageA(control, WM_SYSKEYDOWN, VK_UP, 0x20000000); // ... and accept it
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_CODES(control, QELBOXN_CLOSEUPOK, QELBOXN_DROPDOWNDESTROY, QELBOXN_SELCHANGE);
    EXPECT_EQ(SendMessageA(control, WM_SYSKEYDOWN, VK_F10, 0x20000000), 0);
}

TEST_F(KeyboardTest, OpeningAnEmptyListFails) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    Key(control, VK_F4);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_CODES(control);
}

TEST_F(KeyboardTest, CharacterSearchFindsTheNextRowStartingWithTheLetter) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    for (const char* text : {"apple", "xylophone", "banana", "Xenon", "cherry"})
        QelBox_AddString_A(control, text);
    SendMessageA(control, WM_CHAR, 'x', 0);
    EXPECT_EQ(QelBox_GetCurSel(control), 1);
    SendMessageA(control, WM_CHAR, 'x', 0);
    EXPECT_EQ(QelBox_GetCurSel(control), 3); // case-insensitive
    ClearNotes();
    SendMessageA(control, WM_CHAR, 'X', 0);
    EXPECT_EQ(QelBox_GetCurSel(control), 1); // wraps to the top
    EXPECT_CODES(control, QELBOXN_SELCHANGE);
    ClearNotes();
    SendMessageA(control, WM_CHAR, 'q', 0);
    EXPECT_EQ(QelBox_GetCurSel(control), 1); // no match: nothing changes
    EXPECT_CODES(control);
}

TEST_F(KeyboardTest, DialogCodesOfTheControlWindow) {
    HWND list = Create(QELBOXSTYLE_DROPDOWNLIST);
    HWND simple = Create(QELBOXSTYLE_SIMPLE, 0, 2);
    const LRESULT base = DLGC_WANTARROWS;
    const LRESULT want = base | DLGC_WANTMESSAGE;
    EXPECT_EQ(SendMessageA(list, WM_GETDLGCODE, 0, 0), base);
    EXPECT_EQ(DialogCode(list, WM_KEYDOWN, VK_RETURN), base); // closed
    EXPECT_EQ(DialogCode(list, WM_KEYDOWN, VK_ESCAPE), base);
    EXPECT_EQ(DialogCode(list, WM_KEYDOWN, VK_TAB), base);
    EXPECT_EQ(DialogCode(list, WM_KEYDOWN, VK_NEXT), want);
    EXPECT_EQ(DialogCode(list, WM_KEYDOWN, VK_DOWN), want);
    EXPECT_EQ(DialogCode(list, WM_KEYDOWN, VK_F4), want);
    EXPECT_EQ(DialogCode(list, WM_KEYDOWN, VK_F5), base);
    EXPECT_EQ(DialogCode(list, WM_CHAR, 'a'), want);
    EXPECT_EQ(DialogCode(list, WM_CHAR, 13), base);
    QelBox_SetExtendedUI(list, 1);
    EXPECT_EQ(DialogCode(list, WM_KEYDOWN, VK_F4), base);

    AddRows(list, 3);
    SetFocus(list);
    QelBox_ShowDropDown(list, TRUE);
    EXPECT_EQ(DialogCode(list, WM_KEYDOWN, VK_RETURN), want); // dropped
    EXPECT_EQ(DialogCode(list, WM_CHAR, 13), want);
    QelBox_ShowDropDown(list, FALSE);

    // The simple type has an edit field (DLGC_HASSETSEL) and never drops.
    const LRESULT simpleBase = DLGC_WANTARROWS | DLGC_HASSETSEL;
    EXPECT_EQ(SendMessageA(simple, WM_GETDLGCODE, 0, 0), simpleBase);
    EXPECT_EQ(DialogCode(simple, WM_KEYDOWN, VK_F4), simpleBase);
    EXPECT_EQ(DialogCode(simple, WM_KEYDOWN, VK_RETURN), simpleBase);
}

TEST_F(KeyboardTest, EscapeDuringAMouseOperationOnlyCancelsIt) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(control, 3);
    SetFocus(control);
    QelBox_ShowDropDown(control, TRUE);
    HWND list = QelBox_GetHWNDDropDown(control);
    RECT row;
    ASSERT_EQ(QelBox_GetItemRect(control, 1, &row), 0);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.left + 5, row.top + 2));
    EXPECT_EQ(GetCapture(), list);
    MSG msg = {control, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    EXPECT_EQ(SendMessageA(control, WM_GETDLGCODE, VK_ESCAPE, reinterpret_cast<LPARAM>(&msg)),
              DLGC_WANTARROWS | DLGC_WANTMESSAGE);
    Key(control, VK_ESCAPE);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(QelBox_GetDroppedState(control)); // the list stays open
}

} // namespace

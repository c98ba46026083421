// The edit field of the simple and drop-down types: showing the committed
// row, matching typed text, keys passed to the control, and its exports.
#include "harness.h"

namespace {

class EditFieldTest : public ControlTest {
  protected:
    HWND control_ = nullptr;
    HWND edit_ = nullptr;
    void Make(DWORD type = QELBOXSTYLE_DROPDOWN) {
        control_ = Create(type);
        edit_ = QelBox_GetHWNDEdit(control_);
        ASSERT_NE(edit_, nullptr);
        AddRows(control_, 5);
        ClearNotes();
    }
};

TEST_F(EditFieldTest, ShowsTheCommittedRowsText) {
    Make();
    QelBox_SetCurSel(control_, 3);
    EXPECT_EQ(WindowText(edit_), "Row 3");
    DWORD start = 0, end = 0;
    EXPECT_EQ(QelBox_GetEditSel(control_, &start, &end), 0);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u); // all of it selected
    QelBox_SetCurSel(control_, -1);
    EXPECT_EQ(WindowText(edit_), "");
}

TEST_F(EditFieldTest, TypedTextMatchingARowCommitsItWithTheRowsCapitalisation) {
    Make();
    SetWindowTextA(edit_, "row 2");
    EXPECT_EQ(WindowText(edit_), "Row 2");
    EXPECT_EQ(QelBox_GetCurSel(control_), 2);
    EXPECT_EQ(Text(control_, -1), "Row 2");
    // Writing the row's own text is not reported as an edit.
    EXPECT_CODES(control_, QELBOXN_EDITUPDATE, QELBOXN_EDITCHANGE);
}

TEST_F(EditFieldTest, TypedTextMatchingNoRowClearsTheSelectionAndStays) {
    Make();
    QelBox_SetCurSel(control_, 1);
    ClearNotes();
    SetWindowTextA(edit_, "Row 9");
    EXPECT_EQ(WindowText(edit_), "Row 9");
    EXPECT_EQ(QelBox_GetCurSel(control_), -1);
    EXPECT_EQ(QelBox_GetTextLength(control_, -1, 0), -1);
    EXPECT_CODES(control_, QELBOXN_EDITUPDATE, QELBOXN_EDITCHANGE);
}

TEST_F(EditFieldTest, UnchangedTextIsNotRewritten) {
    Make();
    QelBox_SetCurSel(control_, 4);
    QelBox_SetEditSel(control_, 1, 3);
    ClearNotes();
    QelBox_SetCurSel(control_, 4);
    DWORD start = 0, end = 0;
    QelBox_GetEditSel(control_, &start, &end);
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 3u);
    EXPECT_CODES(control_, QELBOXN_SELCHANGE);
}

TEST_F(EditFieldTest, EnterAndEscapeReachTheControlAsKeys) {
    Make();
    SetFocus(control_);
    QelBox_ShowDropDown(control_, TRUE);
    SendMessageA(edit_, WM_KEYDOWN, VK_DOWN, 0);
    ClearNotes();
    SendMessageA(edit_, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(QelBox_GetDroppedState(control_));
    EXPECT_CODES(control_, QELBOXN_CLOSEUPOK, QELBOXN_DROPDOWNDESTROY, QELBOXN_SELCHANGE);
    // The characters of Enter and Escape do not reach the EDIT (no beep, no
    // text change).
    SetWindowTextA(edit_, "Row 0");
    ClearNotes();
    SendMessageA(edit_, WM_CHAR, 13, 0);
    SendMessageA(edit_, WM_CHAR, 27, 0);
    EXPECT_CODES(control_);
}

TEST_F(EditFieldTest, NavigationKeysMoveTheRowOthersTheCaret) {
    Make();
    QelBox_SetCurSel(control_, 1);
    ClearNotes();
    SendMessageA(edit_, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(QelBox_GetCurSel(control_), 2);
    EXPECT_EQ(WindowText(edit_), "Row 2");
    EXPECT_CODES(control_, QELBOXN_SELCHANGE);

    ClearNotes();
    SendMessageA(edit_, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(QelBox_GetCurSel(control_), 2);
    DWORD start = 9, end = 9;
    QelBox_GetEditSel(control_, &start, &end);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
    EXPECT_CODES(control_);
}

TEST_F(EditFieldTest, DialogCodesOfTheEditField) {
    Make();
    MSG msg = {edit_, WM_KEYDOWN, VK_DOWN, 0, 0, {0, 0}};
    LRESULT base = SendMessageA(edit_, WM_GETDLGCODE, 0, 0);
    EXPECT_EQ(SendMessageA(edit_, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&msg)) &
                  DLGC_WANTMESSAGE,
              DLGC_WANTMESSAGE);
    msg.wParam = VK_RETURN; // closed: the dialog keeps Enter
    EXPECT_EQ(SendMessageA(edit_, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&msg)) &
                  DLGC_WANTMESSAGE,
              base & DLGC_WANTMESSAGE);
}

TEST_F(EditFieldTest, EditFieldFocusLossNotifies) {
    Make();
    SetFocus(control_);
    ClearNotes();
    SetFocus(TestParent());
    EXPECT_CODES(control_, QELBOXN_KILLFOCUS);
}

TEST_F(EditFieldTest, SimpleTypePassesEnterCharactersToTheEdit) {
    Make(QELBOXSTYLE_SIMPLE);
    SendMessageA(edit_, WM_CHAR, 'z', 0);
    EXPECT_EQ(WindowText(edit_), "z");
}

TEST_F(EditFieldTest, ExportsWithoutAnEditFieldFail) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    DWORD start = 7, end = 7;
    EXPECT_EQ(QelBox_GetEditSel(control, &start, &end), -1);
    EXPECT_EQ(start, 0xFFFFFFFFu);
    EXPECT_EQ(end, 0xFFFFFFFFu);
    EXPECT_EQ(QelBox_SetEditSel(control, 0, 1), -1);
    EXPECT_EQ(QelBox_LimitText(control, 10), -1);
}

TEST_F(EditFieldTest, LimitText) {
    Make();
    EXPECT_EQ(QelBox_LimitText(control_, -1), -1);
    EXPECT_EQ(QelBox_LimitText(control_, 3), 0);
    SendMessageA(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    for (char c : std::string("abcdef"))
        SendMessageA(edit_, WM_CHAR, c, 0);
    EXPECT_EQ(WindowText(edit_), "abc");
    EXPECT_EQ(QelBox_LimitText(control_, 0), 0); // back to the default maximum
    SendMessageA(edit_, WM_CHAR, 'd', 0);
    EXPECT_EQ(WindowText(edit_), "abcd");
}

TEST_F(EditFieldTest, EditFontIsMeasuredAndReplacedByTheControlFont) {
    Make();
    HFONT big =
        CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "DejaVu Sans");
    ASSERT_NE(big, nullptr);
    int before = QelBox_GetItemHeight(control_, -1);
    QelBox_SetEditCtlFont(control_, big, TRUE);
    EXPECT_EQ(QelBox_GetEditCtlFont(control_), big);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(edit_, WM_GETFONT, 0, 0)), big);
    EXPECT_GT(QelBox_GetItemHeight(control_, -1), before);
    // A new control font replaces the edit font.
    HFONT gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(gui), TRUE);
    EXPECT_EQ(QelBox_GetEditCtlFont(control_), gui);
    EXPECT_EQ(QelBox_GetItemHeight(control_, -1), before);
    DeleteObject(big);
}

TEST_F(EditFieldTest, NullFirstCellEmptiesTheEditFieldWhateverTheEditColumn) {
    Make();
    ColumnRecord columns[2] = {};
    for (ColumnRecord& c : columns) {
        c.width = 80;
        c.colorBackground = c.colorText = c.colorSelBackground = c.colorSelText = 0xFFFFFFFF;
    }
    QelBox_ResetContent(control_);
    ASSERT_EQ(QelBox_SetColumns(control_, 2, columns), 1);
    edit_ = QelBox_GetHWNDEdit(control_);
    QelBox_AddString_A(control_, nullptr);
    QelBox_SetText_A(control_, 0, 1, "second");
    QelBox_AddString_A(control_, "first");
    QelBox_SetCurSel(control_, 1);
    EXPECT_EQ(WindowText(edit_), "first");
    QelBox_SetCurSel(control_, 0);
    EXPECT_EQ(WindowText(edit_), "");
}

} // namespace

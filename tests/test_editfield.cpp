// The edit field of the simple and drop-down types: showing the committed
// row, matching typed text, keys passed to the control, and its exports.
#include "harness.h"

namespace {

class EditFieldTest : public ControlTest {
  protected:
    HWND control_ = nullptr;
    HWND edit_ = nullptr;
    void Make(DWORD type = QELBOXSTYLE_DROPDOWN) {
        control_ = Create(type, 0, static_cast<int>(created_.size()) + 1);
        edit_ = QelBox_GetHWNDEdit(control_);
        ASSERT_NE(edit_, nullptr);
        AddRows(control_, 5);
        ClearNotes();
    }
    std::pair<DWORD, DWORD> EditSel() {
        DWORD start = 9, end = 9;
        EXPECT_EQ(QelBox_GetEditSel(control_, &start, &end), 0);
        return {start, end};
    }
};

TEST_F(EditFieldTest, ShowsTheCommittedRowsTextOnlyWhenItChanged) {
    Make();
    QelBox_SetCurSel(control_, 3);
    EXPECT_EQ(WindowText(edit_), "Row 3");
    EXPECT_EQ(EditSel(), std::make_pair(0ul, 5ul)); // all of it selected
    // Unchanged text is not rewritten: the edit selection stays.
    QelBox_SetEditSel(control_, 1, 3);
    EXPECT_CODES_AFTER(QelBox_SetCurSel(control_, 3), control_, QELBOXN_SELCHANGE);
    EXPECT_EQ(EditSel(), std::make_pair(1ul, 3ul));
    QelBox_SetCurSel(control_, -1);
    EXPECT_EQ(WindowText(edit_), "");
}

TEST_F(EditFieldTest, TypedTextCommitsTheMatchingRowOrClearsTheSelection) {
    Make();
    // A match is committed with the row's capitalisation; writing the row's
    // own text is not reported as an edit.
    EXPECT_CODES_AFTER(SetWindowTextA(edit_, "row 2"), control_, QELBOXN_EDITUPDATE,
                       QELBOXN_EDITCHANGE);
    EXPECT_EQ(WindowText(edit_), "Row 2");
    EXPECT_EQ(QelBox_GetCurSel(control_), 2);
    EXPECT_EQ(Text(control_, -1), "Row 2");
    EXPECT_CODES_AFTER(SetWindowTextA(edit_, "Row 9"), control_, QELBOXN_EDITUPDATE,
                       QELBOXN_EDITCHANGE);
    EXPECT_EQ(WindowText(edit_), "Row 9");
    EXPECT_EQ(QelBox_GetCurSel(control_), -1);
    EXPECT_EQ(QelBox_GetTextLength(control_, -1, 0), -1);
}

TEST_F(EditFieldTest, RowKeysReachTheControlOthersMoveTheCaret) {
    Make();
    QelBox_SetCurSel(control_, 1);
    EXPECT_CODES_AFTER(Key(edit_, VK_DOWN), control_, QELBOXN_SELCHANGE);
    EXPECT_EQ(QelBox_GetCurSel(control_), 2);
    EXPECT_EQ(WindowText(edit_), "Row 2");
    EXPECT_CODES_AFTER(Key(edit_, VK_HOME), control_);
    EXPECT_EQ(QelBox_GetCurSel(control_), 2);
    EXPECT_EQ(EditSel(), std::make_pair(0ul, 0ul));

    // Enter closes accepting.
    ASSERT_TRUE(Drop(control_));
    Key(edit_, VK_DOWN);
    EXPECT_CODES_AFTER(Key(edit_, VK_RETURN), control_, QELBOXN_CLOSEUPOK, QELBOXN_DROPDOWNDESTROY,
                       QELBOXN_SELCHANGE);
    EXPECT_FALSE(QelBox_GetDroppedState(control_));
}

TEST_F(EditFieldTest, LimitTextAndRefusalsWithoutAnEditField) {
    for (DWORD type : {QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_SIMPLE}) {
        Make(type);
        EXPECT_EQ(QelBox_LimitText(control_, -1), -1);
        EXPECT_EQ(QelBox_LimitText(control_, 3), 0);
        for (char c : std::string("abcdef"))
            SendMessageA(edit_, WM_CHAR, c, 0);
        EXPECT_EQ(WindowText(edit_), "abc");
        EXPECT_EQ(QelBox_LimitText(control_, 0), 0); // back to the default maximum
        SendMessageA(edit_, WM_CHAR, 'd', 0);
        EXPECT_EQ(WindowText(edit_), "abcd");
    }
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST, 0, 9);
    DWORD start = 7, end = 7;
    EXPECT_EQ(QelBox_GetEditSel(control, &start, &end), -1);
    EXPECT_EQ(start, 0xFFFFFFFFu);
    EXPECT_EQ(end, 0xFFFFFFFFu);
    EXPECT_EQ(QelBox_SetEditSel(control, 0, 1), -1);
    EXPECT_EQ(QelBox_LimitText(control, 10), -1);
}

TEST_F(EditFieldTest, EditFontIsMeasuredAndReplacedByTheControlFont) {
    Make();
    HFONT big =
        CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "DejaVu Sans");
    ASSERT_NE(big, nullptr);
    const int before = QelBox_GetItemHeight(control_, -1);
    QelBox_SetEditCtlFont(control_, big, TRUE);
    EXPECT_EQ(QelBox_GetEditCtlFont(control_), big);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(edit_, WM_GETFONT, 0, 0)), big);
    EXPECT_GT(QelBox_GetItemHeight(control_, -1), before);
    HFONT gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(gui), TRUE);
    EXPECT_EQ(QelBox_GetEditCtlFont(control_), gui);
    EXPECT_EQ(QelBox_GetItemHeight(control_, -1), before);
    DeleteObject(big);
}

TEST_F(EditFieldTest, MultiLineEditColumnAndNullFirstCell) {
    for (DWORD type : {QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_SIMPLE}) {
        Make(type);
        ColumnRecord columns[2] = {};
        for (ColumnRecord& c : columns) {
            c.width = 80;
            c.colorBackground = c.colorText = c.colorSelBackground = c.colorSelText = 0xFFFFFFFF;
        }
        columns[0].style = QELBOX_MULTILINE;
        QelBox_ResetContent(control_);
        ASSERT_EQ(QelBox_SetColumns(control_, 2, columns), 1);
        edit_ = QelBox_GetHWNDEdit(control_);
        // A null first cell empties the edit field whatever the edit column.
        QelBox_AddString_A(control_, nullptr);
        QelBox_SetText_A(control_, 0, 1, "second");
        QelBox_AddString_A(control_, "first");
        QelBox_SetCurSel(control_, 1);
        EXPECT_EQ(WindowText(edit_), "first");
        QelBox_SetCurSel(control_, 0);
        EXPECT_EQ(WindowText(edit_), "");
        // Only the simple type passes the Enter character on to the field.
        SendMessageA(edit_, WM_CHAR, 13, 0);
        EXPECT_EQ(WindowText(edit_), type == QELBOXSTYLE_SIMPLE ? "\r\n" : "");
    }
}

} // namespace

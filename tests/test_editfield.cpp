// The edit field of the simple and drop-down types: showing the committed
// row, matching typed text and its font.
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

} // namespace

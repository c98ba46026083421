// Text search beyond what the random comparison covers (null texts, other
// columns, disabled items), and the committed selection as the edit field
// and the window text show it.
#include "tree_helpers.h"

#include <string>
#include <vector>

namespace {

typedef ControlTest SearchTest;

TEST_F(SearchTest, MissingCellsNeverMatchButEmptyOnesDo) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    QelBox_AddString_A(c, nullptr);
    QelBox_AddString_A(c, "");
    QelBox_AddString_A(c, "x");
    EXPECT_EQ(QelBox_FindString_A(c, 1, 0, "", TRUE), 2);
    EXPECT_EQ(QelBox_FindStringExact_A(c, 1, 0, "", TRUE), 1);
    // A null search text is the empty text.
    EXPECT_EQ(QelBox_FindString_A(c, -1, 0, nullptr, FALSE), 1);
    EXPECT_EQ(QelBox_FindStringExact_A(c, -1, 0, nullptr, FALSE), 1);
    // A null text takes a cell out of the search again; copies keep none.
    QelBox_SetText_A(c, 1, 0, nullptr);
    EXPECT_EQ(QelBox_CopyItem(c, 0, -1), 3);
    EXPECT_EQ(QelBox_FindStringExact_A(c, -1, 0, "", FALSE), -1);
}

TEST_F(SearchTest, SearchesTheGivenColumnIncludingDisabledItems) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    ColumnRecord columns[2] = {};
    columns[0].width = columns[1].width = 60;
    ASSERT_EQ(QelBox_SetColumns(c, 2, columns), 1);
    AddRows(c, 3);
    QelBox_SetText_A(c, 2, 1, "second");
    QelBox_SetItemStatus(c, 2, FALSE);
    EXPECT_EQ(QelBox_FindString_A(c, -1, 1, "sec", FALSE), 2);
    EXPECT_EQ(QelBox_FindString_A(c, -1, 0, "sec", FALSE), -1);
    EXPECT_EQ(QelBox_FindString_A(c, -1, 1, "", FALSE), 2); // the others were never set
    for (int bad : {-1, 2}) {
        EXPECT_EQ(QelBox_FindString_A(c, -1, bad, "", FALSE), -1);
        EXPECT_EQ(QelBox_FindStringExact_A(c, -1, bad, "Row 1", FALSE), -1);
    }
    EXPECT_EQ(QelBox_SelectStringExact_A(c, -1, 1, "SECOND", FALSE), 2);
    EXPECT_EQ(QelBox_GetCurSel(c), 2);
}

TEST_F(SearchTest, CommittedSelectionFillsEditFieldAndWindowText) {
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    HWND edit = QelBox_GetHWNDEdit(c);
    AddRows(c, 4);
    EXPECT_EQ(QelBox_SetCurSel(c, 2), 0);
    EXPECT_EQ(WindowText(edit), "Row 2");
    EXPECT_EQ(QelBox_SetCurSel(c, 2), 0); // the same index notifies again
    EXPECT_EQ(CountCode(c, QELBOXN_SELCHANGE), 2);
    EXPECT_EQ(WindowText(edit), "Row 2");
    char text[32];
    EXPECT_EQ(SendMessageA(c, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text)), 5);
    EXPECT_STREQ(text, "Row 2");
    // Out of range: nothing changes, nothing is sent.
    ClearNotes();
    EXPECT_EQ(QelBox_SetCurSel(c, 4), -1);
    EXPECT_EQ(QelBox_SetCurSel(c, -2), -1);
    EXPECT_EQ(WindowText(edit), "Row 2");
    EXPECT_EQ(Codes(c), std::vector<int>());

    // Deleting the committed item empties the edit field quietly.
    EXPECT_EQ(QelBox_DeleteString(c, 2), 3);
    EXPECT_EQ(WindowText(edit), "");
    EXPECT_EQ(QelBox_GetCurSel(c), -1);
    EXPECT_EQ(Codes(c), std::vector<int>());

    // Clearing the selection, directly or by a failed search, empties it
    // with a notification.
    for (int how = 0; how < 3; ++how) {
        SCOPED_TRACE(how);
        QelBox_SetCurSel(c, 1);
        ClearNotes();
        // The prefix "Row" matches, the whole text does not.
        EXPECT_EQ(how == 0   ? QelBox_SetCurSel(c, -1)
                  : how == 1 ? QelBox_SelectString_A(c, -1, 0, "nothing", TRUE)
                             : QelBox_SelectStringExact_A(c, -1, 0, "Row", TRUE),
                  how == 0 ? 0 : -1);
        EXPECT_EQ(QelBox_GetCurSel(c), -1);
        EXPECT_EQ(QelBox_GetTextLength(c, -1, 0), -1);
        EXPECT_EQ(WindowText(edit), "");
        EXPECT_EQ(CountCode(c, QELBOXN_SELCHANGE), 1);
    }
}

TEST_F(SearchTest, SelectStringScrollsTheRowIntoView) {
    HWND c = Create(QELBOXSTYLE_SIMPLE, 0, 1, 120);
    AddRows(c, 60);
    ASSERT_LT(QelBox_GetItemsShown(c), 40);
    for (int row : {45, 3}) {
        EXPECT_EQ(
            QelBox_SelectStringExact_A(c, 10, 0, ("Row " + std::to_string(row)).c_str(), TRUE),
            row);
        const int top = QelBox_GetTopIndex(c);
        EXPECT_LE(top, row);
        EXPECT_LT(row, top + QelBox_GetItemsShown(c));
    }
}

} // namespace

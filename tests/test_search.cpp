// Text search beyond what the random comparison covers: other columns,
// disabled items, and scrolling the selected row into view.
#include "harness.h"

#include <string>
#include <vector>

namespace {

typedef ControlTest SearchTest;

TEST_F(SearchTest, SearchesTheGivenColumnIncludingDisabledItems) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    ASSERT_EQ(SetColumns(c, {60, 60}), 1);
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

// Searching by item data and by cell text, and the two selections: the
// highlight and the committed item, with their notifications.
#include "harness.h"

#include <string>
#include <vector>

namespace {

typedef int(WINAPI* FindFn)(HWND, int, int, const char*, BOOL);

class SearchTest : public ControlTest {
  protected:
    // The order in which a search from `start` visits the rows, read off
    // the results: every row not yet seen holds the searched text, the row
    // found is recorded and renamed, until the search finds nothing.
    std::vector<int> VisitOrder(HWND c, FindFn find, int start, BOOL wrap) {
        const int count = QelBox_GetCount(c);
        for (int i = 0; i < count; ++i)
            QelBox_SetText_A(c, i, 0, "hit");
        std::vector<int> order;
        for (int guard = 0; guard <= count; ++guard) {
            int found = find(c, start, 0, "HIT", wrap);
            if (found < 0) break;
            order.push_back(found);
            QelBox_SetText_A(c, found, 0, "miss");
        }
        return order;
    }
    int SelChanges(HWND c) {
        int n = 0;
        for (int code : Codes(c))
            n += code == QELBOXN_SELCHANGE;
        return n;
    }
};

// --- item data ------------------------------------------------------------

TEST_F(SearchTest, FindItemLooksFromTheStartWithoutWrapping) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(c, 6);
    QelBox_SetItemData(c, 1, 42);
    QelBox_SetItemData(c, 3, 42);
    EXPECT_EQ(QelBox_FindItem(c, 0, 42), 1);
    EXPECT_EQ(QelBox_FindItem(c, 1, 42), 1); // the start itself counts
    EXPECT_EQ(QelBox_FindItem(c, 2, 42), 3);
    EXPECT_EQ(QelBox_FindItem(c, 3, 42), 3);
    EXPECT_EQ(QelBox_FindItem(c, 4, 42), -1); // no wrap-around
    EXPECT_EQ(QelBox_FindItem(c, -1, 42), -1);
    EXPECT_EQ(QelBox_FindItem(c, 6, 42), -1);
    EXPECT_EQ(QelBox_FindItem(c, 0, 0), 0); // new items carry 0
    EXPECT_EQ(QelBox_FindItem(c, 0, 7), -1);
}

// --- visiting order -------------------------------------------------------

TEST_F(SearchTest, VisitingOrderFollowsStartAndWrap) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(c, 5);
    for (FindFn find : {FindFn(QelBox_FindString_A), FindFn(QelBox_FindStringExact_A)}) {
        EXPECT_EQ(VisitOrder(c, find, -1, FALSE), (std::vector<int>{0, 1, 2, 3, 4}));
        EXPECT_EQ(VisitOrder(c, find, -1, TRUE), (std::vector<int>{0, 1, 2, 3, 4}));
        EXPECT_EQ(VisitOrder(c, find, 2, FALSE), (std::vector<int>{3, 4}));
        EXPECT_EQ(VisitOrder(c, find, 2, TRUE), (std::vector<int>{3, 4, 0, 1, 2}));
        EXPECT_EQ(VisitOrder(c, find, 0, TRUE), (std::vector<int>{1, 2, 3, 4, 0}));
        // From the last item the search goes round once, wrap or not.
        EXPECT_EQ(VisitOrder(c, find, 4, FALSE), (std::vector<int>{0, 1, 2, 3, 4}));
        EXPECT_EQ(VisitOrder(c, find, 4, TRUE), (std::vector<int>{0, 1, 2, 3, 4}));
    }
}

// --- matching -------------------------------------------------------------

TEST_F(SearchTest, PrefixAndWholeTextIgnoreCase) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    QelBox_AddString_A(c, "ABC");
    QelBox_AddString_A(c, "Ab");
    QelBox_AddString_A(c, "a");
    EXPECT_EQ(QelBox_FindString_A(c, -1, 0, "ab", FALSE), 0);
    EXPECT_EQ(QelBox_FindStringExact_A(c, -1, 0, "ab", FALSE), 1);
    EXPECT_EQ(QelBox_FindString_A(c, 0, 0, "ab", FALSE), 1);
    EXPECT_EQ(QelBox_FindString_A(c, -1, 0, "abcd", TRUE), -1); // longer than any cell
    EXPECT_EQ(QelBox_FindString_A(c, -1, 0, "b", TRUE), -1);    // not a prefix
    EXPECT_EQ(QelBox_FindStringExact_A(c, -1, 0, "A", TRUE), 2);
    EXPECT_EQ(QelBox_FindStringExact_A(c, -1, 0, "abc", TRUE), 0);
}

TEST_F(SearchTest, MissingCellsNeverMatchButEmptyOnesDo) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    QelBox_AddString_A(c, nullptr);
    QelBox_AddString_A(c, "");
    QelBox_AddString_A(c, "x");
    EXPECT_EQ(QelBox_FindString_A(c, -1, 0, "", FALSE), 1);
    EXPECT_EQ(QelBox_FindStringExact_A(c, -1, 0, "", FALSE), 1);
    EXPECT_EQ(QelBox_FindString_A(c, 1, 0, "", TRUE), 2);
    EXPECT_EQ(QelBox_FindStringExact_A(c, 1, 0, "", TRUE), 1);
    // A null search text is the empty text.
    EXPECT_EQ(QelBox_FindString_A(c, -1, 0, nullptr, FALSE), 1);
    EXPECT_EQ(QelBox_FindStringExact_A(c, -1, 0, nullptr, FALSE), 1);
    // Emptying a cell with a null text takes it out of the search again.
    QelBox_SetText_A(c, 1, 0, nullptr);
    EXPECT_EQ(QelBox_FindStringExact_A(c, -1, 0, "", FALSE), -1);
}

TEST_F(SearchTest, SearchesTheGivenColumn) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    ColumnRecord columns[2] = {};
    columns[0].width = columns[1].width = 60;
    ASSERT_EQ(QelBox_SetColumns(c, 2, columns), 1);
    AddRows(c, 3);
    QelBox_SetText_A(c, 2, 1, "second");
    EXPECT_EQ(QelBox_FindString_A(c, -1, 1, "sec", FALSE), 2);
    EXPECT_EQ(QelBox_FindString_A(c, -1, 0, "sec", FALSE), -1);
    // The other cells of column 1 were never set.
    EXPECT_EQ(QelBox_FindString_A(c, -1, 1, "", FALSE), 2);
    EXPECT_EQ(QelBox_FindString_A(c, -1, 2, "", FALSE), -1);
}

TEST_F(SearchTest, DisabledItemsAreFound) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(c, 3);
    QelBox_SetItemStatus(c, 1, FALSE);
    EXPECT_EQ(QelBox_FindStringExact_A(c, -1, 0, "row 1", FALSE), 1);
    EXPECT_EQ(QelBox_SelectStringExact_A(c, -1, 0, "row 1", FALSE), 1);
    EXPECT_EQ(QelBox_GetCurSel(c), 1);
}

TEST_F(SearchTest, BadArgumentsAreRefusedWithoutSideEffects) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    EXPECT_EQ(QelBox_FindString_A(c, -1, 0, "", TRUE), -1); // empty list
    AddRows(c, 3);
    QelBox_SetCurSel(c, 1);
    ClearNotes();
    for (FindFn find : {FindFn(QelBox_FindString_A), FindFn(QelBox_FindStringExact_A)}) {
        EXPECT_EQ(find(c, -2, 0, "Row", TRUE), -1);
        EXPECT_EQ(find(c, 3, 0, "Row", TRUE), -1);
        EXPECT_EQ(find(c, 0, -1, "Row", TRUE), -1);
        EXPECT_EQ(find(c, 0, 1, "Row", TRUE), -1);
    }
    EXPECT_EQ(QelBox_GetCurSel(c), 1);
    EXPECT_EQ(Text(c, -1), "Row 1");
    EXPECT_EQ(Codes(c), std::vector<int>());
}

// --- selection ------------------------------------------------------------

TEST_F(SearchTest, SetCurSelCommitsAndAlwaysNotifies) {
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    HWND edit = QelBox_GetHWNDEdit(c);
    AddRows(c, 4);
    EXPECT_EQ(QelBox_GetCurSel(c), -1);
    EXPECT_EQ(QelBox_SetCurSel(c, 2), 0);
    EXPECT_EQ(QelBox_GetCurSel(c), 2);
    EXPECT_EQ(Text(c, -1), "Row 2");
    EXPECT_EQ(WindowText(edit), "Row 2");
    EXPECT_EQ(SelChanges(c), 1);
    // The same index once more: still a notification.
    EXPECT_EQ(QelBox_SetCurSel(c, 2), 0);
    EXPECT_EQ(SelChanges(c), 2);
    EXPECT_EQ(WindowText(edit), "Row 2");
}

TEST_F(SearchTest, SetCurSelMinusOneClearsBoth) {
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    HWND edit = QelBox_GetHWNDEdit(c);
    AddRows(c, 4);
    QelBox_SetCurSel(c, 3);
    ClearNotes();
    EXPECT_EQ(QelBox_SetCurSel(c, -1), 0);
    EXPECT_EQ(QelBox_GetCurSel(c), -1);
    EXPECT_EQ(QelBox_GetTextLength(c, -1, 0), -1);
    EXPECT_EQ(WindowText(edit), "");
    EXPECT_EQ(SelChanges(c), 1);
}

TEST_F(SearchTest, SetCurSelOutOfRangeChangesNothing) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(c, 4);
    QelBox_SetCurSel(c, 1);
    ClearNotes();
    EXPECT_EQ(QelBox_SetCurSel(c, 4), -1);
    EXPECT_EQ(QelBox_SetCurSel(c, -2), -1);
    EXPECT_EQ(QelBox_SetCurSel(c, 100000), -1);
    EXPECT_EQ(QelBox_GetCurSel(c), 1);
    EXPECT_EQ(Text(c, -1), "Row 1");
    char text[32];
    EXPECT_EQ(SendMessageA(c, WM_GETTEXTLENGTH, 0, 0), 5);
    EXPECT_EQ(SendMessageA(c, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text)), 5);
    EXPECT_STREQ(text, "Row 1");
    EXPECT_EQ(Codes(c), std::vector<int>());
}

TEST_F(SearchTest, SelectStringCommitsTheFoundRow) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(c, 12);
    EXPECT_EQ(QelBox_SelectString_A(c, 1, 0, "row 1", FALSE), 10);
    EXPECT_EQ(QelBox_GetCurSel(c), 10);
    EXPECT_EQ(Text(c, -1), "Row 10");
    EXPECT_EQ(SelChanges(c), 1);
    EXPECT_EQ(QelBox_SelectStringExact_A(c, 10, 0, "ROW 1", TRUE), 1);
    EXPECT_EQ(QelBox_GetCurSel(c), 1);
    EXPECT_EQ(SelChanges(c), 2);
}

TEST_F(SearchTest, FailedSelectStringClearsBothAndNotifies) {
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    HWND edit = QelBox_GetHWNDEdit(c);
    AddRows(c, 4);
    QelBox_SetCurSel(c, 2);
    ClearNotes();
    EXPECT_EQ(QelBox_SelectString_A(c, -1, 0, "nothing", TRUE), -1);
    EXPECT_EQ(QelBox_GetCurSel(c), -1);
    EXPECT_EQ(QelBox_GetTextLength(c, -1, 0), -1);
    EXPECT_EQ(WindowText(edit), "");
    EXPECT_EQ(SelChanges(c), 1);

    QelBox_SetCurSel(c, 2);
    ClearNotes();
    // The prefix matches, the whole text does not.
    EXPECT_EQ(QelBox_SelectStringExact_A(c, -1, 0, "Row", TRUE), -1);
    EXPECT_EQ(QelBox_GetCurSel(c), -1);
    EXPECT_EQ(SelChanges(c), 1);
}

TEST_F(SearchTest, SelectStringScrollsTheRowIntoView) {
    HWND c = Create(QELBOXSTYLE_SIMPLE, 0, 1, 120);
    AddRows(c, 60);
    const int shown = QelBox_GetItemsShown(c);
    ASSERT_LT(shown, 40);
    EXPECT_EQ(QelBox_SelectStringExact_A(c, -1, 0, "Row 45", FALSE), 45);
    int top = QelBox_GetTopIndex(c);
    EXPECT_LE(top, 45);
    EXPECT_LT(45, top + QelBox_GetItemsShown(c));
    EXPECT_EQ(QelBox_SelectString_A(c, 45, 0, "Row 3", TRUE), 3);
    top = QelBox_GetTopIndex(c);
    EXPECT_LE(top, 3);
    EXPECT_LT(3, top + QelBox_GetItemsShown(c));
}

} // namespace

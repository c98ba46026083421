// The item store: adding, inserting, deleting and clearing items, the index
// shifts of the selections and the top index, the delete callback, the
// array's growth and shrink, and running out of memory.
#include "harness.h"

#include <algorithm>

namespace {

struct Deletion {
    HWND control;
    int index;
    DWORD data;
    DWORD value;
};
std::vector<Deletion> g_deletions;
void CALLBACK OnDelete(HWND control, int index, DWORD data, DWORD value) {
    g_deletions.push_back({control, index, data, value});
}

class ItemsTest : public ControlTest {
  protected:
    HWND control_ = nullptr;
    void SetUp() override {
        ControlTest::SetUp();
        g_deletions.clear();
        control_ = Create(QELBOXSTYLE_DROPDOWN);
    }
    void WatchDeletions(DWORD value = 77) {
        DeleteCallbackInfo info = {OnDelete, value};
        ASSERT_EQ(QelBox_SetDeleteCallback(control_, &info), 1);
    }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int i = 0; i < QelBox_GetCount(control_); ++i)
            rows.push_back(Text(control_, i));
        return rows;
    }
};

TEST_F(ItemsTest, AddAndInsertPlaceItems) {
    EXPECT_EQ(QelBox_AddString_A(control_, "b"), 0);
    EXPECT_EQ(QelBox_InsertString_A(control_, 0, "a"), 0);
    EXPECT_EQ(QelBox_InsertString_A(control_, -5, "d"), 2); // negative appends
    EXPECT_EQ(QelBox_InsertString_A(control_, 3, "e"), 3);  // count appends
    EXPECT_EQ(QelBox_InsertString_A(control_, 2, "c"), 2);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(QelBox_GetCount(control_), 5);
    // New items: enabled, level 0, data 0, other cells empty.
    EXPECT_EQ(QelBox_GetItemStatus(control_, 2), 1);
    EXPECT_EQ(QelBox_GetItemData(control_, 2), 0u);
    EXPECT_EQ(QelBox_GetItemLabel(control_, 2), nullptr);
    EXPECT_EQ(QelBox_GetItemBitmap(control_, 2), nullptr);
    EXPECT_EQ(QelBox_GetRowTextLength(control_, 2), 0);
}

TEST_F(ItemsTest, NullTextIsAnEmptyCellThatExactSearchDoesNotFind) {
    QelBox_AddString_A(control_, nullptr);
    QelBox_AddString_A(control_, "");
    EXPECT_EQ(QelBox_GetTextLength(control_, 0, 0), 0);
    EXPECT_EQ(QelBox_GetTextLength(control_, 1, 0), 0);
    EXPECT_EQ(QelBox_FindStringExact_A(control_, -1, 0, "", FALSE), 1);
}

TEST_F(ItemsTest, InsertingShiftsBothSelectionsAtOrAfterTheIndex) {
    AddRows(control_, 5);
    QelBox_SetCurSel(control_, 2);
    ClearNotes();
    QelBox_InsertString_A(control_, 2, "new");
    EXPECT_EQ(QelBox_GetCurSel(control_), 3);
    EXPECT_EQ(Text(control_, -1), "Row 2");
    QelBox_InsertString_A(control_, 4, "after");
    EXPECT_EQ(QelBox_GetCurSel(control_), 3);
    EXPECT_EQ(Text(control_, -1), "Row 2");
    EXPECT_CODES(control_); // shifting notifies nothing
}

TEST_F(ItemsTest, DeletingMovesOrClearsTheSelections) {
    AddRows(control_, 5);
    HWND edit = QelBox_GetHWNDEdit(control_);
    QelBox_SetCurSel(control_, 3);
    ClearNotes();
    EXPECT_EQ(QelBox_DeleteString(control_, 1), 4);
    EXPECT_EQ(QelBox_GetCurSel(control_), 2);
    EXPECT_EQ(Text(control_, -1), "Row 3");
    EXPECT_EQ(WindowText(edit), "Row 3");
    // Deleting the committed item clears both selections and the edit field
    // without a notification.
    EXPECT_EQ(QelBox_DeleteString(control_, 2), 3);
    EXPECT_EQ(QelBox_GetCurSel(control_), -1);
    EXPECT_EQ(QelBox_GetTextLength(control_, -1, 0), -1);
    EXPECT_EQ(WindowText(edit), "");
    EXPECT_CODES(control_);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Row 0", "Row 2", "Row 4"}));
}

TEST_F(ItemsTest, DeleteStringRefusesBadIndexes) {
    AddRows(control_, 2);
    EXPECT_EQ(QelBox_DeleteString(control_, -1), -1);
    EXPECT_EQ(QelBox_DeleteString(control_, 2), -1);
    EXPECT_EQ(QelBox_GetCount(control_), 2);
}

TEST_F(ItemsTest, DeleteCallbackSeesIndexDataAndValue) {
    AddRows(control_, 4);
    for (int i = 0; i < 4; ++i)
        QelBox_SetItemData(control_, i, 100 + i);
    WatchDeletions(77);
    QelBox_DeleteString(control_, 2);
    ASSERT_EQ(g_deletions.size(), 1u);
    EXPECT_EQ(g_deletions[0].control, control_);
    EXPECT_EQ(g_deletions[0].index, 2);
    EXPECT_EQ(g_deletions[0].data, 102u);
    EXPECT_EQ(g_deletions[0].value, 77u);

    // Clearing reports the indexes each item had when clearing began.
    g_deletions.clear();
    QelBox_ResetContent(control_);
    ASSERT_EQ(g_deletions.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(g_deletions[i].index, i);
    EXPECT_EQ(g_deletions[2].data, 103u);
    EXPECT_EQ(QelBox_GetCount(control_), 0);

    // A null pointer removes the callback.
    AddRows(control_, 1);
    EXPECT_EQ(QelBox_SetDeleteCallback(control_, nullptr), 1);
    g_deletions.clear();
    QelBox_ResetContent(control_);
    EXPECT_TRUE(g_deletions.empty());
}

TEST_F(ItemsTest, ResetContentClearsSelectionsWithoutNotification) {
    AddRows(control_, 3);
    QelBox_SetCurSel(control_, 1);
    ClearNotes();
    QelBox_ResetContent(control_);
    EXPECT_EQ(QelBox_GetCurSel(control_), -1);
    EXPECT_EQ(QelBox_GetTopIndex(control_), 0);
    EXPECT_EQ(WindowText(QelBox_GetHWNDEdit(control_)), "");
    EXPECT_CODES(control_);
}

TEST_F(ItemsTest, ItemChangesCloseTheDropDownWithoutAccepting) {
    AddRows(control_, 3);
    SetFocus(control_);
    QelBox_SetCurSel(control_, 0);
    ASSERT_EQ(QelBox_ShowDropDown(control_, TRUE), 1);
    SendMessageA(control_, WM_KEYDOWN, VK_DOWN, 0);
    ClearNotes();
    QelBox_AddString_A(control_, "x");
    EXPECT_FALSE(QelBox_GetDroppedState(control_));
    EXPECT_CODES(control_, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);
}

TEST_F(ItemsTest, ArrayGrowsAndShrinksInStepsOf300) {
    EXPECT_EQ(QelBoxDiag_ItemCapacity(control_), 0);
    QelBox_AddString_A(control_, "first");
    EXPECT_EQ(QelBoxDiag_ItemCapacity(control_), 300);
    AddRows(control_, 299);
    EXPECT_EQ(QelBoxDiag_ItemCapacity(control_), 300);
    QelBox_AddString_A(control_, "301st");
    EXPECT_EQ(QelBoxDiag_ItemCapacity(control_), 600);
    AddRows(control_, 699); // 1000 items in 1200 slots
    EXPECT_EQ(QelBox_GetCount(control_), 1000);
    EXPECT_EQ(QelBoxDiag_ItemCapacity(control_), 1200);
    for (int i = 0; i < 400; ++i)
        QelBox_DeleteString(control_, 0);
    EXPECT_EQ(QelBoxDiag_ItemCapacity(control_), 1200); // 600 spare: kept
    QelBox_DeleteString(control_, 0);                   // 601 spare: shrink
    EXPECT_EQ(QelBox_GetCount(control_), 599);
    EXPECT_EQ(QelBoxDiag_ItemCapacity(control_), 899);
    while (QelBox_GetCount(control_) > 0)
        QelBox_DeleteString(control_, 0);
    EXPECT_EQ(QelBoxDiag_ItemCapacity(control_), 0);
}

TEST_F(ItemsTest, TopIndexFollowsDeletionsAtTheEnd) {
    HWND simple = Create(QELBOXSTYLE_SIMPLE, 0, 2, 120);
    AddRows(simple, 30);
    int shown = QelBox_GetItemsShown(simple);
    QelBox_SetTopIndex(simple, 29);
    EXPECT_EQ(QelBox_GetTopIndex(simple), 30 - shown);
    while (QelBox_GetCount(simple) > 0) {
        QelBox_DeleteString(simple, QelBox_GetCount(simple) - 1);
        EXPECT_LE(QelBox_GetTopIndex(simple), std::max(0, QelBox_GetCount(simple) - 1));
    }
    EXPECT_EQ(QelBox_GetTopIndex(simple), 0);
}

TEST_F(ItemsTest, OutOfMemoryWhileAddingChangesNothing) {
    AddRows(control_, 3);
    QelBox_SetCurSel(control_, 1);
    const int live = QelBoxDiag_LiveAllocations();
    // Fail the record, the cell array and the text copy in turn.
    for (int successes = 0; successes < 3; ++successes) {
        QelBoxDiag_FailAllocationsAfter(successes);
        EXPECT_EQ(QelBox_AddString_A(control_, "no room"), -1) << successes;
        EXPECT_EQ(QelBox_InsertString_A(control_, 0, "no room"), -1) << successes;
        QelBoxDiag_FailAllocationsAfter(-1);
        EXPECT_EQ(QelBoxDiag_LiveAllocations(), live) << successes;
    }
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Row 0", "Row 1", "Row 2"}));
    EXPECT_EQ(QelBox_GetCurSel(control_), 1);
    EXPECT_EQ(Text(control_, -1), "Row 1");
}

TEST_F(ItemsTest, OutOfMemoryWhileGrowingTheArrayChangesNothing) {
    AddRows(control_, 300);
    const int live = QelBoxDiag_LiveAllocations();
    QelBoxDiag_FailAllocationsAfter(3); // record, cells and text succeed
    EXPECT_EQ(QelBox_AddString_A(control_, "301st"), -1);
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_EQ(QelBox_GetCount(control_), 300);
    EXPECT_EQ(QelBoxDiag_ItemCapacity(control_), 300);
    EXPECT_EQ(QelBoxDiag_LiveAllocations(), live);
    EXPECT_EQ(QelBox_AddString_A(control_, "301st"), 300);
}

TEST_F(ItemsTest, ShrinkFailureKeepsTheLargerArray) {
    AddRows(control_, 1000);
    for (int i = 0; i < 400; ++i)
        QelBox_DeleteString(control_, 0);
    QelBoxDiag_FailAllocationsAfter(0);
    EXPECT_EQ(QelBox_DeleteString(control_, 0), 599);
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_EQ(QelBoxDiag_ItemCapacity(control_), 1200);
    EXPECT_EQ(Text(control_, 0), "Row 401");
}

} // namespace

namespace {

class ItemsSpeedTest : public ControlTest {};

// Filling a long list one AddString at a time must not repaint or re-place
// anything that did not change; a system combo box takes about 0.04 s for
// 20,000 strings on the same machine.
TEST_F(ItemsSpeedTest, LongListsAreFilledAndSearchedQuickly) {
    for (DWORD style :
         {QELBOXSTYLE_DROPDOWNLIST, QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_SIMPLE | WS_VSCROLL}) {
        HWND control = Create(style, 0, 1, 200);
        char text[32];
        DWORD start = GetTickCount();
        for (int i = 0; i < 20000; ++i) {
            wsprintfA(text, "Item %05d", i);
            ASSERT_EQ(QelBox_AddString_A(control, text), i);
        }
        DWORD filled = GetTickCount();
        EXPECT_EQ(QelBox_FindStringExact_A(control, -1, 0, "item 19999", FALSE), 19999);
        DWORD found = GetTickCount();
        printf("style %#lx: 20000 adds %lu ms, exact search %lu ms\n", style, filled - start,
               found - filled);
        EXPECT_LT(filled - start, 4000u);
        EXPECT_LT(found - filled, 500u);
    }
}

} // namespace

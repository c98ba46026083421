// The outline read from item levels (parents, top parents, dependents,
// siblings), level changes, and copying, moving and deleting items within it.
#include "harness.h"

#include <string>
#include <vector>

namespace {

// Items whose texts are "0", "1", ... with the given levels.
void BuildOutline(HWND control, const std::vector<int>& levels) {
    for (size_t i = 0; i < levels.size(); ++i) {
        int index = QelBox_AddString_A(control, std::to_string(i).c_str());
        QelBox_SetItemLevel(control, index, levels[i]);
    }
}

int CountCode(HWND control, int code) {
    int n = 0;
    for (int c : Codes(control, true))
        n += c == code;
    return n;
}

std::vector<int> Levels(HWND control) {
    std::vector<int> levels;
    for (int i = 0; i < QelBox_GetCount(control); ++i)
        levels.push_back(QelBox_GetItemLevel(control, i));
    return levels;
}

// The delete callback records the (index, item data) pairs it is given.
std::vector<std::pair<int, DWORD>> g_deleted;
void CALLBACK RecordDeletion(HWND, int index, DWORD itemData, DWORD) {
    g_deleted.push_back({index, itemData});
}

class HierarchyTest : public ControlTest {
  protected:
    void SetUp() override {
        ControlTest::SetUp();
        g_deleted.clear();
    }
    std::vector<std::string> Texts(HWND control) {
        std::vector<std::string> texts;
        for (int i = 0; i < QelBox_GetCount(control); ++i)
            texts.push_back(Text(control, i));
        return texts;
    }
    void WatchDeletions(HWND control) {
        DeleteCallbackInfo info = {RecordDeletion, 77};
        ASSERT_EQ(QelBox_SetDeleteCallback(control, &info), 1);
    }
};

// --- relations ------------------------------------------------------------

TEST_F(HierarchyTest, ParentsAndDependentsOfAnUnevenOutline) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    BuildOutline(c, {0, 2, 1, 3});
    EXPECT_EQ(QelBox_GetParent(c, 0), -1);
    EXPECT_EQ(QelBox_GetParent(c, 1), 0);
    EXPECT_EQ(QelBox_GetParent(c, 2), 0);
    EXPECT_EQ(QelBox_GetParent(c, 3), 2);

    // Item 1 (level 2) is followed by a shallower item: no dependents.
    EXPECT_EQ(QelBox_GetDependent(c, 1, QELBOX_FIRST), -1);
    EXPECT_EQ(QelBox_GetDependent(c, 1, QELBOX_LAST), -1);
    EXPECT_EQ(QelBox_GetDependentCount(c, 1, TRUE), 0);

    // Item 0 owns 1..3, but only item 2 is one level deeper.
    EXPECT_EQ(QelBox_GetDependent(c, 0, QELBOX_FIRST), 1);
    EXPECT_EQ(QelBox_GetDependent(c, 0, QELBOX_LAST), 3);
    EXPECT_EQ(QelBox_GetDependentCount(c, 0, TRUE), 3);
    EXPECT_EQ(QelBox_GetDependentCount(c, 0, FALSE), 1);

    // Item 2 (level 1) owns item 3 (level 3), which is not a direct child.
    EXPECT_EQ(QelBox_GetDependent(c, 2, QELBOX_FIRST), 3);
    EXPECT_EQ(QelBox_GetDependent(c, 2, QELBOX_LAST), 3);
    EXPECT_EQ(QelBox_GetDependentCount(c, 2, TRUE), 1);
    EXPECT_EQ(QelBox_GetDependentCount(c, 2, FALSE), 0);

    // The last item has nothing after it.
    EXPECT_EQ(QelBox_GetDependent(c, 3, QELBOX_FIRST), -1);
    EXPECT_EQ(QelBox_GetDependentCount(c, 3, FALSE), 0);
}

TEST_F(HierarchyTest, DependentCountsAllAndDirect) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    BuildOutline(c, {0, 2, 2, 1, 0});
    EXPECT_EQ(QelBox_GetDependentCount(c, 0, TRUE), 3);
    EXPECT_EQ(QelBox_GetDependentCount(c, 0, FALSE), 1);
    EXPECT_EQ(QelBox_GetDependentCount(c, 0, 5), 3); // any non-zero means all
    EXPECT_EQ(QelBox_GetDependent(c, 0, QELBOX_LAST), 3);
    EXPECT_EQ(QelBox_GetDependentCount(c, 4, TRUE), 0);
}

TEST_F(HierarchyTest, TopParentPrefersNearestLevelZeroItem) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    // Without a level-0 item the earliest shallower item is the top parent.
    BuildOutline(c, {1, 2, 1, 3});
    EXPECT_EQ(QelBox_GetTopParent(c, 3), 0);
    EXPECT_EQ(QelBox_GetParent(c, 3), 2);
    EXPECT_EQ(QelBox_GetTopParent(c, 1), 0);
    EXPECT_EQ(QelBox_GetTopParent(c, 2), -1); // nothing before it is shallower
    EXPECT_EQ(QelBox_GetTopParent(c, 0), -1);

    QelBox_ResetContent(c);
    BuildOutline(c, {0, 1, 2, 0, 1, 3, 2});
    EXPECT_EQ(QelBox_GetTopParent(c, 2), 0);
    EXPECT_EQ(QelBox_GetTopParent(c, 5), 3);
    EXPECT_EQ(QelBox_GetTopParent(c, 6), 3);
    EXPECT_EQ(QelBox_GetParent(c, 6), 4);
    EXPECT_EQ(QelBox_GetTopParent(c, 3), -1); // level 0 has no top parent
    EXPECT_EQ(QelBox_GetParent(c, 3), -1);
}

TEST_F(HierarchyTest, SiblingsStopAtShallowerItems) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    //             A  a1 x  a2 a3 B  b1
    BuildOutline(c, {0, 1, 2, 1, 1, 0, 1});
    // The first child of A.
    EXPECT_EQ(QelBox_GetSibling(c, 1, QELBOX_FIRST), 1);
    EXPECT_EQ(QelBox_GetSibling(c, 1, QELBOX_LAST), 4);
    EXPECT_EQ(QelBox_GetSibling(c, 1, QELBOX_PREVIOUS), -1);
    EXPECT_EQ(QelBox_GetSibling(c, 1, QELBOX_NEXT), 3); // passes over x
    EXPECT_EQ(QelBox_GetSibling(c, 1, 5), -1);
    EXPECT_EQ(QelBox_GetSibling(c, 1, 0), -1);
    // The last child of A: B ends the group.
    EXPECT_EQ(QelBox_GetSibling(c, 4, QELBOX_NEXT), -1);
    EXPECT_EQ(QelBox_GetSibling(c, 4, QELBOX_PREVIOUS), 3);
    EXPECT_EQ(QelBox_GetSibling(c, 4, QELBOX_FIRST), 1);
    // b1 is not a sibling of A's children.
    EXPECT_EQ(QelBox_GetSibling(c, 6, QELBOX_FIRST), 6);
    EXPECT_EQ(QelBox_GetSibling(c, 6, QELBOX_PREVIOUS), -1);
    // An only child.
    EXPECT_EQ(QelBox_GetSibling(c, 2, QELBOX_FIRST), 2);
    EXPECT_EQ(QelBox_GetSibling(c, 2, QELBOX_LAST), 2);
    // Top-level items skip every deeper item between them.
    EXPECT_EQ(QelBox_GetSibling(c, 0, QELBOX_NEXT), 5);
    EXPECT_EQ(QelBox_GetSibling(c, 5, QELBOX_PREVIOUS), 0);
    EXPECT_EQ(QelBox_GetSibling(c, 5, QELBOX_FIRST), 0);
    EXPECT_EQ(QelBox_GetSibling(c, 0, QELBOX_LAST), 5);
}

TEST_F(HierarchyTest, RelationGettersRefuseBadIndexesAndCodes) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    EXPECT_EQ(QelBox_GetItemLevel(c, 0), -1); // empty list
    EXPECT_EQ(QelBox_GetDependent(c, 0, QELBOX_FIRST), -1);
    BuildOutline(c, {0, 1});
    for (int bad : {-1, 2, 1000}) {
        EXPECT_EQ(QelBox_GetItemLevel(c, bad), -1);
        EXPECT_EQ(QelBox_GetParent(c, bad), -1);
        EXPECT_EQ(QelBox_GetTopParent(c, bad), -1);
        EXPECT_EQ(QelBox_GetDependent(c, bad, QELBOX_FIRST), -1);
        EXPECT_EQ(QelBox_GetDependentCount(c, bad, TRUE), -1);
        EXPECT_EQ(QelBox_GetSibling(c, bad, QELBOX_FIRST), -1);
    }
    // Previous and next are sibling codes only.
    EXPECT_EQ(QelBox_GetDependent(c, 0, QELBOX_PREVIOUS), -1);
    EXPECT_EQ(QelBox_GetDependent(c, 0, QELBOX_NEXT), -1);
    EXPECT_EQ(QelBox_GetDependent(c, 0, 0), -1);
}

// --- levels ---------------------------------------------------------------

TEST_F(HierarchyTest, LevelIsClampedToTheStorableRange) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(c, 3);
    QelBox_SetItemStatus(c, 1, FALSE);
    EXPECT_EQ(QelBox_SetItemLevel(c, 0, -7), 1);
    EXPECT_EQ(QelBox_GetItemLevel(c, 0), 0);
    EXPECT_EQ(QelBox_SetItemLevel(c, 1, 63), 1);
    EXPECT_EQ(QelBox_GetItemLevel(c, 1), 63);
    EXPECT_EQ(QelBox_SetItemLevel(c, 2, 64), 1);
    EXPECT_EQ(QelBox_GetItemLevel(c, 2), 63);
    EXPECT_EQ(QelBox_SetItemLevel(c, 2, 1000000), 1);
    EXPECT_EQ(QelBox_GetItemLevel(c, 2), 63);
    // The level shares the flags with the enabled state, which stays.
    EXPECT_EQ(QelBox_GetItemStatus(c, 1), 0);
    EXPECT_EQ(QelBox_GetItemStatus(c, 2), 1);
    EXPECT_EQ(QelBox_SetItemLevel(c, 1, 5), 1);
    EXPECT_EQ(QelBox_GetItemStatus(c, 1), 0);

    EXPECT_EQ(QelBox_SetItemLevel(c, 3, 1), 0);
    EXPECT_EQ(QelBox_SetItemLevel(c, -1, 1), 0);
    EXPECT_EQ(Levels(c), (std::vector<int>{0, 5, 63}));
}

TEST_F(HierarchyTest, DeepestLevelOnlyGrowsUntilTheListIsCleared) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(c, 2);
    const int base = QelBox_GetOverheadWidth(c);
    ClearNotes();
    QelBox_SetItemLevel(c, 0, 1);
    const int unit = QelBox_GetOverheadWidth(c) - base;
    ASSERT_GT(unit, 0);
    EXPECT_EQ(CountCode(c, QELBOXN_OVERHEADWIDTHCHANGE), 1);

    QelBox_SetItemLevel(c, 1, 4);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), base + 4 * unit);
    // Lowering every level keeps the tree area as wide as before.
    ClearNotes();
    QelBox_SetItemLevel(c, 1, 0);
    QelBox_SetItemLevel(c, 0, 0);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), base + 4 * unit);
    QelBox_DeleteString(c, 1);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), base + 4 * unit);
    EXPECT_EQ(CountCode(c, QELBOXN_OVERHEADWIDTHCHANGE), 0);
    QelBox_SetItemLevel(c, 0, 2);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), base + 4 * unit);

    // A level beyond the field's range widens the tree to 63 levels, no more.
    QelBox_SetItemLevel(c, 0, 500);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), base + 63 * unit);

    QelBox_ResetContent(c);
    AddRows(c, 1);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), base);
}

// Repaint bookkeeping of level changes, read from the update region of the
// simple style's permanent list window.
class LevelRepaintTest : public HierarchyTest {
  protected:
    HWND Build(const std::vector<int>& levels) {
        HWND c = Create(QELBOXSTYLE_SIMPLE, 0, 1, 400);
        BuildOutline(c, levels);
        list_ = QelBox_GetHWNDDropDown(c);
        EXPECT_NE(list_, nullptr);
        Pump();
        ValidateRect(list_, nullptr);
        return c;
    }
    // The rows of the list whose centre lies in the update region.
    std::vector<int> InvalidRows(HWND c) {
        std::vector<int> rows;
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(list_, region, FALSE);
        for (int i = 0; i < QelBox_GetCount(c); ++i) {
            RECT r;
            if (QelBox_GetItemRect(c, i, &r) != 0) continue;
            if (PtInRegion(region, (r.left + r.right) / 2, (r.top + r.bottom) / 2))
                rows.push_back(i);
        }
        DeleteObject(region);
        ValidateRect(list_, nullptr);
        return rows;
    }
    HWND list_ = nullptr;
};

TEST_F(LevelRepaintTest, RaisingALevelRepaintsTheJoinedTreeLines) {
    HWND c = Build({0, 1, 2, 2, 1, 3, 0, 1});
    // 1 -> 2: back up to and including the nearest level-1 row, forward
    // over the deeper rows.
    EXPECT_EQ(QelBox_SetItemLevel(c, 4, 2), 1);
    EXPECT_EQ(InvalidRows(c), (std::vector<int>{1, 2, 3, 4, 5}));
    // 2 -> 0: everything back to the level-0 row, forward while deeper.
    EXPECT_EQ(QelBox_SetItemLevel(c, 3, 0), 1);
    EXPECT_EQ(InvalidRows(c), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    // 1 -> 2 right after a top-level row: the shallower row stops the walk
    // without being repainted.
    EXPECT_EQ(QelBox_SetItemLevel(c, 7, 2), 1);
    EXPECT_EQ(InvalidRows(c), (std::vector<int>{7}));
}

TEST_F(LevelRepaintTest, BackwardWalkEndsAtTheNearestRowOfTheShallowerLevel) {
    HWND c = Build({0, 1, 1, 2, 1, 0});
    // Row 2 joins the tree line of the moved row; row 1 is beyond it.
    EXPECT_EQ(QelBox_SetItemLevel(c, 4, 2), 1);
    EXPECT_EQ(InvalidRows(c), (std::vector<int>{2, 3, 4}));
}

TEST_F(LevelRepaintTest, SettingTheSameLevelRepaintsNothing) {
    HWND c = Build({0, 1, 2, 1});
    ClearNotes();
    EXPECT_EQ(QelBox_SetItemLevel(c, 2, 2), 1);
    EXPECT_EQ(QelBox_SetItemLevel(c, 0, -3), 1); // taken as 0, unchanged
    EXPECT_EQ(InvalidRows(c), std::vector<int>());
    EXPECT_EQ(Codes(c, true), std::vector<int>());
}

TEST_F(LevelRepaintTest, AddingAfterChildrenRepaintsFromThePreviousSibling) {
    HWND c = Build({0, 0, 1, 1});
    // The new top-level item joins B's tree line: rows from B down.
    EXPECT_EQ(QelBox_AddString_A(c, "new"), 4);
    EXPECT_EQ(InvalidRows(c), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(LevelRepaintTest, AddingWithoutPreviousSiblingRepaintsOnlyTheNewRow) {
    HWND c = Build({1, 2, 1});
    EXPECT_EQ(QelBox_AddString_A(c, "new"), 3);
    EXPECT_EQ(InvalidRows(c), (std::vector<int>{3}));
}

// --- deleting dependents --------------------------------------------------

TEST_F(HierarchyTest, DeleteDependentsRemovesTheWholeRunWithCallbacks) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    BuildOutline(c, {0, 1, 2, 1, 0, 1});
    for (int i = 0; i < 6; ++i)
        QelBox_SetItemData(c, i, 100 + i);
    WatchDeletions(c);
    EXPECT_EQ(QelBox_DeleteDependents(c, 0), 3);
    EXPECT_EQ(Texts(c), (std::vector<std::string>{"0", "4", "5"}));
    EXPECT_EQ(Levels(c), (std::vector<int>{0, 0, 1}));
    // Each removed item was at index 1 when it went.
    EXPECT_EQ(g_deleted, (std::vector<std::pair<int, DWORD>>{{1, 101}, {1, 102}, {1, 103}}));

    g_deleted.clear();
    EXPECT_EQ(QelBox_DeleteDependents(c, 0), 3); // nothing deeper follows
    EXPECT_EQ(QelBox_DeleteDependents(c, 2), 3); // last item
    EXPECT_EQ(QelBox_DeleteDependents(c, 3), -1);
    EXPECT_EQ(QelBox_DeleteDependents(c, -1), -1);
    EXPECT_TRUE(g_deleted.empty());
    EXPECT_EQ(QelBox_GetCount(c), 3);
}

// --- copying --------------------------------------------------------------

TEST_F(HierarchyTest, CopyInsertsAtTheTargetOrAppends) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(c, 4);
    EXPECT_EQ(QelBox_CopyItem(c, 1, 3), 3);
    EXPECT_EQ(Texts(c), (std::vector<std::string>{"Row 0", "Row 1", "Row 2", "Row 1", "Row 3"}));
    // Copying to a place before the source shifts the source down.
    EXPECT_EQ(QelBox_CopyItem(c, 2, 0), 0);
    EXPECT_EQ(Text(c, 0), "Row 2");
    EXPECT_EQ(Text(c, 3), "Row 2");
    EXPECT_EQ(QelBox_CopyItem(c, 0, -1), 6);
    EXPECT_EQ(QelBox_CopyItem(c, 0, 99), 7);
    EXPECT_EQ(QelBox_CopyItem(c, 0, 8), 8); // the count itself appends too
    EXPECT_EQ(Text(c, 8), "Row 2");
    EXPECT_EQ(QelBox_CopyItem(c, 9, 0), -1);
    EXPECT_EQ(QelBox_CopyItem(c, -1, 0), -1);
    EXPECT_EQ(QelBox_GetCount(c), 9);
}

TEST_F(HierarchyTest, CopyTakesEverythingButTheDependents) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    ColumnRecord columns[3] = {};
    for (ColumnRecord& column : columns)
        column.width = 50;
    ASSERT_EQ(QelBox_SetColumns(c, 3, columns), 1);
    BuildOutline(c, {0, 2, 3});
    QelBox_SetText_A(c, 1, 2, "third");
    QelBox_SetItemData(c, 1, 0xC0FFEE);
    QelBox_SetItemStatus(c, 1, FALSE);
    QelBox_SetRowText_A(c, 1, "row head");
    HBITMAP label = CreateBitmap(8, 8, 1, 1, nullptr);
    HBITMAP picture = CreateBitmap(4, 4, 1, 1, nullptr);
    QelBox_SetItemLabel(c, 1, label);
    QelBox_SetItemBitmap(c, 1, picture);
    RowInfo info = {1, 1, RGB(1, 2, 3), RGB(4, 5, 6), QELBOX_COLOR_NONE, RGB(7, 8, 9), picture, 2};
    ASSERT_EQ(QelBox_SetRowInfo(c, &info), 1);

    EXPECT_EQ(QelBox_CopyItem(c, 1, -1), 3);
    EXPECT_EQ(QelBox_GetCount(c), 4); // item 2 stays behind
    EXPECT_EQ(QelBox_GetItemLevel(c, 3), 2);
    EXPECT_EQ(Text(c, 3, 0), "1");
    EXPECT_EQ(Text(c, 3, 1), "");
    EXPECT_EQ(Text(c, 3, 2), "third");
    EXPECT_EQ(QelBox_GetItemData(c, 3), 0xC0FFEEu);
    EXPECT_EQ(QelBox_GetItemStatus(c, 3), 0);
    EXPECT_EQ(QelBox_GetItemLabel(c, 3), label);
    EXPECT_EQ(QelBox_GetItemBitmap(c, 3), picture);
    char buffer[32];
    EXPECT_EQ(QelBox_GetRowText_A(c, 3, buffer), 8);
    EXPECT_STREQ(buffer, "row head");
    RowInfo copied = {};
    copied.version = 1;
    copied.index = 3;
    ASSERT_EQ(QelBox_GetRowInfo(c, &copied), 1);
    EXPECT_EQ(copied.colorBackground, RGB(1, 2, 3));
    EXPECT_EQ(copied.colorSelText, RGB(7, 8, 9));
    EXPECT_EQ(copied.bitmap, picture);
    EXPECT_EQ(copied.bitmapStyle, 2);

    // The copy owns its own texts and overrides.
    QelBox_SetText_A(c, 1, 2, "changed");
    info.colorBackground = RGB(9, 9, 9);
    QelBox_SetRowInfo(c, &info);
    QelBox_DeleteString(c, 1);
    EXPECT_EQ(Text(c, 2, 2), "third");
    copied.index = 2;
    QelBox_GetRowInfo(c, &copied);
    EXPECT_EQ(copied.colorBackground, RGB(1, 2, 3));

    DestroyWindow(c); // the application's bitmaps outlive the control
    BITMAP bm;
    EXPECT_NE(GetObjectA(label, sizeof(bm), &bm), 0);
    DeleteObject(label);
    DeleteObject(picture);
}

TEST_F(HierarchyTest, CopyOfAnEmptyCellStaysEmpty) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    QelBox_AddString_A(c, nullptr);
    QelBox_AddString_A(c, "x");
    EXPECT_EQ(QelBox_CopyItem(c, 0, 2), 2);
    EXPECT_EQ(QelBox_GetTextLength(c, 2, 0), 0);
    // Still no text at all, not an empty one: the exact search passes it by.
    EXPECT_EQ(QelBox_FindStringExact_A(c, 0, 0, "", TRUE), -1);
}

TEST_F(HierarchyTest, CopyUnderMemoryPressure) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(c, 3);
    QelBox_SetRowText_A(c, 1, "head");
    // No memory for the item itself: nothing happens.
    QelBoxDiag_FailAllocationsAfter(0);
    EXPECT_EQ(QelBox_CopyItem(c, 1, 0), -1);
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_EQ(QelBox_GetCount(c), 3);
    // Room for the record and its cell array only: the copy exists without
    // the strings that could not be duplicated.
    QelBoxDiag_FailAllocationsAfter(2);
    EXPECT_EQ(QelBox_CopyItem(c, 1, 0), 0);
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_EQ(QelBox_GetCount(c), 4);
    EXPECT_EQ(Text(c, 0), "");
    EXPECT_EQ(QelBox_GetRowTextLength(c, 0), 0);
    EXPECT_EQ(Text(c, 2), "Row 1");
}

// --- moving ---------------------------------------------------------------

class MoveTest : public HierarchyTest {
  protected:
    void SetUp() override {
        HierarchyTest::SetUp();
        c_ = Create(QELBOXSTYLE_DROPDOWNLIST);
        AddRows(c_, 8);
        for (int i = 0; i < 8; ++i)
            QelBox_SetItemData(c_, i, 500 + i);
        WatchDeletions(c_);
    }
    // Indexes ("Row n" -> n) in list order.
    std::vector<int> Order() {
        std::vector<int> order;
        for (const std::string& text : Texts(c_))
            order.push_back(std::stoi(text.substr(4)));
        return order;
    }
    HWND c_ = nullptr;
};

TEST_F(MoveTest, OntoItselfOrJustBelowLeavesTheItemInPlace) {
    EXPECT_EQ(QelBox_MoveItem(c_, 5, 5), 5);
    EXPECT_EQ(Order(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(QelBox_MoveItem(c_, 5, 6), 5);
    EXPECT_EQ(Order(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(g_deleted.empty());
}

TEST_F(MoveTest, DownwardsLandsOneBeforeTheTarget) {
    EXPECT_EQ(QelBox_MoveItem(c_, 5, 7), 6);
    EXPECT_EQ(Order(), (std::vector<int>{0, 1, 2, 3, 4, 6, 5, 7}));
    EXPECT_EQ(QelBox_GetItemData(c_, 6), 505u);
    EXPECT_EQ(QelBox_MoveItem(c_, 0, -1), 7);
    EXPECT_EQ(Order(), (std::vector<int>{1, 2, 3, 4, 6, 5, 7, 0}));
    EXPECT_EQ(QelBox_MoveItem(c_, 0, 99), 7);
    EXPECT_EQ(Order(), (std::vector<int>{2, 3, 4, 6, 5, 7, 0, 1}));
    EXPECT_TRUE(g_deleted.empty());
}

TEST_F(MoveTest, UpwardsLandsAtTheTarget) {
    EXPECT_EQ(QelBox_MoveItem(c_, 5, 2), 2);
    EXPECT_EQ(Order(), (std::vector<int>{0, 1, 5, 2, 3, 4, 6, 7}));
    EXPECT_EQ(QelBox_MoveItem(c_, 7, 0), 0);
    EXPECT_EQ(Order(), (std::vector<int>{7, 0, 1, 5, 2, 3, 4, 6}));
    EXPECT_EQ(QelBox_GetItemData(c_, 0), 507u);
    EXPECT_TRUE(g_deleted.empty());
    // The callback is only held aside during the move.
    QelBox_DeleteString(c_, 0);
    EXPECT_EQ(g_deleted, (std::vector<std::pair<int, DWORD>>{{0, 507}}));
}

TEST_F(MoveTest, BadSourceIsRefused) {
    EXPECT_EQ(QelBox_MoveItem(c_, 8, 0), -1);
    EXPECT_EQ(QelBox_MoveItem(c_, -1, 0), -1);
    EXPECT_EQ(Order(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(MoveTest, DependentsStayBehind) {
    QelBox_SetItemLevel(c_, 1, 1);
    QelBox_SetItemLevel(c_, 2, 1);
    EXPECT_EQ(QelBox_MoveItem(c_, 0, 4), 3);
    EXPECT_EQ(Order(), (std::vector<int>{1, 2, 3, 0, 4, 5, 6, 7}));
    EXPECT_EQ(Levels(c_), (std::vector<int>{1, 1, 0, 0, 0, 0, 0, 0}));
}

TEST_F(MoveTest, FailedCopyLeavesTheItemWhereItWas) {
    QelBox_SetRowText_A(c_, 5, "head");
    // The copy's record can be made but not its strings: moving would lose
    // them, so the move is taken back.
    QelBoxDiag_FailAllocationsAfter(2);
    EXPECT_EQ(QelBox_MoveItem(c_, 5, 1), -1);
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_EQ(Order(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(QelBox_GetRowTextLength(c_, 5), 4);
    EXPECT_TRUE(g_deleted.empty());
    QelBoxDiag_FailAllocationsAfter(0);
    EXPECT_EQ(QelBox_MoveItem(c_, 5, 1), -1);
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_EQ(Order(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

// --- deletion within the outline -----------------------------------------

TEST_F(HierarchyTest, DeletingAParentLeavesItsDependents) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    BuildOutline(c, {0, 1, 2, 0});
    EXPECT_EQ(QelBox_DeleteString(c, 0), 3);
    EXPECT_EQ(Texts(c), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(Levels(c), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(QelBox_GetParent(c, 0), -1);
    EXPECT_EQ(QelBox_GetParent(c, 1), 0);
}

TEST_F(HierarchyTest, DeletingTheCommittedItemEmptiesTheEditFieldQuietly) {
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    AddRows(c, 4);
    HWND edit = QelBox_GetHWNDEdit(c);
    QelBox_SetCurSel(c, 2);
    EXPECT_EQ(WindowText(edit), "Row 2");
    ClearNotes();
    EXPECT_EQ(QelBox_DeleteString(c, 2), 3);
    EXPECT_EQ(WindowText(edit), "");
    EXPECT_EQ(QelBox_GetCurSel(c), -1);
    EXPECT_EQ(QelBox_GetTextLength(c, -1, 0), -1);
    EXPECT_EQ(Codes(c), std::vector<int>());
}

} // namespace

// The outline read from item levels on example outlines, level changes and
// the rows they repaint, and what copying and moving take along. The random
// comparison in test_random.cpp checks the relations and the reshaping calls
// on many more outlines.
#include "tree_helpers.h"

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

typedef ControlTest HierarchyTest;

TEST_F(HierarchyTest, RelationsOfExampleOutlines) {
    struct {
        std::vector<int> levels;
        std::vector<Relations> items;
    } const outlines[] = {
        // A a1 x a2 a3 B b1: siblings pass over deeper items and stop at
        // shallower ones.
        {{0, 1, 2, 1, 1, 0, 1},
         {{{-1, -1, 1, 4, 4, 3, 0, 5, -1, 5},
           {0, 0, 2, 2, 1, 1, 1, 4, -1, 3},
           {1, 0, -1, -1, 0, 0, 2, 2, -1, -1},
           {0, 0, -1, -1, 0, 0, 1, 4, 1, 4},
           {0, 0, -1, -1, 0, 0, 1, 4, 3, -1},
           {-1, -1, 6, 6, 1, 1, 0, 5, 0, -1},
           {5, 5, -1, -1, 0, 0, 6, 6, -1, -1}}}},
        // Without a level-0 item before it, the top parent is the earliest
        // shallower item, after one the nearest level-0 item. Item 2 owns
        // item 3 without being its parent.
        {{1, 2, 1, 3, 0, 1, 3, 2},
         {{{-1, -1, 1, 1, 1, 1, 0, 2, -1, 2},
           {0, 0, -1, -1, 0, 0, 1, 1, -1, -1},
           {-1, -1, 3, 3, 1, 0, 0, 2, 0, -1},
           {2, 0, -1, -1, 0, 0, 3, 3, -1, -1},
           {-1, -1, 5, 7, 3, 1, 4, 4, -1, -1},
           {4, 4, 6, 7, 2, 1, 5, 5, -1, -1},
           {5, 4, -1, -1, 0, 0, 6, 6, -1, -1},
           {5, 4, -1, -1, 0, 0, 7, 7, -1, -1}}}},
    };
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    for (const auto& outline : outlines) {
        SCOPED_TRACE(outline.items.size());
        QelBox_ResetContent(c);
        BuildOutline(c, outline.levels);
        for (size_t i = 0; i < outline.items.size(); ++i)
            EXPECT_EQ(RelationsOf(c, static_cast<int>(i)), outline.items[i]) << "item " << i;
    }
}

TEST_F(HierarchyTest, RelationGettersRefuseBadIndexesAndCodes) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    EXPECT_EQ(QelBox_GetItemLevel(c, 0), -1);
    EXPECT_EQ(QelBox_GetDependent(c, 0, QELBOX_FIRST), -1);
    BuildOutline(c, {0, 1, 1});
    for (int bad : {-1, 3, 1000}) {
        EXPECT_EQ(QelBox_GetItemLevel(c, bad), -1);
        EXPECT_EQ(RelationsOf(c, bad), (Relations{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
    }
    for (int code : {QELBOX_PREVIOUS, QELBOX_NEXT, 0})
        EXPECT_EQ(QelBox_GetDependent(c, 0, code), -1) << code;
    EXPECT_EQ(QelBox_GetSibling(c, 1, 0), -1);
    EXPECT_EQ(QelBox_GetSibling(c, 1, 5), -1);
    EXPECT_EQ(QelBox_GetDependentCount(c, 0, 5), 2); // any non-zero means all
}

TEST_F(HierarchyTest, LevelKeepsTheEnabledStateAndWidensTheTreeOnlyWhenDeeper) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(c, 2);
    QelBox_SetItemStatus(c, 1, FALSE);
    ClearNotes();
    EXPECT_EQ(QelBox_SetItemLevel(c, 1, 3), 1);
    EXPECT_EQ(CountCode(c, QELBOXN_OVERHEADWIDTHCHANGE), 1);
    EXPECT_EQ(QelBox_GetItemStatus(c, 0), 1);
    EXPECT_EQ(QelBox_GetItemStatus(c, 1), 0);
    // Shallower levels and deletions never narrow the tree area.
    ClearNotes();
    QelBox_SetItemLevel(c, 1, 0);
    QelBox_SetItemLevel(c, 0, 2);
    QelBox_DeleteString(c, 0);
    EXPECT_EQ(CountCode(c, QELBOXN_OVERHEADWIDTHCHANGE), 0);
    EXPECT_EQ(QelBox_SetItemLevel(c, 0, 1000000), 1);
    EXPECT_EQ(QelBox_GetItemLevel(c, 0), QELBOX_MAXLEVEL);
    EXPECT_EQ(QelBox_GetItemStatus(c, 0), 0);
    EXPECT_EQ(QelBox_SetItemLevel(c, 1, 1), 0);
    EXPECT_EQ(QelBox_SetItemLevel(c, -1, 1), 0);
}

// The rows a level change or an addition repaints, read from the update
// region of the simple style's permanent list window.
TEST_F(HierarchyTest, LevelChangesAndAdditionsRepaintTheJoinedTreeLines) {
    const int kAdd = -100;
    struct {
        std::vector<int> levels;
        int index, level; // kAdd: AddString instead of SetItemLevel
        std::vector<int> repainted;
    } const cases[] = {
        // Back up to and including the nearest row of the shallower of the
        // two levels, forward over the deeper rows.
        {{0, 1, 2, 2, 1, 3, 0, 1}, 4, 2, {1, 2, 3, 4, 5}},
        {{0, 1, 2, 2, 2, 3, 0, 1}, 3, 0, {0, 1, 2, 3, 4, 5}},
        {{0, 1, 1, 2, 1, 0}, 4, 2, {2, 3, 4}},
        {{0, 2, 2, 0}, 1, 1, {1, 2}},
        // A shallower row right before stops the walk without a repaint.
        {{0, 1, 2, 2, 1, 3, 0, 1}, 7, 2, {7}},
        // Unchanged levels repaint nothing.
        {{0, 1, 2, 1}, 2, 2, {}},
        {{0, 1, 2, 1}, 0, -3, {}},
        // A new item joins its previous sibling's tree line.
        {{0, 0, 1, 1}, kAdd, 0, {1, 2, 3, 4}},
        {{1, 2, 1}, kAdd, 0, {3}},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(::testing::PrintToString(t.levels) + " at " + std::to_string(t.index));
        HWND c = Create(QELBOXSTYLE_SIMPLE, 0, 1, 400);
        BuildOutline(c, t.levels);
        HWND list = QelBox_GetHWNDDropDown(c);
        ASSERT_NE(list, nullptr);
        Pump();
        ValidateRect(list, nullptr);
        ClearNotes();
        if (t.index == kAdd)
            EXPECT_EQ(QelBox_AddString_A(c, "new"), static_cast<int>(t.levels.size()));
        else
            EXPECT_EQ(QelBox_SetItemLevel(c, t.index, t.level), 1);
        std::vector<int> rows;
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(list, region, FALSE);
        for (int i = 0; i < QelBox_GetCount(c); ++i) {
            RECT r;
            if (QelBox_GetItemRect(c, i, &r) == 0 &&
                PtInRegion(region, (r.left + r.right) / 2, (r.top + r.bottom) / 2))
                rows.push_back(i);
        }
        DeleteObject(region);
        EXPECT_EQ(rows, t.repainted);
        if (t.repainted.empty()) {
            EXPECT_EQ(Codes(c, true), std::vector<int>());
        }
        DestroyWindow(c);
    }
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
    EXPECT_EQ(QelBox_GetCount(c), 4);
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
    EXPECT_EQ(copied.bitmapStyle, 2);

    // The copy owns its texts and overrides.
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

TEST_F(HierarchyTest, CopyAndMoveUnderMemoryPressure) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(c, 3);
    QelBox_SetRowText_A(c, 1, "head");
    // Without memory for the record nothing happens.
    QelBoxDiag_FailAllocationsAfter(0);
    EXPECT_EQ(QelBox_CopyItem(c, 1, 0), -1);
    EXPECT_EQ(QelBox_MoveItem(c, 1, 0), -1);
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_EQ(QelBox_GetCount(c), 3);
    // Room for the record and its cells only: the move is taken back, the
    // copy stays without the strings that could not be duplicated.
    QelBoxDiag_FailAllocationsAfter(2);
    EXPECT_EQ(QelBox_MoveItem(c, 1, 0), -1);
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_EQ(QelBox_GetCount(c), 3);
    EXPECT_EQ(Text(c, 1), "Row 1");
    EXPECT_EQ(QelBox_GetRowTextLength(c, 1), 4);
    QelBoxDiag_FailAllocationsAfter(2);
    EXPECT_EQ(QelBox_CopyItem(c, 1, 0), 0);
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_EQ(QelBox_GetCount(c), 4);
    EXPECT_EQ(Text(c, 0), "");
    EXPECT_EQ(QelBox_GetRowTextLength(c, 0), 0);
    EXPECT_EQ(Text(c, 2), "Row 1");
}

} // namespace

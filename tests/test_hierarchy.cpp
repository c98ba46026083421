// Level changes and what copying takes along. The random comparison in
// test_random.cpp checks the relations and the reshaping calls on many
// outlines.
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

typedef ControlTest HierarchyTest;

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
}

TEST_F(HierarchyTest, CopyTakesEverythingButTheDependents) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    ASSERT_EQ(SetColumns(c, {50, 50, 50}), 1);
    BuildOutline(c, {0, 2, 3});
    QelBox_SetText_A(c, 1, 2, "third");
    QelBox_SetItemData(c, 1, 0xC0FFEE);
    QelBox_SetItemStatus(c, 1, FALSE);
    QelBox_SetRowText_A(c, 1, "row head");
    HBITMAP label = Bitmap(8, 8), picture = Bitmap(4, 4);
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
}

} // namespace

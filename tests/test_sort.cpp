// Sorting sibling groups with their dependents, the selection across a
// sort, null texts, the default comparison and the locale.
#include "harness.h"

#include <sstream>

namespace {

int g_nullTexts;
int CALLBACK ByCellData(HWND, const char* a, const char* b, QelData d1, QelData d2, QelData c1,
                        QelData c2) {
    g_nullTexts += !a + !b;
    EXPECT_EQ(d1 + d2, (c1 + c2) * 10); // item data and cell data each reach their argument
    return static_cast<int>(c1) - static_cast<int>(c2);
}

class SortTest : public ControlTest {
  protected:
    // Outlines as words: leading dots give the level, "~" a null text.
    void Fill(HWND c, const char* outline) {
        QelBox_ResetContent(c);
        std::istringstream words(outline);
        for (std::string w; words >> w;) {
            const size_t level = w.find_first_not_of('.');
            int i = QelBox_AddString_A(c, w == "~" ? nullptr : &w[level]);
            QelBox_SetItemLevel(c, i, static_cast<int>(level));
        }
    }
    std::string Outline(HWND c) {
        std::string s;
        for (int i = 0; i < QelBox_GetCount(c); ++i)
            s += (i ? " " : "") + std::string(QelBox_GetItemLevel(c, i), '.') +
                 (Text(c, i).empty() ? "~" : Text(c, i));
        return s;
    }
};

TEST_F(SortTest, OrdersOneSiblingGroupAndFollowsTheHighlight) {
    const struct {
        const char* rows;
        int parent, column, sel, result;
        const char* sorted; // null: unchanged
        int after;          // highlighted and committed index afterwards
    } cases[] = {
        {"B .b1 .b2 A", -1, 0, 2, 1, "A B .b1 .b2", 3},
        {"B .b1 .b2 A", -1, 0, 3, 1, "A B .b1 .b2", 0},
        {"P .Z ..zb ..za .Y .X Q", 0, 0, 2, 1, "P .X .Y .Z ..zb ..za Q", 4},
        {".x .b ..c .a", -1, 0, 0, 1, ".a .b ..c .x", 3},
        {"D B ~ C A", -1, 0, 2, 1, "B D ~ A C", 2},
        {"P .only Q", 0, 0, 1, 1, nullptr, 1},
        {"P Q .q", 0, 0, 1, 1, nullptr, 1},
        {"B A", -2, 0, 1, 0, nullptr, 1},
        {"B A", 2, 0, 1, 0, nullptr, 1},
        {"B A", -1, 1, 1, 0, nullptr, 1},
    };
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    for (const auto& k : cases) {
        Fill(c, k.rows);
        QelBox_SetCurSel(c, k.sel);
        ClearNotes();
        EXPECT_EQ(QelBox_SortItems(c, k.parent, k.column, nullptr), k.result) << k.rows;
        EXPECT_EQ(Outline(c), k.sorted ? k.sorted : k.rows);
        EXPECT_EQ(QelBox_GetCurSel(c), k.after) << k.rows;
        EXPECT_EQ(WindowText(QelBox_GetHWNDEdit(c)), Text(c, k.after)) << k.rows;
        EXPECT_TRUE(Codes(c).empty()) << k.rows;
    }
    QelBoxDiag_FailAllocationsAfter(0); // no scratch array: nothing moves
    EXPECT_EQ(QelBox_SortItems(c, -1, 0, nullptr), 0);
    EXPECT_EQ(Outline(c), "B A");
    EXPECT_EQ(QelBox_GetCurSel(c), -1);
}

TEST_F(SortTest, CallbacksAndTheDefaultComparison) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    Fill(c, "~ x ~"); // the extended callback sees null texts and the cellData
    for (DWORD i = 0, data[] = {3, 1, 2}; i < 3; ++i) {
        CellInfo info = Cell(int(i), 0, data[i]);
        ASSERT_EQ(QelBox_SetCellInfo(c, &info), 1);
        QelBox_SetItemData(c, i, data[i] * 10);
    }
    g_nullTexts = 0;
    EXPECT_EQ(QelBox_SortItemsEx(c, -1, 0, ByCellData), 1);
    EXPECT_GT(g_nullTexts, 0);
    EXPECT_EQ(Outline(c), "x ~ ~");
    EXPECT_EQ(QelBox_DefaultCompareProc(c, "apple", "Banana", 0, 0), -1); // bytes: 'a' > 'B'
    EXPECT_EQ(QelBox_DefaultCompareProc(c, "Banana", "apple", 0, 0), 1);
    EXPECT_EQ(QelBox_DefaultCompareProc(c, nullptr, "a", 0, 0), -2);
    Fill(c, "cherry Banana apple");
    EXPECT_EQ(QelBox_SortItemsEx(c, -1, 0, nullptr), 1);
    EXPECT_EQ(Outline(c), "apple Banana cherry");
    EXPECT_EQ(QelBox_SetLocale(c, 0x409), 1024u);
    EXPECT_EQ(QelBox_GetLocale(c), 0x409u);
}

} // namespace

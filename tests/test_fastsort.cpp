// The fast sorts against the documented bubble sort: on random outlines
// with ties, null texts and dependents, both give the same rows in the
// same places and keep the same highlighted row; the fast sort calls the
// application's comparison O(n log n) times.
#include "harness.h"

#include <random>

namespace {

int g_calls;
// Compares like the default comparison; a null text sorts first.
int CALLBACK LocaleCompare(HWND control, const char* a, const char* b, QelData, QelData) {
    ++g_calls;
    return QelBox_DefaultCompareProc(control, a, b, 0, 0);
}
int CALLBACK LocaleCompareEx(HWND control, const char* a, const char* b, QelData, QelData, QelData,
                             QelData) {
    ++g_calls;
    if (!a || !b) return !a - !b ? (a ? 1 : -1) : 0;
    return QelBox_DefaultCompareProc(control, a, b, 0, 0);
}

using FastSortTest = ControlTest;

// Fills `c` with `n` rows of random levels (each at most one deeper than
// the row before) and texts from a small alphabet, some null; item data
// numbers the rows so that their order can be read back.
void FillRandom(HWND c, std::mt19937& random, int n) {
    QelBox_ResetContent(c);
    int level = 0;
    for (int i = 0; i < n; ++i) {
        const char* words[] = {"apple", "Banana", "banana", "cherry", "Apple", "date", nullptr};
        QelBox_AddString_A(c, words[random() % 7]);
        QelBox_SetItemData(c, i, static_cast<QelData>(i));
        level = i == 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(level + 2));
        if (level > 3) level = 3;
        QelBox_SetItemLevel(c, i, level);
    }
}

std::vector<QelData> Order(HWND c) {
    std::vector<QelData> order;
    for (int i = 0; i < QelBox_GetCount(c); ++i)
        order.push_back(QelBox_GetItemData(c, i));
    return order;
}

TEST_F(FastSortTest, GivesTheBubbleSortsResult) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    std::mt19937 random(12345);
    // Each way of sorting fast, with the bubble sort that must agree.
    const auto sorts = {
        std::make_pair(
            +[](HWND h, int p) { return QelBox_SortItems(h, p, 0, nullptr); },
            +[](HWND h, int p) { return QelBox_SortItems(h, p, 0, LocaleCompare); }),
        std::make_pair(
            +[](HWND h, int p) { return QelBox_SortItemsFast(h, p, 0, LocaleCompare); },
            +[](HWND h, int p) { return QelBox_SortItems(h, p, 0, LocaleCompare); }),
        std::make_pair(
            +[](HWND h, int p) { return QelBox_SortItemsExFast(h, p, 0, LocaleCompareEx); },
            +[](HWND h, int p) { return QelBox_SortItemsEx(h, p, 0, LocaleCompareEx); }),
    };
    for (int round = 0; round < 60; ++round) {
        const int n = 1 + static_cast<int>(random() % 40);
        const unsigned seed = static_cast<unsigned>(random());
        const int parent = static_cast<int>(random() % static_cast<unsigned>(n + 1)) - 1;
        const int selected = static_cast<int>(random() % static_cast<unsigned>(n));
        int way = 0;
        for (const auto& sort : sorts) {
            SCOPED_TRACE(testing::Message() << "round " << round << " way " << way++);
            std::vector<QelData> orders[2];
            int selections[2];
            for (int pass = 0; pass < 2; ++pass) {
                std::mt19937 fill(seed);
                FillRandom(c, fill, n);
                QelBox_SetCurSel(c, selected);
                ClearNotes();
                ASSERT_EQ((pass ? sort.second : sort.first)(c, parent), 1);
                EXPECT_CODES(c); // the highlight moves without a selection change
                orders[pass] = Order(c);
                selections[pass] = QelBox_GetCurSel(c);
            }
            EXPECT_EQ(orders[0], orders[1]);
            EXPECT_EQ(selections[0], selections[1]);
        }
    }
}

TEST_F(FastSortTest, CallsTheComparisonNLogNTimes) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    SendMessageA(c, WM_SETREDRAW, FALSE, 0);
    const int n = 2000;
    for (int i = 0; i < n; ++i)
        QelBox_AddString_A(c, std::to_string(10000 + (i * 7919) % n).c_str());
    g_calls = 0;
    ASSERT_EQ(QelBox_SortItemsFast(c, -1, 0, LocaleCompare), 1);
    EXPECT_LE(g_calls, n * 11); // log2(2000) < 11
    EXPECT_EQ(Text(c, 0), "10000");
    EXPECT_EQ(Text(c, n - 1), "11999");
}

} // namespace

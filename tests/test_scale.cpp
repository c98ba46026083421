// Long texts and many columns: a cell text of a megabyte is fitted with
// "..." exactly like a short text with the same beginning, and a hundred
// thousand columns are installed, ordered and placed like a few.
#include "harness.h"
#include "pixels.h"

#include <string>

namespace {

using ScaleTest = ControlTest;

// Pixels of row `index` of the list.
std::vector<DWORD> RowPixels(const Image& image, HWND control, int index) {
    const int height = QelBox_GetItemHeight(control, 0);
    const auto begin = image.pixels.begin() + static_cast<long>(index) * height * image.width;
    return std::vector<DWORD>(begin, begin + static_cast<long>(height) * image.width);
}

TEST_F(ScaleTest, LongTextsFitLikeShortOnesWithTheSameBeginning) {
    HWND c = Create(QELBOXSTYLE_SIMPLE, 0, 1, 200);
    const std::string start = "The quick brown fox jumps over the lazy dog; WAVE iiii mmmm 0123 ";
    std::string longText;
    while (longText.size() < (1u << 20))
        longText += start;
    for (DWORD alignment : {0u, 1u, 2u}) {
        for (int width : {30, 97, 150}) {
            ASSERT_EQ(SetColumns(c, {width}, alignment), 1);
            QelBox_ResetContent(c);
            QelBox_AddString_A(c, longText.c_str());
            QelBox_AddString_A(c, start.c_str()); // still wider than the cell
            QelBox_AddString_A(c, (start + start).c_str());
            const Image image = Capture(QelBox_GetHWNDDropDown(c));
            EXPECT_EQ(RowPixels(image, c, 0), RowPixels(image, c, 1)) << alignment << " " << width;
            EXPECT_EQ(RowPixels(image, c, 2), RowPixels(image, c, 1)) << alignment << " " << width;
        }
    }
}

// The display order of the application's records is kept when it is a
// permutation and replaced by the natural order when it is not.
TEST_F(ScaleTest, ManyColumnsAreOrderedAndPlacedLikeFew) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    QelBox_SetShowHeader(c, 1);
    const int n = 100000;
    struct Case {
        const char* name;
        int (*position)(int c, int n);
        bool kept;
    };
    const Case cases[] = {
        {"reversed", [](int i, int count) { return count - 1 - i; }, true},
        {"rotated", [](int i, int count) { return (i + 7) % count; }, true},
        {"one twice", [](int i, int count) { return i == count - 1 ? 0 : i; }, false},
        {"out of range", [](int i, int count) { return i == 5 ? count : i; }, false},
        {"negative", [](int i, int) { return i == 3 ? -1 : i; }, false},
    };
    for (const Case& test : cases) {
        std::vector<ColumnRecord> columns;
        for (int i = 0; i < n; ++i) {
            columns.push_back(Column(1 + i % 3));
            columns.back().displayPosition = test.position(i, n);
        }
        ASSERT_EQ(QelBox_SetColumns(c, n, columns.data()), 1) << test.name;
        ColumnRecord* installed = nullptr;
        ASSERT_EQ(QelBox_GetColumns(c, &installed), n);
        // Each column starts where the widths of the positions before it end.
        std::vector<int> order(n);
        for (int i = 0; i < n; ++i) {
            const int p = test.kept ? test.position(i, n) : i;
            ASSERT_EQ(installed[i].displayPosition, p) << test.name << " " << i;
            ASSERT_EQ(installed[p].columnAtPosition, i) << test.name << " " << i;
            order[static_cast<size_t>(p)] = i;
        }
        RECT strip, header;
        QelBox_GetHeaderRect(c, -1, &strip);
        for (int p = 0, x = strip.left; p < 50; x += 1 + order[static_cast<size_t>(p++)] % 3) {
            QelBox_GetHeaderRect(c, order[static_cast<size_t>(p)], &header);
            EXPECT_TRUE(p == 0 || header.left == x) << test.name << " " << p;
        }
    }
    // A width that changes moves every later column.
    ASSERT_EQ(SetColumns(c, {40, 40, 40, 40, 40}), 1);
    QelBox_AddString_A(c, "some text that is wide");
    RECT before, after, second;
    QelBox_GetHeaderRect(c, 3, &before);
    QelBox_MakeColumnOptimal(c, 1, -1);
    QelBox_GetHeaderRect(c, 3, &after);
    QelBox_GetHeaderRect(c, 1, &second);
    EXPECT_NE(Width(second), 40);
    EXPECT_EQ(after.left - before.left, Width(second) - 40);
}

} // namespace

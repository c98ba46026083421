// Optimal column widths, the tree depth they adopt, the horizontal extent
// derived from the columns and the limits of the horizontal offset.
#include "harness.h"

#include <algorithm>

int TextWidth(HWND c, const char* text); // test_rowheaders.cpp

namespace {

using WidthTest = ControlTest;

int Optimal(HWND c, int column = 0, int count = 0) {
    return QelBox_CalcOptimalColumnWidth(c, column, count);
}

void SetCell(HWND c, int index, HBITMAP bitmap, WORD style = 0) {
    CellInfo info = {1, index, 0, 0, 0, 0, 0, 0, nullptr, bitmap, style};
    ASSERT_EQ(QelBox_SetCellInfo(c, &info), 1);
}

TEST_F(WidthTest, EmptyColumnMeasuresCharWidthOrHeader) {
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    EXPECT_EQ(Optimal(c), TextWidth(c, nullptr));
    EXPECT_EQ(Optimal(c, 1) + Optimal(c, -1), -2);
    QelBox_SetHeader_A(c, 0, "Header text");
    EXPECT_EQ(Optimal(c), TextWidth(c, nullptr)); // no header strip
    QelBox_SetShowHeader(c, 1);
    EXPECT_EQ(Optimal(c), TextWidth(c, nullptr) + 6 + TextWidth(c, "Header text"));
}

TEST_F(WidthTest, CellTextAndBitmaps) {
    HBITMAP proto = CreateBitmap(16, 8, 1, 1, nullptr), wide = CreateBitmap(24, 8, 1, 1, nullptr);
    for (bool variable : {false, true}) {
        HWND c = Create(QELBOXSTYLE_DROPDOWNLIST, variable ? QELBOXSTYLE_VARIABLE : 0);
        const int cw = TextWidth(c, nullptr), a = TextWidth(c, "a");
        const char* text = "The longest text of the column";
        QelBox_AddString_A(c, "a");
        QelBox_AddString_A(c, text);
        const int base = TextWidth(c, text) + cw;
        EXPECT_EQ(Optimal(c), base);
        SetCell(c, 1, wide);
        EXPECT_EQ(Optimal(c), base); // cell bitmaps need a prototype
        SetCell(c, -1, proto);
        const int bitmap = variable ? 24 : 16; // variable heights: the wider
        EXPECT_EQ(Optimal(c), base + cw / 2 + bitmap);
        SetCell(c, 1, wide, QELBOX_BITMAP_CENTER); // replaces the text
        EXPECT_EQ(Optimal(c), cw + std::max(a, bitmap));
        DestroyWindow(c);
    }
    DeleteObject(proto);
    DeleteObject(wide);
}

TEST_F(WidthTest, MeasuringAdoptsTheDepthOfTheMeasuredRows) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(c, 20);
    const int flat = QelBox_GetOverheadWidth(c);
    QelBox_SetItemLevel(c, 1, 1);
    const int unit = QelBox_GetOverheadWidth(c) - flat; // one level deeper
    ASSERT_GT(unit, 0);
    QelBox_SetItemLevel(c, 15, 3);
    ASSERT_EQ(QelBox_GetOverheadWidth(c), flat + 3 * unit);
    ClearNotes();
    Optimal(c, 0, 10);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), flat + unit);
    Optimal(c, 0, 10);
    EXPECT_EQ(Codes(c, true), std::vector<int>{QELBOXN_OVERHEADWIDTHCHANGE});
    QelBox_SetOpenEnded(c, 0);
    QelBox_RecalcHorizontalExtent(c, 0);
    EXPECT_EQ(QelBox_GetHorizontalExtent(c), flat + 3 * unit + 500);
    QelBox_RecalcHorizontalExtent(c, 10);
    EXPECT_EQ(QelBox_GetHorizontalExtent(c), flat + unit + 500);
}

TEST_F(WidthTest, HorizontalExtentAndOptimalColumns) {
    HBITMAP label = CreateBitmap(18, 10, 1, 1, nullptr);
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST), single = Create(QELBOXSTYLE_DROPDOWNLIST);
    ColumnRecord columns[3] = {};
    columns[0].width = columns[1].width = columns[2].width = 100;
    QelBox_SetColumns(c, 3, columns);
    AddRows(c, 3);
    QelBox_SetItemLabel(c, -1, label);
    QelBox_SetItemLabel(single, -1, label);
    ASSERT_EQ(QelBox_GetOverheadWidth(c), 20);
    QelBox_SetOpenEnded(c, 0);
    QelBox_SetDroppedWidth(c, 150);
    QelBox_SetHorizontalExtent(c, 1000);
    QelBox_SetHorizontalOffset(c, 600);
    ClearNotes();
    QelBox_RecalcHorizontalExtent(c, 0);
    EXPECT_EQ(QelBox_GetHorizontalExtent(c), 320);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 170); // limited, and reported
    EXPECT_CODES(c, QELBOXN_HSCROLLCHANGE);
    // Open-ended: the last column counts with the width its rows need.
    const int cw = TextWidth(c, nullptr);
    QelBox_SetOpenEnded(c, 1);
    QelBox_SetText_A(c, 2, 2, "Last column");
    QelBox_RecalcHorizontalExtent(c, 0);
    EXPECT_EQ(QelBox_GetHorizontalExtent(c), 220 + TextWidth(c, "Last column") + cw);
    QelBox_RecalcHorizontalExtent(c, 2);
    EXPECT_EQ(QelBox_GetHorizontalExtent(c), 220 + cw);
    QelBox_RecalcHorizontalExtent(single, 0); // a single column: plus the overhead
    EXPECT_EQ(QelBox_GetHorizontalExtent(single), 20 + cw);

    auto widths = [&] {
        ColumnRecord* now;
        QelBox_GetColumns(c, &now);
        return std::vector<int>{now[0].width, now[1].width, now[2].width};
    };
    QelBox_MakeColumnOptimal(c, 5, 0);
    EXPECT_EQ(widths(), (std::vector<int>{100, 100, 100}));
    QelBox_MakeColumnOptimal(c, -1, 0);
    EXPECT_EQ(widths(),
              (std::vector<int>{TextWidth(c, "Row 2") + cw, cw, TextWidth(c, "Last column") + cw}));
    QelBox_MakeColumnOptimal(c, 2, 2);
    EXPECT_EQ(widths()[2], cw);
    EXPECT_EQ(QelBox_GetHorizontalExtent(c), 220 + cw); // not changed
    DestroyWindow(c);
    DestroyWindow(single);
    DeleteObject(label);
}

TEST_F(WidthTest, HorizontalOffsetLimits) {
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    QelBox_SetDroppedWidth(c, 300); // the closed list's cells are 300 wide
    EXPECT_EQ(QelBox_SetHorizontalExtent(c, -5), 0);
    const int cases[][4] = {// extent, offset, result, new offset
                            {800, -1, 1, 500}, {800, 900, 1, 500}, {800, 120, 1, 120},
                            {800, -2, 0, 120}, {200, 150, 1, 0},   {200, -1, 1, 0}};
    for (const auto& k : cases) {
        QelBox_SetHorizontalExtent(c, k[0]);
        EXPECT_EQ(QelBox_SetHorizontalOffset(c, k[1]), k[2]) << k[1];
        EXPECT_EQ(QelBox_GetHorizontalOffset(c), k[3]) << k[1];
    }
    EXPECT_CODES(c); // the application's own calls are not reported
}

} // namespace

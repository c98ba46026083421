// Layout: row heights, the tree area's width, rows shown, the top index,
// scrolling rows into view and the estimated list width. Font heights and
// system metrics are read from the system.
#include "harness.h"

#include <algorithm>

namespace {

class LayoutTest : public ControlTest {
  protected:
    static HWND List(HWND c) { return QelBox_GetHWNDDropDown(c); }

    HWND Make(DWORD type, DWORD style = 0, int rows = 0, int x = 10, int y = 10, int height = 40,
              int width = 200) {
        HWND control = CreateControl(type, style, 1, x, y, width, height);
        EXPECT_NE(control, nullptr);
        if (control) {
            created_.push_back(control);
            AddRows(control, rows);
        }
        Pump();
        ClearNotes();
        return control;
    }
    // Resizes the control, as the application would, to a client height.
    static void ResizeClient(HWND control, int clientHeight) {
        RECT w;
        GetWindowRect(control, &w);
        SetWindowPos(control, nullptr, 0, 0, Width(w),
                     clientHeight + Height(w) - Height(ClientOf(control)),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Pump();
    }
    // A simple control with `count` rows (and the given columns) whose list
    // shows exactly `shown` rows.
    HWND SimpleShowing(int shown, int count, DWORD style = 0, int width = 200) {
        HWND control = Make(QELBOXSTYLE_SIMPLE, style, count, 10, 10, 300, width);
        ResizeClient(control, QelBox_GetItemHeight(control, -1) + 4 +
                                  shown * QelBox_GetItemHeight(control, 0));
        ClearNotes();
        return control;
    }
};

TEST_F(LayoutTest, RowHeightGrowsWithTheLook) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 3);
    const int font = FontHeight(ControlFont(c));
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font);
    // {3-D, grid shown, item lines, row headers, item bitmap height}
    const int looks[][6] = {{1, 0, 1, 0, 0, font + 4},     {0, 1, 1, 0, 0, font + 1},
                            {1, 1, 1, 0, 0, font + 4},     {0, 0, 2, 0, 0, 2 * font},
                            {1, 0, 2, 0, 0, 2 * font + 4}, {0, 0, 1, 1, 0, font + 3},
                            {0, 1, 1, 0, 30, 31}};
    for (const auto& look : looks) {
        QelBox_SetShow3D(c, look[0]);
        QelBox_SetShowGrid(c, look[1]);
        QelBox_SetItemLines(c, look[2]);
        QelBox_SetShowRowHeader(c, look[3]);
        QelBox_SetItemBitmap(c, -1, look[4] ? Bitmap(16, look[4]) : nullptr);
        EXPECT_EQ(QelBox_GetItemHeight(c, 1), look[5]) << &look - looks;
    }
}

TEST_F(LayoutTest, OverheadWidthChangeIsNotifiedOnlyWhenTheWidthChanges) {
    HWND c = SimpleShowing(5, 5);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), 0);
    HBITMAP label = Bitmap(8, 8);
    ASSERT_EQ(QelBox_SetItemLabel(c, -1, label), 1);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), 10);
    EXPECT_EQ(CountCode(c, QELBOXN_OVERHEADWIDTHCHANGE), 1);
    ClearNotes();
    ASSERT_EQ(QelBox_SetItemLabel(c, -1, label), 1);
    QelBox_SetShowTreeLines(c, TRUE); // level 0 has no indentation to change
    EXPECT_EQ(CountCode(c, QELBOXN_OVERHEADWIDTHCHANGE), 0);
    ASSERT_EQ(QelBox_SetItemBitmap(c, -1, Bitmap(16, 8)), 1);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), 26);
    EXPECT_EQ(CountCode(c, QELBOXN_OVERHEADWIDTHCHANGE), 1);
    ClearNotes();
    QelBox_SetShowTreeLines(c, FALSE); // the gap stays while labels are shown
    ASSERT_EQ(QelBox_SetItemBitmap(c, -1, nullptr), 1);
    ASSERT_EQ(QelBox_SetItemLabel(c, -1, nullptr), 1);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), 0);
    EXPECT_EQ(CountCode(c, QELBOXN_OVERHEADWIDTHCHANGE), 2);
}

// Hit testing

// Rows shown, top index and scrolling rows into view

TEST_F(LayoutTest, ItemsShownOfADropDown) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 3);
    const int area = QelBox_GetItemHeight(c, -1);
    EXPECT_EQ(QelBox_GetItemsShown(c), 6);
    // {dropped height, rows shown}; a negative height is in pixels, per
    // display area.
    const int heights[][2] = {{4, 4}, {-100, 100 / area}, {-(area - 1), 1}, {6, 6}};
    for (const auto& h : heights) {
        ASSERT_EQ(QelBox_SetDroppedHeight(c, h[0]), 0);
        EXPECT_EQ(QelBox_GetItemsShown(c), h[1]) << h[0];
    }
    // Dropped with fixed heights: still the setting, even with fewer rows.
    ASSERT_EQ(QelBox_ShowDropDown(c, TRUE), 1);
    EXPECT_EQ(QelBox_GetItemsShown(c), 6);
    // Open with variable heights: the whole rows from the top row.
    HWND v = Make(QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_VARIABLE, 20, 220);
    ASSERT_EQ(QelBox_SetDroppedHeight(v, 5), 0);
    ASSERT_EQ(QelBox_ShowDropDown(v, TRUE), 1);
    ASSERT_EQ(Height(ClientOf(List(v))), 5 * QelBox_GetItemHeight(v, 0));
    EXPECT_EQ(QelBox_GetItemsShown(v), 5);
    ASSERT_EQ(QelBox_SetTopIndex(v, 17), 0);
    EXPECT_EQ(QelBox_GetTopIndex(v), 15);
    EXPECT_EQ(QelBox_GetItemsShown(v), 5);
}

TEST_F(LayoutTest, SetTopIndexKeepsTheLastPageFull) {
    HWND c = SimpleShowing(10, 30);
    HWND list = List(c);
    UpdateWindow(list);
    // {requested, result, top row}
    const int requests[][3] = {{29, 0, 20}, {-1, -1, 20}, {30, -1, 20}, {20, 0, 20}, {2, 0, 2}};
    for (const auto& r : requests) {
        EXPECT_EQ(QelBox_SetTopIndex(c, r[0]), r[1]) << r[0];
        EXPECT_EQ(QelBox_GetTopIndex(c), r[2]) << r[0];
    }
    EXPECT_CODES(c); // the exported setter never notifies
    HWND few = SimpleShowing(10, 5);
    EXPECT_EQ(QelBox_SetTopIndex(few, 4), 0);
    EXPECT_EQ(QelBox_GetTopIndex(few), 0);
    // A closed drop-down counts its dropped height.
    HWND closed = Make(QELBOXSTYLE_DROPDOWN, 0, 30, 220);
    EXPECT_EQ(QelBox_SetTopIndex(closed, 29), 0);
    EXPECT_EQ(QelBox_GetTopIndex(closed), 24);
}

TEST_F(LayoutTest, MakeRowVisibleScrollsOnlyWhenNeededAndNotifies) {
    HWND c = SimpleShowing(10, 30);
    // {row, top row after}: 10 and 15 become the bottom row, 2 the top one.
    const int rows[][2] = {{9, 0}, {10, 1}, {15, 6}, {8, 6}, {30, 6}, {-1, 6}, {2, 2}};
    for (const auto& r : rows) {
        QelBox_MakeRowVisible(c, r[0]);
        EXPECT_EQ(QelBox_GetTopIndex(c), r[1]) << r[0];
    }
    EXPECT_CODES(c, QELBOXN_TOPINDEXCHANGE, QELBOXN_TOPINDEXCHANGE, QELBOXN_TOPINDEXCHANGE);

    // Without a list window there is nothing to scroll.
    HWND closed = Make(QELBOXSTYLE_DROPDOWN, 0, 30, 430);
    QelBox_MakeRowVisible(closed, 20);
    EXPECT_EQ(QelBox_GetTopIndex(closed), 0);
    EXPECT_CODES(closed);
}

TEST_F(LayoutTest, MouseWheelNotifiesOnlyWhenTheTopRowChanges) {
    HWND c = SimpleShowing(10, 30);
    UINT lines = 1;
    if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 1;
    const int step = static_cast<int>(lines);
    auto wheel = [c](int delta) {
        SendMessageA(c, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
        return QelBox_GetTopIndex(c);
    };
    EXPECT_EQ(wheel(120), 0); // already at the top
    EXPECT_EQ(wheel(-120), std::min(step, 20));
    ASSERT_EQ(QelBox_SetTopIndex(c, 20), 0);
    EXPECT_EQ(wheel(-120), 20); // at the end
    EXPECT_EQ(wheel(240), 20 - 2 * step);
    EXPECT_CODES(c, QELBOXN_TOPINDEXCHANGE, QELBOXN_TOPINDEXCHANGE);
}

// Scroll bars of the list window

// Horizontal offset and making columns visible

TEST_F(LayoutTest, ClosedDropDownEstimatesItsListWidth) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 3);
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 800), 1);
    auto lastOffset = [c] {
        EXPECT_EQ(QelBox_SetHorizontalOffset(c, -1), 1);
        return QelBox_GetHorizontalOffset(c);
    };
    // Width 0: the closed display area.
    EXPECT_EQ(lastOffset(), 800 - (200 - GetSystemMetrics(SM_CXVSCROLL)));
    ASSERT_EQ(QelBox_SetDroppedWidth(c, 250), 0);
    EXPECT_EQ(lastOffset(), 550);
    // Half the control's width: the percentage taken of the drop-down width
    // once more.
    ASSERT_EQ(QelBox_SetDroppedWidth(c, -50), 0);
    EXPECT_EQ(lastOffset(), 800 - 50);
    // Open: the list's own client width.
    ASSERT_EQ(QelBox_SetDroppedWidth(c, 0), 0);
    ASSERT_EQ(QelBox_ShowDropDown(c, TRUE), 1);
    EXPECT_EQ(lastOffset(), 800 - Width(ClientOf(List(c))));
}

// Dropped size and position, and the style setter

} // namespace

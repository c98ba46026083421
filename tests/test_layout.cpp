// Layout and hit testing: row and display-area heights, the control's own
// height, placement of the edit field and the permanent list, the rectangle
// queries, hit testing, scrolling rows and columns into view, the list
// window's scroll bars and the dropped size properties. Font heights and
// system metrics are read from the system.
#include "harness.h"

#include <algorithm>
#include <ostream>

// The record is reached directly in one place only: to make a control
// behave as on a system without SetScrollInfo, which Wine always has.
#include "../Source/base/record.h"

bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != 0;
}

void PrintTo(const RECT& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

const RECT kEmpty = {0, 0, 0, 0};

class LayoutTest : public ControlTest {
  protected:
    ~LayoutTest() override {
        // After TearDown: the controls that used these objects are gone.
        for (HGDIOBJ object : gdi_)
            DeleteObject(object);
    }

    static RECT Rect(int left, int top, int right, int bottom) {
        return {left, top, right, bottom};
    }
    static int Width(const RECT& r) { return r.right - r.left; }
    static int Height(const RECT& r) { return r.bottom - r.top; }
    static RECT ClientOf(HWND window) {
        RECT r;
        GetClientRect(window, &r);
        return r;
    }
    // Window rectangle of `window` in the client coordinates of `other`.
    static RECT RectIn(HWND window, HWND other) {
        RECT r;
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, other, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    static TEXTMETRICA Metrics(HFONT font) {
        TEXTMETRICA tm = {};
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
        GetTextMetricsA(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        return tm;
    }
    static int FontHeight(HFONT font) { return Metrics(font).tmHeight; }
    static HFONT ControlFont(HWND c) {
        return reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0));
    }
    static HWND List(HWND c) { return QelBox_GetHWNDDropDown(c); }
    static bool HasStyle(HWND w, LONG bits) { return (GetWindowLongA(w, GWL_STYLE) & bits) != 0; }

    // The row's rectangle; the call must return `result`.
    static RECT ItemRect(HWND c, int index, int result = 0) {
        RECT r = Rect(-7, -7, -7, -7);
        EXPECT_EQ(QelBox_GetItemRect(c, index, &r), result) << "row " << index;
        return r;
    }
    static RECT CellRect(HWND c, int index, int column) {
        RECT* r = QelBox_GetCellRect(c, index, column);
        return r ? *r : Rect(-1, -1, -1, -1);
    }
    static RECT Got(void(WINAPI* query)(HWND, int, RECT*), HWND c, int i) {
        RECT r = Rect(-7, -7, -7, -7);
        query(c, i, &r);
        return r;
    }
    static RECT Got(void(WINAPI* query)(HWND, RECT*), HWND c) {
        RECT r = Rect(-7, -7, -7, -7);
        query(c, &r);
        return r;
    }
    static void ExpectHit(HWND c, int x, int y, int index, int area) {
        POINT pt = {x, y};
        int got = -5;
        EXPECT_EQ(QelBox_CalcIndexFromPoint(c, &pt, &got), index) << x << "," << y;
        EXPECT_EQ(got, area) << x << "," << y;
    }
    // The part of a window waiting to be repainted (empty when none).
    static RECT UpdateRect(HWND window) {
        RECT r;
        if (!GetUpdateRect(window, &r, FALSE)) SetRectEmpty(&r);
        return r;
    }
    static SCROLLINFO ScrollInfo(HWND window, int bar) {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        GetScrollInfo(window, bar, &info);
        return info;
    }
    static int RangeMax(HWND window, int bar) {
        int lo = -1, hi = -1;
        GetScrollRange(window, bar, &lo, &hi);
        EXPECT_EQ(lo, 0);
        return hi;
    }
    // True when the bar cannot be used: the whole bar or both arrows are
    // unavailable.
    static bool ScrollBarDisabled(HWND window, LONG object) {
        SCROLLBARINFO info = {};
        info.cbSize = sizeof(info);
        GetScrollBarInfo(window, object, &info);
        const DWORD off = STATE_SYSTEM_UNAVAILABLE;
        return (info.rgstate[0] & off) || ((info.rgstate[1] & off) && (info.rgstate[5] & off));
    }
    // A control on a system without SetScrollInfo: the older scroll-bar
    // calls keep the bars; such a system has no page size either.
    static void UseClassicScrollBars(HWND control) {
        reinterpret_cast<ControlRecord*>(GetWindowLongPtrA(control, 0))->pfnSetScrollInfo = nullptr;
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_PAGE;
        SetScrollInfo(List(control), SB_VERT, &info, FALSE);
        SetScrollInfo(List(control), SB_HORZ, &info, FALSE);
    }
    static int CountOf(HWND control, int code) {
        std::vector<int> codes = Codes(control, true);
        return static_cast<int>(std::count(codes.begin(), codes.end(), code));
    }
    static void SetColumnWidths(HWND control, std::initializer_list<int> widths, DWORD style = 0) {
        std::vector<ColumnRecord> columns;
        for (int w : widths) {
            columns.push_back(ColumnRecord());
            columns.back().width = w;
            columns.back().style = style;
        }
        ASSERT_EQ(QelBox_SetColumns(control, static_cast<int>(columns.size()), columns.data()), 1);
    }
    // The row-header bitmap of a row (-1: the prototype).
    static void SetRowBitmap(HWND control, HBITMAP bitmap, int index = -1) {
        RowInfo info = {};
        info.version = 1;
        info.index = index;
        info.bitmap = bitmap;
        ASSERT_EQ(QelBox_SetRowInfo(control, &info), 1);
    }

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
    HBITMAP Bitmap(int width, int height) {
        gdi_.push_back(CreateBitmap(width, height, 1, 1, nullptr));
        return static_cast<HBITMAP>(gdi_.back());
    }
    HFONT Font(int height) {
        gdi_.push_back(CreateFontA(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                                   "DejaVu Sans"));
        return static_cast<HFONT>(gdi_.back());
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
    HWND SimpleShowing(int shown, int count, DWORD style = 0, int width = 200,
                       std::initializer_list<int> columns = {}) {
        HWND control = Make(QELBOXSTYLE_SIMPLE, style, 0, 10, 10, 300, width);
        if (columns.size()) SetColumnWidths(control, columns);
        AddRows(control, count);
        ResizeClient(control, QelBox_GetItemHeight(control, -1) + 4 +
                                  shown * QelBox_GetItemHeight(control, 0));
        ClearNotes();
        return control;
    }

    std::vector<HGDIOBJ> gdi_;
};

TEST_F(LayoutTest, FixedRowHeight) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN);
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), -1); // no rows yet
    AddRows(c, 3);
    EXPECT_EQ(QelBox_GetItemHeight(c, 3), -1);
    EXPECT_EQ(QelBox_GetItemHeight(c, -2), -1);
    EXPECT_EQ(QelBox_SetItemLines(c, 0), 0);
    EXPECT_EQ(QelBox_SetItemLines(c, -3), 0);
    EXPECT_EQ(QelBox_GetItemLines(c), 1);
    const int font = FontHeight(ControlFont(c));
    QelBox_SetShowGrid(c, TRUE); // grid style 2 at creation: lines both ways
    EXPECT_EQ(QelBox_GetItemHeight(c, 2), font + 1);
    // Item lines, grid shown and style, 3-D look; prototype heights above
    // the font (0: none) of label, item bitmap, cell bitmap and row-header
    // bitmap; row headers shown; the expected height above lines x font.
    const struct {
        int lines, grid, style, look3D, label, bitmap, cell, rowBitmap, rowHeaders, extra;
    } looks[] = {
        {1, 0, 2, 0, 0, 0, 0, 0, 0, 0},   // plain
        {1, 1, 1, 0, 0, 0, 0, 0, 0, 1},   // grid style 1: lines both ways too
        {1, 1, 0, 0, 0, 0, 0, 0, 0, 0},   // style 0: vertical lines only
        {1, 1, 2, 1, 0, 0, 0, 0, 0, 4},   // 3-D: 4 more and no grid line
        {1, 0, 2, 1, 0, 0, 0, 0, 0, 4},   // 3-D without the grid
        {2, 0, 2, 0, 0, 0, 0, 0, 0, 0},   // two lines
        {2, 0, 2, 1, 0, 0, 0, 0, 0, 4},   // 3-D once, not per line
        {1, 0, 2, 0, 2, 0, 0, 0, 0, 2},   // label and item bitmap: minimums
        {1, 0, 2, 1, 2, 0, 0, 0, 0, 4},   // after the 3-D allowance
        {1, 0, 2, 0, 0, 10, 0, 0, 0, 10}, // item bitmap
        {1, 1, 2, 0, 0, 10, 0, 0, 0, 11}, // the grid line comes on top
        {1, 0, 2, 0, 0, 0, 6, 0, 0, 6},   // the cell bitmap comes
        {1, 0, 2, 1, 0, 0, 6, 0, 0, 10},  // before the 3-D allowance
        {1, 0, 2, 0, 0, 0, 0, 0, 1, 3},   // row headers: their font + 3
        {1, 0, 2, 1, 0, 0, 0, 0, 1, 4},   // 3-D already exceeds that
        {1, 0, 2, 1, 0, 0, 0, 15, 1, 18}, // and their bitmap + 3
        {1, 0, 2, 1, 0, 0, 0, 15, 0, 4},  // no row headers: no minimum
    };
    auto bitmap = [&](int extra) { return extra ? Bitmap(16, font + extra) : nullptr; };
    for (const auto& look : looks) {
        SCOPED_TRACE(testing::Message() << "look " << &look - looks);
        EXPECT_EQ(QelBox_SetItemLines(c, look.lines), 1);
        QelBox_SetShowGrid(c, look.grid);
        QelBox_SetGridStyle(c, look.style);
        QelBox_SetShow3D(c, look.look3D);
        EXPECT_EQ(QelBox_SetItemLabel(c, -1, bitmap(look.label)), 1);
        EXPECT_EQ(QelBox_SetItemBitmap(c, -1, bitmap(look.bitmap)), 1);
        CellInfo cell = {};
        cell.version = 1;
        cell.index = -1;
        cell.column = 99; // not read for the prototype
        cell.bitmap = bitmap(look.cell);
        EXPECT_EQ(QelBox_SetCellInfo(c, &cell), 1);
        SetRowBitmap(c, bitmap(look.rowBitmap));
        QelBox_SetShowRowHeader(c, look.rowHeaders);
        EXPECT_EQ(QelBox_GetItemHeight(c, 1), look.lines * font + look.extra);
    }
    // A handle that is no bitmap is refused and changes nothing.
    ASSERT_EQ(QelBox_SetItemBitmap(c, -1, Bitmap(16, font + 10)), 1);
    EXPECT_EQ(QelBox_SetItemBitmap(c, -1, reinterpret_cast<HBITMAP>(0x7654)), 0);
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font + 10);
}

TEST_F(LayoutTest, DisplayAreaHeight) {
    auto area = [](HWND c) { return QelBox_GetItemHeight(c, -1); };
    // With an edit field: its font + 4, raised by row headers and their
    // bitmap; the row look does not count.
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 2);
    const int edit = FontHeight(QelBox_GetEditCtlFont(c));
    EXPECT_EQ(area(c), edit + 4);
    QelBox_SetShowRowHeader(c, 3);
    EXPECT_EQ(area(c), edit + 4);
    QelBox_SetEditCtlFont(c, Font(6), FALSE); // below the row headers' font + 3
    EXPECT_EQ(area(c), FontHeight(ControlFont(c)) + 3);
    SetRowBitmap(c, Bitmap(10, 40));
    EXPECT_EQ(area(c), 43);
    QelBox_SetShowRowHeader(c, 0);
    HFONT big = Font(24);
    QelBox_SetEditCtlFont(c, big, FALSE);
    QelBox_SetShow3D(c, TRUE);
    EXPECT_EQ(area(c), FontHeight(big) + 4);
    // Variable heights: the committed row's own row-header bitmap, not the
    // prototype.
    HWND v = Make(QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_VARIABLE, 3, 10, 100);
    QelBox_SetRowHeaderWidth(v, 30);
    SetRowBitmap(v, Bitmap(10, 20));
    SetRowBitmap(v, Bitmap(10, 40), 1);
    EXPECT_EQ(area(v), edit + 4);
    QelBox_SetCurSel(v, 1);
    EXPECT_EQ(area(v), 43);
    QelBox_SetCurSel(v, 2);
    EXPECT_EQ(area(v), edit + 4);
    EXPECT_EQ(Height(ClientOf(v)), edit + 4);
    // Drop-down list: the committed row + 4 (row 0's rule while empty).
    HWND list = Make(QELBOXSTYLE_DROPDOWNLIST, 0, 0, 10, 200);
    const int font = FontHeight(ControlFont(list));
    EXPECT_EQ(area(list), font + 4);
    AddRows(list, 3);
    QelBox_SetShow3D(list, TRUE);
    EXPECT_EQ(area(list), font + 8);
    QelBox_SetItemLines(list, 3);
    QelBox_SetCurSel(list, 2);
    EXPECT_EQ(area(list), 3 * font + 8);
}

// The control's own height

TEST_F(LayoutTest, DropDownControlIsAsTallAsItsClosedContent) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN);
    const int area = QelBox_GetItemHeight(c, -1);
    EXPECT_EQ(RectIn(c, TestParent()), Rect(10, 10, 210, 10 + area));
    QelBox_SetShowHeader(c, 1);
    EXPECT_EQ(Height(ClientOf(c)), FontHeight(ControlFont(c)) + 3 + area);
    QelBox_SetShowHeader(c, 0);
    EXPECT_EQ(Height(ClientOf(c)), area);
    // With a border; content that grows makes it grow, keeping its top.
    HWND b = Make(QELBOXSTYLE_DROPDOWNLIST, WS_BORDER, 0, 10, 100);
    const int listArea = QelBox_GetItemHeight(b, -1);
    EXPECT_EQ(Height(ClientOf(b)), listArea);
    EXPECT_EQ(RectIn(b, TestParent()),
              Rect(10, 100, 210, 100 + listArea + 2 * GetSystemMetrics(SM_CYBORDER)));
    QelBox_SetShow3D(b, TRUE);
    EXPECT_EQ(Height(ClientOf(b)), listArea + 4);
    EXPECT_EQ(RectIn(b, TestParent()).top, 100);
    // Hidden or with redraw off, the layout waits; showing alone
    // recalculates nothing, the next recalculation catches up.
    ShowWindow(c, SW_HIDE);
    SetWindowPos(c, nullptr, 0, 0, 200, 40, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Height(ClientOf(c)), 40);
    ShowWindow(c, SW_SHOW);
    EXPECT_EQ(Height(ClientOf(c)), 40);
    QelBox_SetShow3D(c, TRUE);
    EXPECT_EQ(Height(ClientOf(c)), area);
    SendMessageA(c, WM_SETREDRAW, FALSE, 0);
    HFONT big = Font(28);
    QelBox_SetEditCtlFont(c, big, FALSE);
    EXPECT_EQ(Height(ClientOf(c)), area);
    SendMessageA(c, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(Height(ClientOf(c)), FontHeight(big) + 4);
}

TEST_F(LayoutTest, AlignmentStylesKeepTheBottomOrTheCentre) {
    HWND bottom = Make(QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_ALIGNBOTTOM);
    HWND centre = Make(QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_ALIGNCENTER, 0, 10, 100);
    const int area = QelBox_GetItemHeight(bottom, -1);
    ASSERT_LT(area, 40);
    EXPECT_EQ(RectIn(bottom, TestParent()), Rect(10, 50 - area, 210, 50));
    // The centre stays: the control shrinks once, straight to its height.
    const int top = 100 + (40 - area) / 2;
    EXPECT_EQ(RectIn(centre, TestParent()), Rect(10, top, 210, top + area));
    // Growing keeps the same edge.
    HFONT big = Font(30);
    const int grown = FontHeight(big) + 4;
    ASSERT_GT(grown, area);
    QelBox_SetEditCtlFont(bottom, big, FALSE);
    EXPECT_EQ(RectIn(bottom, TestParent()), Rect(10, 50 - grown, 210, 50));
    QelBox_SetEditCtlFont(centre, big, FALSE);
    const int moved = top + (area - grown) / 2;
    EXPECT_EQ(RectIn(centre, TestParent()), Rect(10, moved, 210, moved + grown));
}

TEST_F(LayoutTest, SimpleControlIsTrimmedToWholeRows) {
    HWND c = Make(QELBOXSTYLE_SIMPLE, 0, 30, 10, 10, 300);
    const int rh = QelBox_GetItemHeight(c, 0);
    const int top = QelBox_GetItemHeight(c, -1) + 4; // where the list starts
    ResizeClient(c, top + 11 * rh + rh / 2);
    EXPECT_EQ(Height(ClientOf(c)), top + 11 * rh);
    EXPECT_EQ(RectIn(List(c), c), Rect(0, top, 200, top + 11 * rh));
    EXPECT_EQ(QelBox_GetItemsShown(c), 11);
    ResizeClient(c, top + rh - 1); // not even one row: only the closed part
    EXPECT_EQ(Height(ClientOf(c)), top);
    EXPECT_EQ(Height(ClientOf(List(c))), 0);
    EXPECT_EQ(QelBox_GetItemsShown(c), 1);
    ResizeClient(c, top + 3 * rh);
    EXPECT_EQ(Height(ClientOf(c)), top + 3 * rh);
    EXPECT_EQ(QelBox_GetItemsShown(c), 3);
    // A shown horizontal scroll bar is allowed for.
    HWND h = Make(QELBOXSTYLE_SIMPLE, WS_HSCROLL, 30, 220, 10, 300);
    ASSERT_EQ(QelBox_SetHorizontalExtent(h, 1000), 1);
    ASSERT_TRUE(HasStyle(List(h), WS_HSCROLL));
    const int bar = GetSystemMetrics(SM_CYHSCROLL);
    ResizeClient(h, top + bar + 5 * rh + 2);
    EXPECT_EQ(Height(ClientOf(h)), top + bar + 5 * rh);
    EXPECT_EQ(Height(ClientOf(List(h))), 5 * rh);
    EXPECT_EQ(QelBox_GetItemsShown(h), 5);
    ResizeClient(h, top + bar + rh - 1);
    EXPECT_EQ(Height(ClientOf(h)), top);
    // Variable heights keep the height; the row partly below the bottom edge
    // is returned whole.
    HWND v = Make(QELBOXSTYLE_SIMPLE, QELBOXSTYLE_VARIABLE, 30, 430, 10, 300);
    ResizeClient(v, top + 10 * rh + 5);
    EXPECT_EQ(Height(ClientOf(v)), top + 10 * rh + 5);
    EXPECT_EQ(QelBox_GetItemsShown(v), 10);
    EXPECT_EQ(ItemRect(v, 10), Rect(0, 10 * rh, 200, 11 * rh));
    ItemRect(v, 11, -1);
}

// Edit field placement

TEST_F(LayoutTest, EditFieldPlacement) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN);
    const int tm = FontHeight(QelBox_GetEditCtlFont(c));
    const int right = 200 - GetSystemMetrics(SM_CXVSCROLL) - 2;
    EXPECT_EQ(RectIn(QelBox_GetHWNDEdit(c), c), Rect(2, 2, right, 2 + tm));
    // A row-header bitmap makes the area 43 high: a single-line field keeps
    // its line height, centred right of the row headers...
    QelBox_SetRowHeaderWidth(c, 30);
    SetRowBitmap(c, Bitmap(10, 40));
    const int top = 2 + (43 - 4 - tm) / 2;
    EXPECT_EQ(RectIn(QelBox_GetHWNDEdit(c), c), Rect(32, top, right, top + tm));
    // ...a multi-line one fills the area.
    SetColumnWidths(c, {150}, QELBOX_MULTILINE);
    ASSERT_TRUE(HasStyle(QelBox_GetHWNDEdit(c), ES_MULTILINE));
    EXPECT_EQ(RectIn(QelBox_GetHWNDEdit(c), c), Rect(32, 2, right, 43 - 2));
    // Simple type: no button; below the header strip when it is shown.
    HWND s = Make(QELBOXSTYLE_SIMPLE, 0, 0, 220, 10, 150);
    EXPECT_EQ(RectIn(QelBox_GetHWNDEdit(s), s), Rect(2, 2, 198, 2 + tm));
    QelBox_SetShowHeader(s, 2);
    const int header = FontHeight(ControlFont(s)) + 3;
    EXPECT_EQ(RectIn(QelBox_GetHWNDEdit(s), s), Rect(2, header + 2, 198, header + 2 + tm));
    EXPECT_EQ(RectIn(List(s), s).top, header + QelBox_GetItemHeight(s, -1) + 4);
}

// Rectangles

TEST_F(LayoutTest, ItemRectsOfTheVisibleRowsAndTheDisplayArea) {
    HWND c = SimpleShowing(10, 30, WS_VSCROLL);
    const int rh = QelBox_GetItemHeight(c, 0);
    const int w = Width(ClientOf(List(c)));
    ASSERT_EQ(w, 200 - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(ItemRect(c, 0), Rect(0, 0, w, rh));
    EXPECT_EQ(ItemRect(c, 9), Rect(0, 9 * rh, w, 10 * rh));
    for (int index : {10, 30, -2}) // below the bottom edge; no such row
        EXPECT_EQ(ItemRect(c, index, -1), kEmpty);
    EXPECT_EQ(QelBox_GetItemRect(c, 2, nullptr), 0);
    // Index -1: the closed display area (no button in the simple type).
    EXPECT_EQ(ItemRect(c, -1), Rect(0, 0, 200, QelBox_GetItemHeight(c, -1)));

    ASSERT_EQ(QelBox_SetTopIndex(c, 5), 0);
    EXPECT_EQ(ItemRect(c, 4, -1), kEmpty); // above the top row
    EXPECT_EQ(ItemRect(c, 5), Rect(0, 0, w, rh));
    // Row headers raise the rows to their own minimum.
    QelBox_SetRowHeaderWidth(c, 25);
    const int hr = QelBox_GetItemHeight(c, 0);
    EXPECT_EQ(ItemRect(c, 6), Rect(25, hr, w, 2 * hr));
    EXPECT_EQ(ItemRect(c, -1), Rect(25, 0, 200, QelBox_GetItemHeight(c, -1)));
    // A closed drop-down has only its display area, left of the button.
    HWND d = Make(QELBOXSTYLE_DROPDOWN, 0, 5, 220);
    EXPECT_EQ(ItemRect(d, 0, -1), kEmpty);
    EXPECT_EQ(ItemRect(d, -1),
              Rect(0, 0, 200 - GetSystemMetrics(SM_CXVSCROLL), QelBox_GetItemHeight(d, -1)));
    ASSERT_EQ(QelBox_ShowDropDown(d, TRUE), 1);
    EXPECT_EQ(ItemRect(d, 2), Rect(0, 2 * rh, Width(ClientOf(List(d))), 3 * rh));
}

TEST_F(LayoutTest, CellRectsSplitTheRowIntoColumns) {
    HWND c = SimpleShowing(10, 30, 0, 200, {60, 80});
    const int rh = QelBox_GetItemHeight(c, 0);
    EXPECT_EQ(CellRect(c, 2, 0), Rect(0, 2 * rh, 60, 3 * rh));
    // Open-ended (the default): the last column reaches the list's right
    // edge, or the extent.
    EXPECT_EQ(CellRect(c, 2, 1), Rect(60, 2 * rh, Width(ClientOf(List(c))), 3 * rh));
    QelBox_SetOpenEnded(c, 0);
    EXPECT_EQ(CellRect(c, 2, 1), Rect(60, 2 * rh, 140, 3 * rh));
    QelBox_SetOpenEnded(c, 1);
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 400), 1);
    EXPECT_EQ(CellRect(c, 2, 1), Rect(60, 2 * rh, 400, 3 * rh));
    // Refused: nothing committed, no such column or row, a row out of view.
    EXPECT_EQ(QelBox_GetCellRect(c, -1, -1), nullptr);
    EXPECT_EQ(QelBox_GetCellRect(c, 0, 2), nullptr);
    EXPECT_EQ(QelBox_GetCellRect(c, 30, 0), nullptr);
    EXPECT_EQ(QelBox_GetCellRect(c, 15, 0), nullptr);
    // -1: the committed row and the caret column.
    QelBox_SetCurSel(c, 3);
    EXPECT_EQ(CellRect(c, -1, -1), Rect(0, 3 * rh, 60, 4 * rh));
    EXPECT_EQ(CellRect(c, -1, 1).left, 60);
    // The horizontal offset moves the cells, row headers shift them.
    ASSERT_EQ(QelBox_SetHorizontalOffset(c, 50), 1);
    EXPECT_EQ(CellRect(c, 0, 0), Rect(-50, 0, 10, rh));
    QelBox_SetRowHeaderWidth(c, 20);
    const int hr = QelBox_GetItemHeight(c, 0);
    EXPECT_EQ(CellRect(c, 0, 0), Rect(-30, 0, 30, hr));
    EXPECT_EQ(CellRect(c, 0, 1), Rect(30, 0, 370, hr));
    // The pointer is the control's own, rewritten by every call.
    EXPECT_EQ(QelBox_GetCellRect(c, 1, 1), QelBox_GetCellRect(c, 0, 0));

    HWND closed = Make(QELBOXSTYLE_DROPDOWN, 0, 3, 220);
    EXPECT_EQ(QelBox_GetCellRect(closed, 0, 0), nullptr);
}

TEST_F(LayoutTest, TreeAreaOfTheFirstVisibleColumn) {
    HWND c = SimpleShowing(10, 5, 0, 200, {60, 80});
    QelBox_SetOpenEnded(c, 0);
    const int rh = QelBox_GetItemHeight(c, 0);
    ASSERT_EQ(QelBox_SetItemLabel(c, -1, Bitmap(8, 8)), 1);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), 10); // gap 2 + label 8
    EXPECT_EQ(CellRect(c, 0, 0), Rect(10, 0, 70, rh));
    EXPECT_EQ(CellRect(c, 0, 1), Rect(70, 0, 150, rh));
    // A hidden first column hands the tree area to the next visible one.
    SetColumnWidths(c, {0, 80});
    EXPECT_EQ(CellRect(c, 1, 0), Rect(10, rh, 10, 2 * rh));
    EXPECT_EQ(CellRect(c, 1, 1), Rect(10, rh, 10 + 80 + 10, 2 * rh));
    // Deeper rows start further right, in the first column only. A level is
    // a widest character without item bitmaps, half a bitmap with them, a
    // whole one with tree lines.
    SetColumnWidths(c, {60, 80});
    ASSERT_EQ(QelBox_SetItemLevel(c, 1, 2), 1);
    const int overhead = 2 + 2 * Metrics(ControlFont(c)).tmMaxCharWidth + 8;
    EXPECT_EQ(QelBox_GetOverheadWidth(c), overhead);
    EXPECT_EQ(CellRect(c, 0, 0), Rect(10, 0, overhead + 60, rh));
    EXPECT_EQ(CellRect(c, 1, 0), Rect(overhead, rh, overhead + 60, 2 * rh));
    EXPECT_EQ(CellRect(c, 1, 1), Rect(overhead + 60, rh, overhead + 140, 2 * rh));
    ASSERT_EQ(QelBox_SetItemBitmap(c, -1, Bitmap(16, 8)), 1);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), 2 + 2 * 8 + 16 + 8);
    QelBox_SetShowTreeLines(c, TRUE);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), 2 + 2 * 16 + 16 + 8);
}

TEST_F(LayoutTest, OverheadWidthChangeIsNotifiedOnlyWhenTheWidthChanges) {
    HWND c = SimpleShowing(5, 5);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), 0);
    HBITMAP label = Bitmap(8, 8);
    ASSERT_EQ(QelBox_SetItemLabel(c, -1, label), 1);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), 10);
    EXPECT_EQ(CountOf(c, QELBOXN_OVERHEADWIDTHCHANGE), 1);
    ClearNotes();
    ASSERT_EQ(QelBox_SetItemLabel(c, -1, label), 1);
    QelBox_SetShowTreeLines(c, TRUE); // level 0 has no indentation to change
    EXPECT_EQ(CountOf(c, QELBOXN_OVERHEADWIDTHCHANGE), 0);
    ASSERT_EQ(QelBox_SetItemBitmap(c, -1, Bitmap(16, 8)), 1);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), 26);
    EXPECT_EQ(CountOf(c, QELBOXN_OVERHEADWIDTHCHANGE), 1);
    ClearNotes();
    QelBox_SetShowTreeLines(c, FALSE); // the gap stays while labels are shown
    ASSERT_EQ(QelBox_SetItemBitmap(c, -1, nullptr), 1);
    ASSERT_EQ(QelBox_SetItemLabel(c, -1, nullptr), 1);
    EXPECT_EQ(QelBox_GetOverheadWidth(c), 0);
    EXPECT_EQ(CountOf(c, QELBOXN_OVERHEADWIDTHCHANGE), 2);
}

TEST_F(LayoutTest, HeaderRectsFollowTheColumnsAndTheOffset) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN);
    SetColumnWidths(c, {60, 80});
    EXPECT_EQ(Got(QelBox_GetHeaderRect, c, 0), kEmpty); // no header strip

    QelBox_SetShowHeader(c, 1);
    const int hh = FontHeight(ControlFont(c)) + 3;
    const int right = 200 - GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(Got(QelBox_GetHeaderRect, c, -1), Rect(0, 0, right, hh));
    EXPECT_EQ(Got(QelBox_GetHeaderRect, c, 0), Rect(0, 0, 60, hh));
    EXPECT_EQ(Got(QelBox_GetHeaderRect, c, 1), Rect(60, 0, right, hh)); // open-ended
    EXPECT_EQ(Got(QelBox_GetHeaderRect, c, 2), kEmpty);
    EXPECT_EQ(Got(QelBox_GetHeaderRect, c, -2), kEmpty);

    QelBox_SetRowHeaderWidth(c, 20);
    EXPECT_EQ(Got(QelBox_GetHeaderRect, c, -1), Rect(20, 0, right, hh));
    EXPECT_EQ(Got(QelBox_GetHeaderRect, c, 0), Rect(20, 0, 80, hh));
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 500), 1);
    ASSERT_EQ(QelBox_SetHorizontalOffset(c, 50), 1);
    EXPECT_EQ(Got(QelBox_GetHeaderRect, c, 1), Rect(30, 0, 20 - 50 + 500, hh));
    // The first visible header covers the tree area too.
    ASSERT_EQ(QelBox_SetItemLabel(c, -1, Bitmap(8, 8)), 1);
    EXPECT_EQ(Got(QelBox_GetHeaderRect, c, 0), Rect(-30, 0, -30 + 70, hh));
}

TEST_F(LayoutTest, RowHeaderCornerAndButtonRects) {
    HWND c = SimpleShowing(10, 30);
    EXPECT_EQ(Got(QelBox_GetRowHeaderRect, c, 0), kEmpty); // no row headers
    QelBox_SetRowHeaderWidth(c, 24);
    const int rh = QelBox_GetItemHeight(c, 0);
    EXPECT_EQ(Got(QelBox_GetRowHeaderRect, c, -1), Rect(0, 0, 24, QelBox_GetItemHeight(c, -1)));
    EXPECT_EQ(Got(QelBox_GetRowHeaderRect, c, 2), Rect(0, 2 * rh, 24, 3 * rh));
    // A row out of view gets the whole row-header column of the list.
    EXPECT_EQ(Got(QelBox_GetRowHeaderRect, c, 20), Rect(0, 0, 24, Height(ClientOf(List(c)))));
    EXPECT_EQ(Got(QelBox_GetRowHeaderRect, c, 30), kEmpty);
    EXPECT_EQ(Got(QelBox_GetRowHeaderRect, c, -2), kEmpty);
    QelBox_GetRowHeaderRect(c, 0, nullptr);
    EXPECT_EQ(Got(QelBox_GetRowColHeaderRect, c), kEmpty); // no header strip, no corner
    // A closed drop-down has only the row header of its display area.
    HWND closed = Make(QELBOXSTYLE_DROPDOWNLIST, 0, 3, 220);
    QelBox_SetRowHeaderWidth(closed, 24);
    EXPECT_EQ(Got(QelBox_GetRowHeaderRect, closed, -1),
              Rect(0, 0, 24, QelBox_GetItemHeight(closed, -1)));
    EXPECT_EQ(Got(QelBox_GetRowHeaderRect, closed, 0), kEmpty);
    // Below a header strip; the corner; the drop-down button spans both.
    HWND d = Make(QELBOXSTYLE_DROPDOWN, 0, 5, 430);
    QelBox_SetShowHeader(d, 1);
    const int hh = FontHeight(ControlFont(d)) + 3;
    EXPECT_EQ(Got(QelBox_GetRowColHeaderRect, d), kEmpty); // no row headers
    QelBox_SetRowHeaderWidth(d, 24);
    EXPECT_EQ(Got(QelBox_GetRowColHeaderRect, d), Rect(0, 0, 24, hh));
    const int area = QelBox_GetItemHeight(d, -1);
    EXPECT_EQ(Got(QelBox_GetRowHeaderRect, d, -1), Rect(0, hh, 24, hh + area));
    EXPECT_EQ(Got(QelBox_GetDropDownButtonRect, d),
              Rect(200 - GetSystemMetrics(SM_CXVSCROLL), 0, 200, hh + area));
    QelBox_GetDropDownButtonRect(d, nullptr);
    EXPECT_EQ(Got(QelBox_GetDropDownButtonRect, c), kEmpty); // the simple type has none
}

// Hit testing

TEST_F(LayoutTest, CalcIndexFromPointFindsListRowsAndTheDisplayArea) {
    HWND c = SimpleShowing(10, 3);
    QelBox_SetRowHeaderWidth(c, 20);
    const int rh = QelBox_GetItemHeight(c, 0);
    const int area = QelBox_GetItemHeight(c, -1);
    const int listTop = area + 4;
    ExpectHit(c, 50, listTop + 2 * rh + 1, 2, 0);
    ExpectHit(c, 5, listTop, 0, 0);            // the row-header column counts
    ExpectHit(c, 50, listTop + 5 * rh, -1, 0); // below the last row
    ExpectHit(c, 50, area + 1, -1, 0);         // the gap above the list
    // The display area, its row header included: the committed row.
    ExpectHit(c, 5, 1, -1, 1);
    QelBox_SetCurSel(c, 1);
    ExpectHit(c, 5, 1, 1, 1);
    ExpectHit(c, 150, area - 1, 1, 1);
    // Rows are counted from the top row.
    AddRows(c, 30);
    ASSERT_EQ(QelBox_SetTopIndex(c, 7), 0);
    ExpectHit(c, 50, listTop + rh, 8, 0);
    POINT pt = {50, listTop};
    EXPECT_EQ(QelBox_CalcIndexFromPoint(c, &pt, nullptr), 7);
    // A drop-down: the button is no hit; the open list is.
    HWND d = Make(QELBOXSTYLE_DROPDOWN, 0, 8, 220);
    QelBox_SetCurSel(d, 4);
    const int middle = QelBox_GetItemHeight(d, -1) / 2;
    ExpectHit(d, 10, middle, 4, 1);
    ExpectHit(d, 198, middle, -1, 0);
    ASSERT_EQ(QelBox_ShowDropDown(d, TRUE), 1);
    POINT second = {5, QelBox_GetItemHeight(d, 0) + 2}; // second visible row
    MapWindowPoints(List(d), d, &second, 1);
    ExpectHit(d, second.x, second.y, QelBox_GetTopIndex(d) + 1, 0);
    ExpectHit(d, 10, middle, 4, 1);
}

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
    // Scrolling by less than a window moves the pixels and paints the
    // uncovered rows at once; further, the whole list is repainted.
    UpdateWindow(list);
    ASSERT_EQ(QelBox_SetTopIndex(c, 4), 0);
    EXPECT_EQ(UpdateRect(list), kEmpty);
    ASSERT_EQ(QelBox_SetTopIndex(c, 18), 0);
    EXPECT_EQ(UpdateRect(list), ClientOf(list));

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

    HWND v = Make(QELBOXSTYLE_SIMPLE, QELBOXSTYLE_VARIABLE, 40, 220, 10, 300);
    const int rh = QelBox_GetItemHeight(v, 0);
    ResizeClient(v, QelBox_GetItemHeight(v, -1) + 4 + 8 * rh + rh / 2);
    ASSERT_EQ(QelBox_GetItemsShown(v), 8);
    ClearNotes();
    QelBox_MakeRowVisible(v, 25);
    EXPECT_EQ(QelBox_GetTopIndex(v), 18);
    EXPECT_LE(ItemRect(v, 25).bottom, Height(ClientOf(List(v))));
    EXPECT_CODES(v, QELBOXN_TOPINDEXCHANGE);
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
    EXPECT_EQ(wheel(-120), min(step, 20));
    ASSERT_EQ(QelBox_SetTopIndex(c, 20), 0);
    EXPECT_EQ(wheel(-120), 20); // at the end
    EXPECT_EQ(wheel(240), 20 - 2 * step);
    EXPECT_CODES(c, QELBOXN_TOPINDEXCHANGE, QELBOXN_TOPINDEXCHANGE);
}

TEST_F(LayoutTest, RowChangesInvalidateTheirBandOfTheList) {
    HWND c = SimpleShowing(10, 30);
    QelBox_SetRowHeaderWidth(c, 30);
    HWND list = List(c);
    const int rh = QelBox_GetItemHeight(c, 0);
    const int right = ClientOf(list).right;
    UpdateWindow(list);
    auto expectUpdate = [list](RECT r) {
        EXPECT_EQ(UpdateRect(list), r);
        ValidateRect(list, nullptr);
    };
    ASSERT_EQ(QelBox_SetItemStatus(c, 2, FALSE), 1); // the whole row
    expectUpdate(Rect(0, 2 * rh, right, 3 * rh));
    ASSERT_EQ(QelBox_SetText_A(c, 3, 0, "x"), 1); // its cells only
    expectUpdate(Rect(30, 3 * rh, right, 4 * rh));
    ASSERT_EQ(QelBox_SetRowText_A(c, 4, "r"), 1); // its row header only
    expectUpdate(Rect(0, 4 * rh, 30, 5 * rh));
    ASSERT_EQ(QelBox_SetItemStatus(c, 15, FALSE), 1); // below the list
    expectUpdate(kEmpty);
    ASSERT_EQ(QelBox_SetTopIndex(c, 5), 0);
    UpdateWindow(list);
    ASSERT_EQ(QelBox_SetItemStatus(c, 4, FALSE), 1); // above the top row
    expectUpdate(kEmpty);
    ASSERT_EQ(QelBox_SetItemStatus(c, 7, FALSE), 1);
    expectUpdate(Rect(0, 2 * rh, right, 3 * rh));
    SendMessageA(c, WM_SETREDRAW, FALSE, 0);
    ASSERT_EQ(QelBox_SetItemStatus(c, 6, FALSE), 1);
    expectUpdate(kEmpty);
    SendMessageA(c, WM_SETREDRAW, TRUE, 0);
}

// Scroll bars of the list window

TEST_F(LayoutTest, VerticalScrollBarShowsRowsPageAndTop) {
    HWND c = SimpleShowing(10, 30, WS_VSCROLL);
    ASSERT_TRUE(HasStyle(List(c), WS_VSCROLL));
    SCROLLINFO info = ScrollInfo(List(c), SB_VERT);
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 29);
    EXPECT_EQ(info.nPage, 10u);
    ASSERT_EQ(QelBox_SetTopIndex(c, 29), 0);
    EXPECT_EQ(ScrollInfo(List(c), SB_VERT).nPos, 20);
    // Fewer rows than fit: the range covers one page, the bar goes away...
    HWND few = SimpleShowing(10, 4, WS_VSCROLL, 150);
    info = ScrollInfo(List(few), SB_VERT);
    EXPECT_EQ(info.nMax, 9);
    EXPECT_EQ(info.nPage, 10u);
    EXPECT_FALSE(HasStyle(List(few), WS_VSCROLL));
    // ...unless the style keeps it, disabled.
    HWND kept = SimpleShowing(10, 4, WS_VSCROLL | QELBOXSTYLE_DISABLENOSCROLL);
    HWND list = List(kept);
    EXPECT_EQ(QelBox_GetDisableNoScroll(kept), 1);
    EXPECT_TRUE(HasStyle(list, WS_VSCROLL));
    EXPECT_TRUE(ScrollBarDisabled(list, OBJID_VSCROLL));
    AddRows(kept, 20);
    EXPECT_FALSE(ScrollBarDisabled(list, OBJID_VSCROLL));
    EXPECT_EQ(ScrollInfo(list, SB_VERT).nMax, 23);
    QelBox_SetDisableNoScroll(kept, FALSE);
    EXPECT_EQ(QelBox_GetDisableNoScroll(kept), 0);
    QelBox_ResetContent(kept);
    AddRows(kept, 3);
    EXPECT_FALSE(HasStyle(list, WS_VSCROLL));
}

TEST_F(LayoutTest, ClassicScrollBarsWithoutScrollInfo) {
    HWND c = SimpleShowing(10, 30, WS_VSCROLL | WS_HSCROLL, 300);
    UseClassicScrollBars(c);
    HWND list = List(c);
    ASSERT_EQ(QelBox_SetTopIndex(c, 4), 0);
    EXPECT_EQ(RangeMax(list, SB_VERT), 30 - QelBox_GetItemsShown(c));
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 4);
    ASSERT_EQ(QelBox_SetTopIndex(c, 29), 0);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), QelBox_GetTopIndex(c));
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, Width(ClientOf(list)) + 250), 1);
    ASSERT_EQ(QelBox_SetHorizontalOffset(c, 100), 1);
    EXPECT_EQ(RangeMax(list, SB_HORZ), 250);
    EXPECT_EQ(GetScrollPos(list, SB_HORZ), 100);
    // Everything fits: a range of 0..0 removes the bars.
    QelBox_ResetContent(c);
    AddRows(c, 2);
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 0), 1);
    EXPECT_EQ(RangeMax(list, SB_VERT), 0);
    EXPECT_FALSE(HasStyle(list, WS_VSCROLL | WS_HSCROLL));
    // With the style the bar is disabled instead: range 0..1, at 0.
    HWND d = SimpleShowing(10, 30, WS_VSCROLL | QELBOXSTYLE_DISABLENOSCROLL);
    UseClassicScrollBars(d);
    list = List(d);
    ASSERT_EQ(QelBox_SetTopIndex(d, 3), 0);
    EXPECT_FALSE(ScrollBarDisabled(list, OBJID_VSCROLL));
    QelBox_ResetContent(d);
    AddRows(d, 2);
    EXPECT_EQ(RangeMax(list, SB_VERT), 1);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 0);
    EXPECT_TRUE(ScrollBarDisabled(list, OBJID_VSCROLL));
    EXPECT_TRUE(HasStyle(list, WS_VSCROLL));
    AddRows(d, 28); // enabled again with the real range
    EXPECT_EQ(RangeMax(list, SB_VERT), 30 - QelBox_GetItemsShown(d));
    EXPECT_FALSE(ScrollBarDisabled(list, OBJID_VSCROLL));
}

// Horizontal offset and making columns visible

TEST_F(LayoutTest, HorizontalOffsetIsLimitedByExtentAndListWidth) {
    HWND c = SimpleShowing(5, 10, 0, 300);
    ASSERT_EQ(Width(ClientOf(List(c))), 300);
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 800), 1);
    // {requested, result, offset after}
    const int steps[][3] = {{-1, 1, 500}, {0, 1, 0}, {900, 1, 500}, {120, 1, 120}, {-2, 0, 120}};
    for (const auto& s : steps) {
        EXPECT_EQ(QelBox_SetHorizontalOffset(c, s[0]), s[1]) << s[0];
        EXPECT_EQ(QelBox_GetHorizontalOffset(c), s[2]) << s[0];
    }
    EXPECT_EQ(QelBox_SetHorizontalExtent(c, -5), 0);
    EXPECT_EQ(QelBox_GetHorizontalExtent(c), 800);
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 200), 1);
    EXPECT_EQ(QelBox_SetHorizontalOffset(c, 50), 1);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 0);
    EXPECT_EQ(QelBox_SetHorizontalOffset(c, -1), 1);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 0);
    EXPECT_CODES(c); // the exported setter never notifies
    // Row headers take their width from the cell area.
    QelBox_SetRowHeaderWidth(c, 40);
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 800), 1);
    EXPECT_EQ(QelBox_SetHorizontalOffset(c, -1), 1);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 540);

    // The scroll bar's page is a third of the list width.
    HWND b = SimpleShowing(5, 10, WS_HSCROLL, 300);
    ASSERT_EQ(QelBox_SetHorizontalExtent(b, 800), 1);
    ASSERT_EQ(QelBox_SetHorizontalOffset(b, 120), 1);
    SCROLLINFO info = ScrollInfo(List(b), SB_HORZ);
    EXPECT_EQ(info.nPage, 100u);
    EXPECT_EQ(info.nMax, 800 - 300 + 100 - 1); // the last position is 500
    EXPECT_EQ(info.nPos, 120);
    ASSERT_EQ(QelBox_SetHorizontalExtent(b, 200), 1);
    EXPECT_FALSE(HasStyle(List(b), WS_HSCROLL));
}

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

TEST_F(LayoutTest, MakeColumnVisibleScrollsTheColumnIntoTheList) {
    HWND c = SimpleShowing(5, 20, 0, 300, {200, 200, 200});
    QelBox_SetOpenEnded(c, 0);
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 600), 1);
    // {column, offset after}: right edge beyond the list, already in view,
    // the last column fully to the right, left edge before the list, the
    // first column, no such columns.
    const int columns[][2] = {{1, 100}, {1, 100}, {2, 300}, {1, 200}, {0, 0}, {3, 0}, {-1, 0}};
    for (const auto& column : columns) {
        QelBox_MakeColumnVisible(c, column[0]);
        EXPECT_EQ(QelBox_GetHorizontalOffset(c), column[1]) << column[0];
    }
    EXPECT_CODES(c, QELBOXN_HSCROLLCHANGE, QELBOXN_HSCROLLCHANGE, QELBOXN_HSCROLLCHANGE,
                 QELBOXN_HSCROLLCHANGE);
    // Row 0 out of view: nothing to measure, nothing happens.
    ClearNotes();
    ASSERT_EQ(QelBox_SetTopIndex(c, 5), 0);
    QelBox_MakeColumnVisible(c, 2);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 0);
    EXPECT_CODES(c);
    // No rows: back to the start.
    HWND empty = Make(QELBOXSTYLE_SIMPLE, 0, 0, 320, 10, 150, 300);
    SetColumnWidths(empty, {200, 200, 200});
    ASSERT_EQ(QelBox_SetHorizontalExtent(empty, 600), 1);
    ASSERT_EQ(QelBox_SetHorizontalOffset(empty, 150), 1);
    QelBox_MakeColumnVisible(empty, 2);
    EXPECT_EQ(QelBox_GetHorizontalOffset(empty), 0);
    EXPECT_CODES(empty, QELBOXN_HSCROLLCHANGE);
    // Closed: no cell to measure; open, it scrolls.
    HWND closed = Make(QELBOXSTYLE_DROPDOWNLIST, 0, 0, 10, 320);
    SetColumnWidths(closed, {200, 200, 200});
    AddRows(closed, 3);
    QelBox_SetOpenEnded(closed, 0);
    ASSERT_EQ(QelBox_SetHorizontalExtent(closed, 600), 1);
    QelBox_MakeColumnVisible(closed, 2);
    EXPECT_EQ(QelBox_GetHorizontalOffset(closed), 0);
    ASSERT_EQ(QelBox_ShowDropDown(closed, TRUE), 1);
    QelBox_MakeColumnVisible(closed, 2);
    EXPECT_EQ(QelBox_GetHorizontalOffset(closed), 600 - Width(ClientOf(List(closed))));
    QelBox_MakeColumnVisible(closed, 0);
    EXPECT_EQ(QelBox_GetHorizontalOffset(closed), 0);
}

// Dropped size and position, and the style setter

TEST_F(LayoutTest, DroppedPropertiesAndTheirSettersClosingTheList) {
    HWND list = Make(QELBOXSTYLE_DROPDOWNLIST, 0, 3);
    HWND combo = Make(QELBOXSTYLE_DROPDOWN, 0, 3, 220);
    HWND simple = Make(QELBOXSTYLE_SIMPLE, 0, 0, 430, 10, 150);
    EXPECT_EQ(QelBox_GetDroppedHeight(combo), 6);
    EXPECT_EQ(QelBox_GetDroppedWidth(combo), 0);
    EXPECT_EQ(QelBox_SetDroppedHeight(combo, 0), -1);
    EXPECT_EQ(QelBox_GetDroppedHeight(combo), 6);
    // The simple type has neither.
    EXPECT_EQ(QelBox_GetDroppedHeight(simple), -1);
    EXPECT_EQ(QelBox_GetDroppedWidth(simple), -1);
    EXPECT_EQ(QelBox_SetDroppedHeight(simple, 4), -1);
    EXPECT_EQ(QelBox_SetDroppedWidth(simple, 100), -1);
    // Only the drop-down-list type keeps the position.
    EXPECT_EQ(QelBox_GetDropDownPosition(list), 1);
    QelBox_SetDropDownPosition(list, 0);
    EXPECT_EQ(QelBox_GetDropDownPosition(list), 0);
    QelBox_SetDropDownPosition(combo, 0);
    EXPECT_EQ(QelBox_GetDropDownPosition(combo), 1);
    // Setting the position or the scroll-bar style closes an open list
    // without accepting.
    ASSERT_EQ(QelBox_ShowDropDown(list, TRUE), 1);
    ClearNotes();
    QelBox_SetDropDownPosition(list, 1);
    EXPECT_EQ(QelBox_GetDroppedState(list), 0);
    EXPECT_CODES(list, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);
    EXPECT_EQ(QelBox_GetDisableNoScroll(combo), 0);
    ASSERT_EQ(QelBox_ShowDropDown(combo, TRUE), 1);
    ClearNotes();
    QelBox_SetDisableNoScroll(combo, 5);
    EXPECT_EQ(QelBox_GetDisableNoScroll(combo), 1);
    EXPECT_TRUE(HasStyle(combo, QELBOXSTYLE_DISABLENOSCROLL));
    EXPECT_EQ(QelBox_GetDroppedState(combo), 0);
    EXPECT_CODES(combo, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);
}

TEST_F(LayoutTest, OpenListMovesWithTheControlsBottomEdge) {
    HFONT big = Font(30);
    RECT before, control, after;
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10);
    ASSERT_EQ(QelBox_ShowDropDown(c, TRUE), 1);
    GetWindowRect(List(c), &before);
    GetWindowRect(c, &control);
    ASSERT_GE(before.top, control.bottom); // opened below
    QelBox_SetEditCtlFont(c, big, FALSE);
    const int dy = RectIn(c, nullptr).bottom - control.bottom;
    ASSERT_GT(dy, 0);
    GetWindowRect(List(c), &after);
    EXPECT_EQ(after, Rect(before.left, before.top + dy, before.right, before.bottom + dy));
    // Kept bottom edge: the list stays where it is.
    HWND kept = Make(QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_ALIGNBOTTOM, 10, 220);
    ASSERT_EQ(QelBox_ShowDropDown(kept, TRUE), 1);
    GetWindowRect(List(kept), &before);
    QelBox_SetEditCtlFont(kept, big, FALSE);
    GetWindowRect(List(kept), &after);
    EXPECT_EQ(after, before);
}

} // namespace

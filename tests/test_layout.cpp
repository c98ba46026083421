// Layout and hit testing: row and display-area heights, the control's own
// height, placement of the edit field and the permanent list, every
// rectangle query, hit testing, the top index and scrolling a row or a
// column into view, the list window's scroll bars and the dropped size
// properties. Font heights and system metrics are read from the system.
#include "harness.h"

#include <stdlib.h>

#include <ostream>

// The record is reached directly in one place only: to make a control
// behave as on a system without SetScrollInfo, which Wine always has.
#include "../Source/core/record.h"

bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != 0;
}

void PrintTo(const RECT& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

RECT Rect(int left, int top, int right, int bottom) {
    RECT r = {left, top, right, bottom};
    return r;
}

const RECT kEmpty = {0, 0, 0, 0};

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

TEXTMETRICA Metrics(HFONT font) {
    TEXTMETRICA tm = {};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return tm;
}

int FontHeight(HFONT font) {
    return Metrics(font).tmHeight;
}

HFONT ControlFont(HWND control) {
    return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
}

RECT ClientOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r;
}

// Window rectangle of `window` in the client coordinates of `other`.
RECT RectIn(HWND window, HWND other) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, other, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT ItemRect(HWND control, int index, int* result = nullptr) {
    RECT r = Rect(-7, -7, -7, -7);
    int got = QelBox_GetItemRect(control, index, &r);
    if (result) *result = got;
    return r;
}

RECT CellRect(HWND control, int index, int column) {
    RECT* r = QelBox_GetCellRect(control, index, column);
    return r ? *r : Rect(-1, -1, -1, -1);
}

RECT HeaderRect(HWND control, int column) {
    RECT r = Rect(-7, -7, -7, -7);
    QelBox_GetHeaderRect(control, column, &r);
    return r;
}

RECT RowHeaderRect(HWND control, int index) {
    RECT r = Rect(-7, -7, -7, -7);
    QelBox_GetRowHeaderRect(control, index, &r);
    return r;
}

// The part of the list window waiting to be repainted (empty when none).
RECT UpdateRect(HWND window) {
    RECT r;
    if (!GetUpdateRect(window, &r, FALSE)) SetRectEmpty(&r);
    return r;
}

int HitTest(HWND control, int x, int y, int* area) {
    POINT pt = {x, y};
    *area = -5;
    return QelBox_CalcIndexFromPoint(control, &pt, area);
}

SCROLLINFO ScrollInfo(HWND window, int bar) {
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(window, bar, &info);
    return info;
}

int CountOf(HWND control, int code) {
    int n = 0;
    for (int c : Codes(control, true))
        n += c == code;
    return n;
}

ColumnRecord Column(int width, DWORD style = 0) {
    ColumnRecord c = {};
    c.width = width;
    c.colorBackground = c.colorText = QELBOX_COLOR_NONE;
    c.colorSelBackground = c.colorSelText = QELBOX_COLOR_NONE;
    c.style = style;
    return c;
}

void SetColumnWidths(HWND control, std::initializer_list<int> widths, DWORD style = 0) {
    std::vector<ColumnRecord> columns;
    for (int w : widths)
        columns.push_back(Column(w, style));
    ASSERT_EQ(QelBox_SetColumns(control, static_cast<int>(columns.size()), columns.data()), 1);
}

// Exports built by other parts of the library; looked up at run time so
// that this program also runs against a library that does not have them.
typedef void(WINAPI* SetShowHeaderFn)(HWND, int);
typedef int(WINAPI* SetItemLevelFn)(HWND, int, int);
typedef int(WINAPI* SetCellInfoFn)(HWND, const CellInfo*);

template <typename Fn> Fn Export(const char* name) {
    return reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("qelbox32.dll"), name)));
}

#define REQUIRE_EXPORT(var, Fn, name)                                                              \
    Fn var = Export<Fn>(name);                                                                     \
    if (!var) GTEST_SKIP() << name << " is not exported by this library build"

// The list-wide cell-bitmap prototype (index -1).
CellInfo CellPrototype(HBITMAP bitmap) {
    CellInfo info = {};
    info.version = 1;
    info.index = -1;
    info.colorBackground = info.colorText = QELBOX_COLOR_NONE;
    info.colorSelBackground = info.colorSelText = QELBOX_COLOR_NONE;
    info.bitmap = bitmap;
    return info;
}

RowInfo RowPrototype(HBITMAP bitmap) {
    RowInfo info = {};
    info.version = 1;
    info.index = -1;
    info.colorBackground = info.colorText = QELBOX_COLOR_NONE;
    info.colorSelBackground = info.colorSelText = QELBOX_COLOR_NONE;
    info.bitmap = bitmap;
    return info;
}

// A control on a system without SetScrollInfo: the older scroll-bar calls
// keep the bars. The page size the bars got so far is cleared, as such a
// system has none.
void UseClassicScrollBars(HWND control) {
    ControlRecord* rec = reinterpret_cast<ControlRecord*>(GetWindowLongPtrA(control, 0));
    rec->pfnSetScrollInfo = nullptr;
    HWND list = QelBox_GetHWNDDropDown(control);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_PAGE;
    SetScrollInfo(list, SB_VERT, &info, FALSE);
    SetScrollInfo(list, SB_HORZ, &info, FALSE);
}

// True when the bar cannot be used: either the whole bar or both of its
// arrows are unavailable.
bool ScrollBarDisabled(HWND window, LONG object) {
    SCROLLBARINFO info = {};
    info.cbSize = sizeof(info);
    GetScrollBarInfo(window, object, &info);
    const DWORD unavailable = STATE_SYSTEM_UNAVAILABLE;
    return (info.rgstate[0] & unavailable) ||
           ((info.rgstate[1] & unavailable) && (info.rgstate[5] & unavailable));
}

class LayoutTest : public ControlTest {
  protected:
    ~LayoutTest() override {
        // After TearDown: the controls that used these objects are gone.
        for (HGDIOBJ object : gdi_)
            DeleteObject(object);
    }

    HWND Make(DWORD type, DWORD style, int x, int y, int width, int height) {
        HWND control = CreateControl(type, style, 1, x, y, width, height);
        EXPECT_NE(control, nullptr);
        if (control) created_.push_back(control);
        Pump();
        ClearNotes();
        return control;
    }

    HBITMAP Bitmap(int width, int height) {
        HBITMAP bitmap = CreateBitmap(width, height, 1, 1, nullptr);
        gdi_.push_back(bitmap);
        return bitmap;
    }

    HFONT Font(int height) {
        HFONT font = CreateFontA(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                                 "DejaVu Sans");
        gdi_.push_back(font);
        return font;
    }

    // Resizes the control (as the application would) to a client height.
    static void ResizeClient(HWND control, int clientHeight) {
        RECT w;
        GetWindowRect(control, &w);
        RECT c = ClientOf(control);
        int frame = Height(w) - Height(c);
        SetWindowPos(control, nullptr, 0, 0, Width(w), clientHeight + frame,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Pump();
    }

    // A simple control with `count` rows (and the given columns, if any)
    // whose list shows exactly `shown` rows.
    HWND SimpleShowing(int shown, int count, DWORD style = 0, int width = 200,
                       std::initializer_list<int> columns = {}) {
        HWND control = Make(QELBOXSTYLE_SIMPLE, style, 10, 10, width, 300);
        if (columns.size()) SetColumnWidths(control, columns);
        AddRows(control, count);
        int rh = QelBox_GetItemHeight(control, 0);
        ResizeClient(control, QelBox_GetItemHeight(control, -1) + 4 + shown * rh);
        ClearNotes();
        return control;
    }

    std::vector<HGDIOBJ> gdi_;
};

// ---------------------------------------------------------------------
// Row heights (fixed rule) and the display area

TEST_F(LayoutTest, RowHeightIsTheLineHeightPlus3DAndHorizontalGridLine) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    AddRows(c, 3);
    const int font = FontHeight(ControlFont(c));
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font);
    EXPECT_EQ(QelBox_GetItemHeight(c, 2), font);

    QelBox_SetShowGrid(c, TRUE); // grid style 2 at creation: lines both ways
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font + 1);
    QelBox_SetGridStyle(c, 1);
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font + 1);
    QelBox_SetGridStyle(c, 0); // vertical lines only: no extra pixel
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font);

    QelBox_SetGridStyle(c, 2);
    QelBox_SetShow3D(c, TRUE); // the 3-D look draws no grid line of its own
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font + 4);
    QelBox_SetShowGrid(c, FALSE);
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font + 4);
}

TEST_F(LayoutTest, ItemLinesMultiplyTheLineHeight) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    AddRows(c, 2);
    const int font = FontHeight(ControlFont(c));
    EXPECT_EQ(QelBox_GetItemLines(c), 1);
    EXPECT_EQ(QelBox_SetItemLines(c, 0), 0);
    EXPECT_EQ(QelBox_SetItemLines(c, -3), 0);
    EXPECT_EQ(QelBox_GetItemLines(c), 1);
    EXPECT_EQ(QelBox_GetItemHeight(c, 1), font);

    EXPECT_EQ(QelBox_SetItemLines(c, 2), 1);
    EXPECT_EQ(QelBox_GetItemLines(c), 2);
    EXPECT_EQ(QelBox_GetItemHeight(c, 1), 2 * font);
    EXPECT_EQ(QelBox_SetItemLines(c, 2), 1); // unchanged is still success
    QelBox_SetShow3D(c, TRUE);
    EXPECT_EQ(QelBox_GetItemHeight(c, 1), 2 * font + 4);
}

TEST_F(LayoutTest, LabelAndBitmapPrototypesRaiseRowsAfterThe3DAllowance) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    AddRows(c, 2);
    const int font = FontHeight(ControlFont(c));

    ASSERT_EQ(QelBox_SetItemLabel(c, -1, Bitmap(8, font + 2)), 1);
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font + 2);
    QelBox_SetShow3D(c, TRUE);
    // 3-D is added to the text height first; the label then only sets a
    // minimum.
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font + 4);
    QelBox_SetShow3D(c, FALSE);

    ASSERT_EQ(QelBox_SetItemBitmap(c, -1, Bitmap(16, font + 10)), 1);
    EXPECT_EQ(QelBox_GetItemHeight(c, 1), font + 10);
    QelBox_SetShowGrid(c, TRUE);
    EXPECT_EQ(QelBox_GetItemHeight(c, 1), font + 11);
    QelBox_SetShowGrid(c, FALSE);

    // A handle that is no bitmap is refused and changes nothing.
    EXPECT_EQ(QelBox_SetItemBitmap(c, -1, reinterpret_cast<HBITMAP>(0x7654)), 0);
    EXPECT_EQ(QelBox_GetItemHeight(c, 1), font + 10);

    ASSERT_EQ(QelBox_SetItemBitmap(c, -1, nullptr), 1);
    ASSERT_EQ(QelBox_SetItemLabel(c, -1, nullptr), 1);
    EXPECT_EQ(QelBox_GetItemHeight(c, 1), font);
}

TEST_F(LayoutTest, CellBitmapPrototypeIsRaisedBeforeThe3DAllowance) {
    REQUIRE_EXPORT(setCellInfo, SetCellInfoFn, "QelBox_SetCellInfo");
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    AddRows(c, 2);
    const int font = FontHeight(ControlFont(c));

    CellInfo info = CellPrototype(Bitmap(12, font + 6));
    ASSERT_EQ(setCellInfo(c, &info), 1);
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font + 6);
    QelBox_SetShow3D(c, TRUE);
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font + 10);

    info = CellPrototype(nullptr);
    ASSERT_EQ(setCellInfo(c, &info), 1);
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font + 4);
}

TEST_F(LayoutTest, RowHeadersSetAMinimumRowHeight) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    AddRows(c, 2);
    const int font = FontHeight(ControlFont(c));

    QelBox_SetShowRowHeader(c, 1);
    ASSERT_GT(QelBox_GetRowHeaderWidth(c), 0);
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font + 3);
    QelBox_SetShow3D(c, TRUE);
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), font + 4);

    RowInfo info = RowPrototype(Bitmap(10, 30));
    ASSERT_EQ(QelBox_SetRowInfo(c, &info), 1);
    EXPECT_EQ(QelBox_GetItemHeight(c, 1), 33);

    QelBox_SetShowRowHeader(c, 0); // no row headers: no minimum
    EXPECT_EQ(QelBox_GetItemHeight(c, 1), font + 4);
}

TEST_F(LayoutTest, ItemHeightRejectsBadIndexes) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    EXPECT_EQ(QelBox_GetItemHeight(c, 0), -1); // no rows yet
    EXPECT_GT(QelBox_GetItemHeight(c, -1), 0);
    AddRows(c, 3);
    EXPECT_EQ(QelBox_GetItemHeight(c, 3), -1);
    EXPECT_EQ(QelBox_GetItemHeight(c, -2), -1);
}

TEST_F(LayoutTest, DisplayAreaWithEditFieldFollowsTheEditFontAndRowHeaders) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    AddRows(c, 2);
    const int edit = FontHeight(QelBox_GetEditCtlFont(c));
    EXPECT_EQ(QelBox_GetItemHeight(c, -1), edit + 4);

    // Row headers raise it to their own minimum, which the edit field
    // already exceeds, and to the row-header bitmap.
    QelBox_SetShowRowHeader(c, 3);
    EXPECT_EQ(QelBox_GetItemHeight(c, -1), edit + 4);
    RowInfo info = RowPrototype(Bitmap(10, 40));
    ASSERT_EQ(QelBox_SetRowInfo(c, &info), 1);
    EXPECT_EQ(QelBox_GetItemHeight(c, -1), 43);
    QelBox_SetShowRowHeader(c, 0);

    HFONT big = Font(24);
    QelBox_SetEditCtlFont(c, big, FALSE);
    EXPECT_EQ(QelBox_GetItemHeight(c, -1), FontHeight(big) + 4);
    // The row font does not matter while there is an edit field.
    QelBox_SetShow3D(c, TRUE);
    EXPECT_EQ(QelBox_GetItemHeight(c, -1), FontHeight(big) + 4);
}

TEST_F(LayoutTest, DisplayAreaWithVariableHeightsFollowsTheCommittedRowHeader) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_VARIABLE, 10, 10, 200, 40);
    AddRows(c, 3);
    const int edit = FontHeight(QelBox_GetEditCtlFont(c));
    QelBox_SetRowHeaderWidth(c, 30);
    RowInfo info = RowPrototype(Bitmap(10, 20));
    ASSERT_EQ(QelBox_SetRowInfo(c, &info), 1);
    info = RowPrototype(Bitmap(10, 40));
    info.index = 1;
    ASSERT_EQ(QelBox_SetRowInfo(c, &info), 1);

    // Nothing committed: the prototype does not count with variable heights.
    EXPECT_EQ(QelBox_GetItemHeight(c, -1), edit + 4);
    QelBox_SetCurSel(c, 1); // the committed row's own row-header bitmap
    EXPECT_EQ(QelBox_GetItemHeight(c, -1), 43);
    QelBox_SetCurSel(c, 2);
    EXPECT_EQ(QelBox_GetItemHeight(c, -1), edit + 4);
    EXPECT_EQ(Height(ClientOf(c)), edit + 4);
}

TEST_F(LayoutTest, DisplayAreaOfTheDropDownListIsTheCommittedRowPlusFour) {
    HWND c = Make(QELBOXSTYLE_DROPDOWNLIST, 0, 10, 10, 200, 40);
    const int font = FontHeight(ControlFont(c));
    EXPECT_EQ(QelBox_GetItemHeight(c, -1), font + 4); // empty list: row 0's rule
    AddRows(c, 3);
    QelBox_SetShow3D(c, TRUE);
    EXPECT_EQ(QelBox_GetItemHeight(c, -1), font + 8);
    QelBox_SetItemLines(c, 3);
    QelBox_SetCurSel(c, 2);
    EXPECT_EQ(QelBox_GetItemHeight(c, -1), 3 * font + 8);
}

// ---------------------------------------------------------------------
// The control's own height

TEST_F(LayoutTest, DropDownControlIsExactlyAsTallAsItsClosedContent) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    const int area = QelBox_GetItemHeight(c, -1);
    EXPECT_EQ(RectIn(c, TestParent()), Rect(10, 10, 210, 10 + area));

    HWND bordered = Make(QELBOXSTYLE_DROPDOWNLIST, WS_BORDER, 10, 100, 200, 40);
    const int listArea = QelBox_GetItemHeight(bordered, -1);
    EXPECT_EQ(Height(ClientOf(bordered)), listArea);
    EXPECT_EQ(Height(RectIn(bordered, TestParent())), listArea + 2 * GetSystemMetrics(SM_CYBORDER));
    EXPECT_EQ(RectIn(bordered, TestParent()).top, 100);

    // Content that grows makes the control grow, keeping its top.
    QelBox_SetShow3D(bordered, TRUE);
    EXPECT_EQ(Height(ClientOf(bordered)), listArea + 4);
    EXPECT_EQ(RectIn(bordered, TestParent()).top, 100);
}

TEST_F(LayoutTest, DropDownControlHeightIncludesTheHeaderStrip) {
    REQUIRE_EXPORT(setShowHeader, SetShowHeaderFn, "QelBox_SetShowHeader");
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    const int area = QelBox_GetItemHeight(c, -1);
    setShowHeader(c, 1);
    const int header = FontHeight(ControlFont(c)) + 3;
    EXPECT_EQ(Height(ClientOf(c)), header + area);
    setShowHeader(c, 0);
    EXPECT_EQ(Height(ClientOf(c)), area);
}

TEST_F(LayoutTest, AlignmentStylesKeepTheBottomOrTheCentre) {
    HWND bottom = Make(QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_ALIGNBOTTOM, 10, 10, 200, 40);
    HWND centre = Make(QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_ALIGNCENTER, 10, 100, 200, 40);
    const int area = QelBox_GetItemHeight(bottom, -1);
    ASSERT_LT(area, 40);
    EXPECT_EQ(RectIn(bottom, TestParent()), Rect(10, 50 - area, 210, 50));
    // The centre stays put: the control shrinks once, straight to its
    // closed height.
    RECT r = RectIn(centre, TestParent());
    EXPECT_EQ(Height(r), area);
    EXPECT_EQ(r.top, 100 + (40 - area) / 2);

    // Growing keeps the same edge: a taller edit font.
    HFONT big = Font(30);
    const int grown = FontHeight(big) + 4;
    ASSERT_GT(grown, area);
    QelBox_SetEditCtlFont(bottom, big, FALSE);
    EXPECT_EQ(RectIn(bottom, TestParent()), Rect(10, 50 - grown, 210, 50));
    QelBox_SetEditCtlFont(centre, big, FALSE);
    const int top = r.top + (area - grown) / 2;
    EXPECT_EQ(RectIn(centre, TestParent()), Rect(10, top, 210, top + grown));
}

TEST_F(LayoutTest, HiddenControlOrRedrawOffDefersTheLayout) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    ShowWindow(c, SW_HIDE);
    SetWindowPos(c, nullptr, 0, 0, 200, 40, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Height(ClientOf(c)), 40);
    ShowWindow(c, SW_SHOW);
    EXPECT_EQ(Height(ClientOf(c)), 40); // showing alone recalculates nothing
    QelBox_SetShow3D(c, TRUE);          // the next recalculation catches up
    const int area = QelBox_GetItemHeight(c, -1);
    EXPECT_EQ(Height(ClientOf(c)), area);

    SendMessageA(c, WM_SETREDRAW, FALSE, 0);
    HFONT big = Font(28);
    QelBox_SetEditCtlFont(c, big, FALSE);
    EXPECT_EQ(Height(ClientOf(c)), area);
    SendMessageA(c, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(Height(ClientOf(c)), FontHeight(big) + 4);
}

TEST_F(LayoutTest, SimpleControlIsTrimmedToWholeRows) {
    HWND c = Make(QELBOXSTYLE_SIMPLE, 0, 10, 10, 200, 300);
    AddRows(c, 30);
    const int rh = QelBox_GetItemHeight(c, 0);
    const int area = QelBox_GetItemHeight(c, -1);
    HWND list = QelBox_GetHWNDDropDown(c);

    ResizeClient(c, area + 4 + 11 * rh + rh / 2);
    EXPECT_EQ(Height(ClientOf(c)), area + 4 + 11 * rh);
    EXPECT_EQ(RectIn(list, c), Rect(0, area + 4, 200, area + 4 + 11 * rh));
    EXPECT_EQ(QelBox_GetItemsShown(c), 11);

    // Not even one row: the control shrinks to its closed part.
    ResizeClient(c, area + 4 + rh - 1);
    EXPECT_EQ(Height(ClientOf(c)), area + 4);
    EXPECT_EQ(Height(ClientOf(list)), 0);
    EXPECT_EQ(QelBox_GetItemsShown(c), 1);

    ResizeClient(c, area + 4 + 3 * rh);
    EXPECT_EQ(Height(ClientOf(c)), area + 4 + 3 * rh);
    EXPECT_EQ(QelBox_GetItemsShown(c), 3);
}

TEST_F(LayoutTest, SimpleControlTrimmingAllowsForAShownHorizontalScrollBar) {
    HWND c = Make(QELBOXSTYLE_SIMPLE, WS_HSCROLL, 10, 10, 200, 300);
    AddRows(c, 30);
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 1000), 1); // the bar shows
    HWND list = QelBox_GetHWNDDropDown(c);
    ASSERT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL);
    const int rh = QelBox_GetItemHeight(c, 0);
    const int area = QelBox_GetItemHeight(c, -1);
    const int bar = GetSystemMetrics(SM_CYHSCROLL);

    ResizeClient(c, area + 4 + bar + 5 * rh + 2);
    EXPECT_EQ(Height(ClientOf(c)), area + 4 + bar + 5 * rh);
    EXPECT_EQ(Height(ClientOf(list)), 5 * rh);
    EXPECT_EQ(QelBox_GetItemsShown(c), 5);

    ResizeClient(c, area + 4 + bar + rh - 1);
    EXPECT_EQ(Height(ClientOf(c)), area + 4);
}

TEST_F(LayoutTest, SimpleControlWithVariableHeightsKeepsItsHeight) {
    HWND c = Make(QELBOXSTYLE_SIMPLE, QELBOXSTYLE_VARIABLE, 10, 10, 200, 300);
    AddRows(c, 30);
    const int rh = QelBox_GetItemHeight(c, 0);
    const int area = QelBox_GetItemHeight(c, -1);
    ResizeClient(c, area + 4 + 10 * rh + 5);
    EXPECT_EQ(Height(ClientOf(c)), area + 4 + 10 * rh + 5);
    EXPECT_EQ(QelBox_GetItemsShown(c), 10);
    // The row partly below the bottom edge is returned whole.
    EXPECT_EQ(ItemRect(c, 10), Rect(0, 10 * rh, 200, 11 * rh));
    int result = 0;
    ItemRect(c, 11, &result);
    EXPECT_EQ(result, -1);
}

// ---------------------------------------------------------------------
// Edit field placement

TEST_F(LayoutTest, SingleLineEditFieldIsCentredInTheDisplayArea) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    HWND edit = QelBox_GetHWNDEdit(c);
    const int tm = FontHeight(QelBox_GetEditCtlFont(c));
    const int button = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(RectIn(edit, c), Rect(2, 2, 200 - button - 2, 2 + tm));

    // A 40-pixel row-header bitmap makes the area 43 high; the edit field
    // keeps its line height and is centred, right of the row headers.
    QelBox_SetRowHeaderWidth(c, 30);
    RowInfo info = RowPrototype(Bitmap(10, 40));
    ASSERT_EQ(QelBox_SetRowInfo(c, &info), 1);
    const int top = 2 + (43 - 4 - tm) / 2;
    EXPECT_EQ(RectIn(edit, c), Rect(32, top, 200 - button - 2, top + tm));

    HWND simple = Make(QELBOXSTYLE_SIMPLE, 0, 220, 10, 200, 150);
    EXPECT_EQ(RectIn(QelBox_GetHWNDEdit(simple), simple), Rect(2, 2, 198, 2 + tm));
}

TEST_F(LayoutTest, MultiLineEditFieldFillsTheDisplayArea) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    SetColumnWidths(c, {150}, QELBOX_MULTILINE);
    HWND edit = QelBox_GetHWNDEdit(c);
    ASSERT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE);
    QelBox_SetRowHeaderWidth(c, 30);
    RowInfo info = RowPrototype(Bitmap(10, 40));
    ASSERT_EQ(QelBox_SetRowInfo(c, &info), 1);
    const int button = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(RectIn(edit, c), Rect(32, 2, 200 - button - 2, 43 - 2));
}

TEST_F(LayoutTest, EditFieldSitsBelowTheHeaderStrip) {
    REQUIRE_EXPORT(setShowHeader, SetShowHeaderFn, "QelBox_SetShowHeader");
    HWND c = Make(QELBOXSTYLE_SIMPLE, 0, 10, 10, 200, 150);
    setShowHeader(c, 2);
    const int header = FontHeight(ControlFont(c)) + 3;
    const int tm = FontHeight(QelBox_GetEditCtlFont(c));
    const int area = QelBox_GetItemHeight(c, -1);
    EXPECT_EQ(RectIn(QelBox_GetHWNDEdit(c), c), Rect(2, header + 2, 198, header + 2 + tm));
    EXPECT_EQ(RectIn(QelBox_GetHWNDDropDown(c), c).top, header + area + 4);
}

// ---------------------------------------------------------------------
// Rectangles

TEST_F(LayoutTest, ItemRectWalksTheVisibleRowsOfTheList) {
    HWND c = SimpleShowing(10, 30, WS_VSCROLL);
    const int rh = QelBox_GetItemHeight(c, 0);
    const int listW = Width(ClientOf(QelBox_GetHWNDDropDown(c)));
    ASSERT_EQ(listW, 200 - GetSystemMetrics(SM_CXVSCROLL));
    int result = 1;
    EXPECT_EQ(ItemRect(c, 0, &result), Rect(0, 0, listW, rh));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ItemRect(c, 3), Rect(0, 3 * rh, listW, 4 * rh));
    EXPECT_EQ(ItemRect(c, 9), Rect(0, 9 * rh, listW, 10 * rh));
    EXPECT_EQ(ItemRect(c, 10, &result), kEmpty); // below the bottom edge
    EXPECT_EQ(result, -1);
    EXPECT_EQ(ItemRect(c, 30, &result), kEmpty);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(ItemRect(c, -2, &result), kEmpty);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(QelBox_GetItemRect(c, 2, nullptr), 0);

    // Index -1: the closed display area (no button in the simple type).
    EXPECT_EQ(ItemRect(c, -1, &result), Rect(0, 0, 200, QelBox_GetItemHeight(c, -1)));
    EXPECT_EQ(result, 0);

    ASSERT_EQ(QelBox_SetTopIndex(c, 5), 0);
    EXPECT_EQ(ItemRect(c, 4, &result), kEmpty); // above the top row
    EXPECT_EQ(result, -1);
    EXPECT_EQ(ItemRect(c, 5), Rect(0, 0, listW, rh));
    EXPECT_EQ(ItemRect(c, 14), Rect(0, 9 * rh, listW, 10 * rh));

    // Row headers raise the rows to their own minimum.
    QelBox_SetRowHeaderWidth(c, 25);
    const int withHeaders = QelBox_GetItemHeight(c, 0);
    EXPECT_EQ(withHeaders, FontHeight(ControlFont(c)) + 3);
    EXPECT_EQ(ItemRect(c, 6), Rect(25, withHeaders, listW, 2 * withHeaders));
    EXPECT_EQ(ItemRect(c, -1), Rect(25, 0, 200, QelBox_GetItemHeight(c, -1)));
}

TEST_F(LayoutTest, ItemRectOfAClosedDropDown) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    AddRows(c, 5);
    int result = 0;
    EXPECT_EQ(ItemRect(c, 0, &result), kEmpty);
    EXPECT_EQ(result, -1);
    const int button = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(ItemRect(c, -1, &result), Rect(0, 0, 200 - button, QelBox_GetItemHeight(c, -1)));
    EXPECT_EQ(result, 0);

    ASSERT_EQ(QelBox_ShowDropDown(c, TRUE), 1);
    HWND list = QelBox_GetHWNDDropDown(c);
    const int rh = QelBox_GetItemHeight(c, 0);
    EXPECT_EQ(ItemRect(c, 2), Rect(0, 2 * rh, Width(ClientOf(list)), 3 * rh));
}

TEST_F(LayoutTest, CellRectsSplitTheRowIntoColumns) {
    HWND c = SimpleShowing(10, 30, 0, 200, {60, 80});
    const int rh = QelBox_GetItemHeight(c, 0);
    const int listW = Width(ClientOf(QelBox_GetHWNDDropDown(c)));

    EXPECT_EQ(CellRect(c, 2, 0), Rect(0, 2 * rh, 60, 3 * rh));
    // Open-ended (the default) with no extent: the last column reaches the
    // right edge of the list.
    EXPECT_EQ(CellRect(c, 2, 1), Rect(60, 2 * rh, listW, 3 * rh));
    QelBox_SetOpenEnded(c, 0);
    EXPECT_EQ(CellRect(c, 2, 1), Rect(60, 2 * rh, 140, 3 * rh));
    QelBox_SetOpenEnded(c, 1);
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 400), 1);
    EXPECT_EQ(CellRect(c, 2, 1), Rect(60, 2 * rh, 400, 3 * rh));

    // The horizontal offset moves the cells, the row headers shift them.
    ASSERT_EQ(QelBox_SetHorizontalOffset(c, 50), 1);
    EXPECT_EQ(CellRect(c, 0, 0), Rect(-50, 0, 10, rh));
    QelBox_SetRowHeaderWidth(c, 20);
    const int withHeaders = QelBox_GetItemHeight(c, 0);
    EXPECT_EQ(CellRect(c, 0, 0), Rect(-30, 0, 30, withHeaders));
    EXPECT_EQ(CellRect(c, 0, 1), Rect(30, 0, 370, withHeaders));

    // The returned pointer is the control's own, rewritten by every call.
    RECT* first = QelBox_GetCellRect(c, 0, 0);
    EXPECT_EQ(QelBox_GetCellRect(c, 1, 1), first);
}

TEST_F(LayoutTest, CellRectRefusesBadOrInvisibleCells) {
    HWND c = SimpleShowing(10, 30, 0, 200, {60, 80});
    EXPECT_EQ(QelBox_GetCellRect(c, -1, -1), nullptr); // nothing committed
    EXPECT_EQ(QelBox_GetCellRect(c, 0, 2), nullptr);
    EXPECT_EQ(QelBox_GetCellRect(c, 30, 0), nullptr);
    EXPECT_EQ(QelBox_GetCellRect(c, 15, 0), nullptr); // not in view

    const int rh = QelBox_GetItemHeight(c, 0);
    QelBox_SetCurSel(c, 3);
    EXPECT_EQ(CellRect(c, -1, -1), Rect(0, 3 * rh, 60, 4 * rh)); // committed row, caret column
    EXPECT_EQ(CellRect(c, -1, 1).left, 60);

    HWND closed = Make(QELBOXSTYLE_DROPDOWN, 0, 220, 10, 200, 40);
    AddRows(closed, 3);
    EXPECT_EQ(QelBox_GetCellRect(closed, 0, 0), nullptr);
}

TEST_F(LayoutTest, FirstVisibleColumnHoldsTheTreeArea) {
    HWND c = SimpleShowing(10, 5, 0, 200, {60, 80});
    QelBox_SetOpenEnded(c, 0);
    const int rh = QelBox_GetItemHeight(c, 0);
    ASSERT_EQ(QelBox_SetItemLabel(c, -1, Bitmap(8, 8)), 1);
    // Gap 2 + label 8 before the first column's text area.
    EXPECT_EQ(QelBox_GetOverheadWidth(c), 10);
    EXPECT_EQ(CellRect(c, 0, 0), Rect(10, 0, 70, rh));
    EXPECT_EQ(CellRect(c, 0, 1), Rect(70, 0, 150, rh));

    // A hidden first column moves the tree area to the next visible one
    // (the same column count is allowed while there are rows).
    SetColumnWidths(c, {0, 80});
    EXPECT_EQ(CellRect(c, 1, 0), Rect(10, rh, 10, 2 * rh));
    EXPECT_EQ(CellRect(c, 1, 1), Rect(10, rh, 10 + 80 + 10, 2 * rh));
}

TEST_F(LayoutTest, DeeperRowsStartFurtherRightInTheFirstColumnOnly) {
    REQUIRE_EXPORT(setItemLevel, SetItemLevelFn, "QelBox_SetItemLevel");
    HWND c = SimpleShowing(10, 5, 0, 200, {60, 80});
    QelBox_SetOpenEnded(c, 0);
    const int rh = QelBox_GetItemHeight(c, 0);
    const int mcw = Metrics(ControlFont(c)).tmMaxCharWidth;
    ASSERT_EQ(QelBox_SetItemLabel(c, -1, Bitmap(8, 8)), 1);
    ASSERT_EQ(setItemLevel(c, 1, 2), 1);
    // Without bitmaps and tree lines a level is one widest character.
    const int overhead = 2 + 2 * mcw + 8;
    EXPECT_EQ(QelBox_GetOverheadWidth(c), overhead);
    EXPECT_EQ(CellRect(c, 0, 0), Rect(10, 0, overhead + 60, rh));
    EXPECT_EQ(CellRect(c, 1, 0), Rect(overhead, rh, overhead + 60, 2 * rh));
    EXPECT_EQ(CellRect(c, 1, 1), Rect(overhead + 60, rh, overhead + 140, 2 * rh));

    // With bitmaps a level is half a bitmap, or a whole one with tree lines.
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
    REQUIRE_EXPORT(setShowHeader, SetShowHeaderFn, "QelBox_SetShowHeader");
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    SetColumnWidths(c, {60, 80});
    EXPECT_EQ(HeaderRect(c, 0), kEmpty); // no header strip
    EXPECT_EQ(HeaderRect(c, -1), kEmpty);

    setShowHeader(c, 1);
    const int hh = FontHeight(ControlFont(c)) + 3;
    const int right = 200 - GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(HeaderRect(c, -1), Rect(0, 0, right, hh));
    EXPECT_EQ(HeaderRect(c, 0), Rect(0, 0, 60, hh));
    EXPECT_EQ(HeaderRect(c, 1), Rect(60, 0, right, hh)); // open-ended to the button
    EXPECT_EQ(HeaderRect(c, 2), kEmpty);
    EXPECT_EQ(HeaderRect(c, -2), kEmpty);

    QelBox_SetRowHeaderWidth(c, 20);
    EXPECT_EQ(HeaderRect(c, -1), Rect(20, 0, right, hh));
    EXPECT_EQ(HeaderRect(c, 0), Rect(20, 0, 80, hh));
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 500), 1);
    ASSERT_EQ(QelBox_SetHorizontalOffset(c, 50), 1);
    EXPECT_EQ(HeaderRect(c, 1), Rect(30, 0, 20 - 50 + 500, hh));

    // The first visible header covers the tree area too.
    ASSERT_EQ(QelBox_SetItemLabel(c, -1, Bitmap(8, 8)), 1);
    EXPECT_EQ(HeaderRect(c, 0), Rect(-30, 0, -30 + 70, hh));
}

TEST_F(LayoutTest, RowHeaderRects) {
    HWND c = SimpleShowing(10, 30);
    EXPECT_EQ(RowHeaderRect(c, 0), kEmpty); // no row headers
    EXPECT_EQ(RowHeaderRect(c, -1), kEmpty);

    QelBox_SetRowHeaderWidth(c, 24);
    const int rh = QelBox_GetItemHeight(c, 0);
    const int area = QelBox_GetItemHeight(c, -1);
    const int listH = Height(ClientOf(QelBox_GetHWNDDropDown(c)));
    EXPECT_EQ(RowHeaderRect(c, -1), Rect(0, 0, 24, area));
    EXPECT_EQ(RowHeaderRect(c, 2), Rect(0, 2 * rh, 24, 3 * rh));
    // A row out of view gets the whole row-header column of the list.
    EXPECT_EQ(RowHeaderRect(c, 20), Rect(0, 0, 24, listH));
    EXPECT_EQ(RowHeaderRect(c, 30), kEmpty);
    EXPECT_EQ(RowHeaderRect(c, -2), kEmpty);
    QelBox_GetRowHeaderRect(c, 0, nullptr);

    // No corner without a header strip.
    RECT corner = Rect(1, 1, 1, 1);
    QelBox_GetRowColHeaderRect(c, &corner);
    EXPECT_EQ(corner, kEmpty);

    // A closed drop-down has only the row header of its display area.
    HWND closed = Make(QELBOXSTYLE_DROPDOWNLIST, 0, 220, 10, 200, 40);
    AddRows(closed, 3);
    QelBox_SetRowHeaderWidth(closed, 24);
    EXPECT_EQ(RowHeaderRect(closed, -1), Rect(0, 0, 24, QelBox_GetItemHeight(closed, -1)));
    EXPECT_EQ(RowHeaderRect(closed, 0), kEmpty);
}

TEST_F(LayoutTest, CornerAndRowHeaderRectsBelowTheHeaderStrip) {
    REQUIRE_EXPORT(setShowHeader, SetShowHeaderFn, "QelBox_SetShowHeader");
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    setShowHeader(c, 1);
    const int hh = FontHeight(ControlFont(c)) + 3;
    RECT corner = Rect(1, 1, 1, 1);
    QelBox_GetRowColHeaderRect(c, &corner);
    EXPECT_EQ(corner, kEmpty); // no row headers

    QelBox_SetRowHeaderWidth(c, 24);
    QelBox_GetRowColHeaderRect(c, &corner);
    EXPECT_EQ(corner, Rect(0, 0, 24, hh));
    const int area = QelBox_GetItemHeight(c, -1);
    EXPECT_EQ(RowHeaderRect(c, -1), Rect(0, hh, 24, hh + area));

    // The drop-down button spans the header strip and the display area.
    RECT button;
    QelBox_GetDropDownButtonRect(c, &button);
    EXPECT_EQ(button, Rect(200 - GetSystemMetrics(SM_CXVSCROLL), 0, 200, hh + area));
}

TEST_F(LayoutTest, DropDownButtonRect) {
    HWND simple = Make(QELBOXSTYLE_SIMPLE, 0, 10, 10, 200, 150);
    RECT r = Rect(1, 1, 1, 1);
    QelBox_GetDropDownButtonRect(simple, &r);
    EXPECT_EQ(r, kEmpty);

    HWND c = Make(QELBOXSTYLE_DROPDOWNLIST, 0, 220, 10, 150, 40);
    QelBox_GetDropDownButtonRect(c, &r);
    EXPECT_EQ(r, Rect(150 - GetSystemMetrics(SM_CXVSCROLL), 0, 150, QelBox_GetItemHeight(c, -1)));
    QelBox_GetDropDownButtonRect(c, nullptr);
}

TEST_F(LayoutTest, DroppedControlRectIsTheListWindowOnScreen) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    AddRows(c, 5);
    RECT r = Rect(1, 1, 1, 1);
    EXPECT_EQ(QelBox_GetDroppedControlRect(c, &r), -1);
    EXPECT_EQ(r, kEmpty);
    ASSERT_EQ(QelBox_ShowDropDown(c, TRUE), 1);
    EXPECT_EQ(QelBox_GetDroppedControlRect(c, &r), 0);
    RECT list;
    GetWindowRect(QelBox_GetHWNDDropDown(c), &list);
    EXPECT_EQ(r, list);
    EXPECT_FALSE(IsRectEmpty(&r));
}

// ---------------------------------------------------------------------
// Hit testing

TEST_F(LayoutTest, CalcIndexFromPointFindsListRowsAndTheDisplayArea) {
    HWND c = SimpleShowing(10, 3);
    QelBox_SetRowHeaderWidth(c, 20);
    const int rh = QelBox_GetItemHeight(c, 0);
    const int area = QelBox_GetItemHeight(c, -1);
    const int listTop = area + 4;
    int where = 0;

    EXPECT_EQ(HitTest(c, 50, listTop + 2 * rh + 1, &where), 2);
    EXPECT_EQ(where, 0);
    EXPECT_EQ(HitTest(c, 5, listTop, &where), 0); // the row header column counts
    EXPECT_EQ(where, 0);
    EXPECT_EQ(HitTest(c, 50, listTop + 5 * rh, &where), -1); // below the last row
    EXPECT_EQ(where, 0);
    EXPECT_EQ(HitTest(c, 50, area + 1, &where), -1); // the gap above the list
    EXPECT_EQ(where, 0);

    // The closed display, its row header included: the committed row.
    EXPECT_EQ(HitTest(c, 5, 1, &where), -1);
    EXPECT_EQ(where, 1);
    QelBox_SetCurSel(c, 1);
    EXPECT_EQ(HitTest(c, 5, 1, &where), 1);
    EXPECT_EQ(where, 1);
    EXPECT_EQ(HitTest(c, 150, area - 1, &where), 1);
    EXPECT_EQ(where, 1);

    // After scrolling the rows are counted from the top row.
    AddRows(c, 30);
    ASSERT_EQ(QelBox_SetTopIndex(c, 7), 0);
    EXPECT_EQ(HitTest(c, 50, listTop + rh, &where), 8);
    POINT pt = {50, listTop};
    EXPECT_EQ(QelBox_CalcIndexFromPoint(c, &pt, nullptr), 7);
}

TEST_F(LayoutTest, CalcIndexFromPointOnAClosedAndAnOpenDropDown) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    AddRows(c, 8);
    QelBox_SetCurSel(c, 4);
    const int area = QelBox_GetItemHeight(c, -1);
    int where = 0;
    EXPECT_EQ(HitTest(c, 10, area / 2, &where), 4);
    EXPECT_EQ(where, 1);
    EXPECT_EQ(HitTest(c, 198, area / 2, &where), -1); // the drop-down button
    EXPECT_EQ(where, 0);

    ASSERT_EQ(QelBox_ShowDropDown(c, TRUE), 1);
    HWND list = QelBox_GetHWNDDropDown(c);
    const int rh = QelBox_GetItemHeight(c, 0);
    const int top = QelBox_GetTopIndex(c);
    POINT pt = {5, rh + 2}; // second visible row of the list
    MapWindowPoints(list, c, &pt, 1);
    EXPECT_EQ(HitTest(c, pt.x, pt.y, &where), top + 1);
    EXPECT_EQ(where, 0);
    EXPECT_EQ(HitTest(c, 10, area / 2, &where), 4);
    EXPECT_EQ(where, 1);
}

// ---------------------------------------------------------------------
// Rows shown, top index and scrolling rows into view

TEST_F(LayoutTest, ItemsShownOfTheDropDownComesFromTheDroppedHeight) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    AddRows(c, 3);
    const int area = QelBox_GetItemHeight(c, -1);
    EXPECT_EQ(QelBox_GetItemsShown(c), 6);
    ASSERT_EQ(QelBox_SetDroppedHeight(c, 4), 0);
    EXPECT_EQ(QelBox_GetItemsShown(c), 4);
    ASSERT_EQ(QelBox_SetDroppedHeight(c, -100), 0); // pixels per display area
    EXPECT_EQ(QelBox_GetItemsShown(c), 100 / area);
    ASSERT_EQ(QelBox_SetDroppedHeight(c, -(area - 1)), 0);
    EXPECT_EQ(QelBox_GetItemsShown(c), 1);

    // Dropped with fixed heights: still the setting, even with fewer rows.
    ASSERT_EQ(QelBox_SetDroppedHeight(c, 6), 0);
    ASSERT_EQ(QelBox_ShowDropDown(c, TRUE), 1);
    EXPECT_EQ(QelBox_GetItemsShown(c), 6);
}

TEST_F(LayoutTest, ItemsShownOfAnOpenVariableHeightListCountsWholeRows) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_VARIABLE, 10, 10, 200, 40);
    AddRows(c, 20);
    ASSERT_EQ(QelBox_SetDroppedHeight(c, 5), 0);
    EXPECT_EQ(QelBox_GetItemsShown(c), 5);
    ASSERT_EQ(QelBox_ShowDropDown(c, TRUE), 1);
    HWND list = QelBox_GetHWNDDropDown(c);
    const int rh = QelBox_GetItemHeight(c, 0);
    ASSERT_EQ(Height(ClientOf(list)), 5 * rh);
    EXPECT_EQ(QelBox_GetItemsShown(c), 5);
    // Scrolled down, the rows from the new top are counted.
    ASSERT_EQ(QelBox_SetTopIndex(c, 17), 0);
    EXPECT_EQ(QelBox_GetTopIndex(c), 15);
    EXPECT_EQ(QelBox_GetItemsShown(c), 5);
}

TEST_F(LayoutTest, SetTopIndexKeepsTheLastPageFull) {
    HWND c = SimpleShowing(10, 30);
    ASSERT_EQ(QelBox_GetItemsShown(c), 10);
    EXPECT_EQ(QelBox_SetTopIndex(c, 29), 0);
    EXPECT_EQ(QelBox_GetTopIndex(c), 20);
    EXPECT_EQ(QelBox_SetTopIndex(c, -1), -1);
    EXPECT_EQ(QelBox_SetTopIndex(c, 30), -1);
    EXPECT_EQ(QelBox_GetTopIndex(c), 20);
    EXPECT_EQ(QelBox_SetTopIndex(c, 20), 0);
    EXPECT_EQ(QelBox_SetTopIndex(c, 3), 0);
    EXPECT_EQ(QelBox_GetTopIndex(c), 3);
    EXPECT_EQ(ItemRect(c, 3).top, 0);
    EXPECT_EQ(QelBox_SetTopIndex(c, 0), 0);
    EXPECT_EQ(QelBox_GetTopIndex(c), 0);
    EXPECT_CODES(c); // the exported setter never notifies

    HWND few = SimpleShowing(10, 5);
    EXPECT_EQ(QelBox_SetTopIndex(few, 4), 0);
    EXPECT_EQ(QelBox_GetTopIndex(few), 0);

    // A closed drop-down counts its dropped height.
    HWND closed = Make(QELBOXSTYLE_DROPDOWN, 0, 220, 10, 200, 40);
    AddRows(closed, 30);
    EXPECT_EQ(QelBox_SetTopIndex(closed, 29), 0);
    EXPECT_EQ(QelBox_GetTopIndex(closed), 24);
}

TEST_F(LayoutTest, SetTopIndexScrollsThePaintedRows) {
    HWND c = SimpleShowing(10, 30);
    HWND list = QelBox_GetHWNDDropDown(c);
    const int rh = QelBox_GetItemHeight(c, 0);
    UpdateWindow(list);
    // Scrolling by less than a window moves the pixels and paints the rows
    // it uncovers at once.
    ASSERT_EQ(QelBox_SetTopIndex(c, 2), 0);
    EXPECT_EQ(UpdateRect(list), kEmpty);
    // A jump further than a window repaints the whole list.
    ASSERT_EQ(QelBox_SetTopIndex(c, 18), 0);
    EXPECT_EQ(UpdateRect(list), ClientOf(list));
    EXPECT_EQ(ItemRect(c, 18), Rect(0, 0, 200, rh));
}

TEST_F(LayoutTest, MakeRowVisibleScrollsOnlyWhenNeededAndNotifies) {
    HWND c = SimpleShowing(10, 30);
    QelBox_MakeRowVisible(c, 9);
    EXPECT_EQ(QelBox_GetTopIndex(c), 0);
    EXPECT_CODES(c);

    QelBox_MakeRowVisible(c, 15); // becomes the bottom row
    EXPECT_EQ(QelBox_GetTopIndex(c), 6);
    EXPECT_CODES(c, QELBOXN_TOPINDEXCHANGE);

    ClearNotes();
    QelBox_MakeRowVisible(c, 8);
    EXPECT_EQ(QelBox_GetTopIndex(c), 6);
    QelBox_MakeRowVisible(c, 30);
    QelBox_MakeRowVisible(c, -1);
    EXPECT_CODES(c);
    QelBox_MakeRowVisible(c, 2); // becomes the top row
    EXPECT_EQ(QelBox_GetTopIndex(c), 2);
    EXPECT_CODES(c, QELBOXN_TOPINDEXCHANGE);

    // Without a list window there is nothing to scroll.
    HWND closed = Make(QELBOXSTYLE_DROPDOWN, 0, 220, 10, 200, 40);
    AddRows(closed, 30);
    QelBox_MakeRowVisible(closed, 20);
    EXPECT_EQ(QelBox_GetTopIndex(closed), 0);
    EXPECT_CODES(closed);
}

TEST_F(LayoutTest, MakeRowVisibleWithVariableHeights) {
    HWND c = Make(QELBOXSTYLE_SIMPLE, QELBOXSTYLE_VARIABLE, 10, 10, 200, 300);
    AddRows(c, 40);
    const int rh = QelBox_GetItemHeight(c, 0);
    ResizeClient(c, QelBox_GetItemHeight(c, -1) + 4 + 8 * rh + rh / 2);
    ASSERT_EQ(QelBox_GetItemsShown(c), 8);
    ClearNotes();
    QelBox_MakeRowVisible(c, 25);
    EXPECT_EQ(QelBox_GetTopIndex(c), 18);
    RECT r = ItemRect(c, 25);
    EXPECT_LE(r.bottom, Height(ClientOf(QelBox_GetHWNDDropDown(c))));
    EXPECT_CODES(c, QELBOXN_TOPINDEXCHANGE);
}

TEST_F(LayoutTest, MouseWheelNotifiesOnlyWhenTheTopRowChanges) {
    HWND c = SimpleShowing(10, 30);
    UINT lines = 1;
    if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 1;
    const int step = static_cast<int>(lines);

    SendMessageA(c, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0); // already at the top
    EXPECT_EQ(QelBox_GetTopIndex(c), 0);
    EXPECT_CODES(c);

    SendMessageA(c, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(QelBox_GetTopIndex(c), min(step, 20));
    EXPECT_CODES(c, QELBOXN_TOPINDEXCHANGE);

    ClearNotes();
    ASSERT_EQ(QelBox_SetTopIndex(c, 20), 0);
    SendMessageA(c, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0); // at the end
    EXPECT_EQ(QelBox_GetTopIndex(c), 20);
    EXPECT_CODES(c);
    SendMessageA(c, WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0);
    EXPECT_EQ(QelBox_GetTopIndex(c), 20 - 2 * step);
    EXPECT_CODES(c, QELBOXN_TOPINDEXCHANGE);
}

// ---------------------------------------------------------------------
// Invalidation of rows

TEST_F(LayoutTest, RowChangesInvalidateTheirBandOfTheList) {
    HWND c = SimpleShowing(10, 30);
    QelBox_SetRowHeaderWidth(c, 30);
    HWND list = QelBox_GetHWNDDropDown(c);
    const int rh = QelBox_GetItemHeight(c, 0);
    const RECT client = ClientOf(list);
    UpdateWindow(list);

    ASSERT_EQ(QelBox_SetItemStatus(c, 2, FALSE), 1); // the whole row
    EXPECT_EQ(UpdateRect(list), Rect(0, 2 * rh, client.right, 3 * rh));
    ValidateRect(list, nullptr);
    ASSERT_EQ(QelBox_SetText_A(c, 3, 0, "x"), 1); // its cells only
    EXPECT_EQ(UpdateRect(list), Rect(30, 3 * rh, client.right, 4 * rh));
    ValidateRect(list, nullptr);
    ASSERT_EQ(QelBox_SetRowText_A(c, 4, "r"), 1); // its row header only
    EXPECT_EQ(UpdateRect(list), Rect(0, 4 * rh, 30, 5 * rh));
    ValidateRect(list, nullptr);

    ASSERT_EQ(QelBox_SetItemStatus(c, 15, FALSE), 1); // below the list
    EXPECT_EQ(UpdateRect(list), kEmpty);
    ASSERT_EQ(QelBox_SetTopIndex(c, 5), 0);
    UpdateWindow(list);
    ASSERT_EQ(QelBox_SetItemStatus(c, 4, FALSE), 1); // above the top row
    EXPECT_EQ(UpdateRect(list), kEmpty);
    ASSERT_EQ(QelBox_SetItemStatus(c, 7, FALSE), 1);
    EXPECT_EQ(UpdateRect(list), Rect(0, 2 * rh, client.right, 3 * rh));
    ValidateRect(list, nullptr);

    SendMessageA(c, WM_SETREDRAW, FALSE, 0);
    ASSERT_EQ(QelBox_SetItemStatus(c, 6, FALSE), 1);
    EXPECT_EQ(UpdateRect(list), kEmpty);
    SendMessageA(c, WM_SETREDRAW, TRUE, 0);
}

// ---------------------------------------------------------------------
// Scroll bars of the list window

TEST_F(LayoutTest, VerticalScrollBarShowsRowsPageAndTop) {
    HWND c = SimpleShowing(10, 30, WS_VSCROLL);
    HWND list = QelBox_GetHWNDDropDown(c);
    ASSERT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
    SCROLLINFO info = ScrollInfo(list, SB_VERT);
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 29);
    EXPECT_EQ(info.nPage, 10u);
    EXPECT_EQ(info.nPos, 0);
    ASSERT_EQ(QelBox_SetTopIndex(c, 29), 0);
    EXPECT_EQ(ScrollInfo(list, SB_VERT).nPos, 20);

    // Fewer rows than fit: the range covers one page, the bar goes away.
    HWND few = SimpleShowing(10, 4, WS_VSCROLL, 150);
    HWND fewList = QelBox_GetHWNDDropDown(few);
    info = ScrollInfo(fewList, SB_VERT);
    EXPECT_EQ(info.nMax, 9);
    EXPECT_EQ(info.nPage, 10u);
    EXPECT_FALSE(GetWindowLongA(fewList, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(LayoutTest, DisableNoScrollKeepsTheBarDisabled) {
    HWND c = SimpleShowing(10, 4, WS_VSCROLL | QELBOXSTYLE_DISABLENOSCROLL);
    HWND list = QelBox_GetHWNDDropDown(c);
    EXPECT_EQ(QelBox_GetDisableNoScroll(c), 1);
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(ScrollBarDisabled(list, OBJID_VSCROLL));
    AddRows(c, 20);
    EXPECT_FALSE(ScrollBarDisabled(list, OBJID_VSCROLL));
    EXPECT_EQ(ScrollInfo(list, SB_VERT).nMax, 23);

    // Switching the style off lets the bar go when it is not needed.
    QelBox_SetDisableNoScroll(c, FALSE);
    EXPECT_EQ(QelBox_GetDisableNoScroll(c), 0);
    QelBox_ResetContent(c);
    AddRows(c, 3);
    EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(LayoutTest, HorizontalScrollBarPageIsAThirdOfTheListWidth) {
    HWND c = SimpleShowing(5, 10, WS_HSCROLL, 300);
    HWND list = QelBox_GetHWNDDropDown(c);
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 800), 1);
    ASSERT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL);
    SCROLLINFO info = ScrollInfo(list, SB_HORZ);
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nPage, 100u);
    EXPECT_EQ(info.nMax, 800 - 300 + 100 - 1);
    EXPECT_EQ(info.nPos, 0);
    ASSERT_EQ(QelBox_SetHorizontalOffset(c, -1), 1);
    info = ScrollInfo(list, SB_HORZ);
    EXPECT_EQ(info.nPos, 500);
    EXPECT_EQ(info.nMax - static_cast<int>(info.nPage) + 1, 500); // the last position

    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 200), 1);
    EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL);
}

TEST_F(LayoutTest, ClassicScrollBarsWithoutScrollInfo) {
    HWND c = SimpleShowing(10, 30, WS_VSCROLL | WS_HSCROLL, 300);
    UseClassicScrollBars(c);
    HWND list = QelBox_GetHWNDDropDown(c);
    ASSERT_EQ(QelBox_SetTopIndex(c, 4), 0);
    int lo = -1, hi = -1;
    GetScrollRange(list, SB_VERT, &lo, &hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 30 - QelBox_GetItemsShown(c));
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 4);
    ASSERT_EQ(QelBox_SetTopIndex(c, 29), 0);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), QelBox_GetTopIndex(c));

    const int w = Width(ClientOf(list));
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, w + 250), 1);
    ASSERT_EQ(QelBox_SetHorizontalOffset(c, 100), 1);
    GetScrollRange(list, SB_HORZ, &lo, &hi);
    EXPECT_EQ(hi, 250);
    EXPECT_EQ(GetScrollPos(list, SB_HORZ), 100);

    // Everything fits: a range of 0..0 removes the bars.
    QelBox_ResetContent(c);
    AddRows(c, 2);
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 0), 1);
    GetScrollRange(list, SB_VERT, &lo, &hi);
    EXPECT_EQ(hi, 0);
    EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));
}

TEST_F(LayoutTest, ClassicScrollBarsDisabledInsteadOfHidden) {
    HWND c = SimpleShowing(10, 30, WS_VSCROLL | QELBOXSTYLE_DISABLENOSCROLL);
    UseClassicScrollBars(c);
    HWND list = QelBox_GetHWNDDropDown(c);
    ASSERT_EQ(QelBox_SetTopIndex(c, 3), 0);
    EXPECT_FALSE(ScrollBarDisabled(list, OBJID_VSCROLL));

    QelBox_ResetContent(c);
    AddRows(c, 2); // nothing to scroll: disabled, range 0..1, at 0
    int lo = -1, hi = -1;
    GetScrollRange(list, SB_VERT, &lo, &hi);
    EXPECT_EQ(hi, 1);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 0);
    EXPECT_TRUE(ScrollBarDisabled(list, OBJID_VSCROLL));
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);

    AddRows(c, 28); // enabled again with the real range
    GetScrollRange(list, SB_VERT, &lo, &hi);
    EXPECT_EQ(hi, 30 - QelBox_GetItemsShown(c));
    EXPECT_FALSE(ScrollBarDisabled(list, OBJID_VSCROLL));
}

// ---------------------------------------------------------------------
// Horizontal offset and making columns visible

TEST_F(LayoutTest, HorizontalOffsetIsLimitedByExtentAndListWidth) {
    HWND c = SimpleShowing(5, 10, 0, 300);
    ASSERT_EQ(Width(ClientOf(QelBox_GetHWNDDropDown(c))), 300);
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 800), 1);
    EXPECT_EQ(QelBox_SetHorizontalOffset(c, -1), 1);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 500);
    EXPECT_EQ(QelBox_SetHorizontalOffset(c, 0), 1);
    EXPECT_EQ(QelBox_SetHorizontalOffset(c, 900), 1);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 500);
    EXPECT_EQ(QelBox_SetHorizontalOffset(c, 120), 1);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 120);
    EXPECT_EQ(QelBox_SetHorizontalOffset(c, -2), 0);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 120);

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
}

TEST_F(LayoutTest, ClosedDropDownEstimatesItsListWidth) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    AddRows(c, 3);
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 800), 1);
    // Width 0: the closed display area.
    EXPECT_EQ(QelBox_SetHorizontalOffset(c, -1), 1);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 800 - (200 - GetSystemMetrics(SM_CXVSCROLL)));
    ASSERT_EQ(QelBox_SetDroppedWidth(c, 250), 0);
    EXPECT_EQ(QelBox_SetHorizontalOffset(c, -1), 1);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 550);
    // Half the control's width: the percentage taken of the drop-down
    // width once more.
    ASSERT_EQ(QelBox_SetDroppedWidth(c, -50), 0);
    EXPECT_EQ(QelBox_SetHorizontalOffset(c, -1), 1);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 800 - 50);

    // Open: the list's own client width.
    ASSERT_EQ(QelBox_SetDroppedWidth(c, 0), 0);
    ASSERT_EQ(QelBox_ShowDropDown(c, TRUE), 1);
    const int w = Width(ClientOf(QelBox_GetHWNDDropDown(c)));
    EXPECT_EQ(QelBox_SetHorizontalOffset(c, -1), 1);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 800 - w);
}

TEST_F(LayoutTest, MakeColumnVisibleScrollsTheColumnIntoTheList) {
    HWND c = SimpleShowing(5, 20, 0, 300, {200, 200, 200});
    QelBox_SetOpenEnded(c, 0);
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 600), 1);

    QelBox_MakeColumnVisible(c, 1); // right edge beyond the list
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 100);
    EXPECT_CODES(c, QELBOXN_HSCROLLCHANGE);
    ClearNotes();
    QelBox_MakeColumnVisible(c, 1); // already in view
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 100);
    EXPECT_CODES(c);

    QelBox_MakeColumnVisible(c, 2); // the last column: fully to the right
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 300);
    QelBox_MakeColumnVisible(c, 1); // left edge before the list
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 200);
    QelBox_MakeColumnVisible(c, 0);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 0);
    EXPECT_CODES(c, QELBOXN_HSCROLLCHANGE, QELBOXN_HSCROLLCHANGE, QELBOXN_HSCROLLCHANGE);

    ClearNotes();
    QelBox_MakeColumnVisible(c, 3);
    QelBox_MakeColumnVisible(c, -1);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 0);

    // Row 0 out of view: nothing to measure, nothing happens.
    ASSERT_EQ(QelBox_SetTopIndex(c, 5), 0);
    QelBox_MakeColumnVisible(c, 2);
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 0);
    EXPECT_CODES(c);
}

TEST_F(LayoutTest, MakeColumnVisibleWithoutRowsOrList) {
    HWND c = Make(QELBOXSTYLE_SIMPLE, 0, 10, 10, 300, 150);
    SetColumnWidths(c, {200, 200, 200});
    ASSERT_EQ(QelBox_SetHorizontalExtent(c, 600), 1);
    ASSERT_EQ(QelBox_SetHorizontalOffset(c, 150), 1);
    QelBox_MakeColumnVisible(c, 2); // no rows: back to the start
    EXPECT_EQ(QelBox_GetHorizontalOffset(c), 0);
    EXPECT_CODES(c, QELBOXN_HSCROLLCHANGE);

    HWND closed = Make(QELBOXSTYLE_DROPDOWNLIST, 0, 10, 200, 200, 40);
    SetColumnWidths(closed, {200, 200, 200});
    AddRows(closed, 3);
    QelBox_SetOpenEnded(closed, 0);
    ASSERT_EQ(QelBox_SetHorizontalExtent(closed, 600), 1);
    QelBox_MakeColumnVisible(closed, 2); // closed: no cell to measure
    EXPECT_EQ(QelBox_GetHorizontalOffset(closed), 0);

    ASSERT_EQ(QelBox_ShowDropDown(closed, TRUE), 1);
    const int w = Width(ClientOf(QelBox_GetHWNDDropDown(closed)));
    QelBox_MakeColumnVisible(closed, 2);
    EXPECT_EQ(QelBox_GetHorizontalOffset(closed), 600 - w);
    QelBox_MakeColumnVisible(closed, 0);
    EXPECT_EQ(QelBox_GetHorizontalOffset(closed), 0);
}

// ---------------------------------------------------------------------
// Dropped size and position properties

TEST_F(LayoutTest, DroppedSizeProperties) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    EXPECT_EQ(QelBox_GetDroppedHeight(c), 6);
    EXPECT_EQ(QelBox_GetDroppedWidth(c), 0);
    EXPECT_EQ(QelBox_SetDroppedHeight(c, 0), -1);
    EXPECT_EQ(QelBox_GetDroppedHeight(c), 6);
    EXPECT_EQ(QelBox_SetDroppedHeight(c, -120), 0);
    EXPECT_EQ(QelBox_GetDroppedHeight(c), -120);
    EXPECT_EQ(QelBox_SetDroppedWidth(c, -150), 0);
    EXPECT_EQ(QelBox_GetDroppedWidth(c), -150);
    EXPECT_EQ(QelBox_SetDroppedWidth(c, 0), 0);
    EXPECT_EQ(QelBox_GetDroppedWidth(c), 0);

    HWND simple = Make(QELBOXSTYLE_SIMPLE, 0, 220, 10, 200, 150);
    EXPECT_EQ(QelBox_GetDroppedHeight(simple), -1);
    EXPECT_EQ(QelBox_GetDroppedWidth(simple), -1);
    EXPECT_EQ(QelBox_SetDroppedHeight(simple, 4), -1);
    EXPECT_EQ(QelBox_SetDroppedWidth(simple, 100), -1);
    EXPECT_EQ(QelBox_GetDroppedHeight(simple), -1);
}

TEST_F(LayoutTest, DropDownPositionIsKeptByTheDropDownListOnly) {
    HWND list = Make(QELBOXSTYLE_DROPDOWNLIST, 0, 10, 10, 200, 40);
    HWND combo = Make(QELBOXSTYLE_DROPDOWN, 0, 220, 10, 200, 40);
    EXPECT_EQ(QelBox_GetDropDownPosition(list), 1);
    QelBox_SetDropDownPosition(list, 0);
    EXPECT_EQ(QelBox_GetDropDownPosition(list), 0);
    QelBox_SetDropDownPosition(combo, 0);
    EXPECT_EQ(QelBox_GetDropDownPosition(combo), 1);

    // Setting it closes an open drop-down without accepting.
    AddRows(list, 3);
    ASSERT_EQ(QelBox_ShowDropDown(list, TRUE), 1);
    ClearNotes();
    QelBox_SetDropDownPosition(list, 1);
    EXPECT_EQ(QelBox_GetDroppedState(list), 0);
    EXPECT_CODES(list, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);
}

TEST_F(LayoutTest, SetDisableNoScrollChangesTheStyleAndClosesTheList) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    AddRows(c, 3);
    EXPECT_EQ(QelBox_GetDisableNoScroll(c), 0);
    ASSERT_EQ(QelBox_ShowDropDown(c, TRUE), 1);
    ClearNotes();
    QelBox_SetDisableNoScroll(c, 5);
    EXPECT_EQ(QelBox_GetDisableNoScroll(c), 1);
    EXPECT_TRUE(GetWindowLongA(c, GWL_STYLE) & QELBOXSTYLE_DISABLENOSCROLL);
    EXPECT_EQ(QelBox_GetDroppedState(c), 0);
    EXPECT_CODES(c, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);
    QelBox_SetDisableNoScroll(c, FALSE);
    EXPECT_EQ(QelBox_GetDisableNoScroll(c), 0);
}

// ---------------------------------------------------------------------
// An open drop-down follows the control

TEST_F(LayoutTest, OpenListMovesWithTheControlsBottomEdge) {
    HWND c = Make(QELBOXSTYLE_DROPDOWN, 0, 10, 10, 200, 40);
    AddRows(c, 10);
    ASSERT_EQ(QelBox_ShowDropDown(c, TRUE), 1);
    HWND list = QelBox_GetHWNDDropDown(c);
    RECT before, control;
    GetWindowRect(list, &before);
    GetWindowRect(c, &control);
    ASSERT_GE(before.top, control.bottom); // opened below

    HFONT big = Font(30);
    QelBox_SetEditCtlFont(c, big, FALSE);
    RECT grown, after;
    GetWindowRect(c, &grown);
    GetWindowRect(list, &after);
    const int dy = grown.bottom - control.bottom;
    ASSERT_GT(dy, 0);
    EXPECT_EQ(after.top, before.top + dy);
    EXPECT_EQ(Height(after), Height(before));
    EXPECT_EQ(after.left, before.left);

    // Kept bottom edge: the list stays where it is.
    HWND kept = Make(QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_ALIGNBOTTOM, 220, 10, 200, 40);
    AddRows(kept, 10);
    ASSERT_EQ(QelBox_ShowDropDown(kept, TRUE), 1);
    HWND keptList = QelBox_GetHWNDDropDown(kept);
    GetWindowRect(keptList, &before);
    QelBox_SetEditCtlFont(kept, big, FALSE);
    GetWindowRect(keptList, &after);
    EXPECT_EQ(after, before);
}

} // namespace

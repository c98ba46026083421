// Mouse interaction on the header strip and the rows: resizing and
// reordering columns, header buttons and auto-scrolling.
#include "harness.h"
#include "pixels.h"

namespace {

class MouseTest : public ControlTest {
  protected:
    HWND control_ = nullptr;
    int headerY_ = 0;

    // A drop-down-list control with three 50-pixel columns (dividers at 50,
    // 100 and 150) and the header strip shown.
    void SetUp() override {
        ControlTest::SetUp();
        control_ = Create(QELBOXSTYLE_DROPDOWNLIST);
        std::vector<ColumnRecord> columns(3, Column(50));
        columns[1].headerStyle = QELBOX_HEADER_PUSHBUTTON;
        ASSERT_EQ(SetColumns(control_, columns), 1);
        QelBox_SetOpenEnded(control_, 0);
        QelBox_SetShowHeader(control_, 1);
        RECT strip;
        QelBox_GetHeaderRect(control_, -1, &strip);
        headerY_ = (strip.top + strip.bottom) / 2;
        SetFocus(control_);
        ClearNotes();
    }
    void Press(int x, int y) {
        SendMessageA(control_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    void Move(int x, int y) { SendMessageA(control_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Release(int x, int y) { SendMessageA(control_, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
    void Drag(int fromX, int toX) {
        Press(fromX, headerY_);
        Move((fromX + toX) / 2, headerY_);
        Move(toX, headerY_);
        Release(toX, headerY_);
    }
    // One field of every column, read through QelBox_GetColumns.
    std::vector<int> Field(int ColumnRecord::*field) {
        ColumnRecord* copy = nullptr;
        std::vector<int> values;
        for (int c = 0, n = QelBox_GetColumns(control_, &copy); c < n; ++c)
            values.push_back(copy[c].*field);
        return values;
    }
    std::vector<int> Widths() { return Field(&ColumnRecord::width); }
    std::vector<int> Order() { return Field(&ColumnRecord::columnAtPosition); }
};

TEST_F(MouseTest, DraggingADividerResizesTheColumn) {
    Drag(50, 70);
    EXPECT_EQ(Widths(), (std::vector<int>{70, 50, 50}));
    EXPECT_CODES(control_, QELBOXN_COLUMNRESIZED);
    EXPECT_EQ(GetCapture(), nullptr);
    // Dragging the second divider left past the first narrows both.
    Drag(120, 30);
    EXPECT_EQ(Widths(), (std::vector<int>{30, 0, 50}));
    // A fixed-width column's divider is no handle: the press is a header
    // click instead.
    ColumnRecord column = {};
    column.width = 50;
    column.columnFlags = QELBOX_COLUMN_FIXEDWIDTH;
    QelBox_SetColumns(control_, 1, &column);
    Drag(50, 90);
    EXPECT_EQ(Widths(), (std::vector<int>{50}));
}

TEST_F(MouseTest, HeaderClicksAndThePushButtonStyle) {
    Press(25, headerY_);
    EXPECT_EQ(QelBox_GetHeaderButton(control_), 0); // drawn pressed while held
    Release(25, headerY_);
    EXPECT_CODES(control_, QELBOXN_LBUTTON + QELBOXN_ZONE_HEADER);
    EXPECT_EQ(QelBox_GetHeaderButton(control_), 0); // stays pressed
    // Column 1 pops back up after its click.
    Press(75, headerY_);
    Release(75, headerY_);
    EXPECT_EQ(QelBox_GetHeaderButton(control_), -1);
    // Released outside the pressed header: no click, old state back.
    QelBox_SetHeaderButton(control_, 2);
    ClearNotes();
    Press(25, headerY_);
    Release(25, headerY_ + 200);
    EXPECT_CODES(control_);
    EXPECT_EQ(QelBox_GetHeaderButton(control_), 2);
}

TEST_F(MouseTest, DraggingAHeaderReordersTheColumns) {
    Drag(125, 5); // column 2 onto the left half of column 0
    EXPECT_EQ(Order(), (std::vector<int>{2, 0, 1}));
    EXPECT_CODES(control_, QELBOXN_COLUMNSREORDERED);
    // Onto its own place, or directly behind itself: nothing at all.
    ClearNotes();
    Drag(25, 35);
    Drag(25, 60);
    EXPECT_EQ(Order(), (std::vector<int>{2, 0, 1}));
    EXPECT_CODES(control_);
    // Reordering switched off: the press stays a header click.
    QelBox_SetReorderColumns(control_, FALSE);
    EXPECT_EQ(QelBox_GetReorderColumns(control_), 0);
    Drag(125, 5);
    EXPECT_EQ(Order(), (std::vector<int>{2, 0, 1}));
}

TEST_F(MouseTest, DraggingBelowAFullListScrollsTheHighlight) {
    AddRows(control_, 40);
    SetFocus(control_);
    QelBox_SetDroppedHeight(control_, 5);
    ASSERT_EQ(QelBox_ShowDropDown(control_, TRUE), 1);
    HWND list = QelBox_GetHWNDDropDown(control_);
    RECT client;
    GetClientRect(list, &client);
    // The first move after the list was placed is ignored.
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(20, 2));
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 2));
    EXPECT_EQ(QelBox_GetCurSel(control_), 0);
    SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, client.bottom + 10));
    EXPECT_EQ(QelBox_GetCurSel(control_), 4); // the last row shown
    // Each tick of the auto-scroll timer moves the highlight one row on.
    QelBox_VScrollTimerProc(control_, WM_TIMER, 1, 0);
    QelBox_VScrollTimerProc(control_, WM_TIMER, 1, 0);
    EXPECT_EQ(QelBox_GetCurSel(control_), 6);
    EXPECT_EQ(QelBox_GetTopIndex(control_), 2);
    // Back over a row: that row is highlighted (each scroll re-placed the
    // list, so one move is ignored first).
    SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 2));
    SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 2));
    const int top = QelBox_GetTopIndex(control_);
    EXPECT_EQ(QelBox_GetCurSel(control_), top);
    SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(20, 2));
    EXPECT_EQ(Text(control_, -1), Text(control_, top));
}

TEST_F(MouseTest, DropButtonOfAnEmptyControlDoesNotOpen) {
    RECT button;
    QelBox_GetDropDownButtonRect(control_, &button);
    const Image before = Capture(control_);
    Press(button.left + 3, button.top + 3);
    EXPECT_EQ(Capture(control_).pixels, before.pixels); // not even drawn pressed
    Release(button.left + 3, button.top + 3);
    EXPECT_EQ(QelBox_GetDroppedState(control_), 0);
    EXPECT_CODES(control_);
}

TEST_F(MouseTest, PressOnTheClosedRowHeaderIsARowHeaderClick) {
    // Both drop-down types report a press on the committed row's header as
    // a row-header click on the control and leave the list closed; flat
    // row headers take no clicks.
    const int onHeader = QELBOXN_LBUTTON + QELBOXN_ONCONTROL + QELBOXN_ZONE_ROWHEADER;
    const struct {
        DWORD type;
        int mode;
        UINT message;
        std::vector<int> codes;
    } cases[] = {{QELBOXSTYLE_DROPDOWNLIST, 5, WM_LBUTTONDOWN, {onHeader}},
                 {QELBOXSTYLE_DROPDOWN, 1, WM_LBUTTONDOWN, {onHeader}},
                 {QELBOXSTYLE_DROPDOWNLIST, 3, WM_LBUTTONDBLCLK, {onHeader + QELBOXN_DBLCLK}},
                 {QELBOXSTYLE_DROPDOWN, 5, WM_LBUTTONDBLCLK, {onHeader + QELBOXN_DBLCLK}},
                 {QELBOXSTYLE_DROPDOWNLIST, 2, WM_LBUTTONDOWN, {}}};
    int id = 2;
    for (const auto& c : cases) {
        SCOPED_TRACE(id);
        HWND control = AddRows(Create(c.type, 0, id++), 3);
        QelBox_SetShowRowHeader(control, c.mode);
        QelBox_SetCurSel(control, 1);
        RECT header;
        QelBox_GetRowHeaderRect(control, -1, &header);
        POINT at = {(header.left + header.right) / 2, (header.top + header.bottom) / 2};
        int area = 0;
        ASSERT_EQ(QelBox_CalcIndexFromPoint(control, &at, &area), 1);
        ASSERT_EQ(area, 1);
        SetFocus(control);
        ClearNotes();
        SendMessageA(control, c.message, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        EXPECT_EQ(Codes(control), c.codes);
        EXPECT_EQ(QelBox_GetDroppedState(control), 0);
        EXPECT_EQ(QelBox_GetCurSel(control), 1);
        EXPECT_EQ(GetCapture(), nullptr);
    }
}

} // namespace

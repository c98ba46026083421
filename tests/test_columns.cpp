// Columns: installing and reading column definitions, display order, the
// edit column and its edit field, column headers, and per-cell overrides.
#include "harness.h"

#include <string.h>

#include <memory>

namespace {

class ColumnTest : public ControlTest {
  protected:
    static ColumnRecord Column(int width, DWORD style = 0, const char* header = nullptr) {
        ColumnRecord column;
        memset(&column, 0, sizeof(column));
        column.width = width;
        column.colorBackground = column.colorText = QELBOX_COLOR_NONE;
        column.colorSelBackground = column.colorSelText = QELBOX_COLOR_NONE;
        column.style = style;
        column.headerText = header;
        return column;
    }
    static std::vector<ColumnRecord> Columns(std::initializer_list<int> widths) {
        std::vector<ColumnRecord> columns;
        for (int width : widths)
            columns.push_back(Column(width));
        return columns;
    }
    static int Install(HWND control, const std::vector<ColumnRecord>& columns) {
        return QelBox_SetColumns(control, static_cast<int>(columns.size()), columns.data());
    }
    // One field of every installed column, read through QelBox_GetColumns.
    static std::vector<int> Field(HWND control, int ColumnRecord::*field = &ColumnRecord::width) {
        ColumnRecord* copy = nullptr;
        int count = QelBox_GetColumns(control, &copy);
        std::vector<int> values;
        for (int c = 0; c < count && copy; ++c)
            values.push_back(copy[c].*field);
        return values;
    }
    static std::string Header(HWND control, int column) {
        char buffer[256];
        return QelBox_GetHeader_A(control, column, buffer, sizeof(buffer)) < 0 ? "<error>" : buffer;
    }
    static int StripHeight(HWND control) {
        RECT strip;
        QelBox_GetHeaderRect(control, -1, &strip);
        return strip.bottom - strip.top;
    }
    static int FontHeight(HFONT font) {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICA metrics;
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        return metrics.tmHeight;
    }
    static CellInfo Cell(int index, int column) {
        CellInfo info;
        memset(&info, 0, sizeof(info));
        info.version = 1;
        info.index = index;
        info.column = column;
        return info;
    }
    // Reads a cell and checks that it has no overrides.
    static void ExpectDefaultCell(HWND control, int index, int column) {
        CellInfo info = Cell(index, column);
        ASSERT_EQ(QelBox_GetCellInfo(control, &info), 1);
        CellInfo expected = Cell(index, column);
        expected.colorBackground = expected.colorText = QELBOX_COLOR_NONE;
        expected.colorSelBackground = expected.colorSelText = QELBOX_COLOR_NONE;
        EXPECT_EQ(memcmp(&info, &expected, sizeof(CellInfo)), 0) << index << "," << column;
    }
    HBITMAP Bitmap(int width, int height) {
        bitmaps_.emplace_back(CreateBitmap(width, height, 1, 1, nullptr), DeleteObject);
        return static_cast<HBITMAP>(bitmaps_.back().get());
    }

    std::vector<std::unique_ptr<void, BOOL(WINAPI*)(HGDIOBJ)>> bitmaps_;
};

// Installing and reading definitions

TEST_F(ColumnTest, DefaultColumnAndRefusedDefinitions) {
    HWND control = Create(QELBOXSTYLE_DROPDOWN);
    const ColumnRecord expected = Column(500, 0x800);
    ColumnRecord* copy = nullptr;
    EXPECT_EQ(QelBox_GetColumns(control, nullptr), 1);
    ASSERT_EQ(QelBox_GetColumns(control, &copy), 1);
    EXPECT_EQ(memcmp(copy, &expected, sizeof(ColumnRecord)), 0);
    ASSERT_EQ(Install(control, Columns({40, 50, 60})), 1);
    // Count 0 does not read the array argument.
    EXPECT_EQ(QelBox_SetColumns(control, 0, reinterpret_cast<const ColumnRecord*>(1)), 1);
    ASSERT_EQ(QelBox_GetColumns(control, &copy), 1);
    EXPECT_EQ(memcmp(copy, &expected, sizeof(ColumnRecord)), 0);
    // Invalid definitions are refused and change nothing; one shown column
    // is enough.
    ASSERT_EQ(Install(control, Columns({30, 70})), 1);
    EXPECT_EQ(QelBox_SetColumns(control, -1, Columns({10}).data()), 0);
    EXPECT_EQ(Install(control, Columns({0, 0})), 0);
    EXPECT_EQ(Install(control, Columns({10, -1, 20})), 0);
    EXPECT_EQ(QelBox_SetColumns(control, 2, nullptr), 0);
    EXPECT_EQ(Field(control), (std::vector<int>{30, 70}));
    EXPECT_EQ(Install(control, Columns({0, 0, 1})), 1);
}

TEST_F(ColumnTest, CountChangeWithStoredItemsIsRefusedButClosesTheDropDown) {
    HWND control = Create(QELBOXSTYLE_DROPDOWN);
    AddRows(control, 5);
    ASSERT_EQ(QelBox_ShowDropDown(control, TRUE), 1);
    ClearNotes();
    EXPECT_EQ(Install(control, Columns({50, 50, 50})), 0);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_CODES(control, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);
    EXPECT_EQ(Field(control), (std::vector<int>{500}));
    // The same count is accepted, keeps the cells and leaves the list open.
    ASSERT_EQ(QelBox_SetText_A(control, 2, 0, "kept"), 1);
    ASSERT_EQ(QelBox_ShowDropDown(control, TRUE), 1);
    EXPECT_EQ(Install(control, Columns({120})), 1);
    EXPECT_TRUE(QelBox_GetDroppedState(control));
    EXPECT_EQ(Field(control), (std::vector<int>{120}));
    EXPECT_EQ(Text(control, 2), "kept");
    // Without items the count may change.
    QelBox_ResetContent(control);
    EXPECT_EQ(Install(control, Columns({50, 50, 50})), 1);
    EXPECT_EQ(QelBox_GetColumns(control, nullptr), 3);
}

TEST_F(ColumnTest, DisplayOrderKeptWhenAPermutationElseReset) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    QelBox_SetShowHeader(control, 1);
    // {display positions in, positions kept, columns at the positions}
    const std::vector<int> cases[][3] = {
        {{1, 0, 2}, {1, 0, 2}, {1, 0, 2}},
        {{2, 0, 1}, {2, 0, 1}, {1, 2, 0}}, // a rotation tells the table from its inverse
        {{0, 0, 2}, {0, 1, 2}, {0, 1, 2}}, // no permutation: reset
        {{1, 2, 3}, {0, 1, 2}, {0, 1, 2}},
    };
    for (const auto& c : cases) {
        std::vector<ColumnRecord> columns = Columns({30, 40, 50});
        for (int i = 0; i < 3; ++i) {
            columns[i].displayPosition = c[0][i];
            columns[i].columnAtPosition = 7; // ignored on input
        }
        ASSERT_EQ(Install(control, columns), 1);
        EXPECT_EQ(Field(control, &ColumnRecord::displayPosition), c[1]);
        EXPECT_EQ(Field(control, &ColumnRecord::columnAtPosition), c[2]);
        // Header cells are laid out in display order.
        RECT cell[3];
        for (int i = 0; i < 3; ++i)
            QelBox_GetHeaderRect(control, c[2][i], &cell[i]);
        EXPECT_LT(cell[0].left, cell[1].left);
        EXPECT_LT(cell[1].left, cell[2].left);
    }
}

TEST_F(ColumnTest, GetColumnsCopyRoundTripsAndIsReplacedByTheNextCall) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    ColumnRecord in = Column(77, QELBOX_ALIGN_RIGHT | QELBOX_MULTILINE, "Name");
    in.reserved0 = 0x11111111;
    in.reserved3 = 0x33333333;
    in.colorText = RGB(1, 2, 3);
    in.headerStyle = QELBOX_HEADER_PUSHBUTTON | QELBOX_ALIGN_CENTER;
    in.headerBitmapStyle = QELBOX_BITMAP_RIGHT;
    in.columnFlags = QELBOX_COLUMN_FIXEDWIDTH | QELBOX_COLUMN_FIXEDPOSITION;
    in.reserved4[37] = 0x55;
    in.headerTextOwned = reinterpret_cast<char*>(0x1234); // ignored on input
    ASSERT_EQ(QelBox_SetColumns(control, 1, &in), 1);
    // One copy at a time: each call replaces the previous one.
    const int before = QelBoxDiag_LiveAllocations();
    ColumnRecord *first = nullptr, *copy = nullptr;
    ASSERT_EQ(QelBox_GetColumns(control, &first), 1);
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(QelBox_GetColumns(control, &copy), 1);
    EXPECT_NE(copy, first);
    EXPECT_EQ(QelBoxDiag_LiveAllocations(), before + 1);
    // Everything comes back; the text pointers are the control's own copy.
    ASSERT_NE(copy->headerText, nullptr);
    EXPECT_NE(copy->headerText, in.headerText);
    EXPECT_STREQ(copy->headerText, "Name");
    ColumnRecord expected = in;
    expected.headerText = copy->headerText;
    expected.headerTextOwned = copy->headerTextOwned;
    EXPECT_EQ(copy->headerTextOwned, copy->headerText);
    EXPECT_EQ(memcmp(copy, &expected, sizeof(ColumnRecord)), 0);
}

TEST_F(ColumnTest, HeaderTextsAndBitmapsOfTheDefinitions) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    QelBox_SetShowHeader(control, 1);
    const int textStrip = StripHeight(control);
    HBITMAP tall = Bitmap(8, textStrip + 30), lower = Bitmap(8, textStrip + 10);
    std::unique_ptr<char[]> name(new char[16]);
    strcpy(name.get(), "Name");
    std::vector<ColumnRecord> columns = {Column(50, 0, name.get()), Column(50),
                                         Column(50, 0, "Price")};
    columns[0].headerBitmap = tall;
    columns[1].headerBitmap = lower;
    columns[2].headerBitmap = reinterpret_cast<HBITMAP>(GetStockObject(WHITE_BRUSH));
    ASSERT_EQ(Install(control, columns), 1);
    memset(name.get(), 'x', 15); // the caller's strings are copied
    name.reset();
    EXPECT_EQ(Header(control, 0) + "|" + Header(control, 1) + "|" + Header(control, 2),
              "Name||Price");
    // The last real bitmap in array order sizes the strip (not the tallest).
    EXPECT_EQ(StripHeight(control), textStrip + 10 + 3);
    columns = {Column(60, 0, "A"), Column(60), Column(60)};
    columns[0].headerBitmap = tall;
    ASSERT_EQ(Install(control, columns), 1);
    EXPECT_EQ(Header(control, 0) + "|" + Header(control, 2), "A|");
    EXPECT_EQ(StripHeight(control), textStrip + 30 + 3);
    ASSERT_EQ(Install(control, Columns({40, 40, 40})), 1);
    EXPECT_EQ(StripHeight(control), textStrip);
}

// Column headers

TEST_F(ColumnTest, HeaderTextSetGetTruncateClearAndRefuse) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    ASSERT_EQ(Install(control, Columns({50, 50})), 1);
    EXPECT_EQ(QelBox_SetHeader_A(control, 1, "Columns"), 1);
    EXPECT_EQ(QelBox_GetHeaderLength(control, 1), 7);
    EXPECT_EQ(QelBox_GetHeaderLength(control, 0), 0);
    char small[4] = {'?', '?', '?', '?'};
    EXPECT_EQ(QelBox_GetHeader_A(control, 1, small, sizeof(small)), 3);
    EXPECT_STREQ(small, "Col");
    char exact[8];
    EXPECT_EQ(QelBox_GetHeader_A(control, 1, exact, sizeof(exact)), 7);
    EXPECT_STREQ(exact, "Columns");
    char none[2] = {'?', '?'};
    EXPECT_EQ(QelBox_GetHeader_A(control, 1, none, 0), 0);
    EXPECT_EQ(none[0], '?');
    char buffer[16] = "junk";
    EXPECT_EQ(QelBox_GetHeader_A(control, 0, buffer, sizeof(buffer)), 0);
    EXPECT_STREQ(buffer, "");
    // Bad columns and no buffer.
    EXPECT_EQ(QelBox_SetHeader_A(control, 2, "x"), 0);
    EXPECT_EQ(QelBox_SetHeader_A(control, -1, "x"), 0);
    EXPECT_EQ(QelBox_GetHeaderLength(control, 2), -1);
    EXPECT_EQ(QelBox_GetHeaderLength(control, -1), -1);
    strcpy(buffer, "junk");
    EXPECT_EQ(QelBox_GetHeader_A(control, 2, buffer, sizeof(buffer)), -1);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(QelBox_GetHeader_A(control, 1, nullptr, 8), -1);
    EXPECT_EQ(Header(control, 1), "Columns");
    // A null text clears the header and frees its copy.
    const int withText = QelBoxDiag_LiveAllocations();
    EXPECT_EQ(QelBox_SetHeader_A(control, 1, nullptr), 1);
    EXPECT_EQ(QelBox_GetHeaderLength(control, 1), 0);
    EXPECT_EQ(QelBoxDiag_LiveAllocations(), withText - 1);
    EXPECT_EQ(QelBox_SetHeader_A(control, 1, nullptr), 1);
}

TEST_F(ColumnTest, HeaderButtonAndShowHeaderRanges) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    EXPECT_EQ(QelBox_GetHeaderButton(control), -1);
    ASSERT_EQ(Install(control, Columns({20, 20, 20, 20})), 1);
    EXPECT_EQ(QelBox_SetHeaderButton(control, 4), 0);
    EXPECT_EQ(QelBox_SetHeaderButton(control, -2), 0);
    EXPECT_EQ(QelBox_GetHeaderButton(control), -1);
    EXPECT_EQ(QelBox_SetHeaderButton(control, 3), 1);
    EXPECT_EQ(QelBox_SetHeaderButton(control, 3), 1);
    // Kept while its column stays, reset when it goes.
    ASSERT_EQ(Install(control, Columns({20, 20, 20, 30})), 1);
    EXPECT_EQ(QelBox_GetHeaderButton(control), 3);
    ASSERT_EQ(Install(control, Columns({20, 20, 20})), 1);
    EXPECT_EQ(QelBox_GetHeaderButton(control), -1);
    EXPECT_EQ(QelBox_SetHeaderButton(control, 2), 1);
    EXPECT_EQ(QelBox_SetHeaderButton(control, -1), 1);
    EXPECT_EQ(QelBox_GetHeaderButton(control), -1);
    // Show-header modes 0..2; other values are ignored.
    EXPECT_EQ(QelBox_GetShowHeader(control), 0);
    EXPECT_EQ(StripHeight(control), 0);
    QelBox_SetShowHeader(control, 1);
    QelBox_SetShowHeader(control, 3);
    QelBox_SetShowHeader(control, -1);
    EXPECT_EQ(QelBox_GetShowHeader(control), 1);
    QelBox_SetShowHeader(control, 2);
    EXPECT_EQ(QelBox_GetShowHeader(control), 2);
    EXPECT_GT(StripHeight(control), 0);
}

TEST_F(ColumnTest, HeaderFontIsMeasuredAndFollowsTheControlFont) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    QelBox_SetShowHeader(control, 1);
    HFONT stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(StripHeight(control), FontHeight(stock) + 3);
    HFONT big =
        CreateFontA(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "DejaVu Sans");
    ASSERT_NE(big, nullptr);
    QelBox_SetColHeaderFont(control, big, TRUE);
    EXPECT_EQ(QelBox_GetColHeaderFont(control), big);
    EXPECT_EQ(StripHeight(control), FontHeight(big) + 3);
    // Every control font replaces the header font.
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(stock), TRUE);
    EXPECT_EQ(QelBox_GetColHeaderFont(control), stock);
    EXPECT_EQ(StripHeight(control), FontHeight(stock) + 3);
    // 0 stands for the control's font.
    QelBox_SetColHeaderFont(control, big, FALSE);
    QelBox_SetColHeaderFont(control, nullptr, FALSE);
    EXPECT_EQ(QelBox_GetColHeaderFont(control), nullptr);
    EXPECT_EQ(StripHeight(control), FontHeight(stock) + 3);
    DeleteObject(big);
}

// The edit column and the edit field

TEST_F(ColumnTest, TheFirstVisibleColumnDecidesTheEditField) {
    HWND control = Create(QELBOXSTYLE_DROPDOWN);
    ASSERT_EQ(Install(control, Columns({0, 80, 80})), 1);
    AddRows(control, 3);
    ASSERT_EQ(QelBox_SetText_A(control, 1, 1, "Second"), 1);
    ASSERT_EQ(QelBox_SetText_A(control, 1, 2, "Third"), 1);
    ASSERT_EQ(QelBox_SetCurSel(control, 1), 0);
    EXPECT_EQ(WindowText(QelBox_GetHWNDEdit(control)), "Second");
    // Display order decides: column 2 at position 0 is the edit column...
    std::vector<ColumnRecord> columns = Columns({80, 80, 80});
    columns[0].displayPosition = 1;
    columns[1].displayPosition = 2;
    columns[2].displayPosition = 0;
    ASSERT_EQ(Install(control, columns), 1);
    EXPECT_EQ(WindowText(QelBox_GetHWNDEdit(control)), "Third");
    // ...unless hidden: position 1 shows column 0.
    columns[2].width = 0;
    ASSERT_EQ(Install(control, columns), 1);
    EXPECT_EQ(WindowText(QelBox_GetHWNDEdit(control)), "Row 1");
    // A multi-line edit column recreates the field, keeping the focus.
    HWND old = QelBox_GetHWNDEdit(control);
    SetFocus(old);
    ASSERT_EQ(GetFocus(), old);
    columns = {Column(80, QELBOX_MULTILINE), Column(80), Column(80)};
    ASSERT_EQ(Install(control, columns), 1);
    HWND edit = QelBox_GetHWNDEdit(control);
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(GetDlgCtrlID(edit), QELBOX_EDIT_ID);
    EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE) & (ES_MULTILINE | WS_VSCROLL),
              ES_MULTILINE | WS_VSCROLL);
    EXPECT_EQ(GetFocus(), edit);
    // Multi-line in a column that is not the edit column has no effect.
    columns[0].style = 0;
    columns[1].style = QELBOX_MULTILINE;
    ASSERT_EQ(Install(control, columns), 1);
    edit = QelBox_GetHWNDEdit(control);
    EXPECT_FALSE(GetWindowLongA(edit, GWL_STYLE) & (ES_MULTILINE | WS_VSCROLL));
    EXPECT_EQ(GetFocus(), edit);
    // Without the focus the new field does not take it.
    SetFocus(TestParent());
    ASSERT_EQ(Install(control, columns), 1);
    EXPECT_EQ(GetFocus(), TestParent());
    // The drop-down-list type never gets an edit field.
    HWND list = Create(QELBOXSTYLE_DROPDOWNLIST);
    ASSERT_EQ(Install(list, {Column(80, QELBOX_MULTILINE)}), 1);
    EXPECT_EQ(QelBox_GetHWNDEdit(list), nullptr);
}

// Cell information

TEST_F(ColumnTest, CellInfoDefaultsAndRefusals) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    ASSERT_EQ(Install(control, Columns({50, 50})), 1);
    AddRows(control, 2);
    const int before = QelBoxDiag_LiveAllocations();
    const int rowHeight = QelBox_GetItemHeight(control, 0);
    ExpectDefaultCell(control, 1, 1);
    // {version, index, column}: refused by both calls; the getter writes
    // nothing back.
    const int bad[][3] = {{2, 0, 0}, {0, 0, 0}, {1, -2, 0}, {1, 2, 0}, {1, 0, -1}, {1, 0, 2}};
    for (const auto& b : bad) {
        CellInfo info = Cell(b[1], b[2]);
        info.version = b[0];
        info.cellData = 0xBEEF;
        EXPECT_EQ(QelBox_SetCellInfo(control, &info), 0) << b[0] << b[1] << b[2];
        EXPECT_EQ(QelBox_GetCellInfo(control, &info), 0) << b[0] << b[1] << b[2];
        EXPECT_EQ(info.cellData, 0xBEEFu);
    }
    CellInfo prototype = Cell(-1, 0);
    EXPECT_EQ(QelBox_GetCellInfo(control, &prototype), 0);
    EXPECT_EQ(QelBox_GetCellInfo(control, nullptr), 0);
    EXPECT_EQ(QelBox_SetCellInfo(control, nullptr), 0);
    // Handles that are no bitmap, for a cell and for the prototype.
    for (HGDIOBJ handle : {reinterpret_cast<HGDIOBJ>(0x7A5A0), GetStockObject(BLACK_PEN)}) {
        for (int index = -1; index <= 0; ++index) {
            CellInfo info = Cell(index, 0);
            info.bitmap = static_cast<HBITMAP>(handle);
            EXPECT_EQ(QelBox_SetCellInfo(control, &info), 0) << index;
        }
    }
    EXPECT_EQ(QelBoxDiag_LiveAllocations(), before);
    EXPECT_EQ(QelBox_GetItemHeight(control, 0), rowHeight);
    for (int cell = 0; cell < 4; ++cell)
        ExpectDefaultCell(control, cell / 2, cell % 2);
}

TEST_F(ColumnTest, CellInfoRoundTripPerCell) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    ASSERT_EQ(Install(control, Columns({50, 50, 50})), 1);
    AddRows(control, 3);
    const int before = QelBoxDiag_LiveAllocations();
    CellInfo in = Cell(1, 2);
    in.colorBackground = RGB(10, 20, 30);
    in.colorText = QELBOX_SYSCOLOR(COLOR_GRAYTEXT);
    in.colorSelBackground = RGB(0, 0, 0);
    in.colorSelText = QELBOX_COLOR_NONE;
    in.cellData = 0xC0FFEE;
    in.font = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    in.bitmap = Bitmap(12, 9);
    in.bitmapStyle = QELBOX_BITMAP_CENTER | QELBOX_BITMAP_RIGHT;
    ASSERT_EQ(QelBox_SetCellInfo(control, &in), 1);
    CellInfo second = Cell(1, 0);
    second.cellData = 7;
    ASSERT_EQ(QelBox_SetCellInfo(control, &second), 1);
    // One array for the item, made on first use and reused after.
    EXPECT_EQ(QelBoxDiag_LiveAllocations(), before + 1);

    for (const CellInfo& set : {in, second}) {
        CellInfo out = Cell(set.index, set.column);
        ASSERT_EQ(QelBox_GetCellInfo(control, &out), 1);
        EXPECT_EQ(memcmp(&out, &set, sizeof(CellInfo)), 0) << set.column;
    }
    ExpectDefaultCell(control, 1, 1);
    ExpectDefaultCell(control, 2, 2);
    // Deleting the item frees its cell info: one block more than deleting
    // an item without.
    int live = QelBoxDiag_LiveAllocations();
    ASSERT_GE(QelBox_DeleteString(control, 2), 0);
    const int plainItem = live - QelBoxDiag_LiveAllocations();
    live = QelBoxDiag_LiveAllocations();
    ASSERT_GE(QelBox_DeleteString(control, 1), 0);
    EXPECT_EQ(live - QelBoxDiag_LiveAllocations(), plainItem + 1);
}

// Running out of memory

TEST_F(ColumnTest, SetColumnsOutOfMemoryKeepsTheOldColumns) {
    HWND control = Create(QELBOXSTYLE_DROPDOWN);
    ASSERT_EQ(Install(control, {Column(40, 0, "One"), Column(60, 0, "Two")}), 1);
    ASSERT_EQ(QelBox_SetHeaderButton(control, 1), 1);
    HWND edit = QelBox_GetHWNDEdit(control);
    Field(control); // the copy that each check below replaces
    const int before = QelBoxDiag_LiveAllocations();
    std::vector<ColumnRecord> next = {Column(10, QELBOX_MULTILINE, "Alpha"), Column(20),
                                      Column(30, 0, "Gamma")};
    next[0].displayPosition = 2;
    next[1].displayPosition = 1;
    // The array, then each header text runs out in turn; then all succeeds.
    int failures = 0;
    for (int successes = 0; successes < 10; ++successes) {
        QelBoxDiag_FailAllocationsAfter(successes);
        int result = Install(control, next);
        QelBoxDiag_FailAllocationsAfter(-1);
        if (result == 1) break;
        ++failures;
        EXPECT_EQ(QelBoxDiag_LiveAllocations(), before) << successes;
        EXPECT_EQ(Field(control), (std::vector<int>{40, 60}));
        EXPECT_EQ(Header(control, 0) + Header(control, 1), "OneTwo");
        EXPECT_EQ(QelBox_GetHeaderButton(control), 1);
        EXPECT_EQ(QelBox_GetHWNDEdit(control), edit);
    }
    EXPECT_EQ(failures, 3);
    EXPECT_EQ(Field(control), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(Header(control, 0) + Header(control, 2), "AlphaGamma");
}

TEST_F(ColumnTest, ControlCreationWithoutMemoryForTheDefaultColumnFails) {
    for (int successes = 0; successes < 4; ++successes) {
        QelBoxDiag_FailAllocationsAfter(successes);
        HWND control = CreateControl(QELBOXSTYLE_DROPDOWN);
        QelBoxDiag_FailAllocationsAfter(-1);
        if (control) {
            EXPECT_EQ(Field(control), (std::vector<int>{500})) << successes;
            EXPECT_NE(QelBox_GetHWNDEdit(control), nullptr);
            DestroyWindow(control);
        }
        EXPECT_EQ(QelBoxDiag_LiveAllocations(), 0) << successes;
    }
}

TEST_F(ColumnTest, OtherCallsOutOfMemoryChangeNothing) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    ASSERT_EQ(Install(control, Columns({50, 50})), 1);
    AddRows(control, 2);
    ASSERT_EQ(QelBox_SetHeader_A(control, 0, "Old"), 1);
    ColumnRecord* copy = nullptr;
    ASSERT_EQ(QelBox_GetColumns(control, &copy), 2);
    const int before = QelBoxDiag_LiveAllocations();

    QelBoxDiag_FailAllocationsAfter(0);
    EXPECT_EQ(QelBox_SetHeader_A(control, 0, "New"), 0);
    CellInfo info = Cell(1, 1);
    info.cellData = 5;
    EXPECT_EQ(QelBox_SetCellInfo(control, &info), 0);
    ColumnRecord* again = copy;
    EXPECT_EQ(QelBox_GetColumns(control, &again), 0);
    EXPECT_EQ(again, copy);
    EXPECT_EQ(QelBox_GetColumns(control, nullptr), 2); // counting needs no memory
    QelBoxDiag_FailAllocationsAfter(-1);

    EXPECT_EQ(QelBoxDiag_LiveAllocations(), before);
    EXPECT_EQ(Header(control, 0), "Old");
    EXPECT_EQ(copy[1].width, 50); // the previous copy is still valid
    ExpectDefaultCell(control, 1, 1);
}

} // namespace

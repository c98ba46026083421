// Painting of rows and cells, read back as pixels from the permanent list of
// simple-type controls: row and cell colours, grid lines, 3-D frames, tree
// lines, bitmaps, fitted text, the draw-info callback and GDI bookkeeping.
#include <algorithm>

#include "harness.h"
#include "pixels.h"

namespace {

const COLORREF kBack = RGB(250, 248, 240), kText = RGB(10, 20, 120);
const COLORREF kSelBack = RGB(30, 140, 60), kSelText = RGB(255, 255, 0);
const COLORREF kAltBack = RGB(220, 230, 255), kAltText = RGB(140, 0, 0);
const COLORREF kDisabled = RGB(128, 96, 64);
const COLORREF kGridV = RGB(255, 0, 0), kGridH = RGB(0, 0, 255);
const COLORREF kLight = RGB(255, 200, 200), kDark = RGB(60, 0, 60);
const COLORREF kTree = RGB(0, 160, 160), kTreeDisabled = RGB(160, 160, 0);
const COLORREF kHeaderFace = RGB(200, 180, 90);
const COLORREF kMagenta = RGB(255, 0, 255), kBlue = RGB(0, 0, 255);

// A 16 x 16 bitmap: magenta (its transparent colour) with a blue square at
// 4..11 in both directions.
struct TestBitmap {
    HBITMAP handle = nullptr;
    TestBitmap() {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, 16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        DWORD* pixels = static_cast<DWORD*>(bits);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                pixels[y * 16 + x] = (x >= 4 && x < 12 && y >= 4 && y < 12) ? 0x0000FF : 0xFF00FF;
    }
    ~TestBitmap() { DeleteObject(handle); }
};

RECT Area(LONG left, LONG top, LONG right, LONG bottom) {
    return {left, top, right, bottom};
}
const RECT kAll = {0, 0, 400, 400};
int Mid(const RECT& r) {
    return (r.top + r.bottom) / 2;
}

class PaintTest : public ControlTest {
  protected:
    // A simple-type control with `rows` rows of `text` and the test colours.
    HWND MakeList(int rows, const char* text = "EEEE", DWORD style = 0) {
        HWND control = Create(QELBOXSTYLE_SIMPLE, style, 1, 220);
        Fill(control, rows, text);
        CtlColors c;
        QelBox_GetCtlColors(control, &c);
        c.colorBackground = kBack;
        c.colorText = kText;
        c.colorSelBackground = kSelBack;
        c.colorSelText = kSelText;
        c.colorDisabledText = kDisabled;
        c.colorGridVertical = kGridV;
        c.colorGridHorizontal = kGridH;
        c.color3DHighlight = kLight;
        c.color3DShadow = kDark;
        c.colorTreeLines = kTree;
        c.colorTreeLinesDisabled = kTreeDisabled;
        c.colorRowHeaderFace = kHeaderFace;
        QelBox_SetCtlColors(control, &c);
        return control;
    }
    static void Fill(HWND control, int rows, const char* text = "EEEE") {
        for (int i = 0; i < rows; ++i)
            QelBox_AddString_A(control, text);
    }
    // Item bitmaps (and labels) for the list and for the first `rows` rows.
    static void SetPictures(HWND control, HBITMAP picture, bool labels, int rows) {
        for (int i = -1; i < rows; ++i) {
            if (labels) QelBox_SetItemLabel(control, i, picture);
            QelBox_SetItemBitmap(control, i, picture);
        }
    }
    // `count` columns of `width` pixels; the last (open-ended unless closed
    // by the test) gets a style and colours.
    static void SetColumns(HWND control, int count, int width, DWORD lastStyle = 0,
                           DWORD lastBack = QELBOX_COLOR_NONE,
                           DWORD lastSelBack = QELBOX_COLOR_NONE) {
        std::vector<ColumnRecord> columns(count); // zeroed
        for (int c = 0; c < count; ++c) {
            ColumnRecord& r = columns[c];
            r.width = width;
            r.colorBackground = r.colorText = r.colorSelBackground = r.colorSelText =
                QELBOX_COLOR_NONE;
            r.displayPosition = c;
        }
        columns[count - 1].style = lastStyle;
        columns[count - 1].colorBackground = lastBack;
        columns[count - 1].colorSelBackground = lastSelBack;
        ASSERT_EQ(QelBox_SetColumns(control, count, columns.data()), 1);
    }
    static Image Shot(HWND control) { return Capture(QelBox_GetHWNDDropDown(control)); }
    static RECT Row(HWND control, int index) {
        RECT r = {0, 0, 0, 0};
        EXPECT_EQ(QelBox_GetItemRect(control, index, &r), 0) << "row " << index;
        return r;
    }
    static RECT CellOf(HWND control, int index, int column) {
        RECT* r = QelBox_GetCellRect(control, index, column);
        EXPECT_NE(r, nullptr);
        return r ? *r : Area(0, 0, 0, 0);
    }
    // Size of `text` in the control font; *tm receives the font's metrics.
    static SIZE Extent(HWND control, const char* text, TEXTMETRICA* tm = nullptr) {
        SIZE size;
        HDC dc = GetDC(control);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
        if (tm) GetTextMetricsA(dc, tm);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        return size;
    }
    static TEXTMETRICA Metrics(HWND control) {
        TEXTMETRICA tm;
        Extent(control, "T", &tm);
        return tm;
    }
};

TEST_F(PaintTest, SelectionStylesOddRowsAndDisabledRows) {
    HWND control = MakeList(4);
    TestBitmap picture; // gives the rows an indentation area
    SetPictures(control, picture.handle, false, 0);
    QelBox_SetCurSel(control, 1);
    const RECT selected = Row(control, 1), plain = Row(control, 0);
    for (int style = 0; style <= 2; ++style) {
        SCOPED_TRACE(style);
        QelBox_SetSelectionStyle(control, style);
        EXPECT_EQ(QelBox_GetSelectionStyle(control), style);
        Image image = Shot(control);
        EXPECT_EQ(image.At(1, Mid(selected)), style == 0 ? kSelBack : kBack);
        EXPECT_EQ(image.At(selected.right - 2, Mid(selected)), style == 2 ? kBack : kSelBack);
        EXPECT_GT(image.Count(selected, kSelText), 0);
        EXPECT_EQ(image.Count(selected, kText), 0);
        // Style 2 paints the selection colour behind the text only.
        const int behindText = image.Count(selected, kSelBack);
        EXPECT_GT(behindText, 0);
        if (style == 2) {
            EXPECT_LE(behindText,
                      (Extent(control, "EEEE").cx + 2) * (selected.bottom - selected.top));
        }
        EXPECT_EQ(image.Count(plain, kSelBack), 0);
        EXPECT_GT(image.Count(plain, kText), 0);
        EXPECT_EQ(image.At(150, Mid(Row(control, 3))), kBack); // no alternate colours set
    }
    QelBox_SetSelectionStyle(control, 3);
    QelBox_SetSelectionStyle(control, -1);
    EXPECT_EQ(QelBox_GetSelectionStyle(control), 2);
    QelBox_SetSelectionStyle(control, 0);

    // Odd rows take the alternate colours once they are set.
    CtlColors colors;
    QelBox_GetCtlColors(control, &colors);
    colors.colorAltBackground = kAltBack;
    colors.colorAltText = kAltText;
    QelBox_SetCtlColors(control, &colors);
    QelBox_SetCurSel(control, -1);
    Image image = Shot(control);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        RECT r = Row(control, i);
        EXPECT_EQ(image.At(150, Mid(r)), i % 2 ? kAltBack : kBack);
        EXPECT_GT(image.Count(r, i % 2 ? kAltText : kText), 0);
        EXPECT_EQ(image.Count(r, i % 2 ? kText : kAltText), 0);
    }

    // A disabled item is grey and never highlighted: its cells fall back to
    // the plain background, its indentation area keeps the odd row's colour.
    ASSERT_EQ(QelBox_SetItemStatus(control, 1, FALSE), 1);
    QelBox_SetCurSel(control, 1);
    image = Shot(control);
    EXPECT_EQ(image.At(150, Mid(selected)), kBack);
    EXPECT_EQ(image.At(1, Mid(selected)), kAltBack);
    EXPECT_GT(image.Count(selected, kDisabled), 0);
    EXPECT_EQ(image.Count(selected, kSelBack) + image.Count(selected, kSelText) +
                  image.Count(selected, kAltText),
              0);

    // A disabled control greys every row, the selected one included, without
    // alternate colours.
    QelBox_SetItemStatus(control, 1, TRUE);
    EnableWindow(control, FALSE);
    image = Shot(control);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        RECT r = Row(control, i);
        EXPECT_EQ(image.At(150, Mid(r)), kBack);
        EXPECT_GT(image.Count(r, kDisabled), 0);
        EXPECT_EQ(image.Count(r, kText) + image.Count(r, kAltText) + image.Count(r, kSelBack), 0);
    }

    // The 3-D look keeps the indentation area of style 0 unhighlighted.
    EnableWindow(control, TRUE);
    QelBox_SetCurSel(control, 2);
    QelBox_SetShow3D(control, TRUE);
    image = Shot(control);
    const RECT framed = Row(control, 2);
    EXPECT_EQ(image.At(1, Mid(framed)), kBack);
    EXPECT_EQ(image.At(framed.right - 4, Mid(framed)), kSelBack);
}

TEST_F(PaintTest, GridLinesAndThreeDFrames) {
    HWND control = MakeList(0);
    SetColumns(control, 2, 60);
    Fill(control, 3);
    QelBox_SetShowGrid(control, TRUE);
    const RECT cell = CellOf(control, 1, 0);
    for (int style = 0; style <= 2; ++style) {
        SCOPED_TRACE(style);
        QelBox_SetGridStyle(control, style);
        Image image = Shot(control);
        RECT r = Row(control, 1);
        EXPECT_EQ(image.At(cell.right - 1, r.top + 1) == kGridV, style != 1);
        EXPECT_EQ(image.At(cell.right - 1 + 20, r.bottom - 1) == kGridH, style != 0);
        EXPECT_EQ(image.At(cell.right - 2, r.top + 1), kBack);
    }
    QelBox_SetGridStyle(control, 5);
    EXPECT_EQ(QelBox_GetGridStyle(control), 2);

    // The 3-D look frames the cells instead of the horizontal lines: sunken
    // for plain rows, raised for the selected one.
    QelBox_SetShow3D(control, TRUE);
    QelBox_SetCurSel(control, 1);
    Image image = Shot(control);
    RECT sunken = Row(control, 0), raised = Row(control, 1);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(image.At(100, sunken.top + i), kDark);
        EXPECT_EQ(image.At(i, Mid(sunken)), kDark);
        EXPECT_EQ(image.At(100, sunken.bottom - 1 - i), kLight);
        EXPECT_EQ(image.At(100, raised.top + i), kLight);
        EXPECT_EQ(image.At(i, Mid(raised)), kLight);
        EXPECT_EQ(image.At(100, raised.bottom - 1 - i), kDark);
    }
    EXPECT_EQ(image.Count(kAll, kGridH), 0);
    EXPECT_EQ(image.At(CellOf(control, 0, 0).right - 1, Mid(sunken)), kGridV);

    // One open-ended column has no vertical line; a closed one has, and the
    // row background fills the space to its right.
    control = MakeList(3);
    SetColumns(control, 1, 100, 0);
    QelBox_SetShowGrid(control, TRUE);
    EXPECT_EQ(Shot(control).Count(kAll, kGridV), 0);
    QelBox_SetOpenEnded(control, 0);
    image = Shot(control);
    RECT r = Row(control, 1);
    EXPECT_EQ(image.At(99, r.top + 1), kGridV);
    EXPECT_EQ(image.At(150, r.top + 1), kBack);
}

TEST_F(PaintTest, TreeLinesShowParentsChildrenAndAncestors) {
    // A, B (child of A with a later sibling D), C (last child of B), D (last
    // child of A), E.
    HWND control = MakeList(5);
    const int levels[] = {0, 1, 2, 1, 0};
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(QelBox_SetItemLevel(control, i, levels[i]), 1);
    QelBox_SetShowTreeLines(control, TRUE);
    const int unit = Metrics(control).tmMaxCharWidth, tree = 2;
    auto x = [&](int k) { return tree + k * unit + unit / 2; };
    Image image = Shot(control);
    RECT a = Row(control, 0), b = Row(control, 1), c = Row(control, 2), d = Row(control, 3);
    // No lines for level 0, not even down to the children without bitmaps.
    EXPECT_EQ(image.Count(a, kTree), 0);
    // Middle child: through the row, with the connector at the middle.
    EXPECT_EQ(image.At(x(0), b.top), kTree);
    EXPECT_EQ(image.At(x(0), b.bottom - 1), kTree);
    EXPECT_EQ(image.At(tree + unit - 1, Mid(b)), kTree);
    EXPECT_NE(image.At(tree + unit, Mid(b)), kTree);
    // Last child: down to the middle only; its parent's line passes by.
    EXPECT_EQ(image.At(x(1), c.top), kTree);
    EXPECT_NE(image.At(x(1), c.bottom - 1), kTree);
    EXPECT_EQ(image.At(tree + 2 * unit - 1, Mid(c)), kTree);
    EXPECT_EQ(image.At(x(0), c.top), kTree);
    EXPECT_EQ(image.At(x(0), c.bottom - 1), kTree);
    EXPECT_EQ(image.At(x(0), d.top), kTree);
    EXPECT_NE(image.At(x(0), d.bottom - 1), kTree);

    // A child two levels below its parent bridges the gap; with item
    // bitmaps a parent gets a line down to its children.
    ASSERT_EQ(QelBox_SetItemLevel(control, 2, 3), 1);
    EXPECT_EQ(Shot(control).At(tree + 3 * unit - 1, Mid(c)), kTree);
    TestBitmap picture;
    SetPictures(control, picture.handle, false, 0);
    image = Shot(control);
    a = Row(control, 0);
    EXPECT_EQ(image.At(tree + 8, a.bottom - 1), kTree); // unit = bitmap width 16
    EXPECT_NE(image.At(tree + 8, a.top), kTree);

    EnableWindow(control, FALSE);
    image = Shot(control);
    EXPECT_EQ(image.Count(kAll, kTree), 0);
    EXPECT_GT(image.Count(kAll, kTreeDisabled), 0);
}

TEST_F(PaintTest, BitmapsAreTransparentAndEmbossedWhenDisabled) {
    HWND control = MakeList(2);
    TestBitmap picture;
    SetPictures(control, picture.handle, true, 2);
    QelBox_SetItemStatus(control, 1, FALSE);
    ASSERT_EQ(QelBox_GetItemHeight(control, 0),
              std::max(16, static_cast<int>(Metrics(control).tmHeight)));
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const int label = 2, bitmap = 2 + 16; // after the gap and the label slot
    Image image = Shot(control);
    EXPECT_EQ(image.Count(kAll, kMagenta), 0);
    RECT r0 = Row(control, 0), r1 = Row(control, 1);
    const int y0 = r0.top + (r0.bottom - r0.top - 16) / 2,
              y1 = r1.top + (r1.bottom - r1.top - 16) / 2;
    EXPECT_EQ(image.At(label + 1, y0 + 1), kBack);
    EXPECT_EQ(image.At(label + 8, y0 + 8), kBlue);
    EXPECT_EQ(image.At(bitmap + 1, y0 + 1), kBack);
    EXPECT_EQ(image.At(bitmap + 8, y0 + 8), kBlue);
    // A disabled item embosses its item bitmap, not its label.
    EXPECT_EQ(image.At(label + 8, y1 + 8), kBlue);
    EXPECT_EQ(image.At(bitmap + 8, y1 + 8), shadow);
    EXPECT_EQ(image.At(bitmap + 12, y1 + 8), light);
    EXPECT_EQ(image.At(bitmap + 8, y1 + 12), light);
    EXPECT_EQ(image.At(bitmap + 1, y1 + 1), kBack);
    // A disabled control embosses both.
    EnableWindow(control, FALSE);
    image = Shot(control);
    EXPECT_EQ(image.At(label + 8, y0 + 8), shadow);
    EXPECT_EQ(image.At(bitmap + 8, y0 + 8), shadow);
    EXPECT_EQ(image.Count(kAll, kBlue), 0);
}

TEST_F(PaintTest, TextThatDoesNotFitEndsInEllipsis) {
    HWND control = MakeList(0);
    SetColumns(control, 2, 60);
    Fill(control, 2, "EEEEEEEEEEEEEEEEEEEE");
    const TEXTMETRICA tm = Metrics(control);
    const int ellipsis = Extent(control, "...").cx;
    RECT cell = CellOf(control, 0, 0);
    // The upper half of the text area's end holds no letter where "..."
    // replaced the end of the text.
    const int right = cell.right - (tm.tmAveCharWidth - tm.tmAveCharWidth / 2);
    const RECT end = Area(right - ellipsis + 2, cell.top, right - 1, Mid(cell) - 1);
    Image image = Shot(control);
    EXPECT_EQ(image.CountOther(end, kBack), 0);
    EXPECT_GT(image.CountOther(Area(cell.left, Mid(cell), right, cell.bottom), kBack), 0);
    QelBox_SetShowTruncated(control, FALSE);
    EXPECT_GT(Shot(control).CountOther(end, kBack), 0);

    // When not even one letter fits beside "...", "..." stands alone.
    QelBox_SetShowTruncated(control, TRUE);
    SetColumns(control, 2, tm.tmAveCharWidth + ellipsis + 1);
    cell = CellOf(control, 0, 0);
    image = Shot(control);
    EXPECT_EQ(image.CountOther(Area(cell.left, cell.top, cell.right, Mid(cell) - 1), kBack), 0);
    EXPECT_GT(image.CountOther(Area(cell.left, Mid(cell), cell.right, cell.bottom), kBack), 0);

    // Multi-line cells stop at the item lines, the last one ending in "...".
    control = MakeList(2, "EEE EEE EEE EEE EEE");
    QelBox_SetText_A(control, 1, 0, "EEE EEE");
    const int word = Extent(control, "EEE").cx;
    SetColumns(control, 1, word + tm.tmAveCharWidth + 2, QELBOX_MULTILINE); // a word a line
    QelBox_SetOpenEnded(control, 0);
    ASSERT_EQ(QelBox_SetItemLines(control, 2), 1);
    const int line = Extent(control, "T").cy;
    ASSERT_EQ(QelBox_GetItemHeight(control, 0), 2 * tm.tmHeight);
    image = Shot(control);
    const int textRight = tm.tmAveCharWidth / 2 + word;
    auto ending = [&](int row, int n) {
        RECT r = Row(control, row);
        return Area(textRight - ellipsis + 2, r.top + n * line + 1, textRight - 1,
                    r.top + n * line + line / 2 - 1);
    };
    // Five lines of text: the second line ends in "..."; two lines: no "...".
    EXPECT_GT(image.CountOther(ending(0, 0), kBack), 0);
    EXPECT_EQ(image.CountOther(ending(0, 1), kBack), 0);
    EXPECT_GT(image.CountOther(ending(1, 1), kBack), 0);
}

TEST_F(PaintTest, VariableRowsAreAsHighAsTheirWrappedText) {
    HWND control = MakeList(4, "EEE", QELBOXSTYLE_VARIABLE);
    QelBox_SetText_A(control, 0, 0, "EEE EEE EEE");
    QelBox_SetText_A(control, 2, 0, "EEE\r\nEEE");
    const TEXTMETRICA tm = Metrics(control);
    SetColumns(control, 1, Extent(control, "EEE").cx + tm.tmAveCharWidth + 2, QELBOX_MULTILINE);
    QelBox_SetOpenEnded(control, 0); // cells as wide as the measured column
    const int line = Extent(control, "T").cy;
    const int one = std::max(line, static_cast<int>(tm.tmHeight));
    struct {
        int lines, row0, row1, row2;
    } cases[] = {{1, one, one, one}, {2, 2 * line, one, 2 * line}, {5, 3 * line, one, 2 * line}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        QelBox_SetItemLines(control, c.lines);
        EXPECT_EQ(QelBox_GetItemHeight(control, 0), c.row0);
        EXPECT_EQ(QelBox_GetItemHeight(control, 1), c.row1);
        EXPECT_EQ(QelBox_GetItemHeight(control, 2), c.row2);
    }
    // The list lays the rows out at those heights and paints every line.
    Image image = Shot(control);
    RECT r0 = Row(control, 0);
    EXPECT_EQ(r0.bottom - r0.top, 3 * line);
    EXPECT_EQ(Row(control, 1).top, r0.bottom);
    EXPECT_GT(image.Count(Area(0, r0.top + 2 * line, 100, r0.bottom), kText), 0);
    QelBox_SetShow3D(control, TRUE);
    EXPECT_EQ(QelBox_GetItemHeight(control, 0), 3 * line + 4);
    QelBox_SetShow3D(control, FALSE);
    QelBox_SetShowGrid(control, TRUE);
    EXPECT_EQ(QelBox_GetItemHeight(control, 0), 3 * line + 1);
}

// Cell overrides come before column colours, which come before the row's;
// each colour that a source leaves unset falls through to the next.
TEST_F(PaintTest, CellColoursBeforeColumnColoursBeforeRowColours) {
    const COLORREF columnBack = RGB(90, 200, 250), columnSelBack = RGB(200, 90, 20);
    const COLORREF cellBack = RGB(40, 40, 40), cellText = RGB(0, 255, 128);
    HWND control = MakeList(0);
    SetColumns(control, 2, 60, 0, columnBack, columnSelBack);
    Fill(control, 2);
    for (int i = 0; i < 2; ++i)
        QelBox_SetText_A(control, i, 1, "EEEE");
    QelBox_SetCurSel(control, 1);
    const RECT plain = CellOf(control, 0, 1), selected = CellOf(control, 1, 1);
    const RECT first = CellOf(control, 1, 0);
    for (bool cellInfo : {false, true}) {
        SCOPED_TRACE(cellInfo);
        if (cellInfo) {
            CellInfo info = {};
            info.version = 1;
            info.column = 1;
            info.colorBackground = cellBack;
            info.colorText = cellText;
            info.colorSelBackground = info.colorSelText = QELBOX_COLOR_NONE;
            for (info.index = 0; info.index < 2; ++info.index)
                ASSERT_EQ(QelBox_SetCellInfo(control, &info), 1);
        }
        Image image = Shot(control);
        EXPECT_EQ(image.At(plain.right - 3, Mid(plain)), cellInfo ? cellBack : columnBack);
        EXPECT_GT(image.Count(plain, cellInfo ? cellText : kText), 0);
        // Neither sets a selected text colour: the row's is used.
        EXPECT_EQ(image.At(selected.right - 3, Mid(selected)), columnSelBack);
        EXPECT_GT(image.Count(selected, kSelText), 0);
        EXPECT_EQ(image.At(first.right - 3, Mid(first)), kSelBack);
    }
}

TEST_F(PaintTest, CellContentFollowsAlignmentAndBitmapStyle) {
    HWND control = MakeList(1, "EEEE");
    const int width = 180;
    const RECT r = Row(control, 0);
    for (DWORD align = 0; align <= 2; ++align) {
        SCOPED_TRACE(align);
        SetColumns(control, 1, width, align);
        QelBox_SetOpenEnded(control, 0);
        Image image = Shot(control);
        for (DWORD third = 0; third <= 2; ++third) {
            RECT part = Area(third * width / 3, r.top, (third + 1) * width / 3, r.bottom);
            EXPECT_EQ(image.CountOther(part, kBack) > 0, third == align) << third;
        }
    }
    SetColumns(control, 1, width, 0);
    TestBitmap picture;
    CellInfo info = {};
    info.version = 1;
    info.index = -1;
    info.bitmap = picture.handle;
    ASSERT_EQ(QelBox_SetCellInfo(control, &info), 1); // prototype: cell bitmaps at 16 x 16
    info.index = 0;
    info.colorBackground = info.colorText = QELBOX_COLOR_NONE;
    info.colorSelBackground = info.colorSelText = QELBOX_COLOR_NONE;
    const int charWidth = Metrics(control).tmAveCharWidth, half = charWidth / 2;
    const int textWidth = Extent(control, "EEEE").cx;
    // Left: bitmap, then text; right: text, then bitmap; centred: the
    // bitmap alone.
    struct {
        WORD style;
        int bitmapLeft;
        bool text;
    } const cases[] = {{0, half, true},
                       {QELBOX_BITMAP_RIGHT, half + textWidth + half, true},
                       {QELBOX_BITMAP_CENTER, half + (width - charWidth - 16) / 2, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        info.bitmapStyle = c.style;
        ASSERT_EQ(QelBox_SetCellInfo(control, &info), 1);
        Image image = Shot(control);
        int blue = 0;
        while (blue < image.width && image.At(blue, Mid(r)) != kBlue)
            ++blue;
        EXPECT_EQ(blue - 4, c.bitmapLeft);
        EXPECT_EQ(image.Count(r, kText) > 0, c.text);
    }
}

struct DrawCall {
    int index;
    BOOL selected;
    int columnCount, controlId;
    HWND hwnd;
};
std::vector<DrawCall> g_drawCalls;
HFONT g_bigFont;

void CALLBACK ChangeRow(HWND, DrawInfo* info, QelData value) {
    g_drawCalls.push_back(
        {info->index, info->selected, info->columnCount, info->controlId, info->hwnd});
    if (info->index == 1) {
        info->cellBackground = value;
        info->rowBackground = kAltBack;
    }
    if (info->index == 2) info->font = g_bigFont;
    info->enabled = info->index != 3; // row 3 embossed; cannot re-enable
    info->index = 99;                 // ignored
    info->selected = TRUE;            // ignored
}

TEST_F(PaintTest, DrawInfoCallbackAdjustsTheRow) {
    const COLORREF callbackBack = RGB(10, 100, 10);
    HWND control = MakeList(5);
    TestBitmap picture;
    SetPictures(control, picture.handle, false, 5);
    QelBox_SetCurSel(control, 0);
    LOGFONTA font = {};
    font.lfHeight = -2 * Metrics(control).tmHeight;
    lstrcpyA(font.lfFaceName, "DejaVu Sans");
    g_bigFont = CreateFontIndirectA(&font);
    DrawInfoCallbackInfo callback = {ChangeRow, callbackBack};
    EXPECT_EQ(QelBox_SetDrawInfoCallback(control, &callback), 1);
    g_drawCalls.clear();
    Image image = Shot(control);
    ASSERT_EQ(g_drawCalls.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(g_drawCalls[i].index, i);
        EXPECT_EQ(g_drawCalls[i].selected, i == 0);
        EXPECT_EQ(g_drawCalls[i].columnCount, 1);
        EXPECT_EQ(g_drawCalls[i].controlId, 1);
        EXPECT_EQ(g_drawCalls[i].hwnd, control);
    }
    RECT r1 = Row(control, 1);
    EXPECT_EQ(image.At(150, Mid(r1)), callbackBack);
    EXPECT_EQ(image.At(1, Mid(r1)), kAltBack);
    EXPECT_EQ(image.Count(r1, kSelBack), 0); // index and selection written back are ignored
    // A larger font in row 2 covers more of the row than row 4's text.
    RECT r2 = Row(control, 2), r4 = Row(control, 4);
    EXPECT_GT(image.CountOther(Area(20, r2.top, r2.right, r2.bottom), kBack),
              image.CountOther(Area(20, r4.top, r4.right, r4.bottom), kBack) * 3 / 2);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    EXPECT_GT(image.Count(Row(control, 3), shadow), 0);
    EXPECT_EQ(image.Count(r4, shadow), 0);
    // Painting an update region calls back for the rows down to it only.
    HWND list = QelBox_GetHWNDDropDown(control);
    UpdateWindow(list);
    g_drawCalls.clear();
    InvalidateRect(list, &r1, FALSE);
    UpdateWindow(list);
    ASSERT_FALSE(g_drawCalls.empty());
    for (const DrawCall& call : g_drawCalls)
        EXPECT_LE(call.index, 1);
    EXPECT_EQ(g_drawCalls.back().index, 1);
    // Rows of a disabled control stay disabled whatever the callback says.
    EnableWindow(control, FALSE);
    EXPECT_GT(Shot(control).Count(r4, shadow), 0);

    EXPECT_EQ(QelBox_SetDrawInfoCallback(control, nullptr), 1);
    g_drawCalls.clear();
    Shot(control);
    EXPECT_TRUE(g_drawCalls.empty());
    DeleteObject(g_bigFont);
}

void CALLBACK BogusHandles(HWND, DrawInfo* info, QelData) {
    info->label = reinterpret_cast<HBITMAP>(GetStockObject(WHITE_BRUSH));
    info->bitmap = reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(0x1234));
    info->font = reinterpret_cast<HFONT>(static_cast<INT_PTR>(0x5678));
}

TEST_F(PaintTest, HandlesThatAreNotBitmapsOrFontsAreIgnored) {
    HWND control = MakeList(2);
    TestBitmap picture;
    SetPictures(control, picture.handle, true, 0);
    DrawInfoCallbackInfo callback = {BogusHandles, 0};
    QelBox_SetDrawInfoCallback(control, &callback);
    Image image = Shot(control);
    RECT r = Row(control, 0);
    // The slots stay empty and the text keeps the control font.
    EXPECT_EQ(image.CountOther(Area(0, r.top, 2 + 32, r.bottom), kBack), 0);
    EXPECT_GT(image.Count(r, kText), 0);
    EXPECT_EQ(QelBoxDiag_LiveGdiObjects(), 1); // the control's background brush
}

TEST_F(PaintTest, EmptyAreaBelowTheRowsShowsBackgroundAndRowHeaderColumn) {
    HWND control = MakeList(2);
    QelBox_SetRowHeaderWidth(control, 20);
    Image image = Shot(control);
    RECT last = Row(control, 1);
    ASSERT_LT(last.bottom + 10, image.height);
    EXPECT_EQ(image.At(100, last.bottom + 5), kBack);
    EXPECT_EQ(image.At(5, last.bottom + 5), kHeaderFace);
    EXPECT_EQ(image.At(19, last.bottom + 5), RGB(0, 0, 0));
    EXPECT_EQ(image.At(5, Mid(last)), kHeaderFace);
    EXPECT_EQ(image.Count(Area(0, 0, image.width, image.height), RGB(1, 2, 3)), 0);
    // Without rows the list is all background.
    image = Shot(MakeList(0));
    ASSERT_GT(image.height, 0);
    EXPECT_EQ(image.CountOther(Area(0, 0, image.width, image.height), kBack), 0);
}

TEST_F(PaintTest, HorizontalOffsetScrollsTheWholeRow) {
    // Row 0 shows text in its second column, row 1 only its tree line.
    HWND control = MakeList(0);
    SetColumns(control, 2, 60);
    Fill(control, 2, "");
    QelBox_SetText_A(control, 0, 1, "EEEE");
    QelBox_SetItemLevel(control, 1, 1);
    QelBox_SetShowTreeLines(control, TRUE);
    QelBox_SetHorizontalExtent(control, 1000);
    auto firstInk = [&](int row) {
        Image image = Shot(control);
        RECT r = Row(control, row);
        for (int x = 0; x < image.width; ++x)
            if (image.CountOther(Area(x, r.top, x + 1, r.bottom), kBack)) return x;
        return -1;
    };
    const int text = firstInk(0), line = firstInk(1), cell = CellOf(control, 0, 1).left;
    ASSERT_GT(text, cell);
    ASSERT_GT(line, 4);
    ASSERT_EQ(QelBox_SetHorizontalOffset(control, 4), 1);
    EXPECT_EQ(firstInk(0), text - 4);
    EXPECT_EQ(firstInk(1), line - 4);
    EXPECT_EQ(CellOf(control, 0, 1).left, cell - 4);
}

TEST_F(PaintTest, RepeatedPaintingKeepsGdiObjectsBalanced) {
    HWND control = MakeList(0);
    SetColumns(control, 2, 60, QELBOX_MULTILINE);
    Fill(control, 6, "EEE EEE EEE");
    HWND list = QelBox_GetHWNDDropDown(control);
    TestBitmap picture;
    SetPictures(control, picture.handle, true, 6);
    QelBox_SetShowGrid(control, TRUE);
    QelBox_SetShowTreeLines(control, TRUE);
    QelBox_SetItemStatus(control, 2, FALSE);
    QelBox_SetCurSel(control, 1);
    QelBox_SetRowHeaderWidth(control, 12);
    Shot(control);
    // Only the control's own background brush outlives a paint.
    ASSERT_EQ(QelBoxDiag_LiveGdiObjects(), 1);
    for (int i = 0; i < 300; ++i) {
        if (i == 100) QelBox_SetShow3D(control, TRUE);
        if (i == 200) EnableWindow(control, FALSE);
        QelBox_SetSelectionStyle(control, i % 3);
        if (i % 2) {
            Shot(control);
        } else {
            InvalidateRect(list, nullptr, FALSE);
            UpdateWindow(list);
        }
        ASSERT_EQ(QelBoxDiag_LiveGdiObjects(), 1) << "paint " << i;
    }
}

} // namespace

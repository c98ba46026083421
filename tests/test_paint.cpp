// Painting of rows, read back as pixels from the permanent list of
// simple-type controls: selection and row colours, grid lines and tree
// lines.
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

const RECT kAll = {0, 0, 400, 400};
int Mid(const RECT& r) {
    return (r.top + r.bottom) / 2;
}

class PaintTest : public ControlTest {
  protected:
    // A simple-type control with `rows` rows of "EEEE" and the test colours.
    HWND MakeList(int rows) {
        HWND control = Fill(Create(QELBOXSTYLE_SIMPLE, 0, 1, 220), rows);
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
        QelBox_SetCtlColors(control, &c);
        return control;
    }
    static HWND Fill(HWND control, int rows) {
        for (int i = 0; i < rows; ++i)
            QelBox_AddString_A(control, "EEEE");
        return control;
    }
    static Image Shot(HWND control) { return Capture(QelBox_GetHWNDDropDown(control)); }
    static RECT Row(HWND control, int index) {
        RECT r = {0, 0, 0, 0};
        EXPECT_EQ(QelBox_GetItemRect(control, index, &r), 0) << "row " << index;
        return r;
    }
};

TEST_F(PaintTest, SelectionStylesOddRowsAndDisabledRows) {
    HWND control = MakeList(4);
    TestBitmap picture; // gives the rows an indentation area
    QelBox_SetItemBitmap(control, -1, picture.handle);
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
            EXPECT_LE(behindText, (TextWidth(ControlFont(control), "EEEE") + 2) *
                                      (selected.bottom - selected.top));
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
    ASSERT_EQ(SetColumns(control, {60, 60}), 1);
    Fill(control, 3);
    QelBox_SetShowGrid(control, TRUE);
    ASSERT_NE(QelBox_GetCellRect(control, 1, 0), nullptr);
    const RECT cell = *QelBox_GetCellRect(control, 1, 0);
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
}

TEST_F(PaintTest, TreeLinesShowParentsChildrenAndAncestors) {
    // A, B (child of A with a later sibling D), C (last child of B), D (last
    // child of A), E.
    HWND control = MakeList(5);
    const int levels[] = {0, 1, 2, 1, 0};
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(QelBox_SetItemLevel(control, i, levels[i]), 1);
    QelBox_SetShowTreeLines(control, TRUE);
    const int unit = Metrics(ControlFont(control)).tmMaxCharWidth, tree = 2;
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
    QelBox_SetItemBitmap(control, -1, picture.handle);
    image = Shot(control);
    a = Row(control, 0);
    EXPECT_EQ(image.At(tree + 8, a.bottom - 1), kTree); // unit = bitmap width 16
    EXPECT_NE(image.At(tree + 8, a.top), kTree);

    EnableWindow(control, FALSE);
    image = Shot(control);
    EXPECT_EQ(image.Count(kAll, kTree), 0);
    EXPECT_GT(image.Count(kAll, kTreeDisabled), 0);
}

// A text that fits its cell is painted in the same place whether it is
// fitted with "..." or cut at the cell's edge, in every alignment: plain
// Latin text (measured once, drawn straight), text with prefix characters,
// tabs, other scripts and combining marks alike.
TEST_F(PaintTest, FittingTextLiesWhereTheUnfittedTextLies) {
    HWND control = MakeList(0);
    const wchar_t* const texts[] = {L"Item 0000001",
                                    L"A&B",
                                    L"iiWW  mm",
                                    L"tab\tx",
                                    L"\x0395\x03bb\x03bb\x03ac\x03b4\x03b1",
                                    L"\x05e9\x05dc\x05d5\x05dd abc",
                                    L"e\x0301te\x0301"};
    for (const wchar_t* text : texts)
        QelBox_AddString_W(control, text);
    for (DWORD alignment : {0u, 1u, 2u}) {
        SCOPED_TRACE(alignment);
        ASSERT_EQ(SetColumns(control, {Column(190, alignment)}), 1);
        QelBox_SetShowTruncated(control, TRUE);
        const Image fitted = Shot(control);
        QelBox_SetShowTruncated(control, FALSE);
        const Image cut = Shot(control);
        EXPECT_EQ(fitted.pixels, cut.pixels);
        EXPECT_GT(fitted.Count(kAll, kText), 0);
    }
}

// The rows of one paint share a brush per colour up to a limit; rows of
// more colours than that still get their own, and nothing is left behind.
TEST_F(PaintTest, RowsOfManyColoursEachShowTheirOwn) {
    HWND control = MakeList(0);
    ASSERT_EQ(SetColumns(control, {Column(60), Column(60)}), 1);
    Fill(control, 12);
    QelBox_SetShowTreeLines(control, TRUE);
    auto colour = [](int i) { return RGB(20 * i, 255 - 20 * i, 7 * i); };
    for (int i = 0; i < 12; ++i) {
        CellInfo cell = {
            1, i,       1,       colour(i), QELBOX_COLOR_NONE, QELBOX_COLOR_NONE, QELBOX_COLOR_NONE,
            0, nullptr, nullptr, 0};
        ASSERT_EQ(QelBox_SetCellInfo(control, &cell), 1);
        ASSERT_EQ(QelBox_SetItemLevel(control, i, i % 3), 1);
    }
    Shot(control);
    const int before = QelBoxDiag_LiveGdiObjects(); // the background brush
    for (int paint = 0; paint < 2; ++paint) {
        const Image image = Shot(control);
        for (int i = 0; i < 12; ++i) {
            const RECT* at = QelBox_GetCellRect(control, i, 1);
            ASSERT_NE(at, nullptr);
            const RECT cell = *at;
            EXPECT_EQ(image.At(cell.right - 3, Mid(cell)), colour(i)) << "row " << i;
            EXPECT_EQ(image.At(cell.left - 3, Mid(cell)), kBack) << "row " << i;
        }
        EXPECT_EQ(QelBoxDiag_LiveGdiObjects(), before);
    }
}

// Rows are composed in a buffer over the library's heap where the system
// offers one; without the memory for it they are composed in a bitmap, with
// the same pixels.
TEST_F(PaintTest, RowsPaintTheSameWithoutMemoryForTheirBuffer) {
    HWND control = MakeList(0);
    ASSERT_EQ(SetColumns(control, {Column(70), Column(90, 2)}), 1);
    Fill(control, 9);
    QelBox_SetCurSel(control, 2);
    const Image normal = Shot(control);
    QelBoxDiag_FailAllocationsAfter(0);
    const Image refused = Shot(control);
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_EQ(refused.pixels, normal.pixels);
    EXPECT_GT(normal.Count(kAll, kSelBack), 0);
}

} // namespace

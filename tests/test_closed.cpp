// Painting of the control window and of row headers, read back as pixels:
// the closed drop-down-list display, the drop-down button, column headers,
// the corner, row headers in the list and in the closed control, the simple
// type's separator and GDI bookkeeping.
#include "harness.h"
#include "pixels.h"

namespace {

// Every colour of the control gets a distinct test value.
COLORREF TestColor(int member) {
    return RGB(40 + member * 5, 200 - member * 5, member * 97 % 256);
}
#define C(name) TestColor(static_cast<int>(offsetof(CtlColors, name) / sizeof(QelColorRef)))
const COLORREF kBlack = RGB(0, 0, 0), kBlue = RGB(0, 0, 255), kLightGrey = RGB(192, 192, 192);

// x of the leftmost pixel of `color` in `area`; -1 when there is none.
int FirstOf(const Image& image, const RECT& area, COLORREF color) {
    for (int x = area.left; x < area.right; ++x)
        if (image.Count(RECT{x, area.top, x + 1, area.bottom}, color)) return x;
    return -1;
}
// Whether `area` of `a` holds the same pixels as the same-sized area of `b`
// `down` pixels lower.
bool SamePixels(const Image& a, const RECT& area, const Image& b, int down) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (a.At(x, y) != b.At(x, y + down)) return false;
    return true;
}
// 16 x 16: magenta, the transparent colour, around a blue 8 x 8 square.
HBITMAP Picture() {
    DWORD bits[256];
    for (int i = 0; i < 256; ++i)
        bits[i] = (i % 16 / 4 % 3 && i / 64 % 3) ? 0x0000FF : 0xFF00FF;
    return CreateBitmap(16, 16, 1, 32, bits);
}

class ClosedTest : public ControlTest {
  protected:
    static int Mid(const RECT& r) { return (r.top + r.bottom) / 2; }
    static int Centre(const RECT& r) { return (r.left + r.right) / 2; }
    static int Size(const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); }
    static RECT Inner(RECT r, int by) {
        return RECT{r.left + by, r.top + by, r.right - by, r.bottom - by};
    }

    // A control with the test colours and `rows` rows of "EEEE"; with
    // `narrow` its column is 60 pixels wide and headed "EEE".
    HWND Make(DWORD type, int rows, bool narrow = false, DWORD style = 0, int height = 120) {
        HWND control = Create(type, style, 1, height);
        CtlColors colors;
        for (int i = 0; i < 37; ++i)
            reinterpret_cast<DWORD*>(&colors)[i] = TestColor(i);
        colors.colorAltBackground = colors.colorAltText = QELBOX_COLOR_NONE;
        QelBox_SetCtlColors(control, &colors);
        ColumnRecord* column;
        char header[] = "EEE";
        if (narrow && QelBox_GetColumns(control, &column) == 1) {
            column->width = 60;
            column->headerText = header;
            QelBox_SetColumns(control, 1, column);
        }
        for (int i = 0; i < rows; ++i)
            QelBox_AddString_A(control, "EEEE");
        return control;
    }
    // The rectangle that `query` reports (for `index`, if it takes one).
    template <typename Query, typename... Index>
    static RECT Get(HWND control, Query query, Index... index) {
        RECT r = {};
        query(control, index..., &r);
        return r;
    }
    static Image List(HWND control) { return Capture(QelBox_GetHWNDDropDown(control)); }
    static void Click(HWND control, UINT message, const RECT& at) {
        SendMessageA(control, message, MK_LBUTTON, MAKELPARAM(Centre(at), Mid(at)));
    }
    // Raised: light top and left, dark bottom and right edge; sunken the
    // other way round; black lines close the element at right and bottom.
    static void ExpectFrame(const Image& image, const RECT& r, bool raised, COLORREF light,
                            COLORREF dark) {
        EXPECT_EQ(image.At(r.left, Mid(r)), raised ? light : dark);
        EXPECT_EQ(image.At(r.right - 2, Mid(r)), raised ? dark : light);
        EXPECT_EQ(image.At(r.right - 1, Mid(r)), kBlack);
        EXPECT_EQ(image.At(Centre(r), r.bottom - 1), kBlack);
    }
    // The button's face shows exactly the arrow triangle in `arrow`, a / 2
    // high, moved by `shift` right and down.
    static void ExpectArrow(const Image& image, const RECT& button, int shift, COLORREF arrow) {
        const RECT face = Inner(button, 2);
        const int a = (face.right - face.left - 4) & ~1;
        const int x0 = face.left + 2 + shift;
        const int y0 = face.top + shift + (face.bottom - face.top - a / 2) / 2;
        int wrong = 0;
        for (int y = face.top; y < face.bottom; ++y) {
            for (int x = face.left; x < face.right; ++x) {
                const int k = y - y0; // row of the triangle, 0 at its top
                const bool inside = k >= 0 && k < a / 2 && x >= x0 + k && x <= x0 + a - 2 - k;
                wrong += image.At(x, y) != (inside ? arrow : C(colorButtonFace));
            }
        }
        EXPECT_EQ(wrong, 0);
    }
};

TEST_F(ClosedTest, DisplayAreaShowsTheFocusOrTheCommittedRow) {
    HWND control = Make(QELBOXSTYLE_DROPDOWNLIST, 2);
    HBITMAP picture = Picture();
    QelBox_SetItemBitmap(control, -1, picture);
    QelBox_SetItemBitmap(control, 1, picture);
    QelBox_SetShowRowHeader(control, 3);
    const RECT display = Get(control, QelBox_GetItemRect, -1), inner = Inner(display, 1);
    SetFocus(control);
    EXPECT_EQ(Capture(control).Count(inner, C(colorSelBackground)), Size(inner));
    SetFocus(TestParent());
    Image image = Capture(control);
    EXPECT_EQ(image.Count(display, C(colorBackground)), Size(display));
    // Beside it an empty row header: the face and a black border line.
    const RECT h = Get(control, QelBox_GetRowHeaderRect, -1);
    const RECT face = {h.left, h.top, h.right - 1, h.bottom};
    EXPECT_EQ(image.Count(face, C(colorRowHeaderFace)), Size(face));
    EXPECT_EQ(image.Count(RECT{face.right, h.top, h.right, h.bottom}, kBlack), h.bottom - h.top);

    // A committed item is a row, highlighted only while the control has
    // the focus; it scrolls with the list.
    QelBox_SetCurSel(control, 1);
    QelBox_SetHorizontalExtent(control, 1000);
    for (int offset : {0, 20}) {
        ASSERT_EQ(QelBox_SetHorizontalOffset(control, offset), 1);
        for (bool focused : {false, true}) {
            SetFocus(focused ? control : TestParent());
            image = Capture(control);
            EXPECT_EQ(image.At(inner.right - 2, Mid(inner)),
                      focused ? C(colorSelBackground) : C(colorBackground));
            EXPECT_GT(image.Count(inner, focused ? C(colorSelText) : C(colorText)), 0);
            EXPECT_EQ(image.Count(inner, kBlue) > 0, offset == 0);
        }
    }
    DeleteObject(picture);
}

TEST_F(ClosedTest, CommittedRowReachesBothEdgesOfTheDisplay) {
    // The committed row fills the display area's last pixel column with
    // its background, selection or 3-D frame; scrolled, it also reaches
    // the first one, and the row header painted after it stays whole.
    const COLORREF bg = C(colorBackground), odd = C(colorAltBackground);
    const COLORREF sel = C(colorSelBackground);
    const struct {
        bool openEnded, show3D, focused;
        int offset;
        COLORREF left, right;
    } cases[] = {{true, false, false, 0, bg, odd},
                 {true, false, true, 0, bg, sel},
                 {false, false, false, 0, bg, odd},
                 {false, false, true, 0, bg, sel},
                 {true, true, true, 0, bg, C(color3DShadow)},      // raised
                 {false, true, false, 0, bg, C(color3DHighlight)}, // sunken
                 {true, false, false, 100, odd, odd},
                 {true, false, true, 100, sel, sel}};
    HWND control = Make(QELBOXSTYLE_DROPDOWNLIST, 2, true);
    CtlColors colors;
    QelBox_GetCtlColors(control, &colors);
    colors.colorAltBackground = odd;
    QelBox_SetCtlColors(control, &colors);
    QelBox_SetShowRowHeader(control, 1);
    QelBox_SetCurSel(control, 1);
    QelBox_SetHorizontalExtent(control, 1000);
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(n++);
        QelBox_SetOpenEnded(control, c.openEnded);
        QelBox_SetShow3D(control, c.show3D);
        ASSERT_EQ(QelBox_SetHorizontalOffset(control, c.offset), 1);
        SetFocus(c.focused ? control : TestParent());
        const RECT row = Inner(Get(control, QelBox_GetItemRect, -1), 1);
        const Image image = Capture(control);
        EXPECT_EQ(image.At(row.left - 1, Mid(row)), c.left);
        EXPECT_EQ(image.At(row.right, Mid(row)), c.right);
        ExpectFrame(image, Get(control, QelBox_GetRowHeaderRect, -1), true,
                    C(colorRowHeaderHighlight), C(colorRowHeaderShadow));
    }
}

TEST_F(ClosedTest, DropButtonShowsItsStateInArrowAndFrame) {
    HWND control = Make(QELBOXSTYLE_DROPDOWNLIST, 2);
    const RECT b = Get(control, QelBox_GetDropDownButtonRect);
    ASSERT_EQ(b.right - b.left, GetSystemMetrics(SM_CXVSCROLL)); // 17: a is made even
    Image image = Capture(control);
    ExpectArrow(image, b, 0, C(colorButtonArrow));
    EXPECT_EQ(image.At(b.left, Mid(b)), C(colorButtonLight));
    EXPECT_EQ(image.At(b.right - 1, Mid(b)), C(colorButtonDarkShadow));
    EXPECT_EQ(image.At(Centre(b), b.top + 1), C(colorButtonHighlight));
    EXPECT_EQ(image.At(Centre(b), b.bottom - 2), C(colorButtonShadow));
    // Held down: one shadow colour outside, the light colour inside.
    Click(control, WM_LBUTTONDOWN, b);
    ASSERT_TRUE(QelBox_GetDroppedState(control));
    image = Capture(control);
    ExpectArrow(image, b, 1, C(colorButtonArrow));
    EXPECT_EQ(image.At(b.left, Mid(b)), C(colorButtonShadow));
    EXPECT_EQ(image.At(b.right - 1, Mid(b)), C(colorButtonShadow));
    EXPECT_EQ(image.At(Centre(b), b.top + 1), C(colorButtonLight));
    EXPECT_EQ(image.At(Centre(b), b.bottom - 2), C(colorButtonLight));
    Click(control, WM_LBUTTONUP, b);
    QelBox_ShowDropDown(control, FALSE);
    // Greyed for a disabled control and for an empty list.
    EnableWindow(control, FALSE);
    ExpectArrow(Capture(control), b, 0, C(colorButtonDisabledArrow));
    EnableWindow(control, TRUE);
    QelBox_ResetContent(control);
    ExpectArrow(Capture(control), b, 0, C(colorButtonDisabledArrow));
}

TEST_F(ClosedTest, HeadersAreRaisedSunkenPressedOrGreyed) {
    HWND control = Make(QELBOXSTYLE_DROPDOWNLIST, 1, true);
    QelBox_SetShowHeader(control, 1);
    QelBox_SetOpenEnded(control, 0);
    const RECT h = Get(control, QelBox_GetHeaderRect, 0);
    const RECT strip = Get(control, QelBox_GetHeaderRect, -1);
    const COLORREF light = C(colorHeaderHighlight), dark = C(colorHeaderShadow);
    Image image = Capture(control);
    ExpectFrame(image, h, true, light, dark);
    const int ink = FirstOf(image, Inner(h, 2), C(colorHeaderText));
    ASSERT_GT(ink, 0);
    // Right of the closed last column, the bare face above a black line.
    const RECT rest = {h.right, strip.top, strip.right, strip.bottom - 1};
    EXPECT_EQ(image.Count(rest, C(colorHeaderFace)), Size(rest));
    EXPECT_EQ(image.At(strip.right - 1, strip.bottom - 1), kBlack);
    // The pressed header is sunken with its content moved right; flat
    // headers are all sunken.
    ASSERT_EQ(QelBox_SetHeaderButton(control, 0), 1);
    image = Capture(control);
    ExpectFrame(image, h, false, light, dark);
    EXPECT_EQ(FirstOf(image, Inner(h, 2), C(colorHeaderText)), ink + 1);
    QelBox_SetHeaderButton(control, -1);
    QelBox_SetShowHeader(control, 2);
    ExpectFrame(Capture(control), h, false, light, dark);
    // The corner is a raised button that a click keeps pressed.
    QelBox_SetShowRowHeader(control, 3);
    const RECT k = Get(control, QelBox_GetRowColHeaderRect);
    const COLORREF cornerLight = C(colorCornerHighlight), cornerDark = C(colorCornerShadow);
    image = Capture(control);
    ExpectFrame(image, k, true, cornerLight, cornerDark);
    EXPECT_EQ(image.At(Centre(k), Mid(k)), C(colorCornerFace));
    Click(control, WM_LBUTTONDOWN, k);
    Click(control, WM_LBUTTONUP, k);
    ExpectFrame(Capture(control), k, false, cornerLight, cornerDark);
    QelBox_SetShowRowHeader(control, 0);

    // Greyed by its style or by a disabled control; a grey equal to the
    // system's button face is drawn light grey, or dark grey on a light
    // grey face.
    for (int style : {QELBOX_HEADER_DISABLED, 0}) {
        ColumnRecord* column;
        ASSERT_EQ(QelBox_GetColumns(control, &column), 1);
        column->headerStyle = style;
        QelBox_SetColumns(control, 1, column);
        EXPECT_EQ(Capture(control).Count(h, C(colorHeaderDisabledText)) > 0, style != 0);
    }
    EnableWindow(control, FALSE);
    EXPECT_GT(Capture(control).Count(h, C(colorHeaderDisabledText)), 0);
    CtlColors colors;
    QelBox_GetCtlColors(control, &colors);
    colors.colorHeaderDisabledText = QELBOX_SYSCOLOR(COLOR_BTNFACE);
    QelBox_SetCtlColors(control, &colors);
    ASSERT_NE(GetSysColor(COLOR_BTNFACE), kLightGrey);
    EXPECT_GT(Capture(control).Count(h, kLightGrey), 0);
    int index = COLOR_BTNFACE;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    SetSysColors(1, &index, &kLightGrey);
    image = Capture(control);
    SetSysColors(1, &index, &face);
    EXPECT_GT(image.Count(h, RGB(128, 128, 128)), 0);
    EXPECT_EQ(image.Count(h, kLightGrey), 0);
}

TEST_F(ClosedTest, RowHeadersShowNumbersOrRowTexts) {
    HWND control = Make(QELBOXSTYLE_SIMPLE, 4, false, 0, 220);
    Image shot[7];
    for (int mode : {3, 5, 6}) {
        QelBox_SetShowRowHeader(control, mode);
        shot[mode] = List(control);
    }
    RECT r[4];
    for (int i = 0; i < 4; ++i)
        r[i] = Inner(Get(control, QelBox_GetRowHeaderRect, i), 2);
    const int row = r[1].top - r[0].top;
    // Mode 5 shows 1, 2, 3 where mode 3 shows them one row further down;
    // flat mode 6 shows the same.
    for (int i = 0; i < 3; ++i) {
        EXPECT_GT(shot[5].CountOther(r[i], C(colorRowHeaderFace)), 0) << i;
        EXPECT_TRUE(SamePixels(shot[5], r[i], shot[3], row)) << i;
        EXPECT_TRUE(SamePixels(shot[5], r[i], shot[6], 0)) << i;
    }
    EXPECT_FALSE(SamePixels(shot[5], r[0], shot[5], row));
    // Modes 1 and 2 show no numbers; a row text shows in every mode.
    ASSERT_EQ(QelBox_SetRowText_A(control, 2, "EE"), 1);
    for (int mode : {1, 2, 5}) {
        QelBox_SetShowRowHeader(control, mode);
        Image image = List(control);
        EXPECT_EQ(image.CountOther(r[1], C(colorRowHeaderFace)) == 0, mode != 5) << mode;
        EXPECT_GT(image.Count(r[2], C(colorRowHeaderText)), 0) << mode;
    }
    // A disabled item's header is greyed, also when it is repainted alone.
    HWND list = QelBox_GetHWNDDropDown(control);
    ASSERT_EQ(QelBox_SetItemStatus(control, 3, FALSE), 1);
    UpdateWindow(list);
    InvalidateRect(list, &r[3], FALSE);
    UpdateWindow(list);
    HDC dc = GetDC(list);
    int grey = 0, plain = 0;
    for (int y = r[3].top; y < r[3].bottom; ++y) {
        for (int x = r[3].left; x < r[3].right; ++x) {
            grey += GetPixel(dc, x, y) == C(colorRowHeaderDisabledText);
            plain += GetPixel(dc, x, y) == C(colorRowHeaderText);
        }
    }
    ReleaseDC(list, dc);
    EXPECT_GT(grey, 0);
    EXPECT_EQ(plain, 0);
}

TEST_F(ClosedTest, SelectedRowHeaderIsPressedOnlyInTheList) {
    HWND control = Make(QELBOXSTYLE_DROPDOWNLIST, 3);
    QelBox_SetShowRowHeader(control, 3);
    QelBox_SetCurSel(control, 1);
    SetFocus(control);
    const COLORREF light = C(colorRowHeaderHighlight), dark = C(colorRowHeaderShadow);
    const COLORREF selText = C(colorRowHeaderSelText);
    // The committed row with the focus is selected, yet not pressed.
    const RECT closed = Get(control, QelBox_GetRowHeaderRect, -1);
    Image image = Capture(control);
    ExpectFrame(image, closed, true, light, dark);
    const int ink = FirstOf(image, Inner(closed, 2), selText) - closed.left;
    ASSERT_GT(ink, 0);
    ASSERT_EQ(QelBox_ShowDropDown(control, TRUE), 1);
    ExpectFrame(Capture(control), closed, true, light, dark);
    const RECT plain = Get(control, QelBox_GetRowHeaderRect, 0);
    const RECT selected = Get(control, QelBox_GetRowHeaderRect, 1);
    for (int mode : {3, 4}) { // button-like and flat
        SCOPED_TRACE(mode);
        QelBox_SetShowRowHeader(control, mode);
        image = List(control);
        ExpectFrame(image, plain, mode == 3, light, dark);
        ExpectFrame(image, selected, false, light, dark);
        EXPECT_EQ(image.At(plain.left + 2, plain.top + 2), C(colorRowHeaderFace));
        EXPECT_GT(image.Count(plain, C(colorRowHeaderText)), 0);
        EXPECT_EQ(image.At(selected.left + 2, selected.top + 2), C(colorRowHeaderSelFace));
        EXPECT_EQ(FirstOf(image, Inner(selected, 2), selText) - selected.left, ink + (mode == 3));
    }
}

TEST_F(ClosedTest, RowInfoColoursAndBitmapsReplaceTheHeaderOnes) {
    const COLORREF infoFace = RGB(255, 200, 0), infoText = RGB(0, 120, 200);
    HWND control = Make(QELBOXSTYLE_SIMPLE, 2, false, 0, 220);
    QelBox_SetShowRowHeader(control, 5);
    QelBox_SetRowHeaderWidth(control, 60);
    HBITMAP picture = Picture();
    RowInfo info = {1, -1, infoFace, infoText, QELBOX_COLOR_NONE, QELBOX_COLOR_NONE, picture, 0};
    for (info.index = -1; info.index < 2; ++info.index) { // -1: 16 x 16 bitmaps
        ASSERT_EQ(QelBox_SetRowInfo(control, &info), 1);
        QelBox_SetRowText_A(control, info.index, "EE");
    }
    QelBox_SetCurSel(control, 1);
    Image image = List(control);
    const RECT plain = Get(control, QelBox_GetRowHeaderRect, 0);
    const RECT selected = Get(control, QelBox_GetRowHeaderRect, 1);
    EXPECT_EQ(image.At(plain.left + 2, plain.top + 2), infoFace);
    EXPECT_GT(image.Count(plain, infoText), 0);
    EXPECT_EQ(image.Count(plain, C(colorRowHeaderText)), 0);
    EXPECT_EQ(image.Count(plain, kBlue), 64);
    // Unset selected colours leave the selected row its header colours.
    EXPECT_EQ(image.At(selected.left + 2, selected.top + 2), C(colorRowHeaderSelFace));
    EXPECT_GT(image.Count(selected, C(colorRowHeaderSelText)), 0);
    EXPECT_EQ(image.Count(selected, infoText), 0);
    EXPECT_EQ(image.Count(RECT{0, 0, image.width, image.height}, RGB(255, 0, 255)), 0);
    DeleteObject(picture);
}

TEST_F(ClosedTest, SimpleTypeSeparatorJoinsTheBorder) {
    HWND control = Make(QELBOXSTYLE_SIMPLE, 2, false, WS_BORDER, 200);
    const COLORREF lines[4] = {GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_BTNHIGHLIGHT),
                               GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_3DDKSHADOW)};
    const int y = Get(control, QelBox_GetItemRect, -1).bottom;
    Image image = Capture(control);
    // In the frame the lines reach into the border, the last one on the
    // left only.
    SendMessageA(control, WM_NCPAINT, 1, 0);
    RECT frame;
    GetWindowRect(control, &frame);
    POINT origin = {0, 0};
    ClientToScreen(control, &origin);
    const int left = origin.x - frame.left, top = origin.y - frame.top + y;
    HDC dc = GetWindowDC(control);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(image.Count(RECT{0, y + i, image.width, y + i + 1}, lines[i]), image.width) << i;
        EXPECT_EQ(GetPixel(dc, left - 1, top + i), lines[i]) << i;
        EXPECT_EQ(GetPixel(dc, left + image.width, top + i) == lines[i], i < 3) << i;
    }
    ReleaseDC(control, dc);
}

TEST_F(ClosedTest, RepeatedPaintingKeepsGdiObjectsBalanced) {
    HWND control = Make(QELBOXSTYLE_DROPDOWNLIST, 4, true);
    HWND simple = Make(QELBOXSTYLE_SIMPLE, 4, true, WS_BORDER, 200);
    HBITMAP picture = Picture();
    RowInfo info = {1, -1, 0, 0, QELBOX_COLOR_NONE, QELBOX_COLOR_NONE, picture, 0};
    for (HWND c : {control, simple}) {
        QelBox_SetShowHeader(c, 1);
        QelBox_SetShowRowHeader(c, 3);
        QelBox_SetItemBitmap(c, -1, picture);
        QelBox_SetItemBitmap(c, 1, picture);
        for (info.index = -1; info.index < 2; ++info.index)
            QelBox_SetRowInfo(c, &info);
        QelBox_SetCurSel(c, 1);
    }
    const RECT button = Get(control, QelBox_GetDropDownButtonRect);
    SetFocus(control);
    for (int i = 0; i < 200; ++i) {
        if (i == 50 || i == 100) Click(control, i == 50 ? WM_LBUTTONDOWN : WM_LBUTTONUP, button);
        if (i == 150) EnableWindow(control, FALSE);
        if (i % 2) {
            Capture(control);
            Capture(simple);
        } else {
            InvalidateRect(control, nullptr, FALSE);
            UpdateWindow(control);
            SendMessageA(simple, WM_NCPAINT, 1, 0);
        }
        ASSERT_EQ(QelBoxDiag_LiveGdiObjects(), 2) << "paint " << i; // the background brushes
    }
    DeleteObject(picture);
}

} // namespace

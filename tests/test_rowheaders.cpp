// Row headers and the corner header: showing them, the fitted row-header
// width, and the corner's text, bitmap and button properties.
#include "harness.h"

#include <algorithm>
#include <functional>
#include <string>

// Shared with test_widths.cpp: the width of a single-line text in the
// control's font, or for a null text its average character width.
int TextWidth(HWND c, const char* text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)));
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    RECT r = {0, 0, 0, 0};
    if (text) DrawTextA(dc, text, -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return text ? r.right : tm.tmAveCharWidth;
}

namespace {

using RowHeaderTest = ControlTest;

RECT Corner(HWND c) {
    RECT r;
    QelBox_GetRowColHeaderRect(c, &r);
    return r;
}

TEST_F(RowHeaderTest, ShowRowHeaderAndOptimalWidth) {
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    AddRows(c, 120);
    const int cw = TextWidth(c, nullptr);
    EXPECT_EQ(QelBox_CalcOptimalRowHeaderWidth(c, 0), 0); // no row headers
    QelBox_SetShowHeader(c, 1);
    QelBox_SetShowRowHeader(c, 5);
    EXPECT_EQ(QelBox_GetRowHeaderWidth(c), 4 * cw);
    EXPECT_EQ(Corner(c).right, 4 * cw);
    auto widest = [&](int mode, int n) { // widest number of rows 0..n-1
        int w = 0;
        for (int i = 0; i < n && mode > 2; ++i)
            w = std::max(w, TextWidth(c, std::to_string(mode > 4 ? i + 1 : i).c_str()));
        return w + cw + 3;
    };
    for (int mode = 1; mode <= 6; ++mode) {
        QelBox_SetShowRowHeader(c, mode);
        EXPECT_EQ(QelBox_CalcOptimalRowHeaderWidth(c, 0), widest(mode, 120)) << mode;
        EXPECT_EQ(QelBox_CalcOptimalRowHeaderWidth(c, 9), widest(mode, 9)) << mode;
    }
    HBITMAP picture = CreateBitmap(20, 8, 1, 1, nullptr); // row-header bitmaps, fixed heights
    RowInfo proto = {1, -1, 0, 0, 0, 0, picture, 0}, row = {1, 0, 0, 0, 0, 0, picture, 0};
    QelBox_SetRowInfo(c, &proto);
    for (WORD style : {0, QELBOX_BITMAP_CENTER}) {
        row.bitmapStyle = style;
        QelBox_SetRowInfo(c, &row);
        EXPECT_EQ(QelBox_CalcOptimalRowHeaderWidth(c, 1),
                  (style ? 20 : TextWidth(c, "1") + cw / 2 + 20) + cw + 3);
    }
    row.bitmap = nullptr;
    QelBox_SetRowInfo(c, &row);
    const char *text = "A row text wider than numbers", *corner = "A corner wider than every label";
    QelBox_SetRowText_A(c, 3, text); // replaces the number
    EXPECT_EQ(QelBox_CalcOptimalRowHeaderWidth(c, 0), TextWidth(c, text) + cw + 3);
    EXPECT_EQ(QelBox_CalcOptimalRowHeaderWidth(c, 3), widest(6, 3));
    QelBox_SetRowColText_A(c, corner);
    EXPECT_EQ(QelBox_CalcOptimalRowHeaderWidth(c, 0), TextWidth(c, corner) + cw + 6);
    QelBox_SetShowHeader(c, 0); // no header strip, no corner
    EXPECT_EQ(QelBox_CalcOptimalRowHeaderWidth(c, 0), TextWidth(c, text) + cw + 3);

    QelBox_SetRowHeaderWidth(c, 50);
    QelBox_SetShowRowHeader(c, 7); // ignored
    EXPECT_EQ(QelBox_GetRowHeaderWidth(c), 50);
    EXPECT_EQ(QelBox_GetShowRowHeader(c), 6);
    QelBox_SetShowHeader(c, 1);
    QelBox_SetShowRowHeader(c, 0);
    EXPECT_EQ(QelBox_GetRowHeaderWidth(c), 0);
    EXPECT_EQ(Corner(c).right, 0);
    DestroyWindow(c);
    DeleteObject(picture);
}

TEST_F(RowHeaderTest, CornerProperties) {
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    char buffer[8];
    EXPECT_EQ(QelBox_SetRowColText_A(c, "Corner text"), 1);
    EXPECT_EQ(QelBox_GetRowColText_A(c, buffer, 4), 3);
    EXPECT_STREQ(buffer, "Cor");
    QelBoxDiag_FailAllocationsAfter(0);
    EXPECT_EQ(QelBox_SetRowColText_A(c, "New"), 0); // the old text stays
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_EQ(QelBox_GetRowColTextLength(c), 11);
    EXPECT_EQ(QelBox_SetRowColText_A(c, nullptr), 1); // null removes it
    EXPECT_EQ(QelBox_GetRowColTextLength(c), 0);

    QelBox_SetShowHeader(c, 1);
    QelBox_SetShowRowHeader(c, 1);
    // What a call leaves to repaint: 1 the corner alone, 0 nothing, -1 more.
    auto repaint = [&](std::function<void()> call) {
        ValidateRect(c, nullptr);
        call();
        RECT pending = {0, 0, 0, 0}, corner = Corner(c);
        GetUpdateRect(c, &pending, FALSE);
        return EqualRect(&pending, &corner) ? 1 : IsRectEmpty(&pending) ? 0 : -1;
    };
    EXPECT_EQ(repaint([&] { QelBox_SetRowColHeaderButton(c, 5); }), 1);
    EXPECT_EQ(repaint([&] { QelBox_SetRowColHeaderButton(c, 1); }), 0); // unchanged
    EXPECT_EQ(repaint([&] { QelBox_SetShowRowColHeaderButton(c, 7); }), 0);
    EXPECT_EQ(repaint([&] { QelBox_SetShowRowColHeaderButton(c, 0); }), 1);
    EXPECT_EQ(repaint([&] { QelBox_SetRowColHeaderStyle(c, 0x42); }), 1);
    EXPECT_EQ(repaint([&] { QelBox_SetRowColBitmapStyle(c, 1); }), 1);
    EXPECT_EQ(QelBox_GetRowColHeaderButton(c) + QelBox_GetShowRowColHeaderButton(c), 1);
    EXPECT_EQ(QelBox_GetRowColHeaderStyle(c) + QelBox_GetRowColBitmapStyle(c), 0x43);

    // A corner bitmap taller than the header font grows the header strip.
    const int strip = Corner(c).bottom;
    HBITMAP tall = CreateBitmap(12, strip + 10, 1, 1, nullptr);
    HBITMAP same = CreateBitmap(20, strip + 10, 1, 1, nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(repaint([&] { QelBox_SetRowColBitmap(c, tall); }), -1);
    EXPECT_EQ(Corner(c).bottom, strip + 13);
    EXPECT_EQ(repaint([&] { QelBox_SetRowColBitmap(c, same); }), 1); // same height
    EXPECT_EQ(QelBox_GetRowColBitmap(c), same);
    QelBox_SetRowColBitmap(c, reinterpret_cast<HBITMAP>(brush)); // not a bitmap: none
    EXPECT_EQ(QelBox_GetRowColBitmap(c), nullptr);
    EXPECT_EQ(Corner(c).bottom, strip);
    DestroyWindow(c);
    DeleteObject(tall);
    DeleteObject(same);
    DeleteObject(brush);
}

} // namespace

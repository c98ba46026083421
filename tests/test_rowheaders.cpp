// Row headers: showing them and the fitted row-header width.
#include "harness.h"

#include <algorithm>
#include <functional>
#include <string>

namespace {

int TextWidth(HWND c, const char* text) {
    return TextWidth(ControlFont(c), text);
}

using RowHeaderTest = ControlTest;

RECT Corner(HWND c) {
    RECT r;
    QelBox_GetRowColHeaderRect(c, &r);
    return r;
}

TEST_F(RowHeaderTest, ShowRowHeaderAndOptimalWidth) {
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    AddRows(c, 120);
    const int cw = Metrics(ControlFont(c)).tmAveCharWidth;
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
    const char *text = "A row text wider than numbers", *corner = "A corner wider than every label";
    QelBox_SetRowText_A(c, 3, text); // replaces the number
    EXPECT_EQ(QelBox_CalcOptimalRowHeaderWidth(c, 0), TextWidth(c, text) + cw + 3);
    EXPECT_EQ(QelBox_CalcOptimalRowHeaderWidth(c, 3), widest(6, 3));
    QelBox_SetRowColText_A(c, corner);
    EXPECT_EQ(QelBox_CalcOptimalRowHeaderWidth(c, 0), TextWidth(c, corner) + cw + 6);
    QelBox_SetShowHeader(c, 0); // no header strip, no corner
    EXPECT_EQ(QelBox_CalcOptimalRowHeaderWidth(c, 0), TextWidth(c, text) + cw + 3);

    QelBox_SetShowHeader(c, 1);
    QelBox_SetShowRowHeader(c, 0);
    EXPECT_EQ(QelBox_GetRowHeaderWidth(c), 0);
    EXPECT_EQ(Corner(c).right, 0);
}

} // namespace

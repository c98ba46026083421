// Per-item accessors: data, enabled state, cell texts, row-header text and
// row info (their refusals are in test_contracts.cpp).
#include "harness.h"

namespace {

class ItemPropsTest : public ControlTest {
  protected:
    HWND control_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    void SetUp() override {
        ControlTest::SetUp();
        control_ = Create(QELBOXSTYLE_SIMPLE, 0, 1, 150);
        AddRows(control_, 4);
        bitmap_ = Bitmap(12, 9);
    }
    // "result text" of a read into a buffer holding "junk".
    std::string CellText(int index, int column) {
        char buffer[32] = "junk";
        return std::to_string(QelBox_GetText_A(control_, index, column, buffer)) + " " + buffer;
    }
    std::string RowText(int index) {
        char buffer[32] = "junk";
        return std::to_string(QelBox_GetRowText_A(control_, index, buffer)) + " " + buffer;
    }
};

TEST_F(ItemPropsTest, ItemDataAndStatus) {
    EXPECT_EQ(QelBox_SetItemData(control_, 2, 0xCAFE), 0);
    EXPECT_EQ(QelBox_GetItemData(control_, 2), 0xCAFEu);

    // A status change repaints the list; setting the same status does not.
    HWND list = QelBox_GetHWNDDropDown(control_);
    for (bool change : {true, false}) {
        ValidateRect(list, nullptr);
        ValidateRect(control_, nullptr);
        EXPECT_EQ(QelBox_SetItemStatus(control_, 1, FALSE), 1);
        EXPECT_EQ(QelBox_GetItemStatus(control_, 1), 0);
        EXPECT_EQ(GetUpdateRect(list, nullptr, FALSE) != 0, change);
    }
    EXPECT_EQ(QelBox_SetItemStatus(control_, 1, 2), 1); // any non-zero enables
    EXPECT_EQ(QelBox_GetItemStatus(control_, 1), 1);
}

TEST_F(ItemPropsTest, CellAndRowTexts) {
    EXPECT_EQ(QelBox_SetText_A(control_, 1, 0, "changed"), 1);
    EXPECT_EQ(CellText(1, 0), "7 changed");
    EXPECT_EQ(QelBox_SetText_A(control_, 1, 0, nullptr), 1);
    EXPECT_EQ(CellText(1, 0), "0 ");
    // Refusals empty the buffer; index -1 is the committed item, whose new
    // text shows in the edit field.
    EXPECT_EQ(CellText(1, 1), "-1 ");
    EXPECT_EQ(CellText(4, 0), "-1 ");
    EXPECT_EQ(CellText(-1, 0), "-1 ");
    QelBox_SetCurSel(control_, 3);
    EXPECT_EQ(CellText(-1, 0), "5 Row 3");
    QelBox_SetText_A(control_, 3, 0, "Renamed");
    EXPECT_EQ(WindowText(QelBox_GetHWNDEdit(control_)), "Renamed");

    EXPECT_EQ(RowText(0), "0 ");
    EXPECT_EQ(QelBox_SetRowText_A(control_, 0, "R0"), 1);
    EXPECT_EQ(QelBox_GetRowTextLength(control_, 0), 2);
    EXPECT_EQ(RowText(0), "2 R0");
    EXPECT_EQ(QelBox_SetRowText_A(control_, 0, nullptr), 1);
    EXPECT_EQ(QelBox_GetRowTextLength(control_, 0), 0);
    EXPECT_EQ(RowText(-1).substr(0, 3), "-1 ");
}

// The colours, bitmap and bitmap style of row 2 as QelBox_GetRowInfo reads
// them into a block holding `bitmap`.
std::vector<UINT_PTR> RowInfoOf(HWND control, HBITMAP bitmap = nullptr) {
    RowInfo r = {1, 2, 0, 0, 0, 0, bitmap, 9};
    EXPECT_EQ(QelBox_GetRowInfo(control, &r), 1);
    return {r.colorBackground, r.colorText,        r.colorSelBackground,
            r.colorSelText,    UINT_PTR(r.bitmap), r.bitmapStyle};
}

TEST_F(ItemPropsTest, RowInfoRoundTripAndDefaults) {
    const UINT_PTR none = 0xFFFFFFFF;
    EXPECT_EQ(RowInfoOf(control_, bitmap_), (std::vector<UINT_PTR>{none, none, none, none, 0, 0}));
    RowInfo set = {1, 2, RGB(1, 2, 3), RGB(4, 5, 6), 0x8000000D, 0xFFFFFFFF, bitmap_, 3};
    EXPECT_EQ(QelBox_SetRowInfo(control_, &set), 1);
    EXPECT_EQ(RowInfoOf(control_), (std::vector<UINT_PTR>{RGB(1, 2, 3), RGB(4, 5, 6), 0x8000000D,
                                                          none, UINT_PTR(bitmap_), 3}));

    // A list-wide row-header bitmap sizes the rows.
    QelBox_SetShowRowHeader(control_, 3);
    const int before = QelBox_GetItemHeight(control_, 0);
    HBITMAP tall = Bitmap(8, before + 10);
    RowInfo all = {1, -1, 0, 0, 0, 0, tall, 0};
    EXPECT_EQ(QelBox_SetRowInfo(control_, &all), 1);
    EXPECT_EQ(QelBox_GetItemHeight(control_, 0), before + 13);
    all.bitmap = nullptr;
    EXPECT_EQ(QelBox_SetRowInfo(control_, &all), 1);
    EXPECT_EQ(QelBox_GetItemHeight(control_, 0), before);
}

} // namespace

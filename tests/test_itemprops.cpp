// Per-item accessors: data, enabled state, label and bitmap, cell texts,
// row-header text and row info, with their refusals.
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
        bitmap_ = CreateBitmap(12, 9, 1, 1, nullptr);
    }
    void TearDown() override {
        ControlTest::TearDown();
        DeleteObject(bitmap_); // the control never deletes application bitmaps
    }
    // True when part of the list window waits to be repainted.
    bool ListNeedsPaint() {
        return GetUpdateRect(QelBox_GetHWNDDropDown(control_), nullptr, FALSE) != 0;
    }
    void Validate() {
        HWND list = QelBox_GetHWNDDropDown(control_);
        ValidateRect(list, nullptr);
        ValidateRect(control_, nullptr);
    }
};

TEST_F(ItemPropsTest, ItemData) {
    EXPECT_EQ(QelBox_SetItemData(control_, 2, 0xCAFE), 0);
    EXPECT_EQ(QelBox_GetItemData(control_, 2), 0xCAFEu);
    EXPECT_EQ(QelBox_SetItemData(control_, 4, 1), -1);
    EXPECT_EQ(QelBox_SetItemData(control_, -1, 1), -1);
    EXPECT_EQ(QelBox_GetItemData(control_, 4), 0xFFFFFFFFu);
    EXPECT_EQ(QelBox_GetItemData(control_, -1), 0xFFFFFFFFu);
}

TEST_F(ItemPropsTest, StatusRepaintsOnlyOnAChange) {
    Validate();
    EXPECT_EQ(QelBox_SetItemStatus(control_, 1, FALSE), 1);
    EXPECT_EQ(QelBox_GetItemStatus(control_, 1), 0);
    EXPECT_TRUE(ListNeedsPaint());
    Validate();
    EXPECT_EQ(QelBox_SetItemStatus(control_, 1, FALSE), 1);
    EXPECT_FALSE(ListNeedsPaint());
    EXPECT_EQ(QelBox_SetItemStatus(control_, 1, 2), 1); // any non-zero enables
    EXPECT_EQ(QelBox_GetItemStatus(control_, 1), 1);
    EXPECT_EQ(QelBox_SetItemStatus(control_, 9, TRUE), 0);
    EXPECT_EQ(QelBox_GetItemStatus(control_, 9), 0);
}

TEST_F(ItemPropsTest, TextsOfCells) {
    char buffer[32];
    EXPECT_EQ(QelBox_SetText_A(control_, 1, 0, "changed"), 1);
    EXPECT_EQ(QelBox_GetText_A(control_, 1, 0, buffer), 7);
    EXPECT_STREQ(buffer, "changed");
    EXPECT_EQ(QelBox_SetText_A(control_, 1, 0, nullptr), 1);
    EXPECT_EQ(QelBox_GetText_A(control_, 1, 0, buffer), 0);
    EXPECT_STREQ(buffer, "");
    // Refusals leave the buffer emptied and the item unchanged.
    strcpy(buffer, "junk");
    EXPECT_EQ(QelBox_GetText_A(control_, 1, 1, buffer), -1);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(QelBox_GetText_A(control_, 4, 0, buffer), -1);
    EXPECT_EQ(QelBox_GetTextLength(control_, 0, -1), -1);
    EXPECT_EQ(QelBox_SetText_A(control_, 4, 0, "x"), 0);
    EXPECT_EQ(QelBox_SetText_A(control_, 0, 1, "x"), 0);
    // Index -1 is the committed item.
    strcpy(buffer, "junk");
    EXPECT_EQ(QelBox_GetText_A(control_, -1, 0, buffer), -1);
    EXPECT_STREQ(buffer, "");
    QelBox_SetCurSel(control_, 3);
    EXPECT_EQ(QelBox_GetText_A(control_, -1, 0, buffer), 5);
    EXPECT_STREQ(buffer, "Row 3");
}

TEST_F(ItemPropsTest, SetTextOfTheCommittedItemUpdatesTheEditField) {
    QelBox_SetCurSel(control_, 2);
    QelBox_SetText_A(control_, 2, 0, "Renamed");
    EXPECT_EQ(WindowText(QelBox_GetHWNDEdit(control_)), "Renamed");
}

TEST_F(ItemPropsTest, OutOfMemoryKeepsOldTexts) {
    const int live = QelBoxDiag_LiveAllocations();
    QelBoxDiag_FailAllocationsAfter(0);
    EXPECT_EQ(QelBox_SetText_A(control_, 0, 0, "new"), 0);
    EXPECT_EQ(QelBox_SetRowText_A(control_, 0, "new"), 0);
    RowInfo info = {1, 0, 1, 2, 3, 4, nullptr, 0};
    EXPECT_EQ(QelBox_SetRowInfo(control_, &info), 0);
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_EQ(Text(control_, 0), "Row 0");
    EXPECT_EQ(QelBox_GetRowTextLength(control_, 0), 0);
    RowInfo read = {1, 0, 0, 0, 0, 0, nullptr, 0};
    EXPECT_EQ(QelBox_GetRowInfo(control_, &read), 1);
    EXPECT_EQ(read.colorBackground, 0xFFFFFFFFu);
    EXPECT_EQ(QelBoxDiag_LiveAllocations(), live);
}

TEST_F(ItemPropsTest, RowTexts) {
    char buffer[32] = "junk";
    EXPECT_EQ(QelBox_GetRowText_A(control_, 0, buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(QelBox_SetRowText_A(control_, 0, "R0"), 1);
    EXPECT_EQ(QelBox_GetRowTextLength(control_, 0), 2);
    EXPECT_EQ(QelBox_GetRowText_A(control_, 0, buffer), 2);
    EXPECT_STREQ(buffer, "R0");
    EXPECT_EQ(QelBox_SetRowText_A(control_, 0, nullptr), 1);
    EXPECT_EQ(QelBox_GetRowTextLength(control_, 0), 0);
    EXPECT_EQ(QelBox_SetRowText_A(control_, 7, "x"), 0);
    EXPECT_EQ(QelBox_GetRowTextLength(control_, 7), -1);
    EXPECT_EQ(QelBox_GetRowText_A(control_, -1, buffer), -1);
}

TEST_F(ItemPropsTest, RowInfoRoundTripAndDefaults) {
    RowInfo info = {1, 2, 0, 0, 0, 0, nullptr, 0};
    ASSERT_EQ(QelBox_GetRowInfo(control_, &info), 1);
    EXPECT_EQ(info.colorBackground, 0xFFFFFFFFu);
    EXPECT_EQ(info.colorText, 0xFFFFFFFFu);
    EXPECT_EQ(info.colorSelBackground, 0xFFFFFFFFu);
    EXPECT_EQ(info.colorSelText, 0xFFFFFFFFu);
    EXPECT_EQ(info.bitmap, nullptr);

    RowInfo set = {1, 2, RGB(1, 2, 3), RGB(4, 5, 6), 0x8000000D, 0xFFFFFFFF, bitmap_, 3};
    EXPECT_EQ(QelBox_SetRowInfo(control_, &set), 1);
    RowInfo read = {1, 2, 0, 0, 0, 0, nullptr, 0};
    ASSERT_EQ(QelBox_GetRowInfo(control_, &read), 1);
    EXPECT_EQ(read.colorBackground, RGB(1, 2, 3));
    EXPECT_EQ(read.colorText, RGB(4, 5, 6));
    EXPECT_EQ(read.colorSelBackground, 0x8000000Du);
    EXPECT_EQ(read.bitmap, bitmap_);
    EXPECT_EQ(read.bitmapStyle, 3);

    RowInfo bad = set;
    bad.version = 2;
    EXPECT_EQ(QelBox_SetRowInfo(control_, &bad), 0);
    EXPECT_EQ(QelBox_GetRowInfo(control_, &bad), 0);
    bad = set;
    bad.index = 4;
    EXPECT_EQ(QelBox_SetRowInfo(control_, &bad), 0);
    bad.index = -2;
    EXPECT_EQ(QelBox_SetRowInfo(control_, &bad), 0);
    bad.index = -1;
    EXPECT_EQ(QelBox_GetRowInfo(control_, &bad), 0); // -1 is for setting only
    HBRUSH brush = CreateSolidBrush(0);
    bad = set;
    bad.bitmap = reinterpret_cast<HBITMAP>(brush);
    EXPECT_EQ(QelBox_SetRowInfo(control_, &bad), 0);
    DeleteObject(brush);
}

TEST_F(ItemPropsTest, ListWideRowHeaderBitmapSizesRows) {
    QelBox_SetShowRowHeader(control_, 3);
    int before = QelBox_GetItemHeight(control_, 0);
    HBITMAP tall = CreateBitmap(8, before + 10, 1, 1, nullptr);
    RowInfo info = {1, -1, 0, 0, 0, 0, tall, 0};
    EXPECT_EQ(QelBox_SetRowInfo(control_, &info), 1);
    EXPECT_EQ(QelBox_GetItemHeight(control_, 0), before + 13);
    info.bitmap = nullptr;
    EXPECT_EQ(QelBox_SetRowInfo(control_, &info), 1);
    EXPECT_EQ(QelBox_GetItemHeight(control_, 0), before);
    DeleteObject(tall);
}

TEST_F(ItemPropsTest, LabelsAndBitmapsPerItemAndListWide) {
    for (bool label : {true, false}) {
        auto set = label ? QelBox_SetItemLabel : QelBox_SetItemBitmap;
        auto get = label ? QelBox_GetItemLabel : QelBox_GetItemBitmap;
        auto shown = label ? QelBox_GetShowLabels : QelBox_GetShowBitmaps;
        EXPECT_EQ(set(control_, 1, bitmap_), 1);
        EXPECT_EQ(get(control_, 1), bitmap_);
        EXPECT_EQ(shown(control_), 0); // only the list-wide form switches it on
        EXPECT_EQ(set(control_, -1, bitmap_), 1);
        EXPECT_EQ(shown(control_), 1);
        EXPECT_GT(QelBox_GetOverheadWidth(control_), 0);
        EXPECT_EQ(set(control_, -1, nullptr), 1);
        EXPECT_EQ(shown(control_), 0);
        EXPECT_EQ(set(control_, 1, nullptr), 1);
        EXPECT_EQ(get(control_, 1), nullptr);
        // Refusals.
        EXPECT_EQ(set(control_, 4, bitmap_), 0);
        EXPECT_EQ(set(control_, -2, bitmap_), 0);
        HBRUSH brush = CreateSolidBrush(0);
        EXPECT_EQ(set(control_, 1, reinterpret_cast<HBITMAP>(brush)), 0);
        EXPECT_EQ(set(control_, -1, reinterpret_cast<HBITMAP>(brush)), 0);
        DeleteObject(brush);
        EXPECT_EQ(get(control_, 1), nullptr);
        EXPECT_EQ(get(control_, 4), nullptr);
    }
    // The list-wide bitmap sizes the rows.
    HBITMAP tall = CreateBitmap(16, 40, 1, 1, nullptr);
    QelBox_SetItemBitmap(control_, -1, tall);
    EXPECT_EQ(QelBox_GetItemHeight(control_, 0), 40);
    QelBox_SetItemBitmap(control_, -1, nullptr);
    DeleteObject(tall);
}

} // namespace

// Columns: the default column, the edit column and its edit field, and column
// headers.
#include "harness.h"

#include <string.h>

namespace {

class ColumnTest : public ControlTest {
  protected:
    static std::string Header(HWND control, int column) {
        char buffer[256];
        return QelBox_GetHeader_A(control, column, buffer, sizeof(buffer)) < 0 ? "<error>" : buffer;
    }
    static int StripHeight(HWND control) {
        RECT strip;
        QelBox_GetHeaderRect(control, -1, &strip);
        return strip.bottom - strip.top;
    }
};

// Installing and reading definitions

TEST_F(ColumnTest, DefaultColumnAndCountZero) {
    HWND control = Create(QELBOXSTYLE_DROPDOWN);
    const ColumnRecord expected = Column(500, 0x800);
    ColumnRecord* copy = nullptr;
    EXPECT_EQ(QelBox_GetColumns(control, nullptr), 1);
    ASSERT_EQ(QelBox_GetColumns(control, &copy), 1);
    EXPECT_EQ(memcmp(copy, &expected, sizeof(ColumnRecord)), 0);
    ASSERT_EQ(SetColumns(control, {40, 50, 60}), 1);
    // Count 0 does not read the array argument.
    EXPECT_EQ(QelBox_SetColumns(control, 0, reinterpret_cast<const ColumnRecord*>(1)), 1);
    ASSERT_EQ(QelBox_GetColumns(control, &copy), 1);
    EXPECT_EQ(memcmp(copy, &expected, sizeof(ColumnRecord)), 0);
    EXPECT_EQ(SetColumns(control, {0, 0, 1}), 1); // one shown column is enough
}

// Column headers

TEST_F(ColumnTest, HeaderTextSetGetTruncateAndClear) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    ASSERT_EQ(SetColumns(control, {50, 50}), 1);
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
    ASSERT_EQ(SetColumns(control, {20, 20, 20, 20}), 1);
    EXPECT_EQ(QelBox_SetHeaderButton(control, 3), 1);
    EXPECT_EQ(QelBox_SetHeaderButton(control, 3), 1);
    // Kept while its column stays, reset when it goes.
    ASSERT_EQ(SetColumns(control, {20, 20, 20, 30}), 1);
    EXPECT_EQ(QelBox_GetHeaderButton(control), 3);
    ASSERT_EQ(SetColumns(control, {20, 20, 20}), 1);
    EXPECT_EQ(QelBox_GetHeaderButton(control), -1);
    EXPECT_EQ(QelBox_SetHeaderButton(control, 2), 1);
    EXPECT_EQ(QelBox_SetHeaderButton(control, -1), 1);
    EXPECT_EQ(QelBox_GetHeaderButton(control), -1);
    // Show-header modes 0..2; other values are ignored.
    EXPECT_EQ(QelBox_GetShowHeader(control), 0);
    EXPECT_EQ(StripHeight(control), 0);
    QelBox_SetShowHeader(control, 1);
    EXPECT_EQ(QelBox_GetShowHeader(control), 1);
    QelBox_SetShowHeader(control, 2);
    EXPECT_EQ(QelBox_GetShowHeader(control), 2);
    EXPECT_GT(StripHeight(control), 0);
}

// The edit column and the edit field

TEST_F(ColumnTest, TheFirstVisibleColumnDecidesTheEditField) {
    HWND control = Create(QELBOXSTYLE_DROPDOWN);
    ASSERT_EQ(SetColumns(control, {0, 80, 80}), 1);
    AddRows(control, 3);
    ASSERT_EQ(QelBox_SetText_A(control, 1, 1, "Second"), 1);
    ASSERT_EQ(QelBox_SetText_A(control, 1, 2, "Third"), 1);
    ASSERT_EQ(QelBox_SetCurSel(control, 1), 0);
    EXPECT_EQ(WindowText(QelBox_GetHWNDEdit(control)), "Second");
    // Display order decides: column 2 at position 0 is the edit column...
    std::vector<ColumnRecord> columns(3, Column(80));
    columns[0].displayPosition = 1;
    columns[1].displayPosition = 2;
    columns[2].displayPosition = 0;
    ASSERT_EQ(SetColumns(control, columns), 1);
    EXPECT_EQ(WindowText(QelBox_GetHWNDEdit(control)), "Third");
    // ...unless hidden: position 1 shows column 0.
    columns[2].width = 0;
    ASSERT_EQ(SetColumns(control, columns), 1);
    EXPECT_EQ(WindowText(QelBox_GetHWNDEdit(control)), "Row 1");
    // A multi-line edit column recreates the field, keeping the focus.
    HWND old = QelBox_GetHWNDEdit(control);
    SetFocus(old);
    ASSERT_EQ(GetFocus(), old);
    columns = {Column(80, QELBOX_MULTILINE), Column(80), Column(80)};
    ASSERT_EQ(SetColumns(control, columns), 1);
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
    ASSERT_EQ(SetColumns(control, columns), 1);
    edit = QelBox_GetHWNDEdit(control);
    EXPECT_FALSE(GetWindowLongA(edit, GWL_STYLE) & (ES_MULTILINE | WS_VSCROLL));
    EXPECT_EQ(GetFocus(), edit);
    // Without the focus the new field does not take it.
    SetFocus(TestParent());
    ASSERT_EQ(SetColumns(control, columns), 1);
    EXPECT_EQ(GetFocus(), TestParent());
    // The drop-down-list type never gets an edit field.
    HWND list = Create(QELBOXSTYLE_DROPDOWNLIST);
    ASSERT_EQ(SetColumns(list, {Column(80, QELBOX_MULTILINE)}), 1);
    EXPECT_EQ(QelBox_GetHWNDEdit(list), nullptr);
}

// Running out of memory

} // namespace

// Virtual mode: items fetched from the application one at a time, the count
// and its effects, and searching and painting through the fetch callback.
#include "harness.h"
#include "pixels.h"

namespace {

const int kRows = 50;
char g_texts[kRows][16];
char* g_cells[kRows];
ItemRecord g_rows[kRows];
std::string g_log; // " F3 R3 ..." for fetch and release calls

void CALLBACK Fetch(HWND, QelData value, int index, ItemRecord** buffer) {
    EXPECT_EQ(value, 77u);
    g_log += " F" + std::to_string(index);
    *buffer = &g_rows[index];
}
void CALLBACK Release(HWND, QelData, int index, ItemRecord* item) {
    EXPECT_EQ(item, &g_rows[index]);
    g_log += " R" + std::to_string(index);
}

class VirtualTest : public ControlTest {
  protected:
    HWND CreateVirtual(DWORD type) {
        for (int i = 0; i < kRows; ++i) {
            wsprintfA(g_texts[i], "Row %d", i);
            g_cells[i] = g_texts[i];
            g_rows[i] = {QelData(i * 10), 0, 0, 0, 0, 0, &g_cells[i], QELBOX_ITEM_ENABLED};
        }
        HWND c = Create(type);
        AddRows(c, 1);
        EXPECT_EQ(QelBox_VirtualInitialize(c, Fetch, Release, 77), 0); // holds an item
        QelBox_ResetContent(c);
        EXPECT_EQ(QelBox_VirtualCount(c, 5), 0); // not virtual yet
        EXPECT_EQ(QelBox_VirtualInitialize(c, Fetch, Release, 77), 1);
        EXPECT_EQ(QelBox_VirtualCount(c, -1), 0);
        EXPECT_EQ(QelBox_VirtualCount(c, kRows), 1);
        g_log.clear();
        ClearNotes();
        return c;
    }
};

TEST_F(VirtualTest, FetchingCountAndReturnToStoredMode) {
    HWND c = CreateVirtual(QELBOXSTYLE_SIMPLE);
    EXPECT_EQ(QelBox_GetItemData(c, 3), 30u);
    EXPECT_EQ(QelBox_GetItemData(c, 3), 30u);
    EXPECT_EQ(g_log, " F3 R3 F3"); // the second fetch stays out until the next access
    EXPECT_EQ(QelBox_VirtualItemChanged(c, kRows), 0);
    EXPECT_EQ(g_log, " F3 R3 F3 R3");
    QelBox_SetTopIndex(c, 20);
    QelBox_SetCurSel(c, 25);
    ClearNotes();
    EXPECT_EQ(QelBox_VirtualCount(c, 40), 1);
    EXPECT_EQ(QelBox_GetCount(c), 40);
    EXPECT_EQ(QelBox_GetTopIndex(c), 0);
    EXPECT_EQ(QelBox_GetCurSel(c), -1);
    EXPECT_EQ(Text(c, -1), "<error>"); // nothing committed
    EXPECT_CODES(c, QELBOXN_SELCHANGE);
    QelBox_SetCurSel(c, 3);
    g_log.clear();
    EXPECT_EQ(QelBox_VirtualInitialize(c, nullptr, nullptr, 0), 1); // back to stored items
    EXPECT_EQ(g_log, "");                                           // the last item is kept
    EXPECT_EQ(QelBox_GetCount(c), 0);
    EXPECT_EQ(QelBox_GetCurSel(c), -1);
    EXPECT_EQ(WindowText(QelBox_GetHWNDEdit(c)), "");
    EXPECT_EQ(QelBox_AddString_A(c, "stored"), 0);
}

TEST_F(VirtualTest, SearchesAndPaintingFetchTheItems) {
    HWND c = CreateVirtual(QELBOXSTYLE_SIMPLE);
    EXPECT_EQ(QelBox_FindStringExact_A(c, -1, 0, "row 7", FALSE), 7);
    EXPECT_EQ(QelBox_FindItem(c, 0, 90), 9);
    EXPECT_EQ(QelBox_SelectString_A(c, 10, 0, "Row 12", FALSE), 12);
    EXPECT_EQ(Text(c, -1), "Row 12");
    QelBox_SetCurSel(c, -1);
    QelBox_SetTopIndex(c, 0);
    HWND stored = Create(QELBOXSTYLE_SIMPLE, 0, 2);
    AddRows(stored, kRows);
    g_log.clear();
    Image image = Capture(QelBox_GetHWNDDropDown(c)); // the same picture as stored rows
    EXPECT_NE(g_log.find(" F0"), std::string::npos);
    EXPECT_GT(image.CountOther({0, 0, image.width, image.height}, GetSysColor(COLOR_WINDOW)), 0);
    EXPECT_EQ(image.pixels, Capture(QelBox_GetHWNDDropDown(stored)).pixels);
}

} // namespace

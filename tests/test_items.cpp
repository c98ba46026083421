// Application values of full pointer width. Insertion, deletion and the
// selection shifts are compared with a model in test_random.cpp; running out
// of memory is in test_contracts.cpp.
#include "harness.h"

namespace {

using ItemsTest = ControlTest;

// Values that belong to the application are pointer-sized: in the 64-bit
// DLL their upper half survives every way in and out.
const QelData kWide = static_cast<QelData>(0xFEDCBA9876543210ull);
std::vector<QelData> g_seen;
void CALLBACK SeeDeletion(HWND, int, QelData data, QelData value) {
    g_seen.insert(g_seen.end(), {data, value});
}
int CALLBACK SeeCompare(HWND, const char* a, const char* b, QelData d1, QelData d2, QelData c1,
                        QelData c2) {
    g_seen.insert(g_seen.end(), {d1, d2, c1, c2});
    return lstrcmpA(a, b);
}
void CALLBACK SeeDrawInfo(HWND, DrawInfo*, QelData value) {
    g_seen.push_back(value);
}
ItemRecord g_virtualRow;
void CALLBACK SeeFetch(HWND, QelData value, int, ItemRecord** buffer) {
    g_seen.push_back(value);
    *buffer = &g_virtualRow;
}

TEST_F(ItemsTest, ApplicationValuesKeepTheirFullWidth) {
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    AddRows(c, 2);
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(QelBox_SetItemData(c, i, kWide + i), 0);
        CellInfo cell = Cell(i, 0, kWide + 10 + i);
        ASSERT_EQ(QelBox_SetCellInfo(c, &cell), 1);
    }
    EXPECT_EQ(QelBox_GetItemData(c, 1), kWide + 1);
    EXPECT_EQ(QelBox_FindItem(c, 0, kWide + 1), 1);
    EXPECT_EQ(QelBox_FindItem(c, 0, static_cast<DWORD>(kWide + 1)), sizeof(QelData) > 4 ? -1 : 1);
    g_seen.clear();
    ASSERT_EQ(QelBox_SortItemsEx(c, -1, 0, SeeCompare), 1);
    EXPECT_EQ(g_seen, (std::vector<QelData>{kWide, kWide + 1, kWide + 10, kWide + 11}));

    DrawInfoCallbackInfo draw = {SeeDrawInfo, kWide + 20};
    ASSERT_EQ(QelBox_SetDrawInfoCallback(c, &draw), 1);
    ASSERT_TRUE(Drop(c));
    g_seen.clear();
    UpdateWindow(QelBox_GetHWNDDropDown(c));
    EXPECT_EQ(g_seen, (std::vector<QelData>{kWide + 20, kWide + 20}));
    QelBox_ShowDropDown(c, FALSE);

    DeleteCallbackInfo del = {SeeDeletion, kWide + 30};
    ASSERT_EQ(QelBox_SetDeleteCallback(c, &del), 1);
    g_seen.clear();
    QelBox_DeleteString(c, 0);
    EXPECT_EQ(g_seen, (std::vector<QelData>{kWide, kWide + 30}));

    QelBox_ResetContent(c);
    g_virtualRow = {};
    ASSERT_EQ(QelBox_VirtualInitialize(c, SeeFetch, nullptr, kWide + 40), 1);
    ASSERT_EQ(QelBox_VirtualCount(c, 1), 1);
    g_seen.clear();
    QelBox_GetItemData(c, 0);
    EXPECT_EQ(g_seen, (std::vector<QelData>{kWide + 40}));
    QelBox_VirtualInitialize(c, nullptr, nullptr, 0);
}

} // namespace

// The contract every export keeps, as tables: documented defaults, bad
// indexes and values refused without a change, and running out of memory
// at every allocation of a call: the failure result, nothing changed and
// nothing leaked.
#include "harness.h"

#include <cstddef>
#include <string>

namespace {

LONG_PTR V(std::nullptr_t) {
    return 0;
}
template <typename T> LONG_PTR V(T* pointer) {
    return reinterpret_cast<LONG_PTR>(pointer);
}
template <typename T> LONG_PTR V(T value) {
    return static_cast<LONG_PTR>(value);
}

// Everything observable about a control's items, selection and columns that
// the calls below could change, read without allocating.
std::string TextOf(HWND window) {
    char text[256] = "";
    if (window) GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string Snapshot(HWND c) {
    std::string s = "count " + std::to_string(QelBox_GetCount(c));
    const int columns = QelBox_GetColumns(c, nullptr);
    for (int i = 0; i < QelBox_GetCount(c); ++i) {
        char text[64];
        s += "\n" + std::to_string(QelBox_GetItemLevel(c, i)) + " " +
             std::to_string(QelBox_GetItemData(c, i)) + " " +
             std::to_string(QelBox_GetItemStatus(c, i));
        for (int col = 0; col < columns; ++col) {
            text[0] = 0;
            QelBox_GetText_A(c, i, col, text);
            s += std::string(" [") + text + "]";
        }
        text[0] = 0;
        QelBox_GetRowText_A(c, i, text);
        RowInfo info = {1, i, 0, 0, 0, 0, nullptr, 0};
        QelBox_GetRowInfo(c, &info);
        s += std::string(" row [") + text + "] " + std::to_string(info.colorBackground);
        for (int col = 0; col < columns; ++col) {
            CellInfo cell = Cell(i, col);
            QelBox_GetCellInfo(c, &cell);
            s += " " + std::to_string(cell.cellData);
        }
    }
    s += "\ncolumns " + std::to_string(columns);
    for (int col = 0; col < columns; ++col) {
        char header[64] = "";
        QelBox_GetHeader_A(c, col, header, sizeof(header));
        s += std::string(" [") + header + "]";
    }
    char corner[64] = "";
    QelBox_GetRowColText_A(c, corner, sizeof(corner));
    s += " button " + std::to_string(QelBox_GetHeaderButton(c)) + " corner [" + corner + "]";
    s += "\nsel " + std::to_string(QelBox_GetCurSel(c)) + " " +
         std::to_string(QelBox_GetTextLength(c, -1, 0)) + " edit [" +
         TextOf(QelBox_GetHWNDEdit(c)) + "] " + std::to_string(V(QelBox_GetHWNDEdit(c)));
    return s;
}

// A table row: an expression over the controls and bitmaps of the test and
// the value it must have.
struct Ctx {
    HWND d, s, l;
    HBITMAP b, brush;
};
struct Row {
    const char* what;
    LONG_PTR (*get)(const Ctx& x);
    LONG_PTR expected;
};
#define ROW(expr, expected)                                                                        \
    {                                                                                              \
#expr,                                                                                     \
            [](const Ctx& x) {                                                                     \
                [[maybe_unused]] auto [d, s, l, b, brush] = x;                                     \
                return V(expr);                                                                    \
            },                                                                                     \
            V(expected)       \
    }

class ContractTest : public ControlTest {
  protected:
    // A drop-down with two columns and four rows, nothing selected.
    HWND Sample(DWORD type = QELBOXSTYLE_DROPDOWN, int id = 1) {
        HWND c = Create(type, 0, id);
        EXPECT_EQ(SetColumns(c, {50, 50}), 1);
        return AddRows(c, 4);
    }
};

TEST_F(ContractTest, DocumentedDefaults) {
    HWND d = Create(QELBOXSTYLE_DROPDOWN, WS_VSCROLL | WS_HSCROLL);
    HWND s = Create(QELBOXSTYLE_SIMPLE, 0, 2);
    HWND l = Create(QELBOXSTYLE_DROPDOWNLIST, 0, 3);
    const LONG_PTR font = V(GetStockObject(DEFAULT_GUI_FONT));
    const Row defaults[] = {
        ROW(QelBox_GetCurSel(d), -1),
        ROW(QelBox_GetCount(d), 0),
        ROW(QelBox_GetGridStyle(d), 2),
        ROW(QelBox_GetShowTruncated(d), 1),
        ROW(QelBox_GetCursorSelect(d), 1),
        ROW(QelBox_GetOpenEnded(d), 1),
        ROW(QelBox_GetShowRowHeader(d), 3),
        ROW(QelBox_GetHeaderButton(d), -1),
        ROW(QelBox_GetShowHeader(d), 0),
        ROW(QelBox_GetDropDownPosition(d), 1),
        ROW(QelBox_GetExtendedUI(d), 0),
        ROW(QelBox_GetTopIndex(d), 0),
        ROW(QelBox_GetColumns(d, nullptr), 1),
        ROW(QelBox_GetHorizontalExtent(d), 0),
        ROW(QelBox_GetShowGrid(d) + QelBox_GetShow3D(d) + QelBox_GetShowTreeLines(d), 0),
        ROW(QelBox_GetSelectionStyle(d), 0),
        ROW(QelBox_GetShowBitmaps(d) + QelBox_GetShowLabels(d), 0),
        ROW(QelBox_GetDragType(d), 1),
        ROW(QelBox_GetResizeHeader(d) + QelBox_GetReorderColumns(d), 2),
        ROW(QelBox_GetShowRowColHeaderButton(d), 1),
        ROW(QelBox_GetDroppedWidth(d), 0),
        ROW(QelBox_GetDroppedHeight(s), -1),
        ROW(QelBox_GetDroppedWidth(s), -1),
        ROW(QelBox_GetDroppedState(s), 1),
        ROW(QelBox_GetHWNDEdit(l), nullptr),
        ROW(GetDlgCtrlID(QelBox_GetHWNDEdit(d)), QELBOX_EDIT_ID),
        ROW(GetDlgCtrlID(QelBox_GetHWNDDropDown(s)), QELBOX_LIST_ID),
        ROW(GetWindowLongA(d, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0),
        ROW(SendMessageA(d, WM_GETFONT, 0, 0), font),
        ROW(QelBox_GetColHeaderFont(d), font),
        ROW(QelBox_GetEditCtlFont(d), font),
        ROW(CustomControlInfoA(nullptr), 3), // one record per control type
        // Nothing highlighted or committed once there are rows.
        ROW((QelBox_AddString_A(l, "x"), QelBox_GetCurSel(l) + QelBox_GetTextLength(l, -1, 0)), -2),
    };
    for (const Row& row : defaults)
        EXPECT_EQ(row.get({d, s, l, nullptr, nullptr}), row.expected) << row.what;
    CtlColors k;
    QelBox_GetCtlColors(d, &k);
    EXPECT_EQ(
        (std::vector<QelColorRef>{k.colorBackground, k.colorText, k.colorAltBackground,
                                  k.colorSelBackground, k.colorTreeLinesDisabled}),
        (std::vector<QelColorRef>{0x80000005, 0x80000008, 0xFFFFFFFF, 0x8000000D, 0x80000010}));
}

// Every call below is refused with its documented result and changes nothing.
TEST_F(ContractTest, BadIndexesAndValuesAreRefused) {
    HWND d = Sample();
    HWND s = Create(QELBOXSTYLE_SIMPLE, 0, 2);
    HWND l = AddRows(Create(QELBOXSTYLE_DROPDOWNLIST, 0, 3), 2);
    HBITMAP b = Bitmap(8, 8);
    HBITMAP brush = reinterpret_cast<HBITMAP>(GetStockObject(BLACK_BRUSH));
    const std::string before = Snapshot(d);
    const int live = QelBoxDiag_LiveAllocations();
    const Row rows[] = {
        ROW(QelBox_GetItemData(d, 4), -1),
        ROW(QelBox_GetItemData(d, -1), -1),
        ROW(QelBox_SetItemData(d, 4, 1), -1),
        ROW(QelBox_GetItemStatus(d, 4), 0),
        ROW(QelBox_SetItemStatus(d, 4, FALSE), 0),
        ROW(QelBox_GetItemLabel(d, 4), nullptr),
        ROW(QelBox_SetItemLabel(d, 4, b), 0),
        ROW(QelBox_SetItemLabel(d, 1, brush), 0),
        ROW(QelBox_SetItemBitmap(d, -1, brush), 0),
        ROW(QelBox_SetItemBitmap(d, 4, b), 0),
        ROW(QelBox_GetTextLength(d, 4, 0), -1),
        ROW(QelBox_GetTextLength(d, 0, 2), -1),
        ROW(QelBox_GetTextLength(d, 0, -1), -1),
        ROW(QelBox_GetTextLength(d, -1, 0), -1),
        ROW(QelBox_SetText_A(d, 4, 0, "x"), 0),
        ROW(QelBox_SetText_A(d, 0, 2, "x"), 0),
        ROW(QelBox_GetRowTextLength(d, 4), -1),
        ROW(QelBox_SetRowText_A(d, 4, "x"), 0),
        ROW(QelBox_GetItemLevel(d, 4), -1),
        ROW(QelBox_SetItemLevel(d, 4, 1), 0),
        ROW(QelBox_SetItemLevel(d, -1, 1), 0),
        ROW(QelBox_GetParent(d, 4), -1),
        ROW(QelBox_GetDependent(d, 4, QELBOX_FIRST), -1),
        ROW(QelBox_GetDependent(d, 0, QELBOX_NEXT), -1),
        ROW(QelBox_GetSibling(d, 4, QELBOX_FIRST), -1),
        ROW(QelBox_GetSibling(d, 1, 0), -1),
        ROW(QelBox_DeleteString(d, 4), -1),
        ROW(QelBox_DeleteString(d, -1), -1),
        ROW(QelBox_DeleteDependents(d, 4), -1),
        ROW(QelBox_CopyItem(d, 4, 0), -1),
        ROW(QelBox_MoveItem(d, -1, 0), -1),
        ROW(QelBox_SetCurSel(d, 4), -1),
        ROW(QelBox_SetCurSel(d, -2), -1),
        ROW(QelBox_FindItem(d, -1, 0), -1),
        ROW(QelBox_FindString_A(d, 4, 0, "Row", TRUE), -1),
        ROW(QelBox_FindString_A(d, -2, 0, "Row", TRUE), -1),
        ROW(QelBox_FindString_A(d, -1, 2, "Row", TRUE), -1),
        ROW(QelBox_SortItems(d, 4, 0, nullptr), 0),
        ROW(QelBox_SortItems(d, -1, 2, nullptr), 0),
        ROW(QelBox_VirtualCount(d, 3), 0),
        ROW(QelBox_VirtualItemChanged(d, 0), 0),
        ROW(QelBox_SetColumns(d, -1, nullptr), 0),
        ROW(QelBox_SetColumns(d, 2, nullptr), 0),
        ROW((SetColumns(d, {50, 50, 50})), 0), // items are stored
        ROW((SetColumns(d, {0, 0})), 0),
        ROW((SetColumns(d, {10, -1})), 0),
        ROW(QelBox_SetHeader_A(d, 2, "x"), 0),
        ROW(QelBox_SetHeader_A(d, -1, "x"), 0),
        ROW(QelBox_GetHeaderLength(d, 2), -1),
        ROW(QelBox_GetHeaderLength(d, -1), -1),
        ROW(QelBox_GetHeader_A(d, 0, nullptr, 8), -1),
        ROW(QelBox_SetHeaderButton(d, 2), 0),
        ROW(QelBox_SetHeaderButton(d, -2), 0),
        ROW((QelBox_SetShowHeader(d, 3), QelBox_GetShowHeader(d)), 0),
        ROW(QelBox_SetDroppedHeight(d, 0), -1),
        ROW(QelBox_SetDroppedHeight(s, 4), -1),
        ROW(QelBox_SetDroppedWidth(s, 100), -1),
        ROW(QelBox_SetTopIndex(d, 4), -1),
        ROW(QelBox_SetTopIndex(d, -1), -1),
        ROW(QelBox_SetItemLines(d, 0), 0),
        ROW(QelBox_GetItemHeight(d, 4), -1),
        ROW(QelBox_GetCellRect(d, 0, 2), nullptr),
        ROW(QelBox_SetHorizontalExtent(d, -5), 0),
        ROW(QelBox_LimitText(d, -1), -1),
        ROW(QelBox_LimitText(l, 10), -1),
        ROW(QelBox_SetEditSel(l, 0, 1), -1),
        ROW(QelBox_GetEditSel(l, nullptr, nullptr), -1),
        ROW(QelBox_ShowDropDown(s, FALSE), 0),
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.get({d, s, l, b, brush}), row.expected) << row.what;
    // Bad info blocks: wrong version, no such row or column, no bitmap.
    RowInfo rowInfo = {2, 0, 0, 0, 0, 0, nullptr, 0};
    EXPECT_EQ(QelBox_SetRowInfo(d, &rowInfo) + QelBox_GetRowInfo(d, &rowInfo), 0);
    for (int index : {4, -2}) {
        rowInfo = {1, index, 0, 0, 0, 0, nullptr, 0};
        EXPECT_EQ(QelBox_SetRowInfo(d, &rowInfo) + QelBox_GetRowInfo(d, &rowInfo), 0) << index;
    }
    rowInfo = {1, 0, 0, 0, 0, 0, brush, 0};
    EXPECT_EQ(QelBox_SetRowInfo(d, &rowInfo), 0);
    rowInfo.index = -1; // -1 is for setting only
    EXPECT_EQ(QelBox_GetRowInfo(d, &rowInfo), 0);
    const int badCells[][3] = {{2, 0, 0}, {0, 0, 0}, {1, -2, 0}, {1, 4, 0}, {1, 0, -1}, {1, 0, 2}};
    for (const auto& bad : badCells) {
        CellInfo info = Cell(bad[1], bad[2], 0xBEEF, static_cast<DWORD>(bad[0]));
        EXPECT_EQ(QelBox_SetCellInfo(d, &info) + QelBox_GetCellInfo(d, &info), 0) << bad[1];
        EXPECT_EQ(info.cellData, 0xBEEFu);
    }
    EXPECT_EQ(QelBox_SetCellInfo(d, nullptr) + QelBox_GetCellInfo(d, nullptr), 0);
    EXPECT_EQ(Snapshot(d), before);
    EXPECT_EQ(QelBoxDiag_LiveAllocations(), live);
    EXPECT_CODES(d);
}

// One call that allocates, run with 0, 1, 2, ... allocations allowed until it
// succeeds: each failing run returns `failure`, leaves the snapshot as it
// was and holds no more memory than before.
struct SweepCase {
    const char* what;
    DWORD type;
    void (*setup)(HWND c);
    LONG_PTR (*call)(HWND c, std::vector<HWND>* created);
    LONG_PTR failure;
    int minFailures; // allocations the call needs
    bool changes;    // success changes the snapshot
};

ColumnRecord* g_columnsCopy;

const SweepCase kSweeps[] = {
    {"AddString growing the array", QELBOXSTYLE_DROPDOWN,
     [](HWND c) {
         for (int i = 4; i < 300; ++i)
             QelBox_AddString_A(c, "row");
         QelBox_SetCurSel(c, 1);
     },
     [](HWND c, std::vector<HWND>*) { return V(QelBox_AddString_A(c, "new")); }, -1, 2, true},
    {"InsertString before the selection", QELBOXSTYLE_DROPDOWN,
     [](HWND c) { QelBox_SetCurSel(c, 1); },
     [](HWND c, std::vector<HWND>*) { return V(QelBox_InsertString_A(c, 0, "new")); }, -1, 1, true},
    {"SetText", QELBOXSTYLE_DROPDOWN, [](HWND c) { QelBox_SetCurSel(c, 0); },
     [](HWND c, std::vector<HWND>*) { return V(QelBox_SetText_A(c, 0, 0, "new")); }, 0, 1, true},
    {"SetRowText", QELBOXSTYLE_DROPDOWN, [](HWND c) { QelBox_SetRowText_A(c, 0, "old"); },
     [](HWND c, std::vector<HWND>*) { return V(QelBox_SetRowText_A(c, 0, "new")); }, 0, 1, true},
    {"SetRowInfo", QELBOXSTYLE_DROPDOWN, [](HWND) {},
     [](HWND c, std::vector<HWND>*) {
         RowInfo info = {1, 0, 1, 2, 3, 4, nullptr, 0};
         return V(QelBox_SetRowInfo(c, &info));
     },
     0, 1, true},
    {"SetCellInfo", QELBOXSTYLE_DROPDOWNLIST, [](HWND) {},
     [](HWND c, std::vector<HWND>*) {
         CellInfo info = Cell(1, 1, 5);
         return V(QelBox_SetCellInfo(c, &info));
     },
     0, 1, true},
    {"SetHeader", QELBOXSTYLE_DROPDOWN, [](HWND c) { QelBox_SetHeader_A(c, 0, "Old"); },
     [](HWND c, std::vector<HWND>*) { return V(QelBox_SetHeader_A(c, 0, "New")); }, 0, 1, true},
    {"SetRowColText", QELBOXSTYLE_DROPDOWN, [](HWND c) { QelBox_SetRowColText_A(c, "Old"); },
     [](HWND c, std::vector<HWND>*) { return V(QelBox_SetRowColText_A(c, "New")); }, 0, 1, true},
    {"SetColumns with header texts", QELBOXSTYLE_DROPDOWN,
     [](HWND c) {
         QelBox_ResetContent(c);
         SetColumns(c, {Column(40, 0, "One"), Column(60, 0, "Two")});
         QelBox_SetHeaderButton(c, 1);
     },
     [](HWND c, std::vector<HWND>*) {
         std::vector<ColumnRecord> next = {Column(10, QELBOX_MULTILINE, "Alpha"), Column(20),
                                           Column(30, 0, "Gamma")};
         next[0].displayPosition = 2;
         next[1].displayPosition = 1;
         return V(SetColumns(c, next));
     },
     0, 3, true},
    {"GetColumns keeps the previous copy", QELBOXSTYLE_DROPDOWN,
     [](HWND c) { QelBox_GetColumns(c, &g_columnsCopy); },
     [](HWND c, std::vector<HWND>*) {
         ColumnRecord* copy = nullptr;
         const int result = QelBox_GetColumns(c, &copy);
         if (!result && (copy || g_columnsCopy[1].width != 50)) return V(-99);
         return V(result);
     },
     0, 1, false},
    {"MoveItem", QELBOXSTYLE_DROPDOWNLIST, [](HWND c) { QelBox_SetRowText_A(c, 1, "head"); },
     [](HWND c, std::vector<HWND>*) { return V(QelBox_MoveItem(c, 1, 0)); }, -1, 3, true},
    {"SortItems", QELBOXSTYLE_DROPDOWNLIST, [](HWND c) { QelBox_SetText_A(c, 0, 0, "Z"); },
     [](HWND c, std::vector<HWND>*) { return V(QelBox_SortItems(c, -1, 0, nullptr)); }, 0, 1, true},
    {"SortItemsFast", QELBOXSTYLE_DROPDOWNLIST, [](HWND c) { QelBox_SetText_A(c, 0, 0, "Z"); },
     [](HWND c, std::vector<HWND>*) { return V(QelBox_SortItemsFast(c, -1, 0, nullptr)); }, 0, 1,
     true},
    {"creating a control", QELBOXSTYLE_DROPDOWN, [](HWND) {},
     [](HWND, std::vector<HWND>* created) {
         HWND control = CreateControl(QELBOXSTYLE_DROPDOWN, 0, 9);
         if (control) created->push_back(control);
         return V(control);
     },
     0, 2, false},
};

TEST_F(ContractTest, OutOfMemoryAtEveryAllocationChangesNothing) {
    for (const SweepCase& sweep : kSweeps) {
        SCOPED_TRACE(sweep.what);
        HWND c = Sample(sweep.type);
        sweep.setup(c);
        ClearNotes();
        const std::string before = Snapshot(c);
        const int live = QelBoxDiag_LiveAllocations();
        int failures = 0;
        for (;; ++failures) {
            ASSERT_LT(failures, 50);
            QelBoxDiag_FailAllocationsAfter(failures);
            const LONG_PTR result = sweep.call(c, &created_);
            QelBoxDiag_FailAllocationsAfter(-1);
            if (result != sweep.failure) break;
            EXPECT_EQ(Snapshot(c), before) << failures;
            EXPECT_EQ(QelBoxDiag_LiveAllocations(), live) << failures;
        }
        EXPECT_GE(failures, sweep.minFailures);
        if (sweep.changes) {
            EXPECT_NE(Snapshot(c), before);
        }
        for (HWND control : created_)
            DestroyWindow(control);
        created_.clear();
        EXPECT_EQ(QelBoxDiag_LiveAllocations(), 0);
    }
}

} // namespace

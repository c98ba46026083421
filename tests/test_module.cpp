// Module start-up: window classes, application registration and hooks;
// creation defaults of the three control types.
#include "harness.h"

namespace {

class ModuleTest : public ControlTest {};

std::vector<int> g_deleted;
void CALLBACK RecordDeletion(HWND, int index, DWORD, DWORD) {
    g_deleted.push_back(index);
}

TEST_F(ModuleTest, LibraryClassesAreRegisteredAtLoad) {
    HINSTANCE module = GetModuleHandleA("qelbox32.dll");
    ASSERT_NE(module, nullptr);
    WNDCLASSA cls;
    ASSERT_TRUE(GetClassInfoA(module, "RqCombo", &cls));
    EXPECT_EQ(cls.style, static_cast<UINT>(CS_DBLCLKS | CS_GLOBALCLASS));
    EXPECT_EQ(cls.cbWndExtra, 4);
    EXPECT_EQ(cls.lpfnWndProc, reinterpret_cast<WNDPROC>(QelBox_WndProc));
    ASSERT_TRUE(GetClassInfoA(module, "QelBoxDropDown", &cls));
    EXPECT_EQ(cls.style, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(cls.cbWndExtra, 4);

    WNDCLASSA edit, superclass;
    ASSERT_TRUE(GetClassInfoA(nullptr, "EDIT", &edit));
    ASSERT_TRUE(GetClassInfoA(module, "QelBoxCtl", &superclass));
    EXPECT_EQ(superclass.cbWndExtra, edit.cbWndExtra + 4);
    EXPECT_EQ(superclass.style, edit.style & ~static_cast<UINT>(CS_GLOBALCLASS));
    EXPECT_EQ(superclass.lpfnWndProc, reinterpret_cast<WNDPROC>(QelCtl_WndProc));
}

TEST_F(ModuleTest, CursorsAreModuleResources) {
    HINSTANCE module = GetModuleHandleA("qelbox32.dll");
    const int ids[] = {32620, 32621, 32623};
    const POINT hotSpots[] = {{15, 15}, {10, 10}, {15, 15}};
    for (int i = 0; i < 3; ++i) {
        HCURSOR cursor = LoadCursorA(module, MAKEINTRESOURCEA(ids[i]));
        ASSERT_NE(cursor, nullptr) << ids[i];
        ICONINFO info;
        ASSERT_TRUE(GetIconInfo(cursor, &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(static_cast<int>(info.xHotspot), hotSpots[i].x) << ids[i];
        EXPECT_EQ(static_cast<int>(info.yHotspot), hotSpots[i].y) << ids[i];
        BITMAP mask;
        ASSERT_TRUE(GetObjectA(info.hbmMask, sizeof(mask), &mask));
        EXPECT_EQ(mask.bmWidth, 32);
        EXPECT_EQ(mask.bmBitsPixel, 1);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
}

TEST_F(ModuleTest, RegisterAppTwiceThenUnregisterOnceRemovesHooks) {
    HINSTANCE app = GetModuleHandleA(nullptr);
    ASSERT_TRUE(QelBox_RegisterApp(app));
    ASSERT_TRUE(QelBox_RegisterApp(app)); // class exists already: still success
    WNDCLASSA cls;
    ASSERT_TRUE(GetClassInfoA(app, "QelBoxControl", &cls));
    EXPECT_EQ(cls.style, static_cast<UINT>(CS_DBLCLKS));

    // A control of the private class works like RqCombo.
    HWND control =
        CreateWindowExA(0, "QelBoxControl", "", WS_CHILD | WS_VISIBLE | QELBOXSTYLE_DROPDOWNLIST, 0,
                        0, 100, 30, TestParent(), reinterpret_cast<HMENU>(7), app, nullptr);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(QelBox_AddString_A(control, "x"), 0);
    DestroyWindow(control);

    QelBox_UnregisterApp(app);
    EXPECT_FALSE(GetClassInfoA(app, "QelBoxControl", &cls));
    // With the hooks gone a second registration installs them again.
    ASSERT_TRUE(QelBox_RegisterApp(app));
    QelBox_UnregisterApp(app);
}

TEST_F(ModuleTest, MouseHookPassesEverythingWhileNoControlLives) {
    MOUSEHOOKSTRUCT info = {};
    info.hwnd = TestParent();
    // No control exists: the hook only chains on (and never swallows).
    EXPECT_EQ(QelBox_MouseFilterHook(HC_ACTION, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(&info)),
              0);
}

struct Defaults {
    DWORD type;
    int dropped;
    int droppedHeight;
};

class CreationDefaults : public ControlTest, public ::testing::WithParamInterface<Defaults> {};

TEST_P(CreationDefaults, GettersReportTheCreationValues) {
    const Defaults d = GetParam();
    HWND control = Create(d.type, WS_VSCROLL | WS_HSCROLL);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(QelBox_GetDroppedState(control), d.dropped);
    EXPECT_EQ(QelBox_GetCurSel(control), -1);
    EXPECT_EQ(QelBox_GetCount(control), 0);
    EXPECT_EQ(QelBox_GetGridStyle(control), 2);
    EXPECT_EQ(QelBox_GetShowTruncated(control), 1);
    EXPECT_EQ(QelBox_GetCursorSelect(control), 1);
    EXPECT_EQ(QelBox_GetOpenEnded(control), 1);
    EXPECT_EQ(QelBox_GetItemLines(control), 1);
    EXPECT_EQ(QelBox_GetShowRowHeader(control), 3);
    EXPECT_EQ(QelBox_GetHeaderButton(control), -1);
    EXPECT_EQ(QelBox_GetDroppedHeight(control), d.droppedHeight);
    EXPECT_EQ(QelBox_GetDroppedWidth(control), d.type == QELBOXSTYLE_SIMPLE ? -1 : 0);
    EXPECT_EQ(QelBox_GetDropDownPosition(control), 1);
    EXPECT_EQ(QelBox_GetExtendedUI(control), 0);
    EXPECT_EQ(QelBox_GetTopIndex(control), 0);
    EXPECT_EQ(QelBox_GetColumns(control, nullptr), 1);
    EXPECT_EQ(QelBox_GetHorizontalExtent(control), 0);
    EXPECT_EQ(QelBox_GetHorizontalOffset(control), 0);
    EXPECT_EQ(QelBox_GetShowGrid(control), 0);
    EXPECT_EQ(QelBox_GetShow3D(control), 0);
    EXPECT_EQ(QelBox_GetShowTreeLines(control), 0);
    EXPECT_EQ(QelBox_GetSelectionStyle(control), 0);
    EXPECT_EQ(QelBox_GetShowBitmaps(control), 0);
    EXPECT_EQ(QelBox_GetShowLabels(control), 0);

    // The scroll-bar styles moved from the control to its list window.
    LONG style = GetWindowLongA(control, GWL_STYLE);
    EXPECT_EQ(style & (WS_VSCROLL | WS_HSCROLL), 0);
    EXPECT_TRUE(style & WS_VISIBLE);

    // The control's font is the stock GUI font, shared by edit field and
    // headers.
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    EXPECT_EQ(font, GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(QelBox_GetColHeaderFont(control), font);
    EXPECT_EQ(QelBox_GetRowHeaderFont(control), font);
    EXPECT_EQ(QelBox_GetEditCtlFont(control), font);
    EXPECT_NE(GetPropA(control, "QelBox32"), nullptr);

    HWND edit = QelBox_GetHWNDEdit(control);
    if (d.type == QELBOXSTYLE_DROPDOWNLIST) {
        EXPECT_EQ(edit, nullptr);
    } else {
        ASSERT_NE(edit, nullptr);
        char cls[32];
        GetClassNameA(edit, cls, sizeof(cls));
        EXPECT_STREQ(cls, "QelBoxCtl");
        EXPECT_EQ(GetDlgCtrlID(edit), QELBOX_EDIT_ID);
        EXPECT_EQ(GetParent(edit), control);
    }
    HWND list = QelBox_GetHWNDDropDown(control);
    if (d.type == QELBOXSTYLE_SIMPLE) {
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(GetDlgCtrlID(list), QELBOX_LIST_ID);
        EXPECT_EQ(GetParent(list), control);
        // The list carries the vertical bar once the rows do not fit.
        AddRows(control, 40);
        EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
    } else {
        EXPECT_EQ(list, nullptr);
    }

    CtlColors colors;
    QelBox_GetCtlColors(control, &colors);
    EXPECT_EQ(colors.colorBackground, 0x80000005u);
    EXPECT_EQ(colors.colorText, 0x80000008u);
    EXPECT_EQ(colors.colorAltBackground, 0xFFFFFFFFu);
    EXPECT_EQ(colors.colorSelBackground, 0x8000000Du);
    EXPECT_EQ(colors.colorButtonLight, 0x8000000Fu);
    EXPECT_EQ(colors.colorButtonDarkShadow, 0x80000015u);
    EXPECT_EQ(colors.colorTreeLinesDisabled, 0x80000010u);
}

INSTANTIATE_TEST_SUITE_P(Types, CreationDefaults,
                         ::testing::Values(Defaults{QELBOXSTYLE_SIMPLE, 1, -1},
                                           Defaults{QELBOXSTYLE_DROPDOWN, 0, 6},
                                           Defaults{QELBOXSTYLE_DROPDOWNLIST, 0, 6}));

TEST_F(ModuleTest, DestroyingAControlFreesEverythingAndCallsTheDeleteCallback) {
    HWND control = CreateControl(QELBOXSTYLE_DROPDOWN);
    ASSERT_NE(control, nullptr);
    g_deleted.clear();
    DeleteCallbackInfo info = {RecordDeletion, 0};
    QelBox_SetDeleteCallback(control, &info);
    QelBox_AddString_A(control, "a");
    QelBox_AddString_A(control, "b");
    DestroyWindow(control);
    EXPECT_EQ(g_deleted, (std::vector<int>{0, 1}));
    EXPECT_EQ(QelBoxDiag_LiveAllocations(), 0);
}

TEST_F(ModuleTest, ControlInADialogEditorShowsSampleRows) {
    WNDCLASSA cls = {};
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = GetModuleHandleA(nullptr);
    const char* names[] = {"DlgEdit", "dlgedit"};
    const int expected[] = {9, 0};
    for (int i = 0; i < 2; ++i) {
        cls.lpszClassName = names[i];
        RegisterClassA(&cls);
        HWND editor = CreateWindowExA(0, names[i], "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                      nullptr, cls.hInstance, nullptr);
        HWND control = CreateWindowExA(0, "RqCombo", "", WS_CHILD | QELBOXSTYLE_DROPDOWNLIST, 0, 0,
                                       100, 30, editor, nullptr, cls.hInstance, nullptr);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(QelBox_GetCount(control), expected[i]) << names[i];
        if (expected[i]) {
            EXPECT_EQ(Text(control, 0), "Item 1");
            EXPECT_EQ(Text(control, 8), "Item 9");
        }
        DestroyWindow(editor);
        UnregisterClassA(names[i], cls.hInstance); // class names ignore case
    }
    // A control without a parent shows no rows.
    HWND lone = CreateWindowExA(0, "RqCombo", "", WS_POPUP | QELBOXSTYLE_DROPDOWNLIST, 0, 0, 100,
                                30, nullptr, nullptr, cls.hInstance, nullptr);
    ASSERT_NE(lone, nullptr);
    EXPECT_EQ(QelBox_GetCount(lone), 0);
    DestroyWindow(lone);
}

TEST_F(ModuleTest, RecordAllocationFailureFailsWindowCreation) {
    QelBoxDiag_FailAllocationsAfter(0);
    HWND control = CreateControl(QELBOXSTYLE_DROPDOWNLIST);
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_EQ(control, nullptr);
}

} // namespace

// Module start-up: window classes, cursors, application registration;
// creation defaults of the three control types.
#include "harness.h"

namespace {

using ModuleTest = ControlTest;

TEST_F(ModuleTest, ClassesAndCursorsAreRegisteredAtLoad) {
    HINSTANCE module = GetModuleHandleA(QELBOX_TEST_DLL);
    WNDCLASSA cls, edit, superclass;
    ASSERT_TRUE(GetClassInfoA(module, "RqCombo", &cls));
    EXPECT_EQ(cls.style, static_cast<UINT>(CS_DBLCLKS | CS_GLOBALCLASS));
    // One pointer-sized slot for the record: 4 bytes in the 32-bit DLL, 8 in
    // the 64-bit one.
    const int slot = static_cast<int>(sizeof(LONG_PTR));
    EXPECT_EQ(cls.cbWndExtra, slot);
    EXPECT_EQ(cls.lpfnWndProc, reinterpret_cast<WNDPROC>(QelBox_WndProc));
    ASSERT_TRUE(GetClassInfoA(module, "QelBoxDropDown", &cls));
    EXPECT_EQ(cls.style, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(cls.cbWndExtra, slot);
    ASSERT_TRUE(GetClassInfoA(nullptr, "EDIT", &edit) &&
                GetClassInfoA(module, "QelBoxCtl", &superclass));
    EXPECT_EQ(superclass.cbWndExtra, edit.cbWndExtra + slot);
    EXPECT_EQ(superclass.style, edit.style & ~static_cast<UINT>(CS_GLOBALCLASS));
    EXPECT_EQ(superclass.lpfnWndProc, reinterpret_cast<WNDPROC>(QelCtl_WndProc));
    // Three 32 x 32 monochrome cursors with their hot spots.
    const int cursors[][2] = {{32620, 15}, {32621, 10}, {32623, 15}};
    for (const auto& cursor : cursors) {
        SCOPED_TRACE(cursor[0]);
        ICONINFO info;
        HCURSOR handle = LoadCursorA(module, MAKEINTRESOURCEA(cursor[0]));
        ASSERT_TRUE(handle && GetIconInfo(handle, &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(static_cast<int>(info.xHotspot), cursor[1]);
        EXPECT_EQ(static_cast<int>(info.yHotspot), cursor[1]);
        BITMAP mask = {};
        GetObjectA(info.hbmMask, sizeof(mask), &mask);
        EXPECT_EQ(mask.bmWidth, 32);
        EXPECT_EQ(mask.bmBitsPixel, 1);
        DeleteObject(info.hbmMask);
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

TEST_F(ModuleTest, CreationDefaultsOfTheThreeTypes) {
    for (DWORD type : {QELBOXSTYLE_SIMPLE, QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_DROPDOWNLIST}) {
        SCOPED_TRACE(type);
        const bool simple = type == QELBOXSTYLE_SIMPLE;
        HWND c = Create(type, WS_VSCROLL | WS_HSCROLL, static_cast<int>(type) + 1);
        EXPECT_EQ(QelBox_GetDroppedState(c), simple ? 1 : 0);
        EXPECT_EQ(QelBox_GetDroppedHeight(c), simple ? -1 : 6);
        EXPECT_EQ(QelBox_GetDroppedWidth(c), simple ? -1 : 0);
        // Selection, count, grid style, truncation mark, cursor select, open
        // end, item lines, row header, header button, drop position, extended
        // interface, top index, columns, horizontal extent and offset, grid,
        // 3D, tree lines, selection style, bitmaps and labels.
        EXPECT_EQ(
            (std::vector<int>{QelBox_GetCurSel(c),           QelBox_GetCount(c),
                              QelBox_GetGridStyle(c),        QelBox_GetShowTruncated(c),
                              QelBox_GetCursorSelect(c),     QelBox_GetOpenEnded(c),
                              QelBox_GetItemLines(c),        QelBox_GetShowRowHeader(c),
                              QelBox_GetHeaderButton(c),     QelBox_GetDropDownPosition(c),
                              QelBox_GetExtendedUI(c),       QelBox_GetTopIndex(c),
                              QelBox_GetColumns(c, nullptr), QelBox_GetHorizontalExtent(c),
                              QelBox_GetHorizontalOffset(c), QelBox_GetShowGrid(c),
                              QelBox_GetShow3D(c),           QelBox_GetShowTreeLines(c),
                              QelBox_GetSelectionStyle(c),   QelBox_GetShowBitmaps(c),
                              QelBox_GetShowLabels(c)}),
            (std::vector<int>{-1, 0, 2, 1, 1, 1, 1, 3, -1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
        CtlColors k;
        QelBox_GetCtlColors(c, &k);
        EXPECT_EQ((std::vector<QelColorRef>{k.colorBackground, k.colorText, k.colorAltBackground,
                                            k.colorSelBackground, k.colorButtonLight,
                                            k.colorButtonDarkShadow, k.colorTreeLinesDisabled}),
                  (std::vector<QelColorRef>{0x80000005, 0x80000008, 0xFFFFFFFF, 0x8000000D,
                                            0x8000000F, 0x80000015, 0x80000010}));
        // The scroll-bar styles moved from the control to its list window.
        EXPECT_EQ(GetWindowLongA(c, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL | WS_VISIBLE),
                  WS_VISIBLE);
        // The stock GUI font, shared by edit field and headers.
        EXPECT_EQ((std::vector<HGDIOBJ>{reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)),
                                        QelBox_GetColHeaderFont(c), QelBox_GetRowHeaderFont(c),
                                        QelBox_GetEditCtlFont(c)}),
                  std::vector<HGDIOBJ>(4, GetStockObject(DEFAULT_GUI_FONT)));
        EXPECT_NE(GetPropA(c, "QelBox32"), nullptr);

        char cls[32] = "";
        HWND edit = QelBox_GetHWNDEdit(c);
        GetClassNameA(edit, cls, sizeof(cls));
        EXPECT_STREQ(cls, type == QELBOXSTYLE_DROPDOWNLIST ? "" : "QelBoxCtl");
        if (edit) {
            EXPECT_TRUE(GetDlgCtrlID(edit) == QELBOX_EDIT_ID && GetParent(edit) == c);
        }
        HWND list = QelBox_GetHWNDDropDown(c);
        EXPECT_EQ(list != nullptr, simple);
        if (list) {
            EXPECT_TRUE(GetDlgCtrlID(list) == QELBOX_LIST_ID && GetParent(list) == c);
            // The list carries the vertical bar once the rows do not fit.
            AddRows(c, 40);
            EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
        }
    }
    // Creation fails when the control's record cannot be allocated.
    QelBoxDiag_FailAllocationsAfter(0);
    EXPECT_EQ(CreateControl(QELBOXSTYLE_DROPDOWNLIST), nullptr);
}

TEST_F(ModuleTest, ControlInADialogEditorShowsSampleRows) {
    // Nine sample rows under a parent of class "DlgEdit", spelt exactly so;
    // none without a parent.
    HINSTANCE app = GetModuleHandleA(nullptr);
    for (const char* name : {"DlgEdit", "dlgedit", ""}) {
        WNDCLASSA cls = {0, DefWindowProcA, 0, 0, app, nullptr, nullptr, nullptr, nullptr, name};
        HWND editor = nullptr;
        if (*name) {
            RegisterClassA(&cls);
            editor = CreateWindowExA(0, name, "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                     nullptr, app, nullptr);
        }
        HWND control = CreateWindowExA(0, "RqCombo", "",
                                       (editor ? WS_CHILD : WS_POPUP) | QELBOXSTYLE_DROPDOWNLIST, 0,
                                       0, 100, 30, editor, nullptr, app, nullptr);
        ASSERT_NE(control, nullptr) << name;
        const bool sample = editor && name[0] == 'D';
        EXPECT_EQ(QelBox_GetCount(control), sample ? 9 : 0) << name;
        if (sample) {
            EXPECT_EQ(Text(control, 0) + "," + Text(control, 8), "Item 1,Item 9");
        }
        DestroyWindow(editor ? editor : control);
        if (editor) UnregisterClassA(name, app); // class names ignore case
    }
}

} // namespace

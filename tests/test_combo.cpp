// The combo window procedure: focus handling and its notifications, text
// and clipboard messages, sizing, the wheel, and the cancel-mode paths.
#include "harness.h"

#include <algorithm>

namespace {

class ComboTest : public ControlTest {};

TEST_F(ComboTest, FocusToAControlWithEditFieldNotifiesKillThenSet) {
    HWND control = Create(QELBOXSTYLE_DROPDOWN, 0, 5);
    SetFocus(control);
    Pump();
    // The focus moves on to the edit field, so the control window loses it
    // inside its own WM_SETFOCUS.
    EXPECT_EQ(GetFocus(), QelBox_GetHWNDEdit(control));
    EXPECT_CODES(control, QELBOXN_KILLFOCUS, QELBOXN_SETFOCUS);
    for (const Note& note : Notes())
        EXPECT_EQ(note.id, 5);

    ClearNotes();
    SetFocus(TestParent());
    EXPECT_CODES(control, QELBOXN_KILLFOCUS);
}

TEST_F(ComboTest, FocusToADropDownListControlNotifiesSetOnly) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    SetFocus(control);
    EXPECT_EQ(GetFocus(), control);
    EXPECT_CODES(control, QELBOXN_SETFOCUS);
    ClearNotes();
    SetFocus(TestParent());
    EXPECT_CODES(control, QELBOXN_KILLFOCUS);
}

TEST_F(ComboTest, FocusLossClosesTheDropDownWithoutAccepting) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(control, 5);
    QelBox_SetCurSel(control, 1);
    SetFocus(control);
    ASSERT_EQ(QelBox_ShowDropDown(control, TRUE), 1);
    ASSERT_TRUE(QelBox_GetDroppedState(control));
    SendMessageA(control, WM_KEYDOWN, VK_DOWN, 0); // moves and commits
    ClearNotes();
    SetFocus(TestParent());
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_CODES(control, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY, QELBOXN_KILLFOCUS);
    EXPECT_EQ(QelBox_GetCurSel(control), 2);
}

TEST_F(ComboTest, GetTextOfADropDownListControl) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    char buffer[16];
    memset(buffer, 'x', sizeof(buffer));
    // Nothing committed: -1 and an emptied buffer.
    EXPECT_EQ(SendMessageA(control, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer)),
              -1);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0), -1);

    QelBox_AddString_A(control, "A rather long row text");
    QelBox_SetCurSel(control, 0);
    EXPECT_EQ(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0), 22);
    // The copy never passes the caller's buffer.
    memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(SendMessageA(control, WM_GETTEXT, 8, reinterpret_cast<LPARAM>(buffer)), 7);
    EXPECT_STREQ(buffer, "A rathe");
    EXPECT_EQ(buffer[8], 'x');
}

TEST_F(ComboTest, GetAndSetTextGoToTheEditField) {
    HWND control = Create(QELBOXSTYLE_DROPDOWN);
    SetWindowTextA(control, "typed");
    EXPECT_EQ(WindowText(QelBox_GetHWNDEdit(control)), "typed");
    EXPECT_EQ(WindowText(control), "typed");
    EXPECT_EQ(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0), 5);
}

TEST_F(ComboTest, ClearEmptiesBothSelectionsAndNotifies) {
    for (DWORD type : {QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_DROPDOWNLIST}) {
        HWND control = Create(type);
        AddRows(control, 3);
        QelBox_SetCurSel(control, 2);
        ClearNotes();
        SendMessageA(control, WM_CLEAR, 0, 0);
        EXPECT_EQ(QelBox_GetCurSel(control), -1);
        EXPECT_EQ(QelBox_GetTextLength(control, -1, 0), -1);
        EXPECT_CODES(control, QELBOXN_SELCHANGE);
        if (HWND edit = QelBox_GetHWNDEdit(control)) {
            EXPECT_EQ(WindowText(edit), "");
        }
    }
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return "<no clipboard>";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(data))) {
            text = p;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

TEST_F(ComboTest, CopyAndCutOfADropDownListControl) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(control, 3);
    QelBox_SetCurSel(control, 1);
    SendMessageA(control, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(), "Row 1");
    EXPECT_EQ(QelBox_GetCurSel(control), 1);

    QelBox_SetCurSel(control, 2);
    ClearNotes();
    SendMessageA(control, WM_CUT, 0, 0);
    EXPECT_EQ(ClipboardText(), "Row 2");
    EXPECT_EQ(QelBox_GetCurSel(control), -1);
    EXPECT_CODES(control, QELBOXN_SELCHANGE);

    // Without a committed row the clipboard gets an empty text.
    SendMessageA(control, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(), "");
}

TEST_F(ComboTest, SizeNotifiesAlsoWhenMinimized) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    SendMessageA(control, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(10, 10));
    EXPECT_EQ(Codes(control, true), (std::vector<int>{QELBOXN_SIZE}));
    ClearNotes();
    SetWindowPos(control, nullptr, 0, 0, 150, 40, SWP_NOMOVE | SWP_NOZORDER);
    std::vector<int> codes = Codes(control, true);
    EXPECT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), QELBOXN_SIZE);
}

TEST_F(ComboTest, WheelScrollsTheSimpleListAndStopsAtTheEnd) {
    HWND control = Create(QELBOXSTYLE_SIMPLE, 0, 1, 120);
    AddRows(control, 30);
    int shown = QelBox_GetItemsShown(control);
    ASSERT_LT(shown, 30);
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    ClearNotes();
    SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    int expected = std::min(static_cast<int>(lines), 30 - shown);
    EXPECT_EQ(QelBox_GetTopIndex(control), expected);
    EXPECT_CODES(control, QELBOXN_TOPINDEXCHANGE);

    for (int i = 0; i < 40; ++i)
        SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
    EXPECT_EQ(QelBox_GetTopIndex(control), 30 - shown);

    ClearNotes();
    SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_CODES(control); // already at the end: nothing changes
    for (int i = 0; i < 40; ++i)
        SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(QelBox_GetTopIndex(control), 0);
}

TEST_F(ComboTest, WheelOnAnEmptyControlDoesNothing) {
    HWND control = Create(QELBOXSTYLE_SIMPLE);
    SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(QelBox_GetTopIndex(control), 0);
    EXPECT_CODES(control);
}

TEST_F(ComboTest, HidingOrDisablingClosesTheDropDown) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(control, 4);
    SetFocus(control);
    ASSERT_EQ(QelBox_ShowDropDown(control, TRUE), 1);
    ClearNotes();
    SendMessageA(control, WM_ENABLE, FALSE, 0);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_CODES(control, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);

    SetFocus(control);
    ASSERT_EQ(QelBox_ShowDropDown(control, TRUE), 1);
    ShowWindow(control, SW_HIDE);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
}

TEST_F(ComboTest, PrivateCloseMessageCancelsTheDropDown) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(control, 4);
    SetFocus(control);
    QelBox_SetCurSel(control, 0);
    ASSERT_EQ(QelBox_ShowDropDown(control, TRUE), 1);
    ClearNotes();
    PostMessageA(control, QELBOX_WM_CLOSEDROPDOWN, 0, 0);
    Pump();
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_CODES(control, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);
}

TEST_F(ComboTest, MouseHookClosesAnOpenListOnAnOutsideClick) {
    HINSTANCE app = GetModuleHandleA(nullptr);
    ASSERT_TRUE(QelBox_RegisterApp(app));
    HWND control = Create(QELBOXSTYLE_DROPDOWN);
    HWND other = Create(QELBOXSTYLE_DROPDOWNLIST, 0, 2);
    AddRows(control, 4);
    SetFocus(control);
    ASSERT_EQ(QelBox_ShowDropDown(control, TRUE), 1);

    MOUSEHOOKSTRUCT info = {};
    // Clicks on the control, its edit field and its list pass unchanged.
    for (HWND target : {control, QelBox_GetHWNDEdit(control), QelBox_GetHWNDDropDown(control)}) {
        info.hwnd = target;
        EXPECT_EQ(
            QelBox_MouseFilterHook(HC_ACTION, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(&info)), 0);
        Pump();
        EXPECT_TRUE(QelBox_GetDroppedState(control));
    }
    // A click on the title bar of the parent is swallowed and closes the
    // list without accepting.
    ClearNotes();
    info.hwnd = TestParent();
    EXPECT_EQ(QelBox_MouseFilterHook(HC_ACTION, WM_NCLBUTTONDOWN, reinterpret_cast<LPARAM>(&info)),
              1);
    Pump();
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_CODES(control, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);

    // Mouse moves and non-action codes pass.
    info.hwnd = other;
    EXPECT_EQ(QelBox_MouseFilterHook(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&info)), 0);
    QelBox_UnregisterApp(app);
}

TEST_F(ComboTest, MouseHookIgnoresClicksWhileASimpleControlHasTheFocus) {
    HWND control = Create(QELBOXSTYLE_SIMPLE);
    AddRows(control, 4);
    SetFocus(control);
    MOUSEHOOKSTRUCT info = {};
    info.hwnd = TestParent();
    EXPECT_EQ(QelBox_MouseFilterHook(HC_ACTION, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(&info)),
              0);
}

TEST_F(ComboTest, KeyboardHookPostsTheCloseMessageForKeysWithBit28) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    AddRows(control, 4);
    SetFocus(control);
    ASSERT_EQ(QelBox_ShowDropDown(control, TRUE), 1);
    EXPECT_EQ(QelBox_KeyboardFilterHook(HC_ACTION, 'A', 0x00000001), 0);
    Pump();
    EXPECT_TRUE(QelBox_GetDroppedState(control));
    QelBox_KeyboardFilterHook(HC_ACTION, 'A', 0x10000001);
    Pump();
    EXPECT_FALSE(QelBox_GetDroppedState(control));
}

TEST_F(ComboTest, RedrawOffStopsLayoutUntilItIsOnAgain) {
    HWND control = Create(QELBOXSTYLE_SIMPLE, WS_VSCROLL, 1, 120);
    HWND list = QelBox_GetHWNDDropDown(control);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE;
    GetScrollInfo(list, SB_VERT, &info);
    const int emptyMax = info.nMax;
    EXPECT_LT(emptyMax, 49);
    SendMessageA(control, WM_SETREDRAW, FALSE, 0);
    AddRows(control, 50);
    GetScrollInfo(list, SB_VERT, &info);
    EXPECT_EQ(info.nMax, emptyMax); // the scroll bar was not brought up to date
    SendMessageA(control, WM_SETREDRAW, TRUE, 0);
    GetScrollInfo(list, SB_VERT, &info);
    EXPECT_EQ(info.nMax, 49);
}

TEST_F(ComboTest, MessagesBeforeTheRecordExistsReturnZero) {
    // A window with a zero record slot: every message but the two that
    // allocate the record is answered with 0, without default processing.
    WNDCLASSA cls = {};
    cls.lpfnWndProc = DefWindowProcA;
    cls.cbWndExtra = 4;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "QelBoxTestBare";
    RegisterClassA(&cls);
    HWND bare = CreateWindowExA(0, "QelBoxTestBare", "title", WS_CHILD, 0, 0, 10, 10, TestParent(),
                                nullptr, cls.hInstance, nullptr);
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(QelBox_WndProc(bare, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_EQ(QelBox_WndProc(bare, WM_ERASEBKGND, 0, 0), 0);
    EXPECT_EQ(GetWindowLongPtrA(bare, 0), 0);
    DestroyWindow(bare);
}

} // namespace

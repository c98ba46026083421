// The combo window procedure: focus handling and its notifications, text
// and clipboard messages, sizing, the wheel, hooks and the cancel-mode paths.
#include "harness.h"

#include <algorithm>

namespace {

using ComboTest = ControlTest;

TEST_F(ComboTest, FocusNotificationsAndFocusLossClosingWithoutAccepting) {
    // With an edit field the control passes the focus on inside its own
    // WM_SETFOCUS, so it reports losing it first.
    HWND combo = Create(QELBOXSTYLE_DROPDOWN, 0, 5);
    SetFocus(combo);
    EXPECT_EQ(GetFocus(), QelBox_GetHWNDEdit(combo));
    EXPECT_CODES(combo, QELBOXN_KILLFOCUS, QELBOXN_SETFOCUS);
    for (const Note& note : Notes())
        EXPECT_EQ(note.id, 5);
    EXPECT_CODES_AFTER(SetFocus(TestParent()), combo, QELBOXN_KILLFOCUS);

    HWND control = AddRows(Create(QELBOXSTYLE_DROPDOWNLIST, 0, 2), 5);
    QelBox_SetCurSel(control, 1);
    EXPECT_CODES_AFTER(SetFocus(control), control, QELBOXN_SETFOCUS);
    EXPECT_EQ(GetFocus(), control);
    ASSERT_TRUE(Drop(control));
    Key(control, VK_DOWN); // moves and commits
    EXPECT_CODES_AFTER(SetFocus(TestParent()), control, QELBOXN_CLOSEUPCANCEL,
                       QELBOXN_DROPDOWNDESTROY, QELBOXN_KILLFOCUS);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_EQ(QelBox_GetCurSel(control), 2);
}

TEST_F(ComboTest, TextMessages) {
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

    // With an edit field both go to it.
    HWND combo = Create(QELBOXSTYLE_DROPDOWN, 0, 2);
    SetWindowTextA(combo, "typed");
    EXPECT_EQ(WindowText(QelBox_GetHWNDEdit(combo)), "typed");
    EXPECT_EQ(WindowText(combo), "typed");
    EXPECT_EQ(SendMessageA(combo, WM_GETTEXTLENGTH, 0, 0), 5);
}

std::string ClipboardText() {
    std::string text = "<no clipboard>";
    if (!OpenClipboard(nullptr)) return text;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* p = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    text = p ? p : "<no text>";
    if (p) GlobalUnlock(data);
    CloseClipboard();
    return text;
}

TEST_F(ComboTest, ClearCopyAndCut) {
    for (DWORD type : {QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_DROPDOWNLIST}) {
        HWND control = AddRows(Create(type, 0, static_cast<int>(type)), 3);
        QelBox_SetCurSel(control, 2);
        EXPECT_CODES_AFTER(SendMessageA(control, WM_CLEAR, 0, 0), control, QELBOXN_SELCHANGE);
        EXPECT_EQ(QelBox_GetCurSel(control), -1);
        EXPECT_EQ(QelBox_GetTextLength(control, -1, 0), -1);
        if (HWND edit = QelBox_GetHWNDEdit(control)) {
            EXPECT_EQ(WindowText(edit), "");
        }
    }
    // Without an edit field the committed row goes to the clipboard; an
    // empty text without one.
    HWND control = AddRows(Create(QELBOXSTYLE_DROPDOWNLIST, 0, 3), 3);
    QelBox_SetCurSel(control, 1);
    SendMessageA(control, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(), "Row 1");
    EXPECT_EQ(QelBox_GetCurSel(control), 1);
    QelBox_SetCurSel(control, 2);
    EXPECT_CODES_AFTER(SendMessageA(control, WM_CUT, 0, 0), control, QELBOXN_SELCHANGE);
    EXPECT_EQ(ClipboardText(), "Row 2");
    EXPECT_EQ(QelBox_GetCurSel(control), -1);
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
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), QELBOXN_SIZE);
}

TEST_F(ComboTest, WheelScrollsTheSimpleListAndStopsAtTheEnds) {
    HWND control = Create(QELBOXSTYLE_SIMPLE);
    auto wheel = [control](int delta, int times = 1) {
        for (int i = 0; i < times; ++i)
            SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    };
    EXPECT_CODES_AFTER(wheel(-120), control); // empty: nothing happens
    EXPECT_EQ(QelBox_GetTopIndex(control), 0);
    AddRows(control, 30);
    const int shown = QelBox_GetItemsShown(control);
    ASSERT_LT(shown, 30);
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    EXPECT_CODES_AFTER(wheel(-120), control, QELBOXN_TOPINDEXCHANGE);
    EXPECT_EQ(QelBox_GetTopIndex(control), std::min(static_cast<int>(lines), 30 - shown));
    wheel(-240, 40);
    EXPECT_EQ(QelBox_GetTopIndex(control), 30 - shown);
    EXPECT_CODES_AFTER(wheel(-120), control); // already at the end
    wheel(120, 40);
    EXPECT_EQ(QelBox_GetTopIndex(control), 0);
}

TEST_F(ComboTest, CancelPathsCloseTheDropDownWithoutAccepting) {
    HWND control = AddRows(Create(QELBOXSTYLE_DROPDOWNLIST), 4);
    QelBox_SetCurSel(control, 0);
    // The keyboard hook closes only for keys with bit 28 (Alt) set.
    ASSERT_TRUE(Drop(control));
    EXPECT_EQ(QelBox_KeyboardFilterHook(HC_ACTION, 'A', 0x00000001), 0);
    Pump();
    EXPECT_TRUE(QelBox_GetDroppedState(control));
    const std::function<void()> closers[] = {
        [] { QelBox_KeyboardFilterHook(HC_ACTION, 'A', 0x10000001); },
        [control] { PostMessageA(control, QELBOX_WM_CLOSEDROPDOWN, 0, 0); },
        [control] { SendMessageA(control, WM_ENABLE, FALSE, 0); },
    };
    for (const auto& close : closers) {
        ASSERT_TRUE(Drop(control));
        close();
        Pump();
        EXPECT_FALSE(QelBox_GetDroppedState(control));
        EXPECT_CODES(control, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);
    }
    ASSERT_TRUE(Drop(control));
    ShowWindow(control, SW_HIDE);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
}

TEST_F(ComboTest, MouseHookClosesAnOpenListOnAnOutsideClick) {
    MOUSEHOOKSTRUCT info = {};
    auto hook = [&info](HWND target, WPARAM message) {
        info.hwnd = target;
        LRESULT result =
            QelBox_MouseFilterHook(HC_ACTION, message, reinterpret_cast<LPARAM>(&info));
        Pump();
        return result;
    };
    // No control alive, or a simple one focused: everything passes.
    EXPECT_EQ(hook(TestParent(), WM_LBUTTONDOWN), 0);
    SetFocus(AddRows(Create(QELBOXSTYLE_SIMPLE, 0, 3), 4));
    EXPECT_EQ(hook(TestParent(), WM_LBUTTONDOWN), 0);

    HINSTANCE app = GetModuleHandleA(nullptr);
    ASSERT_TRUE(QelBox_RegisterApp(app));
    HWND control = AddRows(Create(QELBOXSTYLE_DROPDOWN), 4);
    HWND other = Create(QELBOXSTYLE_DROPDOWNLIST, 0, 2);
    ASSERT_TRUE(Drop(control));
    // Clicks on the control, its edit field and its list pass unchanged.
    for (HWND target : {control, QelBox_GetHWNDEdit(control), QelBox_GetHWNDDropDown(control)}) {
        EXPECT_EQ(hook(target, WM_LBUTTONDOWN), 0);
        EXPECT_TRUE(QelBox_GetDroppedState(control));
    }
    // A click on the parent's title bar is swallowed and cancels the list.
    EXPECT_EQ(hook(TestParent(), WM_NCLBUTTONDOWN), 1);
    EXPECT_FALSE(QelBox_GetDroppedState(control));
    EXPECT_CODES(control, QELBOXN_CLOSEUPCANCEL, QELBOXN_DROPDOWNDESTROY);
    EXPECT_EQ(hook(other, WM_MOUSEMOVE), 0);
    QelBox_UnregisterApp(app);
}

TEST_F(ComboTest, RedrawOffStopsLayoutUntilItIsOnAgain) {
    HWND control = Create(QELBOXSTYLE_SIMPLE, WS_VSCROLL);
    HWND list = QelBox_GetHWNDDropDown(control);
    int low, high, empty;
    GetScrollRange(list, SB_VERT, &low, &empty);
    EXPECT_LT(empty, 49);
    SendMessageA(control, WM_SETREDRAW, FALSE, 0);
    AddRows(control, 50);
    GetScrollRange(list, SB_VERT, &low, &high);
    EXPECT_EQ(high, empty);
    SendMessageA(control, WM_SETREDRAW, TRUE, 0);
    GetScrollRange(list, SB_VERT, &low, &high);
    EXPECT_EQ(high, 49);
}

TEST_F(ComboTest, MessagesBeforeTheRecordExistsReturnZero) {
    // A window with a zero record slot: every message but the two that
    // allocate the record is answered with 0, without default processing.
    HINSTANCE app = GetModuleHandleA(nullptr);
    WNDCLASSA cls = {0, DefWindowProcA, 0, 4, app, nullptr, nullptr, nullptr, nullptr, "Bare"};
    RegisterClassA(&cls);
    HWND bare = CreateWindowExA(0, "Bare", "title", WS_CHILD, 0, 0, 10, 10, TestParent(), nullptr,
                                app, nullptr);
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(QelBox_WndProc(bare, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_EQ(QelBox_WndProc(bare, WM_ERASEBKGND, 0, 0), 0);
    EXPECT_EQ(GetWindowLongPtrA(bare, 0), 0);
    DestroyWindow(bare);
}

} // namespace

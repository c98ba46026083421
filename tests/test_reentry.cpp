// The application changes or destroys the control from inside a delete
// callback or a notification, and calls the exports with handles that are
// not a live control of the calling thread. The fixture's teardown checks
// that no memory and no GDI object is left behind. (Draw-info and fetch
// callbacks that strike back are among the hostile calls, test_hostile.cpp.)
#include <string>
#include <vector>

#include "export_calls.h"
#include "harness.h"

namespace {

// What a callback does the first time it runs; it is cleared before it
// runs, so nested calls do not repeat it.
std::function<void(HWND)> g_once;
std::string g_deleted; // " index:data" per delete callback

void RunOnce(HWND control) {
    std::function<void(HWND)> action = std::move(g_once);
    g_once = nullptr;
    if (action) action(control);
}
void CALLBACK OnDelete(HWND control, int index, QelData data, QelData) {
    g_deleted += " " + std::to_string(index) + ":" + std::to_string(data);
    RunOnce(control);
}

// Stored rows "Row i" with item data i.
HWND Fill(HWND control, int n) {
    AddRows(control, n);
    for (int i = 0; i < n; ++i)
        QelBox_SetItemData(control, i, static_cast<QelData>(i));
    return control;
}
void Destroy(HWND control) {
    DestroyWindow(control);
}
void Reset(HWND control) {
    QelBox_ResetContent(control);
}

using ReentryTest = ControlTest;

// Delete callbacks that change the rows or destroy the control while one
// row is being deleted or the list is being cleared.
TEST_F(ReentryTest, DeleteCallbackChangesOrDestroysTheControl) {
    const auto deleteRow1 = [](HWND c) { return QelBox_DeleteString(c, 1); };
    const auto dependents = [](HWND c) { return QelBox_DeleteDependents(c, 0); };
    const auto clear = [](HWND c) { return QelBox_ResetContent(c), 0; };
    const char* const all = " 1:1 0:0 2:2 3:3 4:4";
    const char* const inOrder = " 0:0 1:1 2:2 3:3 4:4";
    const struct {
        const char* name;
        std::function<void(HWND)> inCallback;
        std::function<int(HWND)> call;
        int result;            // of `call`
        const char* texts;     // afterwards; null: the control is gone
        const char* callbacks; // delete callbacks, in order
    } cases[] = {
        {"delete another row", [](HWND c) { QelBox_DeleteString(c, 0); },
         [](HWND c) { return QelBox_DeleteString(c, 2); }, 3, "Row 1,Row 3,Row 4", " 2:2 0:0"},
        {"delete the same row", [](HWND c) { QelBox_DeleteString(c, 2); },
         [](HWND c) { return QelBox_DeleteString(c, 2); }, 4, "Row 0,Row 1,Row 3,Row 4", " 2:2"},
        {"insert before it", [](HWND c) { QelBox_InsertString_A(c, 0, "New"); },
         [](HWND c) { return QelBox_DeleteString(c, 2); }, 5, "New,Row 0,Row 1,Row 3,Row 4",
         " 2:2"},
        {"reset", Reset, deleteRow1, 0, "", all},
        {"reset and add", [](HWND c) { QelBox_ResetContent(c), QelBox_AddString_A(c, "New"); },
         deleteRow1, 1, "New", all},
        {"destroy", Destroy, deleteRow1, -1, nullptr, all},
        {"reset in dependents", Reset, dependents, 0, "", all},
        {"destroy in dependents", Destroy, dependents, -1, nullptr, all},
        {"delete while clearing", [](HWND c) { QelBox_DeleteString(c, 0); }, clear, 0, "", inOrder},
        {"add while clearing", [](HWND c) { QelBox_AddString_A(c, "New"); }, clear, 0, "New",
         inOrder},
        {"reset while clearing", Reset, clear, 0, "", inOrder},
        {"destroy while clearing", Destroy, clear, 0, nullptr, inOrder},
    };
    for (DWORD type : {QELBOXSTYLE_SIMPLE, QELBOXSTYLE_DROPDOWNLIST}) {
        for (const auto& k : cases) {
            SCOPED_TRACE(k.name);
            HWND c = Fill(Create(type), 5);
            DeleteCallbackInfo info = {OnDelete, 0};
            QelBox_SetDeleteCallback(c, &info);
            // Rows 1..4 depend on row 0, for the dependents cases.
            for (int i = 1; i < 5; ++i)
                QelBox_SetItemLevel(c, i, 1);
            QelBox_SetCurSel(c, 3);
            g_deleted.clear();
            g_once = k.inCallback;
            EXPECT_EQ(k.call(c), k.result);
            EXPECT_EQ(g_deleted, k.callbacks);
            EXPECT_EQ(IsWindow(c) != FALSE, k.texts != nullptr);
            if (k.texts && IsWindow(c)) {
                EXPECT_EQ(Texts(c), k.texts);
                PaintNow(c);
            }
            g_once = nullptr;
        }
    }
}

// Notification handlers that destroy the control, or clear it, in the
// middle of a call.
TEST_F(ReentryTest, NotificationHandlersDestroyOrClearTheControl) {
    const auto open = [](HWND c) { return QelBox_ShowDropDown(c, TRUE); };
    const struct {
        const char* name;
        DWORD type;
        int code;
        std::function<int(HWND)> call;
        int result;
        void (*handler)(HWND);
    } cases[] = {
        {"select string", QELBOXSTYLE_DROPDOWN, QELBOXN_SELCHANGE,
         [](HWND c) { return QelBox_SelectStringExact_A(c, -1, 0, "Row 7", FALSE); }, -1, Destroy},
        {"select prefix", QELBOXSTYLE_SIMPLE, QELBOXN_SELCHANGE,
         [](HWND c) { return QelBox_SelectString_A(c, -1, 0, "Row 7", FALSE); }, -1, Destroy},
        {"deeper level", QELBOXSTYLE_SIMPLE, QELBOXN_OVERHEADWIDTHCHANGE,
         [](HWND c) { return QelBox_SetItemLevel(c, 5, 3); }, 0, Destroy},
        {"drop-down", QELBOXSTYLE_DROPDOWNLIST, QELBOXN_DROPDOWN, open, -1, Destroy},
        {"drop-down open", QELBOXSTYLE_DROPDOWNLIST, QELBOXN_DROPDOWNOPEN, open, -1, Destroy},
        {"close-up ok", QELBOXSTYLE_DROPDOWN, QELBOXN_CLOSEUPOK,
         [](HWND c) { return Drop(c), QelBox_SetCurSel(c, 4), Key(c, VK_RETURN), 0; }, 0, Destroy},
        {"drop-down destroy", QELBOXSTYLE_DROPDOWNLIST, QELBOXN_DROPDOWNDESTROY,
         [](HWND c) { return Drop(c), QelBox_ShowDropDown(c, FALSE); }, 1, Destroy},
        {"destroy while dropped", QELBOXSTYLE_DROPDOWN, QELBOXN_DROPDOWNDESTROY,
         [](HWND c) { return Drop(c), DestroyWindow(c), 0; }, 0, Destroy},
        // The list closes before rows change; its handler took the row away.
        {"delete after close-up", QELBOXSTYLE_DROPDOWNLIST, QELBOXN_CLOSEUPCANCEL,
         [](HWND c) { return Drop(c), QelBox_DeleteString(c, 2); }, -1, Reset},
        {"move after close-up", QELBOXSTYLE_DROPDOWN, QELBOXN_CLOSEUPCANCEL,
         [](HWND c) { return Drop(c), QelBox_MoveItem(c, 2, 0); }, -1, Reset},
        {"dependents after close-up", QELBOXSTYLE_DROPDOWNLIST, QELBOXN_DROPDOWNDESTROY,
         [](HWND c) { return Drop(c), QelBox_DeleteDependents(c, 2); }, -1, Reset},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        HWND c = Fill(Create(k.type), 10);
        const int code = k.code;
        const auto handler = k.handler;
        g_onNotify = [c, code, handler](const Note& note) {
            if (note.sender == c && note.code == code && IsWindow(c)) handler(c);
        };
        EXPECT_EQ(k.call(c), k.result);
        g_onNotify = nullptr;
        EXPECT_EQ(IsWindow(c) != FALSE, k.handler == Reset);
        if (IsWindow(c)) {
            EXPECT_EQ(QelBox_GetCount(c), 0);
            PaintNow(c);
        }
        Pump();
    }
}

void CALLBACK OnDrawInfo(HWND control, DrawInfo* info, QelData) {
    if (info->index > 0) RunOnce(control);
}
void CALLBACK OnFetch(HWND control, QelData, int index, ItemRecord** buffer) {
    static ItemRecord row = {0, 0, 0, 0, 0, 0, nullptr, QELBOX_ITEM_ENABLED};
    *buffer = &row;
    if (index > 30) RunOnce(control);
}

// The repaint of a selection change calls the draw-info callback, a count
// change notifies, a page of variable-height rows is fetched (rows below
// 30): what they do to the rows leaves the highlighted and the
// committed row inside the count, and no paint faults.
TEST_F(ReentryTest, SelectionsStayInsideTheCount) {
    const auto select8 = [](HWND c) { QelBox_SetCurSel(c, 8); };
    const auto count3 = [](HWND c) { QelBox_VirtualCount(c, 3); };
    const struct {
        const char* name;
        bool isVirtual;
        std::function<void(HWND)> inCallback, call;
    } cases[] = {
        {"reset while scrolling", false, Reset, select8},
        {"count while scrolling", true, [](HWND c) { QelBox_VirtualCount(c, 20); }, select8},
        {"stored while scrolling", true,
         [](HWND c) { QelBox_VirtualInitialize(c, nullptr, nullptr, 0); }, select8},
        {"select while counting", true, [](HWND c) { QelBox_SetCurSel(c, 7); }, count3},
        {"count while paging", true, nullptr,
         [count3](HWND c) { QelBox_SetCurSel(c, 35), g_once = count3, Key(c, VK_PRIOR); }},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        HWND c = Create(QELBOXSTYLE_SIMPLE, k.isVirtual ? QELBOXSTYLE_VARIABLE : 0);
        QelBox_SetShowTreeLines(c, TRUE);
        if (k.isVirtual)
            QelBox_VirtualInitialize(c, OnFetch, nullptr, 0), QelBox_VirtualCount(c, 40);
        for (int i = 0; i < 40 && !k.isVirtual; ++i)
            QelBox_AddString_A(c, "Row"), QelBox_SetItemLevel(c, i, i > 0);
        DrawInfoCallbackInfo draw = {OnDrawInfo, 0};
        QelBox_SetDrawInfoCallback(c, &draw);
        QelBox_SetCurSel(c, 1);
        PaintNow(c);
        g_onNotify = [](const Note& note) {
            if (note.code == QELBOXN_SELCHANGE) RunOnce(note.sender);
        };
        g_once = k.inCallback;
        k.call(c);
        g_onNotify = nullptr;
        for (int pass = 0; pass < 2; ++pass) {
            const int sel = QelBox_GetCurSel(c);
            EXPECT_LT(sel, QelBox_GetCount(c));
            EXPECT_EQ(QelBox_GetTextLength(c, -1, 0) >= 0, sel >= 0);
            // Rows that come back show where a stale selection was left.
            QelBox_AddString_A(c, "New"), QelBox_VirtualCount(c, 40);
        }
        g_once = nullptr;
    }
}

// Every export refuses handles that are not a live control: it returns its
// failure value, sets the last error and changes nothing.
void ExpectAllRefused(HWND handle, DWORD error, const char* what) {
    for (const ExportCall& call : kExportCalls) {
        SetLastError(0);
        EXPECT_EQ(call.call(handle), call.failure) << call.name << " with " << what;
        EXPECT_EQ(GetLastError(), error) << call.name << " with " << what;
    }
}

TEST_F(ReentryTest, WrongHandlesAreRefused) {
    HWND c = Fill(Create(QELBOXSTYLE_DROPDOWN), 5);
    QelBox_SetCurSel(c, 2);
    HWND simple = Fill(Create(QELBOXSTYLE_SIMPLE), 3);
    HWND button = CreateWindowExA(0, "BUTTON", "b", WS_CHILD, 0, 0, 10, 10, TestParent(), nullptr,
                                  nullptr, nullptr);
    HWND edit = CreateWindowExA(0, "EDIT", "e", WS_CHILD, 0, 0, 10, 10, TestParent(), nullptr,
                                nullptr, nullptr);
    HWND gone = CreateControl(QELBOXSTYLE_DROPDOWNLIST);
    DestroyWindow(gone);
    Drop(c);
    ASSERT_NE(QelBox_GetHWNDEdit(c), nullptr);
    ASSERT_NE(QelBox_GetHWNDDropDown(c), nullptr);
    const std::pair<HWND, const char*> handles[] = {
        {nullptr, "null"},
        {gone, "destroyed control"},
        {button, "button"},
        {edit, "edit"},
        {reinterpret_cast<HWND>(static_cast<INT_PTR>(0x12345)), "garbage"},
        {QelBox_GetHWNDEdit(c), "edit field"},
        {QelBox_GetHWNDDropDown(c), "drop-down list"},
        {QelBox_GetHWNDDropDown(simple), "simple list"},
        {TestParent(), "parent"},
    };
    for (const auto& h : handles)
        ExpectAllRefused(h.first, ERROR_INVALID_WINDOW_HANDLE, h.second);
    EXPECT_EQ(Texts(c), "Row 0,Row 1,Row 2,Row 3,Row 4");
    EXPECT_EQ(Texts(simple), "Row 0,Row 1,Row 2");
    EXPECT_EQ(QelBox_GetCurSel(c), 2);
    EXPECT_EQ(QelBox_GetDroppedState(c), 1);
    DestroyWindow(button);
    DestroyWindow(edit);

    // From another thread a live control is refused as well. The table's
    // calls never wait for this thread, so a plain wait is safe.
    struct Thread {
        static DWORD WINAPI Run(void* control) {
            ExpectAllRefused(static_cast<HWND>(control), ERROR_WINDOW_OF_OTHER_THREAD, "thread");
            return 0;
        }
    };
    HANDLE thread = CreateThread(nullptr, 0, Thread::Run, c, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_EQ(Texts(c), "Row 0,Row 1,Row 2,Row 3,Row 4");

    // The timer procedures ignore windows that are not live controls.
    for (const auto& h : handles) {
        QelBox_VScrollTimerProc(h.first, WM_TIMER, 1, 0);
        QelBox_HeaderScrollTimerProc(h.first, WM_TIMER, 1, 0);
    }
    EXPECT_EQ(QelBox_GetCurSel(simple), -1);
}

// Many controls come and go in one thread: every live one is still
// accepted, every destroyed one refused.
TEST_F(ReentryTest, ManyControlsComeAndGo) {
    std::vector<HWND> controls;
    for (int i = 0; i < 40; ++i)
        controls.push_back(Fill(Create(QELBOXSTYLE_DROPDOWNLIST), static_cast<int>(i % 4)));
    for (size_t step : {3u, 2u, 1u}) {
        for (size_t i = 0; i < controls.size(); i += step)
            DestroyWindow(controls[i]);
        for (size_t i = 0; i < controls.size(); ++i) {
            const bool live = IsWindow(controls[i]) != FALSE;
            EXPECT_EQ(QelBox_GetCount(controls[i]), live ? static_cast<int>(i % 4) : -1) << i;
        }
    }
}

} // namespace

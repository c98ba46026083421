// The application changes or destroys the control from inside a callback or
// a notification, and calls the exports with handles that are not a live
// control of the calling thread. The fixture's teardown checks that no
// memory and no GDI object is left behind.
#include <string>
#include <vector>

#include "export_calls.h"
#include "harness.h"
#include "pixels.h"

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
void CALLBACK OnDrawInfo(HWND control, DrawInfo*, QelData) {
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

// The draw-info callback clears or destroys the control while a row is
// painted.
TEST_F(ReentryTest, DrawInfoCallbackClearsOrDestroys) {
    const std::function<void(HWND)> actions[] = {Reset, [](HWND c) { QelBox_DeleteString(c, 0); },
                                                 Destroy};
    for (DWORD type : {QELBOXSTYLE_SIMPLE, QELBOXSTYLE_DROPDOWNLIST}) {
        for (const auto& action : actions) {
            HWND c = Fill(Create(type), 10);
            QelBox_SetShowTreeLines(c, TRUE);
            QelBox_SetCurSel(c, 2);
            DrawInfoCallbackInfo info = {OnDrawInfo, 0};
            QelBox_SetDrawInfoCallback(c, &info);
            g_once = action;
            PaintNow(c);
            if (IsWindow(c)) Capture(c);
            g_once = nullptr;
        }
    }
}

// Virtual mode: the fetch callback destroys the control, leaves virtual
// mode or sets the count to 0; no row outside the count is fetched.
std::vector<ItemRecord> g_rows;
std::vector<char*> g_cells;
char g_text[] = "Row";
int g_badFetches;

void CALLBACK Fetch(HWND control, QelData, int index, ItemRecord** buffer) {
    if (index < 0 || index >= QelBox_GetCount(control)) ++g_badFetches;
    *buffer = &g_rows[static_cast<size_t>(index) % g_rows.size()];
    RunOnce(control);
}

TEST_F(ReentryTest, FetchCallbackChangesOrDestroys) {
    g_cells.assign(4, g_text);
    g_rows.assign(40, ItemRecord{0, 0, 0, 0, 0, 0, g_cells.data(), QELBOX_ITEM_ENABLED});
    const auto paint = [](HWND c) { return PaintNow(c), 0; };
    const auto find = [](HWND c) { return QelBox_FindStringExact_A(c, -1, 0, "None", TRUE); };
    const struct {
        const char* name;
        std::function<void(HWND)> inFetch;
        std::function<int(HWND)> call;
        int result;
    } cases[] = {
        {"destroy in paint", Destroy, paint, 0},
        {"count 0 in paint", [](HWND c) { QelBox_VirtualCount(c, 0); }, paint, 0},
        {"stored mode in search", [](HWND c) { QelBox_VirtualInitialize(c, nullptr, nullptr, 0); },
         find, -1},
        {"destroy in search", Destroy, find, -1},
        {"count 3 in text", [](HWND c) { QelBox_VirtualCount(c, 3); },
         [](HWND c) { return QelBox_GetTextLength(c, 20, 0); }, 0},
    };
    for (DWORD type : {QELBOXSTYLE_SIMPLE, QELBOXSTYLE_DROPDOWN}) {
        for (const auto& k : cases) {
            SCOPED_TRACE(k.name);
            HWND c = Create(type);
            QelBox_SetShowTreeLines(c, TRUE);
            ASSERT_EQ(QelBox_VirtualInitialize(c, Fetch, nullptr, 0), 1);
            QelBox_VirtualCount(c, 40);
            QelBox_SetCurSel(c, 1);
            g_badFetches = 0;
            g_once = k.inFetch;
            EXPECT_EQ(k.call(c), k.result);
            g_once = nullptr;
            EXPECT_EQ(g_badFetches, 0);
            if (IsWindow(c)) PaintNow(c);
        }
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
    HWND gone = CreateControl(QELBOXSTYLE_DROPDOWNLIST);
    DestroyWindow(gone);
    Drop(c);
    ASSERT_NE(QelBox_GetHWNDEdit(c), nullptr);
    ASSERT_NE(QelBox_GetHWNDDropDown(c), nullptr);
    const std::pair<HWND, const char*> handles[] = {
        {nullptr, "null"},
        {gone, "destroyed control"},
        {button, "button"},
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

} // namespace

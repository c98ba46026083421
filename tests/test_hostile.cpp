// Hostile calls: seeded random calls against controls of all three types,
// in stored and virtual mode, with indexes around and far outside the valid
// range, null and long texts, every export with harmless arguments, and
// callbacks and notification handlers that change or destroy the control at
// random. After every call nothing may have crashed (nor faulted where the
// system swallows the fault, as in painting), no row outside the count may
// have been fetched and the selections lie inside the count; at
// the end the heaps must be intact (and, as after every test, the library
// holds no memory and no GDI object). Wrong handles are in test_reentry.cpp.
//
//   hostile_tests.exe [CALLS [SEED]]     (default 100000 calls, seed 1)
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <random>

#include "export_calls.h"
#include "harness.h"

namespace {

// A seed replays a run exactly.
std::mt19937 g_random;
int Pick(int n) {
    return n > 0 ? static_cast<int>(g_random() % static_cast<unsigned>(n)) : 0;
}
bool Chance(int percent) {
    return Pick(100) < percent;
}

HWND g_control;
int g_armed;   // percent chance that a callback or handler strikes
bool g_struck; // one did during the current call
long g_badFetches;
long g_faults; // access violations in the library, swallowed or not

// The system ends a fault in a paint or another callback from the window
// manager without a crash; every one in the library is counted here.
LONG WINAPI CountFault(EXCEPTION_POINTERS* info) {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<const char*>(info->ExceptionRecord->ExceptionAddress), &module);
    if (info->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION &&
        module == GetModuleHandleA(sizeof(void*) == 8 ? "qelbox64.dll" : "qelbox32.dll"))
        ++g_faults;
    return EXCEPTION_CONTINUE_SEARCH;
}

const int kVirtualRows = 500;
char g_virtualText[kVirtualRows][12];
char* g_virtualCells[kVirtualRows][4];
ItemRecord g_virtualRows[kVirtualRows];

// A hostile action from inside a callback or a notification handler.
void Strike(HWND c) {
    if (!g_armed || !Chance(g_armed) || c != g_control || !IsWindow(c)) return;
    g_struck = true;
    const std::function<void()> strikes[] = {
        [c] { DestroyWindow(c); },
        [c] { QelBox_ResetContent(c); },
        [c] { QelBox_DeleteString(c, Pick(QelBox_GetCount(c) + 2) - 1); },
        [c] { QelBox_AddString_A(c, "strike"); },
        [c] { QelBox_VirtualCount(c, Pick(kVirtualRows)); },
        [c] { QelBox_VirtualInitialize(c, nullptr, nullptr, 0); },
        [c] { QelBox_SetCurSel(c, Pick(QelBox_GetCount(c) + 1) - 1); },
        [c] { QelBox_SetItemLevel(c, Pick(4), Pick(5)); },
        [c] { QelBox_VirtualItemChanged(c, Pick(QelBox_GetCount(c) + 1) - 1); },
    };
    strikes[Pick(9)]();
}

void CALLBACK OnDelete(HWND control, int, QelData, QelData) {
    Strike(control);
}
void CALLBACK OnDrawInfo(HWND control, DrawInfo*, QelData) {
    Strike(control);
}
int CALLBACK OnCompare(HWND control, const char* a, const char* b, QelData, QelData) {
    Strike(control);
    return lstrcmpA(a ? a : "", b ? b : "");
}
void CALLBACK OnFetch(HWND control, QelData, int index, ItemRecord** buffer) {
    if (index < 0 || index >= QelBox_GetCount(control) || index >= kVirtualRows) ++g_badFetches;
    *buffer = &g_virtualRows[(index % kVirtualRows + kVirtualRows) % kVirtualRows];
    Strike(control);
}
void CALLBACK OnRelease(HWND control, QelData, int, ItemRecord*) {
    Strike(control);
}

// Replaces the control by a new one of a random type and mode.
void NewControl() {
    g_armed = 0;
    if (IsWindow(g_control)) DestroyWindow(g_control);
    static const DWORD kTypes[] = {QELBOXSTYLE_SIMPLE, QELBOXSTYLE_DROPDOWN,
                                   QELBOXSTYLE_DROPDOWNLIST};
    DWORD style = WS_VSCROLL | WS_HSCROLL | kTypes[Pick(3)];
    if (Chance(30)) style |= QELBOXSTYLE_VARIABLE;
    g_control = CreateControl(style, 0, 1, 5, 5, 220, 150);
    ASSERT_NE(g_control, nullptr);
    if (Chance(60)) ShowWindow(g_control, SW_HIDE);
    if (Chance(35)) {
        QelBox_VirtualInitialize(g_control, OnFetch, OnRelease, 0);
        QelBox_VirtualCount(g_control, Pick(kVirtualRows));
    }
    DeleteCallbackInfo del = {OnDelete, 0};
    QelBox_SetDeleteCallback(g_control, &del);
    DrawInfoCallbackInfo draw = {OnDrawInfo, 0};
    QelBox_SetDrawInfoCallback(g_control, &draw);
    if (Chance(50)) QelBox_SetShowTreeLines(g_control, TRUE);
}

// A random index around the valid range: a valid one, one just below or
// above, or far outside.
int AnyIndex() {
    const int count = QelBox_GetCount(g_control), kind = Pick(6);
    if (kind == 2) return Chance(50) ? 0x7fffffff : -0x7fffffff - 1;
    return kind == 0 ? -1 - Pick(3) : kind == 1 ? count + Pick(3) : Pick(count);
}

const char* AnyText() {
    static std::string longText(700, 'x');
    static const char* const kTexts[] = {"alpha", "Beta", "", "gamma delta", "Row"};
    if (Chance(5)) return nullptr;
    if (Chance(5)) return longText.c_str();
    return kTexts[Pick(5)];
}

// The calls and how often each comes, per thousand (about). Painting, the
// drop-down and keys cost far more than the others: they come seldom enough
// for a run of 100,000 calls to take seconds.
struct Action {
    int weight;
    const char* name;
    void (*run)(HWND c);
};
const WPARAM kKeys[] = {VK_DOWN, VK_UP, VK_NEXT, VK_PRIOR, VK_RETURN, VK_ESCAPE, VK_F4, VK_HOME};
const Action kActions[] = {
    {100, "selection", [](HWND c) { QelBox_SetCurSel(c, AnyIndex()); }},
    {10, "paint", PaintNow},
    {3, "drop", [](HWND c) { QelBox_ShowDropDown(c, Pick(2)); }},
    {3, "key", [](HWND c) { SendMessageA(c, WM_KEYDOWN, kKeys[Pick(8)], 0); }},
    {70, "rows",
     [](HWND c) { QelBox_GetItemRect(c, AnyIndex(), nullptr), QelBox_SetTopIndex(c, AnyIndex()); }},
    {70, "item data", [](HWND c) { QelBox_SetItemData(c, AnyIndex(), g_random()); }},
    {100, "any export", // font enumeration is slow, and tested elsewhere
     [](HWND c) {
         const ExportCall& call =
             kExportCalls[static_cast<size_t>(Pick(static_cast<int>(kExportCalls.size())))];
         if (strncmp(call.name, "QelBox_Font", 11) != 0) call.call(c);
     }},
    {90, "add",
     [](HWND c) {
         const char* text = AnyText();
         const int at = QelBox_AddString_A(c, text);
         EXPECT_TRUE(at < 0 || g_struck || Text(c, at) == (text ? text : ""));
     }},
    {70, "insert", [](HWND c) { QelBox_InsertString_A(c, AnyIndex(), AnyText()); }},
    {110, "delete", [](HWND c) { QelBox_DeleteString(c, AnyIndex()); }},
    {60, "set text", [](HWND c) { QelBox_SetText_A(c, AnyIndex(), 0, AnyText()); }},
    {6, "reset", [](HWND c) { QelBox_ResetContent(c); }},
    {20, "move", [](HWND c) { QelBox_MoveItem(c, AnyIndex(), AnyIndex()); }},
    {20, "copy", [](HWND c) { QelBox_CopyItem(c, AnyIndex(), AnyIndex()); }},
    {15, "sort", [](HWND c) { QelBox_SortItems(c, -1, 0, Chance(50) ? OnCompare : nullptr); }},
    {20, "dependents", [](HWND c) { QelBox_DeleteDependents(c, AnyIndex()); }},
    {40, "level", [](HWND c) { QelBox_SetItemLevel(c, AnyIndex(), Pick(80) - 5); }},
    {30, "select string",
     [](HWND c) { QelBox_SelectString_A(c, AnyIndex(), Pick(3) - 1, AnyText(), Pick(2)); }},
    {60, "virtual count",
     [](HWND c) { QelBox_VirtualCount(c, Chance(80) ? Pick(kVirtualRows) : -Pick(5)); }},
    {40, "virtual changed", [](HWND c) { QelBox_VirtualItemChanged(c, AnyIndex()); }},
    {40, "find",
     [](HWND c) { QelBox_FindStringExact_A(c, AnyIndex(), Pick(3) - 1, AnyText(), Pick(2)); }},
};

// The process's global flags: 0x30 when the heaps check tails and fill
// freed blocks.
unsigned long GlobalFlags() {
    auto get = reinterpret_cast<ULONG(WINAPI*)()>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetNtGlobalFlags")));
    return get ? get() : 0;
}

bool HeapsValid() {
    HANDLE heaps[64];
    const DWORD n = GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < n && i < 64; ++i)
        if (!HeapValidate(heaps[i], 0, nullptr)) return false;
    return true;
}

using HostileTest = ControlTest;

TEST_F(HostileTest, RandomCallsAndCallbacksThatStrikeBack) {
    const long calls = g_args.size() > 0 ? atol(g_args[0].c_str()) : 100000;
    const unsigned long long seed =
        g_args.size() > 1 ? strtoull(g_args[1].c_str(), nullptr, 10) : 1;
    g_random.seed(static_cast<unsigned>(seed));
    void* faultHandler = AddVectoredExceptionHandler(1, CountFault);
    for (int i = 0; i < kVirtualRows; ++i) {
        wsprintfA(g_virtualText[i], "V%d", i);
        g_virtualCells[i][0] = g_virtualText[i];
        g_virtualRows[i] = ItemRecord{};
        g_virtualRows[i].itemData = static_cast<QelData>(i);
        g_virtualRows[i].cells = i % 7 ? g_virtualCells[i] : nullptr;
        g_virtualRows[i].flags = QELBOX_ITEM_ENABLED | (static_cast<DWORD>(i % 3) << 1);
    }
    int total = 0;
    for (const Action& action : kActions)
        total += action.weight;
    long call = 0, controls = 1;
    const char* name = "start";
    g_crashContext = [&] { return "call " + std::to_string(call) + " (" + name + ")"; };
    g_onNotify = [](const Note& note) { Strike(note.sender); };
    NewControl();
    for (; call < calls && !HasFailure(); ++call) {
        int pick = Pick(total);
        const Action* action = kActions;
        while (pick >= action->weight)
            pick -= action++->weight;
        name = action->name;
        // Callbacks strike back in 3% of the calls, and in 30% of the rare
        // ones (painting, the drop-down, keys).
        g_armed = Chance(action->weight <= 10 ? 30 : 3) ? 1 + Pick(30) : 0;
        g_struck = false;
        action->run(g_control);
        g_armed = 0;
        EXPECT_EQ(g_badFetches, 0)
            << "fetch outside the count at call " << call << " (" << name << ")";
        EXPECT_EQ(g_faults, 0) << "fault at call " << call << " (" << name << ")";
        if (!IsWindow(g_control) || Pick(1000) == 0) {
            NewControl();
            ++controls;
            continue;
        }
        // While the list is closed the committed row is the highlighted one.
        const int count = QelBox_GetCount(g_control), sel = QelBox_GetCurSel(g_control);
        const bool committed = QelBox_GetTextLength(g_control, -1, 0) >= 0;
        EXPECT_TRUE(count >= 0 && sel >= -1 && sel < count &&
                    (QelBox_GetDroppedState(g_control) || committed == (sel >= 0)))
            << "count " << count << ", selection " << sel << ", committed " << committed
            << " at call " << call << " (" << name << ")";
        if (call % 500 == 0) Pump(), ClearNotes();
    }
    g_onNotify = nullptr;
    g_crashContext = nullptr;
    RemoveVectoredExceptionHandler(faultHandler);
    DestroyWindow(g_control);
    Pump();
    EXPECT_TRUE(HeapsValid());
    printf("%ld calls on %ld controls, seed %llu, global flags 0x%lx\n", call, controls, seed,
           GlobalFlags());
}

} // namespace

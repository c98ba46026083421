// Hostile calls: seeded random calls against controls of all three types,
// in stored and virtual mode, with valid and invalid handles, indexes,
// texts and buffers, and callbacks and notification handlers that change or
// destroy the control at random. After every call nothing may have crashed
// and no row outside the count may have been fetched; at intervals the
// control must agree with a simple reference model (count, texts,
// selection). At the end the heaps must be intact and the library must hold
// no memory and no GDI object.
//
//   hostile_tests.exe [CALLS [SEED]]     (default 100000 calls, seed 1)
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "export_calls.h"
#include "qelbox.h"
#include "qelbox_diag.h"

#ifdef _WIN64
#define QELBOX_DLL "qelbox64.dll"
#else
#define QELBOX_DLL "qelbox32.dll"
#endif

namespace {

// Small deterministic generator, so that a seed replays a run exactly.
unsigned long long g_state;
unsigned Next() {
    g_state = g_state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<unsigned>(g_state >> 33);
}
int Pick(int n) {
    return n > 0 ? static_cast<int>(Next() % static_cast<unsigned>(n)) : 0;
}
bool Chance(int percent) {
    return Pick(100) < percent;
}

long g_call;      // number of the call in progress
const char* g_op; // what it is
int g_failures;

void Fail(const char* what, long long got, long long expected) {
    ++g_failures;
    if (g_failures <= 20)
        printf("call %ld (%s): %s: got %lld, expected %lld\n", g_call, g_op, what, got, expected);
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS* info) {
    const char* address = static_cast<const char*>(info->ExceptionRecord->ExceptionAddress);
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       address, &module);
    char name[MAX_PATH] = "?";
    if (module) GetModuleFileNameA(module, name, MAX_PATH);
    printf("CRASH at call %ld (%s): exception 0x%08lx at %s+0x%llx\n", g_call, g_op,
           static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode), name,
           static_cast<unsigned long long>(address - reinterpret_cast<const char*>(module)));
    fflush(stdout);
    ExitProcess(3);
}

// The control under test and what it should hold.
HWND g_parent;
HWND g_control;
bool g_virtual;
std::vector<std::string> g_texts; // stored mode: column 0 of each row
int g_count;                      // virtual mode: the count
int g_sel = -1;
bool g_dirty; // something the model does not follow happened
int g_armed;  // percent chance that a callback or handler strikes

// Virtual rows.
const int kVirtualRows = 500;
char g_virtualText[kVirtualRows][12];
char* g_virtualCells[kVirtualRows][4];
ItemRecord g_virtualRows[kVirtualRows];
long g_badFetches;

// A hostile action from inside a callback or a notification handler.
void Strike(HWND control) {
    if (!g_armed || !Chance(g_armed) || control != g_control || !IsWindow(control)) return;
    g_dirty = true;
    switch (Pick(8)) {
    case 0:
        DestroyWindow(control);
        break;
    case 1:
        QelBox_ResetContent(control);
        break;
    case 2:
        QelBox_DeleteString(control, Pick(QelBox_GetCount(control) + 2) - 1);
        break;
    case 3:
        QelBox_AddString_A(control, "strike");
        break;
    case 4:
        QelBox_VirtualCount(control, Pick(kVirtualRows));
        break;
    case 5:
        QelBox_VirtualInitialize(control, nullptr, nullptr, 0);
        break;
    case 6:
        QelBox_SetCurSel(control, Pick(QelBox_GetCount(control) + 1) - 1);
        break;
    default:
        QelBox_SetItemLevel(control, Pick(4), Pick(5));
        break;
    }
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

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && lParam) Strike(reinterpret_cast<HWND>(lParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Replaces the control by a new one of a random type and mode.
void NewControl() {
    g_armed = 0;
    if (IsWindow(g_control)) DestroyWindow(g_control);
    static const DWORD kTypes[] = {QELBOXSTYLE_SIMPLE, QELBOXSTYLE_DROPDOWN,
                                   QELBOXSTYLE_DROPDOWNLIST};
    DWORD style = WS_CHILD | WS_VSCROLL | WS_HSCROLL | kTypes[Pick(3)];
    if (Chance(40)) style |= WS_VISIBLE;
    if (Chance(30)) style |= QELBOXSTYLE_VARIABLE;
    g_control = CreateWindowExA(0, QELBOX_CLASSNAME, "", style, 5, 5, 220, 150, g_parent,
                                reinterpret_cast<HMENU>(1), nullptr, nullptr);
    if (!g_control) {
        Fail("create", 0, 1);
        ExitProcess(4);
    }
    g_texts.clear();
    g_count = 0;
    g_sel = -1;
    g_dirty = false;
    g_virtual = Chance(35);
    if (g_virtual) {
        QelBox_VirtualInitialize(g_control, OnFetch, OnRelease, 0);
        g_count = Pick(kVirtualRows);
        QelBox_VirtualCount(g_control, g_count);
    }
    DeleteCallbackInfo del = {OnDelete, 0};
    QelBox_SetDeleteCallback(g_control, &del);
    DrawInfoCallbackInfo draw = {OnDrawInfo, 0};
    QelBox_SetDrawInfoCallback(g_control, &draw);
    if (Chance(50)) QelBox_SetShowTreeLines(g_control, TRUE);
}

std::string TextOf(int index) {
    const int length = QelBox_GetTextLength(g_control, index, 0);
    if (length < 0) return "<error>";
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    QelBox_GetText_A(g_control, index, 0, buffer.data());
    return buffer.data();
}

// Brings the model up to date from the control after untracked changes.
void Resync() {
    g_dirty = false;
    // Setting the delete callback is refused in virtual mode only; the
    // random calls may have removed both callbacks.
    DeleteCallbackInfo del = {OnDelete, 0};
    g_virtual = QelBox_SetDeleteCallback(g_control, &del) == 0;
    DrawInfoCallbackInfo draw = {OnDrawInfo, 0};
    QelBox_SetDrawInfoCallback(g_control, &draw);
    // The highlight becomes the committed row too, so that closing the list
    // later does not move it.
    QelBox_SetCurSel(g_control, QelBox_GetCurSel(g_control));
    if (!g_virtual && QelBox_GetCount(g_control) > 300) QelBox_ResetContent(g_control);
    g_texts.clear();
    g_count = QelBox_GetCount(g_control);
    if (!g_virtual)
        for (int i = 0; i < g_count; ++i)
            g_texts.push_back(TextOf(i));
    g_sel = QelBox_GetCurSel(g_control);
}

// The control agrees with the model.
void Check() {
    if (g_dirty || !IsWindow(g_control)) return;
    g_op = "check";
    const int count = QelBox_GetCount(g_control);
    if (g_virtual) {
        if (count != g_count) Fail("virtual count", count, g_count);
    } else {
        if (count != static_cast<int>(g_texts.size()))
            Fail("count", count, static_cast<long long>(g_texts.size()));
        for (int i = 0; i < count && i < static_cast<int>(g_texts.size()); ++i)
            if (TextOf(i) != g_texts[static_cast<size_t>(i)]) Fail("text", i, -1);
    }
    const int sel = QelBox_GetCurSel(g_control);
    if (sel != g_sel) Fail("selection", sel, g_sel);
}

// A random index around the valid range.
int AnyIndex() {
    const int count = QelBox_GetCount(g_control);
    switch (Pick(6)) {
    case 0:
        return -1 - Pick(3);
    case 1:
        return count + Pick(3);
    case 2:
        return Chance(50) ? 0x7fffffff : -0x7fffffff - 1;
    default:
        return count > 0 ? Pick(count) : 0;
    }
}

const char* AnyText() {
    static std::string longText(700, 'x');
    static const char* const kTexts[] = {"alpha", "Beta", "", "gamma delta", "Row"};
    if (Chance(5)) return nullptr;
    if (Chance(5)) return longText.c_str();
    return kTexts[Pick(5)];
}

// An invalid handle of some kind.
HWND BadHandle(HWND destroyed, HWND button) {
    switch (Pick(6)) {
    case 0:
        return nullptr;
    case 1:
        return destroyed;
    case 2:
        return button;
    case 3:
        return reinterpret_cast<HWND>(static_cast<INT_PTR>(0x12345 + Pick(1000) * 4));
    case 4:
        return QelBox_GetHWNDEdit(g_control);
    default:
        return QelBox_GetHWNDDropDown(g_control);
    }
}

void StoredCall() {
    const int count = static_cast<int>(g_texts.size());
    switch (Pick(8)) {
    case 0: {
        g_op = "add";
        const char* text = AnyText();
        const int r = QelBox_AddString_A(g_control, text);
        if (g_dirty) return;
        if (r != count) Fail("add", r, count);
        g_texts.push_back(text ? text : "");
        return;
    }
    case 1: {
        g_op = "insert";
        const int index = AnyIndex();
        const char* text = AnyText();
        const int r = QelBox_InsertString_A(g_control, index, text);
        if (g_dirty) return;
        const int at = index < 0 || index >= count ? count : index;
        if (r != at) Fail("insert", r, at);
        g_texts.insert(g_texts.begin() + at, text ? text : "");
        if (g_sel >= 0 && at <= g_sel) ++g_sel;
        return;
    }
    case 2:
    case 3: {
        g_op = "delete";
        const int index = AnyIndex();
        const int r = QelBox_DeleteString(g_control, index);
        if (g_dirty) return;
        if (index < 0 || index >= count) {
            if (r != -1) Fail("delete refused", r, -1);
            return;
        }
        g_texts.erase(g_texts.begin() + index);
        if (r != count - 1) Fail("delete", r, count - 1);
        if (index == g_sel)
            g_sel = -1;
        else if (index < g_sel)
            --g_sel;
        return;
    }
    case 4: {
        g_op = "set text";
        const int index = AnyIndex();
        const char* text = AnyText();
        const int r = QelBox_SetText_A(g_control, index, 0, text);
        if (g_dirty) return;
        if (r != (index >= 0 && index < count ? 1 : 0)) Fail("set text", r, -1);
        if (r == 1) g_texts[static_cast<size_t>(index)] = text ? text : "";
        return;
    }
    case 5: {
        g_op = "reset";
        if (!Chance(10)) return;
        QelBox_ResetContent(g_control);
        if (g_dirty) return;
        g_texts.clear();
        g_sel = -1;
        return;
    }
    default: {
        g_op = "untracked";
        g_dirty = true;
        switch (Pick(6)) {
        case 0:
            g_op = "move";
            QelBox_MoveItem(g_control, AnyIndex(), AnyIndex());
            break;
        case 1:
            g_op = "copy";
            QelBox_CopyItem(g_control, AnyIndex(), AnyIndex());
            break;
        case 2:
            g_op = "sort";
            QelBox_SortItems(g_control, -1, 0, Chance(50) ? OnCompare : nullptr);
            break;
        case 3:
            g_op = "dependents";
            QelBox_DeleteDependents(g_control, AnyIndex());
            break;
        case 4:
            g_op = "level";
            QelBox_SetItemLevel(g_control, AnyIndex(), Pick(80) - 5);
            break;
        default:
            g_op = "select string";
            QelBox_SelectString_A(g_control, AnyIndex(), Pick(3) - 1, AnyText(), Pick(2));
            break;
        }
        return;
    }
    }
}

void VirtualCall() {
    switch (Pick(4)) {
    case 0: {
        g_op = "virtual count";
        const int n = Chance(80) ? Pick(kVirtualRows) : -Pick(5);
        const int r = QelBox_VirtualCount(g_control, n);
        if (g_dirty) return;
        if (r != (n >= 0 ? 1 : 0)) Fail("virtual count", r, n >= 0);
        if (n >= 0) {
            g_count = n;
            g_sel = -1;
        }
        return;
    }
    case 1: {
        g_op = "virtual changed";
        QelBox_VirtualItemChanged(g_control, AnyIndex());
        return;
    }
    case 2: {
        g_op = "virtual find";
        QelBox_FindStringExact_A(g_control, AnyIndex(), Pick(3) - 1, AnyText(), Pick(2));
        return;
    }
    default: {
        g_op = "virtual text";
        char buffer[16];
        const int index = AnyIndex();
        if (QelBox_GetTextLength(g_control, index, 0) < 16)
            QelBox_GetText_A(g_control, index, 0, buffer);
        return;
    }
    }
}

// Painting, the drop-down and keys cost far more than the other calls: they
// come seldom enough for a run of 100,000 calls to take seconds.
int CallKind() {
    const int r = Pick(100);
    if (r < 8) return 0;                // selection
    if (r < 9) return Pick(3) ? 8 : 1;  // paint
    if (r < 10) return Pick(3) ? 8 : 2; // drop-down
    if (r < 11) return Pick(4) ? 8 : 3; // key
    if (r < 18) return 4;               // rectangles, top index
    if (r < 25) return 5;               // item data
    if (r < 45) return 6;               // bad handle
    if (r < 55) return 7;               // any export, harmless arguments
    return 8;                           // stored or virtual items
}

void CommonCall(HWND destroyed, HWND button) {
    switch (CallKind()) {
    case 0: {
        g_op = "set selection";
        const int index = AnyIndex();
        const int count = QelBox_GetCount(g_control);
        const int r = QelBox_SetCurSel(g_control, index);
        if (g_dirty) return;
        const bool valid = index >= -1 && index < count;
        if (r != (valid ? 0 : -1)) Fail("set selection", r, valid ? 0 : -1);
        if (valid) g_sel = index;
        return;
    }
    case 1: {
        g_op = "paint";
        InvalidateRect(g_control, nullptr, FALSE);
        UpdateWindow(g_control);
        HWND list = QelBox_GetHWNDDropDown(g_control);
        if (list) {
            InvalidateRect(list, nullptr, FALSE);
            UpdateWindow(list);
        }
        return;
    }
    case 2: {
        g_op = "drop";
        g_dirty = true;
        QelBox_ShowDropDown(g_control, Pick(2));
        return;
    }
    case 3: {
        g_op = "key";
        static const WPARAM kKeys[] = {VK_DOWN,   VK_UP, VK_NEXT, VK_PRIOR, VK_RETURN,
                                       VK_ESCAPE, VK_F4, VK_HOME, VK_END};
        g_dirty = true;
        SendMessageA(g_control, WM_KEYDOWN, kKeys[Pick(9)], 0);
        return;
    }
    case 4: {
        g_op = "item rect";
        RECT r;
        QelBox_GetItemRect(g_control, AnyIndex(), Chance(90) ? &r : nullptr);
        QelBox_GetCellRect(g_control, AnyIndex(), Pick(4) - 1);
        QelBox_SetTopIndex(g_control, AnyIndex());
        return;
    }
    case 5: {
        g_op = "item data";
        QelBox_SetItemData(g_control, AnyIndex(), Next());
        QelBox_GetItemData(g_control, AnyIndex());
        QelBox_GetItemStatus(g_control, AnyIndex());
        return;
    }
    case 6: {
        g_op = "bad handle";
        const ExportCall& call = kExportCalls[Pick(static_cast<int>(kExportCallCount))];
        g_op = call.name;
        HWND handle = BadHandle(destroyed, button);
        SetLastError(0);
        const INT_PTR r = call.call(handle);
        if (r != call.failure) Fail("bad handle result", r, call.failure);
        if (GetLastError() != ERROR_INVALID_WINDOW_HANDLE)
            Fail("bad handle error", GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
        return;
    }
    case 7: {
        // An export with fixed harmless arguments on the live control.
        const ExportCall& call = kExportCalls[Pick(static_cast<int>(kExportCallCount))];
        g_op = call.name;
        const std::string name = call.name;
        if (name == "QelBox_Fonts" || name == "QelBox_FontSizes_A" || name == "QelBox_FontStyles_A")
            return; // font enumeration is slow, and tested elsewhere
        g_dirty = true;
        call.call(g_control);
        return;
    }
    default:
        if (g_virtual)
            VirtualCall();
        else
            StoredCall();
        return;
    }
}

// The process's global flags: 0x30 when the heaps check tails and fill
// freed blocks.
unsigned long GlobalFlags() {
    typedef ULONG(WINAPI * GetFlags)();
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    GetFlags get = ntdll ? reinterpret_cast<GetFlags>(reinterpret_cast<void*>(
                               GetProcAddress(ntdll, "RtlGetNtGlobalFlags")))
                         : nullptr;
    return get ? get() : 0;
}

bool HeapsValid() {
    HANDLE heaps[64];
    const DWORD n = GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < n && i < 64; ++i)
        if (!HeapValidate(heaps[i], 0, nullptr)) return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const long calls = argc > 1 ? atol(argv[1]) : 100000;
    g_state = argc > 2 ? strtoull(argv[2], nullptr, 10) : 1;
    SetUnhandledExceptionFilter(OnCrash);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    for (int i = 0; i < kVirtualRows; ++i) {
        wsprintfA(g_virtualText[i], "V%d", i);
        for (int c = 0; c < 4; ++c)
            g_virtualCells[i][c] = c == 0 ? g_virtualText[i] : nullptr;
        g_virtualRows[i] = ItemRecord{static_cast<QelData>(i),
                                      0,
                                      0,
                                      0,
                                      0,
                                      0,
                                      g_virtualCells[i],
                                      QELBOX_ITEM_ENABLED | (static_cast<DWORD>(i % 3) << 1)};
    }
    WNDCLASSA cls = {};
    cls.lpfnWndProc = ParentProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "HostileParent";
    RegisterClassA(&cls);
    g_parent = CreateWindowExA(0, "HostileParent", "hostile", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                               0, 400, 300, nullptr, nullptr, cls.hInstance, nullptr);
    HWND button = CreateWindowExA(0, "BUTTON", "b", WS_CHILD, 300, 5, 20, 20, g_parent, nullptr,
                                  nullptr, nullptr);
    HWND destroyed = CreateWindowExA(0, QELBOX_CLASSNAME, "", WS_CHILD, 0, 0, 50, 50, g_parent,
                                     nullptr, nullptr, nullptr);
    DestroyWindow(destroyed);

    long controls = 0;
    NewControl();
    ++controls;
    for (g_call = 0; g_call < calls; ++g_call) {
        g_armed = Chance(3) ? 1 + Pick(30) : 0;
        CommonCall(destroyed, button);
        g_armed = 0;
        if (g_badFetches) {
            Fail("fetch outside the count", g_badFetches, 0);
            g_badFetches = 0;
        }
        if (!IsWindow(g_control) || Pick(1000) == 0) {
            NewControl();
            ++controls;
            continue;
        }
        if (g_call % 50 == 49) {
            Check();
            Resync();
        }
        if (g_call % 500 == 0) Pump();
    }
    g_op = "end";
    DestroyWindow(g_control);
    DestroyWindow(button);
    DestroyWindow(g_parent);
    Pump();
    if (QelBoxDiag_LiveAllocations() != 0)
        Fail("live allocations", QelBoxDiag_LiveAllocations(), 0);
    if (QelBoxDiag_LiveGdiObjects() != 0) Fail("live GDI objects", QelBoxDiag_LiveGdiObjects(), 0);
    if (!HeapsValid()) Fail("heaps valid", 0, 1);
    printf("%ld calls on %ld controls, seed %llu, global flags 0x%lx: %d failures\n", calls,
           controls, argc > 2 ? strtoull(argv[2], nullptr, 10) : 1ULL, GlobalFlags(), g_failures);
    return g_failures ? 1 : 0;
}

// Library entry point, window-class registration and QelBox_RegisterApp.
#include "base/module.h"
#include "base/liverecords.h"
#include "qelbox.h"

ModuleState g_module;
const char kControlProperty[] = "QelBox32";

WindowsVersion CurrentWindowsVersion() {
    const DWORD version = GetVersion();
    return {LOBYTE(LOWORD(version)), HIBYTE(LOWORD(version)), (version & 0x80000000u) == 0};
}

bool IsWin32sKind() {
    const WindowsVersion version = CurrentWindowsVersion();
    return !version.ntFamily && version.major < 4;
}

namespace {

// Window bytes that hold a control's record pointer: pointer-sized, so 8 in
// the 64-bit library.
const int kRecordSlotBytes = static_cast<int>(sizeof(LONG_PTR));

// Registers a class; a class that already exists counts as registered.
// The classes are Unicode classes, so that their windows receive every
// character the user types and every text in UTF-16.
bool RegisterOrFind(const WNDCLASSW& cls, HINSTANCE lookupInstance, const char* failMessage,
                    int line) {
    if (RegisterClassW(&cls)) return true;
    WNDCLASSW existing;
    if (GetClassInfoW(lookupInstance, cls.lpszClassName, &existing)) return true;
    ReportError("QelBox", line, failMessage);
    return false;
}

WNDCLASSW ComboClass(const wchar_t* name, UINT style, HINSTANCE instance) {
    WNDCLASSW cls = {};
    cls.style = style;
    cls.lpfnWndProc = QelBox_WndProc;
    cls.cbWndExtra = kRecordSlotBytes;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.lpszClassName = name;
    return cls;
}

bool RegisterLibraryClasses() {
    WNDCLASSW combo = ComboClass(QELBOX_CLASSNAMEW, CS_DBLCLKS | CS_GLOBALCLASS, g_module.module);
    if (!RegisterOrFind(combo, nullptr, "RqCombo could not be registered", __LINE__)) return false;

    WNDCLASSW list = {};
    list.style = CS_DBLCLKS;
    list.lpfnWndProc = QelDropDown_WndProc;
    list.cbWndExtra = kRecordSlotBytes;
    list.hInstance = g_module.module;
    list.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    list.lpszClassName = QELBOX_DROPDOWNCLASSNAMEW;
    if (!RegisterOrFind(list, nullptr, "Dropdown window class could not be registered", __LINE__))
        return false;

    // The edit field is a superclass of EDIT that keeps the record pointer
    // after EDIT's own window bytes.
    WNDCLASSW edit;
    if (!GetClassInfoW(nullptr, L"EDIT", &edit)) {
        ReportError("QelBox", __LINE__, "Edit control window class not found");
        return false;
    }
    edit.style &= ~CS_GLOBALCLASS;
    g_module.editWndProc = edit.lpfnWndProc;
    g_module.editExtraOffset = edit.cbWndExtra;
    edit.cbWndExtra += kRecordSlotBytes;
    edit.hInstance = g_module.module;
    edit.lpszClassName = QELBOX_EDITCLASSNAMEW;
    edit.lpfnWndProc = QelCtl_WndProc;
    return RegisterOrFind(edit, nullptr, "Edit control window class could not be registered",
                          __LINE__);
}

// Installs one hook unless it is installed already (count 0 or 1).
bool InstallHook(int type, HOOKPROC proc, HINSTANCE instance, DWORD thread, HHOOK& hook, int& count,
                 const char* failMessage, int line) {
    if (count != 0) return true;
    HHOOK installed = SetWindowsHookExA(type, proc, instance, thread);
    if (!installed) {
        ReportError("QelBox", line, failMessage);
        return false;
    }
    hook = installed;
    count = 1;
    return true;
}

// Installs the mouse and keyboard hooks for `thread` (0 = every thread).
bool InstallHooks(HINSTANCE instance, DWORD thread) {
    return InstallHook(WH_MOUSE, QelBox_MouseFilterHook, instance, thread, g_module.mouseHook,
                       g_module.mouseHookCount, "WH_MOUSE hook cannot be installed\r\n",
                       __LINE__) &&
           InstallHook(WH_KEYBOARD, QelBox_KeyboardFilterHook, instance, thread,
                       g_module.keyboardHook, g_module.keyboardHookCount,
                       "WH_KEYBOARD hook cannot be installed\r\n", __LINE__);
}

void RemoveHook(HHOOK& hook, int& count) {
    if (!hook) return;
    if (count-- == 1) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
}

void RemoveHooks() {
    RemoveHook(g_module.mouseHook, g_module.mouseHookCount);
    RemoveHook(g_module.keyboardHook, g_module.keyboardHookCount);
}

void Detach() {
    if (IsWin32sKind()) RemoveHooks();
    DetachLiveRecords();
    UnregisterClassW(QELBOX_CLASSNAMEW, g_module.module);
    UnregisterClassW(QELBOX_DROPDOWNCLASSNAMEW, g_module.module);
    UnregisterClassW(QELBOX_EDITCLASSNAMEW, g_module.module);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        g_module.module = instance;
        g_module.attached = 1;
        if (!AttachLiveRecords() || !RegisterLibraryClasses() ||
            (IsWin32sKind() && !InstallHooks(instance, 0))) {
            Detach();
            return FALSE;
        }
        return TRUE;
    case DLL_PROCESS_DETACH:
        Detach();
        return TRUE;
    default:
        return TRUE;
    }
}

extern "C" BOOL WINAPI QelBox_RegisterApp(HINSTANCE instance) {
    WNDCLASSW cls = ComboClass(QELBOX_APPCLASSNAMEW, CS_DBLCLKS, instance);
    if (!RegisterOrFind(cls, instance, "RqCombo (private) could not be registered", __LINE__))
        return FALSE;
    if (g_module.attached && IsWin32sKind()) return TRUE;
    return InstallHooks(instance, GetCurrentThreadId()) ? TRUE : FALSE;
}

extern "C" void WINAPI QelBox_UnregisterApp(HINSTANCE instance) {
    UnregisterClassW(QELBOX_APPCLASSNAMEW, instance);
    if (g_module.attached && IsWin32sKind()) return;
    RemoveHooks();
}

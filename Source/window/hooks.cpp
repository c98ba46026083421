// Mouse and keyboard hooks: they close an open drop-down when the user
// clicks or types outside the focused control, by posting the private close
// message to it. They never touch a control record directly.
#include "base/module.h"
#include "base/record.h"
#include "qelbox.h"

namespace {

// The control that owns `window` (or is it): the first window up the parent
// chain that carries the control property; null when there is none.
HWND FindMarkedAncestor(HWND window) {
    for (HWND w = window; w; w = GetParent(w)) {
        if (GetPropA(w, kControlProperty)) return w;
    }
    return nullptr;
}

bool IsSimpleStyle(HWND control) {
    return (GetWindowLongA(control, GWL_STYLE) & QELBOXSTYLE_TYPEMASK) == QELBOXSTYLE_SIMPLE;
}

// Decides whether a button press on `target` lies outside the control that
// has the focus while its list is dropped; if so, asks it to close the list.
bool CloseOnOutsideClick(HWND target) {
    HWND focus = GetFocus();
    if (!focus || focus == target) return false;
    HWND control = FindMarkedAncestor(focus);
    if (!control) return false;
    // Only a live control of ours is asked.
    const ControlRecord* rec = EnterRecord(control);
    if (!rec) return false;
    if (target == control || IsChild(control, target) || target == rec->hwndDropDown ||
        IsSimpleStyle(control))
        return false;
    if (!rec->hwndDropDown) return false;
    PostMessageA(control, QELBOX_WM_CLOSEDROPDOWN, 0, 0);
    return true;
}

bool IsButtonDown(WPARAM message) {
    switch (message) {
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

extern "C" LRESULT WINAPI QelBox_MouseFilterHook(int code, WPARAM message, LPARAM info) {
    if (g_module.liveControls == 0 || code != HC_ACTION)
        return CallNextHookEx(g_module.mouseHook, code, message, info);
    const MOUSEHOOKSTRUCT* mouse = reinterpret_cast<const MOUSEHOOKSTRUCT*>(info);
    if (IsButtonDown(message) && mouse && CloseOnOutsideClick(mouse->hwnd)) return 1;
    return CallNextHookEx(g_module.mouseHook, code, message, info);
}

extern "C" LRESULT WINAPI QelBox_KeyboardFilterHook(int code, WPARAM key, LPARAM data) {
    if (code < 0) return CallNextHookEx(g_module.keyboardHook, code, key, data);
    LRESULT result = CallNextHookEx(g_module.keyboardHook, code, key, data);
    if (data & 0x10000000) {
        HWND control = FindMarkedAncestor(GetFocus());
        const ControlRecord* rec = control ? EnterRecord(control) : nullptr;
        if (rec && !IsSimpleStyle(control) && !(GetWindowLongA(control, GWL_STYLE) & 0x8000) &&
            rec->hwndDropDown)
            PostMessageA(control, QELBOX_WM_CLOSEDROPDOWN, 0, 0);
    }
    return result;
}

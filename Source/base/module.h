// Module-wide state: the library's module handle, the saved EDIT class
// data of the edit superclass, the message hooks and the live-control count.
#pragma once

#include <windows.h>

struct ModuleState {
    HINSTANCE module;
    int attached;
    WNDPROC editWndProc;
    int editExtraOffset;
    HHOOK mouseHook;
    int mouseHookCount;
    HHOOK keyboardHook;
    int keyboardHookCount;
    LONG liveControls;
};

extern ModuleState g_module;

// True on systems of the Win32s kind (top bit of GetVersion set, major
// version below 4), where the hooks are installed system-wide at load time.
// The system's version as GetVersion reports it.
struct WindowsVersion {
    int major;
    int minor;
    bool ntFamily; // false on Windows 95/98/Me and Win32s (the high bit set)
    // True when the version is later than major.minor.
    bool After(int otherMajor, int otherMinor) const {
        return major > otherMajor || (major == otherMajor && minor > otherMinor);
    }
};
WindowsVersion CurrentWindowsVersion();
// Win32s and the like: not NT, below version 4.
bool IsWin32sKind();

// Report routine for registration, hook and child-window failures. It does
// nothing: callers see only the failing result.
void ReportError(const char* file, int line, const char* message);

// Window property that marks every control window; the hooks look for it.
extern const char kControlProperty[];

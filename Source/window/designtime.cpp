// Detection of dialog editors, which get sample rows in new controls.
#include "window/designtime.h"

bool IsInDialogEditor(const ControlRecord* rec) {
    HWND top = rec->hwndControl;
    for (HWND w = GetParent(top); w; w = GetParent(w))
        top = w;
    if (top == rec->hwndControl) return false;
    char name[40];
    if (!GetClassNameA(top, name, sizeof(name))) return false;
    static const char* const kEditors[] = {"DlgEdit", "OrvaneDlgEdit", "RWSWnd"};
    for (const char* editor : kEditors) {
        if (lstrcmpA(name, editor) == 0) return true;
    }
    return false;
}

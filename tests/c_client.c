/* A C program that knows only the public header: it checks that the header
   compiles as C and that a control can be created and used through it. */
#include <stdio.h>

#include "qelbox.h"

static int failures = 0;

static void Check(int condition, const char* what) {
    if (!condition) {
        printf("FAILED: %s\n", what);
        ++failures;
    }
}

int main(void) {
    HINSTANCE instance = GetModuleHandleA(NULL);
    HWND parent = CreateWindowExA(0, "STATIC", "parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                  NULL, NULL, instance, NULL);
    HWND control = CreateWindowExA(0, QELBOX_CLASSNAME, "", WS_CHILD | QELBOXSTYLE_DROPDOWNLIST,
                                   0, 0, 200, 100, parent, (HMENU)1, instance, NULL);
    char buffer[32];
    Check(control != NULL, "create a control");
    Check(QelBox_GetCount(control) == 0, "empty at creation");
    Check(QelBox_AddString_A(control, "first") == 0, "add");
    Check(QelBox_InsertString_A(control, 0, "zeroth") == 0, "insert");
    Check(QelBox_GetText_A(control, 1, 0, buffer) == 5, "text length");
    Check(lstrcmpA(buffer, "first") == 0, "text");
    Check(QelBox_SetCurSel(control, 1) == 0 && QelBox_GetCurSel(control) == 1, "selection");
    Check(sizeof(ItemRecord) == 32 && sizeof(ColumnRecord) == 108 && sizeof(CtlColors) == 148,
          "structure sizes");
    DestroyWindow(parent);
    printf("%d passed, %d failed\n", 8 - failures, failures);
    return failures ? 1 : 0;
}

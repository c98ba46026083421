/* A C program that knows only the public header: it checks that the header
   compiles as C and that a control can be created and used through it, as
   a 32-bit program against qelbox32.dll and as a 64-bit one against
   qelbox64.dll. */
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
    HWND parent = CreateWindowExA(0, "STATIC", "parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, NULL,
                                  NULL, instance, NULL);
    HWND control = CreateWindowExA(0, QELBOX_CLASSNAME, "", WS_CHILD | QELBOXSTYLE_DROPDOWNLIST, 0,
                                   0, 200, 100, parent, (HMENU)1, instance, NULL);
    char buffer[32];
    Check(control != NULL, "create a control");
    Check(QelBox_GetCount(control) == 0, "empty at creation");
    Check(QelBox_AddString_A(control, "first") == 0, "add");
    Check(QelBox_InsertString_A(control, 0, "zeroth") == 0, "insert");
    Check(QelBox_GetText_A(control, 1, 0, buffer) == 5, "text length");
    Check(lstrcmpA(buffer, "first") == 0, "text");
    Check(QelBox_SetCurSel(control, 1) == 0 && QelBox_GetCurSel(control) == 1, "selection");
#ifdef _WIN64
    Check(sizeof(ItemRecord) == 64 && sizeof(ColumnRecord) == 120 && sizeof(CtlColors) == 148,
          "structure sizes");
    /* Item data wide enough for a pointer. */
    {
        const QelData wide = (QelData)0x123456789ABCDEF0ULL;
        Check(QelBox_SetItemData(control, 1, wide) == 0 && QelBox_GetItemData(control, 1) == wide &&
                  QelBox_FindItem(control, 0, wide) == 1,
              "pointer-sized item data");
    }
#else
    Check(sizeof(ItemRecord) == 32 && sizeof(ColumnRecord) == 108 && sizeof(CtlColors) == 148,
          "structure sizes");
    Check(QelBox_SetItemData(control, 1, 0x89ABCDEFUL) == 0 &&
              QelBox_GetItemData(control, 1) == 0x89ABCDEFUL &&
              QelBox_FindItem(control, 0, 0x89ABCDEFUL) == 1,
          "item data");
#endif
    DestroyWindow(parent);
    printf("%d passed, %d failed\n", 9 - failures, failures);
    return failures ? 1 : 0;
}

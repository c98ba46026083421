/* A C program that knows only the public header and the import library: it
   checks that the header compiles as C (C99, pedantic), that the structures
   have their documented sizes, and creates a control of each type, fills it
   and reads it back. It runs as the c_client test and as the program of the
   consumer projects (tests/consumer). Exit status 0 when all is well. */
#include <stdio.h>

#include "qelbox.h"

static int failures = 0;

static void Check(int condition, const char* what, const char* type) {
    if (!condition) {
        printf("FAILED (%s): %s\n", type, what);
        ++failures;
    }
}

int main(void) {
    static const struct {
        DWORD style;
        const char* name;
    } types[] = {{QELBOXSTYLE_SIMPLE, "simple"},
                 {QELBOXSTYLE_DROPDOWN, "drop-down"},
                 {QELBOXSTYLE_DROPDOWNLIST, "drop-down list"}};
    /* Item data wide enough for a pointer. */
    const QelData wide = (QelData)(sizeof(QelData) > 4 ? 0x123456789ABCDEF0ULL : 0x89ABCDEFUL);
    HINSTANCE instance = GetModuleHandleA(NULL);
    HWND parent = CreateWindowExA(0, "STATIC", "client", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, NULL,
                                  NULL, instance, NULL);
    size_t t;
#ifdef _WIN64
    Check(sizeof(ItemRecord) == 64 && sizeof(ColumnRecord) == 120 && sizeof(CtlColors) == 148,
          "structure sizes", "64-bit");
#else
    Check(sizeof(ItemRecord) == 32 && sizeof(ColumnRecord) == 108 && sizeof(CtlColors) == 148,
          "structure sizes", "32-bit");
#endif
    for (t = 0; t < sizeof(types) / sizeof(types[0]); ++t) {
        const char* type = types[t].name;
        ColumnRecord columns[2];
        char buffer[32];
        int folder, file;
        HWND control = CreateWindowExA(0, QELBOX_CLASSNAME, "",
                                       WS_CHILD | WS_VISIBLE | WS_VSCROLL | types[t].style, 10, 10,
                                       300, 200, parent, (HMENU)100, instance, NULL);
        Check(control != NULL, "create", type);
        if (!control) continue;
        Check(QelBox_GetCount(control) == 0, "empty at creation", type);
        QelBox_InitColumnRecord(&columns[0]);
        QelBox_InitColumnRecord(&columns[1]);
        columns[0].width = 150;
        columns[0].headerText = "Name";
        columns[1].width = 80;
        columns[1].headerText = "Size";
        Check(QelBox_SetColumns(control, 2, columns) == 1, "two columns", type);
        Check(QelBox_GetHeader_A(control, 1, buffer, sizeof(buffer)) == 4 &&
                  lstrcmpA(buffer, "Size") == 0,
              "header text", type);
        file = QelBox_AddString_A(control, "Report.txt");
        folder = QelBox_InsertString_A(control, 0, "Documents");
        Check(folder == 0 && file == 0 && QelBox_GetCount(control) == 2, "add and insert", type);
        file = 1;
        Check(QelBox_SetText_A(control, file, 1, "12 KB") == 1, "cell text", type);
        Check(QelBox_SetItemLevel(control, file, 1) == 1 && QelBox_GetParent(control, file) == 0,
              "hierarchy", type);
        Check(QelBox_SetCurSel(control, file) == 0 && QelBox_GetCurSel(control) == file,
              "selection", type);
        Check(QelBox_GetText_A(control, file, 1, buffer) == 5 && lstrcmpA(buffer, "12 KB") == 0,
              "read back", type);
        Check(QelBox_SetItemData(control, file, wide) == 0 &&
                  QelBox_GetItemData(control, file) == wide &&
                  QelBox_FindItem(control, 0, wide) == file,
              "pointer-sized item data", type);
        DestroyWindow(control);
    }
    DestroyWindow(parent);
    printf("QelBox C client (%d-bit): %d failures\n", (int)(sizeof(void*) * 8), failures);
    return failures ? 1 : 0;
}

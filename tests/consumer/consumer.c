/* The program of the consumer projects: it creates a control of each type
   through the public header and the import library, fills it and reads it
   back. Exit status 0 when everything checks out. */
#include <stdio.h>

#include <qelbox.h>

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
    HINSTANCE instance = GetModuleHandleA(NULL);
    HWND parent = CreateWindowExA(0, "STATIC", "consumer", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                  NULL, NULL, instance, NULL);
    size_t t;
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
        folder = QelBox_AddString_A(control, "Documents");
        file = QelBox_AddString_A(control, "Report.txt");
        Check(folder == 0 && file == 1, "add", type);
        Check(QelBox_SetText_A(control, file, 1, "12 KB") == 1, "cell text", type);
        Check(QelBox_SetItemLevel(control, file, 1) == 1 && QelBox_GetParent(control, file) == 0,
              "hierarchy", type);
        Check(QelBox_SetCurSel(control, file) == 0 && QelBox_GetCurSel(control) == file,
              "selection", type);
        Check(QelBox_GetText_A(control, file, 1, buffer) == 5 && lstrcmpA(buffer, "12 KB") == 0,
              "read back", type);
        DestroyWindow(control);
    }
    DestroyWindow(parent);
    printf("QelBox consumer (%d-bit): %d failures\n", (int)(sizeof(void*) * 8), failures);
    return failures ? 1 : 0;
}

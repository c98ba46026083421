// QelBox demo: one control of each type, filled with a multi-column,
// multi-level outline. Run with --screenshot FILE.png to save a picture of
// the window (with one list dropped down) and exit.
#include <windows.h>

#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include <vector>

#include "qelbox.h"
#include "screenshot.h"

namespace {

struct Row {
    int level;
    const wchar_t* name;
    const wchar_t* kind;
    const wchar_t* size;
    const wchar_t* notes;
};

// The rows go in through the UTF-16 functions (QelBox_AddString_W, ...),
// so names in any script show as they are.
const Row kRows[] = {
    {0, L"Cities", L"Folder", L"", L"Names in their own scripts"},
    {1, L"\x0391\x03B8\x03AE\x03BD\x03B1.txt", L"Text", L"2 KB", L"Athens, in Greek"},
    {1, L"\x041C\x043E\x0441\x043A\x0432\x0430.txt", L"Text", L"3 KB", L"Moscow, in Cyrillic"},
    {1, L"\x05D9\x05E8\x05D5\x05E9\x05DC\x05D9\x05DD.txt", L"Text", L"1 KB",
     L"Jerusalem, in Hebrew"},
    {0, L"Projects", L"Folder", L"", L"Everything that is being worked on"},
    {1, L"QelBox", L"Folder", L"", L""},
    {2, L"README.md", L"Text", L"4 KB", L"How to build, test and use the control"},
    {2, L"qelbox.h", L"C header", L"21 KB", L"The public interface"},
    {2, L"Source", L"Folder", L"", L""},
    {3, L"items.cpp", L"C++ source", L"9 KB", L"Adding, inserting and deleting rows"},
    {3, L"layout.cpp", L"C++ source", L"12 KB", L""},
    {1, L"Website", L"Folder", L"", L""},
    {2, L"index.html", L"HTML page", L"3 KB", L"Disabled: not published yet"},
    {0, L"Pictures", L"Folder", L"", L""},
    {1, L"Holiday 2026", L"Folder", L"", L"Two weeks by the sea"},
    {2, L"Beach.jpg", L"JPEG image", L"2.1 MB", L"Cell with its own font and colours"},
    {2, L"Sunset.jpg", L"JPEG image", L"1.8 MB", L""},
    {0, L"Notes.txt", L"Text", L"1 KB", L""},
};

const int kControlIds[] = {201, 202, 203};
HWND g_controls[3];
HBITMAP g_folder;

// A 16x14 folder picture; its top-left pixel colour is drawn transparent.
HBITMAP MakeFolderBitmap() {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 14);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, 16, 14};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &all, magenta);
    HBRUSH tab = CreateSolidBrush(RGB(200, 150, 40));
    RECT tabRect = {1, 1, 7, 4};
    FillRect(dc, &tabRect, tab);
    HBRUSH body = CreateSolidBrush(RGB(240, 200, 80));
    RECT bodyRect = {1, 3, 15, 13};
    FillRect(dc, &bodyRect, body);
    SelectObject(dc, old);
    DeleteObject(magenta);
    DeleteObject(tab);
    DeleteObject(body);
    DeleteDC(dc);
    return bitmap;
}

HFONT g_cellFont;

ColumnRecord MakeColumn(int width, const char* header, DWORD style = 0) {
    ColumnRecord column;
    memset(&column, 0, sizeof(column));
    column.width = width;
    column.colorBackground = column.colorText = QELBOX_COLOR_NONE;
    column.colorSelBackground = column.colorSelText = QELBOX_COLOR_NONE;
    column.headerText = header;
    column.style = style;
    column.headerStyle = style & 3;
    return column;
}

// The simple control shows a wrapped notes column and numbered row
// headers; the other two show a size column, and the drop-down list a grid.
void Fill(HWND control, int which) {
    ColumnRecord columns[3] = {MakeColumn(170, "Name"), MakeColumn(90, "Type"),
                               which == 0 ? MakeColumn(120, "Notes", QELBOX_MULTILINE)
                                          : MakeColumn(80, "Size", QELBOX_ALIGN_RIGHT)};
    columns[1].colorText = RGB(0, 90, 160);
    QelBox_SetColumns(control, 3, columns);
    QelBox_SetShowHeader(control, 1);
    QelBox_SetShowTreeLines(control, TRUE);
    QelBox_SetItemBitmap(control, -1, g_folder);
    if (which == 0) {
        QelBox_SetShowRowHeader(control, 5);
        QelBox_SetItemLines(control, 2);
    }
    if (which == 2) {
        QelBox_SetShowGrid(control, TRUE);
        CtlColors colors;
        QelBox_GetCtlColors(control, &colors);
        colors.colorAltBackground = RGB(244, 247, 252);
        QelBox_SetCtlColors(control, &colors);
    }

    for (const Row& row : kRows) {
        int index = QelBox_AddString_W(control, row.name);
        QelBox_SetText_W(control, index, 1, row.kind);
        QelBox_SetText_W(control, index, 2, which == 0 ? row.notes : row.size);
        QelBox_SetItemLevel(control, index, row.level);
        if (wcscmp(row.kind, L"Folder") == 0) QelBox_SetItemBitmap(control, index, g_folder);
    }
    QelBox_SetItemStatus(control, 12, FALSE);
    CellInfo cell = {};
    cell.version = 1;
    cell.index = 15;
    cell.column = 0;
    cell.colorBackground = RGB(255, 240, 200);
    cell.colorText = RGB(160, 60, 0);
    cell.colorSelBackground = cell.colorSelText = QELBOX_COLOR_NONE;
    cell.font = g_cellFont;
    QelBox_SetCellInfo(control, &cell);
    QelBox_SetDroppedHeight(control, 10);
    QelBox_SetCurSel(control, 7);
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        HINSTANCE instance = reinterpret_cast<CREATESTRUCTA*>(lParam)->hInstance;
        HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        const char* captions[3] = {"Simple", "Drop-down", "Drop-down list"};
        const DWORD types[3] = {QELBOXSTYLE_SIMPLE, QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_DROPDOWNLIST};
        // The simple control on the left; the two drop-down types stacked on
        // the right, the lower one with room below for its open list.
        const int xs[3] = {10, 510, 510};
        const int ys[3] = {30, 30, 110};
        const int heights[3] = {330, 60, 60};
        for (int i = 0; i < 3; ++i) {
            int x = xs[i];
            HWND label = CreateWindowExA(0, "STATIC", captions[i], WS_CHILD | WS_VISIBLE, x,
                                         ys[i] - 20, 200, 16, window, nullptr, instance, nullptr);
            SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
            g_controls[i] = CreateWindowExA(
                WS_EX_CLIENTEDGE, QELBOX_CLASSNAME, "",
                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | types[i] |
                    (i == 0 ? QELBOXSTYLE_VARIABLE : 0),
                x, ys[i], 480, heights[i], window,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlIds[i])), instance, nullptr);
            Fill(g_controls[i], i);
        }
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    char path[MAX_PATH];
    ScreenshotPath(commandLine, path, MAX_PATH);
    QelBox_RegisterApp(instance);
    g_folder = MakeFolderBitmap();
    g_cellFont =
        CreateFontA(-12, 0, 0, 0, FW_BOLD, TRUE, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "DejaVu Sans");

    WNDCLASSA cls = {};
    cls.lpfnWndProc = MainProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = "QelBoxDemo";
    RegisterClassA(&cls);
    HWND window =
        CreateWindowExA(0, "QelBoxDemo", "QelBox demo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20,
                        20, 1010, 420, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, path[0] ? SW_SHOWNORMAL : show);
    UpdateWindow(window);

    int result = 0;
    if (path[0]) {
        PumpFor(500);
        SetFocus(g_controls[2]);
        QelBox_ShowDropDown(g_controls[2], TRUE);
        PumpFor(800);
        result = SaveScreenshot(window, false, std::vector<HWND>(g_controls, g_controls + 3), path)
                     ? 0
                     : 1;
        if (result) fprintf(stderr, "could not write %s\n", path);
        DestroyWindow(window);
    } else {
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    QelBox_UnregisterApp(instance);
    DeleteObject(g_folder);
    DeleteObject(g_cellFont);
    return result;
}

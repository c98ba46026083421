// Benchmark: QelBox against the system's own controls, in one process.
//
//   qelbox_bench [--quick] [--sizes N,N,...] [--sort N] [--check]
//                [--three-columns N]
//
// For each list size it measures adding rows with redraw off, an exact
// search for the last row, painting the visible rows of a flat list and of
// a list whose rows are all children of one parent (top row in the
// middle), deleting all rows, the memory a row costs, and, once, sorting
// siblings, painting a virtual list and a virtual outline (the first paint
// in the middle, a following paint and scrolling), and the cost of the
// handle check every export makes. The system controls are a ComboBox, a ListView in
// report mode, and an owner-data ListView. It prints one table; the ratio
// column is QelBox / system (below 1: QelBox is faster or smaller).
// --check measures the handle check alone.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "qelbox.h"

// The library's file name, under which the program finds it among its modules.
#ifdef _WIN64
#define QELBOX_DLL_FILE_NAME "qelbox64.dll"
#else
#define QELBOX_DLL_FILE_NAME "qelbox32.dll"
#endif

namespace {

HWND g_parent;
int g_listViewFetches; // LVN_GETDISPINFO notifications received
int g_qelFetches;      // virtual-mode fetch callbacks

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PagefileUsage;
}

void RowText(int i, char* text) {
    wsprintfA(text, "Item %07d", i);
}

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        NMLVDISPINFOA* info = reinterpret_cast<NMLVDISPINFOA*>(lParam);
        if (info->hdr.code == LVN_GETDISPINFOA) {
            ++g_listViewFetches;
            if (info->item.mask & LVIF_TEXT) {
                wsprintfA(info->item.pszText, "Item %07d/%d", info->item.iItem,
                          info->item.iSubItem);
            }
            return 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A 32-bit DIB section selected into a memory DC, for painting into.
struct Canvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    Canvas(int width, int height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc, bitmap);
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
};

// Average seconds of one WM_PAINT of `window` into a memory DC, after one
// paint that is not timed; with no repeats, the seconds of that one paint.
double PaintTime(HWND window, int repeats) {
    RECT client;
    GetClientRect(window, &client);
    Canvas canvas(client.right, client.bottom);
    double start = Now();
    SendMessageA(window, WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc), 0);
    GdiFlush();
    if (repeats <= 0) return Now() - start;
    start = Now();
    for (int i = 0; i < repeats; ++i)
        SendMessageA(window, WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc), 0);
    GdiFlush();
    return (Now() - start) / repeats;
}

// Seconds of one WM_PAINT of each of two windows, taken in turns: rounds of
// ten paints of one and then of the other, each figure the average of its
// fastest round. The machine's other work only ever adds time, and taking
// turns gives both windows the same conditions.
void PaintTimes(HWND first, HWND second, double* firstTime, double* secondTime) {
    const int kRounds = 15;
    const int kPaints = 10;
    for (int round = 0; round < kRounds; ++round) {
        const double a = PaintTime(first, kPaints);
        const double b = PaintTime(second, kPaints);
        if (round == 0 || a < *firstTime) *firstTime = a;
        if (round == 0 || b < *secondTime) *secondTime = b;
    }
}

// Average seconds of one call of `f`.
template <typename F> double PerCall(int repeats, F f) {
    const double start = Now();
    for (int i = 0; i < repeats; ++i)
        f(i);
    return (Now() - start) / repeats;
}

struct Row {
    std::string operation;
    std::string size;
    double qelbox;
    double system;
    std::string unit;
    std::string peer;
};
std::vector<Row> g_rows;

void Report(const std::string& operation, long long size, double qelbox, double system,
            const char* unit, const char* peer) {
    char sizeText[32];
    wsprintfA(sizeText, "%I64d", size);
    g_rows.push_back({operation, sizeText, qelbox, system, unit, peer});
}

HWND CreateQelBox(DWORD type, int columns) {
    HWND c = CreateWindowExA(0, QELBOX_CLASSNAME, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | type, 0,
                             0, 640, 480, g_parent, reinterpret_cast<HMENU>(1),
                             GetModuleHandleA(nullptr), nullptr);
    std::vector<ColumnRecord> records(static_cast<size_t>(columns));
    for (ColumnRecord& column : records) {
        memset(&column, 0, sizeof(column));
        column.width = 150;
        column.colorBackground = column.colorText = QELBOX_COLOR_NONE;
        column.colorSelBackground = column.colorSelText = QELBOX_COLOR_NONE;
    }
    QelBox_SetColumns(c, columns, records.data());
    return c;
}

HWND CreateListView(DWORD extraStyle, int columns) {
    HWND view = CreateWindowExA(
        0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOSORTHEADER | extraStyle, 0,
        0, 640, 480, g_parent, reinterpret_cast<HMENU>(2), GetModuleHandleA(nullptr), nullptr);
    for (int i = 0; i < columns; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_WIDTH | LVCF_TEXT;
        column.cx = 150;
        column.pszText = const_cast<char*>("Column");
        SendMessageA(view, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
    return view;
}

// Hit testing, keyboard paging and scrolling in the list of `c`, against
// the same in `view`.
void MeasureNavigation(HWND c, HWND view, int n, const std::string& shape) {
    HWND list = QelBox_GetHWNDDropDown(c);
    POINT inList = {40, 60};
    POINT point = inList;
    MapWindowPoints(list, c, &point, 1);
    const double qelHit = PerCall(1000, [&](int) {
        POINT p = point;
        int area = 0;
        QelBox_CalcIndexFromPoint(c, &p, &area);
    });
    const double viewHit = PerCall(1000, [&](int) {
        LVHITTESTINFO info = {};
        info.pt = inList;
        SendMessageA(view, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    });
    Report("hit test, " + shape, n, qelHit * 1e6, viewHit * 1e6, "us", "ListView owner-data");
    QelBox_SetCurSel(c, n / 2);
    const double qelPage =
        PerCall(10, [&](int i) { SendMessageA(c, WM_KEYDOWN, i % 2 ? VK_PRIOR : VK_NEXT, 0); });
    LVITEMA focus = {};
    focus.stateMask = focus.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageA(view, LVM_SETITEMSTATE, static_cast<WPARAM>(n / 2),
                 reinterpret_cast<LPARAM>(&focus));
    const double viewPage = PerCall(10, [&](int i) {
        SendMessageA(view, WM_KEYDOWN, i % 2 ? VK_PRIOR : VK_NEXT, 0);
        UpdateWindow(view);
    });
    Report("keyboard page down/up, " + shape, n, qelPage * 1e3, viewPage * 1e3, "ms",
           "ListView owner-data");
    const double qelScroll = PerCall(10, [&](int i) {
        SendMessageA(list, WM_VSCROLL, i % 2 ? SB_LINEUP : SB_LINEDOWN, 0);
        UpdateWindow(list);
    });
    const double viewScroll = PerCall(10, [&](int i) {
        SendMessageA(view, WM_VSCROLL, i % 2 ? SB_LINEUP : SB_LINEDOWN, 0);
        UpdateWindow(view);
    });
    Report("scroll one row, " + shape, n, qelScroll * 1e3, viewScroll * 1e3, "ms",
           "ListView owner-data");
}

// The same rows added through the _W functions.
void MeasureThreeColumnsWide(int n, double viewAdd) {
    wchar_t text[32];
    HWND c = CreateQelBox(QELBOXSTYLE_DROPDOWNLIST, 3);
    SendMessageA(c, WM_SETREDRAW, FALSE, 0);
    const double start = Now();
    for (int i = 0; i < n; ++i) {
        wsprintfW(text, L"Item %07d", i);
        const int row = QelBox_AddString_W(c, text);
        QelBox_SetText_W(c, row, 1, L"ab");
        QelBox_SetText_W(c, row, 2, L"cd");
    }
    const double qelAdd = Now() - start;
    DestroyWindow(c);
    Report("add rows, 3 short columns (_W), redraw off", n, qelAdd / n * 1e6, viewAdd / n * 1e6,
           "us/row", "ListView");
}
// Rows of three short cells ("Item 0000001", "ab", "cd") added with redraw
// off through the _A functions, and what such a row costs in memory, against
// a report-mode ListView given the same texts.
void MeasureThreeColumns(int n) {
    char text[32];
    HWND c = CreateQelBox(QELBOXSTYLE_DROPDOWNLIST, 3);
    SendMessageA(c, WM_SETREDRAW, FALSE, 0);
    SIZE_T before = PrivateBytes();
    double start = Now();
    for (int i = 0; i < n; ++i) {
        RowText(i, text);
        const int row = QelBox_AddString_A(c, text);
        QelBox_SetText_A(c, row, 1, "ab");
        QelBox_SetText_A(c, row, 2, "cd");
    }
    const double qelAdd = Now() - start;
    const double qelBytes = static_cast<double>(PrivateBytes() - before) / n;
    DestroyWindow(c);

    HWND view = CreateListView(0, 3);
    SendMessageA(view, WM_SETREDRAW, FALSE, 0);
    before = PrivateBytes();
    start = Now();
    for (int i = 0; i < n; ++i) {
        RowText(i, text);
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = text;
        const int row = static_cast<int>(
            SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        item.iItem = row;
        item.iSubItem = 1;
        item.pszText = const_cast<char*>("ab");
        SendMessageA(view, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 2;
        item.pszText = const_cast<char*>("cd");
        SendMessageA(view, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }
    const double viewAdd = Now() - start;
    const double viewBytes = static_cast<double>(PrivateBytes() - before) / n;
    DestroyWindow(view);
    Report("add rows, 3 short columns (_A), redraw off", n, qelAdd / n * 1e6, viewAdd / n * 1e6,
           "us/row", "ListView");
    Report("memory per row, 3 short columns", n, qelBytes, viewBytes, "bytes", "ListView");
    MeasureThreeColumnsWide(n, viewAdd);
}

void MeasureStoredList(int n) {
    char text[32];
    // Adding rows with redraw off, and the memory they take.
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0,
                                 200, 300, g_parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(combo, WM_SETREDRAW, FALSE, 0);
    SIZE_T before = PrivateBytes();
    double start = Now();
    // The time of the first and of the last tenth of the rows: adding
    // stays O(1) per row when the two are alike.
    const int tenth = n / 10 > 1 ? n / 10 : 1;
    double tenths[2][2] = {};
    for (int i = 0; i < n; ++i) {
        RowText(i, text);
        if (i == 0 || i == n - tenth) tenths[1][i == 0 ? 0 : 1] = Now();
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        if (i == tenth - 1) tenths[1][0] = Now() - tenths[1][0];
    }
    tenths[1][1] = Now() - tenths[1][1];
    const double comboAdd = Now() - start;
    const double comboBytes = static_cast<double>(PrivateBytes() - before) / n;

    HWND c = CreateQelBox(QELBOXSTYLE_SIMPLE, 1);
    SendMessageA(c, WM_SETREDRAW, FALSE, 0);
    before = PrivateBytes();
    start = Now();
    for (int i = 0; i < n; ++i) {
        RowText(i, text);
        if (i == 0 || i == n - tenth) tenths[0][i == 0 ? 0 : 1] = Now();
        QelBox_AddString_A(c, text);
        if (i == tenth - 1) tenths[0][0] = Now() - tenths[0][0];
    }
    tenths[0][1] = Now() - tenths[0][1];
    const double qelAdd = Now() - start;
    const double qelBytes = static_cast<double>(PrivateBytes() - before) / n;
    Report("add rows, 1 column, redraw off", n, qelAdd / n * 1e6, comboAdd / n * 1e6, "us/row",
           "ComboBox");
    Report("memory per row, 1 short column", n, qelBytes, comboBytes, "bytes", "ComboBox");
    Report("add rows: last tenth's time / first tenth's", n, tenths[0][1] / tenths[0][0],
           tenths[1][1] / tenths[1][0], "x", "ComboBox");

    // Exact search for the last row.
    RowText(n - 1, text);
    start = Now();
    QelBox_FindStringExact_A(c, 0, 0, text, FALSE);
    const double qelFind = Now() - start;
    start = Now();
    SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(text));
    Report("exact search, last row", n, (qelFind)*1e3, (Now() - start) * 1e3, "ms", "ComboBox");

    // Painting the visible rows, against an owner-data ListView of as many
    // rows (only the visible rows cost it anything).
    SendMessageA(c, WM_SETREDRAW, TRUE, 0);
    QelBox_SetTopIndex(c, n / 2);
    HWND list = QelBox_GetHWNDDropDown(c);
    HWND view = CreateListView(LVS_OWNERDATA, 1);
    SendMessageA(view, LVM_SETITEMCOUNT, static_cast<WPARAM>(n), 0);
    SendMessageA(view, LVM_ENSUREVISIBLE, static_cast<WPARAM>(n / 2), FALSE);
    double qelPaint = 0;
    double viewPaint = 0;
    PaintTimes(list, view, &qelPaint, &viewPaint);
    Report("paint the visible rows, flat list", n, qelPaint * 1e3, viewPaint * 1e3, "ms",
           "ListView owner-data");
    MeasureNavigation(c, view, n, "flat list");

    // The same rows as the children of row 0, the top row in the middle.
    SendMessageA(c, WM_SETREDRAW, FALSE, 0);
    for (int i = 1; i < n; ++i)
        QelBox_SetItemLevel(c, i, 1);
    QelBox_SetShowTreeLines(c, TRUE);
    SendMessageA(c, WM_SETREDRAW, TRUE, 0);
    QelBox_SetTopIndex(c, n / 2);
    PaintTimes(list, view, &qelPaint, &viewPaint);
    Report("paint, all rows children of one parent, top in the middle", n, qelPaint * 1e3,
           viewPaint * 1e3, "ms", "ListView owner-data");

    MeasureNavigation(c, view, n, "all rows children of one parent");

    // Deep chains: levels 0, 1, ..., 63, 0, 1, ... (every row has up to 63
    // ancestors).
    SendMessageA(c, WM_SETREDRAW, FALSE, 0);
    for (int i = 1; i < n; ++i)
        QelBox_SetItemLevel(c, i, i % 64);
    SendMessageA(c, WM_SETREDRAW, TRUE, 0);
    QelBox_SetTopIndex(c, n / 2);
    PaintTimes(list, view, &qelPaint, &viewPaint);
    Report("paint, chains of levels 0..63, top in the middle", n, qelPaint * 1e3, viewPaint * 1e3,
           "ms", "ListView owner-data");

    // Deleting all rows.
    start = Now();
    QelBox_ResetContent(c);
    const double qelReset = Now() - start;
    start = Now();
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    Report("delete all, 1 column", n, qelReset * 1e3, (Now() - start) * 1e3, "ms", "ComboBox");
    DestroyWindow(view);
    DestroyWindow(c);
    DestroyWindow(combo);
}

std::vector<std::string> g_sortTexts;
int CALLBACK ListViewCompare(LPARAM a, LPARAM b, LPARAM) {
    return CompareStringA(LOCALE_USER_DEFAULT, 0, g_sortTexts[static_cast<size_t>(a)].c_str(), -1,
                          g_sortTexts[static_cast<size_t>(b)].c_str(), -1) -
           2;
}

// Sorts n siblings, each followed by `dependents` rows one level deeper,
// with the default comparison; the ListView sorts as many rows in all.
void MeasureSort(int n, int dependents) {
    const int rows = n * (1 + dependents);
    g_sortTexts.clear();
    unsigned seed = 1;
    for (int i = 0; i < rows; ++i) {
        seed = seed * 1103515245u + 12345u;
        char text[32];
        wsprintfA(text, "Name %08u", seed % 100000000u);
        g_sortTexts.push_back(text);
    }
    HWND c = CreateQelBox(QELBOXSTYLE_DROPDOWNLIST, 1);
    SendMessageA(c, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < rows; ++i) {
        const int index = QelBox_AddString_A(c, g_sortTexts[static_cast<size_t>(i)].c_str());
        if (i % (1 + dependents)) QelBox_SetItemLevel(c, index, 1);
    }
    double start = Now();
    QelBox_SortItems(c, -1, 0, nullptr);
    const double qelSort = Now() - start;

    HWND view = CreateListView(0, 1);
    SendMessageA(view, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < rows; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = i;
        item.pszText = const_cast<char*>(g_sortTexts[static_cast<size_t>(i)].c_str());
        item.lParam = i;
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    start = Now();
    SendMessageA(view, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(ListViewCompare));
    Report(dependents ? "sort siblings with 3 dependents each, default comparison (ListView: as "
                        "many rows in all)"
                      : "sort siblings, default comparison",
           n, qelSort, Now() - start, "s", "ListView");
    DestroyWindow(view);
    DestroyWindow(c);
}

ItemRecord g_virtualRow;
char g_virtualText[32];
char* g_virtualCells[3] = {g_virtualText, g_virtualText, g_virtualText};
void CALLBACK Fetch(HWND, QelData, int index, ItemRecord** buffer) {
    ++g_qelFetches;
    wsprintfA(g_virtualText, "Item %07d", index);
    g_virtualRow.cells = g_virtualCells;
    g_virtualRow.flags = QELBOX_ITEM_ENABLED;
    *buffer = &g_virtualRow;
}

// A row whose cell holds a long text ("..." fitting), and a header strip
// and a column array of many columns.
void MeasureTextsAndColumns(const std::vector<int>& lengths, int columns) {
    HWND c = CreateQelBox(QELBOXSTYLE_SIMPLE, 1);
    HWND list = QelBox_GetHWNDDropDown(c);
    for (int length : lengths) {
        std::string text;
        while (static_cast<int>(text.size()) < length)
            text += "The quick brown fox jumps over the lazy dog. ";
        text.resize(static_cast<size_t>(length));
        QelBox_ResetContent(c);
        QelBox_AddString_A(c, text.c_str());
        Report("paint a row whose cell text is this long, with \"...\"", length,
               PaintTime(list, 3) * 1e3, 0, "ms", "-");
    }
    DestroyWindow(c);

    std::vector<ColumnRecord> records(static_cast<size_t>(columns));
    for (int i = 0; i < columns; ++i) {
        ColumnRecord& column = records[static_cast<size_t>(i)];
        memset(&column, 0, sizeof(column));
        column.width = 40;
        column.colorBackground = column.colorText = QELBOX_COLOR_NONE;
        column.colorSelBackground = column.colorSelText = QELBOX_COLOR_NONE;
        column.displayPosition = columns - 1 - i;
        column.headerText = const_cast<char*>("Header");
    }
    c = CreateWindowExA(0, QELBOX_CLASSNAME, "", WS_CHILD | WS_VISIBLE | QELBOXSTYLE_DROPDOWNLIST,
                        0, 0, 640, 100, g_parent, reinterpret_cast<HMENU>(1),
                        GetModuleHandleA(nullptr), nullptr);
    QelBox_SetShowHeader(c, 1);
    const double start = Now();
    QelBox_SetColumns(c, columns, records.data());
    Report("install columns, display order a permutation", columns, (Now() - start) * 1e3, 0, "ms",
           "-");
    QelBox_SetHorizontalOffset(c, -1);
    Report("paint the header strip, scrolled to the end", columns, PaintTime(c, 3) * 1e3, 0, "ms",
           "-");
    DestroyWindow(c);
}

// A virtual list whose rows after the first are all its children, the top
// row in the middle: the first paint there, which learns the levels up to
// the parent, a following paint, and scrolling by one row.
void CALLBACK FetchChild(HWND, QelData, int index, ItemRecord** buffer) {
    Fetch(nullptr, 0, index, buffer);
    g_virtualRow.flags = QELBOX_ITEM_ENABLED | (index ? 1u << QELBOX_ITEM_LEVELSHIFT : 0u);
}

void MeasureVirtualTree(int n) {
    HWND c = CreateQelBox(QELBOXSTYLE_SIMPLE, 3);
    QelBox_VirtualInitialize(c, FetchChild, nullptr, 0);
    QelBox_VirtualCount(c, n);
    QelBox_SetShowTreeLines(c, TRUE);
    QelBox_SetTopIndex(c, n / 2);
    HWND list = QelBox_GetHWNDDropDown(c);
    const int shown = QelBox_GetItemsShown(c) > 0 ? QelBox_GetItemsShown(c) : 1;
    const std::string shape = "virtual, all rows children of one parent, top in the middle: ";
    g_qelFetches = 0;
    const double first = PaintTime(list, 0);
    Report(shape + "first paint", n, first * 1e3, 0, "ms", "-");
    Report(shape + "first paint, fetches", n, g_qelFetches, 0, "calls", "-");
    g_qelFetches = 0;
    const double again = PaintTime(list, 10); // the first of the 11 paints is not timed
    Report(shape + "following paint", n, again * 1e3, 0, "ms", "-");
    Report(shape + "following paint, fetches per row shown", n, g_qelFetches / 11.0 / shown, 0,
           "calls", "-");
    g_qelFetches = 0;
    const double scroll = PerCall(10, [&](int i) {
        SendMessageA(list, WM_VSCROLL, i % 2 ? SB_LINEUP : SB_LINEDOWN, 0);
        UpdateWindow(list);
    });
    Report(shape + "scroll one row", n, scroll * 1e3, 0, "ms", "-");
    Report(shape + "scroll one row, fetches per row shown", n, g_qelFetches / 10.0 / shown, 0,
           "calls", "-");
    DestroyWindow(c);
}

void MeasureVirtual(int n) {
    HWND c = CreateQelBox(QELBOXSTYLE_SIMPLE, 3);
    QelBox_VirtualInitialize(c, Fetch, nullptr, 0);
    QelBox_VirtualCount(c, n);
    QelBox_SetTopIndex(c, n / 2);
    HWND list = QelBox_GetHWNDDropDown(c);
    PaintTime(list, 1);
    g_qelFetches = 0;
    PaintTime(list, 1); // one warm-up paint and one measured inside
    const int shown = QelBox_GetItemsShown(c);
    const double qelPerRow = g_qelFetches / 2.0 / (shown > 0 ? shown : 1);

    HWND view = CreateListView(LVS_OWNERDATA, 3);
    SendMessageA(view, LVM_SETITEMCOUNT, static_cast<WPARAM>(n), 0);
    SendMessageA(view, LVM_ENSUREVISIBLE, static_cast<WPARAM>(n / 2), FALSE);
    PaintTime(view, 1);
    g_listViewFetches = 0;
    PaintTime(view, 1);
    const int viewShown = static_cast<int>(SendMessageA(view, LVM_GETCOUNTPERPAGE, 0, 0));
    const double viewPerRow = g_listViewFetches / 2.0 / (viewShown > 0 ? viewShown : 1);
    Report("virtual list, fetches per row shown in a paint", n, qelPerRow, viewPerRow, "calls",
           "ListView owner-data (GETDISPINFO)");
    DestroyWindow(view);
    DestroyWindow(c);
}

// The handle check every export makes before it touches anything. The
// cheapest exports (QelBox_GetCount, QelBox_GetCurSel) do nothing but read
// window long 0, check the pointer and return a field, so their time per
// call is the check plus that read. The read alone is timed as well: under
// Wine it is a system call, the bulk of such an export, and an export
// without any check would make it too. The check itself is too small to be
// told apart from the noise of the read by subtraction (separately timed
// loops of the same call differ by up to a fifth here), so it is timed on
// its own when the library is the test build (bin/testing), whose
// QelBoxDiag_RepeatHandleCheck repeats the check's work, apart from the
// read, in a loop inside the library. The loops take turns, round after
// round, and each figure is the best of its rounds, which keeps the load
// of other processes out as far as possible.
volatile LONG_PTR g_sink;

typedef int(WINAPI* RepeatHandleCheckFn)(HWND, int);

void MeasureHandleCheck(int rounds, int repeats) {
    const int rows = 100;
    HWND c = CreateQelBox(QELBOXSTYLE_DROPDOWNLIST, 1);
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0,
                                 200, 300, g_parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    char text[32];
    for (int i = 0; i < rows; ++i) {
        RowText(i, text);
        QelBox_AddString_A(c, text);
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    QelBox_SetCurSel(c, rows / 2);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(rows / 2), 0);
    const RepeatHandleCheckFn repeatCheck =
        reinterpret_cast<RepeatHandleCheckFn>(reinterpret_cast<void (*)()>(GetProcAddress(
            GetModuleHandleA(QELBOX_DLL_FILE_NAME), "QelBoxDiag_RepeatHandleCheck")));

    enum { kGetCount, kGetCurSel, kReadLong, kCheck, kComboCount, kComboCurSel, kLoops };
    double best[kLoops];
    for (double& b : best)
        b = 1e9;
    for (int round = 0; round < rounds; ++round) {
        double t[kLoops] = {
            PerCall(repeats, [&](int) { g_sink = QelBox_GetCount(c); }),
            PerCall(repeats, [&](int) { g_sink = QelBox_GetCurSel(c); }),
            PerCall(repeats, [&](int) { g_sink = GetWindowLongPtrA(c, 0); }),
            0,
            PerCall(repeats / 10, [&](int) { g_sink = SendMessageA(combo, CB_GETCOUNT, 0, 0); }),
            PerCall(repeats / 10, [&](int) { g_sink = SendMessageA(combo, CB_GETCURSEL, 0, 0); }),
        };
        if (repeatCheck) {
            const double start = Now();
            g_sink = repeatCheck(c, repeats * 10);
            t[kCheck] = (Now() - start) / (repeats * 10.0);
        }
        for (int i = 0; i < kLoops; ++i) {
            if (t[i] < best[i]) best[i] = t[i];
        }
    }
    const double cheapest = best[kGetCount] < best[kGetCurSel] ? best[kGetCount] : best[kGetCurSel];
    Report("handle check: QelBox_GetCount, per call", rows, best[kGetCount] * 1e9,
           best[kComboCount] * 1e9, "ns", "ComboBox CB_GETCOUNT");
    Report("handle check: QelBox_GetCurSel, per call", rows, best[kGetCurSel] * 1e9,
           best[kComboCurSel] * 1e9, "ns", "ComboBox CB_GETCURSEL");
    Report("handle check: reading window long 0 (GetWindowLongPtrA), against the cheapest export",
           rows, best[kReadLong] * 1e9, cheapest * 1e9, "ns", "cheapest export");
    if (repeatCheck) {
        Report("handle check: the check alone (test build), against the cheapest export", rows,
               best[kCheck] * 1e9, cheapest * 1e9, "ns", "cheapest export");
    } else {
        Report("handle check: the check alone (test build only: run bin/testing/qelbox_bench)",
               rows, 0, cheapest * 1e9, "ns", "cheapest export");
    }
    DestroyWindow(combo);
    DestroyWindow(c);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes = {10000, 100000, 1000000};
    int sortSize = 10000;
    int virtualSize = 10000000;
    int treeSize = 1000000;
    std::vector<int> textLengths = {2000, 65536, 1 << 20};
    int columnCount = 100000;
    int threeColumnsOnly = 0;
    int checkRounds = 20;
    int checkRepeats = 1000000;
    bool checkOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--quick") == 0) {
            sizes = {2000};
            sortSize = 500;
            virtualSize = 100000;
            treeSize = 20000;
            textLengths = {2000, 65536};
            columnCount = 5000;
            checkRounds = 10;
            checkRepeats = 100000;
        } else if (strcmp(argv[i], "--sizes") == 0 && i + 1 < argc) {
            sizes.clear();
            for (char* p = strtok(argv[++i], ","); p; p = strtok(nullptr, ","))
                sizes.push_back(atoi(p));
        } else if (strcmp(argv[i], "--three-columns") == 0 && i + 1 < argc) {
            threeColumnsOnly = atoi(argv[++i]);
        } else if (strcmp(argv[i], "--check") == 0) {
            checkOnly = true;
        } else if (strcmp(argv[i], "--sort") == 0 && i + 1 < argc) {
            sortSize = atoi(argv[++i]);
        }
    }
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA cls = {};
    cls.lpfnWndProc = ParentProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "QelBoxBench";
    RegisterClassA(&cls);
    g_parent = CreateWindowExA(0, "QelBoxBench", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               700, 560, nullptr, nullptr, cls.hInstance, nullptr);

    if (threeColumnsOnly > 0) {
        // Only the rows of three short columns (adding and memory).
        MeasureThreeColumns(threeColumnsOnly);
    } else if (!checkOnly) {
        for (int n : sizes) {
            MeasureStoredList(n);
            MeasureThreeColumns(n);
        }
        MeasureSort(sortSize, 0);
        MeasureSort(sortSize, 3);
        MeasureVirtual(virtualSize);
        MeasureVirtualTree(treeSize);
        MeasureTextsAndColumns(textLengths, columnCount);
    }
    if (threeColumnsOnly <= 0) MeasureHandleCheck(checkRounds, checkRepeats);

    printf("| operation | rows | QelBox | system control | ratio |\n");
    printf("|---|---:|---:|---:|---:|\n");
    for (const Row& row : g_rows) {
        printf("| %s | %s | %.3g %s | %s %.3g %s | %.2f |\n", row.operation.c_str(),
               row.size.c_str(), row.qelbox, row.unit.c_str(), row.peer.c_str(), row.system,
               row.unit.c_str(), row.system > 0 ? row.qelbox / row.system : 0.0);
    }
    DestroyWindow(g_parent);
    return 0;
}

#include "harness.h"

#include <stdio.h>

std::function<void(const Note&)> g_onNotify;
std::vector<std::string> g_args;
std::function<std::string()> g_crashContext;

namespace {

std::vector<Note> g_notes;
HWND g_parent;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && lParam) {
        Note note = {LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)};
        if (g_onNotify) g_onNotify(note);
        g_notes.push_back(note);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LONG WINAPI CrashFilter(EXCEPTION_POINTERS* info) {
    const char* address = static_cast<const char*>(info->ExceptionRecord->ExceptionAddress);
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       address, &module);
    char name[MAX_PATH] = "?";
    if (module) GetModuleFileNameA(module, name, MAX_PATH);
    fprintf(stderr, "unhandled exception 0x%08lx at %s+0x%llx%s%s\n",
            info->ExceptionRecord->ExceptionCode, name,
            static_cast<unsigned long long>(address - reinterpret_cast<const char*>(module)),
            g_crashContext ? " in " : "", g_crashContext ? g_crashContext().c_str() : "");
    fflush(stderr);
    ExitProcess(3);
}

} // namespace

HWND TestParent() {
    if (g_parent) return g_parent;
    WNDCLASSA cls = {};
    cls.lpfnWndProc = ParentProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = "QelBoxTestParent";
    RegisterClassA(&cls);
    g_parent = CreateWindowExA(0, "QelBoxTestParent", "QelBox tests",
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 800, 600,
                               nullptr, nullptr, cls.hInstance, nullptr);
    SetForegroundWindow(g_parent);
    Pump();
    return g_parent;
}

const std::vector<Note>& Notes() {
    return g_notes;
}

void ClearNotes() {
    g_notes.clear();
}

std::vector<int> Codes(HWND from, bool all) {
    std::vector<int> codes;
    for (const Note& note : g_notes) {
        if (from && note.sender != from) continue;
        if (!all && (note.code == QELBOXN_MOUSEMOVE || note.code == QELBOXN_SIZE ||
                     note.code == QELBOXN_OVERHEADWIDTHCHANGE))
            continue;
        codes.push_back(note.code);
    }
    return codes;
}

int CountCode(HWND control, int code) {
    int n = 0;
    for (int c : Codes(control, true))
        n += c == code;
    return n;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

HWND CreateControl(DWORD type, DWORD extraStyle, int id, int x, int y, int width, int height) {
    return CreateWindowExA(0, QELBOX_CLASSNAME, "",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | type | extraStyle, x, y, width,
                           height, TestParent(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

RECT ClientOf(HWND window) {
    RECT r = {0, 0, 0, 0};
    GetClientRect(window, &r);
    return r;
}

TEXTMETRICA Metrics(HFONT font) {
    TEXTMETRICA tm = {};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return tm;
}

int TextWidth(HFONT font, const char* text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r = {0, 0, 0, 0};
    DrawTextA(dc, text, -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return r.right;
}

ColumnRecord Column(int width, DWORD style, const char* header) {
    ColumnRecord column = {};
    column.width = width;
    column.colorBackground = column.colorText = QELBOX_COLOR_NONE;
    column.colorSelBackground = column.colorSelText = QELBOX_COLOR_NONE;
    column.style = style;
    column.headerText = const_cast<char*>(header);
    return column;
}

CellInfo Cell(int index, int column, QelData data, DWORD version) {
    CellInfo cell = {};
    cell.version = version;
    cell.index = index;
    cell.column = column;
    cell.colorBackground = cell.colorText = QELBOX_COLOR_NONE;
    cell.colorSelBackground = cell.colorSelText = QELBOX_COLOR_NONE;
    cell.cellData = data;
    return cell;
}

int SetColumns(HWND control, const std::vector<ColumnRecord>& columns) {
    return QelBox_SetColumns(control, static_cast<int>(columns.size()), columns.data());
}

int SetColumns(HWND control, std::initializer_list<int> widths, DWORD style) {
    std::vector<ColumnRecord> columns;
    for (int w : widths)
        columns.push_back(Column(w, style));
    return SetColumns(control, columns);
}

ControlTest::~ControlTest() {
    for (HGDIOBJ object : gdi_)
        DeleteObject(object);
}

HBITMAP ControlTest::Bitmap(int width, int height) {
    gdi_.push_back(CreateBitmap(width, height, 1, 1, nullptr));
    return static_cast<HBITMAP>(gdi_.back());
}

HFONT ControlTest::Font(int height) {
    gdi_.push_back(
        CreateFontA(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "DejaVu Sans"));
    return static_cast<HFONT>(gdi_.back());
}

void ControlTest::SetUp() {
    TestParent();
    SetFocus(TestParent());
    g_onNotify = nullptr;
    QelBoxDiag_FailAllocationsAfter(-1);
    Pump();
    ClearNotes();
}

void ControlTest::TearDown() {
    g_onNotify = nullptr;
    QelBoxDiag_FailAllocationsAfter(-1);
    for (HWND control : created_) {
        if (IsWindow(control)) DestroyWindow(control);
    }
    created_.clear();
    Pump();
    // Every control is gone: the library holds no memory and no GDI object.
    EXPECT_EQ(QelBoxDiag_LiveAllocations(), 0);
    EXPECT_EQ(QelBoxDiag_LiveGdiObjects(), 0);
}

HWND ControlTest::Create(DWORD type, DWORD extraStyle, int id, int height) {
    HWND control = CreateControl(type, extraStyle, id, 10, 10, 200, height);
    EXPECT_NE(control, nullptr);
    if (control) created_.push_back(control);
    Pump();
    ClearNotes();
    return control;
}

bool ControlTest::Drop(HWND control) {
    SetFocus(control);
    const bool open = QelBox_ShowDropDown(control, TRUE) == 1 && QelBox_GetDroppedState(control);
    ClearNotes();
    return open;
}

HWND AddRows(HWND control, int n) {
    char text[32];
    for (int i = 0; i < n; ++i) {
        wsprintfA(text, "Row %d", i);
        QelBox_AddString_A(control, text);
    }
    return control;
}

std::string Text(HWND control, int index, int column) {
    int length = QelBox_GetTextLength(control, index, column);
    if (length < 0) return "<error>";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    QelBox_GetText_A(control, index, column, &text[0]);
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string WindowText(HWND window) {
    char text[600] = {0};
    if (window) GetWindowTextA(window, text, sizeof(text));
    return text;
}

void PaintNow(HWND control) {
    HWND list = QelBox_GetHWNDDropDown(control);
    for (HWND window : {control, list})
        if (window) InvalidateRect(window, nullptr, FALSE), UpdateWindow(window);
}

std::string Texts(HWND control) {
    std::string all;
    for (int i = 0; i < QelBox_GetCount(control); ++i)
        all += (i ? "," : "") + Text(control, i);
    return all;
}

int main(int argc, char** argv) {
    SetUnhandledExceptionFilter(CrashFilter);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::testing::InitGoogleTest(&argc, argv);
    g_args.assign(argv + 1, argv + argc);
    TestParent();
    int result = RUN_ALL_TESTS();
    // A program that ran nothing has lost its tests: that is a failure.
    if (::testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        fprintf(stderr, "no test ran\n");
        return 1;
    }
    return result;
}

// A font dialog made of three QelBox controls: the faces (QelBox_Fonts),
// the styles of the chosen face (QelBox_FontStyles_A) and its sizes
// (QelBox_FontSizes_A). Choosing a face refills the other two lists,
// keeping the style and size when the new face has them; every choice
// updates the sample below. Run with --screenshot FILE.png to save a
// picture and exit.
#include <windows.h>

#include <stdio.h>

#include <vector>

#include "qelbox.h"
#include "screenshot.h"

namespace {

enum { kFaces = 1, kStyles, kSizes, kSample };

HWND g_faces, g_styles, g_sizes, g_sample;
HFONT g_sampleFont;

// The committed row's first-column text, empty when there is none or it
// does not fit.
void SelectedText(HWND control, char* buffer, int size) {
    buffer[0] = 0;
    if (QelBox_GetTextLength(control, -1, 0) < size) QelBox_GetText_A(control, -1, 0, buffer);
}

// The committed row's value (the first cell's data): the weight, plus
// 0x80000000 for italic, in the style list; the point size in the size list.
QelData SelectedValue(HWND control) {
    CellInfo cell = {};
    cell.version = 1;
    cell.index = QelBox_GetCurSel(control);
    cell.column = 0;
    return cell.index >= 0 && QelBox_GetCellInfo(control, &cell) ? cell.cellData : 0;
}

// Selects the row whose first cell reads `text`, else the first row.
void Reselect(HWND control, const char* text) {
    int row = text[0] ? QelBox_FindStringExact_A(control, -1, 0, text, TRUE) : -1;
    QelBox_SetCurSel(control, row >= 0 ? row : (QelBox_GetCount(control) > 0 ? 0 : -1));
}

void UpdateSample() {
    char face[LF_FACESIZE];
    SelectedText(g_faces, face, sizeof(face));
    const QelData style = SelectedValue(g_styles);
    int points = static_cast<int>(SelectedValue(g_sizes));
    if (points <= 0) points = 10;
    HDC dc = GetDC(g_sample);
    const int height = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(g_sample, dc);
    const int weight = static_cast<int>(style & 0x7FFFFFFF);
    HFONT font =
        CreateFontA(height, 0, 0, 0, weight ? weight : FW_NORMAL,
                    (style & 0x80000000UL) ? TRUE : FALSE, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
    SendMessageA(g_sample, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (g_sampleFont) DeleteObject(g_sampleFont);
    g_sampleFont = font;
    char text[128];
    snprintf(text, sizeof(text), "%s, %d pt: AaBbYyZz 0123", face, points);
    SetWindowTextA(g_sample, text);
}

// A new face: its styles and sizes replace the old lists.
void FaceChanged() {
    char face[LF_FACESIZE], style[64], size[16];
    SelectedText(g_faces, face, sizeof(face));
    SelectedText(g_styles, style, sizeof(style));
    SelectedText(g_sizes, size, sizeof(size));
    QelBox_ResetContent(g_styles);
    QelBox_ResetContent(g_sizes);
    if (face[0]) {
        QelBox_FontStyles_A(g_styles, nullptr, face, nullptr, nullptr);
        QelBox_FontSizes_A(g_sizes, nullptr, face);
    }
    Reselect(g_styles, style[0] ? style : "Normal");
    Reselect(g_sizes, size[0] ? size : "10");
    UpdateSample();
}

HWND MakeList(HWND parent, int id, int x, int width, const char* header) {
    HWND control = CreateWindowExA(
        0, QELBOX_CLASSNAME, "",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_BORDER | QELBOXSTYLE_SIMPLE, x, 30,
        width, 200, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        GetModuleHandleA(nullptr), nullptr);
    ColumnRecord column;
    QelBox_InitColumnRecord(&column);
    column.width = width - 24;
    column.headerText = header;
    QelBox_SetColumns(control, 1, &column);
    QelBox_SetShowHeader(control, 1);
    QelBox_SetShowRowHeader(control, 0);
    return control;
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        HFONT gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        g_faces = MakeList(window, kFaces, 10, 220, "Font");
        g_styles = MakeList(window, kStyles, 240, 150, "Style");
        g_sizes = MakeList(window, kSizes, 400, 80, "Size");
        g_sample = CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "",
                                   WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE, 10, 245, 470,
                                   70, window, reinterpret_cast<HMENU>(kSample),
                                   GetModuleHandleA(nullptr), nullptr);
        const char* labels[] = {"Fonts (with TrueType marks):", "Styles:", "Sizes:"};
        const int xs[] = {10, 240, 400};
        for (int i = 0; i < 3; ++i) {
            HWND label =
                CreateWindowExA(0, "STATIC", labels[i], WS_CHILD | WS_VISIBLE, xs[i], 10, 220, 16,
                                window, nullptr, GetModuleHandleA(nullptr), nullptr);
            SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(gui), FALSE);
        }
        // Every face, with the marks of TrueType and device faces.
        QelBox_Fonts(g_faces, -1, TRUE, nullptr,
                     QELBOXFONT_FIXED | QELBOXFONT_VARIABLE | QELBOXFONT_TRUETYPE |
                         QELBOXFONT_RASTER | QELBOXFONT_OTHER);
        // A face with several styles where there is one.
        Reselect(g_faces, QelBox_FindStringExact_A(g_faces, -1, 0, "Tahoma", TRUE) >= 0
                              ? "Tahoma"
                              : "DejaVu Serif");
        FaceChanged();
        return 0;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == QELBOXN_SELCHANGE || HIWORD(wParam) == QELBOXN_EDITCHANGE) {
            if (LOWORD(wParam) == kFaces)
                FaceChanged();
            else if (LOWORD(wParam) == kStyles || LOWORD(wParam) == kSizes)
                UpdateSample();
        }
        return DefWindowProcA(window, message, wParam, lParam);
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
    const bool screenshot = ScreenshotPath(commandLine, path, MAX_PATH);
    QelBox_RegisterApp(instance);
    WNDCLASSA cls = {};
    cls.lpfnWndProc = MainProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = "QelBoxFonts";
    RegisterClassA(&cls);
    HWND window = CreateWindowExA(0, "QelBoxFonts", "QelBox font dialog",
                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 510, 370, nullptr,
                                  nullptr, instance, nullptr);
    ShowWindow(window, screenshot ? SW_SHOWNORMAL : show);
    UpdateWindow(window);
    int result = 0;
    if (screenshot) {
        PumpFor(800);
        result = SaveScreenshot(window, false, {g_faces, g_styles, g_sizes}, path) ? 0 : 1;
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
    if (g_sampleFont) DeleteObject(g_sampleFont);
    return result;
}

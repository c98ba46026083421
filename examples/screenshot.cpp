#include "screenshot.h"

#include <string.h>

#include "png.h"
#include "qelbox.h"

namespace {

// Copies one window into `dc` at its place in `area`: the client area, or
// the whole window with its frame.
void CopyWindowInto(HDC dc, const RECT& area, HWND window, bool frame) {
    RECT r;
    if (frame) {
        GetWindowRect(window, &r);
    } else {
        GetClientRect(window, &r);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    }
    HDC source = frame ? GetWindowDC(window) : GetDC(window);
    BitBlt(dc, r.left - area.left, r.top - area.top, r.right - r.left, r.bottom - r.top, source, 0,
           0, SRCCOPY);
    ReleaseDC(window, source);
}

} // namespace

bool ScreenshotPath(const char* commandLine, char* path, int size) {
    path[0] = 0;
    const char* shot = strstr(commandLine, "--screenshot ");
    if (!shot) return false;
    shot += strlen("--screenshot ");
    if (*shot == '"') ++shot;
    lstrcpynA(path, shot, size);
    if (char* quote = strchr(path, '"')) *quote = 0;
    return path[0] != 0;
}

void PumpFor(DWORD milliseconds) {
    DWORD end = GetTickCount() + milliseconds;
    MSG msg;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

bool SaveScreenshot(HWND window, bool frame, const std::vector<HWND>& controls, const char* path) {
    RECT area;
    if (frame) {
        GetWindowRect(window, &area);
    } else {
        GetClientRect(window, &area);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    }
    std::vector<HWND> popups;
    for (HWND control : controls) {
        HWND list = QelBox_GetHWNDDropDown(control);
        RECT r;
        if (list && GetParent(list) != control && GetWindowRect(list, &r)) {
            UnionRect(&area, &area, &r);
            popups.push_back(list);
        }
    }
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!dib) {
        DeleteDC(dc);
        return false;
    }
    HGDIOBJ old = SelectObject(dc, dib);
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    CopyWindowInto(dc, area, window, frame);
    for (HWND popup : popups)
        CopyWindowInto(dc, area, popup, true);
    GdiFlush();
    bool ok = WritePng(path, static_cast<const DWORD*>(bits), width, height);
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
    return ok;
}

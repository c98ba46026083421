#include "pixels.h"

#include <stdio.h>

namespace {

// Visits the pixels of `area` that lie inside the image.
template <typename Visit> void ForEach(const Image& image, const RECT& area, Visit visit) {
    int top = area.top < 0 ? 0 : static_cast<int>(area.top);
    int left = area.left < 0 ? 0 : static_cast<int>(area.left);
    int bottom = area.bottom > image.height ? image.height : static_cast<int>(area.bottom);
    int right = area.right > image.width ? image.width : static_cast<int>(area.right);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            visit(image.At(x, y));
}

Image Render(HWND window, UINT message, WPARAM extraFlags) {
    Image image;
    RECT client;
    GetClientRect(window, &client);
    image.width = client.right - client.left;
    image.height = client.bottom - client.top;
    if (image.width <= 0 || image.height <= 0) return image;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, dib);
    // Start from a colour no test uses so that unpainted pixels show.
    RECT all = {0, 0, image.width, image.height};
    HBRUSH marker = CreateSolidBrush(RGB(1, 2, 3));
    FillRect(dc, &all, marker);
    DeleteObject(marker);
    SendMessageA(window, message, reinterpret_cast<WPARAM>(dc), extraFlags);
    GdiFlush();
    const DWORD* src = static_cast<const DWORD*>(bits);
    image.pixels.assign(src, src + image.width * image.height);
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
    return image;
}

} // namespace

COLORREF Image::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    DWORD p = pixels[static_cast<size_t>(y) * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Image::Count(const RECT& area, COLORREF color) const {
    int n = 0;
    ForEach(*this, area, [&](COLORREF c) { n += c == color; });
    return n;
}

int Image::CountOther(const RECT& area, COLORREF color) const {
    int n = 0;
    ForEach(*this, area, [&](COLORREF c) { n += c != color; });
    return n;
}

Image Capture(HWND window) {
    return Render(window, WM_PRINT, PRF_CLIENT);
}

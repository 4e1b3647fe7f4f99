#include "screencap.h"

#include <cstdio>

#include "modalscript.h"
#include "pngwrite.h"
#include "startprog.h"

#ifndef LORVEX_SCREENSHOT_DIR
#define LORVEX_SCREENSHOT_DIR "screenshots"
#endif

namespace {

std::string ScreenshotDir() {
    std::string dir = WinePath(LORVEX_SCREENSHOT_DIR);
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

} // namespace

std::vector<DWORD> CapturePixels(HDC source, int x, int y, int w, int h) {
    if (w <= 0 || h <= 0)
        return {};
    HDC mem = CreateCompatibleDC(source);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(source, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, source, x, y, SRCCOPY);
    GdiFlush();
    const DWORD* p = static_cast<const DWORD*>(bits);
    std::vector<DWORD> pixels(p, p + static_cast<size_t>(w) * h);
    for (DWORD& px : pixels)
        px &= 0xFFFFFF;
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    return pixels;
}

std::string SaveWindowPng(HWND hwnd, const std::string& name) {
    RECT r;
    if (!GetWindowRect(hwnd, &r))
        return "";
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    PumpFor(150);
    int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return "";
    HDC screen = GetDC(nullptr);
    std::vector<DWORD> pixels = CapturePixels(screen, r.left, r.top, w, h);
    ReleaseDC(nullptr, screen);
    std::vector<unsigned char> rgb(pixels.size() * 3);
    for (size_t i = 0; i < pixels.size(); ++i) {
        rgb[i * 3] = static_cast<unsigned char>(pixels[i] >> 16);
        rgb[i * 3 + 1] = static_cast<unsigned char>(pixels[i] >> 8);
        rgb[i * 3 + 2] = static_cast<unsigned char>(pixels[i]);
    }

    std::string path = ScreenshotDir() + "/" + name + ".png";
    std::string png = EncodePng(w, h, rgb);
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return "";
    fwrite(png.data(), 1, png.size(), f);
    fclose(f);
    return path;
}

COLORREF ScreenPixel(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

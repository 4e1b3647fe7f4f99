// The status strip of a LorvexMDI child: one line of white text with a grey and a dark-teal
// shadow on a button-face field, in an 8-point icon-title font of its own.
#include <windows.h>

#include "lorvexmdi.h"

namespace {

constexpr int STRIP_TEXT_SIZE = 128;

struct Drawing {
    COLORREF colour;
    int offset; // right and down from the text origin
    UINT options;
};
// Back to front: each drawing leaves the earlier ones visible around its letters, and only
// the first one clears the text rectangle.
const Drawing drawings[] = {
    {RGB(64, 96, 96), 2, ETO_OPAQUE | ETO_CLIPPED},
    {RGB(128, 128, 128), 1, ETO_CLIPPED},
    {RGB(255, 255, 255), 0, ETO_CLIPPED},
};

HFONT FontOf(HWND strip) {
    return reinterpret_cast<HFONT>(GetWindowLongPtrA(strip, 0));
}

// Makes the strip's font and gives the strip its height and its parent's width.
void CreateStrip(HWND hwnd) {
    LOGFONTA lf{};
    SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0);
    HDC hdc = GetDC(hwnd);
    lf.lfHeight = StripFontHeight(GetDeviceCaps(hdc, LOGPIXELSY));
    HFONT font = CreateFontIndirectA(&lf);
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(font));
    // Selected only while measuring, so that WM_DESTROY can delete it.
    HGDIOBJ previous = SelectObject(hdc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, previous);
    RECT parent;
    GetClientRect(GetParent(hwnd), &parent);
    int stripHeight = StripHeight(tm.tmHeight, GetSystemMetrics(SM_CYBORDER));
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, stripHeight);
    SetWindowPos(hwnd, nullptr, 0, parent.bottom - stripHeight, parent.right - parent.left,
                 stripHeight, SWP_NOZORDER | SWP_NOMOVE);
    ReleaseDC(hwnd, hdc);
}

void PaintStrip(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    StripTextBox box = StripTextLayout(client.right, client.bottom, GetSystemMetrics(SM_CXBORDER),
                                       GetSystemMetrics(SM_CYBORDER));
    RECT textRect{box.left, box.top, box.right, box.bottom};
    char text[STRIP_TEXT_SIZE];
    int n = GetWindowTextA(hwnd, text, STRIP_TEXT_SIZE);
    SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
    SetBkMode(hdc, TRANSPARENT);
    HFONT font = FontOf(hwnd);
    HGDIOBJ previous = font != nullptr ? SelectObject(hdc, font) : nullptr;
    for (const Drawing& d : drawings) {
        SetTextColor(hdc, d.colour);
        ExtTextOutA(hdc, box.x0 + d.offset, box.y0 + d.offset, d.options, &textRect, text,
                    static_cast<UINT>(n), nullptr);
    }
    SetBkMode(hdc, OPAQUE);
    if (previous != nullptr)
        SelectObject(hdc, previous);
    EndPaint(hwnd, &ps);
}

} // namespace

LRESULT CALLBACK TextWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: CreateStrip(hwnd); break;
    case WM_DESTROY:
        if (FontOf(hwnd) != nullptr)
            DeleteObject(FontOf(hwnd));
        break;
    case WM_SETTEXT:
        DefWindowProcA(hwnd, message, wParam, lParam);
        // The whole strip at once, without erasing: the first drawing clears the text.
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
        return 0;
    case WM_PAINT: PaintStrip(hwnd); return 0;
    default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The status strip: its font and height, and its drawing checked pixel by pixel.
#include <windows.h>

#include <string>
#include <vector>

#include "mdi_fixture.h"

namespace {

TEST_F(MdiFrame, StripFontIsTheIconTitleFontAtEightPoints) {
    HWND a = OpenChild();
    HWND b = OpenChild();
    HWND strip = StripOf(a);
    HFONT font = reinterpret_cast<HFONT>(GetWindowLongPtrA(strip, 0));
    ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    // Every strip has a font of its own.
    HFONT other = reinterpret_cast<HFONT>(GetWindowLongPtrA(StripOf(b), 0));
    EXPECT_NE(other, font);

    LOGFONTA lf{}, icon{};
    GetObjectA(font, sizeof lf, &lf);
    SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof icon, &icon, 0);
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(dpi, 96);
    EXPECT_EQ(lf.lfHeight, 10);
    EXPECT_STREQ(lf.lfFaceName, icon.lfFaceName);
    EXPECT_EQ(lf.lfWeight, icon.lfWeight);
    EXPECT_EQ(lf.lfCharSet, icon.lfCharSet);

    // A positive height is the cell: 10 pixels, and the strip 8 more.
    HDC hdc = GetDC(strip);
    HGDIOBJ old = SelectObject(hdc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, old);
    ReleaseDC(strip, hdc);
    EXPECT_EQ(tm.tmHeight, 10);
    ASSERT_EQ(GetSystemMetrics(SM_CYBORDER), 1);
    EXPECT_EQ(GetWindowLongPtrA(strip, GWLP_USERDATA), 18);
    RECT r;
    GetWindowRect(strip, &r);
    EXPECT_EQ(r.bottom - r.top, 18);
    // The font is not left selected in the strip's own device context.
    hdc = GetDC(strip);
    EXPECT_NE(GetCurrentObject(hdc, OBJ_FONT), font);
    ReleaseDC(strip, hdc);

    // Closing one child leaves the other strip's font alive.
    SendMessageA(a, WM_CLOSE, 0, 0);
    EXPECT_EQ(GetObjectType(font), 0u);
    EXPECT_EQ(GetObjectType(other), static_cast<DWORD>(OBJ_FONT));
}

// Captured pixels are 0x00RRGGBB.
constexpr DWORD TEAL = 0x406060; // RGB(64, 96, 96)
constexpr DWORD GREY = 0x808080;
constexpr DWORD WHITE = 0xFFFFFF;

DWORD AsPixel(COLORREF c) {
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// The strip's client area as the screen shows it.
struct StripPicture {
    int w = 0, h = 0;
    std::vector<DWORD> px;
    DWORD at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
};

StripPicture Capture(HWND strip) {
    UpdateWindow(strip);
    GdiFlush();
    PumpFor(100); // until the screen shows what was painted
    RECT c;
    GetClientRect(strip, &c);
    POINT origin{0, 0};
    ClientToScreen(strip, &origin);
    HDC screen = GetDC(nullptr);
    StripPicture p;
    p.w = c.right;
    p.h = c.bottom;
    p.px = CapturePixels(screen, origin.x, origin.y, p.w, p.h);
    ReleaseDC(nullptr, screen);
    return p;
}

// Checks the picture against the three drawings: the white letters (whatever is white)
// with the grey copy one pixel and the teal copy two pixels right and down, each shown only
// where a later one does not cover it, everything clipped to the text rectangle, and the
// button face everywhere else. Returns the number of white pixels.
int ExpectThreeDrawings(const StripPicture& p, const StripTextBox& box) {
    const DWORD face = AsPixel(GetSysColor(COLOR_BTNFACE));
    auto white = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < p.w && y < p.h && p.at(x, y) == WHITE;
    };
    int whites = 0, wrong = 0;
    for (int y = 0; y < p.h; ++y) {
        for (int x = 0; x < p.w; ++x) {
            bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            DWORD expected = face;
            if (inside) {
                if (white(x, y))
                    expected = WHITE;
                else if (white(x - 1, y - 1))
                    expected = GREY;
                else if (white(x - 2, y - 2))
                    expected = TEAL;
            }
            if (p.at(x, y) == WHITE)
                ++whites;
            if (p.at(x, y) != expected && ++wrong <= 5)
                ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << p.at(x, y)
                              << ", expected " << expected;
        }
    }
    EXPECT_EQ(wrong, 0);
    return whites;
}

TEST_F(MdiFrame, StripDrawsWhiteTextOverItsTwoShadowsWithinTheTextRectangle) {
    HWND child = OpenChild();
    MoveWindow(child, 0, 0, 420, 200, TRUE);
    HWND strip = StripOf(child);
    RECT c;
    GetClientRect(strip, &c);
    const int cxb = GetSystemMetrics(SM_CXBORDER), cyb = GetSystemMetrics(SM_CYBORDER);
    StripTextBox box = StripTextLayout(c.right, c.bottom, cxb, cyb);
    EXPECT_EQ(c.bottom, 16); // 18 less the border above and below
    EXPECT_EQ(box.bottom - box.top, 10);

    StripPicture initial = Capture(strip);
    EXPECT_GT(ExpectThreeDrawings(initial, box), 20);
    // The text starts at its origin: the first white column is x0 or a little right of it
    // (the side bearing of "S"), and the first white row is not above y0.
    int firstX = initial.w, firstY = initial.h, lastShadowRow = -1;
    for (int y = 0; y < initial.h; ++y)
        for (int x = 0; x < initial.w; ++x) {
            if (initial.at(x, y) == WHITE) {
                firstX = std::min(firstX, x);
                firstY = std::min(firstY, y);
            }
            if (initial.at(x, y) == GREY || initial.at(x, y) == TEAL)
                lastShadowRow = std::max(lastShadowRow, y);
        }
    EXPECT_GE(firstX, box.x0);
    EXPECT_LE(firstX, box.x0 + 2);
    EXPECT_GE(firstY, box.y0);
    // The shadows reach the last row of the rectangle and are cut there ("_" and "p" reach
    // into the lowest rows of the cell).
    SetWindowTextA(strip, "p_q_g_y_j");
    // Setting the text paints at once: nothing is left to paint.
    EXPECT_FALSE(GetUpdateRect(strip, nullptr, FALSE));
    StripPicture low = Capture(strip);
    ExpectThreeDrawings(low, box);
    // White reaches the lowest row, so the shadows would reach below the rectangle.
    bool whiteInLastRow = false;
    for (int x = 0; x < low.w; ++x)
        whiteInLastRow = whiteInLastRow || low.at(x, box.bottom - 1) == WHITE;
    EXPECT_TRUE(whiteInLastRow);
    lastShadowRow = -1;
    for (int y = 0; y < low.h; ++y)
        for (int x = 0; x < low.w; ++x)
            if (low.at(x, y) == GREY || low.at(x, y) == TEAL)
                lastShadowRow = std::max(lastShadowRow, y);
    EXPECT_EQ(lastShadowRow, box.bottom - 1);

    // A shorter text after a longer one: no trace of the longer, the same picture as a
    // strip painted afresh.
    SetWindowTextA(strip, STRIP_INITIAL_TEXT);
    SetWindowTextA(strip, "IDM_OPT_3");
    StripPicture shorter = Capture(strip);
    ExpectThreeDrawings(shorter, box);
    SIZE extent;
    HDC hdc = GetDC(strip);
    HGDIOBJ old = SelectObject(hdc, reinterpret_cast<HFONT>(GetWindowLongPtrA(strip, 0)));
    GetTextExtentPoint32A(hdc, "IDM_OPT_3", 9, &extent);
    SelectObject(hdc, old);
    ReleaseDC(strip, hdc);
    const DWORD face = AsPixel(GetSysColor(COLOR_BTNFACE));
    for (int y = 0; y < shorter.h; ++y)
        for (int x = box.x0 + extent.cx + 3; x < shorter.w; ++x)
            ASSERT_EQ(shorter.at(x, y), face) << x << "," << y;
    InvalidateRect(strip, nullptr, TRUE);
    StripPicture fresh = Capture(strip);
    EXPECT_EQ(shorter.px, fresh.px);

    // An empty text: the button face alone.
    SetWindowTextA(strip, "");
    EXPECT_EQ(ExpectThreeDrawings(Capture(strip), box), 0);
    SetWindowTextA(strip, "IDM_OPT_2");
    SaveWindowPng(child, "lorvexmdi_child_strip");
}

} // namespace

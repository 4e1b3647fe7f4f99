// Chromel in process under Wine: the window the program creates, driven by the messages
// and keys a user's actions produce, checked in its data, its controls and on the screen.
#include "chromel_testing.h"
#include "mixcalc.h"
#include "keyinput.h"
#include "modalscript.h"
#include "screencap.h"
#include "wndplace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

HINSTANCE Instance() {
    return GetModuleHandleA(nullptr);
}

COLORREF BrushColor(HGDIOBJ brush) {
    LOGBRUSH lb{};
    if (GetObjectA(brush, sizeof lb, &lb) != sizeof lb)
        return CLR_INVALID;
    return lb.lbColor;
}

HGDIOBJ ClassBrush(HWND hwnd) {
    return reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND));
}

bool IsLiveBrush(HGDIOBJ h) {
    return GetObjectType(h) == OBJ_BRUSH;
}

void ResetProgramData() {
    for (int i = 0; i < 3; ++i)
        nLevel[i] = 0;
    iFocusBar = 0;
}

// Moves wParam's code and thumb to the bar as the bar itself reports them.
void Scroll(HWND hwnd, int bar, int code, int thumb = 0) {
    SendMessageA(hwnd, WM_VSCROLL, MAKEWPARAM(code, thumb), reinterpret_cast<LPARAM>(hwndBar[bar]));
}

POINT MixCentre() {
    return {(rcMix.left + rcMix.right) / 2, (rcMix.top + rcMix.bottom) / 2};
}

class Mixer : public ::testing::Test {
  protected:
    HWND hwnd = nullptr;

    // Each test starts as the program does: a freshly registered class with its black brush
    // and all values 0.
    void SetUp() override {
        ResetProgramData();
        UnregisterClassA(CHROMEL_CLASS, Instance());
        ASSERT_TRUE(RegisterChromelClasses(Instance()));
        hwnd = CreateChromelWindow(Instance());
        ASSERT_NE(hwnd, nullptr);
        SetClientSize(560, 400);
        ShowWindow(hwnd, SW_SHOWNORMAL);
        UpdateWindow(hwnd);
        ASSERT_TRUE(ActivateWindow(hwnd));
        PumpFor(100);
    }

    void TearDown() override {
        if (IsWindow(hwnd))
            DestroyWindow(hwnd);
        DrainQueue(); // the quit message WM_DESTROY posts for the program's loop
    }

    void SetClientSize(int cx, int cy) {
        RECT r{0, 0, cx, cy};
        AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
        SetWindowPos(hwnd, nullptr, 40, 40, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    COLORREF FieldPixel() {
        UpdateWindow(hwnd);
        PumpFor(30);
        POINT c = MixCentre();
        return ScreenPixel(hwnd, c.x, c.y);
    }
};

TEST_F(Mixer, StartsBlackWithAllValuesZero) {
    EXPECT_EQ(WindowText(hwnd), "Farbmischung \xFC"
                                "ber Bildlaufleisten");
    const char* captions[3] = {"Rot", "Gr\xFCn", "Blau"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(nLevel[i], 0);
        EXPECT_EQ(GetScrollPos(hwndBar[i], SB_CTL), 0);
        int lo = -1, hi = -1;
        GetScrollRange(hwndBar[i], SB_CTL, &lo, &hi);
        EXPECT_EQ(lo, 0);
        EXPECT_EQ(hi, 255);
        EXPECT_EQ(WindowText(hwndLevel[i]), "0");
        EXPECT_EQ(WindowText(hwndCaption[i]), captions[i]);
        EXPECT_EQ(GetDlgItem(hwnd, IDC_BAR + i), hwndBar[i]);
        EXPECT_EQ(GetDlgItem(hwnd, IDC_CAPTION + i), hwndCaption[i]);
        EXPECT_EQ(GetDlgItem(hwnd, IDC_LEVEL + i), hwndLevel[i]);
        EXPECT_EQ(GetWindowLongA(hwndBar[i], GWL_STYLE) & (WS_TABSTOP | SBS_VERT),
                  WS_TABSTOP | SBS_VERT);
        EXPECT_EQ(GetWindowLongA(hwndCaption[i], GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
        EXPECT_EQ(GetWindowLongA(hwndLevel[i], GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
        EXPECT_EQ(GetWindowLongPtrA(hwndBar[i], GWLP_WNDPROC),
                  reinterpret_cast<LONG_PTR>(ScrollBarWndProc));
    }
    EXPECT_EQ(GetDlgItem(hwnd, IDC_PANEL), hwndPanel);
    EXPECT_EQ(GetWindowLongA(hwndPanel, GWL_STYLE) & SS_TYPEMASK, SS_WHITERECT);
    EXPECT_EQ(BrushColor(ClassBrush(hwnd)), RGB(0, 0, 0));
    EXPECT_EQ(FieldPixel(), RGB(0, 0, 0));
    EXPECT_EQ(GetFocus(), hwndBar[0]);
    EXPECT_EQ(iFocusBar, 0);
    SaveWindowPng(hwnd, "chromel_start");
}

TEST_F(Mixer, ControlsSitWhereTheLayoutPutsThem) {
    RECT client;
    GetClientRect(hwnd, &client);
    ASSERT_EQ(client.right, 560);
    ASSERT_EQ(client.bottom, 400);
    const MixerLayout l = ComputeLayout(560, 400, cyText);
    EXPECT_EQ(cyText, static_cast<short>(HIWORD(GetDialogBaseUnits())));
    EXPECT_EQ(rcMix.left, 280);
    EXPECT_EQ(rcMix.right, 560);
    EXPECT_EQ(rcMix.bottom, 400);
    auto expectAt = [&](HWND child, const Box& b, const char* what) {
        RECT r = ChildRect(child);
        EXPECT_EQ(r.left, b.x) << what;
        EXPECT_EQ(r.top, b.y) << what;
        EXPECT_EQ(r.right - r.left, b.width) << what;
        EXPECT_EQ(r.bottom - r.top, b.height) << what;
    };
    expectAt(hwndPanel, l.panel, "panel");
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        expectAt(hwndBar[i], l.bar[i], "bar");
        expectAt(hwndCaption[i], l.caption[i], "caption");
        expectAt(hwndLevel[i], l.level[i], "level");
    }
}

struct ScrollCase {
    int bar;
    int from; // set with SB_THUMBPOSITION first
    int code;
    int thumb;
    int to;
    const char* text;
};

const ScrollCase kScrolls[] = {
    {0, 0, SB_LINEUP, 0, 0, "  0"},       {0, 4, SB_LINEDOWN, 0, 5, "  5"},
    {1, 255, SB_LINEDOWN, 0, 255, "255"}, {1, 100, SB_LINEUP, 0, 99, " 99"},
    {2, 10, SB_PAGEUP, 0, 0, "  0"},      {2, 245, SB_PAGEDOWN, 0, 255, "255"},
    {0, 50, SB_PAGEDOWN, 0, 66, " 66"},   {1, 50, SB_PAGEUP, 0, 34, " 34"},
    {2, 0, SB_THUMBTRACK, 5, 5, "  5"},   {0, 0, SB_THUMBPOSITION, 255, 255, "255"},
    {1, 200, SB_TOP, 0, 0, "  0"},        {2, 3, SB_BOTTOM, 0, 255, "255"},
    {0, 77, SB_ENDSCROLL, 0, 77, " 77"},
};

TEST_F(Mixer, EveryScrollCodeMovesValueThumbTextAndColour) {
    for (const ScrollCase& c : kScrolls) {
        SCOPED_TRACE("bar " + std::to_string(c.bar) + " code " + std::to_string(c.code));
        Scroll(hwnd, c.bar, SB_THUMBPOSITION, c.from);
        ASSERT_EQ(nLevel[c.bar], c.from);
        HGDIOBJ before = ClassBrush(hwnd);

        Scroll(hwnd, c.bar, c.code, c.thumb);
        EXPECT_EQ(nLevel[c.bar], c.to);
        EXPECT_EQ(GetScrollPos(hwndBar[c.bar], SB_CTL), c.to);
        EXPECT_EQ(WindowText(hwndLevel[c.bar]), c.text);
        const COLORREF mixed = RGB(nLevel[0], nLevel[1], nLevel[2]);
        // Every code, SB_ENDSCROLL too, puts in a new brush and deletes the one it replaces.
        HGDIOBJ after = ClassBrush(hwnd);
        EXPECT_NE(after, before);
        EXPECT_FALSE(IsLiveBrush(before));
        EXPECT_EQ(BrushColor(after), mixed);
        EXPECT_EQ(FieldPixel(), mixed);
    }
}

TEST_F(Mixer, KeysOnTheFocusedBarScrollIt) {
    ASSERT_EQ(GetFocus(), hwndBar[0]);
    struct {
        WORD vk;
        int to;
    } keys[] = {{VK_DOWN, 1}, {VK_NEXT, 17},   {VK_END, 255},
                {VK_UP, 254}, {VK_PRIOR, 238}, {VK_HOME, 0}};
    for (const auto& k : keys) {
        TypeKey(k.vk);
        EXPECT_TRUE(PumpUntil([&] { return nLevel[0] == k.to; }, 2000))
            << "key " << k.vk << " gave " << nLevel[0];
    }
    EXPECT_EQ(WindowText(hwndLevel[0]), "  0");
    EXPECT_EQ(nLevel[1], 0);
    EXPECT_EQ(nLevel[2], 0);
}

TEST_F(Mixer, MixedOrangeFillsTheColourField) {
    Scroll(hwnd, 0, SB_THUMBTRACK, 255);
    Scroll(hwnd, 1, SB_THUMBTRACK, 128);
    Scroll(hwnd, 2, SB_THUMBTRACK, 0);
    Scroll(hwnd, 2, SB_ENDSCROLL);
    EXPECT_EQ(FieldPixel(), RGB(255, 128, 0));
    EXPECT_EQ(ScreenPixel(hwnd, rcMix.left + 2, 2), RGB(255, 128, 0));
    EXPECT_EQ(ScreenPixel(hwnd, rcMix.right - 2, rcMix.bottom - 2), RGB(255, 128, 0));
    // The panel stays white between the blue bar and the field.
    EXPECT_EQ(ScreenPixel(hwnd, rcMix.left - 3, rcMix.bottom / 2), RGB(255, 255, 255));
    EXPECT_EQ(WindowText(hwndLevel[0]), "255");
    EXPECT_EQ(WindowText(hwndLevel[1]), "128");
    EXPECT_EQ(WindowText(hwndLevel[2]), "  0");
    SaveWindowPng(hwnd, "chromel_mixed");
}

TEST_F(Mixer, BarsAndTextsTakeTheirColours) {
    HDC dc = CreateCompatibleDC(nullptr);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(SendMessageA(hwnd, WM_CTLCOLORSCROLLBAR, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(hwndBar[i])),
                  reinterpret_cast<LRESULT>(hbrBar[i]));
        EXPECT_EQ(BrushColor(hbrBar[i]), crBase[i]);
        for (HWND text : {hwndCaption[i], hwndLevel[i]}) {
            SetTextColor(dc, RGB(1, 2, 3));
            EXPECT_EQ(SendMessageA(hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                   reinterpret_cast<LPARAM>(text)),
                      reinterpret_cast<LRESULT>(hbrCaption));
            EXPECT_EQ(GetTextColor(dc), crBase[i]);
            EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNHIGHLIGHT));
        }
    }
    EXPECT_NE(SendMessageA(hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(hwndPanel)),
              reinterpret_cast<LRESULT>(hbrCaption));
    DeleteDC(dc);
    EXPECT_EQ(crBase[0], RGB(255, 0, 0));
    EXPECT_EQ(crBase[1], RGB(0, 255, 0));
    EXPECT_EQ(crBase[2], RGB(0, 0, 255));

    // On the screen: the shaft below each thumb is drawn in the bar's pure colour.
    UpdateWindow(hwnd);
    PumpFor(30);
    for (int i = 0; i < 3; ++i) {
        RECT r = ChildRect(hwndBar[i]);
        EXPECT_EQ(ScreenPixel(hwnd, (r.left + r.right) / 2, (r.top + r.bottom) / 2), crBase[i])
            << i;
    }
}

TEST_F(Mixer, TabAndShiftTabCycleTheBars) {
    ASSERT_EQ(GetFocus(), hwndBar[0]);
    auto step = [&](bool shift, int expected) {
        TypeKey(VK_TAB, false, shift);
        EXPECT_TRUE(PumpUntil([&] { return GetFocus() == hwndBar[expected]; }, 2000))
            << (shift ? "Shift+Tab" : "Tab") << " to bar " << expected;
        EXPECT_EQ(iFocusBar, expected);
    };
    step(false, 1);
    step(false, 2);
    step(false, 0);
    step(true, 2);
    step(true, 1);
    step(true, 0);
    // Tab moves only the focus.
    EXPECT_EQ(nLevel[0] + nLevel[1] + nLevel[2], 0);
}

TEST_F(Mixer, RememberedBarGetsTheFocusBack) {
    SetFocus(hwndBar[1]);
    ASSERT_EQ(iFocusBar, 1);

    HWND other = CreateWindowA("static", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 200,
                               100, nullptr, nullptr, Instance(), nullptr);
    ASSERT_TRUE(ActivateWindow(other));
    EXPECT_NE(GetFocus(), hwndBar[1]);
    ASSERT_TRUE(ActivateWindow(hwnd));
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == hwndBar[1]; }, 2000)) << "activation";
    DestroyWindow(other);

    // A resize hands the focus back even when it was taken away.
    SetFocus(nullptr);
    ASSERT_NE(GetFocus(), hwndBar[1]);
    SetClientSize(500, 301);
    EXPECT_EQ(GetFocus(), hwndBar[1]) << "resize";
    EXPECT_EQ(rcMix.left, 250);
    EXPECT_EQ(rcMix.bottom, 301);

    ShowWindow(hwnd, SW_MINIMIZE);
    ShowWindow(hwnd, SW_RESTORE);
    ActivateWindow(hwnd);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == hwndBar[1]; }, 2000)) << "restore";
}

TEST_F(Mixer, SystemColourChangeRenewsTheCaptionBrush) {
    const COLORREF saved = GetSysColor(COLOR_BTNHIGHLIGHT);
    HBRUSH old = hbrCaption;
    ASSERT_TRUE(IsLiveBrush(old));

    const INT index = COLOR_BTNHIGHLIGHT;
    const COLORREF changed = RGB(200, 220, 240);
    ASSERT_TRUE(SetSysColors(1, &index, &changed));
    PumpFor(50);
    EXPECT_NE(hbrCaption, old);
    EXPECT_FALSE(IsLiveBrush(old));
    EXPECT_EQ(BrushColor(hbrCaption), changed);

    SetSysColors(1, &index, &saved);
    PumpFor(50);
    EXPECT_EQ(BrushColor(hbrCaption), saved);
}

TEST_F(Mixer, ClosingDeletesEveryBrushOnceAndLeavesWhite) {
    // GDI object count of the process, where the platform keeps one (Wine returns 0).
    const DWORD gdiAtStart = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);

    std::vector<HGDIOBJ> replaced;
    for (int v = 0; v < 20; ++v) {
        replaced.push_back(ClassBrush(hwnd));
        Scroll(hwnd, v % 3, SB_THUMBTRACK, v * 10);
    }
    for (HGDIOBJ b : replaced)
        EXPECT_FALSE(IsLiveBrush(b));
    SendMessageA(hwnd, WM_SYSCOLORCHANGE, 0, 0);

    std::vector<HGDIOBJ> owned = {hbrBar[0], hbrBar[1], hbrBar[2], hbrCaption, ClassBrush(hwnd)};
    for (HGDIOBJ b : owned)
        ASSERT_TRUE(IsLiveBrush(b));
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);

    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    for (HGDIOBJ b : owned)
        EXPECT_FALSE(IsLiveBrush(b));
    WNDCLASSA wc{};
    ASSERT_TRUE(GetClassInfoA(Instance(), CHROMEL_CLASS, &wc));
    EXPECT_EQ(wc.hbrBackground, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(DrainQueue(), 0);

    if (gdiBefore != 0) {
        EXPECT_EQ(gdiBefore - GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), 5u);
        EXPECT_EQ(gdiAtStart, gdiBefore);
    }
}

} // namespace

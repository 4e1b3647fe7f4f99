// The results window: creation and repainting, scrolling, the Speichern item.
#include <windows.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "lorvex_fixture.h"

namespace {

int helpCallCount = 0;
BOOL WINAPI CountingWinHelp(HWND, LPCSTR, UINT, ULONG_PTR) {
    ++helpCallCount;
    return TRUE;
}
int quitCode = 0;
void CALLBACK PostQuitLate(HWND, UINT, UINT_PTR, DWORD) {
    PostQuitMessage(quitCode);
}

bool SaveEnabled() {
    return (GetMenuState(hMenu, IDM_SPEICHERN, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

// Every line the results window draws, as TextOutA is asked to draw it.
struct DrawnLine {
    int x, y;
    std::string text;
};
std::vector<DrawnLine> drawn;
BOOL WINAPI RecordLine(HDC hdc, int x, int y, LPCSTR text, int length) {
    drawn.push_back({x, y, std::string(text, length)});
    return TextOutA(hdc, x, y, text, length);
}

class ResultsWindow : public LorvexMain {
  protected:
    void TearDown() override {
        lineDrawer = TextOutA;
        AllowWindows();
        LorvexMain::TearDown();
    }
    // The lines of one complete paint of the open window.
    std::vector<DrawnLine> Repaint() {
        drawn.clear();
        RedrawWindow(hwndResults, nullptr, nullptr, RDW_INVALIDATE);
        UpdateWindow(hwndResults);
        return drawn;
    }
    void Open() {
        ComputeFormula();
        ShowResultsWindow();
        ASSERT_NE(hwndResults, NO_WINDOW);
        ASSERT_TRUE(PumpUntil(SaveEnabled));
    }
    int ClientHeight() {
        RECT rc;
        GetClientRect(hwndResults, &rc);
        return rc.bottom;
    }
};

TEST_F(ResultsWindow, FirstCallOpensItAndItsPaintOffersSaving) {
    EXPECT_FALSE(SaveEnabled());
    ComputeFormula();
    ShowResultsWindow();
    ASSERT_NE(hwndResults, NO_WINDOW);
    EXPECT_TRUE(PumpUntil(SaveEnabled));
    char cls[32] = "";
    GetClassNameA(hwndResults, cls, sizeof cls);
    EXPECT_STREQ(cls, "LorvexErg");
    EXPECT_EQ(WindowText(hwndResults), "Ergebnisfenster");
    ExpectResultsPlacement();
    EXPECT_EQ(GetWindow(hwndResults, GW_OWNER), hwndMain);
    EXPECT_EQ(GetActiveWindow(), hwndResults);
    LONG style = GetWindowLongA(hwndResults, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VSCROLL),
              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VSCROLL);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    WNDCLASSA wc{};
    ASSERT_TRUE(GetClassInfoA(hModule, "LorvexErg", &wc));
    EXPECT_EQ(wc.lpfnWndProc, ResultsWndProc);
    EXPECT_NE(wc.hIcon, nullptr);
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    EXPECT_EQ(resultsTopLine, 0);
    SaveWindowPng(hwndResults, "lorvex_results_top");
}

TEST_F(ResultsWindow, LaterCallRepaintsTheOpenWindowWhereItIs) {
    Open();
    HWND first = hwndResults;
    MoveWindow(hwndResults, 320, 140, 300, 400, TRUE);
    ASSERT_TRUE(ActivateWindow(hwndMain));
    EnableMenuItem(hMenu, IDM_SPEICHERN, MF_BYCOMMAND | MF_GRAYED);
    formulaModel.n = 1;
    ComputeFormula();
    ShowResultsWindow();
    // Painted before the call returned: the paint has enabled saving again.
    EXPECT_TRUE(SaveEnabled());
    EXPECT_EQ(hwndResults, first);
    RECT r;
    GetWindowRect(hwndResults, &r);
    EXPECT_EQ(r.left, 320);
    EXPECT_EQ(r.top, 140);
    EXPECT_EQ(GetActiveWindow(), hwndMain);
}

// A new table in the open window shows only its own lines: a line shorter than the one it
// replaces (NaN, Infinity) leaves nothing of the old line's digits behind.
TEST_F(ResultsWindow, NewTableInTheOpenWindowLeavesNothingOfTheOld) {
    struct Case {
        const char* table;
        double y; // every y of the new table; the x values stay
    } const cases[] = {
        {"NaN (m = 0)", std::numeric_limits<double>::quiet_NaN()},
        {"Infinity", INFINITY},
        {"-Infinity", -INFINITY},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table);
        Open(); // the default table, every line 43 characters long
        for (double& y : resultTable.yValues)
            y = c.y;
        ShowResultsWindow();
        RECT rc;
        GetClientRect(hwndResults, &rc);
        HDC dc = GetDC(hwndResults);
        const std::vector<DWORD> shown = CapturePixels(dc, 0, 0, rc.right, rc.bottom);
        SaveWindowPng(hwndResults, "lorvex_results_new_table");
        // The same table painted on a blank client area.
        InvalidateRect(hwndResults, nullptr, TRUE);
        UpdateWindow(hwndResults);
        const std::vector<DWORD> fresh = CapturePixels(dc, 0, 0, rc.right, rc.bottom);
        ReleaseDC(hwndResults, dc);
        ASSERT_FALSE(fresh.empty());
        EXPECT_TRUE(shown == fresh);
        SendMessageA(hwndResults, WM_CLOSE, 0, 0);
    }
}

TEST_F(ResultsWindow, ClosingGraysSavingAndTheNextCallOpensAnew) {
    Open();
    MoveWindow(hwndResults, 320, 140, 300, 400, TRUE);
    HWND old = hwndResults;
    SendMessageA(hwndResults, WM_CLOSE, 0, 0);
    EXPECT_EQ(hwndResults, NO_WINDOW);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_FALSE(SaveEnabled());
    Open();
    RECT r;
    GetWindowRect(hwndResults, &r);
    EXPECT_EQ(r.left, 200);
    EXPECT_EQ(r.top, 20);
    EXPECT_TRUE(SaveEnabled());
}

TEST_F(ResultsWindow, ScrollBarKeysAndWheelMoveTheList) {
    Open();
    int cy = ClientHeight();
    int page = ResultsPageLines(cy);
    int last = ResultsMaxTopLine(cy);
    ASSERT_GT(page, 10);
    ASSERT_EQ(last, 100 - page);
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(hwndResults, SB_VERT, &si);
    EXPECT_EQ(si.nMin, 0);
    EXPECT_EQ(si.nMax, 99);
    EXPECT_EQ(si.nPage, static_cast<UINT>(page));

    struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        int expected;
    } const steps[] = {
        {"bar: bottom", WM_VSCROLL, SB_BOTTOM, last},
        {"bar: line down at the end", WM_VSCROLL, SB_LINEDOWN, last},
        {"bar: page up", WM_VSCROLL, SB_PAGEUP, last - page},
        {"bar: top", WM_VSCROLL, SB_TOP, 0},
        {"bar: line up at the top", WM_VSCROLL, SB_LINEUP, 0},
        {"bar: line down", WM_VSCROLL, SB_LINEDOWN, 1},
        {"bar: page down", WM_VSCROLL, SB_PAGEDOWN, 1 + page},
        {"wheel down", WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 4 + page},
        {"wheel up twice", WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA), page - 2},
    };
    for (const auto& s : steps) {
        SendMessageA(hwndResults, s.message, s.wParam, 0);
        EXPECT_EQ(resultsTopLine, s.expected) << s.name;
        EXPECT_EQ(GetScrollPos(hwndResults, SB_VERT), s.expected) << s.name;
    }

    // Keys, typed while the window is active.
    ASSERT_TRUE(ActivateWindow(hwndResults));
    struct {
        WORD vk;
        int expected;
    } const keys[] = {
        {VK_HOME, 0},   {VK_DOWN, 1},      {VK_NEXT, 1 + page},
        {VK_END, last}, {VK_UP, last - 1}, {VK_PRIOR, last - 1 - page},
        {VK_END, last},
    };
    for (const auto& k : keys) {
        TypeKey(k.vk);
        EXPECT_TRUE(PumpUntil([&] { return resultsTopLine == k.expected; }, 2000)) << k.vk;
    }
    UpdateWindow(hwndResults);
    SaveWindowPng(hwndResults, "lorvex_results_bottom");
}

TEST_F(ResultsWindow, F1WhileItIsActiveDoesNothing) {
    helpCallCount = 0;
    helpEngine = CountingWinHelp;
    Open();
    ASSERT_TRUE(ActivateWindow(hwndResults));
    TypeKey(VK_F1);
    quitCode = 5;
    UINT_PTR t = SetTimer(nullptr, 0, 700, PostQuitLate);
    EXPECT_EQ(RunMessageLoop(hAccel), 5);
    KillTimer(nullptr, t);
    EXPECT_EQ(helpCallCount, 0);
    EXPECT_TRUE(IsWindow(hwndResults));
}

TEST_F(ResultsWindow, ExitClosesItWithTheMainWindow) {
    Open();
    HWND results = hwndResults;
    PostMessageA(hwndMain, WM_COMMAND, IDM_EXIT, 0);
    quitCode = 99;
    UINT_PTR t = SetTimer(nullptr, 0, 3000, PostQuitLate);
    EXPECT_EQ(RunMessageLoop(hAccel), 0);
    KillTimer(nullptr, t);
    EXPECT_FALSE(IsWindow(hwndMain));
    EXPECT_FALSE(IsWindow(results));
    EXPECT_EQ(hwndResults, NO_WINDOW);
}

// A text right-aligned in a field of 20 columns.
std::string Right20(const std::string& text) {
    return std::string(20 - text.size(), ' ') + text;
}

TEST_F(ResultsWindow, PaintDrawsEveryLineAtItsPlace) {
    for (int i = 0; i < POINT_COUNT; ++i) {
        resultTable.xValues[i] = i - 50;
        resultTable.yValues[i] = i * 0.25;
    }
    resultTable.yValues[1] = std::numeric_limits<double>::quiet_NaN();
    resultTable.xValues[2] = INFINITY;
    resultTable.yValues[3] = -INFINITY;
    resultTable.xValues[4] = 1e15;
    resultTable.yValues[5] = -1e14;
    std::vector<std::string> lines;
    for (int i = 0; i < POINT_COUNT; ++i) {
        const int quarter[] = {0, 25, 50, 75};
        std::string y = std::to_string(i / 4) + "." + std::to_string(quarter[i % 4]);
        y += std::string(5 - (y.size() - y.find('.')), '0');
        lines.push_back(Right20(std::to_string(i - 50) + ".0000") + "   " + Right20(y));
    }
    lines[1] = Right20("-49.0000") + "    NaN";
    lines[2] = " Infinity" + std::string(11, ' ') + "   " + Right20("0.5000");
    lines[3] = Right20("-47.0000") + "    -Infinity";
    lines[4] = std::string(20, '*') + "   " + Right20("1.0000");
    lines[5] = Right20("-45.0000") + "   " + std::string(20, '*');
    EXPECT_EQ(lines[0], std::string(12, ' ') + "-50.0000" + std::string(17, ' ') + "0.0000");
    EXPECT_EQ(lines[1].size(), 27u);

    lineDrawer = RecordLine;
    ShowResultsWindow();
    ASSERT_NE(hwndResults, NO_WINDOW);
    for (int top : {0, 3, -1}) {
        SCOPED_TRACE(top);
        if (top == 3) {
            for (int k = 0; k < 3; ++k)
                SendMessageA(hwndResults, WM_KEYDOWN, VK_DOWN, 0);
        } else if (top == -1) {
            SendMessageA(hwndResults, WM_KEYDOWN, VK_END, 0);
            top = resultsTopLine;
            // The last line ends within the client area.
            EXPECT_LE(RESULT_LINE_HEIGHT * (POINT_COUNT - top), ClientHeight());
            EXPECT_GT(top, 70);
        }
        EXPECT_EQ(resultsTopLine, top);
        // Every paint draws all 100 lines, those above the client area as well.
        const std::vector<DrawnLine> got = Repaint();
        ASSERT_EQ(got.size(), static_cast<size_t>(POINT_COUNT));
        for (int i = 0; i < POINT_COUNT; ++i) {
            EXPECT_EQ(got[i].x, 5) << i;
            EXPECT_EQ(got[i].y, 18 * (i - top)) << i;
            EXPECT_EQ(got[i].text, lines[i]) << i;
        }
    }
    SaveWindowPng(hwndResults, "lorvex_results_special_values_end");
    SendMessageA(hwndResults, WM_KEYDOWN, VK_HOME, 0);
    Repaint();
    SaveWindowPng(hwndResults, "lorvex_results_special_values");
}

TEST_F(ResultsWindow, FailureIsReportedAndTheNextCallTriesAgain) {
    ComputeFormula();
    // A class of the same name already there makes the registration fail.
    if (resultsClassRegistered) {
        ASSERT_TRUE(UnregisterClassA("LorvexErg", hModule));
        resultsClassRegistered = false;
    }
    WNDCLASSA other{};
    other.lpfnWndProc = DefWindowProcA;
    other.hInstance = hModule;
    other.lpszClassName = "LorvexErg";
    ASSERT_NE(RegisterClassA(&other), 0);
    struct Step {
        const char* failure;
        bool registered; // afterwards
    } const steps[] = {{"registration", false}, {"creation", true}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.failure);
        if (std::string(step.failure) == "creation") {
            ASSERT_TRUE(UnregisterClassA("LorvexErg", hModule));
            RefuseWindowsOfClass("LorvexErg");
        }
        BoxSeen box;
        ASSERT_TRUE(RunModal([] { ShowResultsWindow(); },
                             {BoxStep("Fehler", &box, "lorvex_results_failure")}));
        ASSERT_TRUE(box.shown);
        EXPECT_EQ(box.text, "Fehler beim Initialisieren des Ergebnisfensters");
        EXPECT_EQ(box.owner, hwndMain);
        EXPECT_EQ(hwndResults, NO_WINDOW);
        EXPECT_EQ(resultsClassRegistered, step.registered);
        EXPECT_EQ(FindWindowA("LorvexErg", nullptr), nullptr);
        EXPECT_FALSE(SaveEnabled());
    }
    // With room again, the next call makes the window.
    AllowWindows();
    ShowResultsWindow();
    ASSERT_NE(hwndResults, NO_WINDOW);
    EXPECT_TRUE(PumpUntil(SaveEnabled));
    WNDCLASSA wc{};
    ASSERT_TRUE(GetClassInfoA(hModule, "LorvexErg", &wc));
    EXPECT_EQ(wc.lpfnWndProc, ResultsWndProc);
}

} // namespace

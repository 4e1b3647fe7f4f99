// Start-up: frame placement, menu bar, results window, and the listing of the table.
#include <cmath>

#include "lorvexcon_fixture.h"

namespace {

struct ExpectedMenu {
    const char* title;
    std::vector<std::string> items; // "" for a separator
};
const ExpectedMenu FULL_BAR[] = {
    {"&Datei", {"&Laden", "&Speichern", "", "E&nde"}},
    {"&Berechnen", {"&FormelCS"}},
    {"&Hilfe", {"&Fenstro Help", "", "&About LorvexCon"}},
};

// The whole bar: titles, items, and only "&Speichern" grayed (while saveGrayed).
void ExpectFullBar(HMENU bar, bool saveGrayed) {
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    for (int m = 0; m < 3; ++m) {
        EXPECT_EQ(MenuItemText(bar, m), FULL_BAR[m].title);
        HMENU sub = GetSubMenu(bar, m);
        ASSERT_NE(sub, nullptr);
        ASSERT_EQ(GetMenuItemCount(sub), static_cast<int>(FULL_BAR[m].items.size()));
        for (int i = 0; i < GetMenuItemCount(sub); ++i) {
            const std::string& want = FULL_BAR[m].items[static_cast<std::size_t>(i)];
            if (want.empty()) {
                EXPECT_TRUE(GetMenuState(sub, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR);
                continue;
            }
            EXPECT_EQ(MenuItemText(sub, i), want);
            EXPECT_EQ(MenuItemGrayed(sub, i), saveGrayed && want == "&Speichern") << want;
        }
    }
}

} // namespace

TEST_F(LorvexCon, StartsCentredWithItsMenuBarAndAnEmptyResultsWindow) {
    EXPECT_EQ(frameGeometry.request, GEOMETRY_SET);
    EXPECT_EQ(PlaceOf(FenstroFrame()), EIGHTY_PERCENT_FRAME);
    ExpectFullBar(GetMenu(FenstroFrame()), true);
    HWND results = GetWindowHandle(RESULTS_WINDOW_UNIT);
    EXPECT_EQ(GetParent(results), FenstroClient());
    EXPECT_EQ(WindowText(results), "Rechenergebnisse");
    for (const std::string& line : UnitLines(RESULTS_WINDOW_UNIT))
        EXPECT_EQ(line, "");
    PumpFor(100);
    SaveWindowPng(FenstroFrame(), "lorvexcon_start");
}

TEST_F(LorvexCon, FailingThirdMenuItemIsReportedAndTheFrameKeepsLaden) {
    Stop();
    // The framework refuses an item without a routine.
    MenuRoutine saved = menuRows[2].routine;
    menuRows[2].routine = nullptr;
    std::string boxText;
    bool started = false;
    const std::string program = "lorvexcon_tests";
    bool ran =
        RunModal([&] { started = Start(); }, {{[] {
                                                   // The pause shows in a window of its own before
                                                   // the frame.
                                                   HWND w = FindWindowA("FenstroText", nullptr);
                                                   return w && IsWindowVisible(w) ? w : nullptr;
                                               },
                                               [](HWND w) {
                                                   PumpFor(100);
                                                   SaveWindowPng(w, "lorvexcon_startup_pause");
                                                   PostMessageA(w, WM_CHAR, '\r', 0);
                                               }},
                                              {DialogTitled(program.c_str()), [&](HWND box) {
                                                   boxText = MessageBoxText(box);
                                                   PostMessageA(box, WM_COMMAND, IDOK, 0);
                                               }}});
    menuRows[2].routine = saved;
    ASSERT_TRUE(ran);
    ASSERT_TRUE(started);
    EXPECT_NE(boxText.find("INITIALSETTINGS"), std::string::npos) << boxText;
    EXPECT_EQ(UnitLines(DEFAULT_OUTPUT_UNIT),
              std::vector<std::string>{"Fehler in INITIALSETTINGS."});
    HMENU bar = GetMenu(FenstroFrame());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_EQ(MenuItemText(bar, 0), "&Datei");
    HMENU datei = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(datei), 1);
    EXPECT_EQ(MenuItemText(datei, 0), "&Laden");
    // The program runs on: its frame and results window are there.
    EXPECT_EQ(PlaceOf(FenstroFrame()), EIGHTY_PERCENT_FRAME);
    EXPECT_NE(GetWindowHandle(RESULTS_WINDOW_UNIT), nullptr);
    PumpFor(100);
    SaveWindowPng(FenstroFrame(), "lorvexcon_startup_failed");
}

TEST_F(LorvexCon, ShowResultsAppendsOneLinePerPointAndEnablesSaving) {
    for (int i = 0; i < POINT_COUNT; ++i) {
        resultTable.xValues[i] = i;
        resultTable.yValues[i] = -i / 8.0;
    }
    resultTable.xValues[0] = -12;
    resultTable.yValues[0] = 1;
    resultTable.xValues[1] = 1e14;  // fills the field: its first digit would be line control
    resultTable.xValues[2] = -1e13; // likewise its sign
    resultTable.xValues[3] = 1e15;  // does not fit
    resultTable.yValues[3] = NAN;
    ShowResults();
    std::vector<std::string> lines = UnitLines(RESULTS_WINDOW_UNIT);
    // A full x field shows as one that does not fit, 19 asterisks: one record, one line.
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines[0], "           -12.0000                 1.0000");
    EXPECT_EQ(lines[1], "*******************                -0.1250");
    EXPECT_EQ(lines[2], "*******************                -0.2500");
    EXPECT_EQ(lines[3].substr(0, 19), "*******************");
    EXPECT_EQ(lines[3].substr(19, 7), "    NaN");
    EXPECT_EQ(lines[99], "            99.0000               -12.3750");
    PumpFor(200);
    SendMessageA(GetWindowHandle(RESULTS_WINDOW_UNIT), WM_VSCROLL, SB_TOP, 0);
    PumpFor(100);
    SaveWindowPng(FenstroFrame(), "lorvexcon_full_abscissa");
    HMENU datei = GetSubMenu(GetMenu(FenstroFrame()), 0);
    EXPECT_FALSE(MenuItemGrayed(datei, 1));
    ShowResults();
    lines = UnitLines(RESULTS_WINDOW_UNIT);
    ASSERT_EQ(lines.size(), 200u);
    EXPECT_EQ(lines[100], lines[0]);
    EXPECT_EQ(lines[199], lines[99]);
}

// The command of a menu item (both from 1): the framework numbers the items in the order
// they are added, the same in every process.
UINT ItemCommand(int menu, int item) {
    return GetMenuItemID(GetSubMenu(GetMenu(FenstroFrame()), menu - 1), item - 1);
}

TEST_F(LorvexCon, RealProgramStartsWithItsMenuBarResultsWindowAndDialogs) {
    StartedProgram p = StartProgramUnderTest("LorvexCon.exe", "FenstroFrame", "LorvexCon");
    ASSERT_NE(p.hwnd, nullptr);
    const DWORD pid = p.pi.dwProcessId;
    PumpFor(500);
    EXPECT_EQ(PlaceOf(p.hwnd), EIGHTY_PERCENT_FRAME);
    // (Wine reads no menu of another process: the bar is checked in process above.)
    EXPECT_NE(GetMenu(p.hwnd), nullptr);
    HWND client = FindWindowExA(p.hwnd, nullptr, "MDIClient", nullptr);
    ASSERT_NE(client, nullptr);
    EXPECT_TRUE(PumpUntil(
        [&] { return FindWindowExA(client, nullptr, nullptr, "Rechenergebnisse") != nullptr; }));
    SaveWindowPng(p.hwnd, "lorvexcon_program_start");

    // The formula dialog: OK twice, then Cancel; then About.
    PostMessageA(p.hwnd, WM_COMMAND, ItemCommand(2, 1), 0);
    HWND dlg = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        return (dlg = FindProcessWindow(pid, "#32770", "Formel - Berechnung")) != nullptr;
    }));
    PumpFor(300);
    SaveWindowPng(dlg, "lorvexcon_program_formula_dialog");
    for (int i = 0; i < 2; ++i) {
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_FORMEL_OK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_FORMEL_OK)));
    }
    PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDCANCEL)));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(dlg); }));
    PumpFor(300);
    SaveWindowPng(p.hwnd, "lorvexcon_program_two_computations");
    PostMessageA(p.hwnd, WM_COMMAND, ItemCommand(3, 3), 0);
    HWND about = nullptr;
    ASSERT_TRUE(PumpUntil(
        [&] { return (about = FindProcessWindow(pid, "#32770", "About Lorvex")) != nullptr; }));
    PumpFor(300);
    SaveWindowPng(about, "lorvexcon_program_about");
    PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(about, IDOK)));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(about); }));

    // Idle with its main routine asleep, it ends only when the frame is closed.
    PumpFor(1200);
    EXPECT_EQ(WaitForSingleObject(p.pi.hProcess, 0), WAIT_TIMEOUT);
    PostMessageA(p.hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(p), 0);
}

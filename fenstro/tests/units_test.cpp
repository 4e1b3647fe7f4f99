// Units and their text windows: records, the default output, the pause, both threads
// writing at once, scrolling and the capacity.
#include "testhooks.h"

#include "fenstrocore.h"
#include "testids.h"
#include "textio.h"

#include <atomic>
#include <cstdio>

namespace {

constexpr std::int32_t RESULTS = 77;

HANDLE goEvent = nullptr;

class Units : public FenstroTest {
  protected:
    void SetUp() override { goEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr); }
    void TearDown() override {
        SetEvent(goEvent);
        FenstroTest::TearDown();
        CloseHandle(goEvent);
    }
};

// A results line as the formula demo writes it: line control and 42 characters.
std::string ResultRecord(int i) {
    char buf[64];
    std::snprintf(buf, sizeof buf, " %19.4f   %20.4f", -12.0 + 0.24 * i, 0.5 * i);
    return buf;
}

int VerticalPosition(HWND hwnd, int* max = nullptr, int* page = nullptr) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(hwnd, SB_VERT, &si);
    if (max)
        *max = si.nMax;
    if (page)
        *page = static_cast<int>(si.nPage);
    return si.nPos;
}

} // namespace

TEST_F(Units, TextWindowTakesRecordsInOrder) {
    std::atomic<bool> opened{false};
    mainHook = [&] {
        OpenUnit(RESULTS, "USER", "Rechenergebnisse", "UNKNOWN");
        WriteRecord(RESULTS, " ", true); // shows nothing
        opened = true;
    };
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitForProgram());
    ASSERT_TRUE(opened);
    HWND w = GetWindowHandle(RESULTS);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(GetParent(w), FenstroClient());
    EXPECT_EQ(WindowText(w), "Rechenergebnisse");
    EXPECT_EQ(UnitLine(RESULTS, 1), "");
    for (int round = 1; round <= 2; ++round)
        for (int i = 1; i <= 100; ++i)
            WriteRecord(RESULTS, ResultRecord(i));
    // The open blank leaves no empty line: 200 result lines, the first at the top.
    ASSERT_EQ(UnitLineCount(RESULTS), 200u);
    EXPECT_EQ(UnitLine(RESULTS, 1), ResultRecord(1).substr(1));
    EXPECT_EQ(UnitLine(RESULTS, 1).size(), 42u);
    EXPECT_EQ(UnitLine(RESULTS, 101), ResultRecord(1).substr(1));
    EXPECT_EQ(UnitLine(RESULTS, 200), ResultRecord(100).substr(1));
    // The window follows the end.
    PumpFor(200);
    int max = 0, page = 0;
    int pos = VerticalPosition(w, &max, &page);
    EXPECT_EQ(max, 199);
    EXPECT_EQ(pos, max + 1 - page);
    SaveWindowPng(FenstroFrame(), "fenstro_results_window");

    // Opening again keeps the window and its lines, with the new title.
    OpenUnit(RESULTS, "user", "Neu", "unknown");
    EXPECT_EQ(GetWindowHandle(RESULTS), w);
    EXPECT_EQ(WindowText(w), "Neu");
    EXPECT_EQ(UnitLineCount(RESULTS), 200u);
    // Only the console is a file name here; the status must be one of the four.
    EXPECT_FALSE(TryOpenUnit(5, "daten.txt", "x", "UNKNOWN"));
    EXPECT_FALSE(TryOpenUnit(5, "USER", "x", "SCRATCH"));
    EXPECT_FALSE(TryOpenUnit(FRAME_WINDOW_UNIT, "USER", "x", "UNKNOWN"));
    EXPECT_EQ(GetWindowHandle(5), nullptr);
    EXPECT_EQ(GetWindowHandle(FRAME_WINDOW_UNIT), FenstroFrame());
}

TEST_F(Units, DefaultOutputAndUnopenedUnitsGetWindows) {
    mainHook = [] {
        WriteDefaultOutput("Fehler in dlgFormelCS");
        WriteRecord(12, " zwoelf");
    };
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitForProgram());
    ASSERT_TRUE(
        PumpUntil([] { return GetWindowHandle(DEFAULT_OUTPUT_UNIT) && GetWindowHandle(12); }));
    HWND out = GetWindowHandle(DEFAULT_OUTPUT_UNIT);
    EXPECT_EQ(WindowText(out), "Output");
    EXPECT_EQ(GetParent(out), FenstroClient());
    EXPECT_EQ(UnitLine(DEFAULT_OUTPUT_UNIT, 1), "Fehler in dlgFormelCS");
    // At the bottom of the client, over its whole width and a third of its height.
    RECT client, r = ChildRect(out);
    GetClientRect(FenstroClient(), &client);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, client.right);
    EXPECT_EQ(r.bottom, client.bottom);
    EXPECT_EQ(r.bottom - r.top, client.bottom / 3);
    EXPECT_EQ(WindowText(GetWindowHandle(12)), "Unit 12");
    EXPECT_LE(ChildRect(GetWindowHandle(12)).bottom, r.top); // the output does not cover it
    EXPECT_EQ(UnitLine(12, 1), "zwoelf");
    // From the interface thread as well, the next line below.
    WriteDefaultOutput("Fehler: DlgInit dlgAbout versagte.");
    EXPECT_EQ(UnitLine(DEFAULT_OUTPUT_UNIT, 2), "Fehler: DlgInit dlgAbout versagte.");
    PumpFor(100);
    SaveWindowPng(FenstroFrame(), "fenstro_default_output");
}

TEST_F(Units, PauseWaitsForAnEmptyLine) {
    std::atomic<bool> resumed{false};
    mainHook = [&] {
        PauseProgram("Weiter mit Enter.");
        resumed = true;
    };
    ASSERT_TRUE(Start());
    ASSERT_TRUE(
        PumpUntil([] { return StatusText() == "Paused: enter an empty line to continue"; }));
    HWND out = GetWindowHandle(DEFAULT_OUTPUT_UNIT);
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(UnitLine(DEFAULT_OUTPUT_UNIT, 1), "Weiter mit Enter.");
    // A line with text is kept and the pause goes on.
    for (char ch : {'j', 'a', 'x', '\b', '\r'})
        PostMessageA(out, WM_CHAR, static_cast<WPARAM>(ch), 0);
    PumpFor(300);
    EXPECT_FALSE(resumed);
    EXPECT_EQ(UnitLine(DEFAULT_OUTPUT_UNIT, 2), "ja");
    PostMessageA(out, WM_CHAR, 'n', 0);
    PumpFor(100);
    SaveWindowPng(FenstroFrame(), "fenstro_pause");
    PostMessageA(out, WM_CHAR, '\b', 0);
    PostMessageA(out, WM_CHAR, '\r', 0);
    ASSERT_TRUE(WaitForProgram());
    EXPECT_TRUE(resumed);
    EXPECT_EQ(UnitLineCount(DEFAULT_OUTPUT_UNIT), 2u);
    EXPECT_TRUE(PumpUntil([] { return StatusText() == "Program finished"; }));

    // On the interface thread the pause runs a loop of its own.
    bool ran = RunModal([] { PauseProgram("Noch einmal."); },
                        {{[] { return GetWindowHandle(DEFAULT_OUTPUT_UNIT); },
                          [](HWND w) { PostMessageA(w, WM_CHAR, '\r', 0); }}});
    EXPECT_TRUE(ran);
    EXPECT_EQ(UnitLine(DEFAULT_OUTPUT_UNIT, 3), "Noch einmal.");
}

TEST_F(Units, BothThreadsWritingKeepWholeLinesInOrder) {
    constexpr int N = 10000;
    // Long records, so that a write that let another one in would show a mixed line.
    auto record = [](char who, int i) {
        char head[16];
        std::snprintf(head, sizeof head, " %c%05d ", who, i);
        return std::string(head) + std::string(120, who);
    };
    mainHook = [&] {
        OpenUnit(20, "USER", "Beide", "UNKNOWN");
        WaitForSingleObject(goEvent, INFINITE);
        for (int i = 1; i <= N; ++i)
            WriteRecord(20, record('P', i));
    };
    ASSERT_TRUE(Start());
    ASSERT_TRUE(PumpUntil([] { return GetWindowHandle(20) != nullptr; }));
    SetEvent(goEvent);
    for (int i = 1; i <= N; ++i)
        WriteRecord(20, record('I', i));
    ASSERT_TRUE(WaitForProgram(30000));
    ASSERT_EQ(UnitLineCount(20), 2u * N);
    int next[2] = {1, 1};
    int switches = 0;
    char last = 0;
    for (std::size_t n = 1; n <= 2u * N; ++n) {
        std::string line = UnitLine(20, n);
        char who = line.empty() ? '?' : line[0];
        ASSERT_TRUE(who == 'P' || who == 'I') << n << ": " << line;
        int& expected = next[who == 'P' ? 0 : 1];
        ASSERT_EQ(line, record(who, expected).substr(1)) << n;
        ++expected;
        if (who != last)
            ++switches;
        last = who;
    }
    EXPECT_EQ(next[0], N + 1);
    EXPECT_EQ(next[1], N + 1);
    std::printf("the two threads took turns %d times\n", switches);
}

TEST_F(Units, TextWindowScrollsAndKeepsTheNewestLines) {
    const std::size_t total = FENSTRO_LINE_CAPACITY + 10000;
    mainHook = [&] {
        OpenUnit(30, "USER", "Lang", "UNKNOWN");
        for (std::size_t i = 1; i <= total; ++i)
            WriteRecord(30, " Zeile " + std::to_string(i));
    };
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitForProgram(60000));
    HWND w = GetWindowHandle(30);
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(UnitLineCount(30), FENSTRO_LINE_CAPACITY);
    EXPECT_EQ(UnitLine(30, 1), "Zeile 10001");
    EXPECT_EQ(UnitLine(30, FENSTRO_LINE_CAPACITY), "Zeile " + std::to_string(total));
    PumpFor(200);
    int max = 0, page = 0;
    int pos = VerticalPosition(w, &max, &page);
    EXPECT_EQ(max, static_cast<int>(FENSTRO_LINE_CAPACITY) - 1);
    ASSERT_GT(page, 3);
    EXPECT_EQ(pos, max + 1 - page); // at the end

    SendMessageA(w, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(VerticalPosition(w), 0);
    SendMessageA(w, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(VerticalPosition(w), 3);
    SendMessageA(w, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(VerticalPosition(w), 3 + page);
    SendMessageA(w, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(VerticalPosition(w), 2 + page);
    SendMessageA(w, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(VerticalPosition(w), 3 + page);
    // Away from the end, new lines do not move the view.
    WriteRecord(30, " neu");
    PumpFor(200);
    EXPECT_EQ(VerticalPosition(w), 3 + page - 1); // one line dropped at the top
    SendMessageA(w, WM_VSCROLL, SB_TOP, 0);
    UpdateWindow(w);
    SaveWindowPng(w, "fenstro_text_top");
    // A long line gives the window a horizontal range; Home and End move along it.
    WriteRecord(30, " lang:" + std::string(300, '-') + "|");
    PumpFor(200);
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(w, SB_HORZ, &si);
    EXPECT_EQ(si.nMax, 306);
    SendMessageA(w, WM_KEYDOWN, VK_END, 0);
    GetScrollInfo(w, SB_HORZ, &si);
    EXPECT_EQ(si.nPos, si.nMax - static_cast<int>(si.nPage) + 1);
    SendMessageA(w, WM_KEYDOWN, VK_HOME, 0);
    GetScrollInfo(w, SB_HORZ, &si);
    EXPECT_EQ(si.nPos, 0);
    SendMessageA(w, WM_VSCROLL, SB_BOTTOM, 0);
    WriteRecord(30, " neuer");
    PumpFor(200);
    pos = VerticalPosition(w, &max, &page);
    EXPECT_EQ(pos, max + 1 - page); // follows the end again
    UpdateWindow(w);
    SaveWindowPng(w, "fenstro_text_end");
}

TEST_F(Units, ClosedTextWindowComesBackWithNewLines) {
    // Closing a text window only makes it an icon. The next line written to it, from either
    // thread, restores it with the line in view; the default output as well.
    static std::atomic<std::int32_t> programWrites{0};
    programWrites = 0;
    mainHook = [] {
        OpenUnit(RESULTS, "USER", "Rechenergebnisse", "UNKNOWN");
        WriteRecord(RESULTS, " ", true);
        WriteDefaultOutput("Bereit.");
        while (WaitForSingleObject(goEvent, 10) == WAIT_TIMEOUT)
            if (std::int32_t unit = programWrites.exchange(0))
                WriteRecord(unit, " vom Programm");
    };
    ASSERT_TRUE(Start());
    ASSERT_TRUE(
        PumpUntil([] { return GetWindowHandle(RESULTS) && GetWindowHandle(DEFAULT_OUTPUT_UNIT); }));
    struct Case {
        std::int32_t unit;
        bool fromProgram;
    };
    const Case cases[] = {{RESULTS, false},
                          {RESULTS, true},
                          {DEFAULT_OUTPUT_UNIT, false},
                          {DEFAULT_OUTPUT_UNIT, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.unit) + (c.fromProgram ? " program thread" : " interface"));
        HWND w = GetWindowHandle(c.unit);
        PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); // the close box
        ASSERT_TRUE(PumpUntil([&] { return IsIconic(w) != FALSE; }));
        PumpFor(200);
        EXPECT_TRUE(IsIconic(w));     // nothing new, it stays an icon
        for (int i = 1; i <= 40; ++i) // more than the window shows at once
            if (c.fromProgram) {
                programWrites = c.unit;
                ASSERT_TRUE(PumpUntil([] { return programWrites.load() == 0; }));
            } else {
                WriteRecord(c.unit, " Zeile " + std::to_string(i));
            }
        ASSERT_TRUE(PumpUntil([&] { return !IsIconic(w); }));
        EXPECT_EQ(UnitLine(c.unit, UnitLineCount(c.unit)),
                  c.fromProgram ? "vom Programm" : "Zeile 40");
        EXPECT_EQ(GetWindowHandle(c.unit), w);
        EXPECT_TRUE(IsWindowVisible(w));
        PumpFor(100);
        int max = 0, page = 0;
        int pos = VerticalPosition(w, &max, &page);
        EXPECT_EQ(max, static_cast<int>(UnitLineCount(c.unit)) - 1);
        EXPECT_EQ(pos, max + 1 - page); // the newest line in view
    }
    UpdateWindow(FenstroFrame());
    SaveWindowPng(FenstroFrame(), "fenstro_closed_window_back");
}

TEST_F(Units, RestoredWindowLeavesTheFocusInTheOpenDialog) {
    // The formula demo keeps its dialog open and writes a table per OK: a closed results
    // window comes back behind the dialog, which keeps the keyboard.
    static DialogRecord formel;
    mainHook = [] { OpenUnit(RESULTS, "USER", "Rechenergebnisse", "UNKNOWN"); };
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitForProgram());
    HWND w = GetWindowHandle(RESULTS);
    ASSERT_NE(w, nullptr);
    PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(PumpUntil([&] { return IsIconic(w) != FALSE; }));
    ASSERT_TRUE(DLGInit(IDD_TEST_FORMEL, formel));
    ASSERT_TRUE(DlgSetCallback(formel, IDC_T_OK, [](DialogRecord&, std::int32_t&, std::int32_t&) {
        for (int i = 1; i <= 100; ++i)
            WriteRecord(RESULTS, ResultRecord(i));
    }));
    HWND focus = nullptr, active = nullptr, edit = nullptr, shown = nullptr;
    bool ran = RunModal([] { DLGMODAL(formel); },
                        {{DialogTitled("Formel - Berechnung"),
                          [&](HWND dlg) {
                              shown = dlg;
                              edit = GetDlgItem(dlg, IDC_T_A);
                              SetFocus(edit);
                              PressButton(dlg, IDC_T_OK);
                          }},
                         {[&]() -> HWND { return IsIconic(w) ? nullptr : DlgWindow(formel); },
                          [&](HWND dlg) {
                              PumpFor(100);
                              focus = GetFocus();
                              active = GetActiveWindow();
                              SaveWindowPng(FenstroFrame(), "fenstro_restored_behind_dialog");
                              PressButton(dlg, IDCANCEL);
                          }}});
    DlgRelease(formel);
    ASSERT_TRUE(ran);
    EXPECT_EQ(UnitLineCount(RESULTS), 100u);
    EXPECT_EQ(active, shown);
    EXPECT_EQ(focus, edit);
}

TEST_F(Units, TextWindowReleasesItsFontWhenDestroyed) {
    // Each text window draws with a font of its own: in the frame until the frame closes, and
    // in the window of a pause before the frame exists until the pause is answered.
    HFONT pauseFont = nullptr;
    initHook = [] {
        PauseProgram("Vor dem Rahmen.");
        return true;
    };
    mainHook = [] { OpenUnit(RESULTS, "USER", "Rechenergebnisse", "UNKNOWN"); };
    bool ran = RunModal([&] { ASSERT_TRUE(Start()); },
                        {{[] { return FindWindowA("FenstroText", nullptr); },
                          [&](HWND w) {
                              pauseFont =
                                  reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0));
                              EXPECT_EQ(GetObjectType(pauseFont), static_cast<DWORD>(OBJ_FONT));
                              PostMessageA(w, WM_CHAR, '\r', 0);
                          }}});
    ASSERT_TRUE(ran);
    ASSERT_NE(pauseFont, nullptr);
    EXPECT_EQ(GetObjectType(pauseFont), 0u);

    ASSERT_TRUE(WaitForProgram());
    HFONT fonts[2] = {};
    std::int32_t units[2] = {RESULTS, DEFAULT_OUTPUT_UNIT};
    for (int i = 0; i < 2; ++i) {
        fonts[i] =
            reinterpret_cast<HFONT>(SendMessageA(GetWindowHandle(units[i]), WM_GETFONT, 0, 0));
        EXPECT_EQ(GetObjectType(fonts[i]), static_cast<DWORD>(OBJ_FONT)) << units[i];
    }
    EXPECT_NE(fonts[0], fonts[1]);
    HWND frame = FenstroFrame();
    PostMessageA(frame, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(frame); }));
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(GetObjectType(fonts[i]), 0u) << units[i];
}

TEST_F(Units, AfterTheFrameClosesTheProgramThreadFindsNoFrame) {
    // The user closes the frame while MainProgram goes on (the process ends only after the
    // message loop): the frame's handle is gone, and a unit opened then is no run-time error.
    static std::atomic<int> step{0};
    static std::atomic<bool> opened{false};
    static std::atomic<HWND> frameSeen{nullptr};
    step = 0;
    mainHook = [] {
        OpenUnit(RESULTS, "USER", "Rechenergebnisse", "UNKNOWN");
        step = 1;
        WaitForSingleObject(goEvent, INFINITE);
        opened = TryOpenUnit(78, "USER", "Zu sp\xE4t", "UNKNOWN");
        WriteRecord(78, " nach dem Rahmen");
        WriteRecord(RESULTS, " nach dem Rahmen");
        frameSeen = GetWindowHandle(FRAME_WINDOW_UNIT);
        step = 2;
    };
    ASSERT_TRUE(Start());
    ASSERT_TRUE(PumpUntil([] { return step.load() == 1; }));
    HWND frame = FenstroFrame();
    PostMessageA(frame, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(frame); }));
    EXPECT_EQ(FenstroFrame(), nullptr);
    EXPECT_EQ(GetWindowHandle(FRAME_WINDOW_UNIT), nullptr);
    EXPECT_EQ(GetWindowHandle(RESULTS), nullptr);
    SetEvent(goEvent);
    ASSERT_TRUE(PumpUntil([] { return step.load() == 2; }));
    EXPECT_TRUE(opened);
    EXPECT_EQ(frameSeen.load(), nullptr);
    EXPECT_EQ(GetWindowHandle(78), nullptr);
    EXPECT_EQ(UnitLine(78, 1), "nach dem Rahmen");
    EXPECT_EQ(FindWindowA("FenstroText", nullptr), nullptr); // no window outside a frame
}

TEST(FenstroProgram, OpeningAnythingButTheConsoleEndsWithTheRunTimeReport) {
    SetEnvironmentVariableA("FENSTRO_TESTPROG_OPEN", "daten.txt");
    StartedProgram p = StartProgramUnderTest(FENSTRO_TESTPROG, "#32770", "fenstro_testprog");
    SetEnvironmentVariableA("FENSTRO_TESTPROG_OPEN", nullptr);
    ASSERT_NE(p.hwnd, nullptr);
    EXPECT_EQ(MessageBoxText(p.hwnd), IoErrorReport(IoError::OpenFailure, 5, "daten.txt"));
    SaveWindowPng(p.hwnd, "fenstro_open_failure");
    PostMessageA(p.hwnd, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(WaitForExit(p), IoErrorNumber(IoError::OpenFailure));
}

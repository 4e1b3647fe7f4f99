// The frame, its menu bar, the start-up hook and its failure, placement and profile.
#include "testhooks.h"

#include "fenstro_internal.h" // WM_FENSTRO_CALL, to post a mark behind a close request

#include <commdlg.h>

#include <atomic>
#include <vector>

#include "closereq.h"
#include "filedlg.h"
#include "runerror_box.h"
#include "testids.h"

namespace {

struct Call {
    int routine;
    std::int32_t checked;
    bool onInterfaceThread;
};
std::vector<Call> calls;
DWORD interfaceThread = 0;

template <int N> void Routine(std::int32_t& checked) {
    calls.push_back({N, checked, GetCurrentThreadId() == interfaceThread});
}

// The bar of the formula demo, with routines of the test.
bool BuildFormulaBar() {
    return AddMenuItem(1, MENU_ENABLED, "&Datei", MenuCmdNone) &&
           AddMenuItem(1, MENU_ENABLED, "&Laden", Routine<1>) &&
           AddMenuItem(1, MENU_GRAYED, "&Speichern", Routine<2>) &&
           AddMenuItem(1, MENU_SEPARATOR, "", MenuCmdNone) &&
           AddMenuItem(1, MENU_ENABLED, "E&nde", MenuCmdExit) &&
           AddMenuItem(2, MENU_ENABLED, "&Berechnen", MenuCmdNone) &&
           AddMenuItem(2, MENU_ENABLED | MENU_CHECKED, "&FormelCS", Routine<3>) &&
           AddMenuItem(3, MENU_ENABLED, "&Hilfe", MenuCmdNone) &&
           AddMenuItem(3, MENU_ENABLED, "&Fenstro Help", MenuCmdHelpContents) &&
           AddMenuItem(3, MENU_SEPARATOR, "", MenuCmdNone) &&
           AddMenuItem(3, MENU_ENABLED, "&About LorvexCon", Routine<4>);
}

// Chooses the item at pos of the bar's menu as a user does: WM_COMMAND through the queue.
void Choose(int menu, int pos) {
    HMENU popup = GetSubMenu(GetMenu(FenstroFrame()), menu);
    PostMessageA(FenstroFrame(), WM_COMMAND, GetMenuItemID(popup, pos), 0);
    PumpFor(100);
}

bool Grayed(HMENU menu, UINT pos) {
    return (GetMenuState(menu, pos, MF_BYPOSITION) & MF_GRAYED) != 0;
}

std::vector<std::string> Titles(HMENU bar) {
    std::vector<std::string> t;
    for (int i = 0; bar && i < GetMenuItemCount(bar); ++i)
        t.push_back(MenuText(bar, static_cast<UINT>(i)));
    return t;
}

HWND helpOwner;
std::string helpFile;
UINT helpCommand;
int helpRequests;
BOOL WINAPI RecordHelp(HWND owner, LPCSTR file, UINT command, ULONG_PTR) {
    ++helpRequests;
    helpOwner = owner;
    helpFile = file;
    helpCommand = command;
    return TRUE;
}
// A help engine that cannot be started.
BOOL WINAPI RefuseHelp(HWND owner, LPCSTR file, UINT command, ULONG_PTR data) {
    RecordHelp(owner, file, command, data);
    return FALSE;
}

class Frame : public FenstroTest {
  protected:
    void SetUp() override {
        calls.clear();
        interfaceThread = GetCurrentThreadId();
        helpRequests = 0;
    }
    void TearDown() override {
        fenHelpEngine = WinHelpA;
        FenstroTest::TearDown();
    }
};

} // namespace

TEST_F(Frame, MenuBarBuiltGrayedAndEnabled) {
    std::atomic<bool> enable{false}, enabled{false};
    initHook = [] {
        EXPECT_EQ(FenstroFrame(), nullptr); // before the frame exists
        EXPECT_FALSE(AddMenuItem(2, MENU_ENABLED, "&Zu weit", MenuCmdNone));
        return BuildFormulaBar();
    };
    mainHook = [&] {
        while (!enable)
            SleepMilliseconds(10);
        // From the program thread, as the results routine does it.
        enabled = SetMenuItemFlags(1, 2, MENU_ENABLED);
    };
    ASSERT_TRUE(Start());
    HMENU bar = GetMenu(FenstroFrame());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Titles(bar), (std::vector<std::string>{"&Datei", "&Berechnen", "&Hilfe"}));
    HMENU datei = GetSubMenu(bar, 0), hilfe = GetSubMenu(bar, 2);
    ASSERT_EQ(GetMenuItemCount(datei), 4);
    EXPECT_EQ(MenuText(datei, 0), "&Laden");
    EXPECT_EQ(MenuText(datei, 1), "&Speichern");
    EXPECT_TRUE(GetMenuState(datei, 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(MenuText(datei, 3), "E&nde");
    EXPECT_EQ(MenuText(hilfe, 2), "&About LorvexCon");
    EXPECT_TRUE(Grayed(datei, 1));
    for (UINT pos : {0u, 3u})
        EXPECT_FALSE(Grayed(datei, pos)) << pos;
    EXPECT_FALSE(Grayed(hilfe, 0));
    SaveWindowPng(FenstroFrame(), "fenstro_menubar");

    // A grayed item does nothing; enabled from the program thread it runs its routine.
    Choose(0, 1);
    EXPECT_TRUE(calls.empty());
    enable = true;
    ASSERT_TRUE(WaitForProgram());
    EXPECT_TRUE(enabled);
    EXPECT_FALSE(Grayed(datei, 1));
    Choose(0, 1);
    Choose(0, 0);
    Choose(1, 0); // carries a check mark
    Choose(2, 2);
    ASSERT_EQ(calls.size(), 4u);
    const int expected[] = {2, 1, 3, 4};
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].routine, expected[i]);
        EXPECT_EQ(calls[i].checked, calls[i].routine == 3 ? 1 : 0);
        EXPECT_TRUE(calls[i].onInterfaceThread);
    }

    // Items count from 1 with the separators; a separator takes flags without effect.
    EXPECT_TRUE(SetMenuItemFlags(3, 3, MENU_GRAYED));
    EXPECT_TRUE(Grayed(hilfe, 2));
    EXPECT_TRUE(SetMenuItemFlags(3, 2, MENU_GRAYED));
    EXPECT_TRUE(SetMenuItemFlags(1, 1, MENU_ENABLED | MENU_CHECKED));
    EXPECT_TRUE(GetMenuState(datei, 0, MF_BYPOSITION) & MF_CHECKED);
    Choose(0, 0);
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls.back().checked, 1);
    EXPECT_FALSE(SetMenuItemFlags(1, 5, MENU_ENABLED));
    EXPECT_FALSE(SetMenuItemFlags(4, 1, MENU_ENABLED));
    EXPECT_FALSE(SetMenuItemFlags(1, 0, MENU_ENABLED));

    // A maximised text window puts its system menu first on the bar; menu 1 is still "&Datei".
    OpenUnit(77, "USER", "Rechenergebnisse", "UNKNOWN");
    SendMessageA(FenstroClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(GetWindowHandle(77)), 0);
    PumpFor(100);
    ASSERT_EQ(GetMenuItemCount(bar), 3 + 1 + 3); // system menu, 3 menus, 3 window buttons
    EXPECT_TRUE(SetMenuItemFlags(1, 2, MENU_GRAYED));
    EXPECT_TRUE(Grayed(datei, 1));
    EXPECT_EQ(GetSubMenu(bar, 1), datei);
    SaveWindowPng(FenstroFrame(), "fenstro_menubar_maximised_child");
}

TEST_F(Frame, BareTitleRunsItsRoutineUntilItsMenuHasItems) {
    initHook = [] { return AddMenuItem(1, MENU_ENABLED, "&Los", Routine<7>); };
    ASSERT_TRUE(Start());
    HMENU bar = GetMenu(FenstroFrame());
    ASSERT_NE(bar, nullptr);
    PostMessageA(FenstroFrame(), WM_COMMAND, GetMenuItemID(bar, 0), 0);
    PumpFor(100);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].routine, 7);
    // After the frame exists: a new item turns the title into a menu, its routine dropped.
    UINT titleCommand = GetMenuItemID(bar, 0);
    ASSERT_TRUE(AddMenuItem(1, MENU_ENABLED, "&Eins", Routine<8>));
    ASSERT_TRUE(AddMenuItem(2, MENU_ENABLED, "&Neu", Routine<9>));
    EXPECT_EQ(Titles(GetMenu(FenstroFrame())), (std::vector<std::string>{"&Los", "&Neu"}));
    PostMessageA(FenstroFrame(), WM_COMMAND, titleCommand, 0);
    PumpFor(100);
    EXPECT_EQ(calls.size(), 1u);
    Choose(0, 0);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].routine, 8);
}

TEST_F(Frame, FailingHookIsReportedAndTheItemsSoFarStay) {
    struct Case {
        int goodRows; // rows added before the failing call
        std::vector<std::string> titles;
        int items;
    };
    const Case cases[] = {{2, {"&Datei"}, 1}, {0, {}, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.goodRows);
        initHook = [&] {
            bool ok = true;
            if (c.goodRows >= 1)
                ok = AddMenuItem(1, MENU_ENABLED, "&Datei", MenuCmdNone);
            if (c.goodRows >= 2)
                ok = ok && AddMenuItem(1, MENU_ENABLED, "&Laden", Routine<1>);
            // The failing call: no routine.
            ok = ok && AddMenuItem(1, MENU_GRAYED, "&Speichern", nullptr);
            EXPECT_FALSE(ok);
            PauseProgram("Fehler in INITIALSETTINGS.");
            return false;
        };
        std::string boxText;
        bool started = false;
        bool ran = RunModal([&] { started = Start(); },
                            {{[] {
                                  // The pause shows in a window of its own before the frame exists.
                                  HWND w = FindWindowA("FenstroText", nullptr);
                                  return w && IsWindowVisible(w) ? w : nullptr;
                              },
                              [&](HWND w) {
                                  EXPECT_EQ(FenstroFrame(), nullptr);
                                  EXPECT_EQ(WindowText(w),
                                            std::string(PROGRAM_NAME) +
                                                " - Paused: enter an empty line to continue");
                                  PumpFor(100);
                                  SaveWindowPng(w, "fenstro_startup_pause");
                                  PostMessageA(w, WM_CHAR, '\r', 0);
                              }},
                             {DialogTitled(PROGRAM_NAME), [&](HWND box) {
                                  boxText = MessageBoxText(box);
                                  SaveWindowPng(box, "fenstro_startup_error");
                                  PostMessageA(box, WM_COMMAND, IDOK, 0);
                              }}});
        ASSERT_TRUE(ran);
        ASSERT_TRUE(started);
        EXPECT_NE(boxText.find("INITIALSETTINGS"), std::string::npos) << boxText;
        EXPECT_NE(boxText.find("menu items added so far"), std::string::npos) << boxText;
        HMENU bar = GetMenu(FenstroFrame());
        EXPECT_EQ(Titles(bar), c.titles);
        if (bar && c.items > 0) {
            ASSERT_EQ(GetMenuItemCount(GetSubMenu(bar, 0)), c.items);
            EXPECT_EQ(MenuText(GetSubMenu(bar, 0), 0), "&Laden");
        }
        // The pause's text stays readable in the default output window of the frame.
        HWND out = GetWindowHandle(DEFAULT_OUTPUT_UNIT);
        ASSERT_NE(out, nullptr);
        EXPECT_EQ(GetParent(out), FenstroClient());
        RECT client, place = ChildRect(out);
        GetClientRect(FenstroClient(), &client);
        EXPECT_EQ(place.right, client.right);
        EXPECT_EQ(place.bottom, client.bottom);
        EXPECT_EQ(UnitLine(DEFAULT_OUTPUT_UNIT, 1), "Fehler in INITIALSETTINGS.");
        EXPECT_EQ(UnitLineCount(DEFAULT_OUTPUT_UNIT), 1u);
        PumpFor(100);
        SaveWindowPng(FenstroFrame(), "fenstro_startup_failed_" + std::to_string(c.goodRows));
        TearDown();
    }
}

TEST(FenstroProgram, PauseOfAFailingHookShowsInAFreshProcess) {
    // Nothing of the framework has run before in the process: the pause of the hook still
    // shows its window, the start-up error follows, and the frame opens.
    SetEnvironmentVariableA("FENSTRO_TESTPROG_FAIL_INIT", "1");
    StartedProgram p = StartProgramUnderTest(FENSTRO_TESTPROG, "FenstroText");
    SetEnvironmentVariableA("FENSTRO_TESTPROG_FAIL_INIT", nullptr);
    struct EndOnFailure {
        StartedProgram& p;
        ~EndOnFailure() { WaitForExit(p, 0); } // a program still there is ended
    } ender{p};
    ASSERT_NE(p.hwnd, nullptr);
    EXPECT_EQ(WindowText(p.hwnd), "fenstro_testprog - Paused: enter an empty line to continue");
    PostMessageA(p.hwnd, WM_CHAR, '\r', 0);
    HWND box = nullptr;
    ASSERT_TRUE(PumpUntil(
        [&] { return (box = FindProcessWindow(p.pi.dwProcessId, "#32770", "fenstro_testprog")); }));
    EXPECT_NE(MessageBoxText(box).find("INITIALSETTINGS"), std::string::npos);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND frame = nullptr;
    ASSERT_TRUE(
        PumpUntil([&] { return (frame = FindProcessWindow(p.pi.dwProcessId, "FenstroFrame")); }));
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(p), 0);
}

TEST_F(Frame, PlacedWhereTheHookAsked) {
    // The 80 % frame of the tests' screen.
    initHook = [] {
        WindowGeometry g{GEOMETRY_SET, 102, 77, 614, 819};
        EXPECT_TRUE(SetWindowGeometry(FRAME_WINDOW_UNIT, g));
        return true;
    };
    ASSERT_TRUE(Start());
    HWND frame = FenstroFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(PlaceOf(frame), EIGHTY_PERCENT_FRAME);
    EXPECT_FALSE(IsZoomed(frame));
    EXPECT_EQ(WindowText(frame), PROGRAM_NAME);
    LONG style = GetWindowLongA(frame, GWL_STYLE);
    EXPECT_EQ(style & (WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN),
              static_cast<LONG>(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN));
    EXPECT_EQ(GetMenu(frame), nullptr); // no item, no bar
    char cls[32] = "";
    GetClassNameA(FenstroClient(), cls, sizeof cls);
    EXPECT_STREQ(cls, "MDIClient");
    // The status bar below the client.
    RECT client = ChildRect(FenstroClient()), status = ChildRect(FenstroStatusBar());
    EXPECT_EQ(client.bottom, status.top);
    ASSERT_TRUE(WaitForProgram());
    EXPECT_TRUE(PumpUntil([] { return StatusText() == "Program finished"; }));

    // Later calls move the frame; requests it does not know fail.
    WindowGeometry g{GEOMETRY_SET, 10, 20, 300, 400};
    EXPECT_TRUE(SetWindowGeometry(FRAME_WINDOW_UNIT, g));
    RECT r;
    GetWindowRect(frame, &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.bottom - r.top, 300);
    const WindowGeometry bad[] = {
        {3, 0, 0, 100, 100}, {GEOMETRY_SET, 0, 0, 0, 100}, {GEOMETRY_SET, 0, 0, 100, -5}};
    for (const WindowGeometry& b : bad)
        EXPECT_FALSE(SetWindowGeometry(FRAME_WINDOW_UNIT, b));
    EXPECT_FALSE(SetWindowGeometry(42, g)); // a unit without a window
}

TEST_F(Frame, ProfileKeyMaximisesTheFrame) {
    struct Case {
        const char* value;
        bool maximised;
    };
    const Case cases[] = {{"1", true}, {"0", false}, {nullptr, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(none)");
        WriteProfileStringA(PROGRAM_NAME, "FenstroMaximized", c.value);
        initHook = [] {
            WindowGeometry g{GEOMETRY_SET, 50, 60, 400, 500};
            SetWindowGeometry(FRAME_WINDOW_UNIT, g);
            return true;
        };
        ASSERT_TRUE(Start());
        EXPECT_EQ(IsZoomed(FenstroFrame()) != FALSE, c.maximised);
        if (c.maximised)
            SaveWindowPng(FenstroFrame(), "fenstro_maximised");
        // Restored, the frame stands where the hook asked.
        ShowWindow(FenstroFrame(), SW_RESTORE);
        RECT r;
        GetWindowRect(FenstroFrame(), &r);
        EXPECT_EQ(r.left, 50);
        EXPECT_EQ(r.right - r.left, 500);
        TearDown();
    }
}

TEST_F(Frame, HelpOpensTheFrameworksFileAndExitClosesTheFrame) {
    fenHelpEngine = RecordHelp;
    initHook = BuildFormulaBar;
    ASSERT_TRUE(Start());
    Choose(2, 0);
    fenHelpEngine = WinHelpA;
    EXPECT_EQ(helpOwner, FenstroFrame());
    EXPECT_EQ(helpCommand, static_cast<UINT>(HELP_INDEX));
    ASSERT_GT(helpFile.size(), 12u);
    EXPECT_EQ(helpFile.substr(helpFile.size() - 12), "\\Fenstro.hlp");
    EXPECT_NE(helpFile.find(':'), std::string::npos); // a full path beside the program
    HWND frame = FenstroFrame();
    Choose(0, 3); // E&nde
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(frame); }));
}

TEST_F(Frame, HelpThatCannotStartIsReportedOverTheFrameAndTheProgramGoesOn) {
    fenHelpEngine = RefuseHelp;
    initHook = BuildFormulaBar;
    ASSERT_TRUE(Start());
    const HWND frame = FenstroFrame();
    BoxSeen box;
    bool frameHeld = false;
    ASSERT_TRUE(RunModal([] { Choose(2, 0); }, {{DialogTitled(PROGRAM_NAME), [&](HWND dlg) {
                                                     frameHeld = CloseMustWait(frame);
                                                     box = ReadAndCloseBox(dlg,
                                                                           "fenstro_help_failure");
                                                 }}}));
    EXPECT_EQ(helpRequests, 1);
    EXPECT_EQ(helpOwner, frame);
    EXPECT_EQ(helpCommand, static_cast<UINT>(HELP_INDEX));
    EXPECT_EQ(box.text, "Unable to activate help");
    EXPECT_EQ(box.caption, PROGRAM_NAME);
    EXPECT_EQ(box.owner, frame);
    EXPECT_TRUE(box.topmost);  // MB_SYSTEMMODAL
    EXPECT_TRUE(box.handIcon); // MB_ICONHAND
    EXPECT_TRUE(frameHeld);
    // The program goes on: the frame takes input again and the next routine runs.
    EXPECT_TRUE(IsWindowEnabled(frame));
    Choose(2, 2); // &About LorvexCon
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].routine, 4);
    EXPECT_EQ(FindThreadDialog(), nullptr);
}

namespace {

// What a menu routine shows while a close request comes, and how the user ends it.
struct WaitingCase {
    const char* name;
    std::function<void()> show; // runs inside the routine; returns when the user has ended it
    std::function<HWND()> find; // the window shown
    std::function<void(HWND)> end;
    const char* shot;           // screenshot name, or NULL
    bool programThread = false; // shown by MainProgram instead of a menu routine
};

DialogRecord waitingAbout;
OPENFILENAMEA waitingOfn;
char waitingName[64];
char waitingPath[MAX_PATH];
const WaitingCase* waitingCase = nullptr;

std::atomic<bool> waitingRoutineEnded{false};

void WaitingRoutine(std::int32_t&) {
    waitingCase->show();
    waitingRoutineEnded = true;
}

HWND PauseWindow() {
    return StatusText() == "Paused: enter an empty line to continue"
               ? GetWindowHandle(DEFAULT_OUTPUT_UNIT)
               : nullptr;
}

} // namespace

TEST_F(Frame, CloseRequestWaitsWhileADialogOrBoxIsOpen) {
    // A taskbar or the session's end can close the frame while a dialog of a menu routine is
    // open, although the mouse cannot reach the frame. The program stays, the dialog too;
    // once the user has ended it, a close request closes the frame.
    const WaitingCase cases[] = {
        {"dialog of the library",
         [] {
             ASSERT_TRUE(DLGInit(IDD_TEST_ABOUT, waitingAbout));
             EXPECT_EQ(DLGMODAL(waitingAbout), IDOK);
             DlgRelease(waitingAbout);
         },
         DialogTitled("About Test"), [](HWND dlg) { PressButton(dlg, IDOK); },
         "fenstro_close_waits_dialog"},
        {"box owned by the frame",
         [] { MessageBoxA(FenstroFrame(), "Wirklich?", "Frage", MB_OKCANCEL); },
         DialogTitled("Frage"), [](HWND box) { PressButton(box, IDOK); }, nullptr},
        {"box owned by a text window",
         [] { MessageBoxA(GetWindowHandle(77), "Wirklich?", "Frage", MB_OKCANCEL); },
         DialogTitled("Frage"), [](HWND box) { PressButton(box, IDOK); }, nullptr},
        {"run-time error box (task-modal, no owner)",
         [] { ShowRunTimeError(IoError::OpenFailure, 5, "C:\\fehlt.dat", "Fehlerbox"); },
         DialogTitled("Fehlerbox"), [](HWND box) { PressButton(box, IDOK); }, nullptr},
        {"box without owner, which leaves the frame enabled",
         [] { MessageBoxA(nullptr, "Ohne Besitzer", "Frei", MB_OK); }, DialogTitled("Frei"),
         [](HWND box) { PressButton(box, IDOK); }, nullptr},
        {"save dialog owned by a text window",
         [] {
             lstrcpyA(waitingName, "Ergebnis.dat");
             InitFileDialog(waitingOfn, GetWindowHandle(77), "Sichern",
                            OFN_LONGNAMES | OFN_OVERWRITEPROMPT, "Daten (*.dat)\0*.dat\0\0", "dat",
                            waitingName, sizeof waitingName, waitingPath, sizeof waitingPath);
             EXPECT_FALSE(GetSaveFileNameA(&waitingOfn));
         },
         ReadyFileDialog("Sichern"), [](HWND dlg) { PressButton(dlg, IDCANCEL); },
         "fenstro_close_waits_file_dialog"},
        {"pause on the interface thread, which leaves the frame enabled",
         [] { PauseProgram("Weiter mit Enter."); }, PauseWindow,
         [](HWND out) { PostMessageA(out, WM_CHAR, '\r', 0); }, nullptr},
        {"box of the main routine owned by the frame",
         [] { MessageBoxA(GetWindowHandle(FRAME_WINDOW_UNIT), "Weiter?", "Programm", MB_OK); },
         [] { return FindWindowA("#32770", "Programm"); }, [](HWND box) { PressButton(box, IDOK); },
         nullptr, true},
    };
    for (const WaitingCase& c : cases) {
        SCOPED_TRACE(c.name);
        waitingCase = &c;
        waitingRoutineEnded = false;
        initHook = [] {
            return AddMenuItem(1, MENU_ENABLED, "&Datei", MenuCmdNone) &&
                   AddMenuItem(1, MENU_ENABLED, "&Zeigen", WaitingRoutine);
        };
        mainHook = [] {
            OpenUnit(77, "USER", "Rechenergebnisse", "UNKNOWN");
            WriteRecord(77, " Zeile 1");
            std::int32_t unchecked = 0;
            if (waitingCase->programThread)
                WaitingRoutine(unchecked);
        };
        ASSERT_TRUE(Start());
        HWND frame = FenstroFrame();
        ASSERT_TRUE(PumpUntil([] { return GetWindowHandle(77) != nullptr; }));
        UINT command = GetMenuItemID(GetSubMenu(GetMenu(frame), 0), 0);

        bool closeTaken = false;
        // Posted behind the close request: when it runs, the frame has had the request.
        const std::function<void()> markClose = [&] { closeTaken = true; };
        HWND shown = nullptr;
        bool ran = RunModal(
            [&] {
                if (!c.programThread)
                    PostMessageA(frame, WM_COMMAND, command, 0); // the user chooses the item
                PumpUntil([] { return waitingRoutineEnded.load(); }, 20000);
            },
            {{c.find,
              [&](HWND w) {
                  shown = w;
                  PostMessageA(frame, WM_CLOSE, 0, 0);
                  PostMessageA(frame, WM_FENSTRO_CALL, 0, reinterpret_cast<LPARAM>(&markClose));
              }},
             {[&]() -> HWND { return closeTaken ? shown : nullptr; },
              [&](HWND w) {
                  EXPECT_TRUE(IsWindow(frame));
                  EXPECT_TRUE(IsWindowVisible(w)); // still open, the user can answer it
                  if (c.shot)
                      SaveWindowPng(frame, c.shot);
                  c.end(w);
              }}},
            20000);
        EXPECT_TRUE(ran);
        EXPECT_TRUE(waitingRoutineEnded);
        EXPECT_TRUE(WaitForProgram());
        EXPECT_TRUE(IsWindow(frame));
        EXPECT_TRUE(IsWindowEnabled(frame));
        // The routine went on to its end in a living frame; now a close request closes it.
        PostMessageA(frame, WM_CLOSE, 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(frame); }));
        TearDown();
    }
}

// Close requests that reach Lorvex's windows while one of its modal dialogs or message boxes
// is open, as a taskbar, a window manager or a session end sends them (a mouse cannot: the
// window is disabled). The dialog stays, the command finishes, and the program runs on. And
// commands that other programs post meanwhile: they are dropped.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "file_fixture.h"
#include "resultfile.h"

namespace {

void CALLBACK QuitLate(HWND, UINT, UINT_PTR, DWORD) {
    PostQuitMessage(99); // the close request did not end the loop
}

BOOL WINAPI RefusingHelp(HWND, LPCSTR, UINT, ULONG_PTR) {
    return FALSE;
}

int helpRequests = 0;
BOOL WINAPI CountedRefusingHelp(HWND, LPCSTR, UINT, ULONG_PTR) {
    ++helpRequests;
    return FALSE;
}

// A fault in a dialog's code would otherwise wait for a debugger until ctest's time-out.
LONG WINAPI EndAtFault(EXCEPTION_POINTERS* e) {
    fprintf(stderr, "fault 0x%08lX at %p\n", e->ExceptionRecord->ExceptionCode,
            e->ExceptionRecord->ExceptionAddress);
    fflush(stderr);
    ExitProcess(3);
}

class CloseRequests : public FileCommands {
  protected:
    LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;

    void SetUp() override {
        FileCommands::SetUp();
        previousFilter = SetUnhandledExceptionFilter(EndAtFault);
    }
    void TearDown() override {
        SetUnhandledExceptionFilter(previousFilter);
        FileCommands::TearDown();
    }

    // A main window in place of one that a close request destroyed.
    void NewMainWindow() {
        SetNameField(menuName, "Lorvex");
        hMenu = LoadMenuA(hInst, menuName);
        hwndMain = CreateMainWindow(hInst);
        ASSERT_NE(hwndMain, nullptr);
        ShowWindow(hwndMain, SW_SHOWNORMAL);
        ASSERT_TRUE(ActivateWindow(hwndMain));
    }

    // With no dialog open, a close request ends the program as ever: the loop returns 0 and
    // the window is gone. A new main window then stands in for the next case.
    void ExpectCloseEndsTheProgram() {
        PostMessageA(hwndMain, WM_CLOSE, 0, 0);
        UINT_PTR late = SetTimer(nullptr, 0, 5000, QuitLate);
        EXPECT_EQ(RunMessageLoop(hAccel), 0);
        KillTimer(nullptr, late);
        EXPECT_FALSE(IsWindow(hwndMain));
        EXPECT_EQ(hwndResults, NO_WINDOW);
        NewMainWindow();
    }
};

// The case of the audit: the save dialog asks whether to replace the file, and the main
// window is asked to close meanwhile. The question stays; answered, the whole file is written.
TEST_F(CloseRequests, WhileTheOverwriteQuestionIsOpenTheSaveFinishesWhole) {
    ComputeFormula();
    ShowResultsWindow();
    const HWND results = hwndResults;
    const std::string path = Path("ergebnis.dat");
    WriteAll(path, "alt\r\n");
    HWND saveDialog = nullptr, question = nullptr;
    bool stayed = false;
    ASSERT_TRUE(RunModal(
        [] { SendMessageA(hwndMain, WM_COMMAND, IDM_SPEICHERN, 0); },
        Then(ChooseFileSteps(SAVE_TITLE, path, &saveDialog),
             {{OverwritePrompt(&saveDialog),
               [&](HWND box) {
                   question = box;
                   PostMessageA(hwndMain, WM_CLOSE, 0, 0);
               }},
              // A timer comes only after every posted message: the request has been handled.
              {[&] { return IsWindowVisible(question) ? question : nullptr; },
               [&](HWND box) {
                   stayed = IsWindow(hwndMain) && IsWindowVisible(saveDialog);
                   SaveWindowPng(box, "lorvex_close_request_overwrite_question");
                   PostMessageA(box, WM_COMMAND, IDYES, 0);
               }}})));
    EXPECT_TRUE(stayed);
    EXPECT_EQ(ReadAll(path), ResultFileContent(resultTable));
    ASSERT_TRUE(IsWindow(hwndMain));
    EXPECT_TRUE(IsWindowEnabled(hwndMain));
    EXPECT_EQ(hwndResults, results);
    ExpectCloseEndsTheProgram();
}

// Every dialog and box of Lorvex, each with a close request to the main window and one to the
// results window. The results window may close as ever unless the box has disabled it too
// (the task-modal run-time error box, or a box that it owns).
TEST_F(CloseRequests, WhileAnyDialogOrBoxIsOpenTheProgramRunsOn) {
    const std::string bad = Path("kaputt.dat");
    WriteAll(bad, "1 2\r\nabc\r\n");
    const std::string tooLong = Path(std::string(259 - Path("").size() - 4, 'n') + ".dat");
    struct Case {
        const char* name;
        UINT command;
        enum { MainFocused, NoFocus, ResultsFocused } focus;
        std::vector<ModalStep> reach;  // up to the dialog or box that is then open
        std::function<HWND()> open;    // finds it
        std::vector<ModalStep> finish; // ends it (its handle as the first step's window)
        bool resultsStays;
    };
    auto pressOk = [](HWND w) { PressButton(w, IDOK); };
    auto pressCancel = [](HWND w) { PressButton(w, IDCANCEL); };
    auto postOk = [](HWND w) { PostMessageA(w, WM_COMMAND, IDOK, 0); };
    const Case cases[] = {
        {"About dialog",
         IDM_ABOUT,
         Case::MainFocused,
         {},
         DialogTitled("About Lorvex"),
         {{nullptr, pressOk}},
         false},
        {"formula dialog",
         IDM_FORMEL,
         Case::MainFocused,
         {},
         DialogTitled("Formel - Berechnung"),
         {{nullptr, pressCancel}},
         false},
        {"input error of the formula dialog",
         IDM_FORMEL,
         Case::MainFocused,
         {{DialogTitled("Formel - Berechnung"),
           [](HWND dlg) {
               SetDlgItemTextA(dlg, IDC_N, "0");
               PressButton(dlg, IDOK);
           }}},
         DialogTitled("Fehler"),
         {{nullptr, postOk}, {DialogTitled("Formel - Berechnung"), pressCancel}},
         false},
        {"load dialog",
         IDM_LADEN,
         Case::MainFocused,
         {},
         ReadyFileDialog(LOAD_TITLE),
         {{nullptr, pressCancel}},
         false},
        {"save dialog",
         IDM_SPEICHERN,
         Case::MainFocused,
         {},
         ReadyFileDialog(SAVE_TITLE),
         {{nullptr, pressCancel}},
         false},
        {"failed file dialog",
         IDM_SPEICHERN,
         Case::MainFocused,
         ChooseFileSteps(SAVE_TITLE, tooLong),
         DialogTitled("Lorvex"),
         {{nullptr, postOk}},
         false},
        {"run-time error box",
         IDM_LADEN,
         Case::MainFocused,
         ChooseFileSteps(LOAD_TITLE, bad),
         DialogTitled("Lorvex"),
         {{nullptr, postOk}},
         true},
        {"help failure box",
         IDM_HELPCONTENTS,
         Case::MainFocused,
         {},
         DialogTitled("Lorvex"),
         {{nullptr, postOk}},
         false},
        // No window has the focus: the box has no owner and disables nothing.
        {"help-on-help failure box without owner",
         IDM_HELPHELP,
         Case::NoFocus,
         {},
         DialogTitled("Lorvex"),
         {{nullptr, postOk}},
         false},
        {"help-on-help failure box of the results window",
         IDM_HELPHELP,
         Case::ResultsFocused,
         {},
         DialogTitled("Lorvex"),
         {{nullptr, postOk}},
         true},
    };
    helpEngine = RefusingHelp;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ComputeFormula();
        ShowResultsWindow();
        const ResultTable before = resultTable;
        if (c.focus == Case::NoFocus) {
            SetFocus(nullptr);
        } else if (c.focus == Case::ResultsFocused) {
            ASSERT_TRUE(ActivateWindow(hwndResults));
        }
        HWND shown = nullptr;
        HWND results = hwndResults;
        bool stayed = false;
        std::vector<ModalStep> steps = c.reach;
        steps.push_back({c.open, [&](HWND w) {
                             shown = w;
                             PostMessageA(hwndMain, WM_CLOSE, 0, 0);
                             PostMessageA(results, WM_CLOSE, 0, 0);
                         }});
        // A timer comes only after every posted message: both requests have been handled.
        std::vector<ModalStep> finish = c.finish;
        auto end = finish[0].act;
        finish[0] = {[&] { return IsWindowVisible(shown) ? shown : nullptr; },
                     [&, end](HWND w) {
                         stayed = IsWindow(hwndMain);
                         end(w);
                     }};
        steps = Then(steps, finish);
        const UINT command = c.command;
        EXPECT_TRUE(RunModal([command] { SendMessageA(hwndMain, WM_COMMAND, command, 0); }, steps));
        EXPECT_TRUE(stayed);
        if (!IsWindow(hwndMain)) {
            ADD_FAILURE() << "the close request ended the program";
            DrainQueue();
            hwndResults = NO_WINDOW;
            NewMainWindow();
            continue;
        }
        EXPECT_TRUE(IsWindowEnabled(hwndMain));
        EXPECT_EQ(FindThreadDialog(), nullptr);
        EXPECT_EQ(IsWindow(results) != FALSE, c.resultsStays);
        EXPECT_EQ(hwndResults, c.resultsStays ? results : NO_WINDOW);
        EXPECT_TRUE(SameTable(resultTable, before));
        ExpectCloseEndsTheProgram();
    }
}

// Every command of the menu, posted to the main window while the load or save dialog, a help
// failure box or the formula dialog's input error box is open (with the dialog's own OK then):
// nothing opens over the open one, no help is asked for, the table, the file and the name
// offered stay, and once the user has answered, the commands work again.
TEST_F(CloseRequests, CommandsPostedWhileADialogOrBoxIsOpenAreDropped) {
    const std::string file = Path("ergebnis.dat");
    WriteAll(file, "alt\r\n");
    auto main = [] { return hwndMain; };
    const std::vector<PostedCommand> menu = {
        {"IDM_LADEN", main, IDM_LADEN},
        {"IDM_SPEICHERN", main, IDM_SPEICHERN},
        {"IDM_FORMEL", main, IDM_FORMEL},
        {"IDM_ABOUT", main, IDM_ABOUT},
        {"IDM_HELPCONTENTS", main, IDM_HELPCONTENTS},
        {"IDM_HELPSEARCH", main, IDM_HELPSEARCH},
        {"IDM_HELPHELP", main, IDM_HELPHELP},
        {"IDM_EXIT", main, IDM_EXIT},
    };
    struct Case {
        const char* name;
        UINT command;
        bool noFocus;
        std::vector<ModalStep> reach; // up to the dialog or box that is then open
        std::function<HWND()> open;   // finds it
        std::vector<PostedCommand> more;
        std::vector<ModalStep> finish; // ends it (its handle as the first step's window)
        int helpRequests;              // that the case itself makes
    };
    auto pressCancel = [](HWND w) { PressButton(w, IDCANCEL); };
    auto postOk = [](HWND w) { PostMessageA(w, WM_COMMAND, IDOK, 0); };
    const Case cases[] = {
        {"load dialog",
         IDM_LADEN,
         false,
         {},
         ReadyFileDialog(LOAD_TITLE),
         {},
         {{nullptr, pressCancel}},
         0},
        {"save dialog",
         IDM_SPEICHERN,
         false,
         {},
         ReadyFileDialog(SAVE_TITLE),
         {},
         {{nullptr, pressCancel}},
         0},
        {"help failure box",
         IDM_HELPCONTENTS,
         false,
         {},
         DialogTitled("Lorvex"),
         {},
         {{nullptr, postOk}},
         1},
        // No window has the focus: the box has no owner, and the main window is held by hand.
        {"help-on-help failure box without owner",
         IDM_HELPHELP,
         true,
         {},
         DialogTitled("Lorvex"),
         {},
         {{nullptr, postOk}},
         1},
        {"input error box of the formula dialog",
         IDM_FORMEL,
         false,
         {{DialogTitled("Formel - Berechnung"),
           [](HWND dlg) {
               SetDlgItemTextA(dlg, IDC_N, "0");
               PressButton(dlg, IDOK);
           }}},
         DialogTitled("Fehler"),
         {{"IDOK of the formula dialog", DialogTitled("Formel - Berechnung"), IDOK}},
         {{nullptr, postOk}, {DialogTitled("Formel - Berechnung"), pressCancel}},
         0},
    };
    helpEngine = CountedRefusingHelp;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetFormulaModel();
        ComputeFormula();
        ShowResultsWindow();
        const ResultTable before = resultTable;
        const std::string offered = formulaModel.resultFileName;
        ASSERT_TRUE(ActivateWindow(hwndMain));
        if (c.noFocus)
            SetFocus(nullptr);
        helpRequests = 0;
        HWND shown = nullptr;
        std::vector<std::string> opened;
        std::vector<PostedCommand> commands = menu;
        commands.insert(commands.end(), c.more.begin(), c.more.end());
        std::vector<ModalStep> finish = c.finish;
        finish[0].find = [&] { return IsWindowVisible(shown) ? shown : nullptr; };
        const UINT command = c.command;
        EXPECT_TRUE(RunModal(
            [command] { SendMessageA(hwndMain, WM_COMMAND, command, 0); },
            Then(Then(c.reach, PostCommandsSteps(c.open, commands, &shown, &opened)), finish),
            20000));
        EXPECT_EQ(opened, std::vector<std::string>{});
        EXPECT_EQ(helpRequests, c.helpRequests);
        EXPECT_TRUE(SameTable(resultTable, before));
        EXPECT_EQ(ReadAll(file), "alt\r\n");
        EXPECT_EQ(formulaModel.resultFileName, offered);
        // The program goes on: the window takes commands again, and nothing is left open.
        ASSERT_TRUE(IsWindow(hwndMain));
        EXPECT_TRUE(IsWindowEnabled(hwndMain));
        EXPECT_EQ(FindThreadDialog(), nullptr);
        EXPECT_EQ(DrainQueue(), -1);
    }
    // Once the dialogs are answered, a command works as ever: the formula dialog opens and its
    // OK computes the table anew.
    ResetFormulaModel();
    ComputeFormula();
    const ResultTable computed = resultTable;
    resultTable = ResultTable{};
    EXPECT_TRUE(RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_FORMEL, 0); },
                         {{DialogTitled("Formel - Berechnung"), [](HWND dlg) {
                               PressButton(dlg, IDOK);
                               PressButton(dlg, IDCANCEL);
                           }}}));
    EXPECT_TRUE(SameTable(resultTable, computed));
}

} // namespace

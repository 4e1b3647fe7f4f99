// The About dialog, and loading and saving result files through the real file dialogs, also
// across the two editions of the program.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <cmath>

#include "formdemo_testing.h"
#include "tests/formdemo_checks.h"
#include "lorvexcon_fixture.h"
#include "resultfile.h"

namespace {

// A table no start-up state holds.
ResultTable SampleTable() {
    ResultTable t;
    for (int i = 0; i < POINT_COUNT; ++i) {
        t.xValues[i] = -3 + i * 0.0625;
        t.yValues[i] = std::sin(i * 0.3) * 1000;
    }
    return t;
}

bool SameTable(const ResultTable& a, const ResultTable& b) {
    for (int i = 0; i < POINT_COUNT; ++i)
        if (ResultNumberField(a.xValues[i]) != ResultNumberField(b.xValues[i]) ||
            ResultNumberField(a.yValues[i]) != ResultNumberField(b.yValues[i]))
            return false;
    return true;
}

class Files : public LorvexCon {
  protected:
    TempFolder ownFolder{"lorvexcon_files"};
    // The current folder is another one: the files must not depend on it.
    TempFolder cwdFolder{"lorvexcon_cwd"};
    const std::string dir = ownFolder.path, other = cwdFolder.path;
    char oldDir[MAX_PATH] = "";

    void SetUp() override {
        LorvexCon::SetUp();
        GetCurrentDirectoryA(sizeof oldDir, oldDir);
        SetCurrentDirectoryA(other.c_str());
    }
    void TearDown() override {
        resultOpenDialog = GetOpenFileNameA;
        resultSaveDialog = GetSaveFileNameA;
        SetCurrentDirectoryA(oldDir);
        LorvexCon::TearDown();
    }
    std::string Path(const char* name) { return ownFolder.Path(name); }
    bool Load(const std::string& path, std::vector<ModalStep> after = {}) {
        return RunModal([] { ChooseMenuItem(1, 1); },
                        Then(ChooseFileSteps(LOAD_TITLE, path), after));
    }
    bool Save(const std::string& path, std::vector<ModalStep> after = {}) {
        return RunModal([] { ChooseMenuItem(1, 2); },
                        Then(ChooseFileSteps(SAVE_TITLE, path), after));
    }
};

} // namespace

TEST_F(LorvexCon, AboutEndsOnOkAndEnterOnly) {
    for (bool enter : {false, true}) {
        SCOPED_TRACE(enter);
        bool stayed = false;
        ASSERT_TRUE(RunModal([] { ChooseMenuItem(3, 3); },
                             {{DialogTitled("About Lorvex"), [&](HWND dlg) {
                                   EXPECT_EQ(ItemText(dlg, 1001), "GUI Programmierung mit Quenta");
                                   EXPECT_NE(ItemText(dlg, IDC_ABOUT_NOTICE), "");
                                   PumpFor(100);
                                   if (!enter)
                                       SaveWindowPng(dlg, "lorvexcon_about");
                                   // The Esc key and the close box.
                                   ActivateWindow(dlg);
                                   TypeKey(VK_ESCAPE);
                                   SendMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
                                   PumpFor(50);
                                   stayed = IsWindowVisible(dlg) != FALSE;
                                   if (enter) {
                                       ActivateWindow(dlg);
                                       TypeKey(VK_RETURN);
                                   } else {
                                       PressButton(dlg, IDOK);
                                   }
                               }}}));
        EXPECT_TRUE(stayed);
        EXPECT_EQ(FindThreadDialog("About Lorvex"), nullptr);
        EXPECT_EQ(dlgAbout.state, nullptr); // released
    }
}

TEST_F(Files, RecordOwnedByTheResultsWindowAndFlagsPerDialog) {
    for (bool saving : {false, true}) {
        memset(&ofn, 0x55, sizeof ofn);
        InitOpenFileName(GetWindowHandle(RESULTS_WINDOW_UNIT), "T",
                         saving ? RESULT_SAVE_FLAGS : RESULT_LOAD_FLAGS);
#ifdef _WIN64
        EXPECT_EQ(ofn.lStructSize, 136u);
#else
        EXPECT_EQ(ofn.lStructSize, 76u);
#endif
        EXPECT_EQ(ofn.hwndOwner, GetWindowHandle(RESULTS_WINDOW_UNIT));
        EXPECT_EQ(std::string(ofn.lpstrFilter, 48),
                  std::string("Lorvex Ergebnis Dateien\0*.dat\0Alle Dateien\0*.*\0\0", 48));
        EXPECT_EQ(ofn.nFilterIndex, 1u);
        // The dialog fills a path buffer of its own; the name field gets the bare name. The
        // name offered has no trailing blank, which the dialog would take into the extension.
        EXPECT_EQ(ofn.lpstrFile, chosenPath);
        EXPECT_STREQ(chosenPath, "Lorvex_Ergebnis.dat");
        EXPECT_EQ(ofn.nMaxFile, 256u);
        EXPECT_EQ(ofn.lpstrFileTitle, formulaModel.resultFileName);
        EXPECT_EQ(ofn.nMaxFileTitle, 256u);
        EXPECT_STREQ(ofn.lpstrTitle, "T");
        EXPECT_STREQ(ofn.lpstrDefExt, "dat");
        EXPECT_EQ(ofn.Flags, saving ? static_cast<DWORD>(OFN_LONGNAMES | OFN_OVERWRITEPROMPT)
                                    : static_cast<DWORD>(OFN_LONGNAMES | OFN_FILEMUSTEXIST));
        EXPECT_EQ(ofn.lpfnHook, nullptr);
        EXPECT_EQ(ofn.lpstrInitialDir, nullptr);
    }
}

TEST_F(Files, SaveCreatesAFileThatLoadsBackAndAsksBeforeReplacing) {
    std::string name;
    resultTable = SampleTable();
    ShowResults(); // "&Speichern" is grayed until a table was shown
    // The first dialog offers the model's name.
    ASSERT_TRUE(
        RunModal([] { ChooseMenuItem(1, 2); }, {{ReadyFileDialog(SAVE_TITLE), [&](HWND dlg) {
                                                     name = WindowText(FileDialogNameControl(dlg));
                                                     SaveWindowPng(dlg, "lorvexcon_save_dialog");
                                                     PressButton(dlg, IDCANCEL);
                                                 }}}));
    EXPECT_EQ(name.substr(0, 19), "Lorvex_Ergebnis.dat");
    const std::string path = Path("neu.dat");
    ASSERT_TRUE(Save(path));
    EXPECT_EQ(ReadAll(path), ResultFileContent(resultTable));
    EXPECT_EQ(UnitLines(DEFAULT_OUTPUT_UNIT).size(), 0u);

    // Replacing asks; "No" keeps the file.
    resultTable = ResultTable{};
    HWND saveDialog = nullptr;
    ASSERT_TRUE(
        RunModal([] { ChooseMenuItem(1, 2); },
                 Then(ChooseFileSteps(SAVE_TITLE, path, &saveDialog),
                      {{OverwritePrompt(&saveDialog), [](HWND q) { PressButton(q, IDNO); }},
                       {DialogTitled(SAVE_TITLE), [](HWND d) { PressButton(d, IDCANCEL); }}})));
    EXPECT_EQ(ReadAll(path), ResultFileContent(SampleTable()));

    // Loading appends the table and enables saving; twice gives the same 100 lines twice.
    const std::size_t before = UnitLineCount(RESULTS_WINDOW_UNIT);
    ASSERT_TRUE(Load(path));
    ASSERT_TRUE(Load(path));
    EXPECT_TRUE(SameTable(resultTable, SampleTable()));
    std::vector<std::string> lines = UnitLines(RESULTS_WINDOW_UNIT);
    ASSERT_GE(lines.size(), before + 200 - 1);
    EXPECT_EQ(lines[lines.size() - 1], lines[lines.size() - 101]);
    EXPECT_EQ(lines.back(),
              ResultRecord(resultTable.xValues[99], resultTable.yValues[99]).substr(1));
    EXPECT_FALSE(MenuItemGrayed(GetSubMenu(GetMenu(FenstroFrame()), 0), 1));
}

TEST_F(Files, ABadFileIsReportedAndTheProgramGoesOn) {
    struct Case {
        const char* name;
        std::string content;
        const char* report; // the start of the report
    };
    std::string shortFile = ResultFileContent(SampleTable()).substr(0, 50 * RESULT_RECORD_LENGTH);
    std::string badFile = ResultFileContent(SampleTable());
    badFile.replace(10 * RESULT_RECORD_LENGTH, 3, "abc");
    const Case cases[] = {
        {"short.dat", shortFile, "severe (24): end-of-file during read, unit 7, file "},
        {"bad.dat", badFile, "severe (59): list-directed I/O syntax error, unit 7, file "},
    };
    // Before any computation a good file loads and enables saving.
    const std::string good = Path("gut.dat");
    WriteAll(good, ResultFileContent(SampleTable()));
    HMENU datei = GetSubMenu(GetMenu(FenstroFrame()), 0);
    EXPECT_TRUE(MenuItemGrayed(datei, 1));
    ASSERT_TRUE(Load(good));
    EXPECT_FALSE(MenuItemGrayed(datei, 1));
    const ResultTable shown = resultTable;
    EXPECT_TRUE(SameTable(shown, SampleTable()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = Path(c.name);
        WriteAll(path, c.content);
        const std::size_t lines = UnitLineCount(RESULTS_WINDOW_UNIT);
        BoxSeen seen;
        ASSERT_TRUE(Load(path, {BoxStep("LorvexCon", &seen, "lorvexcon_load_error")}));
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(seen.text, std::string(c.report) + path);
        EXPECT_EQ(seen.owner, nullptr);
        EXPECT_EQ(memcmp(&resultTable, &shown, sizeof shown), 0);
        EXPECT_EQ(UnitLineCount(RESULTS_WINDOW_UNIT), lines);
        EXPECT_TRUE(IsWindow(FenstroFrame()));
    }
    // A failed save leaves the old file: a read-only file is refused.
    const std::string locked = Path("locked.dat");
    WriteAll(locked, "old");
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    BoxSeen seen;
    HWND saveDialog = nullptr;
    ASSERT_TRUE(
        RunModal([] { ChooseMenuItem(1, 2); },
                 Then(ChooseFileSteps(SAVE_TITLE, locked, &saveDialog),
                      {{OverwritePrompt(&saveDialog), [](HWND q) { PressButton(q, IDYES); }},
                       BoxStep("LorvexCon", &seen)})));
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.text.substr(0, 8), "severe (");
    EXPECT_NE(seen.text.find(locked), std::string::npos) << seen.text;
    EXPECT_EQ(ReadAll(locked), "old");
}

TEST_F(Files, AFileSavedHereLoadsInLorvexAndTheOtherWayRound) {
    resultTable = SampleTable();
    ShowResults();
    const std::string mine = Path("von_lorvexcon.dat");
    ASSERT_TRUE(Save(mine));

    // Lorvex loads it and saves it under another name.
    StartedProgram lorvex = StartProgramUnderTest(WinePath(LORVEX_EXE), "Lorvex");
    ASSERT_NE(lorvex.hwnd, nullptr);
    const DWORD pid = lorvex.pi.dwProcessId;
    auto choose = [&](UINT command, const char* title, const std::string& path) {
        PostMessageA(lorvex.hwnd, WM_COMMAND, command, 0);
        HWND dlg = nullptr;
        EXPECT_TRUE(
            PumpUntil([&] { return (dlg = FindProcessWindow(pid, "#32770", title)) != nullptr; }));
        if (!dlg)
            return;
        PumpUntil([&] { return FileDialogNameControl(dlg) != nullptr; });
        SetWindowTextA(FileDialogNameControl(dlg), path.c_str());
        PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDOK)));
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(dlg); }));
    };
    const std::string theirs = Path("von_lorvex.dat");
    choose(30002, LOAD_TITLE, mine); // Laden
    PumpFor(300);
    if (HWND box = FindProcessWindow(pid, "#32770", "Lorvex")) {
        ADD_FAILURE() << "Lorvex reports: " << MessageBoxText(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    choose(30003, SAVE_TITLE, theirs); // Speichern
    EXPECT_TRUE(
        PumpUntil([&] { return GetFileAttributesA(theirs.c_str()) != INVALID_FILE_ATTRIBUTES; }));
    PostMessageA(lorvex.hwnd, WM_CLOSE, 0, 0);
    WaitForExit(lorvex);
    EXPECT_EQ(ReadAll(theirs), ReadAll(mine));

    // And the file Lorvex wrote loads here.
    resultTable = ResultTable{};
    ASSERT_TRUE(Load(theirs));
    EXPECT_TRUE(SameTable(resultTable, SampleTable()));
}

TEST_F(Files, TheFirstOfferTakenUnchangedIsLorvexErgebnisDat) {
    // The world of a user who ran the program before: the dialog opens in the folder it
    // showed last (Wine keeps it between runs), the folder of the results, where an older
    // program left "Lorvex_Ergebnis.dat .dat" beside the real file. This run starts afresh,
    // with the name offered at start.
    resultTable = SampleTable();
    ShowResults();
    ASSERT_TRUE(Save(Path("vorher.dat")));
    const std::string mine = Path("Lorvex_Ergebnis.dat");
    const std::string stray = Path("Lorvex_Ergebnis.dat .dat");
    WriteAll(mine, "old");
    WriteAll(stray, ResultFileContent(ResultTable{}));
    ResetFormulaModel();
    resultTable = SampleTable();
    ShowResults();

    // Saving: OK on the name offered; the file exists, so the dialog asks first.
    std::string offered, question;
    HWND saveDialog = nullptr;
    ASSERT_TRUE(RunModal([] { ChooseMenuItem(1, 2); }, {{ReadyFileDialog(SAVE_TITLE),
                                                         [&](HWND dlg) {
                                                             saveDialog = dlg;
                                                             offered = WindowText(
                                                                 FileDialogNameControl(dlg));
                                                             PressButton(dlg, IDOK);
                                                         }},
                                                        {OverwritePrompt(&saveDialog), [&](HWND q) {
                                                             question = MessageBoxText(q);
                                                             PressButton(q, IDYES);
                                                         }}}));
    EXPECT_EQ(offered, "Lorvex_Ergebnis.dat");
    EXPECT_NE(question, "");
    EXPECT_EQ(ReadAll(mine), ResultFileContent(SampleTable()));
    EXPECT_EQ(ReadAll(stray), ResultFileContent(ResultTable{}));
    EXPECT_EQ(FolderNames(dir),
              (std::vector<std::string>{"Lorvex_Ergebnis.dat", "Lorvex_Ergebnis.dat .dat",
                                        "vorher.dat"}));
    EXPECT_EQ(FolderNames(other), std::vector<std::string>{});

    // Loading, again in a fresh run: OK on the name offered reads the file just saved.
    ResetFormulaModel();
    ASSERT_TRUE(RunModal([] { ChooseMenuItem(1, 1); },
                         {{ReadyFileDialog(LOAD_TITLE), [&](HWND dlg) {
                               offered = WindowText(FileDialogNameControl(dlg));
                               PressButton(dlg, IDOK);
                           }}}));
    EXPECT_EQ(offered, "Lorvex_Ergebnis.dat");
    EXPECT_TRUE(SameTable(resultTable, SampleTable()));
    EXPECT_EQ(UnitLines(DEFAULT_OUTPUT_UNIT).size(), 0u);
}

TEST_F(Files, AFailedFileDialogIsReportedAsALineAndNothingIsReadOrWritten) {
    const std::string good = Path("gut.dat");
    WriteAll(good, ResultFileContent(SampleTable()));
    // A path of 256 characters typed into the save dialog: one more than the 256-character
    // path buffer holds beside its NUL. (Wine's save dialog itself crashes on much longer ones.)
    const std::string tooLong = dir + "\\" + std::string(256 - dir.size() - 5, 'a') + ".dat";
    ASSERT_EQ(tooLong.size(), 256u);
    // Wine's open dialog refuses a path that long itself ("File does not exist"), so it
    // never returns one: while it runs, the buffer it was given is made shorter than the
    // path of the file chosen, which fails the same way.
    const ModalStep shortBuffer{ReadyFileDialog(LOAD_TITLE), [](HWND) { ofn.nMaxFile = 16; }};
    const ModalStep cancel{ReadyFileDialog(LOAD_TITLE), [](HWND d) { PressButton(d, IDCANCEL); }};
    struct Case {
        const char* name;
        int item; // of "&Datei"
        std::vector<ModalStep> steps;
        const char* line; // the report, nullptr for none
        // The dialog cannot start: the real one given a record of size 0 fails at once with
        // CDERR_STRUCTSIZE, before any window opens.
        bool cannotStart = false;
    };
    const Case cases[] = {
        {"load, cancelled", 1, {cancel}, nullptr},
        {"load, path longer than the buffer", 1,
         Then({shortBuffer}, ChooseFileSteps(LOAD_TITLE, good)),
         "The path of the chosen file is too long. Nothing was loaded."},
        {"save, cancelled",
         2,
         {{ReadyFileDialog(SAVE_TITLE), [](HWND d) { PressButton(d, IDCANCEL); }}},
         nullptr},
        {"save, path longer than the buffer", 2, ChooseFileSteps(SAVE_TITLE, tooLong),
         "The path of the chosen file is too long. Nothing was saved."},
        {"load, the dialog cannot start",
         1,
         {},
         "The file dialog failed (error 0x0001). Nothing was loaded.",
         true},
        {"save, the dialog cannot start",
         2,
         {},
         "The file dialog failed (error 0x0001). Nothing was saved.",
         true},
    };
    HMENU datei = GetSubMenu(GetMenu(FenstroFrame()), 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.item == 2 && MenuItemGrayed(datei, 1)) {
            // Nothing was loaded, so saving is still grayed: a computed table is saved.
            ComputeFormula();
            ShowResults();
        }
        const ResultTable table = resultTable;
        const std::size_t lines = UnitLineCount(RESULTS_WINDOW_UNIT);
        const std::size_t reports = UnitLineCount(DEFAULT_OUTPUT_UNIT);
        const bool grayed = MenuItemGrayed(datei, 1);
        const int item = c.item;
        resultOpenDialog = c.cannotStart ? OpenDialogWithoutSize : GetOpenFileNameA;
        resultSaveDialog = c.cannotStart ? SaveDialogWithoutSize : GetSaveFileNameA;
        ASSERT_TRUE(RunModal([item] { ChooseMenuItem(1, item); }, c.steps));
        EXPECT_EQ(FindThreadDialog(), nullptr); // no box either
        std::vector<std::string> report = UnitLines(DEFAULT_OUTPUT_UNIT);
        if (c.line) {
            ASSERT_EQ(report.size(), reports + 1);
            EXPECT_EQ(report.back(), c.line);
        } else {
            EXPECT_EQ(report.size(), reports);
        }
        // Nothing read: the table, the results window and the menu are as they were.
        EXPECT_EQ(memcmp(&resultTable, &table, sizeof table), 0);
        EXPECT_EQ(UnitLineCount(RESULTS_WINDOW_UNIT), lines);
        EXPECT_EQ(MenuItemGrayed(datei, 1), grayed);
        if (c.cannotStart) {
            // The record the routine filled for its dialog (which got a copy of it): owned by
            // the results window, with the routine's title and flags.
            EXPECT_EQ(ofn.hwndOwner, GetWindowHandle(RESULTS_WINDOW_UNIT));
            EXPECT_STREQ(ofn.lpstrTitle, item == 1 ? LOAD_TITLE : SAVE_TITLE);
            EXPECT_EQ(ofn.Flags, item == 1
                                     ? static_cast<DWORD>(OFN_LONGNAMES | OFN_FILEMUSTEXIST)
                                     : static_cast<DWORD>(OFN_LONGNAMES | OFN_OVERWRITEPROMPT));
        }
    }
    // Nothing written.
    EXPECT_EQ(FolderNames(dir), std::vector<std::string>{"gut.dat"});
    EXPECT_EQ(FolderNames(other), std::vector<std::string>{});
    EXPECT_EQ(ReadAll(good), ResultFileContent(SampleTable()));
    PumpFor(100);
    SaveWindowPng(FenstroFrame(), "lorvexcon_file_dialog_failed");
}

TEST_F(Files, ACloseRequestWaitsUntilTheOpenDialogOrBoxIsAnswered) {
    // An existing file, older and longer than a result file.
    const std::string path = Path("alt.dat");
    WriteAll(path, std::string(3 * RESULT_FILE_SIZE, 'x'));
    const std::string bad = Path("kaputt.dat");
    WriteAll(bad, "1 2\r\n");
    resultTable = SampleTable();
    ShowResults();
    HWND saveDialog = nullptr;
    struct Case {
        const char* name;
        std::function<void()> open;    // the menu routine
        std::vector<ModalStep> before; // what the user does until the window below is open
        std::function<HWND()> find;    // the dialog or box open when the request arrives
        std::function<void(HWND)> answer;
        std::size_t tables; // added to the results window
    };
    const Case cases[] = {
        {"the save dialog's question before replacing", [] { ChooseMenuItem(1, 2); },
         ChooseFileSteps(SAVE_TITLE, path, &saveDialog), OverwritePrompt(&saveDialog),
         [](HWND q) { PressButton(q, IDYES); }, 0},
        {"the formula dialog",
         [] { ChooseMenuItem(2, 1); },
         {},
         DialogTitled("Formel - Berechnung"),
         [](HWND dlg) {
             ClickNow(dlg, IDC_FORMEL_OK);
             ClickNow(dlg, IDCANCEL);
         },
         1},
        {"the About dialog",
         [] { ChooseMenuItem(3, 3); },
         {},
         DialogTitled("About Lorvex"),
         [](HWND dlg) { PressButton(dlg, IDOK); },
         0},
        {"the report of a bad file", [] { ChooseMenuItem(1, 1); }, ChooseFileSteps(LOAD_TITLE, bad),
         DialogTitled("LorvexCon"), [](HWND box) { PressButton(box, IDOK); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HWND frame = FenstroFrame();
        const std::size_t lines = UnitLineCount(RESULTS_WINDOW_UNIT);
        bool frameStayed = false, windowStayed = false;
        ASSERT_TRUE(
            RunModal(c.open, Then(c.before,
                                  {{c.find, [frame](HWND) { PostMessageA(frame, WM_CLOSE, 0, 0); }},
                                   // The request has been handled by now: a posted
                                   // message goes before the next timer tick.
                                   {c.find, [&](HWND w) {
                                        frameStayed = IsWindow(frame) != FALSE;
                                        windowStayed = IsWindowVisible(w) != FALSE;
                                        c.answer(w);
                                    }}})));
        EXPECT_TRUE(frameStayed);
        EXPECT_TRUE(windowStayed);
        // The program goes on: the frame is back to take input, and no quit is pending.
        PumpFor(100);
        ASSERT_TRUE(IsWindow(frame));
        EXPECT_TRUE(IsWindowEnabled(frame));
        EXPECT_EQ(DrainQueue(), -1);
        EXPECT_EQ(UnitLineCount(RESULTS_WINDOW_UNIT), lines + 100 * c.tables);
    }
    // The replaced file is whole, with nothing of the old content behind it.
    EXPECT_EQ(ReadAll(path), ResultFileContent(SampleTable()));
    // With no dialog open, a close request ends the program.
    const HWND frame = FenstroFrame();
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntil([frame] { return !IsWindow(frame); }));
}

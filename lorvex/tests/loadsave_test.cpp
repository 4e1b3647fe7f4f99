// Laden and Speichern through the real common file dialogs.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "file_fixture.h"
#include "filedlg.h"
#include "resultfile.h"

namespace {

TEST_F(FileCommands, RecordIsFilledForEachDialog) {
    for (bool saving : {false, true}) {
        memset(&ofn, 0x55, sizeof ofn);
        InitOpenFileName(hwndMain, "T", saving ? RESULT_SAVE_FLAGS : RESULT_LOAD_FLAGS);
        const OPENFILENAMEA& r = ofn;
#ifdef _WIN64
        EXPECT_EQ(r.lStructSize, 136u);
#else
        EXPECT_EQ(r.lStructSize, 76u);
#endif
        EXPECT_EQ(r.lStructSize, static_cast<DWORD>(OPENFILENAME_SIZE_VERSION_400A));
        EXPECT_EQ(r.hwndOwner, hwndMain);
        EXPECT_EQ(r.hInstance, nullptr);
        EXPECT_EQ(std::string(r.lpstrFilter, 48),
                  std::string("Lorvex Ergebnis Dateien\0*.dat\0Alle Dateien\0*.*\0\0", 48));
        EXPECT_EQ(r.lpstrCustomFilter, nullptr);
        EXPECT_EQ(r.nMaxCustFilter, 0u);
        EXPECT_EQ(r.nFilterIndex, 1u);
        // The dialog offers the name field's text without its trailing blank (which it would
        // take for part of the extension) and returns the full path apart from it.
        EXPECT_EQ(r.lpstrFile, chosenPath);
        EXPECT_STREQ(r.lpstrFile, "Lorvex_Ergebnis.dat");
        EXPECT_EQ(r.nMaxFile, 256u);
        EXPECT_EQ(r.lpstrFileTitle, formulaModel.resultFileName);
        EXPECT_EQ(r.nMaxFileTitle, 256u);
        EXPECT_EQ(r.lpstrInitialDir, nullptr);
        EXPECT_STREQ(r.lpstrTitle, "T");
        EXPECT_EQ(r.Flags, saving ? static_cast<DWORD>(OFN_LONGNAMES | OFN_OVERWRITEPROMPT)
                                  : static_cast<DWORD>(OFN_LONGNAMES | OFN_FILEMUSTEXIST));
        EXPECT_EQ(r.nFileOffset, 0);
        EXPECT_EQ(r.nFileExtension, 0);
        EXPECT_STREQ(r.lpstrDefExt, "dat");
        EXPECT_EQ(r.lCustData, 0);
        EXPECT_EQ(r.lpfnHook, nullptr);
        EXPECT_EQ(r.lpTemplateName, nullptr);
    }
}

TEST_F(FileCommands, FirstDialogOffersTheDefaultNameAndCancelChangesNothing) {
    for (UINT command : {IDM_LADEN, IDM_SPEICHERN}) {
        const char* title = command == IDM_LADEN ? LOAD_TITLE : SAVE_TITLE;
        std::string name, filter;
        ASSERT_TRUE(RunModal([&] { SendMessageA(hwndMain, WM_COMMAND, command, 0); },
                             {{ReadyFileDialog(title), [&](HWND dlg) {
                                   name = WindowText(FileDialogNameControl(dlg));
                                   filter = ItemText(dlg, 1136); // cmb1, the filter list
                                   SaveWindowPng(dlg, command == IDM_LADEN ? "lorvex_load_dialog"
                                                                           : "lorvex_save_dialog");
                                   PressButton(dlg, IDCANCEL);
                               }}}));
        EXPECT_EQ(name, "Lorvex_Ergebnis.dat");
        EXPECT_EQ(filter.substr(0, 23), "Lorvex Ergebnis Dateien");
        EXPECT_EQ(std::string(formulaModel.resultFileName, 21),
                  std::string("Lorvex_Ergebnis.dat \0", 21));
        EXPECT_EQ(hwndResults, NO_WINDOW);
    }
}

TEST_F(FileCommands, SaveWritesANewFileAndLoadShowsIt) {
    ComputeFormula();
    const ResultTable computed = resultTable;
    std::string path = Path("neu.dat");
    ASSERT_TRUE(RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_SPEICHERN, 0); },
                         ChooseFileSteps(SAVE_TITLE, path)));
    std::string content = ReadAll(path);
    EXPECT_EQ(content.size(), 5000u);
    EXPECT_EQ(content, ResultFileContent(computed));
    EXPECT_EQ(ResultFilePath(formulaModel.resultFileName, 256).find("neu.dat") != std::string::npos,
              true);

    // Saving over it asks first; yes replaces it.
    formulaModel.n = 1;
    ComputeFormula();
    HWND saveDialog = nullptr;
    bool asked = false;
    ASSERT_TRUE(RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_SPEICHERN, 0); },
                         Then(ChooseFileSteps(SAVE_TITLE, path, &saveDialog),
                              {{OverwritePrompt(&saveDialog), [&](HWND box) {
                                    asked = true;
                                    SaveWindowPng(box, "lorvex_overwrite_prompt");
                                    PostMessageA(box, WM_COMMAND, IDYES, 0);
                                }}})));
    EXPECT_TRUE(asked);
    EXPECT_EQ(ReadAll(path), ResultFileContent(resultTable));

    // Load the first content back.
    WriteAll(path, content);
    memset(&resultTable, 0, sizeof resultTable);
    ASSERT_TRUE(RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_LADEN, 0); },
                         ChooseFileSteps(LOAD_TITLE, path)));
    ASSERT_NE(hwndResults, NO_WINDOW);
    EXPECT_TRUE(PumpUntil(
        [] { return (GetMenuState(hMenu, IDM_SPEICHERN, MF_BYCOMMAND) & MF_GRAYED) == 0; }));
    // What was read shows as the computed table does.
    for (int i = 0; i < POINT_COUNT; ++i) {
        char a[RESULT_LINE_LENGTH], b[RESULT_LINE_LENGTH];
        FormatResultLine(resultTable.xValues[i], resultTable.yValues[i], a);
        FormatResultLine(computed.xValues[i], computed.yValues[i], b);
        EXPECT_EQ(std::string(a, 43), std::string(b, 43)) << i;
    }
    EXPECT_EQ(ResultFileContent(resultTable), content);
}

TEST_F(FileCommands, BadFileIsReportedAndTheProgramGoesOn) {
    std::string good;
    for (int i = 0; i < 100; ++i)
        good += "1 2\r\n";
    struct {
        const char* name;
        std::string content;
        const char* report;
    } const cases[] = {
        {"letters.dat", "1 2\r\nabc 3\r\n" + good, "severe (59): list-directed I/O syntax error"},
        {"short.dat", good.substr(0, 99 * 5), "severe (24): end-of-file during read"},
        {"binaer.dat", "1 2\r\n" + std::string("3\0 4\r\n", 6) + good,
         "severe (59): list-directed I/O syntax error"},
        {"lang.dat", "1 2\r\n" + std::string(70000, '5') + "\r\n" + good,
         "severe (22): input record too long"},
    };
    // A table on display that must stay as it is.
    ComputeFormula();
    ShowResultsWindow();
    HWND results = hwndResults;
    const ResultTable before = resultTable;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = Path(c.name);
        WriteAll(path, c.content);
        BoxSeen box;
        ASSERT_TRUE(RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_LADEN, 0); },
                             Then(ChooseFileSteps(LOAD_TITLE, path),
                                  {BoxStep("Lorvex", &box, "lorvex_load_error")})));
        ASSERT_TRUE(box.shown);
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.text, std::string(c.report) + ", unit 7, file " + path);
        EXPECT_TRUE(SameTable(resultTable, before));
        EXPECT_EQ(hwndResults, results);
        EXPECT_TRUE(IsWindow(hwndMain));
    }
}

// A read-only file is refused before anything is written; a file that another program holds
// open without sharing cannot be replaced once the new content is written.
TEST_F(FileCommands, FailedSaveIsReportedAndLeavesTheOldFile) {
    struct Case {
        const char* name;
        bool readOnly;
        const char* report;
    } const cases[] = {
        {"fest.dat", true, "severe (47): write to READONLY file"},
        {"offen.dat", false, "severe (38): error during write"},
    };
    ComputeFormula();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = Path(c.name);
        WriteAll(path, "alt\r\n");
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.readOnly)
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
        else
            held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        BoxSeen box;
        HWND saveDialog = nullptr;
        ASSERT_TRUE(
            RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_SPEICHERN, 0); },
                     Then(ChooseFileSteps(SAVE_TITLE, path, &saveDialog),
                          {{OverwritePrompt(&saveDialog),
                            [](HWND prompt) { PostMessageA(prompt, WM_COMMAND, IDYES, 0); }},
                           BoxStep("Lorvex", &box, c.readOnly ? nullptr : "lorvex_write_error")})));
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ASSERT_TRUE(box.shown);
        EXPECT_EQ(box.text, std::string(c.report) + ", unit 7, file " + path);
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(ReadAll(path), "alt\r\n");
        EXPECT_TRUE(IsWindow(hwndMain));
        DeleteFileA(path.c_str());
        EXPECT_TRUE(FolderNames(dir).empty()) << "no temporary file is left";
    }
}

// The folder the file is chosen in, the current directory and the folder the dialog starts
// in are three different folders, each holding a file of the chosen name; the commands must
// read and write the chosen one only, whatever way the name was entered.
TEST_F(FileCommands, CommandsUseExactlyTheChosenFile) {
    const char* const folders[] = {"gewaehlt", "aktuell", "start", "start\\unter"};
    for (const char* f : folders)
        CreateDirectoryA(Path(f).c_str(), nullptr);
    struct Case {
        const char* how;
        std::vector<const char*> visit; // folders the user opens in the dialog first
        std::string typed;
        std::string chosen;
        bool loadToo;
    } const cases[] = {
        {"typed full path",
         {"start"},
         Path("gewaehlt\\ergebnis.dat"),
         "gewaehlt\\ergebnis.dat",
         true},
        {"typed relative name",
         {"start"},
         "unter\\ergebnis.dat",
         "start\\unter\\ergebnis.dat",
         true},
        {"full path without extension",
         {"start"},
         Path("gewaehlt\\ergebnis"),
         "gewaehlt\\ergebnis.dat",
         false},
        {"name without extension",
         {"start", "gewaehlt"},
         "ergebnis",
         "gewaehlt\\ergebnis.dat",
         false},
        {"name in the folder shown",
         {"start", "gewaehlt"},
         "ergebnis.dat",
         "gewaehlt\\ergebnis.dat",
         true},
    };
    for (const auto& c : cases) {
        for (UINT command : {IDM_LADEN, IDM_SPEICHERN}) {
            SCOPED_TRACE(std::string(c.how) + (command == IDM_LADEN ? ", load" : ", save"));
            // Wine's open dialog refuses a name without extension as a missing file.
            if (command == IDM_LADEN && !c.loadToo)
                continue;
            const char* title = command == IDM_LADEN ? LOAD_TITLE : SAVE_TITLE;
            // A different table in each same-named file.
            std::string contents[4];
            for (int k = 0; k < 4; ++k) {
                ResultTable t;
                for (int i = 0; i < POINT_COUNT; ++i) {
                    t.xValues[i] = k * 1000 + i;
                    t.yValues[i] = -k;
                }
                contents[k] = ResultFileContent(t);
                WriteAll(Path(std::string(folders[k]) + "\\ergebnis.dat"), contents[k]);
            }
            SetCurrentDirectoryA(Path("aktuell").c_str());
            std::vector<ModalStep> steps;
            for (const char* v : c.visit)
                steps = Then(steps, GoToFolder(title, Path(v), v));
            // The current directory is not the folder the dialog shows.
            const std::string current = Path("aktuell");
            steps = Then(steps, {{ReadyFileDialog(title),
                                  [current](HWND) { SetCurrentDirectoryA(current.c_str()); }}});
            HWND dialog = nullptr;
            steps = Then(steps, ChooseFileSteps(title, c.typed, &dialog));
            if (command == IDM_SPEICHERN) {
                steps = Then(steps, {{OverwritePrompt(&dialog), [](HWND prompt) {
                                          PostMessageA(prompt, WM_COMMAND, IDYES, 0);
                                      }}});
                formulaModel.n = 3;
                ComputeFormula();
            }
            ASSERT_TRUE(
                RunModal([command] { SendMessageA(hwndMain, WM_COMMAND, command, 0); }, steps));
            const std::string saved = ResultFileContent(resultTable);
            for (int k = 0; k < 4; ++k) {
                const std::string file = std::string(folders[k]) + "\\ergebnis.dat";
                SCOPED_TRACE(file);
                if (file == c.chosen) {
                    // Loaded: the table is this file's; saved: the file holds the table.
                    EXPECT_EQ(saved, command == IDM_LADEN ? contents[k] : ReadAll(Path(file)));
                } else {
                    EXPECT_EQ(ReadAll(Path(file)), contents[k]);
                }
            }
            // Nothing else was written anywhere.
            EXPECT_EQ(FolderNames(Path("gewaehlt")), std::vector<std::string>{"ergebnis.dat"});
            EXPECT_EQ(FolderNames(Path("aktuell")), std::vector<std::string>{"ergebnis.dat"});
            EXPECT_EQ(FolderNames(Path("start")),
                      (std::vector<std::string>{"ergebnis.dat", "unter"}));
            EXPECT_EQ(FolderNames(Path("start\\unter")), std::vector<std::string>{"ergebnis.dat"});
            EXPECT_EQ(ChosenFilePath(ofn), Path(c.chosen));
            // The name field keeps the name chosen, which the next dialog offers.
            EXPECT_EQ(ResultFilePath(formulaModel.resultFileName, 256), "ergebnis.dat");
        }
    }
    std::string offered;
    ASSERT_TRUE(RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_LADEN, 0); },
                         {{ReadyFileDialog(LOAD_TITLE), [&](HWND dlg) {
                               offered = WindowText(FileDialogNameControl(dlg));
                               PressButton(dlg, IDCANCEL);
                           }}}));
    EXPECT_EQ(offered, "ergebnis.dat");
}

// A path longer than the 256-character path buffer, typed into the name field: the dialog
// fails (not a cancel), and the command says so in a box over the main window. The path has
// 259 characters, the most a Windows path holds; from about 264 Wine's own save dialog
// breaks, and its open dialog takes no such path for a file at all.
TEST_F(FileCommands, DialogThatFailsIsReportedAndNothingIsReadOrWritten) {
    const std::string folder = Path("lang");
    CreateDirectoryA(folder.c_str(), nullptr);
    auto LongPath = [&](char letter) {
        std::string path = folder + "\\";
        return path + std::string(259 - path.size() - 4, letter) + ".dat";
    };
    // A file the load must not read: another table than the one on display.
    ResultTable other{};
    for (int i = 0; i < POINT_COUNT; ++i)
        other.xValues[i] = other.yValues[i] = i;
    const std::string existing = LongPath('e');
    WriteAll(existing, ResultFileContent(other));
    ASSERT_EQ(ReadAll(existing), ResultFileContent(other));
    const std::string fresh = LongPath('n');
    ASSERT_EQ(fresh.size(), 259u);

    ComputeFormula();
    ShowResultsWindow();
    const HWND results = hwndResults;
    const ResultTable before = resultTable;
    struct {
        UINT command;
        const char* title;
        std::string path;
        const char* text;
        const char* shot;
    } const cases[] = {
        {IDM_LADEN, LOAD_TITLE, existing,
         "The path of the chosen file is too long. Nothing was loaded.",
         "lorvex_load_dialog_failure"},
        {IDM_SPEICHERN, SAVE_TITLE, fresh,
         "The path of the chosen file is too long. Nothing was saved.",
         "lorvex_save_dialog_failure"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        BoxSeen box;
        const UINT command = c.command;
        ASSERT_TRUE(
            RunModal([command] { SendMessageA(hwndMain, WM_COMMAND, command, 0); },
                     Then(ChooseFileSteps(c.title, c.path), {BoxStep("Lorvex", &box, c.shot)})));
        ASSERT_TRUE(box.shown);
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.owner, hwndMain);
        EXPECT_TRUE(box.handIcon);
        EXPECT_FALSE(box.topmost);
        EXPECT_TRUE(SameTable(resultTable, before));
        EXPECT_EQ(hwndResults, results);
        EXPECT_EQ(ReadAll(existing), ResultFileContent(other));
        EXPECT_EQ(FolderNames(folder),
                  std::vector<std::string>{existing.substr(folder.size() + 1)});
        EXPECT_TRUE(IsWindowEnabled(hwndMain));
    }
}

// A dialog that cannot start fails at once with a code of its own, before any window opens:
// here the real dialog given a record of size 0 (CDERR_STRUCTSIZE). The command names the
// code in its box, and opens, reads and writes nothing. The current directory holds the file
// that the name offered names, with another table than the program's.
TEST_F(FileCommands, DialogThatCannotStartIsReportedWithItsCode) {
    resultOpenDialog = OpenDialogWithoutSize;
    resultSaveDialog = SaveDialogWithoutSize;
    ResultTable other{};
    for (int i = 0; i < POINT_COUNT; ++i)
        other.xValues[i] = other.yValues[i] = -i;
    const std::string offered = Path("Lorvex_Ergebnis.dat");
    WriteAll(offered, ResultFileContent(other));
    ComputeFormula();
    const ResultTable before = resultTable;
    struct {
        UINT command;
        const char* text;
        const char* shot;
        const char* title;
        DWORD flags;
    } const cases[] = {
        {IDM_LADEN, "The file dialog failed (error 0x0001). Nothing was loaded.",
         "lorvex_load_dialog_cannot_start", LOAD_TITLE,
         static_cast<DWORD>(OFN_LONGNAMES | OFN_FILEMUSTEXIST)},
        {IDM_SPEICHERN, "The file dialog failed (error 0x0001). Nothing was saved.", nullptr,
         SAVE_TITLE, static_cast<DWORD>(OFN_LONGNAMES | OFN_OVERWRITEPROMPT)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        BoxSeen box;
        const UINT command = c.command;
        ASSERT_TRUE(RunModal([command] { SendMessageA(hwndMain, WM_COMMAND, command, 0); },
                             {BoxStep("Lorvex", &box, c.shot)}));
        ASSERT_TRUE(box.shown);
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.owner, hwndMain);
        EXPECT_TRUE(box.handIcon);
        EXPECT_EQ(hwndResults, NO_WINDOW);
        EXPECT_NE(GetMenuState(hMenu, IDM_SPEICHERN, MF_BYCOMMAND) & MF_GRAYED, 0u);
        EXPECT_TRUE(SameTable(resultTable, before));
        EXPECT_EQ(ReadAll(offered), ResultFileContent(other));
        EXPECT_EQ(FolderNames(dir), std::vector<std::string>{"Lorvex_Ergebnis.dat"});
        EXPECT_TRUE(IsWindowEnabled(hwndMain));
        // The record the command filled for its dialog (which got a copy of it): over the
        // main window, with the command's title and flags.
        EXPECT_EQ(ofn.hwndOwner, hwndMain);
        EXPECT_STREQ(ofn.lpstrTitle, c.title);
        EXPECT_EQ(ofn.Flags, c.flags);
    }
}

// The name offered first, "Lorvex_Ergebnis.dat " in the name field, accepted as it stands:
// the save goes to "Lorvex_Ergebnis.dat" in the folder the dialog shows (not to a file with
// the blank taken into its extension), asks before it replaces that file, and a later load of
// the name then offered reads the very file saved. The current directory holds an older file
// of the same name, and it is not the dialog's folder when the file is opened.
TEST_F(FileCommands, FirstOfferAcceptedUnchangedSavesAndLoadsThatFile) {
    const std::string shown = Path("ordner"), current = Path("aktuell");
    CreateDirectoryA(shown.c_str(), nullptr);
    CreateDirectoryA(current.c_str(), nullptr);
    const std::string target = shown + "\\Lorvex_Ergebnis.dat";
    const std::string older = current + "\\Lorvex_Ergebnis.dat";
    WriteAll(target, "vorher\r\n");
    WriteAll(older, "alt\r\n");

    struct Offered {
        HWND dialog = nullptr;
        std::string folder, name;
    };
    // The dialog opens in the current directory; once it is ready the current directory
    // moves away, and OK takes the name as the dialog offers it.
    auto AcceptOffer = [&](const char* title, Offered* seen) -> ModalStep {
        return {ReadyFileDialog(title), [&, seen](HWND dlg) {
                    seen->dialog = dlg;
                    seen->folder = ItemText(dlg, 1137); // cmb2, the folder shown
                    seen->name = WindowText(FileDialogNameControl(dlg));
                    SetCurrentDirectoryA(current.c_str());
                    PressButton(dlg, IDOK);
                }};
    };

    ComputeFormula();
    const ResultTable saved = resultTable;
    SetCurrentDirectoryA(shown.c_str());
    Offered save;
    bool asked = false;
    ASSERT_TRUE(
        RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_SPEICHERN, 0); },
                 {AcceptOffer(SAVE_TITLE, &save), {OverwritePrompt(&save.dialog), [&](HWND prompt) {
                                                       asked = true;
                                                       PostMessageA(prompt, WM_COMMAND, IDYES, 0);
                                                   }}}));
    EXPECT_EQ(save.folder, "ordner");
    EXPECT_EQ(save.name, "Lorvex_Ergebnis.dat");
    EXPECT_TRUE(asked);
    EXPECT_EQ(ReadAll(target), ResultFileContent(saved));
    EXPECT_EQ(FolderNames(shown), std::vector<std::string>{"Lorvex_Ergebnis.dat"});
    EXPECT_EQ(ReadAll(older), "alt\r\n");

    memset(&resultTable, 0, sizeof resultTable);
    SetCurrentDirectoryA(shown.c_str());
    Offered load;
    ASSERT_TRUE(RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_LADEN, 0); },
                         {AcceptOffer(LOAD_TITLE, &load)}));
    EXPECT_EQ(load.folder, "ordner");
    EXPECT_EQ(load.name, "Lorvex_Ergebnis.dat");
    // What was read is what was written (the file holds 15 significant digits).
    EXPECT_EQ(ResultFileContent(resultTable), ResultFileContent(saved));
    EXPECT_NE(hwndResults, NO_WINDOW);
}

} // namespace

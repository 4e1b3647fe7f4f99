// Laden and Speichern through the real common file dialogs.
#include <windows.h>

#include <commdlg.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "lorvex_fixture.h"
#include "resultfile.h"

namespace {

const char* const LOAD_TITLE = "W\xE4hle zu ladende Ergebnisdatei";
const char* const SAVE_TITLE = "W\xE4hle Dateinamen zum Speichern der Ergebnisse";

// The question the save dialog asks before it replaces a file.
std::function<HWND()> OverwritePrompt(HWND* saveDialog) {
    return [saveDialog]() -> HWND {
        HWND w = FindThreadDialog();
        return w != nullptr && w != *saveDialog && GetWindow(w, GW_OWNER) == *saveDialog ? w
                                                                                         : nullptr;
    };
}

std::string ReadAll(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void WriteAll(const std::string& path, const std::string& content) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << content;
}

class FileCommands : public LorvexMain {
  protected:
    std::string dir;
    char oldDir[MAX_PATH] = "";

    void SetUp() override {
        LorvexMain::SetUp();
        GetCurrentDirectoryA(sizeof oldDir, oldDir);
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        // Process ids repeat under Wine: the tick count keeps the folder fresh.
        dir = std::string(temp) + "lorvex_files_" + std::to_string(GetCurrentProcessId()) + "_" +
              std::to_string(GetTickCount());
        CreateDirectoryA(dir.c_str(), nullptr);
        SetCurrentDirectoryA(dir.c_str());
    }
    void TearDown() override {
        SetCurrentDirectoryA(oldDir);
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                std::string p = dir + "\\" + fd.cFileName;
                SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(p.c_str());
            } while (FindNextFileA(h, &fd));
            FindClose(h);
        }
        RemoveDirectoryA(dir.c_str());
        LorvexMain::TearDown();
    }
    std::string Path(const char* name) { return dir + "\\" + name; }
    bool SameTable(const ResultTable& a, const ResultTable& b) {
        return memcmp(&a, &b, sizeof a) == 0;
    }
};

TEST_F(FileCommands, RecordIsFilledForEachDialog) {
    OPENFILENAMEA r;
    for (bool saving : {false, true}) {
        memset(&r, 0x55, sizeof r);
        InitOpenFileName(r, "T", saving);
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
        EXPECT_EQ(r.lpstrFile, formulaModel.resultFileName);
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
        EXPECT_EQ(name, "Lorvex_Ergebnis.dat ");
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

TEST_F(FileCommands, ReadOnlyFileIsReportedAndLeftAlone) {
    std::string path = Path("fest.dat");
    WriteAll(path, "alt\r\n");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    ComputeFormula();
    BoxSeen box;
    HWND saveDialog = nullptr;
    ASSERT_TRUE(RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_SPEICHERN, 0); },
                         Then(ChooseFileSteps(SAVE_TITLE, path, &saveDialog),
                              {{OverwritePrompt(&saveDialog),
                                [](HWND prompt) { PostMessageA(prompt, WM_COMMAND, IDYES, 0); }},
                               BoxStep("Lorvex", &box)})));
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.text, "severe (47): write to READONLY file, unit 7, file " + path);
    EXPECT_EQ(ReadAll(path), "alt\r\n");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace

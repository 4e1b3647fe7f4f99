// Close requests to the main window while one of the program's modal dialogs or boxes runs,
// as a taskbar or window manager sends them: the request is dropped, the dialog stays, and
// once it has ended a close request ends the program as always. Commands that other programs
// post meanwhile are dropped too.
#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "bmpfiles.h"
#include "parvane_fixture.h"
#include "modalscript.h"

namespace {

HWND FindSplash() {
    return FindWindowExA(hwndMain, nullptr, "#32770", "Parvane startet...");
}

UINT_PTR WINAPI ShortSplashTimer(HWND hwnd, UINT_PTR id, UINT, TIMERPROC proc) {
    return SetTimer(hwnd, id, 1500, proc);
}

// Whether the main window's queue still holds a posted close request.
bool ClosePending() {
    MSG msg;
    return PeekMessageA(&msg, hwndMain, WM_CLOSE, WM_CLOSE, PM_NOREMOVE) != 0;
}

struct RunningDialog {
    std::function<void()> open;    // enters the dialog's modal loop
    std::function<HWND()> find;    // the dialog, once it runs
    std::function<void(HWND)> end; // ends it as the user does; none for one that ends itself
};

class CloseRequest : public ParvaneMain {
  protected:
    // Posts WM_CLOSE to the main window while the dialog runs, checks that the window stays
    // (disabled under the dialog) and the dialog with it, ends the dialog, then closes the
    // main window as the user does: the program ends with code 0.
    void Check(const RunningDialog& d) {
        HWND dialog = nullptr;
        bool disabled = false, mainStayed = false, dialogStayed = false;
        EXPECT_TRUE(
            RunModal(d.open, {{d.find,
                               [&](HWND w) {
                                   dialog = w;
                                   disabled = !IsWindowEnabled(hwndMain);
                                   PostMessageA(hwndMain, WM_CLOSE, 0, 0);
                               }},
                              {[&]() -> HWND { return ClosePending() ? nullptr : d.find(); },
                               [&](HWND w) {
                                   mainStayed = IsWindow(hwndMain) != FALSE;
                                   dialogStayed = w == dialog && IsWindowVisible(w);
                                   if (d.end)
                                       d.end(w);
                               }}}));
        EXPECT_TRUE(disabled) << "the dialog does not disable the main window";
        EXPECT_TRUE(mainStayed);
        EXPECT_TRUE(dialogStayed);
        ASSERT_TRUE(IsWindow(hwndMain));
        EXPECT_TRUE(IsWindowEnabled(hwndMain));
        MSG msg;
        EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
        PumpFor(30);

        SendMessageA(hwndMain, WM_CLOSE, 0, 0);
        ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(msg.wParam, 0u);
        EXPECT_FALSE(IsWindow(hwndMain));
        hwndMain = nullptr;
    }
};

void OpenCommand() {
    SendMessageA(hwndMain, WM_COMMAND, IDM_OEFFNEN, 0);
}

void PressOk(HWND box) {
    PressButton(box, IDOK);
}

TEST_F(CloseRequest, WhileTheFileDialogIsOpen) {
    Check({OpenCommand, ReadyFileDialog(FILE_DIALOG_TITLE),
           [](HWND dlg) { PressButton(dlg, IDCANCEL); }});
    EXPECT_TRUE(PictureWindows().empty());
}

// A file that gets the error box, which stands inside the picture window's creation. Each
// case needs a main window of its own: the check closes it.
struct UnloadableFile {
    const char* name; // of the case
    const char* file;
    std::string (*bytes)();
};

// What gtest prints as a case's parameter.
void PrintTo(const UnloadableFile& f, std::ostream* out) {
    *out << f.file;
}

class CloseRequestOverErrorBox : public CloseRequest,
                                 public ::testing::WithParamInterface<UnloadableFile> {};

TEST_P(CloseRequestOverErrorBox, WhileTheErrorBoxOfTheFileIsOpen) {
    const std::string path = File(GetParam().file, GetParam().bytes());
    Check({[&] {
               SetFixedText(szFileName, sizeof szFileName, path.c_str());
               EXPECT_EQ(OpenPictureWindow(hwndMain), nullptr);
           },
           DialogTitled("Fehler"), PressOk});
    EXPECT_EQ(nChildren, 0);
}

std::string TextFile() {
    return "Dies ist keine Bitmap.\r\n";
}

// The loader faults on it: headers that promise a whole picture, 1000 bytes of its pixels.
std::string CutFile() {
    return PromisingBmp(100, 100, 32, false, QuadrantPixels(100, 100, 32).substr(0, 1000));
}

INSTANTIATE_TEST_SUITE_P(
    UnloadableFiles, CloseRequestOverErrorBox,
    ::testing::Values(UnloadableFile{"FileThatDoesNotLoad", "text.bmp", TextFile},
                      UnloadableFile{"FileOnWhichTheLoaderFaults", "cut.bmp", CutFile}),
    [](const ::testing::TestParamInfo<UnloadableFile>& info) {
        return std::string(info.param.name);
    });

TEST_F(CloseRequest, WhileTheSplashIsOpen) {
    splashSetTimer = ShortSplashTimer;
    Check({ShowSplash, FindSplash, nullptr}); // the splash ends through its timer
}

using PostedCommands = ParvaneMain;

// Every command of the menu, posted to the main window while the file dialog, the Info box,
// the error box of a file that does not load or the splash is open: nothing opens over the
// open one, no picture window opens and the proposed name stays. Once the user has answered,
// Öffnen opens a picture as ever.
TEST_F(PostedCommands, WhileADialogOrBoxIsOpenTheyAreDropped) {
    const std::string bad = File("text.bmp", "Dies ist keine Bitmap.\r\n");
    auto main = [] { return hwndMain; };
    const std::vector<PostedCommand> menu = {{"IDM_OEFFNEN", main, IDM_OEFFNEN},
                                             {"IDM_HILFETHEMEN", main, IDM_HILFETHEMEN},
                                             {"IDM_INFO", main, IDM_INFO},
                                             {"IDM_BEENDEN", main, IDM_BEENDEN}};
    struct Case {
        const char* name;
        std::string proposed;          // the name in szFileName
        std::function<void()> open;    // enters the dialog's modal loop
        std::function<HWND()> find;    // the dialog, once it runs
        std::function<void(HWND)> end; // ends it as the user does; none for one that ends itself
    };
    const Case cases[] = {
        {"file dialog", START_FILE_NAME, OpenCommand, ReadyFileDialog(FILE_DIALOG_TITLE),
         [](HWND dlg) { PressButton(dlg, IDCANCEL); }},
        {"Info box", START_FILE_NAME, [] { SendMessageA(hwndMain, WM_COMMAND, IDM_INFO, 0); },
         DialogTitled("Parvane"), PressOk},
        {"error box of a file that does not load", bad,
         [] { EXPECT_EQ(OpenPictureWindow(hwndMain), nullptr); }, DialogTitled("Fehler"), PressOk},
        {"splash", START_FILE_NAME, ShowSplash, FindSplash, nullptr},
    };
    splashSetTimer = ShortSplashTimer;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetFixedText(szFileName, sizeof szFileName, c.proposed.c_str());
        HWND shown = nullptr;
        std::vector<std::string> opened;
        std::vector<ModalStep> steps = PostCommandsSteps(c.find, menu, &shown, &opened);
        if (c.end)
            steps.push_back({[&] { return IsWindowVisible(shown) ? shown : nullptr; }, c.end});
        EXPECT_TRUE(RunModal(c.open, steps));
        EXPECT_EQ(opened, std::vector<std::string>{});
        EXPECT_EQ(FileNameText(), c.proposed);
        EXPECT_EQ(nChildren, 0);
        EXPECT_TRUE(PictureWindows().empty());
        // The program goes on: the window takes commands again, and nothing is left open.
        ASSERT_TRUE(IsWindow(hwndMain));
        EXPECT_TRUE(IsWindowEnabled(hwndMain));
        EXPECT_EQ(FindThreadDialog(), nullptr);
        EXPECT_EQ(DrainQueue(), -1);
    }
    const std::string good = File("gut.bmp", QuadrantBmp(40, 30, 24));
    EXPECT_TRUE(RunModal(OpenCommand, ChooseFileSteps(FILE_DIALOG_TITLE, good)));
    const std::vector<HWND> open = PictureWindows();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(WindowText(open[0]), good);
}

} // namespace

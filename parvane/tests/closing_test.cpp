// Close requests to the main window while one of the program's modal dialogs or boxes runs,
// as a taskbar or window manager sends them: the request is dropped, the dialog stays, and
// once it has ended a close request ends the program as always.
#include <windows.h>

#include <functional>
#include <string>

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

TEST_F(CloseRequest, WhileTheErrorBoxOfAFileThatDoesNotLoadIsOpen) {
    // The box stands inside the picture window's creation.
    const std::string path = File("text.bmp", "Dies ist keine Bitmap.\r\n");
    Check({[&] {
               SetFixedText(szFileName, sizeof szFileName, path.c_str());
               EXPECT_EQ(OpenPictureWindow(hwndMain), nullptr);
           },
           DialogTitled("Fehler"), PressOk});
    EXPECT_EQ(nChildren, 0);
}

TEST_F(CloseRequest, WhileTheErrorBoxOfAFileOnWhichTheLoaderFaultsIsOpen) {
    const std::string path = File(
        "cut.bmp", PromisingBmp(100, 100, 32, false, QuadrantPixels(100, 100, 32).substr(0, 1000)));
    Check({[&] {
               SetFixedText(szFileName, sizeof szFileName, path.c_str());
               EXPECT_EQ(OpenPictureWindow(hwndMain), nullptr);
           },
           DialogTitled("Fehler"), PressOk});
    EXPECT_EQ(nChildren, 0);
}

TEST_F(CloseRequest, WhileTheSplashIsOpen) {
    splashSetTimer = ShortSplashTimer;
    Check({ShowSplash, FindSplash, nullptr}); // the splash ends through its timer
}

} // namespace

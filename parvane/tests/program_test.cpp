// The real program: its splash over the main window for four seconds, picture windows opened
// through its own file dialog, the accelerators typed in a picture window, and Beenden.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bmpfiles.h"
#include "filesel.h"
#include "parvane.h"
#include "wintest.h"

namespace {

// A visible top-level dialog of the program, by title.
HWND ProgramDialog(const StartedProgram& p, const char* title) {
    return FindProcessWindow(p.pi.dwProcessId, "#32770", title);
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
    char cls[64] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpA(cls, PICTURE_CLASS) == 0)
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> ProgramPictures(HWND main) {
    std::vector<HWND> found;
    EnumChildWindows(main, CollectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Chooses the file in the program's own file dialog, as a user types it.
bool OpenInProgram(const StartedProgram& p, const std::string& path) {
    const size_t before = ProgramPictures(p.hwnd).size();
    PostMessageA(p.hwnd, WM_COMMAND, IDM_OEFFNEN, 0);
    HWND dlg = nullptr;
    if (!PumpUntil([&] { return (dlg = ProgramDialog(p, FILE_DIALOG_TITLE)) != nullptr; }))
        return false;
    HWND name = nullptr;
    PumpUntil([&] {
        name = FileDialogNameControl(dlg);
        return name != nullptr && !WindowText(name).empty();
    });
    SetWindowTextA(name, path.c_str());
    PressButton(dlg, IDOK);
    return PumpUntil([&] { return ProgramPictures(p.hwnd).size() == before + 1; });
}

// Starts the real program as a user starts it and waits for its splash, a child of the main
// window; shown is the tick when the main window appeared.
void StartToTheSplash(StartedProgram& p, DWORD& shown, HWND& splash) {
    p = StartProgramUnderTest(PARVANE_EXE, MAIN_CLASS, MAIN_TITLE);
    ASSERT_NE(p.hwnd, nullptr);
    shown = GetTickCount();
    ASSERT_TRUE(PumpUntil([&] {
        splash = FindWindowExA(p.hwnd, nullptr, "#32770", "Parvane startet...");
        return splash != nullptr && IsWindowVisible(splash);
    }));
}

TEST(ParvaneProgram, SplashStandsFourSecondsCentredThenPicturesAndKeysWorkAndBeendenEnds) {
    StartedProgram p;
    DWORD shown = 0;
    HWND splash = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartToTheSplash(p, shown, splash));

    // The splash stands centred in the main window's client area.
    RECT pc;
    GetClientRect(p.hwnd, &pc);
    const RECT s = ChildRect(splash);
    EXPECT_EQ(s.left, (pc.right - (s.right - s.left)) / 2);
    EXPECT_EQ(s.top, (pc.bottom - (s.bottom - s.top)) / 2);
    EXPECT_FALSE(IsWindowEnabled(p.hwnd)) << "the main window takes no input meanwhile";
    PumpFor(300);
    SaveWindowPng(p.hwnd, "parvane_program_splash");
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        PostMessageA(splash, WM_KEYDOWN, key, 0);
        PostMessageA(splash, WM_KEYUP, key, 0xC0000000);
    }
    PumpFor(300);
    EXPECT_TRUE(IsWindow(splash)) << "Enter or Esc closed the splash";
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(splash); }, 8000));
    const DWORD stood = GetTickCount() - shown;
    EXPECT_GE(stood, 3800u);
    EXPECT_LE(stood, 6000u);
    EXPECT_TRUE(IsWindowEnabled(p.hwnd));

    // Three pictures through the program's own dialog, from a folder of their own.
    const COLORREF tones[3][4] = {
        {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)},
        {RGB(0, 255, 255), RGB(255, 0, 255), RGB(128, 128, 128), RGB(0, 0, 0)},
        {RGB(255, 128, 0), RGB(128, 0, 255), RGB(0, 128, 64), RGB(64, 32, 0)}};
    const TempFolder folder("parvane_prog");
    std::vector<std::string> files;
    for (int i = 0; i < 3; ++i) {
        files.push_back(folder.Path("p" + std::to_string(i) + ".bmp"));
        ASSERT_TRUE(WriteAll(files.back(), ColourBmp(160 - 20 * i, 90 + 15 * i, tones[i])));
        ASSERT_TRUE(OpenInProgram(p, files.back())) << files.back();
    }
    std::vector<HWND> pics = ProgramPictures(p.hwnd);
    ASSERT_EQ(pics.size(), 3u);
    PumpFor(200);
    SaveWindowPng(p.hwnd, "parvane_program_three_pictures");

    // Shift+F1 typed while a picture window has the keyboard: the main window's Info box.
    HWND picture = pics[0];
    const DWORD programThread = GetWindowThreadProcessId(p.hwnd, nullptr);
    ASSERT_TRUE(AttachThreadInput(GetCurrentThreadId(), programThread, TRUE));
    SetForegroundWindow(p.hwnd);
    SetFocus(picture);
    const bool focused = PumpUntil([&] { return GetFocus() == picture; }, 2000);
    EXPECT_TRUE(focused);
    TypeKey(VK_F1, false, true, false);
    HWND box = nullptr;
    EXPECT_TRUE(PumpUntil([&] { return (box = ProgramDialog(p, "Parvane")) != nullptr; }));
    AttachThreadInput(GetCurrentThreadId(), programThread, FALSE);
    if (box != nullptr) {
        EXPECT_EQ(GetWindow(box, GW_OWNER), p.hwnd);
        EXPECT_EQ(MessageBoxText(box).substr(0, 10), "AboutBox\n\r");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        PumpUntil([&] { return !IsWindow(box); });
    }

    // Beenden closes everything and ends with code 0.
    PostMessageA(p.hwnd, WM_COMMAND, IDM_BEENDEN, 0);
    EXPECT_EQ(WaitForExit(p), 0);
}

TEST(ParvaneProgram, ACloseRequestDuringTheSplashIsDroppedAndALaterOneEndsTheProgram) {
    StartedProgram p;
    DWORD shown = 0;
    HWND splash = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartToTheSplash(p, shown, splash));
    EXPECT_FALSE(IsWindowEnabled(p.hwnd));
    // As a taskbar or window manager asks: posted, while the splash's own loop runs.
    PostMessageA(p.hwnd, WM_CLOSE, 0, 0);
    // The splash's timer fires only once the posted request has been taken off the queue.
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(splash); }, 8000));
    EXPECT_GE(GetTickCount() - shown, 3800u) << "the splash did not stand its time";
    EXPECT_EQ(WaitForSingleObject(p.pi.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT))
        << "the program ended";
    EXPECT_TRUE(IsWindow(p.hwnd));
    EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(p.hwnd) != FALSE; }));
    PostMessageA(p.hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(p), 0);
}

} // namespace

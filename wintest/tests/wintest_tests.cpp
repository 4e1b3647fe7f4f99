#include "modalscript.h"
#include "screencap.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

TEST(RunModal, DrivesNestedMessageBoxesInOrder) {
    int outer = 0, inner = 0;
    std::vector<ModalStep> steps = {
        {DialogTitled("Outer"),
         [&](HWND) { inner = MessageBoxA(nullptr, "inner", "Inner", MB_OKCANCEL); }},
        {DialogTitled("Inner"), [](HWND w) { PostMessageA(w, WM_COMMAND, IDCANCEL, 0); }},
        {DialogTitled("Outer"), [](HWND w) { PostMessageA(w, WM_COMMAND, IDOK, 0); }},
    };
    bool ok = RunModal([&] { outer = MessageBoxA(nullptr, "outer", "Outer", MB_OKCANCEL); }, steps);
    EXPECT_TRUE(ok);
    EXPECT_EQ(IDCANCEL, inner);
    EXPECT_EQ(IDOK, outer);
}

TEST(RunModal, TimeOutCancelsTheDialog) {
    int result = 0;
    bool ok = RunModal([&] { result = MessageBoxA(nullptr, "x", "Lonely", MB_OKCANCEL); },
                       {{DialogTitled("Never there"), [](HWND) {}}}, 500);
    EXPECT_FALSE(ok);
    EXPECT_EQ(IDCANCEL, result);
}

TEST(SaveWindowPng, WritesAPngFile) {
    HWND w = CreateWindowExA(0, "STATIC", "shot", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                             100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(w);
    std::string path = SaveWindowPng(w, "wintest_static");
    DestroyWindow(w);
    ASSERT_FALSE(path.empty());
    FILE* f = fopen(path.c_str(), "rb");
    ASSERT_TRUE(f);
    unsigned char sig[8] = {};
    EXPECT_EQ(8u, fread(sig, 1, 8, f));
    fclose(f);
    EXPECT_EQ(0x89, sig[0]);
    EXPECT_EQ('P', sig[1]);
}

TEST(RunModal, ABoxAfterTheLastStepIsCancelledAtTheTimeOut) {
    int second = 0;
    bool ok = RunModal(
        [&] {
            MessageBoxA(nullptr, "first", "First", MB_OK);
            second = MessageBoxA(nullptr, "unexpected", "Second", MB_OKCANCEL);
        },
        {{DialogTitled("First"), [](HWND w) { PostMessageA(w, WM_COMMAND, IDOK, 0); }}}, 1500);
    EXPECT_FALSE(ok);
    EXPECT_EQ(IDCANCEL, second);
}

// A dialog procedure that ignores IDCANCEL (and so Esc and the close box) and counts it.
int cancelsIgnored = 0;
INT_PTR CALLBACK StubbornDlgProc(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        ++cancelsIgnored;
        return TRUE;
    }
    return FALSE;
}

// Opens a modal dialog titled "Stubborn" from an in-memory template; returns its result.
INT_PTR OpenStubbornDialog() {
    // DLGTEMPLATE, then no menu, the default class and the title, in UTF-16.
    struct {
        DLGTEMPLATE t;
        WORD menu, cls;
        WCHAR title[9];
    } tpl{};
    tpl.t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tpl.t.cx = 120;
    tpl.t.cy = 40;
    memcpy(tpl.title, L"Stubborn", sizeof tpl.title);
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &tpl.t, nullptr, StubbornDlgProc, 0);
}

TEST(RunModal, ADialogThatIgnoresCancelIsEndedWithinSeconds) {
    cancelsIgnored = 0;
    INT_PTR result = 0;
    const DWORD start = GetTickCount();
    bool ok = RunModal([&] { result = OpenStubbornDialog(); },
                       {{DialogTitled("Never there"), [](HWND) {}}}, 500);
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_FALSE(ok);
    EXPECT_EQ(IDCANCEL, result);
    // It was asked with IDCANCEL first, as every dialog is.
    EXPECT_GT(cancelsIgnored, 0);
    EXPECT_LT(elapsed, 4000u) << "took " << elapsed << " ms";
    EXPECT_EQ(FindThreadDialog("Stubborn"), nullptr);
}

TEST(RunModal, AModalLoopWithoutADialogEndsTheTestProcess) {
    // A loop that no IDCANCEL or EndDialog reaches, as a hang inside the code under test.
    const DWORD start = GetTickCount();
    EXPECT_EXIT(RunModal(
                    [] {
                        MSG msg;
                        while (GetMessageA(&msg, nullptr, 0, 0) > 0)
                            DispatchMessageA(&msg);
                    },
                    {{DialogTitled("Never there"), [](HWND) {}}}, 300),
                ::testing::ExitedWithCode(RUN_MODAL_HUNG_EXIT_CODE), "has not returned");
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_LT(elapsed, 20000u) << "took " << elapsed << " ms";
}

// A window whose command 1 opens a box and whose other commands do nothing.
LRESULT CALLBACK BoxOnCommandOne(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == 1)
        MessageBoxA(nullptr, "second", "Second", MB_OK);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(PostCommandsSteps, NotesAndCancelsTheBoxACommandOpensOverTheRunningOne) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = BoxOnCommandOne;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CommandTarget";
    ASSERT_TRUE(RegisterClassA(&wc));
    HWND target = CreateWindowExA(0, "CommandTarget", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_TRUE(target);
    auto to = [target] { return target; };
    HWND running = nullptr;
    std::vector<std::string> opened;
    std::vector<ModalStep> steps = PostCommandsSteps(
        DialogTitled("Running"), {{"quiet", to, 2}, {"box", to, 1}, {"quiet again", to, 2}},
        &running, &opened);
    steps.push_back(
        {DialogTitled("Running"), [](HWND w) { PostMessageA(w, WM_COMMAND, IDOK, 0); }});
    int result = 0;
    EXPECT_TRUE(
        RunModal([&] { result = MessageBoxA(nullptr, "x", "Running", MB_OKCANCEL); }, steps));
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(opened, std::vector<std::string>{"box: Second"});
    EXPECT_EQ(FindThreadDialog(), nullptr);
    DestroyWindow(target);
}

#include "modalscript.h"
#include "screencap.h"
#include "tempfiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

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

TEST(TempFolder, IsFreshAndNotCurrentAndGoesWithAllInIt) {
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof current, current);
    std::string kept;
    {
        TempFolder a("wintest"), b("wintest");
        kept = a.path;
        EXPECT_NE(a.path, b.path) << "two folders of one prefix in one tick";
        EXPECT_NE(lstrcmpiA(a.path.c_str(), current), 0);
        const DWORD attributes = GetFileAttributesA(a.path.c_str());
        ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
        EXPECT_EQ(FolderNames(a.path), std::vector<std::string>{});
        // What tests leave there: a read-only file, and a folder with a file of its own.
        ASSERT_TRUE(WriteAll(a.Path("locked.dat"), "x"));
        SetFileAttributesA(a.Path("locked.dat").c_str(), FILE_ATTRIBUTE_READONLY);
        ASSERT_TRUE(CreateDirectoryA(a.Path("sub").c_str(), nullptr));
        ASSERT_TRUE(WriteAll(a.Path("sub\\inner.dat"), "y"));
        EXPECT_EQ(FolderNames(a.path), (std::vector<std::string>{"locked.dat", "sub"}));
    }
    EXPECT_EQ(GetFileAttributesA(kept.c_str()), INVALID_FILE_ATTRIBUTES);

    // Current at the end, as a file dialog leaves the folder of the file chosen in it.
    {
        TempFolder a("wintest");
        kept = a.path;
        ASSERT_TRUE(CreateDirectoryA(a.Path("chosen").c_str(), nullptr));
        ASSERT_TRUE(SetCurrentDirectoryA(a.Path("chosen").c_str()));
    }
    EXPECT_EQ(GetFileAttributesA(kept.c_str()), INVALID_FILE_ATTRIBUTES);
    SetCurrentDirectoryA(current);
}

TEST(ReadAllWriteAll, KeepEveryByteAndReplaceTheWholeFile) {
    TempFolder folder("wintest");
    const std::string path = folder.Path("bytes.dat");
    // Binary: no line ends translated, no end at a NUL or a Ctrl+Z.
    const std::string bytes = std::string("a\r\nb\n\0c\x1A", 8) + std::string(70000, '\xFF');
    ASSERT_TRUE(WriteAll(path, bytes));
    EXPECT_EQ(ReadAll(path), bytes);
    ASSERT_TRUE(WriteAll(path, "short"));
    EXPECT_EQ(ReadAll(path), "short");
    EXPECT_EQ(ReadAll(folder.Path("missing.dat")), "");
    EXPECT_FALSE(WriteAll(folder.Path("no\\such\\folder.dat"), bytes));
}

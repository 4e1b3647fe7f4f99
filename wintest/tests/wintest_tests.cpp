#include "wintest.h"

#include <gtest/gtest.h>

#include <cstdio>

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

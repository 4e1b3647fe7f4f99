// The Lorvex main window in this process, made as WinMain makes it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "about.h"
#include "formeldlg.h"
#include "formula.h"
#include "loadsave.h"
#include "lorvex.h"
#include "lorvex_testing.h"
#include "mainwnd.h"
#include "msgloop.h"
#include "resultswnd.h"
#include "wintest.h"

class LorvexMain : public ::testing::Test {
  protected:
    HACCEL hAccel = nullptr;

    void SetUp() override {
        ResetFormulaModel();
        hInst = GetModuleHandleA(nullptr);
        hModule = GetModuleHandleA(nullptr);
        // Once per process; a start-up test may have registered it first.
        WNDCLASSA registered;
        ASSERT_TRUE(RegisterLorvexClasses(hInst) || GetClassInfoA(hInst, "Lorvex", &registered));
        ASSERT_TRUE(LoadMenuAndAccelerators(hInst, hAccel));
        ASSERT_NE(hMenu, nullptr);
        ASSERT_NE(hAccel, nullptr);
        hwndMain = CreateMainWindow(hInst);
        ASSERT_NE(hwndMain, nullptr);
        ShowWindow(hwndMain, SW_SHOWNORMAL);
        ASSERT_TRUE(ActivateWindow(hwndMain));
    }

    void TearDown() override {
        if (hwndResults != NO_WINDOW && IsWindow(hwndResults))
            DestroyWindow(hwndResults);
        hwndResults = NO_WINDOW;
        if (hwndMain != nullptr && IsWindow(hwndMain))
            DestroyWindow(hwndMain);
        hwndMain = nullptr;
        DrainQueue(); // the quit message of WM_DESTROY

        helpEngine = WinHelpA;
        ResetFormulaModel();
    }
};

// The dialog stands centred over the main window, within the 1024x768 screen.
inline void ExpectCentredOverMain(HWND dlg) {
    RECT d, o;
    GetWindowRect(dlg, &d);
    GetWindowRect(hwndMain, &o);
    EXPECT_EQ(d.left, CenteredCoordinate(o.left, o.right - o.left, d.right - d.left, 1024));
    EXPECT_EQ(d.top, CenteredCoordinate(o.top, o.bottom - o.top, d.bottom - d.top, 768));
}

// The results window stands at 200, 20 with 300 x 400 pixels.
inline void ExpectResultsPlacement() {
    EXPECT_EQ(PlaceOf(hwndResults), (WindowPlace{200, 20, 300, 400}));
}

// The Lorvex main window in this process, made as WinMain makes it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "formula.h"
#include "lorvex.h"
#include "wintest.h"

class LorvexMain : public ::testing::Test {
  protected:
    HACCEL hAccel = nullptr;

    void SetUp() override {
        ResetFormulaModel();
        hInst = GetModuleHandleA(nullptr);
        hModule = GetModuleHandleA(nullptr);
        static bool registered = RegisterMainClass(hInst);
        ASSERT_TRUE(registered);
        SetNameField(menuName, "Lorvex");
        hMenu = LoadMenuA(hInst, menuName);
        ASSERT_NE(hMenu, nullptr);
        SetNameField(accelName, "Lorvex");
        hAccel = LoadAcceleratorsA(hInst, accelName);
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
        // Takes the quit message of WM_DESTROY and anything left off the queue.
        PumpFor(50);
        helpEngine = WinHelpA;
        ResetFormulaModel();
    }
};

// Clicks a push button of a dialog as the dialog manager sees a click.
inline void PressButton(HWND dlg, int id) {
    PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

// What a message box shows.
struct BoxSeen {
    bool shown = false;
    std::string caption, text;
    HWND owner = nullptr;
    bool topmost = false;
    bool handIcon = false;
    bool exclamationIcon = false;
};

// Reads a message box and closes it with OK.
BoxSeen ReadAndCloseBox(HWND box, const char* shotName = nullptr);
// A modal step that reads the message box titled `caption` into *seen and closes it.
ModalStep BoxStep(const char* caption, BoxSeen* seen, const char* shotName = nullptr);

// The Lorvex main window in this process, made as WinMain makes it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "lorvex.h"
#include "wintest.h"

class LorvexMain : public ::testing::Test {
  protected:
    HACCEL hAccel = nullptr;

    void SetUp() override {
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
        if (hwndMain != nullptr && IsWindow(hwndMain))
            DestroyWindow(hwndMain);
        hwndMain = nullptr;
        // Takes the quit message of WM_DESTROY and anything left off the queue.
        PumpFor(50);
        helpEngine = WinHelpA;
    }
};

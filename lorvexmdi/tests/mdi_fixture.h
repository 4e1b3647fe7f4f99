// The LorvexMDI frame in this process, made as WinMain makes it, and helpers that open,
// find and close its children and read the boxes they show.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include <string>
#include <vector>

#include "lorvexmdi.h"
#include "lorvexmdi_testing.h"
#include "wintest.h"

class MdiFrame : public ::testing::Test {
  protected:
    HACCEL hAccel = nullptr;

    void SetUp() override {
        hInst = GetModuleHandleA(nullptr);
        hModule = GetModuleHandleA(nullptr);
        // Once per process; a start-up test may have registered them first.
        WNDCLASSA last;
        static bool registered =
            RegisterLorvexMDIClasses(hInst) || GetClassInfoA(hInst, "LorvexMDIText", &last);
        ASSERT_TRUE(registered);
        ASSERT_TRUE(LoadMenusAndAccelerators(hInst, hAccel));
        nChildNo = 0;
        hwndFrame = CreateFrameWindow(hInst);
        ASSERT_NE(hwndFrame, nullptr);
        ASSERT_NE(hwndClient, nullptr);
        ShowWindow(hwndFrame, SW_SHOWNORMAL);
        ASSERT_TRUE(ActivateWindow(hwndFrame));
    }

    void TearDown() override {
        if (hwndFrame != nullptr && IsWindow(hwndFrame))
            DestroyWindow(hwndFrame);
        hwndFrame = nullptr;
        hwndClient = nullptr;
        // The frame took the menu it showed along; the other one is left.
        for (HMENU m : {hMenuFrame, hMenuChild})
            if (IsMenu(m))
                DestroyMenu(m);
        DestroyAcceleratorTable(hAccel);
        // Takes the quit message of WM_DESTROY and anything left off the queue.
        PumpFor(50);
        infoAllocate = LocalAlloc;
        infoLock = LocalLock;
        helpEngine = WinHelpA;
    }
};

// The active child, or NULL.
inline HWND ActiveChild() {
    return reinterpret_cast<HWND>(SendMessageA(hwndClient, WM_MDIGETACTIVE, 0, 0));
}

// The New command as the menu sends it; returns the child it opened (the active one).
inline HWND OpenChild() {
    SendMessageA(hwndFrame, WM_COMMAND, IDM_NEW, 0);
    return ActiveChild();
}

// The children of the MDI client, in Z order.
inline std::vector<HWND> Children() {
    std::vector<HWND> all;
    for (HWND c = GetWindow(hwndClient, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        all.push_back(c);
    return all;
}

inline HWND StripOf(HWND child) {
    return GetDlgItem(child, IDC_STATUS_STRIP);
}

inline HLOCAL RecordHandle(HWND child) {
    return reinterpret_cast<HLOCAL>(GetWindowLongPtrA(child, 0));
}

// A freed local block: the handle no longer names a block.
inline bool BlockFreed(HLOCAL h) {
    return LocalFlags(h) == LMEM_INVALID_HANDLE;
}

// Calls act(), during which exactly `count` message boxes are expected, one after the other;
// reads and closes each.
std::vector<BoxSeen> BoxesDuring(const std::function<void()>& act, size_t count,
                                 const char* shotName = nullptr);
BoxSeen ExpectOneBox(const std::function<void()>& act, const char* shotName = nullptr);
// Calls act() and fails when any box opens.
void ExpectNoBox(const std::function<void()>& act);

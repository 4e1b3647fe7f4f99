// The Fenstro program of the Windows tests: INITIALSETTINGS and MainProgram run what the
// test at hand puts in initHook and mainHook; the fixture starts the framework in this
// process as FenstroMain does and closes it again.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "fenstro_testing.h"
#include "wintest.h"

extern std::function<bool()> initHook;
extern std::function<void()> mainHook;

// The tests' program name: the caption of the frame and the profile section.
constexpr const char* PROGRAM_NAME = "fenstro_tests";

class FenstroTest : public ::testing::Test {
  protected:
    void TearDown() override;
    // FenstroStart and the program thread, as FenstroMain does before its loop.
    bool Start(int show = SW_SHOWNORMAL);
    // Pumps messages until MainProgram has returned (false after timeoutMs).
    bool WaitForProgram(DWORD timeoutMs = 10000);
};

// The text of the menu item at pos of menu, and its state flags.
std::string MenuText(HMENU menu, UINT pos);
// The status bar's text.
std::string StatusText();

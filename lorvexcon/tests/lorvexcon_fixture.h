// LorvexCon inside the framework in this process, started as the framework's WinMain starts
// it: menu bar, INITIALSETTINGS, frame, MainProgram on its thread.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "conabout.h"
#include "confields.h"
#include "conformel.h"
#include "conloadsave.h"
#include "constartup.h"
#include "fenstro.h"
#include "fenstro_testing.h"
#include "fenstrodlg.h"
#include "formula.h"
#include "resource.h"
#include "wintest.h"

class LorvexCon : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Starts the framework with the program; false when the frame did not come up.
    bool Start();
    // Closes the frame and forgets the framework's state (the sleeping program thread of
    // the run stays, as in the real program until the process ends).
    void Stop();
};

// Chooses item of menu (both from 1, separators counted) as a click does; the routine runs
// before this returns, with any modal loop it opens.
void ChooseMenuItem(int menu, int item);
// The text of a menu position (from 0) and whether it is grayed.
std::string MenuItemText(HMENU menu, int pos);
bool MenuItemGrayed(HMENU menu, int pos);

// What the results window and the default output window hold.
std::vector<std::string> UnitLines(std::int32_t unit);

// Clicks a push button of a dialog and returns once the click has been handled.
void ClickNow(HWND dlg, int id);

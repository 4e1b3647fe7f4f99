// What the tests and the benchmarks use of Fenstro beyond a program's interface (fenstro.h,
// fenstrodlg.h). Part of it the framework runs itself; it is declared here so that a test
// can call it alone: the start-up in the two steps that FenstroMain takes before its loop,
// so that a test pumps the messages itself, and TryOpenUnit, which OpenUnit calls and which
// fails without ending the process. The rest only the tests use: the windows the framework
// made, what a unit's window holds, the window of a shown dialog, a reset between tests, and
// the help engine that a test puts in place of the system's.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fenstro.h"
#include "fenstrodlg.h"
#include "seams.h"

// The start-up of fenstro_main's WinMain in two steps, for tests that run their own loop.
// Menu bar, INITIALSETTINGS, frame (not yet MainProgram); false when the frame could not be
// created (after its report).
bool FenstroStart(HINSTANCE instance, int showCommand);
// Starts MainProgram on the program thread.
void FenstroStartProgram();

// The frame window, the MDI client and the status bar (NULL before the frame exists).
HWND FenstroFrame();
HWND FenstroClient();
HWND FenstroStatusBar();

// Forgets every window, unit, menu and geometry so that a test can start again. The frame
// must be closed first; a program thread that still runs is left alone.
void FenstroReset();

// OpenUnit without ending the process: false where OpenUnit would report.
bool TryOpenUnit(std::int32_t unit, const char* file, const char* title, const char* status);

// What a unit's window holds: the number of lines, and line n (from 1; "" past the end).
std::size_t UnitLineCount(std::int32_t unit);
std::string UnitLine(std::int32_t unit, std::size_t n);

// The window of a shown dialog (NULL when it is not shown).
HWND DlgWindow(const DialogRecord& record);

// The help engine that MenuCmdHelpContents calls: WinHelpA, or a test's own.
extern WinHelpRoutine fenHelpEngine;

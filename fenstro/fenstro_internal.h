// What the framework's source files share: the windows, the menu bar, the units.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "fenstro.h"
#include "fenstrocore.h"

extern HINSTANCE fenInstance;
extern HWND fenFrame;  // NULL before the frame exists
extern HWND fenClient; // its MDI client
extern HWND fenStatus; // its status bar
extern HMENU fenMenuBar;
extern MenuPlan fenMenuPlan;
extern DWORD fenInterfaceThread;
extern std::string fenProgramName; // the program file's name without extension
// The help engine that MenuCmdHelpContents calls (WinHelpA; tests put their own).
extern BOOL(WINAPI* fenHelpEngine)(HWND, LPCSTR, UINT, ULONG_PTR);

// Private messages.
constexpr UINT WM_FENSTRO_CALL = WM_APP + 1;     // frame: lParam is a std::function<void()>*
constexpr UINT WM_FENSTRO_LINES = WM_APP + 2;    // text window: its store has grown
constexpr UINT WM_FENSTRO_FINISHED = WM_APP + 3; // frame: MainProgram has returned
constexpr UINT WM_FENSTRO_WINDOW = WM_APP + 4;   // frame: lParam is a Unit* that wants its window

constexpr const char* FRAME_CLASS = "FenstroFrame";
constexpr const char* TEXT_CLASS = "FenstroText";
constexpr const char* DEFAULT_OUTPUT_TITLE = "Output";
constexpr unsigned FIRST_MENU_COMMAND = 1000;
constexpr UINT FIRST_MDI_CHILD = 0xFF00;

// Status bar texts.
constexpr const char* STATUS_RUNNING = "Running";
constexpr const char* STATUS_PAUSED = "Paused: enter an empty line to continue";
constexpr const char* STATUS_FINISHED = "Program finished";

bool OnInterfaceThread();
// Runs fn on the interface thread (at once when called there or before the frame exists)
// and waits for it. Never call it while holding a unit's lock.
void RunOnInterfaceThread(const std::function<void()>& fn);
void SetStatusText(const char* text);

// ---- Units (units.cpp) ----
struct Unit {
    std::int32_t number = 0;
    CRITICAL_SECTION lock; // held for one write, and while a window copies lines out
    LineStore store;
    std::string title;
    HWND hwnd = nullptr;                 // its text window (interface thread)
    std::atomic<bool> wantWindow{false}; // gets a window when the frame exists
    std::atomic<bool> linesPosted{false};
    std::string input; // what the user types while a pause waits (interface thread)
};
// The unit, or NULL when it is not connected.
Unit* FindUnit(std::int32_t number);
// On the interface thread: the unit's window, when the frame exists.
void EnsureWindow(Unit* u);
// Creates the windows of units that were connected before the frame existed.
void CreatePendingUnitWindows();
// The pause: whether one waits, and an empty line typed into unit's window.
bool PauseWaiting();
void AnswerPause();
void ResetUnits();

// ---- Text windows (textwnd.cpp) ----
bool RegisterTextWindowClass(HINSTANCE instance);
// An MDI child in the client (place in client pixels, NULL for the default place), or a
// top-level window of its own when there is no frame yet.
HWND CreateTextWindow(Unit* unit, const RECT* place);

// ---- Menus (menus.cpp) ----
// Runs the routine of a menu command; false when command is none of the bar's.
bool RunMenuCommand(unsigned command);
void ResetMenus();

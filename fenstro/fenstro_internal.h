// What the framework's source files share: the record fen, the private messages, the units,
// the pause, the text windows and the menus.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "fenstro.h"
#include "fenstro_testing.h"
#include "fenstrocore.h"

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

// Two threads meet here: the interface thread owns every window, the menus and the dialogs;
// the program thread runs MainProgram and calls the unit operations and whatever reaches the
// interface through RunOnInterfaceThread. The rule for data: a field that both threads touch
// is atomic, or it is read and written only under the lock that guards its writes (a unit's
// lock for its line store, the unit table's lock for the table). Everything else belongs to
// the interface thread, and the program thread reaches it only through RunOnInterfaceThread.
// Start-up values are set before the program thread starts and not changed while it runs.
// The record below groups its fields by kind; each field of Unit says which kind it is.

// The framework's state that several of its files use: the start-up values, the frame with
// its client and status bar, the frame's placement, the program thread and the menu bar with
// its routines; frame.cpp owns the one instance, fen. The rest of the framework's
// program-wide state stays in the file that keeps it: the unit table in units.cpp (under its
// own lock), the pause's counters and event in pause.cpp (atomic), the shown dialogs in
// dialogs.cpp (the interface thread's) and the help engine in menus.cpp (fenHelpEngine, which
// only a test changes).
struct FenstroState {
    // Start-up values.
    HINSTANCE instance = nullptr;
    std::string programName; // the program file's name without extension

    // Both threads.
    std::atomic<DWORD> interfaceThread{0};
    std::atomic<HWND> frame{nullptr}; // NULL before and after the frame

    // The interface thread's.
    HWND client = nullptr;                     // the frame's MDI client
    HWND status = nullptr;                     // the frame's status bar
    WindowGeometry frameGeometry{};            // asked for the frame (SetWindowGeometry)
    bool frameGeometrySet = false;             // frameGeometry holds a request
    HANDLE programThread = nullptr;            // the thread that runs MainProgram
    HMENU menuBar = nullptr;                   // the bar the program builds
    MenuPlan menuPlan{{}, FIRST_MENU_COMMAND}; // its menus, items and routines
    std::vector<HMENU> menuPopups;             // one per menu of the bar; NULL until it has an item
    bool menuRoutineRunning = false;           // a menu routine runs (one at a time)
};
extern FenstroState fen;

bool OnInterfaceThread();
// Runs fn on the interface thread and waits for it: at once when called there, through the
// frame from another thread. From another thread when there is no frame (it has closed and
// the process is ending) fn does not run. Never call it while holding a unit's lock.
void RunOnInterfaceThread(const std::function<void()>& fn);
void SetStatusText(const char* text);

// ---- Units (units.cpp) ----
struct Unit {
    std::int32_t number = 0;         // set at connection under the table's lock, then never changed
    CRITICAL_SECTION lock;           // held for one write, and while a window copies lines out
    LineStore store;                 // only under lock
    std::string title;               // interface thread (set at connection under the table's lock)
    std::atomic<HWND> hwnd{nullptr}; // its text window; written on the interface thread
    std::atomic<bool> wantWindow{false};  // gets a window when the frame exists
    std::atomic<bool> linesPosted{false}; // a WM_FENSTRO_LINES waits in the window's queue
    std::string input; // what the user types while a pause waits (interface thread)
};
// The unit, or NULL when it is not connected.
Unit* FindUnit(std::int32_t number);
// On the interface thread: the unit's window, when the frame exists.
void EnsureWindow(Unit* u);
// Creates the windows of units that were connected before the frame existed.
void CreatePendingUnitWindows();
void ResetUnits();

// ---- The pause (pause.cpp) ----
// Whether a pause waits; an empty line typed into the default output window answers it.
bool PauseWaiting();
void AnswerPause();
// Frees a program thread that still waits in a pause.
void ResetPause();

// ---- Text windows (textwnd.cpp) ----
bool RegisterTextWindowClass(HINSTANCE instance);
// An MDI child in the client (place in client pixels, NULL for the default place), or a
// top-level window of its own when there is no frame yet.
HWND CreateTextWindow(Unit* unit, const RECT* place);

// ---- Menus (menus.cpp) ----
// Runs the routine of a menu command; false when command is none of the bar's.
bool RunMenuCommand(unsigned command);
// Whether a menu routine runs now (its dialog, box or pause waits in a loop of its own).
bool MenuRoutineRunning();
void ResetMenus();

// ---- The process (frame.cpp) ----
// The whole start-up and message loop; returns the exit code. fenstro_main's WinMain calls
// it and then ends the process, also while the program thread still runs.
int FenstroMain(HINSTANCE instance, int showCommand);

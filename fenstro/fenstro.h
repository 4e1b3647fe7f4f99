// Fenstro: a console-window framework. It owns the process: its WinMain (library
// fenstro_main) builds an empty menu bar, calls the program's INITIALSETTINGS, creates the
// frame (MDI client for the text windows, status bar), runs the program's MainProgram on a
// second thread (the program thread) and the message loop on the interface thread.
// A program links fenstro and fenstro_main and defines INITIALSETTINGS and MainProgram.
// Closing the frame ends the process, also while the program thread still runs; a close
// request that comes while a menu routine runs (its dialog, box or pause is open) or while
// a modal dialog or box disables the frame is refused, and the program goes on.
//
// Texts handed to the framework are NUL-terminated. Every operation may be called from
// either thread unless its comment says otherwise.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fenstrodefs.h"

// ---- Provided by the program -------------------------------------------------------------

// Called once on the interface thread after the empty menu bar exists and before the frame
// does. false: the framework reports its start-up error and goes on with the items added.
bool INITIALSETTINGS();
// Runs on the program thread once the frame is shown. May return or run forever; the
// process ends when the frame is closed.
void MainProgram();

// ---- Units ---------------------------------------------------------------------------------

// The frame as a pseudo unit for SetWindowGeometry (0x80000000).
constexpr std::int32_t FRAME_WINDOW_UNIT = INT32_MIN;
// The unit of free-form output; its text window "Output" opens at the first write.
constexpr std::int32_t DEFAULT_OUTPUT_UNIT = 6;

// Opens a unit. file "USER" (case ignored) with status "UNKNOWN" (or "NEW", "OLD",
// "REPLACE") creates a text window titled title in the frame's MDI client and connects it
// to unit (before the frame exists: when the frame is created). Opening a connected unit
// again only sets its title. Any other file name or status is a run-time error: the report
// box, then the process ends.
void OpenUnit(std::int32_t unit, const char* file, const char* title, const char* status);

// Writes one record to a unit: its first character is line control and is not shown
// ('+' goes on in the last line; ' ' and every other character start a new line, so that
// one record is one line whatever a full number field puts first; an empty record is a lone
// ' '). An open line that holds nothing yet serves as the new line. With lineOpen no line
// end follows. A unit that is not open is connected on its first write to a text window of
// its own: "Output" at the bottom of the MDI client for DEFAULT_OUTPUT_UNIT, "Unit n"
// otherwise. Each call completes before another write to the unit starts. A text window that
// the user closed (which only makes it an icon) is restored when lines are written to it.
void WriteRecord(std::int32_t unit, const char* record, std::size_t length, bool lineOpen = false);
void WriteRecord(std::int32_t unit, const std::string& record, bool lineOpen = false);
void WriteRecord(std::int32_t unit, const char* record, bool lineOpen = false); // NUL-terminated
// A free-form write of one text to the default output unit: a blank, then text.
void WriteDefaultOutput(const std::string& text);

// The text window of a unit; NULL when the unit has none. For FRAME_WINDOW_UNIT the frame,
// NULL before it exists and once it has been destroyed.
HWND GetWindowHandle(std::int32_t unit);

// Shows text followed by a line end in the default output window and waits until the user
// enters an empty line there (typing, then Enter). Before the frame exists the output shows
// in a window of its own. On the interface thread the wait runs a message loop.
void PauseProgram(const char* text);

// Suspends the calling thread for ms milliseconds (nothing for ms <= 0).
void SleepMilliseconds(std::int32_t ms);

// ---- Frame geometry ------------------------------------------------------------------------

// Five 16-bit signed fields in this order.
struct WindowGeometry {
    std::int16_t request;
    std::int16_t x;
    std::int16_t y;
    std::int16_t height;
    std::int16_t width;
};
static_assert(sizeof(WindowGeometry) == 10, "five 16-bit fields");

// Sets position and size of the outer rectangle (screen pixels for the frame, MDI client
// pixels for a text window's unit).
constexpr std::int16_t GEOMETRY_SET = 4;

// Before the frame exists the values for the frame are kept for its creation. false for an
// unknown request, a width or height below 1, or a unit without a window.
bool SetWindowGeometry(std::int32_t unit, const WindowGeometry& geometry);

// ---- Menus ---------------------------------------------------------------------------------

// MENU_GRAYED 1, MENU_CHECKED 2, MENU_ENABLED 4, MENU_SEPARATOR 8 and the routine type
// MenuRoutine: see fenstrodefs.h.

// menu numbers the menus of the bar from 1. One above the count opens a new menu with text
// as its title (routine is called when the bare title is chosen, and dropped when the menu
// gets its first item); a number within the count appends an item; otherwise false. Also
// false for flags with bits other than the four above, a NULL text on a non-separator, a
// NULL routine or a separator as a title.
bool AddMenuItem(std::int32_t menu, std::int32_t flags, const char* text, MenuRoutine routine);

// item counts from 1 within menu, separators included. MENU_ENABLED enables, MENU_GRAYED
// grays, MENU_CHECKED sets the check mark (cleared otherwise). The bar is redrawn. false for
// a menu or item that does not exist.
bool SetMenuItemFlags(std::int32_t menu, std::int32_t item, std::int32_t flags);

// Predefined routines.
void MenuCmdNone(std::int32_t& checked);         // nothing
void MenuCmdExit(std::int32_t& checked);         // closes the frame: the process ends
void MenuCmdHelpContents(std::int32_t& checked); // WinHelpA(frame, FENSTRO_HELP_FILE, HELP_INDEX)
// When the help engine cannot be started, MenuCmdHelpContents shows the box "Unable to
// activate help" over the frame, captioned with the program's name; the program goes on.

// The framework's help file, looked for beside the program file.
constexpr const char* FENSTRO_HELP_FILE = "Fenstro.hlp";

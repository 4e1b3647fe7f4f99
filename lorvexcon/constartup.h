// The set-up hook, the main routine and the results window of LorvexCon. INITIALSETTINGS
// and MainProgram are declared by the framework (fenstro.h).
#pragma once

#include <cstdint>

#include "fenstro.h"

// The text window "Rechenergebnisse", open for the whole process.
constexpr std::int32_t RESULTS_WINDOW_UNIT = 77;

extern WindowGeometry frameGeometry;

// One row of the menu bar as INITIALSETTINGS adds it.
struct MenuRow {
    std::int32_t menu;
    std::int32_t flags;
    const char* text;
    MenuRoutine routine;
};
constexpr int MENU_ROW_COUNT = 11;
extern MenuRow menuRows[MENU_ROW_COUNT];
// "&Speichern": menu 1, item 2.
constexpr std::int32_t SAVE_MENU = 1;
constexpr std::int32_t SAVE_ITEM = 2;

// Appends the 100 lines of the result table to the results window and enables "&Speichern".
void ShowResults();

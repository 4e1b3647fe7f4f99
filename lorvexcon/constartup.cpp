// Start-up of LorvexCon inside the framework: frame placement and menu bar, the results
// window, and the listing of the result table in it.
#include "constartup.h"

#include <windows.h>

#include "conabout.h"
#include "confields.h"
#include "conformel.h"
#include "conloadsave.h"
#include "formula.h"

WindowGeometry frameGeometry;

MenuRow menuRows[MENU_ROW_COUNT] = {
    {1, MENU_ENABLED, "&Datei", MenuCmdNone},
    {1, MENU_ENABLED, "&Laden", LoadResults},
    {1, MENU_GRAYED, "&Speichern", SaveResults},
    {1, MENU_SEPARATOR, "", MenuCmdNone},
    {1, MENU_ENABLED, "E&nde", MenuCmdExit},
    {2, MENU_ENABLED, "&Berechnen", MenuCmdNone},
    {2, MENU_ENABLED, "&FormelCS", dlgFormelCS},
    {3, MENU_ENABLED, "&Hilfe", MenuCmdNone},
    {3, MENU_ENABLED, "&Fenstro Help", MenuCmdHelpContents},
    {3, MENU_SEPARATOR, "", MenuCmdNone},
    {3, MENU_ENABLED, "&About LorvexCon", ShowAboutDialog},
};

bool INITIALSETTINGS() {
    const auto cx = static_cast<std::int16_t>(GetSystemMetrics(SM_CXSCREEN));
    const auto cy = static_cast<std::int16_t>(GetSystemMetrics(SM_CYSCREEN));
    const FramePlacement p = FramePlacementFor(cx, cy);
    frameGeometry = {GEOMETRY_SET, p.x, p.y, p.height, p.width};
    SetWindowGeometry(FRAME_WINDOW_UNIT, frameGeometry);
    for (const MenuRow& row : menuRows) {
        if (!AddMenuItem(row.menu, row.flags, row.text, row.routine)) {
            PauseProgram("Fehler in INITIALSETTINGS.");
            return false;
        }
    }
    return true;
}

void MainProgram() {
    OpenUnit(RESULTS_WINDOW_UNIT, "USER", "Rechenergebnisse", "UNKNOWN");
    // A lone line control, the line left open: the window stays empty.
    WriteRecord(RESULTS_WINDOW_UNIT, " ", 1, true);
    for (;;)
        SleepMilliseconds(500);
}

void ShowResults() {
    for (int i = 0; i < POINT_COUNT; ++i)
        WriteRecord(RESULTS_WINDOW_UNIT,
                    ResultRecord(resultTable.xValues[i], resultTable.yValues[i]));
    SetMenuItemFlags(SAVE_MENU, SAVE_ITEM, MENU_ENABLED);
}

// A small Fenstro program for the start-up test: a menu bar, a text window that the
// program thread fills, and then a main routine that sleeps until the frame is closed.
// With FENSTRO_TESTPROG_OPEN set it first opens that file as unit 5; with
// FENSTRO_TESTPROG_FAIL_INIT set its INITIALSETTINGS fails after one menu and pauses.
#include "fenstro.h"

namespace {

void Hello(std::int32_t&) {
    WriteDefaultOutput("Hallo aus dem Men\xFC.");
}

} // namespace

bool INITIALSETTINGS() {
    WindowGeometry g{GEOMETRY_SET, 50, 40, 500, 700};
    SetWindowGeometry(FRAME_WINDOW_UNIT, g);
    if (GetEnvironmentVariableA("FENSTRO_TESTPROG_FAIL_INIT", nullptr, 0)) {
        AddMenuItem(1, MENU_ENABLED, "&Datei", MenuCmdNone);
        PauseProgram("Fehler in INITIALSETTINGS.");
        return false;
    }
    return AddMenuItem(1, MENU_ENABLED, "&Datei", MenuCmdNone) &&
           AddMenuItem(1, MENU_ENABLED, "&Hallo", Hello) &&
           AddMenuItem(1, MENU_SEPARATOR, "", MenuCmdNone) &&
           AddMenuItem(1, MENU_ENABLED, "E&nde", MenuCmdExit);
}

void MainProgram() {
    // A test asks for the open of a file, which only the console may be here.
    char file[64];
    if (GetEnvironmentVariableA("FENSTRO_TESTPROG_OPEN", file, sizeof file))
        OpenUnit(5, file, "Daten", "UNKNOWN");
    OpenUnit(77, "USER", "Rechenergebnisse", "UNKNOWN");
    for (int i = 1; i <= 30; ++i)
        WriteRecord(77, " Zeile " + std::to_string(i));
    WriteDefaultOutput("Bereit.");
    for (;;)
        SleepMilliseconds(500);
}

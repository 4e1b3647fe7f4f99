// Laden and Speichern: Lorvex's commands over the formula demo's result-file dialogs, owned
// by the main window.
#pragma once

#include "resultfiledlg.h"

// The commands Laden and Speichern. A file dialog that fails (other than by cancel) gets a box
// over the main window, a file that cannot be read or written the run-time error report; the
// program goes on, and a failed load leaves the table and the display as they were.
void LoadResults();
void SaveResults();

// Loading and saving result files in LorvexCon: its menu routines over the formula demo's
// result-file dialogs, owned by the results window.
#pragma once

#include <cstdint>

#include "resultfiledlg.h"

// Menu routines of "&Laden" and "&Speichern". A file that cannot be read or written is
// reported and the program goes on; a failed load leaves the table and the results window
// as they were, a failed save the file. A file dialog that fails (not a cancel) is reported
// as a line in the default output window, and nothing is read or written.
void LoadResults(std::int32_t& checked);
void SaveResults(std::int32_t& checked);

// Loading and saving result files through the common file dialogs.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

#include "filedlg.h"
#include "textio.h"

extern OPENFILENAMEA ofn;
extern char chosenPath[256]; // the full path of the file chosen in the last dialog
// Fills every field of the record for a dialog titled `title`; `saving` selects the flags
// of the save dialog (a new name is taken, an existing file is overwritten only after a
// question) instead of those of the open dialog (the file must exist).
void InitOpenFileName(OPENFILENAMEA& record, const char* title, bool saving);
// The commands Laden and Speichern. A file dialog that fails (other than by cancel) and a file
// that cannot be read or written are reported and the program goes on; a failed load leaves
// the table and the display as they were.
void LoadResults();
void SaveResults();
// The report of a failed read or write, a message box without owner.
void ReportFileError(IoError error, const std::string& path);

// Loading and saving result files through the common file dialogs, as both editions of the
// formula demo do it. Each edition fills the record for its dialog (its InitOpenFileName,
// which picks the owner) and then runs the rest here: the dialog, the report of a dialog
// that failed, the read or write of the chosen file, the run-time error report of a file
// that cannot be read or written, and after a load the edition's display of the table.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

#include "seams.h"

// The program-wide record of both file dialogs, and the buffer in which they return the full
// path of the chosen file.
constexpr DWORD RESULT_PATH_LENGTH = 256;
extern OPENFILENAMEA ofn;
extern char chosenPath[RESULT_PATH_LENGTH];

// The open and save dialogs the flows run: GetOpenFileNameA and GetSaveFileNameA, or a
// test's own.
extern FileDialogRoutine resultOpenDialog;
extern FileDialogRoutine resultSaveDialog;

// Fills every field of `record` for a result-file dialog titled `title` over `owner`. The
// model's resultFileName is the name offered and receives the chosen file's bare name; the
// full path comes back in chosenPath. `saving` selects the flags of the save dialog (a new
// name is taken, an existing file is replaced only after a question) instead of those of the
// open dialog (the file must exist).
void InitResultFileDialog(OPENFILENAMEA& record, HWND owner, const char* title, bool saving);

// How an edition reports a file dialog that failed (not a cancel), and shows a table it read.
using DialogFailureReport = void (*)(const std::string& text);
using TableDisplay = void (*)();

// Runs the open dialog on `ofn` and reads the chosen file into the table, then shows it. A
// file that cannot be read gets the run-time error report with `caption`, and the table and
// its display stay as they were.
void LoadResultsThroughDialog(const char* caption, DialogFailureReport reportFailure,
                              TableDisplay showTable);
// Runs the save dialog on `ofn` and writes the table to the chosen file. A file that cannot be
// written gets the run-time error report with `caption`, and keeps its old content.
void SaveResultsThroughDialog(const char* caption, DialogFailureReport reportFailure);

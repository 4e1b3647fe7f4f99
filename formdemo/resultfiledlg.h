// Loading and saving result files through the common file dialogs, as both editions of the
// formula demo do it: the record for the dialog (InitOpenFileName, over the owner the edition
// names), the dialog, the report of a dialog that failed, the read or write of the chosen
// file, the run-time error report of a file that cannot be read or written, and after a load
// the edition's display of the table.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

// The program-wide record of both file dialogs, and the buffer in which they return the full
// path of the chosen file.
constexpr DWORD RESULT_PATH_LENGTH = 256;
extern OPENFILENAMEA ofn;
extern char chosenPath[RESULT_PATH_LENGTH];

// The flags of the open dialog (the file must exist) and of the save dialog (a new name is
// taken, an existing file is replaced only after a question).
constexpr DWORD RESULT_LOAD_FLAGS = OFN_LONGNAMES | OFN_FILEMUSTEXIST;
constexpr DWORD RESULT_SAVE_FLAGS = OFN_LONGNAMES | OFN_OVERWRITEPROMPT;

// Fills every field of ofn for a result-file dialog titled `title` over `owner`, with
// `flags`. The model's resultFileName is the name offered and receives the chosen file's bare
// name; the full path comes back in chosenPath.
void InitOpenFileName(HWND owner, const char* title, DWORD flags);

// How an edition reports a file dialog that failed (not a cancel), and shows a table it read.
using DialogFailureReport = void (*)(const std::string& text);
using TableDisplay = void (*)();

// Fills ofn for the open dialog over `owner`, runs it and reads the chosen file into the
// table, then shows it. A file that cannot be read gets the run-time error report with
// `caption`, and the table and its display stay as they were.
void LoadResultsThroughDialog(HWND owner, const char* caption, DialogFailureReport reportFailure,
                              TableDisplay showTable);
// Fills ofn for the save dialog over `owner`, runs it and writes the table to the chosen
// file. A file that cannot be written gets the run-time error report with `caption`, and
// keeps its old content.
void SaveResultsThroughDialog(HWND owner, const char* caption, DialogFailureReport reportFailure);

// File selection through the common open dialog: the dialog's record and buffers, and the
// routine that proposes a name and hands the chosen path back.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <cstddef>

#include "namefields.h"

extern OPENFILENAMEA ofn;
extern char szFile[FILE_FIELD_LENGTH];
extern char szFileTitle[FILE_FIELD_LENGTH];
extern char szFilter[FILE_FIELD_LENGTH];
extern char szDefExt[4];
constexpr char FILE_DIALOG_TITLE[] = "Dateiauswahl";
// The dialog takes only an existing file.
constexpr DWORD FILE_DIALOG_FLAGS = OFN_LONGNAMES | OFN_FILEMUSTEXIST;

// Lets the user pick a file, proposing the name held in `name` (nameLength characters,
// blank-padded). Returns -1 when cancelled or when the dialog failed (a failure is reported
// in a box "Fehler" over owner); n, the chosen path's length, with the path and blanks in
// `name`; -n with as much of the path as fits when it is longer than `name`.
int ShowOpenFileDialog(HWND owner, char* name, std::size_t nameLength);
// Fills every field of ofn for a dialog titled `title` over `owner`, with `flags`; the
// proposal already stands in szFile.
void InitOpenFileName(HWND owner, const char* title, DWORD flags);

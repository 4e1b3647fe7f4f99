// The About dialog and the centring of a window over its owner, for any program: the
// dialog reads the version block of the module that holds its template, which each program
// keeps in its own resource script under the name ABOUTDLG.
#pragma once

#include <windows.h>

#include "about_ids.h"
#include "centering.h"

// Query path of a value in the string table of language 0x0409, code page 1252.
constexpr char VERSION_PATH_PREFIX[] = "\\StringFileInfo\\040904E4\\";
constexpr int VERSION_TEXT_LENGTH = 256;

// The labels' font while the dialog is open, else NULL.
extern HFONT hAboutFont;

INT_PTR CALLBACK AboutDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

// Copies the value at queryPath (with its NUL) into valueBuffer (VERSION_TEXT_LENGTH
// characters, cut to fit) and returns nonzero; returns 0 and leaves the buffer alone when
// the path is not in the block.
int QueryVersionString(void* versionBlock, const char* queryPath, char* valueBuffer);

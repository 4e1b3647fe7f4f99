// What only the tests replace of the formula demo's file dialog flows: the dialog calls,
// which resultfiledlg.cpp keeps.
#pragma once

#include "seams.h"

// The open and save dialogs the flows run: GetOpenFileNameA and GetSaveFileNameA, or a
// test's own. The program never changes them.
extern FileDialogRoutine resultOpenDialog;
extern FileDialogRoutine resultSaveDialog;

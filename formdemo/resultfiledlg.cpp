#include "resultfiledlg.h"

#include "filedlg.h"
#include "filedlgtext.h"
#include "formdemo_testing.h" // the dialog calls, defined here
#include "formula.h"
#include "resultfile.h"
#include "runerror_box.h"

OPENFILENAMEA ofn;
char chosenPath[RESULT_PATH_LENGTH];
FileDialogRoutine resultOpenDialog = GetOpenFileNameA;
FileDialogRoutine resultSaveDialog = GetSaveFileNameA;

namespace {

// Fills ofn for the open or the save dialog over owner and runs it. True when the user chose a
// file, whose full path goes into path. A cancel says nothing; a failure (a chosen path longer
// than the path buffer, say) is reported, so that a command that did nothing does not look
// done.
bool ChooseResultFile(HWND owner, bool saving, DialogFailureReport reportFailure,
                      std::string& path) {
    InitOpenFileName(owner, saving ? SAVE_DIALOG_TITLE : LOAD_DIALOG_TITLE,
                     saving ? RESULT_SAVE_FLAGS : RESULT_LOAD_FLAGS);
    if (!(saving ? resultSaveDialog : resultOpenDialog)(&ofn)) {
        const DWORD code = FileDialogFailure();
        if (ClassifyFileDialogFailure(code) != FileDialogFailureKind::Cancelled)
            reportFailure(FileDialogFailureText(code, saving));
        return false;
    }
    path = ChosenFilePath(ofn);
    return true;
}

} // namespace

void InitOpenFileName(HWND owner, const char* title, DWORD flags) {
    InitFileDialog(ofn, owner, title, flags, RESULT_FILE_FILTER, RESULT_FILE_EXTENSION,
                   formulaModel.resultFileName, sizeof formulaModel.resultFileName, chosenPath,
                   sizeof chosenPath);
}

void LoadResultsThroughDialog(HWND owner, const char* caption, DialogFailureReport reportFailure,
                              TableDisplay showTable) {
    std::string path;
    if (!ChooseResultFile(owner, false, reportFailure, path))
        return;
    IoError error{};
    // The reader replaces the table only when all 100 points were read.
    if (!ReadResultFile(path, resultTable, error)) {
        ShowRunTimeError(error, RESULT_FILE_UNIT, path, caption);
        return;
    }
    showTable();
}

void SaveResultsThroughDialog(HWND owner, const char* caption, DialogFailureReport reportFailure) {
    std::string path;
    if (!ChooseResultFile(owner, true, reportFailure, path))
        return;
    IoError error{};
    // The writer replaces the file only once the new content is complete.
    if (!WriteResultFile(path, resultTable, error))
        ShowRunTimeError(error, RESULT_FILE_UNIT, path, caption);
}

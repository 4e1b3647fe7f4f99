#include "resultfiledlg.h"

#include "filedlg.h"
#include "filedlgtext.h"
#include "formula.h"
#include "resultfile.h"
#include "runerror_box.h"

OPENFILENAMEA ofn;
char chosenPath[RESULT_PATH_LENGTH];
FileDialogRoutine resultOpenDialog = GetOpenFileNameA;
FileDialogRoutine resultSaveDialog = GetSaveFileNameA;

namespace {

// After a dialog returned FALSE: a cancel says nothing; a failure (a chosen path longer than
// the path buffer, say) is reported, so that a command that did nothing does not look done.
void ReportDialogFailure(DialogFailureReport reportFailure, bool saving) {
    const DWORD code = FileDialogFailure();
    if (ClassifyFileDialogFailure(code) != FileDialogFailureKind::Cancelled)
        reportFailure(FileDialogFailureText(code, saving));
}

} // namespace

void InitOpenFileName(HWND owner, const char* title, DWORD flags) {
    InitFileDialog(ofn, owner, title, flags, RESULT_FILE_FILTER, RESULT_FILE_EXTENSION,
                   formulaModel.resultFileName, sizeof formulaModel.resultFileName, chosenPath,
                   sizeof chosenPath);
}

void LoadResultsThroughDialog(HWND owner, const char* caption, DialogFailureReport reportFailure,
                              TableDisplay showTable) {
    InitOpenFileName(owner, LOAD_DIALOG_TITLE, RESULT_LOAD_FLAGS);
    if (!resultOpenDialog(&ofn)) {
        ReportDialogFailure(reportFailure, false);
        return;
    }
    const std::string path = ChosenFilePath(ofn);
    IoError error{};
    // The reader replaces the table only when all 100 points were read.
    if (!ReadResultFile(path, resultTable, error)) {
        ShowRunTimeError(error, RESULT_FILE_UNIT, path, caption);
        return;
    }
    showTable();
}

void SaveResultsThroughDialog(HWND owner, const char* caption, DialogFailureReport reportFailure) {
    InitOpenFileName(owner, SAVE_DIALOG_TITLE, RESULT_SAVE_FLAGS);
    if (!resultSaveDialog(&ofn)) {
        ReportDialogFailure(reportFailure, true);
        return;
    }
    const std::string path = ChosenFilePath(ofn);
    IoError error{};
    // The writer replaces the file only once the new content is complete.
    if (!WriteResultFile(path, resultTable, error))
        ShowRunTimeError(error, RESULT_FILE_UNIT, path, caption);
}

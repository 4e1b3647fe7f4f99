#include "conloadsave.h"

#include "constartup.h"
#include "fenstro.h"
#include "filedlg.h"
#include "formula.h"
#include "resultfile.h"
#include "runerror_box.h"

OPENFILENAMEA ofn;
char chosenPath[MAX_PATH];

namespace {

// A dialog that returned without a file: a cancel says nothing; a failure (a path longer
// than the buffer, ...) gets its line, else the command would look done.
void ReportFileDialogFailure(bool saving) {
    const DWORD code = FileDialogFailure();
    if (code != 0)
        WriteDefaultOutput(FileDialogFailureText(code, saving));
}

} // namespace

void InitOpenFileName(const char* title, bool saving) {
    // The name field is the title buffer and supplies the name offered; the full path of the
    // chosen file comes back in chosenPath.
    InitFileDialog(ofn, GetWindowHandle(RESULTS_WINDOW_UNIT), title,
                   saving ? OFN_LONGNAMES | OFN_OVERWRITEPROMPT : OFN_LONGNAMES | OFN_FILEMUSTEXIST,
                   RESULT_FILE_FILTER, RESULT_FILE_EXTENSION, formulaModel.resultFileName,
                   sizeof formulaModel.resultFileName, chosenPath, sizeof chosenPath);
}

void LoadResults(std::int32_t&) {
    InitOpenFileName(LOAD_DIALOG_TITLE, false);
    if (!GetOpenFileNameA(&ofn)) {
        ReportFileDialogFailure(false);
        return;
    }
    const std::string path = ChosenFilePath(ofn);
    IoError error{};
    // The table is replaced only when all 100 points were read.
    if (!ReadResultFile(path, resultTable, error)) {
        ShowRunTimeError(error, RESULT_FILE_UNIT, path, "LorvexCon");
        return;
    }
    ShowResults();
}

void SaveResults(std::int32_t&) {
    InitOpenFileName(SAVE_DIALOG_TITLE, true);
    if (!GetSaveFileNameA(&ofn)) {
        ReportFileDialogFailure(true);
        return;
    }
    const std::string path = ChosenFilePath(ofn);
    IoError error{};
    // The writer replaces the file only once the new content is complete.
    if (!WriteResultFile(path, resultTable, error))
        ShowRunTimeError(error, RESULT_FILE_UNIT, path, "LorvexCon");
}

// Laden and Speichern: a result file chosen in the common file dialogs is read into the
// table and shown, or the table is written to it.
#include <windows.h>

#include <commdlg.h>

#include <cstring>
#include <string>

#include "filedlg.h"
#include "formula.h"
#include "loadsave.h"
#include "lorvex.h"
#include "resultfile.h"
#include "resultswnd.h"
#include "runerror_box.h"
#include "textio.h"

OPENFILENAMEA ofn;
char chosenPath[256];

void InitOpenFileName(OPENFILENAMEA& record, const char* title, bool saving) {
    // The name field is the title buffer and supplies the name offered; the full path of the
    // chosen file comes back in chosenPath.
    InitFileDialog(record, hwndMain, title,
                   saving ? OFN_LONGNAMES | OFN_OVERWRITEPROMPT : OFN_LONGNAMES | OFN_FILEMUSTEXIST,
                   RESULT_FILE_FILTER, RESULT_FILE_EXTENSION, formulaModel.resultFileName,
                   sizeof formulaModel.resultFileName, chosenPath, sizeof chosenPath);
}

void ReportFileError(IoError error, const std::string& path) {
    ShowRunTimeError(error, RESULT_FILE_UNIT, path, "Lorvex");
}

namespace {

// After a file dialog returned FALSE: a failure other than cancel (a chosen path longer than
// the path buffer, say) is reported, so that a command that did nothing does not look done.
void ReportFileDialogFailure(bool saving) {
    DWORD code = FileDialogFailure();
    if (code == 0)
        return; // cancelled
    std::string text = FileDialogFailureText(code, saving);
    MessageBoxA(hwndMain, text.c_str(), "Lorvex", MB_OK | MB_ICONHAND);
}

} // namespace

void LoadResults() {
    InitOpenFileName(ofn, LOAD_DIALOG_TITLE, false);
    if (!GetOpenFileNameA(&ofn)) {
        ReportFileDialogFailure(false);
        return;
    }
    std::string path = ChosenFilePath(ofn);
    IoError error{};
    // The reader replaces the table only when all 200 values were read.
    if (!ReadResultFile(path, resultTable, error)) {
        ReportFileError(error, path);
        return;
    }
    ShowResultsWindow();
}

void SaveResults() {
    InitOpenFileName(ofn, SAVE_DIALOG_TITLE, true);
    if (!GetSaveFileNameA(&ofn)) {
        ReportFileDialogFailure(true);
        return;
    }
    std::string path = ChosenFilePath(ofn);
    IoError error{};
    if (!WriteResultFile(path, resultTable, error))
        ReportFileError(error, path);
}

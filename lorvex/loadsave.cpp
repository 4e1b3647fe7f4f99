// Laden and Speichern: a result file chosen in the common file dialogs is read into the
// table and shown in the results window, or the table is written to it.
#include "loadsave.h"

#include <string>

#include "lorvex.h"
#include "resultfile.h"
#include "resultswnd.h"

namespace {

void ReportFileDialogFailure(const std::string& text) {
    MessageBoxA(hwndMain, text.c_str(), "Lorvex", MB_OK | MB_ICONHAND);
}

} // namespace

void InitOpenFileName(OPENFILENAMEA& record, const char* title, bool saving) {
    InitResultFileDialog(record, hwndMain, title, saving);
}

void LoadResults() {
    InitOpenFileName(ofn, LOAD_DIALOG_TITLE, false);
    LoadResultsThroughDialog("Lorvex", ReportFileDialogFailure, ShowResultsWindow);
}

void SaveResults() {
    InitOpenFileName(ofn, SAVE_DIALOG_TITLE, true);
    SaveResultsThroughDialog("Lorvex", ReportFileDialogFailure);
}

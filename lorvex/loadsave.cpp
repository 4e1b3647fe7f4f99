// Laden and Speichern: a result file chosen in the common file dialogs is read into the
// table and shown in the results window, or the table is written to it.
#include "loadsave.h"

#include <string>

#include "lorvex.h"
#include "resultswnd.h"

namespace {

void ReportFileDialogFailure(const std::string& text) {
    MessageBoxA(hwndMain, text.c_str(), "Lorvex", MB_OK | MB_ICONHAND);
}

} // namespace

void LoadResults() {
    LoadResultsThroughDialog(hwndMain, "Lorvex", ReportFileDialogFailure, ShowResultsWindow);
}

void SaveResults() {
    SaveResultsThroughDialog(hwndMain, "Lorvex", ReportFileDialogFailure);
}

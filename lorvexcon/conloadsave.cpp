#include "conloadsave.h"

#include <cstring>

#include "constartup.h"
#include "fenstro.h"
#include "filedlg.h"
#include "formula.h"
#include "resultfile.h"
#include "runerror_box.h"

OPENFILENAMEA ofn;
char chosenPath[MAX_PATH];

namespace {

const char resultFilter[] = "Lorvex Ergebnis Dateien\0*.dat\0Alle Dateien\0*.*\0";

std::string ChosenPath() {
    return std::string(chosenPath, strnlen(chosenPath, sizeof chosenPath));
}

void ReportFileError(IoError error, const std::string& path) {
    ShowRunTimeError(error, RESULT_FILE_UNIT, path, "LorvexCon");
}

} // namespace

void InitOpenFileName(const char* title, bool saving) {
    memset(&ofn, 0, sizeof ofn);
    ofn.lStructSize = OPEN_FILE_NAME_SIZE;
    ofn.hwndOwner = GetWindowHandle(RESULTS_WINDOW_UNIT);
    ofn.lpstrFilter = resultFilter;
    ofn.nFilterIndex = 1;
    // The dialog returns the full path of the chosen file in a buffer of its own, so what is
    // opened does not depend on the current folder; the name field offers the last name.
    const std::size_t n = strnlen(formulaModel.resultFileName, sizeof chosenPath - 1);
    memcpy(chosenPath, formulaModel.resultFileName, n);
    chosenPath[n] = '\0';
    ofn.lpstrFile = chosenPath;
    ofn.nMaxFile = sizeof chosenPath;
    ofn.lpstrFileTitle = formulaModel.resultFileName;
    ofn.nMaxFileTitle = sizeof formulaModel.resultFileName;
    ofn.lpstrTitle = title;
    ofn.Flags = saving ? OFN_LONGNAMES | OFN_OVERWRITEPROMPT : OFN_LONGNAMES | OFN_FILEMUSTEXIST;
    ofn.lpstrDefExt = "dat";
}

void LoadResults(std::int32_t&) {
    InitOpenFileName("W\xE4hle zu ladende Ergebnisdatei", false);
    if (!GetOpenFileNameA(&ofn))
        return;
    const std::string path = ChosenPath();
    IoError error{};
    // The table is replaced only when all 100 points were read.
    if (!ReadResultFile(path, resultTable, error)) {
        ReportFileError(error, path);
        return;
    }
    ShowResults();
}

void SaveResults(std::int32_t&) {
    InitOpenFileName("W\xE4hle Dateinamen zum Speichern der Ergebnisse", true);
    if (!GetSaveFileNameA(&ofn))
        return;
    const std::string path = ChosenPath();
    IoError error{};
    // The writer replaces the file only once the new content is complete.
    if (!WriteResultFile(path, resultTable, error))
        ReportFileError(error, path);
}

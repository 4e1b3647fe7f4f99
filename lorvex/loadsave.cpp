// Laden and Speichern: a result file chosen in the common file dialogs is read into the
// table and shown, or the table is written to it.
#include <windows.h>

#include <commdlg.h>

#include <cstring>
#include <string>

#include "formula.h"
#include "loadsave.h"
#include "lorvex.h"
#include "resultfile.h"
#include "resultswnd.h"
#include "runerror_box.h"
#include "textio.h"

OPENFILENAMEA ofn;
const char resultFilter[] = "Lorvex Ergebnis Dateien\0*.dat\0Alle Dateien\0*.*\0";

void InitOpenFileName(OPENFILENAMEA& record, const char* title, bool saving) {
    memset(&record, 0, sizeof record);
    record.lStructSize = OPEN_FILE_NAME_SIZE;
    record.hwndOwner = hwndMain;
    record.hInstance = nullptr;
    record.lpstrFilter = resultFilter;
    record.lpstrCustomFilter = nullptr;
    record.nMaxCustFilter = 0;
    record.nFilterIndex = 1;
    // The name field serves as file and title buffer; either way it names the chosen file,
    // relative to the folder the dialog makes current.
    record.lpstrFile = formulaModel.resultFileName;
    record.nMaxFile = sizeof formulaModel.resultFileName;
    record.lpstrFileTitle = formulaModel.resultFileName;
    record.nMaxFileTitle = sizeof formulaModel.resultFileName;
    record.lpstrInitialDir = nullptr;
    record.lpstrTitle = title;
    record.Flags = saving ? OFN_LONGNAMES | OFN_OVERWRITEPROMPT : OFN_LONGNAMES | OFN_FILEMUSTEXIST;
    record.nFileOffset = 0;
    record.nFileExtension = 0;
    record.lpstrDefExt = "dat";
    record.lCustData = 0;
    record.lpfnHook = nullptr;
    record.lpTemplateName = nullptr;
}

void ReportFileError(IoError error, const std::string& path) {
    // The full path tells the user which file it was, wherever the current folder is.
    char full[MAX_PATH] = "";
    DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    std::string shown = n > 0 && n < sizeof full ? std::string(full) : path;
    ShowRunTimeError(error, RESULT_FILE_UNIT, shown, "Lorvex");
}

namespace {

std::string ChosenPath() {
    return ResultFilePath(formulaModel.resultFileName, sizeof formulaModel.resultFileName);
}

} // namespace

void LoadResults() {
    InitOpenFileName(ofn, "W\xE4hle zu ladende Ergebnisdatei", false);
    if (!GetOpenFileNameA(&ofn))
        return;
    std::string path = ChosenPath();
    IoError error{};
    // The reader replaces the table only when all 200 values were read.
    if (!ReadResultFile(path, resultTable, error)) {
        ReportFileError(error, path);
        return;
    }
    ShowResultsWindow();
}

void SaveResults() {
    InitOpenFileName(ofn, "W\xE4hle Dateinamen zum Speichern der Ergebnisse", true);
    if (!GetSaveFileNameA(&ofn))
        return;
    std::string path = ChosenPath();
    IoError error{};
    if (!WriteResultFile(path, resultTable, error))
        ReportFileError(error, path);
}

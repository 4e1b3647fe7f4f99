#include "conloadsave.h"

#include "constartup.h"
#include "fenstro.h"
#include "resultfile.h"

void InitOpenFileName(const char* title, bool saving) {
    InitResultFileDialog(ofn, GetWindowHandle(RESULTS_WINDOW_UNIT), title, saving);
}

void LoadResults(std::int32_t&) {
    InitOpenFileName(LOAD_DIALOG_TITLE, false);
    LoadResultsThroughDialog("LorvexCon", WriteDefaultOutput, ShowResults);
}

void SaveResults(std::int32_t&) {
    InitOpenFileName(SAVE_DIALOG_TITLE, true);
    SaveResultsThroughDialog("LorvexCon", WriteDefaultOutput);
}

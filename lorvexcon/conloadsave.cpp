#include "conloadsave.h"

#include "constartup.h"
#include "fenstro.h"

void LoadResults(std::int32_t&) {
    LoadResultsThroughDialog(GetWindowHandle(RESULTS_WINDOW_UNIT), "LorvexCon", WriteDefaultOutput,
                             ShowResults);
}

void SaveResults(std::int32_t&) {
    SaveResultsThroughDialog(GetWindowHandle(RESULTS_WINDOW_UNIT), "LorvexCon", WriteDefaultOutput);
}

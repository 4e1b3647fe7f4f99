// Not a test: 1,000 ShowResults in a row into the results window of LorvexCon, started in
// this process as the framework starts it. Prints the time per call and the memory at the end.
#include <windows.h>

#include <cstdio>

#include "constartup.h"
#include "fenstro_testing.h"
#include "formula.h"
#include "wintest.h"

namespace {} // namespace

int main() {
    if (!FenstroStart(GetModuleHandleA(nullptr), SW_SHOWNORMAL)) {
        fprintf(stderr, "the frame did not start\n");
        return 1;
    }
    FenstroStartProgram();
    for (int i = 0; i < 500 && !GetWindowHandle(RESULTS_WINDOW_UNIT); ++i) {
        DrainQueue();
        Sleep(10);
    }
    ComputeFormula();
    const SIZE_T before = CurrentMemory().workingSet;
    const int calls = 1000;
    LARGE_INTEGER f, t0, t1;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t0);
    for (int i = 0; i < calls; ++i) {
        ShowResults();
        DrainQueue();
    }
    QueryPerformanceCounter(&t1);
    const double ms =
        1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(f.QuadPart);
    printf("ShowResults: %d calls, %.3f ms per call (100 records each), %zu lines held\n", calls,
           ms / calls, static_cast<size_t>(UnitLineCount(RESULTS_WINDOW_UNIT)));
    printf("working set: %zu KiB before, %zu KiB after\n", static_cast<size_t>(before / 1024),
           static_cast<size_t>(CurrentMemory().workingSet / 1024));
    fflush(stdout);
    ExitProcess(0); // the program thread sleeps forever, as in the program
}

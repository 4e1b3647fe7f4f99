// Benchmark of a text window (not a test): 100,000 results lines appended to one unit, the
// time per record, the process's memory before and after, and the time of one repaint of
// the full window, at the start and at the end of the store.
#include <windows.h>

#include <cstdio>
#include <string>

#include "fenstro_testing.h"
#include "wintest.h"

bool INITIALSETTINGS() {
    WindowGeometry g{GEOMETRY_SET, 0, 0, 768, 1024};
    return SetWindowGeometry(FRAME_WINDOW_UNIT, g);
}

void MainProgram() {}

namespace {

constexpr int RECORDS = 100000;
constexpr std::int32_t UNIT = 77;

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(f.QuadPart);
}

struct Memory {
    double workingSet, committed; // megabytes
};

Memory ProcessMemoryMb() {
    const ProcessMemory m = CurrentMemory();
    const double mb = 1024.0 * 1024.0;
    return {static_cast<double>(m.workingSet) / mb, static_cast<double>(m.committed) / mb};
}

// The average time of a full repaint of the window, in milliseconds.
double RepaintMilliseconds(HWND w) {
    constexpr int rounds = 50;
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    for (int i = 0; i < rounds; ++i)
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    GdiFlush();
    QueryPerformanceCounter(&b);
    return Seconds(a, b) * 1000.0 / rounds;
}

} // namespace

int main() {
    if (!FenstroStart(GetModuleHandleA(nullptr), SW_SHOWNORMAL))
        return 1;
    OpenUnit(UNIT, "USER", "Rechenergebnisse", "UNKNOWN");
    HWND w = GetWindowHandle(UNIT);
    SendMessageA(FenstroClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(w), 0);
    DrainQueue();
    double emptyRepaint = RepaintMilliseconds(w);
    Memory before = ProcessMemoryMb();

    // Records as the formula demo writes them: line control and 42 characters.
    std::string record(43, ' ');
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    for (int i = 1; i <= RECORDS; ++i) {
        std::snprintf(&record[0], record.size() + 1, " %19.4f   %20.4f", i * 0.25, -i * 0.5);
        WriteRecord(UNIT, record);
    }
    QueryPerformanceCounter(&b);
    double perRecord = Seconds(a, b) * 1e6 / RECORDS;
    LARGE_INTEGER c;
    DrainQueue();
    QueryPerformanceCounter(&c);
    Memory after = ProcessMemoryMb();
    double endRepaint = RepaintMilliseconds(w);
    SendMessageA(w, WM_VSCROLL, SB_TOP, 0);
    double topRepaint = RepaintMilliseconds(w);

    std::printf("records appended:          %d (window keeps %zu lines)\n", RECORDS,
                UnitLineCount(UNIT));
    std::printf("time per record:           %.3f us\n", perRecord);
    std::printf("window update afterwards:  %.3f ms\n", Seconds(b, c) * 1000.0);
    std::printf("working set:               %.1f MB before, %.1f MB after (%.0f bytes per line)\n",
                before.workingSet, after.workingSet,
                (after.workingSet - before.workingSet) * 1024.0 * 1024.0 / RECORDS);
    std::printf("committed memory:          %.1f MB before, %.1f MB after\n", before.committed,
                after.committed);
    std::printf("one repaint, empty window: %.3f ms\n", emptyRepaint);
    std::printf("one repaint, at the end:   %.3f ms\n", endRepaint);
    std::printf("one repaint, at the top:   %.3f ms\n", topRepaint);
    std::fflush(stdout);
    DestroyWindow(FenstroFrame());
    ExitProcess(0);
}

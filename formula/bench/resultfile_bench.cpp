// Loads a result file of 5000 bytes and one of a few hundred MB whose first 100 records are
// the same, and prints the time and the peak memory of each load. The reader takes only the
// lines its 100 reads consume, so both should cost about the same; exits with 1 when the
// large file takes more than ten times the time, or more than 16 MB beyond the small one.
#include "resultfile.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kLargeBytes = std::size_t{300} << 20;
constexpr int kRounds = 20;

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Seconds per load, and the growth of the peak memory over the loads.
void Measure(const std::string& path, double& seconds, long& peakGrowthKiB) {
    const long before = PeakKiB();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) {
        ResultTable table{};
        IoError error{};
        if (!ReadResultFile(path, table, error)) {
            std::printf("load of %s failed: %s\n", path.c_str(), IoErrorText(error));
            std::exit(1);
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    seconds = took.count() / kRounds;
    peakGrowthKiB = PeakKiB() - before;
}

} // namespace

int main() {
    const fs::path dir = fs::temp_directory_path() / "resultfile_bench";
    fs::create_directories(dir);
    const std::string small = (dir / "small.dat").string();
    const std::string large = (dir / "large.dat").string();

    ResetFormulaModel();
    ComputeFormula();
    const std::string content = ResultFileContent(resultTable);
    std::ofstream(small, std::ios::binary) << content;
    {
        // Short lines after the 100 records, as in a log appended to a result file.
        std::ofstream out(large, std::ios::binary);
        out << content;
        const std::string block = [] {
            std::string b;
            while (b.size() < (1u << 20)) {
                b += "1.25 -2.5\r\n";
            }
            return b;
        }();
        for (std::size_t written = content.size(); written < kLargeBytes; written += block.size()) {
            out << block;
        }
    }

    double smallSeconds = 0, largeSeconds = 0;
    long smallGrowth = 0, largeGrowth = 0;
    Measure(small, smallSeconds, smallGrowth);
    Measure(large, largeSeconds, largeGrowth);
    std::printf("small file %10llu bytes: %8.1f us per load, peak memory +%ld KiB\n",
                static_cast<unsigned long long>(fs::file_size(small)), smallSeconds * 1e6,
                smallGrowth);
    std::printf("large file %10llu bytes: %8.1f us per load, peak memory +%ld KiB\n",
                static_cast<unsigned long long>(fs::file_size(large)), largeSeconds * 1e6,
                largeGrowth);
    fs::remove_all(dir);
    const bool ok = largeSeconds <= 10 * smallSeconds + 1e-4 && largeGrowth <= 16 * 1024;
    std::printf("large / small time: %.2f; %s\n", largeSeconds / smallSeconds,
                ok ? "ok" : "too slow or too much memory");
    return ok ? 0 : 1;
}

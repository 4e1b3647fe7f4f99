// Times ComputeFormula with n = 1000 against a bare loop making the same sine and cosine
// calls on the same angles, and prints the ratio. Exits with 1 when it is above the limit.
#include "formula.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr double kLimit = 1.25;
constexpr double kPi = 3.141592653589793;

void SetUpModel() {
    ResetFormulaModel();
    formulaModel.n = 1000;
}

void BM_ComputeFormula(benchmark::State& state) {
    SetUpModel();
    for (auto _ : state) {
        ComputeFormula();
        benchmark::DoNotOptimize(resultTable);
        benchmark::ClobberMemory();
    }
}

void BM_BareSinCos(benchmark::State& state) {
    SetUpModel();
    ComputeFormula();
    double xs[POINT_COUNT];
    for (int i = 0; i < POINT_COUNT; ++i) {
        xs[i] = resultTable.xValues[i];
    }
    const double divisor = formulaModel.m * kPi;
    const int n = formulaModel.n;
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 0; i < POINT_COUNT; ++i) {
            const double x = xs[i];
            for (int j = 1; j <= n; ++j) {
                const double theta = (x * j) / divisor;
                sum += std::sin(theta) + std::cos(theta);
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}

BENCHMARK(BM_ComputeFormula)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareSinCos)->Unit(benchmark::kMicrosecond);

// Console output as usual, and the time per iteration of each run kept by name.
class RecordingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                seconds[run.run_name.function_name] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const double formula = reporter.seconds["BM_ComputeFormula"];
    const double bare = reporter.seconds["BM_BareSinCos"];
    if (formula <= 0 || bare <= 0) {
        std::printf("ratio: not measured\n");
        return 1;
    }
    const double ratio = formula / bare;
    std::printf("ratio ComputeFormula / bare sin+cos: %.3f (limit %.2f)\n", ratio, kLimit);
    return ratio <= kLimit ? 0 : 1;
}

// Times ComputeFormula with n = 1000 against a bare loop making the native libm's sine and
// cosine calls on the same angles, once with the default abscissae and once with abscissae
// from 1e11 to 1e15, where the angles need the long argument reduction; prints both ratios.
// Exits with 1 when one is above its limit.
#include "formula.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr double kLimit = 1.25;
constexpr double kLargeLimit = 2.0;
constexpr double kPi = 3.141592653589793;

// The defaults with n = 1000; the large table takes its abscissae from 1e11 to 1e15.
void SetUpModel(bool large) {
    ResetFormulaModel();
    formulaModel.n = 1000;
    if (large) {
        formulaModel.xMin = 1e11;
        formulaModel.xMax = 1e15;
    }
}

void ComputeFormulaLoop(benchmark::State& state, bool large) {
    SetUpModel(large);
    for (auto _ : state) {
        ComputeFormula();
        benchmark::DoNotOptimize(resultTable);
        benchmark::ClobberMemory();
    }
}

void BareSinCosLoop(benchmark::State& state, bool large) {
    SetUpModel(large);
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

void BM_ComputeFormula(benchmark::State& state) {
    ComputeFormulaLoop(state, false);
}
void BM_BareSinCos(benchmark::State& state) {
    BareSinCosLoop(state, false);
}
void BM_ComputeFormulaLarge(benchmark::State& state) {
    ComputeFormulaLoop(state, true);
}
void BM_BareSinCosLarge(benchmark::State& state) {
    BareSinCosLoop(state, true);
}

BENCHMARK(BM_ComputeFormula)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareSinCos)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComputeFormulaLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareSinCosLarge)->Unit(benchmark::kMicrosecond);

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

// Prints ComputeFormula's time over the bare loop's for the runs ending in `suffix`; true
// when it was measured and is within the limit.
bool ReportRatio(RecordingReporter& reporter, const std::string& suffix, const char* what,
                 double limit) {
    const double formula = reporter.seconds["BM_ComputeFormula" + suffix];
    const double bare = reporter.seconds["BM_BareSinCos" + suffix];
    if (formula <= 0 || bare <= 0) {
        std::printf("ratio (%s): not measured\n", what);
        return false;
    }
    const double ratio = formula / bare;
    std::printf("ratio ComputeFormula / bare libm sin+cos, %s: %.3f (limit %.2f)\n", what, ratio,
                limit);
    return ratio <= limit;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const bool defaults = ReportRatio(reporter, "", "default abscissae", kLimit);
    const bool large = ReportRatio(reporter, "Large", "abscissae 1e11 to 1e15", kLargeLimit);
    return defaults && large ? 0 : 1;
}

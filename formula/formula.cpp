#include "formula.h"

#include "sincos.h"

#include <cfenv>
#include <cstring>

namespace {

constexpr double PI = 3.141592653589793;

FormulaModel DefaultModel() {
    FormulaModel model{};
    model.xMax = 12.0;
    model.xMin = -12.0;
    model.s = 1.0;
    model.b = 2.0;
    model.a = 1.0;
    model.n = 4;
    model.m = 2;
    // The file dialogs get the field as it is handed to the platform: text, NUL, blanks.
    std::memset(model.resultFileName, ' ', sizeof model.resultFileName);
    static const char defaultName[] = "Lorvex_Ergebnis.dat ";
    std::memcpy(model.resultFileName, defaultName, sizeof defaultName); // includes the NUL
    return model;
}

} // namespace

FormulaModel formulaModel = DefaultModel();
ResultTable resultTable = {};

void ResetFormulaModel() {
    formulaModel = DefaultModel();
    resultTable = ResultTable{};
}

void ComputeFormula() {
    // Degenerate parameters (m = 0, huge abscissae) must give infinities and NaNs, never a
    // trap, whatever the caller's floating-point environment is.
    std::fenv_t savedEnv;
    std::feholdexcept(&savedEnv);

    const double a = formulaModel.a;
    const double bs = formulaModel.b * formulaModel.s;
    const double divisor = static_cast<double>(formulaModel.m) * PI;
    const std::int32_t n = formulaModel.n;
    const double dx = (formulaModel.xMax - formulaModel.xMin) / (POINT_COUNT - 1);

    // The abscissa is accumulated step by step, not recomputed from xMin.
    double x = formulaModel.xMin;
    for (int i = 0; i < POINT_COUNT; ++i) {
        resultTable.xValues[i] = x;
        double y = 0.0;
        // A 64-bit counter, so that n = INT32_MAX ends instead of overflowing.
        for (std::int64_t j = 1; j <= n; ++j) {
            const double product = x * static_cast<double>(j);
            const double theta = product / divisor;
            double sine, cosine;
            SinCos(theta, sine, cosine);
            y += a * sine + bs * cosine;
        }
        resultTable.yValues[i] = y;
        x += dx;
    }

    std::fesetenv(&savedEnv);
}

void BlankTail(char* text, std::size_t length, std::int32_t count) {
    if (count <= 0 || static_cast<std::size_t>(count) >= length) {
        return;
    }
    std::memset(text + count, ' ', length - static_cast<std::size_t>(count));
}

// The formula model: the parameters of the trigonometric series, the 100-point result table
// computed from them, and the blank-filling of fixed-length text fields.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int POINT_COUNT = 100;

struct FormulaModel {
    double xMax;
    double xMin;
    double s; // sign of the cosine term, +1.0 or -1.0
    double b;
    double a;
    std::int32_t n;
    std::int32_t m;
    char resultFileName[256]; // text, NUL, blanks
};

// Point i (1 to POINT_COUNT) lives at index i - 1.
struct ResultTable {
    double yValues[POINT_COUNT];
    double xValues[POINT_COUNT];
};

extern FormulaModel formulaModel;
extern ResultTable resultTable;

// Overwrites all points of resultTable from the parameters in formulaModel.
void ComputeFormula();

// Sets every character after the first `count` of a fixed-length text to a blank;
// a count of 0 or below leaves the text unchanged.
void BlankTail(char* text, std::size_t length, std::int32_t count);

// Puts formulaModel and resultTable back to their start-up values.
void ResetFormulaModel();

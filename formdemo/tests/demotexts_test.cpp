// The texts both editions of the formula demo show.
#include "demotexts.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

TEST(ResultLine, TwoTwentyColumnFieldsThreeBlanksApart) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct {
        double x, y;
        const char* text;
    } const cases[] = {
        {-12, 1, "            -12.0000                 1.0000"},
        {-12, nan, "            -12.0000    NaN                "},
        {-inf, 0.5, " -Infinity                           0.5000"},
        // A value that fills its field is written whole; one too wide is asterisks.
        {1e14, -1e13, "100000000000000.0000   -10000000000000.0000"},
        {1e15, -1e14, "********************   ********************"},
        {-0.00001, 0.00005, "              0.0000                 0.0001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResultLine(c.x, c.y), c.text) << c.x << " " << c.y;
    }
}

TEST(FormulaDialogTexts, ParameterAndMItemTexts) {
    EXPECT_EQ(ParamText(1), "           1.0000   ");
    EXPECT_EQ(ParamText(-12), "         -12.0000   ");
    EXPECT_EQ(ParamText(1e12), "*****************   ");
    EXPECT_EQ(ParamText(-1e11), "*****************   ");
    EXPECT_EQ(ParamText(999999999999.99994), "*****************   ");
    const char* items[] = {"-5 ", "-4 ", "-3 ", "-2 ", "-1 ", " 0 ", " 1 ", " 2 ", " 3 ", " 4 "};
    for (int k = 1; k <= M_ITEM_COUNT; ++k)
        EXPECT_EQ(MItemText(k), items[k - 1]);
}

} // namespace

// The lines of the results window and the range its scrolling keeps to.
#include "resultlines.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

std::string Line(double x, double y, int* length = nullptr) {
    char line[RESULT_LINE_LENGTH];
    int k = FormatResultLine(x, y, line);
    if (length)
        *length = k;
    return std::string(line, RESULT_LINE_LENGTH);
}

TEST(ResultLine, TwoDecimalFieldsThreeBlanksApart) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct {
        double x, y;
        const char* text; // the 43 columns of the line
        int length;
    } const cases[] = {
        {-12, 1, "            -12.0000                 1.0000", 43},
        {-12, nan, "            -12.0000    NaN                ", 27},
        {0.5, inf, "              0.5000    Infinity           ", 32},
        {0.5, -inf, "              0.5000    -Infinity          ", 33},
        {1e15, -1e14, "********************   ********************", 43},
        {999999999999999.0, -99999999999999.0, "999999999999999.0000   -99999999999999.0000", 43},
        {-0.00001, 0.00005, "              0.0000                 0.0001", 43},
        {11.999999999999982, 0.671411166053717, "             12.0000                 0.6714", 43},
    };
    for (const auto& c : cases) {
        int k = 0;
        std::string line = Line(c.x, c.y, &k);
        EXPECT_EQ(line.substr(0, 43), c.text) << c.x << " " << c.y;
        EXPECT_EQ(line.substr(43), std::string(7, ' '));
        EXPECT_EQ(k, c.length) << c.x << " " << c.y;
    }
}

TEST(ResultsScrolling, RangeFollowsTheClientHeight) {
    struct {
        int cy, page, maxTop;
    } const cases[] = {
        {370, 20, 80}, {371, 20, 80},  {360, 20, 80}, {359, 19, 81},  {17, 0, 99},
        {0, 0, 99},    {1800, 100, 0}, {1799, 99, 1}, {5000, 277, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResultsPageLines(c.cy), c.page) << c.cy;
        EXPECT_EQ(ResultsMaxTopLine(c.cy), c.maxTop) << c.cy;
    }
    EXPECT_EQ(ClampResultsTopLine(-5, 370), 0);
    EXPECT_EQ(ClampResultsTopLine(40, 370), 40);
    EXPECT_EQ(ClampResultsTopLine(500, 370), 80);
    EXPECT_EQ(ClampResultsTopLine(3, 5000), 0);
}

} // namespace

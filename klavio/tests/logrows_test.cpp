// The row arithmetic of the event table.
#include "logrows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(EventLogRows, CapacityAndDrawnLines) {
    EXPECT_EQ(LogCapacity(742, 16), 46);
    EXPECT_EQ(LogCapacity(15, 16), 0); // maximised window lower than one row
    EXPECT_EQ(LogCapacity(742, 0), 0);
    EXPECT_EQ(LogCapacity(-5, 16), 0);

    struct Case {
        int nLogCount, cyWnd, cyLine, lines, bottom;
    };
    const std::vector<Case> cases = {
        {3, 400, 16, 3, 400}, // taller than the log: all held lines
        {30, 100, 16, 5, 96}, // lower: the newest rows - 1, partial row left out
        {30, 31, 16, 0, 16},  // fewer than two rows: header only, empty area
        {30, 15, 16, 0, 0},   // not even the header row
        {0, 400, 16, 0, 400}, // empty log
        {30, -20, 16, 0, 0},  // a negative height from WM_SIZE
        {30, 400, 0, 0, 0},   // a degenerate font never divides by zero
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LinesToDraw(c.nLogCount, c.cyWnd, c.cyLine), c.lines)
            << c.nLogCount << " " << c.cyWnd << " " << c.cyLine;
        EXPECT_EQ(LogAreaBottom(c.cyWnd, c.cyLine), c.bottom) << c.cyWnd << " " << c.cyLine;
    }
}

} // namespace

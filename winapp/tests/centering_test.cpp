// The centring arithmetic.
#include "centering.h"

#include <gtest/gtest.h>

namespace {

TEST(CenteredCoordinate, CentresTruncatesAndKeepsOnScreen) {
    struct {
        int overStart, overSize, size, screen, expected;
    } const cases[] = {
        {600, 400, 300, 1024, 650},   // owner (600, 500)-(1000, 760), dialog 300 x 200: x
        {500, 260, 200, 768, 530},    // and y
        {900, 200, 300, 1024, 724},   // 850 runs off the right edge
        {600, 200, 200, 768, 568},    // 600 runs off the bottom
        {100, 195, 300, 1024, 48},    // -105 / 2 truncates to -52
        {10, 100, 300, 1024, 0},      // left of the screen
        {-400, 100, 50, 1024, 0},     //
        {100, 1200, 1100, 1024, -76}, // wider than the screen: ends at screen - size
        {0, 1024, 1024, 1024, 0},     // exactly the screen
        {-300, 50, 1100, 1024, 0},    // negative first: the right edge is not tested
    };
    for (const auto& c : cases)
        EXPECT_EQ(CenteredCoordinate(c.overStart, c.overSize, c.size, c.screen), c.expected)
            << c.overStart << " " << c.overSize << " " << c.size << " " << c.screen;
}

} // namespace

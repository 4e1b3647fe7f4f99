// Where the pictures go: the centred start-up picture, a picture window's outer size and the
// cascade.
#include <gtest/gtest.h>

#include "placement.h"

namespace {

TEST(Layout, StartUpPictureIsCentredWithTruncatingDivision) {
    struct Case {
        int client, picture, expected;
    } cases[] = {
        {500, 264, 118}, {300, 130, 85}, // a 500 x 300 client area
        {263, 264, 0},                   // -1 / 2 truncates to 0, not -1
        {100, 264, -82},                 // narrower: the picture's middle part shows
        {0, 130, -65},   {264, 264, 0},  {265, 264, 0}, {266, 264, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CentredPosition(c.client, c.picture), c.expected)
            << c.client << " - " << c.picture;
}

TEST(Layout, PictureWindowAddsFramesAndCaption) {
    OuterSize s = PictureWindowSize(200, 100, 4, 4, 19);
    EXPECT_EQ(s.width, 208);
    EXPECT_EQ(s.height, 123);
    // Metrics still 0 because the start-up picture failed: the bitmap's own size.
    s = PictureWindowSize(200, 100, 0, 0, 0);
    EXPECT_EQ(s.width, 200);
    EXPECT_EQ(s.height, 100);
}

TEST(Layout, CascadeStartsAgainWhenTheCornerWouldLeaveTheClientArea) {
    struct Case {
        const char* what;
        int x, y, cw, ch;
        int ex, ey;
    } cases[] = {
        {"the first window", 0, 0, 800, 560, 0, 0},
        {"inside", 19, 19, 800, 560, 19, 19},
        {"inside, the window cut off at the edges", 532, 532, 800, 560, 532, 532},
        {"the last pixel inside", 799, 559, 800, 560, 799, 559},
        {"one step below the bottom edge", 570, 570, 800, 560, 0, 0},
        {"on the bottom edge", 100, 560, 800, 560, 0, 0},
        {"on the right edge", 800, 100, 800, 560, 0, 0},
        {"right of a narrow client area", 304, 304, 300, 900, 0, 0},
        {"left of the client area", -1, 10, 800, 560, 0, 0},
        {"above the client area", 10, -1, 800, 560, 0, 0},
        {"a client area of nothing (main window minimised)", 0, 0, 0, 0, 0, 0},
        {"a client area of nothing, later corner", 57, 57, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const Corner corner = CascadeCorner(c.x, c.y, c.cw, c.ch);
        EXPECT_EQ(corner.x, c.ex) << c.what;
        EXPECT_EQ(corner.y, c.ey) << c.what;
    }
}

} // namespace

// The child titles and the strip's measures, natively.
#include "mdilayout.h"

#include <gtest/gtest.h>

namespace {

TEST(ChildTitle, NumberStandsRightJustifiedInFourColumnsBeforeThirteenBlanks) {
    const std::string blanks13(13, ' ');
    struct {
        long long number;
        const char* head;
    } const cases[] = {
        {0, "MDI   0"},     {1, "MDI   1"},      {42, "MDI  42"},
        {999, "MDI 999"},   {1000, "MDI1000"},   {9999, "MDI9999"},
        {10000, "MDI****"}, {123456, "MDI****"}, {2147483647, "MDI****"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        std::string title = ChildTitle(c.number);
        ASSERT_EQ(title.size(), static_cast<size_t>(CHILD_TITLE_LENGTH));
        EXPECT_EQ(title, c.head + blanks13);
        EXPECT_EQ(title.find('\0'), std::string::npos);
    }
}

TEST(StripMeasures, FontHeightIsEightPointsTruncated) {
    EXPECT_EQ(StripFontHeight(96), 10); // 768 / 72 = 10.67
    EXPECT_EQ(StripFontHeight(120), 13);
    EXPECT_EQ(StripFontHeight(72), 8);
    EXPECT_EQ(StripFontHeight(144), 16);
}

TEST(StripMeasures, HeightAndTextRectangleLeaveTheCellExactlyForTheText) {
    // With one-pixel borders the client area (height less the two border rows) holds the
    // text rectangle and three rows above and below it: the rectangle is the cell.
    for (int cell : {10, 13, 16}) {
        SCOPED_TRACE(cell);
        int height = StripHeight(cell, 1);
        EXPECT_EQ(height, cell + 8);
        StripTextBox box = StripTextLayout(200, height - 2, 1, 1);
        EXPECT_EQ(box.bottom - box.top, cell);
        EXPECT_EQ(box.top, 3);
        EXPECT_EQ(box.left, 9);
        EXPECT_EQ(box.right, 191);
        EXPECT_EQ(box.x0, 11);
        EXPECT_EQ(box.y0, 3);
    }
    // Wider borders scale every inset.
    StripTextBox box = StripTextLayout(300, 40, 2, 3);
    EXPECT_EQ(box.left, 18);
    EXPECT_EQ(box.right, 282);
    EXPECT_EQ(box.top, 9);
    EXPECT_EQ(box.bottom, 31);
    EXPECT_EQ(box.x0, 22);
    EXPECT_EQ(StripHeight(10, 3), 30);
}

} // namespace

// The frame placement and the texts of LorvexCon.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "confields.h"

TEST(FramePlacement, ScreensOfTheUsualSizes) {
    struct Case {
        std::int16_t cx, cy, x, y, width, height;
    };
    const Case cases[] = {{1024, 768, 102, 77, 819, 614},
                          {1366, 768, 137, 77, 1092, 614},
                          {1920, 1080, 192, 108, 1536, 864},
                          {800, 600, 80, 60, 640, 480}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cx);
        FramePlacement p = FramePlacementFor(c.cx, c.cy);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
        EXPECT_EQ(p.width, c.width);
        EXPECT_EQ(p.height, c.height);
    }
}

TEST(FramePlacement, EveryScreenSideIsFourFifthsRoundedDownAndCentred) {
    for (int side = 0; side <= 32767; ++side) {
        const auto s = static_cast<std::int16_t>(side);
        FramePlacement p = FramePlacementFor(s, s);
        ASSERT_EQ(p.width, side * 4 / 5) << side;
        ASSERT_EQ(p.height, p.width) << side;
        ASSERT_EQ(p.x, (side - side * 4 / 5) / 2) << side;
        ASSERT_EQ(p.y, p.x) << side;
    }
}

TEST(ResultRecord, ColumnsOfTheVisibleLine) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double x, y;
        char control;      // the record's first character, taken as line control
        const char* shown; // what the window shows: the record without its first character
    };
    const Case cases[] = {
        {-12, 1, ' ', "           -12.0000                 1.0000"},
        {-12, -0.8627, ' ', "           -12.0000                -0.8627"},
        // The widest abscissae that leave the line control its blank.
        {std::nextafter(1e14, 0.0), 0, ' ', "99999999999999.9844                 0.0000"},
        {std::nextafter(-1e13, 0.0), 0, ' ', "-9999999999999.9980                 0.0000"},
        // An abscissa that fills all 20 columns would lose its first character: it shows
        // as one that does not fit.
        {1e14, 0, '*', "*******************                 0.0000"},
        {std::nextafter(1e14, 1e15), 0, '*', "*******************                 0.0000"},
        {-1e13, 0, '*', "*******************                 0.0000"},
        {-1e13, -2.5, '*', "*******************                -2.5000"},
        // Too wide for the field: 19 of its 20 asterisks show.
        {1e15, 0, '*', "*******************                 0.0000"},
        {-1e20, 0, '*', "*******************                 0.0000"},
        // The ordinate's field is seen whole: a full one shows as it is.
        {1, 1e14, ' ', "             1.0000   100000000000000.0000"},
        {1e14, -1e13, '*', "*******************   -10000000000000.0000"},
        {nan, -inf, ' ', "NaN                    -Infinity          "},
        {-inf, nan, ' ', "-Infinity              NaN                "},
        {inf, 1, ' ', "Infinity                            1.0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        std::string r = ResultRecord(c.x, c.y);
        ASSERT_EQ(r.size(), 43u);
        EXPECT_EQ(r[0], c.control);
        EXPECT_EQ(r.substr(1), c.shown);
    }
}

// The texts of the decimal controls and the m items: formdemo/tests/demotexts_test.cpp.
TEST(DialogTexts, IntegerTexts) {
    EXPECT_EQ(IntegerText(4), "4                   ");
    EXPECT_EQ(IntegerText(-7), "-7                  ");
    EXPECT_EQ(IntegerText(INT32_MIN), "-2147483648         ");
}

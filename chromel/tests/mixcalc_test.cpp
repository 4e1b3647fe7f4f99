#include "mixcalc.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

void ExpectBox(const Box& b, int x, int y, int w, int h, const char* what, int i) {
    EXPECT_EQ(b.x, x) << what << " " << i;
    EXPECT_EQ(b.y, y) << what << " " << i;
    EXPECT_EQ(b.width, w) << what << " " << i;
    EXPECT_EQ(b.height, h) << what << " " << i;
}

struct LayoutCase {
    int cx, cy, cyText;
    int barX[3], barY, barW, barH;
    int textX[3], captionY, textW, textH, levelY;
};

// The last two rows: a minimised window and one lower than four text rows.
const LayoutCase kLayouts[] = {
    {560, 400, 16, {40, 120, 200}, 32, 40, 336, {20, 100, 180}, 8, 80, 16, 376},
    {500, 301, 13, {35, 107, 178}, 26, 35, 249, {17, 89, 160}, 6, 71, 13, 282},
    {0, 0, 16, {0, 0, 0}, 32, 0, -64, {0, 0, 0}, 8, 0, 16, -24},
    {200, 40, 16, {14, 42, 71}, 32, 14, -24, {7, 35, 64}, 8, 28, 16, 16},
};

TEST(ComputeLayout, PlacesEveryControl) {
    for (const LayoutCase& c : kLayouts) {
        SCOPED_TRACE(std::to_string(c.cx) + "x" + std::to_string(c.cy));
        MixerLayout l = ComputeLayout(c.cx, c.cy, c.cyText);
        EXPECT_EQ(l.mix.left, c.cx / 2);
        EXPECT_EQ(l.mix.top, 0);
        EXPECT_EQ(l.mix.right, c.cx);
        EXPECT_EQ(l.mix.bottom, c.cy);
        ExpectBox(l.panel, 0, 0, c.cx / 2, c.cy, "panel", 0);
        for (int i = 0; i < 3; ++i) {
            ExpectBox(l.bar[i], c.barX[i], c.barY, c.barW, c.barH, "bar", i);
            ExpectBox(l.caption[i], c.textX[i], c.captionY, c.textW, c.textH, "caption", i);
            ExpectBox(l.level[i], c.textX[i], c.levelY, c.textW, c.textH, "level", i);
        }
    }
}

TEST(ComputeLayout, EdgesFor560x400) {
    MixerLayout l = ComputeLayout(560, 400, 16);
    EXPECT_EQ(l.mix.left, 280);
    EXPECT_EQ(l.mix.right, 560);
    EXPECT_EQ(l.mix.bottom, 400);
    ExpectBox(l.panel, 0, 0, 280, 400, "panel", 0);
}

struct LevelCase {
    int level, code, thumb, expected;
};

const LevelCase kLevels[] = {
    {0, SCROLL_LINEUP, 0, 0},
    {1, SCROLL_LINEUP, 0, 0},
    {255, SCROLL_LINEUP, 0, 254},
    {255, SCROLL_LINEDOWN, 0, 255},
    {254, SCROLL_LINEDOWN, 0, 255},
    {0, SCROLL_LINEDOWN, 0, 1},
    {10, SCROLL_PAGEUP, 0, 0},
    {16, SCROLL_PAGEUP, 0, 0},
    {17, SCROLL_PAGEUP, 0, 1},
    {0, SCROLL_PAGEUP, 0, 0},
    {245, SCROLL_PAGEDOWN, 0, 255},
    {239, SCROLL_PAGEDOWN, 0, 255},
    {238, SCROLL_PAGEDOWN, 0, 254},
    {255, SCROLL_PAGEDOWN, 0, 255},
    {0, SCROLL_THUMBPOSITION, 200, 200},
    {7, SCROLL_THUMBTRACK, 0, 0},
    {7, SCROLL_THUMBTRACK, 255, 255},
    {7, SCROLL_THUMBTRACK, 128, 128},
    {7, SCROLL_THUMBTRACK, -1, 0},
    {7, SCROLL_THUMBPOSITION, 256, 255},
    {7, SCROLL_THUMBTRACK, 32767, 255},
    {100, SCROLL_TOP, 0, 0},
    {0, SCROLL_TOP, 0, 0},
    {100, SCROLL_BOTTOM, 0, 255},
    {255, SCROLL_BOTTOM, 0, 255},
    {100, SCROLL_ENDSCROLL, 3, 100},
    {0, SCROLL_ENDSCROLL, 3, 0},
    {255, SCROLL_ENDSCROLL, 3, 255},
    {42, 9, 3, 42},
    {42, -1, 3, 42},
    {42, 32767, 3, 42},
};

TEST(NewLevel, EveryCodeAtAndNearTheLimits) {
    for (const LevelCase& c : kLevels) {
        EXPECT_EQ(NewLevel(c.level, c.code, c.thumb), c.expected)
            << "level " << c.level << " code " << c.code << " thumb " << c.thumb;
    }
}

TEST(FormatLevel, ThreeColumnsThenNulThenBlanks) {
    struct {
        int value;
        const char* text;
    } cases[] = {{0, "  0"},          {5, "  5"},
                 {42, " 42"},         {255, "255"},
                 {-5, " -5"},         {123456789, "123456789"},
                 {1234567890, "***"}, {-2147483647 - 1, "***"}};
    for (const auto& c : cases) {
        char field[LEVEL_TEXT_SIZE];
        std::memset(field, 'x', sizeof field);
        FormatLevel(c.value, field);
        size_t n = std::strlen(c.text);
        EXPECT_EQ(std::string(field, n), c.text) << c.value;
        EXPECT_EQ(field[n], '\0') << c.value;
        for (size_t k = n + 1; k < sizeof field; ++k)
            EXPECT_EQ(field[k], ' ') << c.value << " at " << k;
    }
}

} // namespace

// The arithmetic and the texts of LorvexCon that need no windows: the frame placement, the
// records of the results window and the integer texts of the formula dialog.
#pragma once

#include <cstdint>
#include <string>

#include "demotexts.h"

// Where the frame goes on a screen of cx x cy pixels: 80 % of each side, centred.
struct FramePlacement {
    std::int16_t x;
    std::int16_t y;
    std::int16_t height;
    std::int16_t width;
};
FramePlacement FramePlacementFor(std::int16_t cx, std::int16_t cy);

// One record of the results window: the results line of the point (RESULT_LINE_FORMAT,
// RESULT_LINE_CHARS characters). Its first character is the window's line control and does
// not show, so an x that fills its field (from 10^14, or from -10^13 down, after rounding)
// is written as asterisks, like one that does not fit: the 19 columns shown never hold a
// number cut at its front.
std::string ResultRecord(double x, double y);

// An integer in its shortest form, blank-padded to INT_TEXT_CHARS characters.
constexpr int INT_TEXT_CHARS = 20;
std::string IntegerText(std::int32_t v);

// The arithmetic and the texts of LorvexCon that need no windows: the frame placement, the
// records of the results window and the texts of the formula dialog's controls.
#pragma once

#include <cstdint>
#include <string>

// Where the frame goes on a screen of cx x cy pixels: 80 % of each side, centred.
struct FramePlacement {
    std::int16_t x;
    std::int16_t y;
    std::int16_t height;
    std::int16_t width;
};
FramePlacement FramePlacementFor(std::int16_t cx, std::int16_t cy);

// One record of the results window (RESULT_RECORD_CHARS characters): x and y each as a
// 20.4 decimal field, 3 blanks between them. Its first character is the window's line
// control and does not show, so an x that fills its field (from 10^14, or from -10^13
// down, after rounding) is written as asterisks, like one that does not fit: the 19
// columns shown never hold a number cut at its front.
constexpr int RESULT_RECORD_CHARS = 43;
constexpr int RESULT_FIELD_CHARS = 20;
std::string ResultRecord(double x, double y);

// The text of a decimal edit control (PARAM_TEXT_CHARS characters): a 17.4 decimal field
// and 3 blanks.
constexpr int PARAM_TEXT_CHARS = 20;
std::string ParamText(double v);

// The ten items of the m combo box: item k (1 to M_ITEM_COUNT) holds k - 6 in 2 columns
// and a blank; the item of the value v is v + M_ITEM_OFFSET.
constexpr int M_ITEM_COUNT = 10;
constexpr int M_ITEM_OFFSET = 6;
constexpr int M_TEXT_CHARS = 3;
std::string MItemText(int k);

// An integer in its shortest form, blank-padded to INT_TEXT_CHARS characters.
constexpr int INT_TEXT_CHARS = 20;
std::string IntegerText(std::int32_t v);

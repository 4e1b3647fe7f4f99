// The texts both editions of the formula demo show: the lines of the results displays, and
// the texts of the formula dialog's decimal controls and m items. Portable: no platform
// headers.
#pragma once

#include <string>

// A decimal field of textio: its width in columns and its number of decimals.
struct DecimalFormat {
    int width;
    int decimals;
};
// An integer field of textio: its width in columns.
struct IntegerFormat {
    int width;
};

// One line of a results display: x and y of a point, each in `value`, `gap` blanks between.
struct ResultLineFormat {
    DecimalFormat value;
    int gap;
};
constexpr ResultLineFormat RESULT_LINE_FORMAT{{20, 4}, 3};
constexpr int RESULT_LINE_CHARS = 2 * RESULT_LINE_FORMAT.value.width + RESULT_LINE_FORMAT.gap;
// x and y with RESULT_LINE_FORMAT: RESULT_LINE_CHARS (43) characters.
std::string ResultLine(double x, double y);

// a, b, x min and x max in the formula dialogs. Each has a text field of PARAM_FIELD_LENGTH
// characters, which holds the PARAM_FORMAT field and 3 characters after it.
constexpr DecimalFormat PARAM_FORMAT{17, 4};
constexpr int PARAM_FIELD_LENGTH = 20;
// v with PARAM_FORMAT and 3 blanks: PARAM_FIELD_LENGTH characters.
std::string ParamText(double v);

// The m values the formula dialogs offer: item k (1 to M_ITEM_COUNT) holds k - M_ITEM_OFFSET,
// -5 to 4, in M_ITEM_FORMAT; a cell of M_ITEM_LENGTH characters holds the field and one more.
constexpr int M_ITEM_COUNT = 10;
constexpr int M_ITEM_OFFSET = 6;
constexpr IntegerFormat M_ITEM_FORMAT{2};
constexpr int M_ITEM_LENGTH = 3;
// Item k with M_ITEM_FORMAT and a blank: M_ITEM_LENGTH characters.
std::string MItemText(int k);

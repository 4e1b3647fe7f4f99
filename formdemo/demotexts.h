// The texts both editions of the formula demo show: the lines of the results displays, the
// texts of the formula dialog's decimal controls and m items, and the report of a file dialog
// that failed; and the reading of the decimal controls' texts into the formula model.
// Portable: no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "filedlg.h"
#include "textio.h"

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
// Reads a parameter field (blank-padded, or starting with a NUL when its control was empty)
// free-form into v; false, v unchanged, when it holds no readable number.
bool ReadParamField(const char* field, double& v);
// Reads the four parameter fields into a, b, xMin and xMax of the formula model, in this
// order, each stored as soon as it has been read; the first that holds no readable number
// stops the reading with false, and it and the fields after it keep their model values.
bool ReadParamFields(const char* aText, const char* bText, const char* xMinText,
                     const char* xMaxText);
// Reads a fixed-length text free-form into one target; false when the text is empty, blank,
// starts with a NUL or holds no readable number of the target's kind.
bool ReadFieldValue(const char* text, std::size_t length, ReadTarget target);

// The m values the formula dialogs offer: item k (1 to M_ITEM_COUNT) holds k - M_ITEM_OFFSET,
// -5 to 4, in M_ITEM_FORMAT; a cell of M_ITEM_LENGTH characters holds the field and one more.
constexpr int M_ITEM_COUNT = 10;
constexpr int M_ITEM_OFFSET = 6;
constexpr IntegerFormat M_ITEM_FORMAT{2};
constexpr int M_ITEM_LENGTH = 3;
// Item k with M_ITEM_FORMAT and a blank: M_ITEM_LENGTH characters.
std::string MItemText(int k);

// The texts of the formula dialog's four decimal controls and of its m items, as the
// dialog shows them and reads them back: program-wide, one set per program.
extern char aText[PARAM_FIELD_LENGTH];
extern char bText[PARAM_FIELD_LENGTH];
extern char xMinText[PARAM_FIELD_LENGTH];
extern char xMaxText[PARAM_FIELD_LENGTH];
extern char mItems[M_ITEM_COUNT][M_ITEM_LENGTH];

// The report of a file dialog that failed with `code` (not a cancel, by
// ClassifyFileDialogFailure): what went wrong and that nothing was loaded, or saved.
std::string FileDialogFailureText(std::uint32_t code, bool saving);

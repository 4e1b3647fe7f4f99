// The texts both editions of the formula demo show.
#include "demotexts.h"

#include "formula.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

namespace {

TEST(ResultLine, TwoTwentyColumnFieldsThreeBlanksApart) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct {
        double x, y;
        const char* text;
    } const cases[] = {
        {-12, 1, "            -12.0000                 1.0000"},
        {-12, nan, "            -12.0000    NaN                "},
        {-inf, 0.5, " -Infinity                           0.5000"},
        // A value that fills its field is written whole; one too wide is asterisks.
        {1e14, -1e13, "100000000000000.0000   -10000000000000.0000"},
        {1e15, -1e14, "********************   ********************"},
        {-0.00001, 0.00005, "              0.0000                 0.0001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResultLine(c.x, c.y), c.text) << c.x << " " << c.y;
    }
}

TEST(FormulaDialogTexts, ParameterAndMItemTexts) {
    EXPECT_EQ(ParamText(1), "           1.0000   ");
    EXPECT_EQ(ParamText(-12), "         -12.0000   ");
    EXPECT_EQ(ParamText(1e12), "*****************   ");
    EXPECT_EQ(ParamText(-1e11), "*****************   ");
    EXPECT_EQ(ParamText(999999999999.99994), "*****************   ");
    const char* items[] = {"-5 ", "-4 ", "-3 ", "-2 ", "-1 ", " 0 ", " 1 ", " 2 ", " 3 ", " 4 "};
    for (int k = 1; k <= M_ITEM_COUNT; ++k)
        EXPECT_EQ(MItemText(k), items[k - 1]);
}

TEST(FormulaDialogTexts, FieldsReadFreeFormIntoOneTarget) {
    char field[PARAM_FIELD_LENGTH];
    double v = 0;
    memcpy(field, "  2.5               ", PARAM_FIELD_LENGTH);
    EXPECT_TRUE(ReadParamField(field, v));
    EXPECT_EQ(v, 2.5);
    // What the formula dialogs show reads back as the rounded value.
    v = 0;
    EXPECT_TRUE(ReadParamField(ParamText(-11.99996).c_str(), v));
    EXPECT_EQ(v, -12.0);
    // Unreadable: the value stays.
    const char* const unreadable[] = {
        "\0 2.5              ", // an emptied control, old content behind its NUL
        "                    ", // only blanks
        "*****************   ", // a value too wide to show
        "--5                 ", // two signs
    };
    for (const char* text : unreadable) {
        v = 7;
        memcpy(field, text, PARAM_FIELD_LENGTH);
        EXPECT_FALSE(ReadParamField(field, v)) << text + 1;
        EXPECT_EQ(v, 7);
    }
    // An integer target takes a number with a fraction truncated toward zero.
    std::int32_t m = 0;
    EXPECT_TRUE(ReadFieldValue("-2.9", 4, IntTarget(m)));
    EXPECT_EQ(m, -2);
    EXPECT_FALSE(ReadFieldValue("a  ", 3, IntTarget(m)));
    EXPECT_EQ(m, -2);
}

// The four decimal fields go into the model in the order a, b, x min, x max; the first that
// does not read stops there.
TEST(FormulaDialogTexts, ParameterFieldsGoIntoTheModelUntilTheFirstUnreadable) {
    struct {
        const char* name;
        const char* texts[4];
        bool read;
        double a, b, xMin, xMax;
    } const cases[] = {
        {"all read", {"3", " -1.5", "0", "1E2"}, true, 3, -1.5, 0, 100},
        {"b has letters", {"3", "abc", "0", "1"}, false, 3, 2, -12, 12},
        {"a emptied", {"", "7", "0", "1"}, false, 1, 2, -12, 12},
        {"x max asterisks", {"3", "4", "-5", "*****************"}, false, 3, 4, -5, 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetFormulaModel();
        char fields[4][PARAM_FIELD_LENGTH];
        for (int i = 0; i < 4; ++i) {
            memset(fields[i], ' ', PARAM_FIELD_LENGTH);
            memcpy(fields[i], c.texts[i], strlen(c.texts[i]));
        }
        if (c.texts[0][0] == '\0')
            fields[0][0] = '\0'; // an emptied control
        EXPECT_EQ(ReadParamFields(fields[0], fields[1], fields[2], fields[3]), c.read);
        EXPECT_EQ(formulaModel.a, c.a);
        EXPECT_EQ(formulaModel.b, c.b);
        EXPECT_EQ(formulaModel.xMin, c.xMin);
        EXPECT_EQ(formulaModel.xMax, c.xMax);
    }
    ResetFormulaModel();
}

TEST(FileDialogFailureText, NamesTheReasonAndWhatWasNotDone) {
    EXPECT_EQ(FileDialogFailureText(FILE_DIALOG_PATH_TOO_LONG, true),
              "The path of the chosen file is too long. Nothing was saved.");
    EXPECT_EQ(FileDialogFailureText(FILE_DIALOG_PATH_TOO_LONG, false),
              "The path of the chosen file is too long. Nothing was loaded.");
    EXPECT_EQ(FileDialogFailureText(0x3002, false), // FNERR_INVALIDFILENAME
              "The file dialog failed (error 0x3002). Nothing was loaded.");
    EXPECT_EQ(FileDialogFailureText(0x0002, true), // CDERR_INITIALIZATION
              "The file dialog failed (error 0x0002). Nothing was saved.");
}

} // namespace

// The reading of the formula dialog's texts into the formula model.
#include "paramread.h"

#include "demotexts.h"
#include "formula.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

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

} // namespace

// The text fields of the formula dialog's numbers.
#include "paramfield.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(ParamField, SeventeenColumnsNulAndTwoBlanks) {
    char field[PARAM_FIELD_LENGTH];
    FormatParamField(-12.0, field);
    EXPECT_EQ(std::string(field, PARAM_FIELD_LENGTH), std::string("         -12.0000\0  ", 20));
    FormatParamField(1e12, field);
    EXPECT_EQ(std::string(field, 17), std::string(17, '*'));
    double v = 0;
    memcpy(field, "  2.5               ", PARAM_FIELD_LENGTH);
    EXPECT_TRUE(ReadParamField(field, v));
    EXPECT_EQ(v, 2.5);
    memcpy(field, "\0 2.5              ", PARAM_FIELD_LENGTH); // emptied control, old content
    v = 7;
    EXPECT_FALSE(ReadParamField(field, v));
    EXPECT_EQ(v, 7);
}

} // namespace

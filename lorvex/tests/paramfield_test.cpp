// The texts of the formula dialog's controls as Lorvex hands them to the platform.
#include "paramfield.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ParamField, SeventeenColumnsNulAndTwoBlanks) {
    char field[PARAM_FIELD_LENGTH];
    FormatParamField(-12.0, field);
    EXPECT_EQ(std::string(field, PARAM_FIELD_LENGTH), std::string("         -12.0000\0  ", 20));
    FormatParamField(1e12, field);
    EXPECT_EQ(std::string(field, 17), std::string(17, '*'));
    EXPECT_EQ(std::string(field + 17, 3), std::string("\0  ", 3));
}

TEST(MItem, TwoColumnsAndNul) {
    const char* const items[] = {"-5", "-4", "-3", "-2", "-1", " 0", " 1", " 2", " 3", " 4"};
    for (int k = 1; k <= M_ITEM_COUNT; ++k) {
        char cell[M_ITEM_LENGTH];
        FormatMItem(k, cell);
        EXPECT_EQ(std::string(cell, M_ITEM_LENGTH), std::string(items[k - 1]) + '\0') << k;
    }
}

} // namespace

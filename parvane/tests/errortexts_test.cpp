// The texts of the error boxes: the last error code, and a file dialog that failed.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "errortexts.h"

namespace {

TEST(ErrorText, CodeInSixColumnsOrAsterisksAndNoTextForZero) {
    struct Case {
        std::int32_t code;
        const char* shown;
    } cases[] = {
        {2, "Fehlercode:      2"},
        {32, "Fehlercode:     32"},
        {999999, "Fehlercode: 999999"},
        {1234567, "Fehlercode: ******"}, // seven digits do not fit
        {-99999, "Fehlercode: -99999"},
        {-100000, "Fehlercode: ******"},
        {static_cast<std::int32_t>(0x80004005u), "Fehlercode: ******"},
    };
    for (const Case& c : cases) {
        char text[ERR_TEXT_LENGTH];
        ASSERT_TRUE(FormatErrorText(c.code, text));
        // The text, a NUL and blanks to the end of the field.
        std::string expected = std::string(c.shown) + '\0';
        expected.resize(ERR_TEXT_LENGTH, ' ');
        EXPECT_EQ(std::string(text, sizeof text), expected) << c.code;
    }
    char text[ERR_TEXT_LENGTH];
    memset(text, '#', sizeof text);
    EXPECT_FALSE(FormatErrorText(0, text));
    EXPECT_EQ(std::string(text, sizeof text), std::string(ERR_TEXT_LENGTH, '#'));
}

TEST(FileDialogFailure, NamesTheReasonAndThatNoFileWasOpened) {
    struct Case {
        std::uint32_t code;
        const char* text;
    } cases[] = {
        {0x3003, "Der Pfad der gew\xE4hlten Datei ist zu lang. Es wurde keine Datei ge\xF6"
                 "ffnet."},
        {0x3002, "Die Dateiauswahl ist fehlgeschlagen (Fehler 0x3002). Es wurde keine Datei "
                 "ge\xF6"
                 "ffnet."},
        {0x0002, "Die Dateiauswahl ist fehlgeschlagen (Fehler 0x0002). Es wurde keine Datei "
                 "ge\xF6"
                 "ffnet."},
        {0xFFFF, "Die Dateiauswahl ist fehlgeschlagen (Fehler 0xFFFF). Es wurde keine Datei "
                 "ge\xF6"
                 "ffnet."},
        {0x100A, "Die Dateiauswahl ist fehlgeschlagen (Fehler 0x100A). Es wurde keine Datei "
                 "ge\xF6"
                 "ffnet."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileDialogFailureMessage(c.code), c.text) << std::hex << c.code;
}

} // namespace

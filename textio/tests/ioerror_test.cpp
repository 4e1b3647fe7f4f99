#include <gtest/gtest.h>

#include "textio.h"

namespace {

TEST(IoError, NumbersAndTexts) {
    struct Case {
        IoError e;
        int number;
        const char* text;
    };
    const Case cases[] = {
        {IoError::EndOfFile, 24, "end-of-file during read"},
        {IoError::SyntaxError, 59, "list-directed I/O syntax error"},
        {IoError::ConversionError, 64, "input conversion error"},
        {IoError::OpenFailure, 30, "open failure"},
        {IoError::FileNotFound, 29, "file not found"},
        {IoError::InsufficientMemory, 41, "insufficient virtual memory"},
        {IoError::PermissionDenied, 9, "permission to access file denied"},
        {IoError::WriteReadOnly, 47, "write to READONLY file"},
        {IoError::InputRecordTooLong, 22, "input record too long"},
        {IoError::ReadError, 39, "error during read"},
        {IoError::WriteError, 38, "error during write"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IoErrorNumber(c.e), c.number);
        EXPECT_STREQ(IoErrorText(c.e), c.text);
    }
}

TEST(IoError, Report) {
    EXPECT_EQ(IoErrorReport(IoError::EndOfFile, 7, "C:\\dir\\x.dat"),
              "severe (24): end-of-file during read, unit 7, file C:\\dir\\x.dat");
    EXPECT_EQ(IoErrorReport(IoError::SyntaxError, 7, ""),
              "severe (59): list-directed I/O syntax error");
    EXPECT_EQ(IoErrorReport(IoError::PermissionDenied, 7, "Lorvex_Ergebnis.dat"),
              "severe (9): permission to access file denied, unit 7, file Lorvex_Ergebnis.dat");
}

TEST(IoError, FromReadStatus) {
    EXPECT_EQ(IoErrorFromStatus(ReadStatus::SyntaxError), IoError::SyntaxError);
    EXPECT_EQ(IoErrorFromStatus(ReadStatus::EndOfInput), IoError::EndOfFile);
    EXPECT_EQ(IoErrorFromStatus(ReadStatus::ConversionError), IoError::ConversionError);
    EXPECT_EQ(IoErrorFromStatus(ReadStatus::RecordTooLong), IoError::InputRecordTooLong);
    EXPECT_EQ(IoErrorFromStatus(ReadStatus::ReadFailure), IoError::ReadError);
}

} // namespace

// The report of a file dialog that failed.
#include "filedlgtext.h"

#include <gtest/gtest.h>

namespace {

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

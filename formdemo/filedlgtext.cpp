#include "filedlgtext.h"

#include <cstdio>

std::string FileDialogFailureText(std::uint32_t code, bool saving) {
    const char* outcome = saving ? "Nothing was saved." : "Nothing was loaded.";
    if (ClassifyFileDialogFailure(code) == FileDialogFailureKind::PathTooLong)
        return std::string("The path of the chosen file is too long. ") + outcome;
    char text[80];
    snprintf(text, sizeof text, "The file dialog failed (error 0x%04lX). %s",
             static_cast<unsigned long>(code), outcome);
    return text;
}

// The run-time error report as the Windows programs show it: a message box without owner.
#pragma once

#include <string>

#include "textio.h"

// Shows the report of e (with unit and file when path is not empty); the program goes on.
void ShowRunTimeError(IoError e, int unit, const std::string& path, const char* caption);

// Shows the report of e and ends the process with the error number as its exit code.
[[noreturn]] void EndWithRunTimeError(IoError e, const char* caption);

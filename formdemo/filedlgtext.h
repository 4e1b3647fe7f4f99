// The report both editions of the formula demo give of a file dialog that failed. Portable:
// no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "filedlg.h"

// The report of a file dialog that failed with `code` (not a cancel, by
// ClassifyFileDialogFailure): what went wrong and that nothing was loaded, or saved.
std::string FileDialogFailureText(std::uint32_t code, bool saving);

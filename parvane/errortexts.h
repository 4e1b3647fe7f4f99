// The texts of Parvane's error boxes: the system's last error code, and a file dialog that
// failed. Portable: no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The length of the error box's fixed-length text.
constexpr std::size_t ERR_TEXT_LENGTH = 60;

// The error box text for a system error code (ERR_TEXT_LENGTH characters): "Fehlercode: ",
// the code in a 6-column integer field, a NUL and blanks. Code 0 means the system reported
// nothing: no box, false, and the text is left alone.
bool FormatErrorText(std::int32_t code, char* text);

// The box text for a file dialog that failed with the extended error `code` (not a cancel,
// by ClassifyFileDialogFailure): why, and that no file was opened.
std::string FileDialogFailureMessage(std::uint32_t code);

#include "startup_box.h"

#include <windows.h>

#include <string>

void ReportStartupFailure(const char* program) {
    const std::string text = std::string("Error initializing application ") + program;
    MessageBoxA(nullptr, text.c_str(), "Error", MB_OK);
}

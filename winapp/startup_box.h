// The box of a native program whose start-up failed (its window class, menu, accelerators
// or main window could not be had).
#pragma once

// Shows "Error initializing application <program>", caption "Error", MB_OK. Every step that
// can fail comes before the main window exists, so the box has no owner. The caller's
// WinMain then returns 0.
void ReportStartupFailure(const char* program);

// The lines of the results window and the arithmetic of its scrolling.
#pragma once

#include "demotexts.h"

constexpr int RESULT_LINE_LENGTH = 50;
constexpr int RESULT_LINE_HEIGHT = 18;

// Writes x and y with RESULT_LINE_FORMAT into line (RESULT_LINE_LENGTH characters, blank
// behind the RESULT_LINE_CHARS written); returns the length without trailing blanks.
int FormatResultLine(double x, double y, char* line);

// How many lines a client area of height cy shows whole, and the first line it can start
// with so that the last point is still shown.
int ResultsPageLines(int cy);
int ResultsMaxTopLine(int cy);
// The first line after a request to move to `top`, kept within 0 and ResultsMaxTopLine.
int ClampResultsTopLine(int top, int cy);

// The child title and the status strip's arithmetic of LorvexMDI. Plain C++: no Windows
// headers, so the native unit tests build it too.
#pragma once

#include <string>

// A child's title: "MDI", its number right-justified in 4 columns (asterisks from 10000),
// 13 blanks; exactly CHILD_TITLE_LENGTH characters, no NUL.
constexpr int CHILD_TITLE_LENGTH = 20;
std::string ChildTitle(long long number);

// Cell height of the strip's font: 8 points at the display's pixels per inch, truncated.
int StripFontHeight(int logPixelsY);

// The strip's outer height: the font's cell, three borders above and below the text
// rectangle, and the window border.
int StripHeight(int tmHeight, int cyBorder);

// Where the strip's text goes, in client coordinates of the strip: the client rectangle
// inset by 9 borders left and right and by 3 at top and bottom; the text starts 2 borders
// into it, at its top.
struct StripTextBox {
    int left, top, right, bottom; // the rectangle that clips the three drawings
    int x0, y0;                   // origin of the front (white) drawing
};
StripTextBox StripTextLayout(int clientWidth, int clientHeight, int cxBorder, int cyBorder);

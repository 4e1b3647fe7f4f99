#include "resultlines.h"

#include <cstring>
#include <string>

#include "formula.h"

int FormatResultLine(double x, double y, char* line) {
    const std::string text = ResultLine(x, y);
    memset(line, ' ', RESULT_LINE_LENGTH);
    memcpy(line, text.data(), RESULT_LINE_CHARS);
    int k = RESULT_LINE_CHARS;
    while (k > 0 && line[k - 1] == ' ')
        --k;
    return k;
}

int ResultsPageLines(int cy) {
    int lines = cy / RESULT_LINE_HEIGHT;
    return lines > 0 ? lines : 0;
}

int ResultsMaxTopLine(int cy) {
    // Even a client area too low for one whole line keeps the last point reachable.
    int page = ResultsPageLines(cy);
    int top = POINT_COUNT - (page > 0 ? page : 1);
    return top > 0 ? top : 0;
}

int ClampResultsTopLine(int top, int cy) {
    int maxTop = ResultsMaxTopLine(cy);
    if (top > maxTop)
        top = maxTop;
    if (top < 0)
        top = 0;
    return top;
}

#include "mdilayout.h"

#include "textio.h"

std::string ChildTitle(long long number) {
    TextLine line = NewTextLine(CHILD_TITLE_LENGTH);
    Put(line, "MDI");
    Put(line, IntegerField(number, 4));
    Skip(line, 13);
    return line.text;
}

int StripFontHeight(int logPixelsY) {
    return logPixelsY * 8 / 72;
}

int StripHeight(int tmHeight, int cyBorder) {
    return tmHeight + 6 * cyBorder + 2;
}

StripTextBox StripTextLayout(int clientWidth, int clientHeight, int cxBorder, int cyBorder) {
    StripTextBox box;
    box.left = 9 * cxBorder;
    box.right = clientWidth - 9 * cxBorder;
    box.top = 3 * cyBorder;
    box.bottom = clientHeight - 3 * cyBorder;
    box.x0 = box.left + 2 * cxBorder;
    box.y0 = box.top;
    return box;
}

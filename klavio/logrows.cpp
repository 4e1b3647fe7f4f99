#include "logrows.h"

#include <algorithm>

int LogCapacity(int cyMaximized, int cyLine) {
    if (cyLine <= 0 || cyMaximized <= 0)
        return 0;
    return cyMaximized / cyLine;
}

int WholeRows(int cy, int cyLine) {
    if (cyLine <= 0 || cy <= 0)
        return 0;
    return cy / cyLine;
}

int LogAreaBottom(int cyWnd, int cyLine) {
    return cyLine * WholeRows(cyWnd, cyLine);
}

int LinesToDraw(int nLogCount, int cyWnd, int cyLine) {
    return std::max(0, std::min(nLogCount, WholeRows(cyWnd, cyLine) - 1));
}

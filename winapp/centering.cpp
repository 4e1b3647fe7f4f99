// Centring a window over another: the arithmetic, which centering_window.cpp applies.
#include "centering.h"

int CenteredCoordinate(int overStart, int overSize, int size, int screen) {
    int pos = overStart + (overSize - size) / 2; // C++ division truncates toward zero
    if (pos < 0)
        pos = 0;
    else if (pos + size > screen)
        pos = screen - size; // negative for a window larger than the screen
    return pos;
}

#include "mixcalc.h"

#include <cstdio>
#include <cstring>

namespace {

// The step of SB_PAGEUP and SB_PAGEDOWN.
const int LEVEL_PAGE = 16;

int Clamp(int value) {
    if (value < LEVEL_MIN)
        return LEVEL_MIN;
    if (value > LEVEL_MAX)
        return LEVEL_MAX;
    return value;
}

} // namespace

int NewLevel(int level, int code, int thumb) {
    switch (code) {
    case SCROLL_LINEUP: return Clamp(level - 1);
    case SCROLL_LINEDOWN: return Clamp(level + 1);
    case SCROLL_PAGEUP: return Clamp(level - LEVEL_PAGE);
    case SCROLL_PAGEDOWN: return Clamp(level + LEVEL_PAGE);
    // A thumb position comes from the message; one outside the range would give a colour
    // byte that differs from the value shown.
    case SCROLL_THUMBPOSITION:
    case SCROLL_THUMBTRACK: return Clamp(thumb);
    case SCROLL_TOP: return LEVEL_MIN;
    case SCROLL_BOTTOM: return LEVEL_MAX;
    default: return level;
    }
}

MixerLayout ComputeLayout(int cx, int cy, int cyText) {
    MixerLayout l{};
    l.mix = {cx / 2, 0, cx, cy};
    l.panel = {0, 0, cx / 2, cy};
    for (int i = 0; i < 3; ++i) {
        l.bar[i] = {(2 * i + 1) * cx / 14, 2 * cyText, cx / 14, cy - 4 * cyText};
        l.caption[i] = {(4 * i + 1) * cx / 28, cyText / 2, cx / 7, cyText};
        l.level[i] = {(4 * i + 1) * cx / 28, cy - (3 * cyText) / 2, cx / 7, cyText};
    }
    return l;
}

void FormatLevel(int value, char (&field)[LEVEL_TEXT_SIZE]) {
    char digits[16];
    int n = std::snprintf(digits, sizeof digits, "%3d", value);
    if (n < 0 || n >= LEVEL_TEXT_SIZE) {
        std::strcpy(digits, "***");
        n = 3;
    }
    std::memset(field, ' ', LEVEL_TEXT_SIZE);
    std::memcpy(field, digits, n);
    field[n] = '\0';
}

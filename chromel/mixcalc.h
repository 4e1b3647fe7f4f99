// The colour mixer's arithmetic: where the controls go for a client size, the new value of a
// bar for a scroll code, and the value text. No platform calls, so it is tested natively.
#pragma once

// Scroll codes as the bars report them in the low word of WM_VSCROLL's wParam.
enum ScrollCode {
    SCROLL_LINEUP = 0,
    SCROLL_LINEDOWN = 1,
    SCROLL_PAGEUP = 2,
    SCROLL_PAGEDOWN = 3,
    SCROLL_THUMBPOSITION = 4,
    SCROLL_THUMBTRACK = 5,
    SCROLL_TOP = 6,
    SCROLL_BOTTOM = 7,
    SCROLL_ENDSCROLL = 8
};

const int LEVEL_MIN = 0;
const int LEVEL_MAX = 255;

// The value of a bar after the scroll code; thumb is the thumb position the code carries.
// Thumb positions outside 0..255 are brought into the range.
int NewLevel(int level, int code, int thumb);

// A control's place as MoveWindow takes it.
struct Box {
    int x, y, width, height;
};

// The colour field as left, top, right, bottom.
struct Edges {
    int left, top, right, bottom;
};

struct MixerLayout {
    Edges mix;
    Box panel;
    Box bar[3];
    Box caption[3];
    Box level[3];
};

// Places for a client area of cx by cy pixels and a vertical dialog base unit cyText.
// Each product is formed before it is divided, divisions truncate toward zero, and the
// results are passed on as they come (a low window gives the bars a negative height).
MixerLayout ComputeLayout(int cx, int cy, int cyText);

const int LEVEL_TEXT_SIZE = 10;

// Writes value right-justified in 3 columns, then a NUL, the rest blank. A value that needs
// more than 9 characters is shown as "***".
void FormatLevel(int value, char (&field)[LEVEL_TEXT_SIZE]);

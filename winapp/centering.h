// The arithmetic of centring a window over another within the screen.
#pragma once

// One coordinate of the centred position: the start of an extent `size` centred over
// [overStart, overStart + overSize), the offset truncated toward zero, then moved to 0 when
// negative, or else back inside a screen of `screen` pixels.
int CenteredCoordinate(int overStart, int overSize, int size, int screen);

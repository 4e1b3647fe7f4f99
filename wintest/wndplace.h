// Where windows stand: a window's place on the screen, a child's rectangle in its parent, and
// the frame that takes the middle of the tests' screen.
#pragma once

#include <windows.h>

#include <ostream>

// A window's place on the screen, frame included: its top-left corner and its size.
struct WindowPlace {
    int left, top, width, height;
};
bool operator==(const WindowPlace& a, const WindowPlace& b);
// As a failed check prints it: "819 x 614 at (102, 77)".
std::ostream& operator<<(std::ostream& out, const WindowPlace& place);

WindowPlace PlaceOf(HWND hwnd);

// The tests' screen is 1024 x 768: a frame that takes 80 % of it, centred, stands here.
constexpr WindowPlace EIGHTY_PERCENT_FRAME{102, 77, 819, 614};

// The rectangle of a child window (frame included) in client coordinates of its parent.
RECT ChildRect(HWND child);

#include "wndplace.h"

bool operator==(const WindowPlace& a, const WindowPlace& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

std::ostream& operator<<(std::ostream& out, const WindowPlace& place) {
    return out << place.width << " x " << place.height << " at (" << place.left << ", " << place.top
               << ")";
}

WindowPlace PlaceOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

RECT ChildRect(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

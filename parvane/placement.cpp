#include "placement.h"

int CentredPosition(int client, int picture) {
    return (client - picture) / 2; // C++ division truncates toward zero
}

OuterSize PictureWindowSize(int bmWidth, int bmHeight, int cxFrame, int cyFrame, int cyCaption) {
    // The window has no sizing border at the bottom edge that the height would need twice.
    return {bmWidth + 2 * cxFrame, bmHeight + cyFrame + cyCaption};
}

Corner CascadeCorner(int x, int y, int clientWidth, int clientHeight) {
    if (x >= 0 && x < clientWidth && y >= 0 && y < clientHeight)
        return {x, y};
    return {0, 0};
}

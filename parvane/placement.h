// Where Parvane's pictures go: the start-up picture centred in the main window, the outer
// size of a picture window and the corner of the next one in the cascade. Portable: no
// platform headers.
#pragma once

// Where a picture of `picture` pixels starts when centred in `client` pixels: the difference
// halved, truncated toward zero (negative when the picture is the larger).
int CentredPosition(int client, int picture);

// The outer size of a picture window that shows a bmWidth x bmHeight picture: the frame width
// on both sides, the frame height once and the caption height.
struct OuterSize {
    int width;
    int height;
};
OuterSize PictureWindowSize(int bmWidth, int bmHeight, int cxFrame, int cyFrame, int cyCaption);

// The corner of the next picture window in the main window's client area of clientWidth x
// clientHeight pixels: the cascade position (x, y) while it lies inside the client area (the
// window may still be cut off at the right or bottom edge), else (0, 0), where the cascade
// starts again. A window wholly out of sight could be neither seen nor closed.
struct Corner {
    int x;
    int y;
};
Corner CascadeCorner(int x, int y, int clientWidth, int clientHeight);

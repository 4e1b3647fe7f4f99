// ViewerWndProc, the procedure of the main window and the picture windows, with the slot
// table whose bitmaps they paint and the frame metrics read with the start-up picture.
#pragma once

#include <windows.h>

#include <cstdint>

#include "slots.h"

// The slot table: slot 0 holds the start-up picture, slots 1 to MAX_CHILDREN the pictures of
// the picture windows, a picture window's slot being its control id.
extern HBITMAP hBmp[SLOT_COUNT];
extern std::int32_t bmpWidth[SLOT_COUNT];
extern std::int32_t bmpHeight[SLOT_COUNT];
// Which slots an open picture window holds.
extern bool slotTaken[SLOT_COUNT];
// Which picture windows finished loading and placing their picture. The system loader can
// fault inside a window's creation, which then goes on without it: the window handle alone
// does not tell that the picture loaded.
extern bool slotLoaded[SLOT_COUNT];

// Frame metrics, read once the start-up picture has loaded; 0 until then.
extern std::int32_t cxFrame, cyFrame, cyCaption;

// The window procedure of both window kinds.
LRESULT CALLBACK ViewerWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Texts of the commands.
constexpr char HELP_TEXT[] = "Hilfestellung nicht implementiert.";
constexpr char INFO_TEXT[] = "AboutBox\n\rParvane 1.0: Bitmap-Dateien laden und anzeigen";

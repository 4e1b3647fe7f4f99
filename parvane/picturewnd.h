// The open command and the picture windows: one window per bitmap file, at most
// MAX_CHILDREN at a time, cascaded inside the main window's client area.
#pragma once

#include <windows.h>

#include <cstdint>

#include "namefields.h"

extern std::int32_t nChildren;
extern std::int32_t xNextChild, yNextChild;
extern char szFileName[FILE_FIELD_LENGTH];
constexpr char START_FILE_NAME[] = "Zelmark_h.bmp";

// The open command: asks for a file, then opens its picture window.
void OpenCommand(HWND hwnd);
// Opens a picture window for the file szFileName names (the part of the command after the
// dialog). Returns the window, or NULL when its file could not be loaded (reported, and
// everything is as before) or no slot is free.
HWND OpenPictureWindow(HWND hwnd);
// The picture window's branches of ViewerWndProc.
LRESULT CreatePictureWindow(HWND hwnd, int slot);
void DestroyPictureWindow(int slot);

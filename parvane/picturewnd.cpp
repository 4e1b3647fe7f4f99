// The open command and the picture windows: each shows one bitmap file at its own size,
// cascaded inside the main window's client area, at most MAX_CHILDREN at a time.
#include <cstring>

#include "picturewnd.h"

#include "filesel.h"
#include "lasterror.h"
#include "parvane.h"
#include "placement.h"
#include "slots.h"
#include "viewerwnd.h"
#include "textio.h"

std::int32_t nChildren = 0;
std::int32_t xNextChild = 0, yNextChild = 0;
char szFileName[FILE_FIELD_LENGTH];

namespace {

// The error code shown when the system loader fails without saying why, or faults.
constexpr DWORD LOAD_FAILED_CODE = ERROR_INVALID_DATA;

// The start value: the name, a NUL and blanks, as in every fixed text.
[[maybe_unused]] const bool fileNameSet =
    (SetFixedText(szFileName, FILE_FIELD_LENGTH, START_FILE_NAME), true);

constexpr char BITMAP_FILTER[] = "Bitmap Dateien (*.bmp)\0*.bmp\0";

} // namespace

void OpenCommand(HWND hwnd) {
    // The item is grayed at three windows; a command that arrives all the same opens none.
    if (nChildren >= MAX_CHILDREN)
        return;
    memset(szFilter, ' ', sizeof szFilter);
    memcpy(szFilter, BITMAP_FILTER, sizeof BITMAP_FILTER); // with the list's closing NUL
    memcpy(szDefExt, "bmp", 4);
    const int r = ShowOpenFileDialog(hwnd, szFileName, sizeof szFileName);
    if (r <= 0)
        return;
    // The path came back blank-padded; the NUL makes it the window's title and file name.
    if (r < static_cast<int>(sizeof szFileName))
        szFileName[r] = '\0';
    OpenPictureWindow(hwnd);
}

HWND OpenPictureWindow(HWND hwnd) {
    const int slot = TakeSlot(slotTaken, nChildren);
    if (slot == 0)
        return nullptr;
    slotLoaded[slot] = false;
    HWND child =
        CreateWindowExA(0, PICTURE_CLASS, szFileName,
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU, 0, 0, 0,
                        0, hwnd, reinterpret_cast<HMENU>(INT_PTR{slot}), hInst, nullptr);
    if (child != nullptr && !slotLoaded[slot]) {
        // The loader faulted inside WM_CREATE and the system went on creating the window: it
        // has no picture and must not stay. The loader set no code of its own (what the last
        // error holds now comes from the window creation), so the box names invalid data.
        DestroyWindow(child);
        child = nullptr;
        SetLastError(LOAD_FAILED_CODE);
        ShowLastError(hwnd);
    }
    if (child == nullptr) {
        // The file did not load (reported) or the window could not be made: its slot is free
        // again and the count and the menu are as before.
        DestroyPictureWindow(slot);
        return nullptr;
    }
    BringWindowToTop(child);
    if (nChildren == MAX_CHILDREN)
        EnableMenuItem(hMenu, IDM_OEFFNEN, MF_BYCOMMAND | MF_GRAYED);
    return child;
}

LRESULT CreatePictureWindow(HWND hwnd, int slot) {
    // The loader does not always set an error code when it refuses a file; the user is told
    // all the same.
    SetLastError(0);
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, szFileName, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
    if (bitmap == nullptr) {
        if (GetLastError() == 0)
            SetLastError(LOAD_FAILED_CODE);
        ShowLastError(hwnd);
        // Creation fails and the window goes; the open command frees its slot.
        return -1;
    }
    hBmp[slot] = bitmap;
    BITMAP bm;
    GetObjectA(bitmap, sizeof bm, &bm);
    bmpWidth[slot] = bm.bmWidth;
    bmpHeight[slot] = bm.bmHeight;
    const OuterSize size = PictureWindowSize(bm.bmWidth, bm.bmHeight, cxFrame, cyFrame, cyCaption);
    // A corner outside the main window's client area starts the cascade again.
    RECT client;
    GetClientRect(GetParent(hwnd), &client);
    const Corner corner = CascadeCorner(xNextChild, yNextChild, client.right, client.bottom);
    xNextChild = corner.x;
    yNextChild = corner.y;
    MoveWindow(hwnd, xNextChild, yNextChild, size.width, size.height, TRUE);
    xNextChild += cyCaption;
    yNextChild += cyCaption;
    slotLoaded[slot] = true;
    return 0;
}

void DestroyPictureWindow(int slot) {
    // Only a slot still held is released: a window whose creation failed may be destroyed
    // by the system and given up by the open command as well.
    if (!ReleaseSlot(slotTaken, slot, nChildren))
        return;
    slotLoaded[slot] = false;
    if (hBmp[slot] != nullptr)
        DeleteObject(hBmp[slot]);
    hBmp[slot] = nullptr;
    bmpWidth[slot] = 0;
    bmpHeight[slot] = 0;
    EnableMenuItem(hMenu, IDM_OEFFNEN, MF_BYCOMMAND | MF_ENABLED);
}

// ViewerWndProc, the procedure of both window kinds: the main window, which shows the
// start-up picture and carries out the menu commands, and the picture windows, whose
// branches are in picturewnd.cpp. Both paint their slot's bitmap the same way. Also the
// class record of both kinds and the main window's creation.
#include "viewerwnd.h"

#include "closereq.h"
#include "lasterror.h"
#include "parvane.h"
#include "parvane_testing.h" // paintCreateDC, defined here
#include "picturewnd.h"
#include "placement.h"

HINSTANCE hInst = nullptr;
HMENU hMenu = nullptr;
HWND hwndMain = nullptr;
HACCEL hAccel = nullptr;
WNDCLASSA wc;

HBITMAP hBmp[SLOT_COUNT];
std::int32_t bmpWidth[SLOT_COUNT];
std::int32_t bmpHeight[SLOT_COUNT];
bool slotTaken[SLOT_COUNT];
bool slotLoaded[SLOT_COUNT];
CreateDCRoutine paintCreateDC = CreateCompatibleDC;
std::int32_t cxFrame, cyFrame, cyCaption;

namespace {

// The caption of the help and info boxes.
constexpr char BOX_CAPTION[] = "Parvane";

// A picture window's slot is its control id; -1 for an id that is not a picture slot.
int SlotOf(HWND hwnd) {
    const LONG_PTR id = GetWindowLongPtrA(hwnd, GWLP_ID);
    return id >= 1 && id <= MAX_CHILDREN ? static_cast<int>(id) : -1;
}

void LoadStartUpPicture(HWND hwnd) {
    hBmp[0] = static_cast<HBITMAP>(
        LoadImageA(hInst, MAKEINTRESOURCEA(IDB_Logo), IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE));
    if (hBmp[0] == nullptr) {
        // The window opens all the same, with an empty slot 0 and the metrics at 0.
        ShowLastError(hwnd);
        return;
    }
    BITMAP bm;
    GetObjectA(hBmp[0], sizeof bm, &bm);
    bmpWidth[0] = bm.bmWidth;
    bmpHeight[0] = bm.bmHeight;
    cxFrame = GetSystemMetrics(SM_CXFRAME);
    cyFrame = GetSystemMetrics(SM_CYFRAME);
    cyCaption = GetSystemMetrics(SM_CYCAPTION);
}

// Copies a block the size of the client area from the slot's bitmap to (x, y): the main
// window centres its picture, a picture window shows it from its top-left corner.
void PaintSlot(HWND hwnd, int slot) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    const int cw = rc.right - rc.left, ch = rc.bottom - rc.top;
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    HDC mem = paintCreateDC(hdc);
    HGDIOBJ old = SelectObject(mem, hBmp[slot]);
    int x = 0, y = 0;
    if (slot == 0) {
        x = CentredPosition(cw, bmpWidth[0]);
        y = CentredPosition(ch, bmpHeight[0]);
    }
    BitBlt(hdc, x, y, cw, ch, mem, 0, 0, SRCCOPY);
    // The bitmap stays in its slot: painting never deletes a picture.
    if (old != nullptr)
        SelectObject(mem, old);
    DeleteDC(mem);
    EndPaint(hwnd, &ps);
}

LRESULT MainCommand(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case IDM_BEENDEN: SendMessageA(hwnd, WM_CLOSE, 0, 0); return 0;
    case IDM_HILFETHEMEN: MessageBoxA(hwnd, HELP_TEXT, BOX_CAPTION, MB_ICONEXCLAMATION); return 0;
    case IDM_INFO: MessageBoxA(hwnd, INFO_TEXT, BOX_CAPTION, MB_ICONINFORMATION); return 0;
    case IDM_OEFFNEN: OpenCommand(hwnd); return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK ViewerWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // A picture window is the one with a parent; the main window has none.
    const bool picture = GetParent(hwnd) != nullptr;
    const int slot = picture ? SlotOf(hwnd) : 0;
    if (slot < 0)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        if (picture)
            return CreatePictureWindow(hwnd, slot);
        LoadStartUpPicture(hwnd);
        return 0;
    case WM_PAINT: PaintSlot(hwnd, slot); return 0;
    case WM_COMMAND:
        if (picture)
            return DefWindowProcA(hwnd, message, wParam, lParam);
        // A command posted while one of the program's dialogs or boxes is open is dropped:
        // a second file dialog would work on the record and path buffer of the first, a box
        // would stand over the open one, and Beenden could not close the window then anyway.
        if (CommandMustWait(hwnd))
            return 0;
        return MainCommand(hwnd, message, wParam, lParam);
    case WM_CLOSE:
        // A taskbar or window manager can ask while one of the program's dialogs or boxes
        // runs over the main window; destroying the window then would pull the owner away
        // under the running dialog. The request is dropped and the dialog stays.
        if (!picture && CloseMustWait(hwnd))
            return 0;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_DESTROY:
        if (picture) {
            DestroyPictureWindow(slot);
        } else {
            // The start-up picture lives as long as the main window.
            if (hBmp[0] != nullptr)
                DeleteObject(hBmp[0]);
            hBmp[0] = nullptr;
            PostQuitMessage(0);
        }
        return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

bool RegisterParvaneClass(HINSTANCE hInstance) {
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ViewerWndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = MAIN_CLASS;
    return RegisterClassA(&wc) != 0;
}

bool RegisterPictureClass() {
    wc.lpszClassName = PICTURE_CLASS;
    return RegisterClassA(&wc) != 0;
}

HWND CreateParvaneWindow(HINSTANCE hInstance) {
    // Without its menu the window simply has no menu bar.
    hMenu = LoadMenuA(hInstance, "ParvaneMenu");
    return CreateWindowExA(0, MAIN_CLASS, MAIN_TITLE, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                           hMenu, hInstance, nullptr);
}

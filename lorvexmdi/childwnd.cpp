// The MDI children of LorvexMDI: each completes and keeps its INFO record, carries a status
// strip along its bottom edge and puts the child menu up while it is active.
#include <windows.h>

#include "closereq.h"
#include "lorvexmdi.h"

const char STRIP_INITIAL_TEXT[] = "Select 'Option' menu items";

LPARAM GetMdiCreateParam(const CREATESTRUCTA* createStruct) {
    return static_cast<const MDICREATESTRUCTA*>(createStruct->lpCreateParams)->lParam;
}

namespace {

HLOCAL RecordOf(HWND child) {
    return reinterpret_cast<HLOCAL>(GetWindowLongPtrA(child, 0));
}

// Copies the locked record into `copy` and unlocks it; false (after the box) when it cannot
// be locked.
bool ReadRecord(HLOCAL hInfo, INFO& copy) {
    void* record = LockInfo(hInfo);
    if (record == nullptr)
        return false;
    RtlMoveMemory(&copy, record, sizeof(INFO));
    LocalUnlock(hInfo);
    return true;
}

// Creates the strip and completes the record the creator handed over; the record's handle
// goes into window word 0 unless there was none.
void CreateChild(HWND hwnd, const CREATESTRUCTA* createStruct) {
    HWND strip =
        CreateWindowExA(0, stripClassName, "", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, 0, 0, hwnd,
                        reinterpret_cast<HMENU>(IDC_STATUS_STRIP), hModule, nullptr);
    SetWindowTextA(strip, STRIP_INITIAL_TEXT);
    HLOCAL hInfo = reinterpret_cast<HLOCAL>(GetMdiCreateParam(createStruct));
    if (hInfo == nullptr) {
        ReportError("Can't allocate hInfo!");
        return;
    }
    void* record = LockInfo(hInfo);
    if (record != nullptr) {
        INFO copy;
        RtlMoveMemory(&copy, record, sizeof(INFO));
        copy.hwndText = strip;
        if (!GetClientRect(hwnd, &copy.rcClient))
            ReportError("Failed in GetClientRect!");
        RtlMoveMemory(record, &copy, sizeof(INFO));
        LocalUnlock(hInfo);
    }
    // Attached even when it could not be locked, so that closing the child frees it.
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(hInfo));
}

void PlaceStrip(HWND hwnd, LPARAM lParam) {
    HLOCAL hInfo = RecordOf(hwnd);
    if (hInfo == nullptr) {
        ReportError("Can't get hInfo!");
        return;
    }
    INFO copy;
    if (!ReadRecord(hInfo, copy))
        return;
    int h = static_cast<int>(GetWindowLongPtrA(copy.hwndText, GWLP_USERDATA));
    int cx = LOWORD(lParam);
    int cy = HIWORD(lParam);
    MoveWindow(copy.hwndText, 0, cy - h, cx, h, TRUE);
}

void ShowOption(HWND hwnd, WPARAM wParam) {
    HLOCAL hInfo = RecordOf(hwnd);
    if (hInfo == nullptr) {
        ReportError("Can't get hInfo!", "Can't get hInfo!");
        return;
    }
    INFO copy;
    if (!ReadRecord(hInfo, copy))
        return;
    switch (LOWORD(wParam)) {
    case IDM_OPT_1: SetWindowTextA(copy.hwndText, "IDM_OPT_1"); break;
    case IDM_OPT_2: SetWindowTextA(copy.hwndText, "IDM_OPT_2"); break;
    case IDM_OPT_3: SetWindowTextA(copy.hwndText, "IDM_OPT_3"); break;
    case IDM_OPT_4: SetWindowTextA(copy.hwndText, "IDM_OPT_4"); break;
    default: break;
    }
}

// Puts a menu and its window popup up in the frame of an MDI client.
void SetFrameMenu(HWND client, HMENU menu, HMENU windowMenu) {
    SendMessageA(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                 reinterpret_cast<LPARAM>(windowMenu));
    DrawMenuBar(GetParent(client));
}

HWND ActiveChildOf(HWND client) {
    return reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
}

// Lets the client destroy the child, then frees its record. The frame menu comes back only
// when the active child closed and no other took over; an inactive child leaves the active
// one's menu in place.
LRESULT CloseChild(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    HWND client = GetParent(hwnd);
    // While a dialog or box of the program is open (the frame is disabled), the child waits:
    // one of its own handlers may be inside that box.
    if (CloseMustWait(GetParent(client)))
        return 0;
    const bool wasActive = ActiveChildOf(client) == hwnd;
    // Freed once the child is gone: a maximised child is still sized while the client
    // destroys it, and each WM_SIZE reads the record.
    HLOCAL hInfo = RecordOf(hwnd);
    LRESULT result = DefMDIChildProcA(hwnd, WM_CLOSE, wParam, lParam);
    if (IsWindow(hwnd))
        return result;
    LocalFree(hInfo);
    if (wasActive && ActiveChildOf(client) == nullptr)
        SetFrameMenu(client, hMenuFrame, hMenuFrameWindow);
    return result;
}

} // namespace

LRESULT CALLBACK ChildWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: CreateChild(hwnd, reinterpret_cast<const CREATESTRUCTA*>(lParam)); break;
    case WM_SIZE: PlaceStrip(hwnd, lParam); break;
    case WM_COMMAND:
        // Posted straight to the child, an option waits for an open dialog or box as one sent
        // through the frame does: a failing record would put a second box over the first.
        if (!CommandMustWait(GetAncestor(hwnd, GA_ROOT)))
            ShowOption(hwnd, wParam);
        return 0;
    case WM_MDIACTIVATE:
        if (reinterpret_cast<HWND>(lParam) == hwnd)
            SetFrameMenu(GetParent(hwnd), hMenuChild, hMenuChildWindow);
        return 0;
    case WM_CLOSE: return CloseChild(hwnd, wParam, lParam);
    default: break;
    }
    return DefMDIChildProcA(hwnd, message, wParam, lParam);
}

// The frame of LorvexMDI: the three window classes, menus and accelerators, the frame with
// its MDI client, and FrameWndProc with every command the frame carries out itself.
#include <windows.h>

#include <string>

#include "about.h"
#include "closereq.h"
#include "help.h"
#include "lorvexmdi.h"
#include "lorvexmdi_testing.h" // helpEngine, defined here

NameField stripClassName;
NameField childTitle;

WinHelpRoutine helpEngine = WinHelpA;

namespace {

// Extra window bytes of each class: one handle-sized word 0 (4 bytes in the 32-bit build).
constexpr int WINDOW_WORD_BYTES = sizeof(LONG_PTR);
#ifndef _WIN64
static_assert(WINDOW_WORD_BYTES == 4, "4 extra window bytes");
#endif

WNDCLASSA wc; // the one record of the three classes

// Names that the frame hands to the platform.
NameField frameClassName;
NameField childClassName;
NameField frameTitle;
NameField iconName;
NameField frameMenuName;
NameField childMenuName;
NameField accelName;
NameField clientClassName;
NameField aboutDialogName;

INFO frameInfo;             // the frame's working copy, built by New
MDICREATESTRUCTA mdiCreate; // filled by each New
CLIENTCREATESTRUCT clientCreate;

} // namespace

bool RegisterLorvexMDIClasses(HINSTANCE hInstance) {
    SetNameField(iconName, "LorvexMDI");
    HICON icon = LoadIconA(hInstance, iconName);

    SetNameField(frameClassName, "LorvexMDIMain");
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = FrameWndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = WINDOW_WORD_BYTES;
    wc.hInstance = hInstance;
    wc.hIcon = icon;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = frameClassName;
    if (LOWORD(RegisterClassA(&wc)) == 0)
        return false;

    SetNameField(childClassName, "LorvexMDI");
    wc.lpszClassName = childClassName;
    wc.lpfnWndProc = ChildWndProc;
    if (LOWORD(RegisterClassA(&wc)) == 0)
        return false;

    SetNameField(stripClassName, "LorvexMDIText");
    wc.lpszClassName = stripClassName;
    wc.lpfnWndProc = TextWndProc;
    wc.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    wc.hIcon = nullptr;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    return LOWORD(RegisterClassA(&wc)) != 0;
}

bool LoadMenusAndAccelerators(HINSTANCE hInstance, HACCEL& hAccel) {
    SetNameField(frameMenuName, "LorvexMDI");
    hMenuFrame = LoadMenuA(hInstance, frameMenuName);
    if (hMenuFrame == nullptr)
        return false;
    SetNameField(accelName, "LorvexMDI");
    hAccel = LoadAcceleratorsA(hInstance, accelName);
    if (hAccel == nullptr)
        return false;
    SetNameField(childMenuName, "LorvexMDIChild");
    hMenuChild = LoadMenuA(hInstance, childMenuName);
    if (hMenuChild == nullptr)
        return false;
    // Taken before the frame exists: its WM_CREATE hands the first to the MDI client.
    hMenuFrameWindow = GetSubMenu(hMenuFrame, 1);
    hMenuChildWindow = GetSubMenu(hMenuChild, 2);
    return true;
}

HWND CreateFrameWindow(HINSTANCE hInstance) {
    SetNameField(frameClassName, "LorvexMDIMain");
    SetNameField(frameTitle, "LorvexMDI");
    return CreateWindowExA(0, frameClassName, frameTitle,
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, CW_USEDEFAULT, 0,
                           CW_USEDEFAULT, 0, nullptr, hMenuFrame, hInstance, nullptr);
}

namespace {

// The New command: a child with its INFO record.
void NewChild() {
    HLOCAL hInfo = infoAllocate(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(INFO));
    if (hInfo == nullptr) {
        ReportError("Failed to Allocate INFO data!");
        return;
    }
    void* record = LockInfo(hInfo);
    if (record == nullptr) {
        // No window refers to the block: release it.
        LocalFree(hInfo);
        return;
    }
    std::string title = ChildTitle(nChildNo);
    title.copy(frameInfo.szTitle, CHILD_TITLE_LENGTH);
    frameInfo.hwndClient = hwndClient;
    RtlMoveMemory(record, &frameInfo, sizeof(INFO));

    // The window title keeps the field's trailing blanks before its NUL.
    SetNameField(childTitle, title.c_str());
    mdiCreate.szClass = childClassName;
    mdiCreate.szTitle = childTitle;
    mdiCreate.hOwner = hModule;
    mdiCreate.x = CW_USEDEFAULT;
    mdiCreate.y = CW_USEDEFAULT;
    mdiCreate.cx = CW_USEDEFAULT;
    mdiCreate.cy = CW_USEDEFAULT;
    mdiCreate.style = 0;
    mdiCreate.lParam = reinterpret_cast<LPARAM>(hInfo);
    // The child's WM_CREATE completes the record while this lock is still held.
    HWND child = reinterpret_cast<HWND>(
        SendMessageA(hwndClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mdiCreate)));
    if (child == nullptr) {
        ReportError("Failed in Creating Child Window");
        LocalUnlock(hInfo);
        LocalFree(hInfo);
        return;
    }
    ++nChildNo;
    // The block now belongs to the child, which frees it when it closes.
    LocalUnlock(hInfo);
}

// Runs the arrangement commands; false for every other identifier.
bool ArrangeCommand(UINT id) {
    switch (id) {
    case IDM_CASCADE: SendMessageA(hwndClient, WM_MDICASCADE, 0, 0); return true;
    case IDM_TILE: SendMessageA(hwndClient, WM_MDITILE, MDITILE_VERTICAL, 0); return true;
    case IDM_ARRANGE: SendMessageA(hwndClient, WM_MDIICONARRANGE, 0, 0); return true;
    default: return false;
    }
}

// Runs the other commands the frame carries out itself; false for every other identifier.
bool FrameCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    if (id >= IDM_OPT_1 && id <= IDM_OPT_LAST) {
        HWND active = reinterpret_cast<HWND>(SendMessageA(hwndClient, WM_MDIGETACTIVE, 0, 0));
        if (active != nullptr)
            SendMessageA(active, WM_COMMAND, wParam, lParam);
        return true;
    }
    switch (id) {
    case IDM_EXIT: SendMessageA(hwnd, WM_CLOSE, 0, 0); return true;
    case IDM_NEW: NewChild(); return true;
    case IDM_HELPCONTENTS: RequestHelpContents(helpEngine, hwnd, "LorvexMDI"); return true;
    case IDM_HELPSEARCH: RequestHelpSearch(helpEngine, hwnd, "LorvexMDI"); return true;
    case IDM_HELPHELP: RequestHelpOnHelp(helpEngine, hwnd, "LorvexMDI"); return true;
    case IDM_ABOUT:
        SetNameField(aboutDialogName, "AboutDlg");
        DialogBoxParamA(hInst, aboutDialogName, hwnd, AboutDlgProc, 0);
        return true;
    default: return false;
    }
}

} // namespace

LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        clientCreate.hWindowMenu = hMenuFrameWindow;
        clientCreate.idFirstChild = IDM_FIRSTCHILD;
        SetNameField(clientClassName, "MDICLIENT");
        // hwndFrame is not yet set: the client's parent is this window.
        hwndClient =
            CreateWindowExA(0, clientClassName, "", WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0,
                            0, 0, hwnd, nullptr, hInst, &clientCreate);
        return 0;
    case WM_CLOSE:
        // A dialog or box of the program is open over the frame: destroying the frame would
        // pull the owner away under it. The request is refused; the user closes the dialog.
        if (CloseMustWait(hwnd))
            return 0;
        return DefFrameProcA(hwnd, hwndClient, message, wParam, lParam);
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_COMMAND:
        // Arranging the children harms no dialog or box that is open. Every other command
        // waits for it: it would open a second dialog or box, make a child or write into a
        // strip under the open one, and an entry of the window list can open the system's
        // window dialog.
        if (ArrangeCommand(LOWORD(wParam)))
            return 0;
        if (CommandMustWait(hwnd))
            return 0;
        if (FrameCommand(hwnd, wParam, lParam))
            return 0;
        // The grayed items, the window list's children and all else.
        return DefFrameProcA(hwnd, hwndClient, message, wParam, lParam);
    default: return DefFrameProcA(hwnd, hwndClient, message, wParam, lParam);
    }
}

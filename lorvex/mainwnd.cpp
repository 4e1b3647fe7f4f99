// The main window of Lorvex: its class, menu and accelerators, its creation and
// MainWndProc, which carries out or hands on every menu command.
#include <windows.h>

#include "mainwnd.h"

#include "about.h"
#include "closereq.h"
#include "formeldlg.h"
#include "help.h"
#include "loadsave.h"
#include "lorvex_testing.h" // helpEngine, defined here
#include "resultswnd.h"

NameField mainClassName;
NameField mainTitle;
NameField iconName;
NameField menuName;
NameField accelName;

WinHelpRoutine helpEngine = WinHelpA;

namespace {

WNDCLASSA wcMain; // the record of the main window class

// Names of the dialog commands.
NameField formelDialogName;
NameField aboutDialogName;

} // namespace

bool RegisterLorvexClasses(HINSTANCE hInstance) {
    SetNameField(mainClassName, "Lorvex");
    SetNameField(iconName, "Lorvex");
    wcMain.style = CS_HREDRAW | CS_VREDRAW;
    wcMain.lpfnWndProc = MainWndProc;
    wcMain.cbClsExtra = 0;
    wcMain.cbWndExtra = 0;
    wcMain.hInstance = hInstance;
    wcMain.hIcon = LoadIconA(hInstance, iconName);
    wcMain.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wcMain.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wcMain.lpszMenuName = nullptr; // the menu is given to the window
    wcMain.lpszClassName = mainClassName;
    return LOWORD(RegisterClassA(&wcMain)) != 0;
}

bool LoadMenuAndAccelerators(HINSTANCE hInstance, HACCEL& hAccel) {
    SetNameField(menuName, "Lorvex");
    hMenu = LoadMenuA(hInstance, menuName);
    if (hMenu == nullptr)
        return false;
    SetNameField(accelName, "Lorvex");
    hAccel = LoadAcceleratorsA(hInstance, accelName);
    return hAccel != nullptr;
}

HWND CreateMainWindow(HINSTANCE hInstance) {
    SetNameField(mainClassName, "Lorvex");
    SetNameField(mainTitle, "Lorvex");
    return CreateWindowExA(0, mainClassName, mainTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                           CW_USEDEFAULT, 0, nullptr, hMenu, hInstance, nullptr);
}

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // While one of our dialogs or boxes is open, a posted command is dropped: the menu's
        // commands would open a dialog or box, or read or write the table, under the open
        // one, and Exit could not close the window then anyway.
        if (CommandMustWait(hwnd))
            return 0;
        switch (LOWORD(wParam)) {
        case IDM_EXIT: SendMessageA(hwnd, WM_CLOSE, 0, 0); return 0;
        case IDM_LADEN: LoadResults(); return 0;
        case IDM_SPEICHERN: SaveResults(); return 0;
        case IDM_FORMEL:
            SetNameField(formelDialogName, "FormelCS");
            DialogBoxParamA(hInst, formelDialogName, hwnd, FormelDlgProc, 0);
            return 0;
        case IDM_ABOUT:
            SetNameField(aboutDialogName, "AboutDlg");
            DialogBoxParamA(hInst, aboutDialogName, hwnd, AboutDlgProc, 0);
            return 0;
        case IDM_HELPCONTENTS: RequestHelpContents(helpEngine, hwnd, "Lorvex"); return 0;
        case IDM_HELPSEARCH: RequestHelpSearch(helpEngine, hwnd, "Lorvex"); return 0;
        case IDM_HELPHELP: RequestHelpOnHelp(helpEngine, hwnd, "Lorvex"); return 0;
        default:
            // Every other identifier, the two empty items among them, does nothing.
            return DefWindowProcA(hwnd, message, wParam, lParam);
        }
    case WM_CLOSE:
        // A close request from a taskbar, window manager or session end while one of our
        // dialogs or boxes runs is dropped: the dialog stays, and destroying the window under
        // it would pull its owner away.
        if (CloseMustWait(hwnd))
            return 0;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_DESTROY:
        if (hwndResults != NO_WINDOW)
            DestroyWindow(hwndResults);
        PostQuitMessage(0);
        return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

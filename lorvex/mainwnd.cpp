// The main window of Lorvex: the start-up that makes it, its class, its creation and
// MainWndProc, which carries out or hands on every menu command.
#include <windows.h>

#include "mainwnd.h"

#include "about.h"
#include "closereq.h"
#include "formeldlg.h"
#include "loadsave.h"
#include "msgloop.h"
#include "resultswnd.h"

WNDCLASSA wcMain;
MSG msg;

NameField mainClassName;
NameField mainTitle;
NameField iconName;
NameField menuName;
NameField accelName;

NameField formelDialogName;
NameField aboutDialogName;

// Contents request and the help failure box.
NameField helpFileName;
NameField helpKeyword;
NameField helpFailureText;
NameField helpFailureCaption;

WinHelpRoutine helpEngine = WinHelpA;
int helpBoxesOpen = 0;

bool RegisterMainClass(HINSTANCE hInstance) {
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

HWND CreateMainWindow(HINSTANCE hInstance) {
    SetNameField(mainClassName, "Lorvex");
    SetNameField(mainTitle, "Lorvex");
    return CreateWindowExA(0, mainClassName, mainTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                           CW_USEDEFAULT, 0, nullptr, hMenu, hInstance, nullptr);
}

void ReportStartupFailure() {
    // hwndMain is still NULL here, so the box has no owner.
    MessageBoxA(hwndMain, "Error initializing application Lorvex", "Error", MB_OK);
}

int RunLorvex(HINSTANCE hInstance, HINSTANCE hPrevInstance, int nCmdShow) {
    hInst = hInstance;
    hModule = GetModuleHandleA(nullptr);
    hwndMain = nullptr;

    if (hPrevInstance == nullptr && !RegisterMainClass(hInstance)) {
        ReportStartupFailure();
        return 0;
    }
    SetNameField(menuName, "Lorvex");
    hMenu = LoadMenuA(hInstance, menuName);
    if (hMenu == nullptr) {
        ReportStartupFailure();
        return 0;
    }
    SetNameField(accelName, "Lorvex");
    HACCEL hAccel = LoadAcceleratorsA(hInstance, accelName);
    if (hAccel == nullptr) {
        ReportStartupFailure();
        return 0;
    }
    hwndMain = CreateMainWindow(hInstance);
    if (hwndMain == nullptr) {
        ReportStartupFailure();
        return 0;
    }
    // The first WM_PAINT comes through the loop.
    ShowWindow(hwndMain, nCmdShow);
    // Accelerators go to the window each message is addressed to.
    return RunMessageLoop(msg, hAccel);
}

namespace {

void ReportHelpFailure(HWND owner) {
    SetNameField(helpFailureText, "Unable to activate help");
    SetNameField(helpFailureCaption, "Lorvex");
    ++helpBoxesOpen;
    MessageBoxA(owner, helpFailureText, helpFailureCaption, MB_SYSTEMMODAL | MB_ICONHAND);
    --helpBoxesOpen;
}

} // namespace

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
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
        case IDM_HELPCONTENTS:
            SetNameField(helpFileName, "\\Lorvex.hlp");
            SetNameField(helpKeyword, "CONTENTS");
            if (!helpEngine(hwnd, helpFileName, HELP_KEY, reinterpret_cast<ULONG_PTR>(helpKeyword)))
                ReportHelpFailure(hwnd);
            return 0;
        case IDM_HELPSEARCH:
            if (!helpEngine(hwnd, "Lorvex.hlp", HELP_PARTIALKEY, reinterpret_cast<ULONG_PTR>("")))
                ReportHelpFailure(hwnd);
            return 0;
        case IDM_HELPHELP:
            if (!helpEngine(hwnd, "", HELP_HELPONHELP, 0))
                ReportHelpFailure(GetFocus());
            return 0;
        default:
            // Every other identifier, the two empty items among them, does nothing.
            return DefWindowProcA(hwnd, message, wParam, lParam);
        }
    case WM_CLOSE:
        // A close request from a taskbar, window manager or session end while one of our
        // dialogs or boxes runs is dropped: the dialog stays, and destroying the window under
        // it would pull its owner away.
        if (CloseMustWait(hwnd) || helpBoxesOpen > 0)
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

// The splash dialog: the start-up picture in a captioned child window centred over the main
// window's client area for four seconds. It ends only through its timer.
#include "splashdlg.h"

#include "parvane.h"
#include "parvane_testing.h" // splashSetTimer, defined here
#include "placement.h"

UINT_PTR idSplashTimer = 1;
SetTimerRoutine splashSetTimer = SetTimer;

namespace {

// How long the splash stands.
constexpr UINT SPLASH_MILLISECONDS = 4000;

} // namespace

INT_PTR CALLBACK SplashDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        RECT parent, dlg;
        GetClientRect(GetParent(hDlg), &parent);
        GetWindowRect(hDlg, &dlg);
        const int dw = dlg.right - dlg.left, dh = dlg.bottom - dlg.top;
        MoveWindow(hDlg, CentredPosition(parent.right - parent.left, dw),
                   CentredPosition(parent.bottom - parent.top, dh), dw, dh, TRUE);
        const UINT_PTR id = splashSetTimer(hDlg, idSplashTimer, SPLASH_MILLISECONDS, nullptr);
        if (id == 0) {
            // Without its timer nothing could ever close the splash.
            EndDialog(hDlg, 0);
            return FALSE;
        }
        idSplashTimer = id;
        return FALSE; // no focus: no key reaches the dialog
    }
    case WM_TIMER:
        if (wParam != idSplashTimer)
            return FALSE;
        KillTimer(hDlg, idSplashTimer);
        EndDialog(hDlg, 1);
        return TRUE;
    default: return FALSE;
    }
}

void ShowSplash() {
    // A template that cannot be loaded gives -1 at once: the splash is skipped.
    DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_Splash), hwndMain, SplashDlgProc, 0);
}

// The results window: the current table, one line per point, in a list that scrolls.
#include <windows.h>

#include "resultswnd.h"

#include "closereq.h"
#include "formula.h"
#include "lorvex_testing.h" // lineDrawer, defined here

HWND hwndResults = NO_WINDOW;
bool resultsClassRegistered = false;
int resultsTopLine = 0;
LineDrawRoutine lineDrawer = TextOutA;

namespace {

NameField resultsClassName;
NameField resultsIconName;
char resultLine[RESULT_LINE_LENGTH];

int ClientHeight(HWND hwnd) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    return rc.bottom - rc.top;
}

// Sets the bar to the client height: one unit per line, the page the lines shown whole.
void UpdateScrollBar(HWND hwnd) {
    int cy = ClientHeight(hwnd);
    resultsTopLine = ClampResultsTopLine(resultsTopLine, cy);
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = POINT_COUNT - 1;
    si.nPage = static_cast<UINT>(ResultsPageLines(cy));
    si.nPos = resultsTopLine;
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

void ScrollTo(HWND hwnd, int top) {
    top = ClampResultsTopLine(top, ClientHeight(hwnd));
    if (top == resultsTopLine)
        return;
    resultsTopLine = top;
    SetScrollPos(hwnd, SB_VERT, top, TRUE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void OnVScroll(HWND hwnd, WORD request) {
    int page = ResultsPageLines(ClientHeight(hwnd));
    int top = resultsTopLine;
    switch (request) {
    case SB_LINEUP: top -= 1; break;
    case SB_LINEDOWN: top += 1; break;
    case SB_PAGEUP: top -= page; break;
    case SB_PAGEDOWN: top += page; break;
    case SB_TOP: top = 0; break;
    case SB_BOTTOM: top = POINT_COUNT; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The 32-bit track position, not the 16-bit one of the message.
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(hwnd, SB_VERT, &si);
        top = si.nTrackPos;
        break;
    }
    default: return;
    }
    ScrollTo(hwnd, top);
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    for (int i = 0; i < POINT_COUNT; ++i) {
        int k = FormatResultLine(resultTable.xValues[i], resultTable.yValues[i], resultLine);
        lineDrawer(hdc, RESULT_LINE_LEFT, RESULT_LINE_HEIGHT * (i - resultsTopLine), resultLine, k);
    }
    EndPaint(hwnd, &ps);
}

void Closing() {
    EnableMenuItem(hMenu, IDM_SPEICHERN, MF_BYCOMMAND | MF_GRAYED);
    hwndResults = NO_WINDOW;
}

void ReportResultsFailure() {
    MessageBoxA(hwndMain, "Fehler beim Initialisieren des Ergebnisfensters", "Fehler", MB_OK);
}

} // namespace

void ShowResultsWindow() {
    SetNameField(resultsClassName, "LorvexErg");
    SetNameField(resultsIconName, "Lorvex");
    if (hwndResults != NO_WINDOW) {
        // The open window shows the new table before the call returns, where it is. The
        // background is erased too: a line drawn shorter than the old one (NaN, Infinity)
        // would leave the old line's digits standing beside it.
        RedrawWindow(hwndResults, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
        UpdateWindow(hwndResults);
        return;
    }
    if (!resultsClassRegistered) {
        WNDCLASSA wc{};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ResultsWndProc;
        wc.cbClsExtra = 0;
        wc.cbWndExtra = 0;
        wc.hInstance = hModule;
        wc.hIcon = LoadIconA(hModule, resultsIconName);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszMenuName = nullptr;
        wc.lpszClassName = resultsClassName;
        if (LOWORD(RegisterClassA(&wc)) == 0) {
            ReportResultsFailure();
            return;
        }
        resultsClassRegistered = true;
    }
    resultsTopLine = 0;
    HWND hwnd = CreateWindowExA(0, resultsClassName, "Ergebnisfenster",
                                WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_VSCROLL, 200,
                                20, 300, 400, hwndMain, nullptr, hModule, nullptr);
    if (hwnd == nullptr) {
        ReportResultsFailure();
        return;
    }
    hwndResults = hwnd;
    ShowWindow(hwndResults, SW_SHOWNORMAL);
}

LRESULT CALLBACK ResultsWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint(hwnd);
        EnableMenuItem(hMenu, IDM_SPEICHERN, MF_BYCOMMAND | MF_ENABLED);
        return 0;
    case WM_SIZE: UpdateScrollBar(hwnd); return 0;
    case WM_VSCROLL: OnVScroll(hwnd, LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: {
        // Three lines a notch; a notch up moves the list down.
        int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        ScrollTo(hwnd, resultsTopLine - 3 * notches);
        return 0;
    }
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_UP: OnVScroll(hwnd, SB_LINEUP); return 0;
        case VK_DOWN: OnVScroll(hwnd, SB_LINEDOWN); return 0;
        case VK_PRIOR: OnVScroll(hwnd, SB_PAGEUP); return 0;
        case VK_NEXT: OnVScroll(hwnd, SB_PAGEDOWN); return 0;
        case VK_HOME: OnVScroll(hwnd, SB_TOP); return 0;
        case VK_END: OnVScroll(hwnd, SB_BOTTOM); return 0;
        default: return DefWindowProcA(hwnd, message, wParam, lParam);
        }
    case WM_CLOSE:
        // A box that this window owns, or a task-modal one, is open: the window stays with it.
        if (CloseMustWait(hwnd))
            return 0;
        Closing();
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_DESTROY: Closing(); return DefWindowProcA(hwnd, message, wParam, lParam);
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

// MixerWndProc, the Chromel main window: the white panel with three bars, their captions
// and values, and the colour field on the right, which is nothing but the class background
// brush; the window's class and creation.
#include <windows.h>

#include "chromel_testing.h" // the program-wide data defined here
#include "mixcalc.h"

const char CHROMEL_CLASS[] = "Chromel";

HWND hwndPanel;
HWND hwndBar[3];
HWND hwndCaption[3];
HWND hwndLevel[3];
COLORREF crBase[3];
HBRUSH hbrBar[3];
HBRUSH hbrCaption;
int nLevel[3];
WNDPROC pfnOrigBarProc[3];
int iFocusBar;
int cyText;
RECT rcMix;

namespace {

const char CHROMEL_TITLE[] = "Farbmischung \xFC"
                             "ber Bildlaufleisten";
const char COLOR_CAPTIONS[3][5] = {{'R', 'o', 't', '\0', ' '}, "Gr\xFCn", "Blau"};
// The value text being built.
char szLevel[LEVEL_TEXT_SIZE];

HWND CreateChild(HWND parent, HINSTANCE hInst, const char* cls, const char* text, DWORD style,
                 int id) {
    return CreateWindowA(cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), hInst, nullptr);
}

// Builds the ten controls and the four brushes. A control or brush that cannot be made
// fails the window's creation, so that the program ends as for any start-up failure.
bool OnCreate(HWND hwnd) {
    HINSTANCE hInst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE));
    crBase[0] = RGB(255, 0, 0);
    crBase[1] = RGB(0, 255, 0);
    crBase[2] = RGB(0, 0, 255);

    hwndPanel = CreateChild(hwnd, hInst, "static", nullptr, SS_WHITERECT, IDC_PANEL);
    bool ok = hwndPanel != nullptr;
    for (int i = 0; i < 3; ++i) {
        hwndBar[i] =
            CreateChild(hwnd, hInst, "scrollbar", nullptr, WS_TABSTOP | SBS_VERT, IDC_BAR + i);
        SetScrollRange(hwndBar[i], SB_CTL, LEVEL_MIN, LEVEL_MAX, FALSE);
        SetScrollPos(hwndBar[i], SB_CTL, 0, FALSE);
        hwndCaption[i] =
            CreateChild(hwnd, hInst, "static", COLOR_CAPTIONS[i], SS_CENTER, IDC_CAPTION + i);
        hwndLevel[i] = CreateChild(hwnd, hInst, "static", "0", SS_CENTER, IDC_LEVEL + i);
        pfnOrigBarProc[i] = nullptr;
        if (hwndBar[i] != nullptr)
            pfnOrigBarProc[i] = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
                hwndBar[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ScrollBarWndProc)));
        hbrBar[i] = CreateSolidBrush(crBase[i]);
        ok = ok && hwndBar[i] && hwndCaption[i] && hwndLevel[i] && pfnOrigBarProc[i] && hbrBar[i];
    }
    hbrCaption = CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT));
    cyText = static_cast<short>(HIWORD(GetDialogBaseUnits()));
    return ok && hbrCaption != nullptr;
}

void OnSize(HWND hwnd, int cx, int cy) {
    const MixerLayout l = ComputeLayout(cx, cy, cyText);
    SetRect(&rcMix, l.mix.left, l.mix.top, l.mix.right, l.mix.bottom);
    MoveWindow(hwndPanel, l.panel.x, l.panel.y, l.panel.width, l.panel.height, TRUE);
    for (int i = 0; i < 3; ++i) {
        MoveWindow(hwndBar[i], l.bar[i].x, l.bar[i].y, l.bar[i].width, l.bar[i].height, TRUE);
        MoveWindow(hwndCaption[i], l.caption[i].x, l.caption[i].y, l.caption[i].width,
                   l.caption[i].height, TRUE);
        MoveWindow(hwndLevel[i], l.level[i].x, l.level[i].y, l.level[i].width, l.level[i].height,
                   TRUE);
    }
    SetFocus(hwnd);
}

// The bar a control message came from, or -1 for any other window.
int BarIndex(LPARAM lParam) {
    HWND from = reinterpret_cast<HWND>(lParam);
    if (from == nullptr)
        return -1;
    const int id = static_cast<int>(GetWindowLongPtrA(from, GWLP_ID));
    if (id < 0 || id > 2 || hwndBar[id] != from)
        return -1;
    return id;
}

void OnVScroll(HWND hwnd, int id, int code, int thumb) {
    nLevel[id] = NewLevel(nLevel[id], code, thumb);
    SetScrollPos(hwndBar[id], SB_CTL, nLevel[id], TRUE);
    FormatLevel(nLevel[id], szLevel);
    SetWindowTextA(hwndLevel[id], szLevel);

    // NewLevel keeps every value inside the bars' range 0..255: each is a colour byte as it is.
    HBRUSH mixed = CreateSolidBrush(RGB(nLevel[0], nLevel[1], nLevel[2]));
    // Without a new brush the class keeps its old one rather than having none.
    if (mixed != nullptr) {
        HGDIOBJ old = reinterpret_cast<HGDIOBJ>(
            SetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(mixed)));
        DeleteObject(old);
    }
    InvalidateRect(hwnd, &rcMix, TRUE);
}

void OnDestroy(HWND hwnd) {
    HGDIOBJ last = reinterpret_cast<HGDIOBJ>(SetClassLongPtrA(
        hwnd, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(GetStockObject(WHITE_BRUSH))));
    DeleteObject(last);
    for (HBRUSH& brush : hbrBar) {
        DeleteObject(brush);
        brush = nullptr;
    }
    DeleteObject(hbrCaption);
    hbrCaption = nullptr;
    PostQuitMessage(0);
}

} // namespace

LRESULT CALLBACK MixerWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(hwnd) ? 0 : -1;

    case WM_SIZE:
        OnSize(hwnd, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;

    case WM_SETFOCUS: SetFocus(hwndBar[iFocusBar]); return 0;

    case WM_VSCROLL: {
        const int id = BarIndex(lParam);
        if (id < 0)
            break;
        OnVScroll(hwnd, id, static_cast<short>(LOWORD(wParam)), static_cast<short>(HIWORD(wParam)));
        return 0;
    }

    case WM_CTLCOLORSCROLLBAR: {
        const int id = BarIndex(lParam);
        if (id < 0)
            break;
        return reinterpret_cast<LRESULT>(hbrBar[id]);
    }

    case WM_CTLCOLORSTATIC: {
        const int id = static_cast<int>(GetWindowLongPtrA(reinterpret_cast<HWND>(lParam), GWLP_ID));
        if (id < IDC_CAPTION || id >= IDC_LEVEL + 3)
            break;
        HDC hdc = reinterpret_cast<HDC>(wParam);
        SetTextColor(hdc, crBase[id % 3]);
        SetBkColor(hdc, GetSysColor(COLOR_BTNHIGHLIGHT));
        return reinterpret_cast<LRESULT>(hbrCaption);
    }

    case WM_SYSCOLORCHANGE:
        DeleteObject(hbrCaption);
        hbrCaption = CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT));
        return 0;

    case WM_DESTROY: OnDestroy(hwnd); return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterChromelClasses(HINSTANCE hInstance) {
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MixerWndProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(RGB(0, 0, 0));
    wc.lpszClassName = CHROMEL_CLASS;
    if (RegisterClassA(&wc) == 0) {
        DeleteObject(wc.hbrBackground);
        return false;
    }
    return true;
}

HWND CreateChromelWindow(HINSTANCE hInstance) {
    return CreateWindowA(CHROMEL_CLASS, CHROMEL_TITLE, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, hInstance,
                         nullptr);
}

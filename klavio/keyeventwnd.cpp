// KeyEventWndProc, the Klavio main window: the event log, its recording and scrolling, and
// the table painting; the window's class and creation.
#include <windows.h>

#include "runerror_box.h"

#include "klavio_testing.h" // the program-wide data defined here
#include "keyline.h"
#include "logrows.h"

#include <cstring>
#include <string>

MSG* eventLog = nullptr;
int nLogMax = 0;
int nLogCount = 0;
int cyLine = 0;
TEXTMETRICA tmFixed;
int cxWnd = 0, cyWnd = 0;
RECT rcLogArea;
LocalAllocRoutine logAllocate = LocalAlloc;

namespace {

const char KLAVIO_CLASS[] = "Klavio";
const char KLAVIO_TITLE[] = "Tastaturereignisse, Version 1";

// The line buffer; the columns after LINE_WIDTH stay blank.
constexpr int LINE_SIZE = 128;

// Working fields of the line being painted.
char szKeyLabel[KEY_LABEL_SIZE];
char szLine[LINE_SIZE];

void SetLogArea() {
    rcLogArea.left = 0;
    rcLogArea.top = cyLine;
    rcLogArea.right = cxWnd;
    rcLogArea.bottom = LogAreaBottom(cyWnd, cyLine);
}

// Measures the fixed font and makes a new, empty log sized for a maximised window.
void BuildLog(HWND hwnd) {
    const int cyMaximized = GetSystemMetrics(SM_CYMAXIMIZED);

    HDC hdc = GetDC(hwnd);
    HGDIOBJ oldFont = SelectObject(hdc, GetStockObject(SYSTEM_FIXED_FONT));
    GetTextMetricsA(hdc, &tmFixed);
    cyLine = tmFixed.tmHeight;
    SelectObject(hdc, oldFont);
    ReleaseDC(hwnd, hdc);

    if (eventLog != nullptr) {
        LocalFree(eventLog);
        eventLog = nullptr;
    }
    nLogMax = LogCapacity(cyMaximized, cyLine);
    // A capacity of 0 gets no block at all; recording then stores nothing.
    if (nLogMax > 0) {
        eventLog = static_cast<MSG*>(logAllocate(LMEM_FIXED, sizeof(MSG) * nLogMax));
        if (eventLog == nullptr)
            EndWithRunTimeError(IoError::InsufficientMemory, "Klavio");
    }

    SetLogArea();
    nLogCount = 0;
    InvalidateRect(hwnd, nullptr, TRUE);
}

void RecordMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (nLogMax <= 0)
        return;
    std::memmove(eventLog + 1, eventLog, sizeof(MSG) * (nLogMax - 1));
    eventLog[0].hwnd = hwnd;
    eventLog[0].message = message;
    eventLog[0].wParam = wParam;
    eventLog[0].lParam = lParam;
    if (nLogCount < nLogMax)
        ++nLogCount;
    // Below two rows there is nothing to move; the new line waits for a taller window.
    if (!IsRectEmpty(&rcLogArea))
        ScrollWindow(hwnd, 0, -cyLine, &rcLogArea, &rcLogArea);
}

// Builds the line of one entry into szLine; returns the number of characters to draw.
int BuildEntryLine(const MSG& entry) {
    std::string keyName;
    if (!IsCharacterMessage(entry.message)) {
        int n = GetKeyNameTextA(static_cast<LONG>(entry.lParam), szKeyLabel, KEY_LABEL_SIZE);
        if (n < 0)
            n = 0;
        if (n > KEY_LABEL_SIZE - 1)
            n = KEY_LABEL_SIZE - 1;
        std::memset(szKeyLabel + n, ' ', KEY_LABEL_SIZE - n);
        keyName.assign(szKeyLabel, n);
    } else {
        std::memset(szKeyLabel, ' ', KEY_LABEL_SIZE);
    }
    const std::string line =
        BuildKeyEventLine(entry.message, static_cast<std::uint32_t>(entry.wParam),
                          static_cast<std::uint32_t>(entry.lParam), keyName);
    std::memset(szLine, ' ', LINE_SIZE);
    std::memcpy(szLine, line.data(), line.size());
    return static_cast<int>(line.size());
}

void PaintTable(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    HGDIOBJ oldFont = SelectObject(hdc, GetStockObject(SYSTEM_FIXED_FONT));
    SetBkMode(hdc, TRANSPARENT);

    // The underscores fall into the cells of the header characters above them.
    TextOutA(hdc, 0, 0, HEADER_TEXT, HEADER_LENGTH);
    TextOutA(hdc, 0, 0, UNDERLINE_TEXT, UNDERLINE_LENGTH);

    const int rows = WholeRows(cyWnd, cyLine);
    const int n = LinesToDraw(nLogCount, cyWnd, cyLine);
    for (int i = 0; i < n; ++i) {
        const int length = BuildEntryLine(eventLog[i]);
        TextOutA(hdc, 0, (rows - 1 - i) * cyLine, szLine, length);
    }

    SelectObject(hdc, oldFont);
    EndPaint(hwnd, &ps);
}

} // namespace

LRESULT CALLBACK KeyEventWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
    case WM_DISPLAYCHANGE: BuildLog(hwnd); return 0;

    case WM_SIZE:
        cxWnd = static_cast<short>(LOWORD(lParam));
        cyWnd = static_cast<short>(HIWORD(lParam));
        SetLogArea();
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;

    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_DEADCHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
    case WM_SYSDEADCHAR:
        RecordMessage(hwnd, message, wParam, lParam);
        // System keys keep their usual effect (Alt+F4 closes) after their line is recorded.
        return DefWindowProcA(hwnd, message, wParam, lParam);

    case WM_PAINT: PaintTable(hwnd); return 0;

    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterKlavioClasses(HINSTANCE hInstance) {
    WNDCLASSA wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = KeyEventWndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = KLAVIO_CLASS;
    return RegisterClassA(&wc) != 0;
}

HWND CreateKlavioWindow(HINSTANCE hInstance) {
    return CreateWindowExA(0, KLAVIO_CLASS, KLAVIO_TITLE, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, hInstance,
                           nullptr);
}

// EnvWndProc, the Umvar main window: the list of variable names and the value line of the
// selected one; the walk that fills the list; the window's class and creation.
#include <windows.h>

#include "runerror_box.h"

#include "umvar_testing.h" // the program-wide data defined here
#include "envblock.h"

#include <cstring>

HINSTANCE hInst = nullptr;
HWND hwndNameList = nullptr;
HWND hwndValueLine = nullptr;
LocalAllocRoutine valueAllocate = LocalAlloc;

namespace {

const char UMVAR_CLASS[] = "Umvar";
const char UMVAR_TITLE[] = "Umgebungsvariablen";

// The name being added to the list, and the selected name as the list box returns it; each
// with its NUL.
char szEnvName[ENV_NAME_MAX + 1];
char szPickedName[ENV_NAME_MAX + 1];

void CreateControls(HWND hwnd) {
    const LONG units = GetDialogBaseUnits();
    const int cxBase = static_cast<short>(LOWORD(units));
    const int cyBase = static_cast<short>(HIWORD(units));

    hwndNameList =
        CreateWindowA("listbox", nullptr, WS_CHILD | WS_VISIBLE | LBS_STANDARD, cxBase, 3 * cyBase,
                      16 * cxBase + GetSystemMetrics(SM_CXVSCROLL), 5 * cyBase, hwnd,
                      reinterpret_cast<HMENU>(IDC_NAME_LIST), hInst, nullptr);
    hwndValueLine = CreateWindowA("static", "", WS_CHILD | WS_VISIBLE | SS_LEFT, cxBase, cyBase,
                                  GetSystemMetrics(SM_CXSCREEN), cyBase, hwnd,
                                  reinterpret_cast<HMENU>(IDC_VALUE_LINE), hInst, nullptr);
}

// Looks the selected name up in the environment as it is now and shows its value.
void ShowPickedValue() {
    const LRESULT i = SendMessageA(hwndNameList, LB_GETCURSEL, 0, 0);
    const LRESULT nameLen = SendMessageA(hwndNameList, LB_GETTEXTLEN, i, 0);
    // Only names that fit were added; the check keeps LB_GETTEXT inside the field regardless.
    if (i == LB_ERR || nameLen == LB_ERR || nameLen > ENV_NAME_MAX) {
        SetWindowTextA(hwndValueLine, "");
        return;
    }
    SendMessageA(hwndNameList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(szPickedName));

    // The size the value needs, its NUL included; 0 when the name has left the environment.
    const DWORD size = GetEnvironmentVariableA(szPickedName, nullptr, 0);
    char* valueBuf = static_cast<char*>(valueAllocate(LMEM_FIXED, size + 1));
    if (valueBuf == nullptr)
        EndWithRunTimeError(IoError::InsufficientMemory, "Umvar");
    valueBuf[0] = '\0';
    if (size > 0) {
        const DWORD got = GetEnvironmentVariableA(szPickedName, valueBuf, size + 1);
        // 0: gone after all; more than the buffer: the contents are undefined. Show nothing.
        if (got == 0 || got > size)
            valueBuf[0] = '\0';
    }
    SetWindowTextA(hwndValueLine, valueBuf);
    LocalFree(valueBuf);
}

} // namespace

void ListEnvNames(HWND list) {
    LPCH block = GetEnvironmentStrings();
    // Without a block there is nothing to list.
    if (block == nullptr)
        return;
    for (const char* p = block; *p != '\0';) {
        std::size_t nameLen = 0;
        const char* next = NextEnvEntry(p, ENV_NAME_MAX, &nameLen);
        if (nameLen > 0) {
            std::memcpy(szEnvName, p, nameLen);
            szEnvName[nameLen] = '\0';
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(szEnvName));
        }
        p = next;
    }
    FreeEnvironmentStringsA(block);
}

LRESULT CALLBACK EnvWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateControls(hwnd);
        ListEnvNames(hwndNameList);
        return 0;

    case WM_COMMAND:
        if (static_cast<short>(LOWORD(wParam)) == IDC_NAME_LIST && HIWORD(wParam) == LBN_SELCHANGE)
            ShowPickedValue();
        return 0;

    case WM_SETFOCUS: SetFocus(hwndNameList); return 0;

    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterUmvarClasses(HINSTANCE hInstance) {
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = EnvWndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = UMVAR_CLASS;
    return RegisterClassA(&wc) != 0;
}

HWND CreateUmvarWindow(HINSTANCE hInstance) {
    return CreateWindowA(UMVAR_CLASS, UMVAR_TITLE, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, hInstance,
                         nullptr);
}

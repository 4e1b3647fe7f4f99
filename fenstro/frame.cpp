// The frame window: start-up, the MDI client with the status bar, the message loop, and
// the record fen of the state that the framework's files share.
#include "fenstro_internal.h"

#include <commctrl.h>

#include "closereq.h"
#include "msgloop.h"

FenstroState fen;

namespace {

std::string ProgramFileName() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    std::size_t slash = name.find_last_of("\\/:");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

// The first icon of the program file, or the standard one.
BOOL CALLBACK TakeFirstIcon(HMODULE module, LPCSTR, LPSTR name, LONG_PTR param) {
    *reinterpret_cast<HICON*>(param) = LoadIconA(module, name);
    return FALSE;
}

HICON ProgramIcon(HINSTANCE instance) {
    HICON icon = nullptr;
    EnumResourceNamesA(instance, RT_GROUP_ICON, TakeFirstIcon, reinterpret_cast<LONG_PTR>(&icon));
    return icon ? icon : LoadIconA(nullptr, IDI_APPLICATION);
}

void LayOutFrame(HWND frame) {
    RECT rc;
    GetClientRect(frame, &rc);
    int statusHeight = 0;
    if (fen.status) {
        SendMessageA(fen.status, WM_SIZE, 0, 0);
        RECT sr;
        GetWindowRect(fen.status, &sr);
        statusHeight = sr.bottom - sr.top;
    }
    if (fen.client)
        MoveWindow(fen.client, 0, 0, rc.right,
                   rc.bottom - statusHeight > 0 ? rc.bottom - statusHeight : 0, TRUE);
}

LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: {
        CLIENTCREATESTRUCT ccs{};
        ccs.hWindowMenu = nullptr;
        ccs.idFirstChild = FIRST_MDI_CHILD;
        fen.client =
            CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                            WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0,
                            0, 0, hwnd, nullptr, fen.instance, &ccs);
        // The bars show when a text window reaches out of the client, not from the start.
        if (fen.client)
            ShowScrollBar(fen.client, SB_BOTH, FALSE);
        fen.status = CreateWindowExA(0, STATUSCLASSNAMEA, STATUS_RUNNING,
                                     WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd,
                                     nullptr, fen.instance, nullptr);
        return fen.client ? 0 : -1;
    }
    case WM_SIZE: LayOutFrame(hwnd); return 0;
    case WM_COMMAND:
        if (lParam == 0 && RunMenuCommand(LOWORD(wParam)))
            return 0;
        break;
    case WM_FENSTRO_CALL: (*reinterpret_cast<const std::function<void()>*>(lParam))(); return 0;
    case WM_FENSTRO_WINDOW: EnsureWindow(reinterpret_cast<Unit*>(lParam)); return 0;
    case WM_FENSTRO_FINISHED: SetStatusText(STATUS_FINISHED); return 0;
    case WM_CLOSE:
        // A menu routine's dialog, box or pause is still open: destroying the frame under it
        // would pull the windows away from a routine that goes on. A box without owner
        // leaves the frame enabled, so the running routine counts as well.
        if (CloseMustWait(hwnd) || MenuRoutineRunning())
            return 0;
        break;
    case WM_DESTROY:
        // The program thread may still run: from now on it finds no frame to reach.
        fen.frame = nullptr;
        fen.client = fen.status = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefFrameProcA(hwnd, fen.client, msg, wParam, lParam);
}

bool RegisterFrameClass(HINSTANCE instance) {
    WNDCLASSA wc{};
    if (GetClassInfoA(instance, FRAME_CLASS, &wc))
        return true;
    wc.lpfnWndProc = FrameWndProc;
    wc.hInstance = instance;
    wc.hIcon = ProgramIcon(instance);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = FRAME_CLASS;
    return RegisterClassA(&wc) != 0;
}

// The profile of the program asks for a maximised frame: its section's key
// "FenstroMaximized" holds a number other than 0.
bool ProfileWantsMaximized() {
    return GetProfileIntA(fen.programName.c_str(), "FenstroMaximized", 0) != 0;
}

DWORD WINAPI ProgramThread(LPVOID) {
    MainProgram();
    if (HWND frame = fen.frame)
        PostMessageA(frame, WM_FENSTRO_FINISHED, 0, 0);
    return 0;
}

} // namespace

bool OnInterfaceThread() {
    return GetCurrentThreadId() == fen.interfaceThread;
}

void RunOnInterfaceThread(const std::function<void()>& fn) {
    if (OnInterfaceThread())
        fn();
    else if (HWND frame = fen.frame)
        SendMessageA(frame, WM_FENSTRO_CALL, 0, reinterpret_cast<LPARAM>(&fn));
}

void SetStatusText(const char* text) {
    if (fen.status)
        SendMessageA(fen.status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

bool SetWindowGeometry(std::int32_t unit, const WindowGeometry& geometry) {
    if (geometry.request != GEOMETRY_SET || geometry.width < 1 || geometry.height < 1)
        return false;
    bool done = false;
    RunOnInterfaceThread([&] {
        if (unit == FRAME_WINDOW_UNIT) {
            fen.frameGeometry = geometry;
            fen.frameGeometrySet = true;
            done = true;
            if (fen.frame) {
                if (IsZoomed(fen.frame) || IsIconic(fen.frame))
                    ShowWindow(fen.frame, SW_RESTORE);
                MoveWindow(fen.frame, geometry.x, geometry.y, geometry.width, geometry.height,
                           TRUE);
            }
            return;
        }
        Unit* u = FindUnit(unit);
        HWND w = u ? u->hwnd.load() : nullptr;
        if (w) {
            if (IsZoomed(w) || IsIconic(w))
                SendMessageA(fen.client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(w), 0);
            done = MoveWindow(w, geometry.x, geometry.y, geometry.width, geometry.height, TRUE) !=
                   FALSE;
        }
    });
    return done;
}

bool FenstroStart(HINSTANCE instance, int showCommand) {
    fen.instance = instance;
    fen.interfaceThread = GetCurrentThreadId();
    fen.programName = ProgramFileName();
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    // The classes first: a pause in INITIALSETTINGS already shows a text window.
    if (!RegisterFrameClass(instance) || !RegisterTextWindowClass(instance)) {
        MessageBoxA(nullptr, "Start-up error: the window classes cannot be registered.",
                    fen.programName.c_str(), MB_OK | MB_ICONSTOP);
        return false;
    }
    if (!fen.menuBar)
        fen.menuBar = CreateMenu();
    if (!INITIALSETTINGS())
        MessageBoxA(nullptr,
                    "Start-up error: INITIALSETTINGS failed.\n"
                    "The program goes on with the menu items added so far.",
                    fen.programName.c_str(), MB_OK | MB_ICONEXCLAMATION);
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, w = CW_USEDEFAULT, h = CW_USEDEFAULT;
    if (fen.frameGeometrySet) {
        x = fen.frameGeometry.x;
        y = fen.frameGeometry.y;
        w = fen.frameGeometry.width;
        h = fen.frameGeometry.height;
    }
    HMENU bar = fen.menuPlan.menus.empty() ? nullptr : fen.menuBar;
    HWND frame = CreateWindowExA(0, FRAME_CLASS, fen.programName.c_str(),
                                 WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y, w, h, nullptr, bar,
                                 instance, nullptr);
    if (!frame) {
        fen.client = fen.status = nullptr;
        MessageBoxA(nullptr, "Start-up error: the frame window cannot be created.",
                    fen.programName.c_str(), MB_OK | MB_ICONSTOP);
        return false;
    }
    fen.frame = frame;
    ShowWindow(frame, ProfileWantsMaximized() ? SW_SHOWMAXIMIZED : showCommand);
    UpdateWindow(frame);
    CreatePendingUnitWindows();
    return true;
}

void FenstroStartProgram() {
    SetStatusText(STATUS_RUNNING);
    if (fen.programThread)
        CloseHandle(fen.programThread);
    fen.programThread = CreateThread(nullptr, 0, ProgramThread, nullptr, 0, nullptr);
}

int FenstroMain(HINSTANCE instance, int showCommand) {
    if (!FenstroStart(instance, showCommand))
        return 0;
    FenstroStartProgram();
    return RunMessageLoop(nullptr, nullptr, fen.client);
}

HWND FenstroFrame() {
    return fen.frame;
}
HWND FenstroClient() {
    return fen.client;
}
HWND FenstroStatusBar() {
    return fen.status;
}

void FenstroReset() {
    HWND frame = fen.frame;
    if (frame && IsWindow(frame))
        DestroyWindow(frame);
    ResetUnits();
    ResetPause();
    ResetMenus();
    fen.frame = fen.client = fen.status = nullptr;
    fen.frameGeometry = WindowGeometry{};
    fen.frameGeometrySet = false;
    if (fen.programThread) {
        CloseHandle(fen.programThread);
        fen.programThread = nullptr;
    }
}

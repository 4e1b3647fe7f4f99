#include "wintest.h"

#include <psapi.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

#ifndef LORVEX_SCREENSHOT_DIR
#define LORVEX_SCREENSHOT_DIR "screenshots"
#endif

bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (pred())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return pred();
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

ProcessMemory CurrentMemory() {
    PROCESS_MEMORY_COUNTERS c{};
    c.cb = sizeof c;
    GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c);
    return {c.WorkingSetSize, c.PagefileUsage};
}

int DrainQueue() {
    int code = -1;
    MSG msg;
    // Bounded, so that a window that never validates its paint cannot hold the test here.
    for (int n = 0; n < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
        if (msg.message == WM_QUIT) {
            code = static_cast<int>(msg.wParam);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return code;
}

namespace {

struct ModalScript {
    std::vector<ModalStep> steps;
    size_t next = 0;
    DWORD start = 0;
    DWORD timeoutMs = 0;
    bool timedOut = false;
    // The dialogs cancelled since the time-out, each with the tick of its first IDCANCEL.
    std::vector<std::pair<HWND, DWORD>> cancelled;
};

ModalScript* activeScript = nullptr;

// How long a dialog may ignore IDCANCEL before it is ended with EndDialog, and how long
// after the time-out open() may take to return before the test process is ended.
constexpr DWORD CANCEL_GRACE_MS = 2000;
constexpr DWORD GIVE_UP_MS = 6000;

// Sends IDCANCEL to a visible dialog of the thread, as a user's Esc would; a dialog that is
// still there CANCEL_GRACE_MS after its first IDCANCEL ignores it and is ended directly.
BOOL CALLBACK CancelDialog(HWND hwnd, LPARAM lp) {
    ModalScript* s = reinterpret_cast<ModalScript*>(lp);
    char cls[32] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(cls, "#32770") != 0 || !IsWindowVisible(hwnd))
        return TRUE;
    const DWORD now = GetTickCount();
    auto seen = s->cancelled.begin();
    while (seen != s->cancelled.end() && seen->first != hwnd)
        ++seen;
    if (seen == s->cancelled.end()) {
        s->cancelled.push_back({hwnd, now});
    } else if (now - seen->second > CANCEL_GRACE_MS) {
        fprintf(stderr, "RunModal: the dialog \"%s\" ignored IDCANCEL; ended with EndDialog\n",
                WindowText(hwnd).c_str());
        fflush(stderr);
        EndDialog(hwnd, IDCANCEL);
        return TRUE;
    }
    PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

void CALLBACK ModalTick(HWND, UINT, UINT_PTR, DWORD) {
    ModalScript* s = activeScript;
    if (!s)
        return;
    // The time limit holds until open() returns, also after the last step: a box nobody
    // expected must not leave the test hanging in its modal loop.
    const DWORD elapsed = GetTickCount() - s->start;
    if (elapsed > s->timeoutMs) {
        s->timedOut = true;
        s->next = s->steps.size();
        if (elapsed - s->timeoutMs > GIVE_UP_MS) {
            // Nothing made open() return: the test would hang until ctest kills it.
            fprintf(stderr,
                    "RunModal: open() has not returned %lu ms after its time-out of %lu ms; "
                    "ending the test process\n",
                    static_cast<unsigned long>(elapsed - s->timeoutMs),
                    static_cast<unsigned long>(s->timeoutMs));
            fflush(stderr);
            fflush(stdout);
            ExitProcess(RUN_MODAL_HUNG_EXIT_CODE);
        }
        EnumThreadWindows(GetCurrentThreadId(), CancelDialog, reinterpret_cast<LPARAM>(s));
        return;
    }
    if (s->next >= s->steps.size())
        return;
    HWND w = s->steps[s->next].find();
    if (!w)
        return;
    // Advance first: act may enter a nested modal loop in which the next steps run.
    ModalStep& step = s->steps[s->next++];
    step.act(w);
}

// What a search among the top-level windows looks for: a visible window of the class (and
// the title, unless NULL), of the process when pid is not 0.
struct WindowSearch {
    DWORD pid;
    const char* cls;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lp) {
    WindowSearch* d = reinterpret_cast<WindowSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if ((d->pid != 0 && pid != d->pid) || !IsWindowVisible(hwnd))
        return TRUE;
    char cls[256] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(cls, d->cls) != 0)
        return TRUE;
    if (d->title && WindowText(hwnd) != d->title)
        return TRUE;
    // Windows enumerates top-level windows in Z order, topmost first: the first visible
    // match is the one the user would see in front.
    d->found = hwnd;
    return FALSE;
}

} // namespace

bool RunModal(const std::function<void()>& open, std::vector<ModalStep> steps, DWORD timeoutMs) {
    ModalScript script;
    script.steps = std::move(steps);
    script.start = GetTickCount();
    script.timeoutMs = timeoutMs;
    ModalScript* outer = activeScript;
    activeScript = &script;
    UINT_PTR timer = SetTimer(nullptr, 0, 30, ModalTick);
    open();
    KillTimer(nullptr, timer);
    activeScript = outer;
    return !script.timedOut && script.next == script.steps.size();
}

HWND FindThreadDialog(const char* title) {
    WindowSearch d{0, "#32770", title, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchWindow, reinterpret_cast<LPARAM>(&d));
    return d.found;
}

std::function<HWND()> DialogTitled(const char* title) {
    std::string t = title;
    return [t] { return FindThreadDialog(t.c_str()); };
}

std::vector<ModalStep> Then(std::vector<ModalStep> a, const std::vector<ModalStep>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

HWND FileDialogNameControl(HWND dlg) {
    HWND c = GetDlgItem(dlg, 1148);
    if (c == nullptr || !IsWindowVisible(c))
        c = GetDlgItem(dlg, 1152);
    return c;
}

std::function<HWND()> ReadyFileDialog(const char* title) {
    std::string t = title;
    return [t]() -> HWND {
        HWND dlg = FindThreadDialog(t.c_str());
        if (dlg == nullptr || !IsWindowEnabled(dlg))
            return nullptr;
        HWND name = FileDialogNameControl(dlg);
        return name != nullptr && !WindowText(name).empty() ? dlg : nullptr;
    };
}

std::vector<ModalStep> ChooseFileSteps(const char* title, const std::string& path, HWND* dialog) {
    std::string t = title;
    return {{ReadyFileDialog(title),
             [path, dialog](HWND dlg) {
                 if (dialog)
                     *dialog = dlg;
                 SetWindowTextA(FileDialogNameControl(dlg), path.c_str());
             }},
            {[t, path]() -> HWND {
                 HWND dlg = FindThreadDialog(t.c_str());
                 return dlg != nullptr && WindowText(FileDialogNameControl(dlg)) == path ? dlg
                                                                                         : nullptr;
             },
             [](HWND dlg) { PressButton(dlg, IDOK); }}};
}

std::string WindowText(HWND hwnd) {
    int len = GetWindowTextLengthA(hwnd);
    std::string s(len + 1, '\0');
    int got = GetWindowTextA(hwnd, &s[0], len + 1);
    s.resize(got > 0 ? got : 0);
    return s;
}

std::string ItemText(HWND dlg, int id) {
    return WindowText(GetDlgItem(dlg, id));
}

std::string WinePath(const std::string& path) {
    // Wine shows the Unix root as drive Z:.
    return !path.empty() && path[0] == '/' ? "Z:" + path : path;
}

std::string MessageBoxText(HWND box) {
    for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[16] = "";
        GetClassNameA(c, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextLengthA(c) > 0)
            return WindowText(c);
    }
    return "";
}

void PressButton(HWND dlg, int id) {
    PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

BoxSeen ReadAndCloseBox(HWND box, const char* shotName) {
    BoxSeen seen;
    seen.shown = true;
    seen.caption = WindowText(box);
    seen.text = MessageBoxText(box);
    seen.owner = GetWindow(box, GW_OWNER);
    seen.topmost = (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[16] = "";
        GetClassNameA(c, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") != 0 ||
            (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        HICON icon = reinterpret_cast<HICON>(SendMessageA(c, STM_GETICON, 0, 0));
        seen.handIcon = icon != nullptr && icon == LoadIconA(nullptr, IDI_HAND);
        seen.exclamationIcon = icon != nullptr && icon == LoadIconA(nullptr, IDI_EXCLAMATION);
        seen.infoIcon = icon != nullptr && icon == LoadIconA(nullptr, IDI_ASTERISK);
    }
    if (shotName)
        SaveWindowPng(box, shotName);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return seen;
}

ModalStep BoxStep(const char* caption, BoxSeen* seen, const char* shotName) {
    std::string shot = shotName ? shotName : "";
    return {DialogTitled(caption), [seen, shot](HWND box) {
                *seen = ReadAndCloseBox(box, shot.empty() ? nullptr : shot.c_str());
            }};
}

HLOCAL WINAPI NoMemoryAlloc(UINT, SIZE_T) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

namespace {

std::string noMemoryCaption, noMemoryShot;

void CALLBACK CheckNoMemoryBox(HWND, UINT, UINT_PTR timer, DWORD) {
    static int ticks = 0;
    HWND box = FindThreadDialog();
    if (box == nullptr) {
        if (++ticks > 200)
            ExitProcess(98);
        return;
    }
    KillTimer(nullptr, timer);
    SaveWindowPng(box, noMemoryShot);
    const std::string caption = WindowText(box), text = MessageBoxText(box);
    if (caption != noMemoryCaption || text != "severe (41): insufficient virtual memory" ||
        GetWindow(box, GW_OWNER) != nullptr || GetDlgItem(box, IDOK) == nullptr) {
        fprintf(stderr, "wrong box: \"%s\" / \"%s\"\n", caption.c_str(), text.c_str());
        ExitProcess(99);
    }
    fputs("no-memory box checked\n", stderr);
    fflush(stderr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

} // namespace

void WatchForNoMemoryBox(const char* caption, const char* shotName) {
    noMemoryCaption = caption;
    noMemoryShot = shotName;
    SetTimer(nullptr, 0, 50, CheckNoMemoryBox);
}

void TypeKey(WORD vk, bool alt, bool shift, bool ctrl) {
    std::vector<INPUT> in;
    auto key = [&](WORD k, bool up) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        i.ki.wScan = static_cast<WORD>(MapVirtualKeyA(k, 0));
        i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        in.push_back(i);
    };
    if (ctrl)
        key(VK_CONTROL, false);
    if (shift)
        key(VK_SHIFT, false);
    if (alt)
        key(VK_MENU, false);
    key(vk, false);
    key(vk, true);
    if (alt)
        key(VK_MENU, true);
    if (shift)
        key(VK_SHIFT, true);
    if (ctrl)
        key(VK_CONTROL, true);
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

bool ActivateWindow(HWND hwnd) {
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    SetActiveWindow(hwnd);
    SetFocus(hwnd);
    return PumpUntil([hwnd] { return GetForegroundWindow() == hwnd; }, 2000);
}

namespace {

uint32_t Crc32(const unsigned char* p, size_t n, uint32_t crc = 0) {
    static uint32_t table[256];
    if (!table[1]) {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
    }
    crc = ~crc;
    for (size_t i = 0; i < n; ++i)
        crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void Put32(std::string& s, uint32_t v) {
    s += static_cast<char>(v >> 24);
    s += static_cast<char>(v >> 16);
    s += static_cast<char>(v >> 8);
    s += static_cast<char>(v);
}

void Chunk(std::string& out, const char* type, const std::string& data) {
    Put32(out, static_cast<uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    Put32(out, Crc32(reinterpret_cast<const unsigned char*>(body.data()), body.size()));
}

// An uncompressed PNG (zlib "stored" blocks): small code, and the files are only looked at.
std::string EncodePng(int w, int h, const std::vector<unsigned char>& rgb) {
    std::string raw;
    for (int y = 0; y < h; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(&rgb[static_cast<size_t>(y) * w * 3]),
                   static_cast<size_t>(w) * 3);
    }
    std::string z = "\x78\x01";
    size_t pos = 0;
    do {
        size_t n = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
        bool last = pos + n == raw.size();
        z += static_cast<char>(last ? 1 : 0);
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>(n >> 8);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(raw, pos, n);
        pos += n;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    Put32(z, (b << 16) | a);
    std::string png = "\x89PNG\r\n\x1a\n";
    std::string ihdr;
    Put32(ihdr, static_cast<uint32_t>(w));
    Put32(ihdr, static_cast<uint32_t>(h));
    ihdr += std::string("\x08\x02\x00\x00\x00", 5);
    Chunk(png, "IHDR", ihdr);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", "");
    return png;
}

std::string ScreenshotDir() {
    std::string dir = WinePath(LORVEX_SCREENSHOT_DIR);
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

} // namespace

std::vector<DWORD> CapturePixels(HDC source, int x, int y, int w, int h) {
    if (w <= 0 || h <= 0)
        return {};
    HDC mem = CreateCompatibleDC(source);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(source, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, source, x, y, SRCCOPY);
    GdiFlush();
    const DWORD* p = static_cast<const DWORD*>(bits);
    std::vector<DWORD> pixels(p, p + static_cast<size_t>(w) * h);
    for (DWORD& px : pixels)
        px &= 0xFFFFFF;
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    return pixels;
}

std::string SaveWindowPng(HWND hwnd, const std::string& name) {
    RECT r;
    if (!GetWindowRect(hwnd, &r))
        return "";
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    PumpFor(150);
    int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return "";
    HDC screen = GetDC(nullptr);
    std::vector<DWORD> pixels = CapturePixels(screen, r.left, r.top, w, h);
    ReleaseDC(nullptr, screen);
    std::vector<unsigned char> rgb(pixels.size() * 3);
    for (size_t i = 0; i < pixels.size(); ++i) {
        rgb[i * 3] = static_cast<unsigned char>(pixels[i] >> 16);
        rgb[i * 3 + 1] = static_cast<unsigned char>(pixels[i] >> 8);
        rgb[i * 3 + 2] = static_cast<unsigned char>(pixels[i]);
    }

    std::string path = ScreenshotDir() + "/" + name + ".png";
    std::string png = EncodePng(w, h, rgb);
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return "";
    fwrite(png.data(), 1, png.size(), f);
    fclose(f);
    return path;
}

COLORREF ScreenPixel(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

HWND FindProcessWindow(DWORD pid, const char* className, const char* title) {
    WindowSearch d{pid, className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&d));
    return d.found;
}

StartedProgram StartProgram(const std::string& exePath, const char* className, const char* title,
                            DWORD timeoutMs, const char* env) {
    StartedProgram p;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string cmd = "\"" + exePath + "\"";
    std::string dir = exePath.substr(0, exePath.find_last_of("\\/") + 1);
    if (!CreateProcessA(exePath.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0,
                        const_cast<char*>(env), dir.empty() ? nullptr : dir.c_str(), &si, &p.pi))
        return p;
    PumpUntil(
        [&] {
            p.hwnd = FindProcessWindow(p.pi.dwProcessId, className, title);
            return p.hwnd != nullptr || WaitForSingleObject(p.pi.hProcess, 0) == WAIT_OBJECT_0;
        },
        timeoutMs);
    return p;
}

StartedProgram StartProgramUnderTest(const std::string& exe, const char* className,
                                     const char* title, DWORD timeoutMs, const char* env) {
    std::string path = WinePath(exe);
    if (path.find_first_of("\\/") == std::string::npos) {
        // A bare name: the program is built into the folder of the test executable.
        char self[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::string dir = self;
        path = dir.substr(0, dir.find_last_of("\\/") + 1) + path;
    }
    return StartProgram(path, className, title, timeoutMs, env);
}

int WaitForExit(StartedProgram& p, DWORD timeoutMs) {
    if (!p.pi.hProcess)
        return -1;
    int code = -1;
    bool ended = PumpUntil([&] { return WaitForSingleObject(p.pi.hProcess, 0) == WAIT_OBJECT_0; },
                           timeoutMs);
    if (ended) {
        DWORD c = 0;
        GetExitCodeProcess(p.pi.hProcess, &c);
        code = static_cast<int>(c);
    } else {
        TerminateProcess(p.pi.hProcess, 1);
    }
    CloseHandle(p.pi.hThread);
    CloseHandle(p.pi.hProcess);
    p.pi = PROCESS_INFORMATION{};
    return code;
}

namespace {

HHOOK refusalHook = nullptr;
std::string refusedClass;

LRESULT CALLBACK RefuseCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        char name[256] = "";
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (lstrcmpiA(name, refusedClass.c_str()) == 0)
            return 1;
    }
    return CallNextHookEx(refusalHook, code, wParam, lParam);
}

} // namespace

void RefuseWindowsOfClass(const char* className) {
    AllowWindows();
    refusedClass = className;
    refusalHook = SetWindowsHookExA(WH_CBT, RefuseCreation, nullptr, GetCurrentThreadId());
}

void AllowWindows() {
    if (refusalHook != nullptr)
        UnhookWindowsHookEx(refusalHook);
    refusalHook = nullptr;
}

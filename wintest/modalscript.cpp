#include "modalscript.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "wndsearch.h"

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

namespace {

BOOL CALLBACK CollectDialog(HWND hwnd, LPARAM lp) {
    char cls[32] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(cls, "#32770") == 0)
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

} // namespace

std::vector<HWND> ThreadDialogs() {
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), CollectDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<ModalStep> PostCommandsSteps(const std::function<HWND()>& find,
                                         const std::vector<PostedCommand>& commands, HWND* running,
                                         std::vector<std::string>* opened) {
    // The dialogs that stand when the running one is found: it, and those it runs over.
    auto standing = std::make_shared<std::vector<HWND>>();
    // Step k notes what command k - 1 opened, then posts command k.
    auto step = [commands, running, opened, standing](size_t k) {
        return [commands, running, opened, standing, k](HWND dialog) {
            *running = dialog;
            if (k == 0)
                *standing = ThreadDialogs();
            for (HWND other : k == 0 ? std::vector<HWND>{} : ThreadDialogs()) {
                if (std::find(standing->begin(), standing->end(), other) != standing->end())
                    continue;
                opened->push_back(commands[k - 1].name + ": " + WindowText(other));
                PostMessageA(other, WM_COMMAND, IDCANCEL, 0);
            }
            if (k < commands.size())
                PostMessageA(commands[k].target(), WM_COMMAND, commands[k].id, 0);
        };
    };
    std::vector<ModalStep> steps = {{find, step(0)}};
    for (size_t k = 1; k <= commands.size(); ++k)
        steps.push_back({[running] { return IsWindow(*running) ? *running : nullptr; }, step(k)});
    return steps;
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

void PressButton(HWND dlg, int id) {
    PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
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

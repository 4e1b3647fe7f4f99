// The pause: a text in the default output window, then a wait until the user enters an
// empty line there; and the program's plain sleep.
#include "fenstro_internal.h"

#include <commctrl.h>

namespace {

// Waiters count, an empty line answers them all.
std::atomic<int> pauseWaiters{0};
std::atomic<unsigned> pauseAnswers{0};
HANDLE pauseEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);

} // namespace

bool PauseWaiting() {
    return pauseWaiters.load() > 0;
}

void AnswerPause() {
    ++pauseAnswers;
    // Wakes one waiter at once; others see the count within their next poll.
    SetEvent(pauseEvent);
}

void PauseProgram(const char* text) {
    WriteDefaultOutput(text ? text : "");
    Unit* u = FindUnit(DEFAULT_OUTPUT_UNIT);
    unsigned answers = pauseAnswers.load();
    bool ownWindow = false;
    std::string before;
    RunOnInterfaceThread([&] {
        // Before the frame exists the output shows in a window of its own.
        if (!fen.client && !u->hwnd) {
            u->hwnd = CreateTextWindow(u, nullptr);
            ownWindow = u->hwnd != nullptr;
        } else {
            EnsureWindow(u);
        }
        if (HWND w = u->hwnd) {
            if (fen.client && (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_MDICHILD))
                SendMessageA(fen.client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(w), 0);
            else
                SetForegroundWindow(w);
            SetFocus(w);
            InvalidateRect(w, nullptr, FALSE);
        }
        char old[128] = "";
        if (fen.status)
            SendMessageA(fen.status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(old));
        before = old;
        ++pauseWaiters;
        SetStatusText(STATUS_PAUSED);
    });
    if (OnInterfaceThread()) {
        MSG msg;
        while (pauseAnswers.load() == answers) {
            BOOL r = GetMessageA(&msg, nullptr, 0, 0);
            if (r == 0) {
                PostQuitMessage(static_cast<int>(msg.wParam)); // for the outer loop
                break;
            }
            if (r == -1)
                continue;
            if (fen.client && TranslateMDISysAccel(fen.client, &msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    } else {
        while (pauseAnswers.load() == answers)
            WaitForSingleObject(pauseEvent, 50);
    }
    RunOnInterfaceThread([&] {
        --pauseWaiters;
        if (!PauseWaiting())
            SetStatusText(before.empty() ? STATUS_RUNNING : before.c_str());
        if (ownWindow) {
            DestroyWindow(u->hwnd);
            u->hwnd = nullptr;
        } else if (HWND w = u->hwnd) {
            InvalidateRect(w, nullptr, FALSE);
        }
    });
}

void SleepMilliseconds(std::int32_t ms) {
    if (ms > 0)
        Sleep(static_cast<DWORD>(ms));
}

void ResetPause() {
    if (pauseWaiters.load() > 0)
        AnswerPause();
    pauseWaiters = 0;
}

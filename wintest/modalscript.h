// The message queue and modal dialogs: pumping this thread's messages until a condition
// holds, driving a modal loop (a dialog, a message box, a file dialog) from inside by a
// script of steps, reading and pressing the dialogs it opens, and refusing the creation of
// windows of one class.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Dispatches this thread's messages until pred() holds or timeoutMs has passed.
// Returns whether pred() held.
bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs = 5000);

// Dispatches this thread's messages for the given time.
void PumpFor(DWORD ms);

// Dispatches what this thread's queue holds and takes the quit message off it, so that the
// next loop does not end at once. Returns the quit message's code, -1 when there was none.
int DrainQueue();

// One step of a modal script: wait until find() returns a window, then act(window).
// act may itself open a nested modal loop; the following steps run inside that loop.
struct ModalStep {
    std::function<HWND()> find;
    std::function<void(HWND)> act;
};

// Calls open(), which enters a modal loop (DialogBoxParamA, MessageBoxA, GetOpenFileNameA, ...),
// while a thread timer carries out the steps in order. Returns true when every step ran and
// open() returned before timeoutMs; on a time-out (a step never found its window, or a dialog
// is still open after the last step) it ends the thread's open dialogs with IDCANCEL, again
// every tick until open() returns, and returns false. A dialog that ignores IDCANCEL for 2 s
// is ended with EndDialog(IDCANCEL). When open() has still not returned 6 s after the
// time-out, the test process ends with RUN_MODAL_HUNG_EXIT_CODE and a line on stderr.
constexpr UINT RUN_MODAL_HUNG_EXIT_CODE = 86;
bool RunModal(const std::function<void()>& open, std::vector<ModalStep> steps,
              DWORD timeoutMs = 10000);

// A visible top-level window of this thread with the dialog class "#32770" whose title
// equals title (any title when title is NULL); the most recently created one wins.
HWND FindThreadDialog(const char* title = nullptr);

// A ModalStep find function for FindThreadDialog(title); the title is copied.
std::function<HWND()> DialogTitled(const char* title);

// Steps one after another.
std::vector<ModalStep> Then(std::vector<ModalStep> a, const std::vector<ModalStep>& b);

// The top-level dialogs of this thread (class "#32770": dialogs, message boxes, the file
// dialogs), shown or still being made.
std::vector<HWND> ThreadDialogs();

// A command as another program sends it: WM_COMMAND posted to a window of the thread.
struct PostedCommand {
    std::string name;
    std::function<HWND()> target;
    UINT id;
};

// Steps for the time a dialog or box runs, from when find() returns it: the commands are posted
// one after another, each once the one before has been handled (a timer tick comes only after
// every posted message), and each dialog of the thread that has opened since is noted in
// *opened as "<command name>: <dialog title>" and cancelled. The running dialog stays open for
// the steps after these; *running receives it.
std::vector<ModalStep> PostCommandsSteps(const std::function<HWND()>& find,
                                         const std::vector<PostedCommand>& commands, HWND* running,
                                         std::vector<std::string>* opened);

// Text of a window (GetWindowTextA), and of a dialog item.
std::string WindowText(HWND hwnd);
std::string ItemText(HWND dlg, int id);

// Clicks a push button of a dialog as the dialog manager sees a click.
void PressButton(HWND dlg, int id);

// Until AllowWindows(), this thread's windows of the class className cannot be created (a CBT
// hook refuses them), as when the system has no room for one more window.
void RefuseWindowsOfClass(const char* className);
void AllowWindows();

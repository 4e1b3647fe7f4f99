// Support for the tests that run under Wine: pumping messages, driving modal dialogs from
// inside their own loops, starting an executable and waiting for its window, and saving a
// window as a PNG under the build folder's screenshots/.
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

// The process's working set and committed bytes, for the benchmarks.
struct ProcessMemory {
    SIZE_T workingSet, committed;
};
ProcessMemory CurrentMemory();

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

// The common file dialogs (explorer style): the file name control, a combo box (cmb13) or
// an edit (edt1).
HWND FileDialogNameControl(HWND dlg);
// The dialog titled `title`, once it shows its initial file name (it fills the control
// after it appears).
std::function<HWND()> ReadyFileDialog(const char* title);
// Types the path into the file name control, then presses OK once the control shows it.
// *dialog, when given, receives the dialog.
std::vector<ModalStep> ChooseFileSteps(const char* title, const std::string& path,
                                       HWND* dialog = nullptr);

// Text of a window (GetWindowTextA), and of a dialog item.
std::string WindowText(HWND hwnd);
std::string ItemText(HWND dlg, int id);

// The text of a message box: its static control that holds text.
std::string MessageBoxText(HWND box);

// Clicks a push button of a dialog as the dialog manager sees a click.
void PressButton(HWND dlg, int id);

// What a message box shows.
struct BoxSeen {
    bool shown = false;
    std::string caption, text;
    HWND owner = nullptr;
    bool topmost = false;
    bool handIcon = false;
    bool exclamationIcon = false;
    bool infoIcon = false;
};

// Reads a message box, saves it as shotName unless NULL, and closes it with OK.
BoxSeen ReadAndCloseBox(HWND box, const char* shotName = nullptr);
// A modal step that reads the message box titled `caption` into *seen and closes it.
ModalStep BoxStep(const char* caption, BoxSeen* seen, const char* shotName = nullptr);

// A path as the program sees it: a Unix path (as ctest and cmake hand them over) on Wine's
// drive Z:, any other unchanged.
std::string WinePath(const std::string& path);

// An allocator (LocalAlloc's signature) that has nothing left to give.
HLOCAL WINAPI NoMemoryAlloc(UINT flags, SIZE_T bytes);

// For the child of a death test that makes an allocation fail: once the thread's message box
// opens, checks that it is the report "severe (41): insufficient virtual memory" with the
// given caption, no owner and an OK button, saves it as shotName, writes
// "no-memory box checked" on stderr for the parent's match and closes it. A wrong box ends
// the child with exit code 99, no box within about 10 s with 98.
void WatchForNoMemoryBox(const char* caption, const char* shotName);

// Presses and releases a key as a user would: the messages go through the thread's queue.
// Uses SendInput, so the target must be the foreground window with the focus.
void TypeKey(WORD vk, bool alt = false, bool shift = false, bool ctrl = false);

// Brings a top-level window to the front and gives it the focus; pumps until it is active.
bool ActivateWindow(HWND hwnd);

// Saves what the screen shows of the window (frame included) as
// <build>/screenshots/<name>.png. Returns the path, or "" on failure.
std::string SaveWindowPng(HWND hwnd, const std::string& name);

// The pixels of a rectangle of a device context, row by row, as 0x00RRGGBB values.
std::vector<DWORD> CapturePixels(HDC source, int x, int y, int w, int h);

// The colour the screen shows at a point in client coordinates of hwnd.
COLORREF ScreenPixel(HWND hwnd, int x, int y);

// A visible top-level window of the process with the class className (and the title,
// unless title is NULL); NULL when there is none.
HWND FindProcessWindow(DWORD pid, const char* className, const char* title = nullptr);

// A started program: its process and its main window.
struct StartedProgram {
    PROCESS_INFORMATION pi{};
    HWND hwnd = nullptr;
};

// Starts exePath (environment block env, or the caller's when NULL) and waits up to
// timeoutMs for a visible top-level window of that process with the class className
// (and the title, unless title is NULL). hwnd stays NULL when none appeared.
StartedProgram StartProgram(const std::string& exePath, const char* className,
                            const char* title = nullptr, DWORD timeoutMs = 15000,
                            const char* env = nullptr);

// StartProgram for the program under test: exe is a bare file name in the folder of the test
// executable, where the build puts the programs, or a full (Unix or Windows) path.
StartedProgram StartProgramUnderTest(const std::string& exe, const char* className,
                                     const char* title = nullptr, DWORD timeoutMs = 15000,
                                     const char* env = nullptr);

// Waits for the process to end; returns its exit code, or -1 after a time-out (the process
// is then terminated). Closes the handles.
int WaitForExit(StartedProgram& p, DWORD timeoutMs = 10000);

// Until AllowWindows(), this thread's windows of the class className cannot be created (a CBT
// hook refuses them), as when the system has no room for one more window.
void RefuseWindowsOfClass(const char* className);
void AllowWindows();

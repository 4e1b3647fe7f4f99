#include "sysdialogs.h"

#include <cstdio>

#include "screencap.h"

std::string MessageBoxText(HWND box) {
    for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[16] = "";
        GetClassNameA(c, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextLengthA(c) > 0)
            return WindowText(c);
    }
    return "";
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

BOOL WINAPI OpenDialogWithoutSize(OPENFILENAMEA* record) {
    OPENFILENAMEA sizeless = *record;
    sizeless.lStructSize = 0;
    return GetOpenFileNameA(&sizeless);
}

BOOL WINAPI SaveDialogWithoutSize(OPENFILENAMEA* record) {
    OPENFILENAMEA sizeless = *record;
    sizeless.lStructSize = 0;
    return GetSaveFileNameA(&sizeless);
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

// The menu bar that the program builds, its routines and the predefined ones.
#include "fenstro_internal.h"

#include "help.h"

WinHelpRoutine fenHelpEngine = WinHelpA;

namespace {

UINT ItemState(std::int32_t flags) {
    return ((flags & MENU_GRAYED) ? MF_GRAYED : MF_ENABLED) |
           ((flags & MENU_CHECKED) ? MF_CHECKED : MF_UNCHECKED);
}

// The bar appears on the frame once it holds an item, and is redrawn after every change.
void ShowBar() {
    if (!fen.frame)
        return;
    if (GetMenu(fen.frame) != fen.menuBar && !fen.menuPlan.menus.empty())
        SetMenu(fen.frame, fen.menuBar);
    DrawMenuBar(fen.frame);
}

bool AddToBar(std::int32_t menu, std::int32_t flags, const char* text, MenuRoutine routine) {
    if (!fen.menuBar)
        fen.menuBar = CreateMenu();
    MenuAddResult r = AddToMenuPlan(fen.menuPlan, menu, flags, text, routine);
    if (r == MenuAddResult::Rejected)
        return false;
    MenuTitle& m = fen.menuPlan.menus[menu - 1];
    if (r == MenuAddResult::NewMenu) {
        fen.menuPopups.push_back(nullptr);
        // Until its first item the title is a command of its own.
        AppendMenuA(fen.menuBar, MF_STRING | ItemState(flags), m.title.command,
                    m.title.text.c_str());
    } else {
        HMENU& popup = fen.menuPopups[menu - 1];
        if (!popup) {
            popup = CreatePopupMenu();
            // By command: a maximised text window puts its system menu first on the bar.
            ModifyMenuA(fen.menuBar, m.title.command,
                        MF_BYCOMMAND | MF_POPUP | MF_STRING |
                            (m.title.flags & MENU_GRAYED ? MF_GRAYED : 0),
                        reinterpret_cast<UINT_PTR>(popup), m.title.text.c_str());
        }
        const MenuEntry& e = m.items.back();
        if (e.flags & MENU_SEPARATOR)
            AppendMenuA(popup, MF_SEPARATOR, e.command, nullptr);
        else
            AppendMenuA(popup, MF_STRING | ItemState(e.flags), e.command, e.text.c_str());
    }
    ShowBar();
    return true;
}

} // namespace

bool AddMenuItem(std::int32_t menu, std::int32_t flags, const char* text, MenuRoutine routine) {
    bool ok = false;
    RunOnInterfaceThread([&] { ok = AddToBar(menu, flags, text, routine); });
    return ok;
}

bool SetMenuItemFlags(std::int32_t menu, std::int32_t item, std::int32_t flags) {
    if (flags & ~(MENU_GRAYED | MENU_CHECKED | MENU_ENABLED | MENU_SEPARATOR))
        return false;
    bool ok = false;
    RunOnInterfaceThread([&] {
        MenuEntry* e = MenuPlanItem(fen.menuPlan, menu, item);
        if (!e)
            return;
        ok = true;
        if (e->flags & MENU_SEPARATOR)
            return; // a separator has no state to show
        e->flags = flags;
        HMENU popup = fen.menuPopups[menu - 1];
        EnableMenuItem(popup, e->command,
                       MF_BYCOMMAND | ((flags & MENU_GRAYED) ? MF_GRAYED : MF_ENABLED));
        CheckMenuItem(popup, e->command,
                      MF_BYCOMMAND | ((flags & MENU_CHECKED) ? MF_CHECKED : MF_UNCHECKED));
        ShowBar();
    });
    return ok;
}

bool RunMenuCommand(unsigned command) {
    const MenuEntry* e = MenuPlanCommand(fen.menuPlan, command);
    if (!e)
        return false;
    // One routine at a time: a routine that waits in a loop of its own (a pause) lets the
    // menus work, but no second routine starts.
    if (fen.menuRoutineRunning) {
        MessageBeep(MB_OK);
        return true;
    }
    UINT state = GetMenuState(fen.menuBar, command, MF_BYCOMMAND);
    if (state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)))
        return true; // a grayed item does nothing, however its command arrives
    std::int32_t checked = (state != static_cast<UINT>(-1) && (state & MF_CHECKED)) ? 1 : 0;
    MenuRoutine routine = e->routine;
    fen.menuRoutineRunning = true;
    routine(checked);
    fen.menuRoutineRunning = false;
    return true;
}

bool MenuRoutineRunning() {
    return fen.menuRoutineRunning;
}

void ResetMenus() {
    HWND frame = fen.frame;
    if (fen.menuBar && !(frame && IsWindow(frame) && GetMenu(frame) == fen.menuBar))
        DestroyMenu(fen.menuBar);
    fen.menuBar = nullptr;
    fen.menuPlan = MenuPlan{{}, FIRST_MENU_COMMAND};
    fen.menuPopups.clear();
    fen.menuRoutineRunning = false;
}

void MenuCmdNone(std::int32_t&) {}

void MenuCmdExit(std::int32_t&) {
    if (fen.frame)
        PostMessageA(fen.frame, WM_CLOSE, 0, 0);
}

void MenuCmdHelpContents(std::int32_t&) {
    char path[MAX_PATH] = "";
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file(path, n);
    std::size_t slash = file.find_last_of("\\/");
    file.erase(slash == std::string::npos ? 0 : slash + 1);
    file += FENSTRO_HELP_FILE;
    HWND frame = fen.frame;
    if (!fenHelpEngine(frame, file.c_str(), HELP_INDEX, 0))
        ReportHelpFailure(frame, frame, fen.programName.c_str());
}

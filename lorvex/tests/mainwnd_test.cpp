// The main window of Lorvex: class, window, menu and accelerators as loaded from the
// resources, keys and commands through the real message loop, the help requests.
#include <windows.h>

#include <string>
#include <vector>

#include "help.h"
#include "lorvex_fixture.h"

namespace {

std::string FieldText(const char* field) {
    return std::string(field);
}

// The part of a name field behind its NUL is all blanks.
bool BlankBehindNul(const NameField& field) {
    size_t len = strlen(field);
    for (size_t i = len + 1; i < NAME_FIELD_LENGTH; ++i)
        if (field[i] != ' ')
            return false;
    return len < NAME_FIELD_LENGTH;
}

TEST_F(LorvexMain, ClassAndWindowAreAsStartUpMakesThem) {
    WNDCLASSA wc{};
    ASSERT_TRUE(GetClassInfoA(hInst, "Lorvex", &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(wc.lpfnWndProc, MainWndProc);
    EXPECT_EQ(wc.cbClsExtra, 0);
    EXPECT_EQ(wc.cbWndExtra, 0);
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    EXPECT_EQ(wc.lpszMenuName, nullptr);
    EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    ASSERT_NE(wc.hIcon, nullptr);

    // The icon: one 32 x 32 image.
    ICONINFO ii{};
    ASSERT_TRUE(GetIconInfo(wc.hIcon, &ii));
    BITMAP bm{};
    GetObjectA(ii.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 32);
    EXPECT_EQ(bm.bmHeight, 32);
    DeleteObject(ii.hbmColor);
    DeleteObject(ii.hbmMask);

    char cls[64] = "";
    GetClassNameA(hwndMain, cls, sizeof cls);
    EXPECT_STREQ(cls, "Lorvex");
    EXPECT_EQ(WindowText(hwndMain), "Lorvex");
    LONG style = GetWindowLongA(hwndMain, GWL_STYLE);
    EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), static_cast<LONG>(WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(GetWindowLongA(hwndMain, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetMenu(hwndMain), hMenu);
    EXPECT_EQ(GetParent(hwndMain), nullptr);

    // The names handed to the platform lie in fixed fields: text, NUL, blanks.
    for (const NameField* f : {&mainClassName, &mainTitle, &iconName, &menuName, &accelName}) {
        EXPECT_EQ(FieldText(*f), "Lorvex");
        EXPECT_TRUE(BlankBehindNul(*f));
    }

    // The client area shows nothing but the window colour.
    RECT rc;
    GetClientRect(hwndMain, &rc);
    UpdateWindow(hwndMain);
    PumpFor(100);
    COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(ScreenPixel(hwndMain, 2, 2), window);
    EXPECT_EQ(ScreenPixel(hwndMain, rc.right / 2, rc.bottom / 2), window);
    EXPECT_EQ(ScreenPixel(hwndMain, rc.right - 3, rc.bottom - 3), window);
    SaveWindowPng(hwndMain, "lorvex_main_window");
}

struct MenuEntry {
    int position;
    UINT id; // 0 for a popup or a plain separator
    const char* text;
    bool grayed;
    bool popup;
    bool separator;
};

void ExpectMenu(HMENU menu, const char* name, const std::vector<MenuEntry>& entries) {
    SCOPED_TRACE(name);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), static_cast<int>(entries.size()));
    for (const MenuEntry& e : entries) {
        SCOPED_TRACE(e.position);
        char text[128] = "";
        MENUITEMINFOA mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
        mi.dwTypeData = text;
        mi.cch = sizeof text;
        ASSERT_TRUE(GetMenuItemInfoA(menu, e.position, TRUE, &mi));
        EXPECT_EQ((mi.fType & MFT_SEPARATOR) != 0, e.separator);
        EXPECT_EQ(mi.hSubMenu != nullptr, e.popup);
        EXPECT_STREQ(text, e.text);
        if (e.id != 0) {
            EXPECT_EQ(mi.wID, e.id);
        }
        // The platform shows every separator disabled.
        if (!e.separator) {
            EXPECT_EQ((mi.fState & MFS_GRAYED) != 0, e.grayed);
        }
    }
}

TEST_F(LorvexMain, MenuHasEveryItemWithItsIdentifierTextAndState) {
    ExpectMenu(hMenu, "menu bar",
               {
                   {0, 0, "&File", false, true, false},
                   {1, 0, "&Berechnen", false, true, false},
                   {2, 0, "&Hilfe", false, true, false},
                   // The menu loader turns an item with empty text into a separator that
                   // keeps its identifier.
                   {3, IDM_EMPTY_1, "", false, false, true},
                   {4, IDM_EMPTY_2, "", false, false, true},
               });
    EXPECT_EQ(GetMenuItemID(hMenu, 3), 65535u);
    EXPECT_EQ(GetMenuItemID(hMenu, 4), 30017u);
    ExpectMenu(GetSubMenu(hMenu, 0), "File",
               {
                   {0, 30002, "&Laden", false, false, false},
                   {1, 30003, "&Speichern", true, false, false},
                   {2, 0, "", false, false, true},
                   {3, 30001, "E&xit", false, false, false},
               });
    ExpectMenu(GetSubMenu(hMenu, 1), "Berechnen",
               {
                   {0, 30008, "Formel \"(Sin + Cos)\"", false, false, false},
               });
    ExpectMenu(GetSubMenu(hMenu, 2), "Hilfe",
               {
                   {0, 30012, "&Contents", false, false, false},
                   {1, 30013, "&Search for Help On...", false, false, false},
                   {2, 30014, "&How to Use Help", false, false, false},
                   {3, 0, "", false, false, true},
                   {4, 30015, "&About Lorvex...", false, false, false},
               });
}

TEST_F(LorvexMain, AcceleratorTableHasItsThreeEntries) {
    ACCEL entries[8];
    ASSERT_EQ(CopyAcceleratorTableA(hAccel, entries, 8), 3);
    struct {
        BYTE fVirt;
        WORD key;
        WORD cmd;
    } const expected[] = {
        {FVIRTKEY, VK_F1, IDM_HELPCONTENTS},
        {FALT, '?', IDM_ABOUT},
        {FALT, '/', IDM_ABOUT},
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].fVirt & ~FNOINVERT, expected[i].fVirt);
        EXPECT_EQ(entries[i].key, expected[i].key);
        EXPECT_EQ(entries[i].cmd, expected[i].cmd);
    }
}

// Commands that reach the main window, seen in front of MainWndProc.
std::vector<UINT> commandsSeen;
bool passCommands = true;

LRESULT CALLBACK WatchCommands(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        commandsSeen.push_back(LOWORD(wParam));
        if (!passCommands) {
            PostQuitMessage(0);
            return 0;
        }
    }
    if (message == WM_TIMER && wParam == 77) {
        PostQuitMessage(99); // nothing arrived in time
        return 0;
    }
    return MainWndProc(hwnd, message, wParam, lParam);
}

void CALLBACK QuitLate(HWND, UINT, UINT_PTR, DWORD) {
    PostQuitMessage(99);
}

TEST_F(LorvexMain, KeysReachTheirCommandsThroughTheMessageLoop) {
    struct {
        const char* name;
        WORD vk;
        bool alt, shift;
        UINT command;
    } const cases[] = {
        {"F1", VK_F1, false, false, IDM_HELPCONTENTS},
        {"Alt+?", VK_OEM_2, true, true, IDM_ABOUT},
        {"Alt+/", VK_OEM_2, true, false, IDM_ABOUT},
    };
    SetWindowLongPtrA(hwndMain, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchCommands));
    passCommands = false;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(ActivateWindow(hwndMain));
        commandsSeen.clear();
        SetTimer(hwndMain, 77, 3000, nullptr);
        TypeKey(c.vk, c.alt, c.shift);
        EXPECT_EQ(RunMessageLoop(hAccel), 0);
        KillTimer(hwndMain, 77);
        EXPECT_EQ(commandsSeen, std::vector<UINT>{c.command});
    }
    passCommands = true;
}

TEST_F(LorvexMain, F1IssuesTheContentsRequest) {
    SetWindowLongPtrA(hwndMain, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchCommands));
    helpEngine = FakeWinHelp;
    helpAnswer = TRUE;
    helpCalls.clear();
    commandsSeen.clear();
    TypeKey(VK_F1);
    UINT_PTR late = SetTimer(nullptr, 0, 1000, QuitLate);
    EXPECT_EQ(RunMessageLoop(hAccel), 99); // the loop runs on after the request
    KillTimer(nullptr, late);
    ASSERT_EQ(helpCalls.size(), 1u);
    EXPECT_EQ(helpCalls[0].file, "\\Lorvex.hlp");
    EXPECT_EQ(helpCalls[0].command, static_cast<UINT>(HELP_KEY));
    EXPECT_EQ(helpCalls[0].data, "CONTENTS");
    EXPECT_TRUE(IsWindow(hwndMain));
}

TEST_F(LorvexMain, ExitCloseAndAltF4EndTheLoopWithCodeZero) {
    enum How { Exit, Close, AltF4 };
    struct {
        const char* name;
        How how;
    } const cases[] = {{"Exit", Exit}, {"WM_CLOSE", Close}, {"Alt+F4", AltF4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!IsWindow(hwndMain)) {
            hwndMain = CreateMainWindow(hInst);
            ASSERT_NE(hwndMain, nullptr);
            ShowWindow(hwndMain, SW_SHOWNORMAL);
        }
        ASSERT_TRUE(ActivateWindow(hwndMain));
        switch (c.how) {
        case Exit: PostMessageA(hwndMain, WM_COMMAND, IDM_EXIT, 0); break;
        case Close: PostMessageA(hwndMain, WM_CLOSE, 0, 0); break;
        case AltF4: TypeKey(VK_F4, true); break;
        }
        UINT_PTR late = SetTimer(nullptr, 0, 3000, QuitLate);
        EXPECT_EQ(RunMessageLoop(hAccel), 0);
        KillTimer(nullptr, late);
        EXPECT_FALSE(IsWindow(hwndMain));
        // The destroyed window took its menu along; load it anew for the next window.
        SetNameField(menuName, "Lorvex");
        hMenu = LoadMenuA(hInst, menuName);
    }
}

TEST_F(LorvexMain, EmptyItemsAndUnusedIdentifiersDoNothing) {
    helpEngine = FakeWinHelp;
    helpCalls.clear();
    for (UINT id : {65535u, 30017u, 30004u, 30007u, 30009u, 30011u, 30016u, 30000u, 0u}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(SendMessageA(hwndMain, WM_COMMAND, id, 0), 0);
        EXPECT_TRUE(IsWindow(hwndMain));
        EXPECT_EQ(FindThreadDialog(), nullptr);
    }
    EXPECT_TRUE(helpCalls.empty());
}

BoxSeen CommandWithBox(HWND target, UINT command) {
    BoxSeen seen;
    RunModal([&] { SendMessageA(target, WM_COMMAND, command, 0); },
             {BoxStep("Lorvex", &seen, "lorvex_help_failure")}, 5000);
    return seen;
}

TEST_F(LorvexMain, HelpRequestsReachTheEngineAndAFailureIsReported) {
    helpEngine = FakeWinHelp;
    struct {
        const char* name;
        UINT command;
        bool clearFocus;
        const char* file;
        UINT helpCommand;
        const char* data;
        bool ownerIsMain;
    } const cases[] = {
        {"contents", IDM_HELPCONTENTS, false, "\\Lorvex.hlp", HELP_KEY, "CONTENTS", true},
        {"search", IDM_HELPSEARCH, false, "Lorvex.hlp", HELP_PARTIALKEY, "", true},
        {"help on help", IDM_HELPHELP, false, "", HELP_HELPONHELP, "(none)", true},
        // The help-on-help box belongs to the window with the focus, which may be none.
        {"help on help, no focus", IDM_HELPHELP, true, "", HELP_HELPONHELP, "(none)", false},
        {"contents, no focus", IDM_HELPCONTENTS, true, "\\Lorvex.hlp", HELP_KEY, "CONTENTS", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The engine accepts: the request goes out once and nothing is shown.
        ASSERT_TRUE(ActivateWindow(hwndMain));
        helpAnswer = TRUE;
        helpCalls.clear();
        EXPECT_EQ(SendMessageA(hwndMain, WM_COMMAND, c.command, 0), 0);
        ASSERT_EQ(helpCalls.size(), 1u);
        EXPECT_EQ(helpCalls[0].hwnd, hwndMain);
        EXPECT_EQ(helpCalls[0].file, c.file);
        EXPECT_EQ(helpCalls[0].command, c.helpCommand);
        EXPECT_EQ(helpCalls[0].data, c.data);
        if (c.command == IDM_HELPCONTENTS) {
            // The file name lies in its 100-character field, blanks behind the NUL.
            EXPECT_EQ(helpCalls[0].fileAddress, static_cast<const char*>(helpFileName));
            EXPECT_EQ(std::string(helpFileName + 12, NAME_FIELD_LENGTH - 12),
                      std::string(NAME_FIELD_LENGTH - 12, ' '));
        }

        // The engine refuses: the failure box.
        helpAnswer = FALSE;
        helpCalls.clear();
        if (c.clearFocus)
            SetFocus(nullptr);
        BoxSeen box = CommandWithBox(hwndMain, c.command);
        EXPECT_EQ(helpCalls.size(), 1u);
        ASSERT_TRUE(box.shown);
        EXPECT_EQ(box.caption, "Lorvex");
        EXPECT_EQ(box.text, "Unable to activate help");
        EXPECT_EQ(box.owner, c.ownerIsMain ? hwndMain : nullptr);
        EXPECT_TRUE(box.topmost);  // MB_SYSTEMMODAL
        EXPECT_TRUE(box.handIcon); // MB_ICONHAND
        EXPECT_TRUE(IsWindow(hwndMain));
    }
}

// A start-up that cannot have its class, its menu or its main window shows the box without
// owner and ends with 0, no window shown.
TEST(LorvexStartup, FailureShowsTheBoxAndEndsWithZero) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    // Registered already (as by an earlier start in this process): the registration fails.
    RegisterLorvexClasses(self);
    struct Case {
        const char* failure;
        HINSTANCE instance, previous;
        bool refuseMainWindow;
    } const cases[] = {
        {"class", self, nullptr, false},
        {"menu", GetModuleHandleA("user32.dll"), self, false}, // a module without our menu
        {"main window", self, self, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failure);
        if (c.refuseMainWindow)
            RefuseWindowsOfClass("Lorvex");
        BoxSeen box;
        int code = -1;
        ASSERT_TRUE(
            RunModal([&] { code = WinMain(c.instance, c.previous, nullptr, SW_SHOWNORMAL); },
                     {BoxStep("Error", &box, "lorvex_startup_failure")}));
        AllowWindows();
        ASSERT_TRUE(box.shown);
        EXPECT_EQ(box.text, "Error initializing application Lorvex");
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(code, 0);
        EXPECT_EQ(hwndMain, nullptr);
        EXPECT_EQ(FindWindowA("Lorvex", nullptr), nullptr);
    }
    hInst = self;
}

// WinMain as the process start-up calls it, the class registered by an earlier start: the
// main window shows with its menu, a key reaches its command through the loop's accelerators,
// and closing the window ends WinMain with the quit message's code 0.
TEST(LorvexStartup, RunsTheLoopWithItsAcceleratorsUntilTheMainWindowCloses) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    WNDCLASSA registered;
    ASSERT_TRUE(RegisterLorvexClasses(self) || GetClassInfoA(self, "Lorvex", &registered));
    const MainRun run = RunMainPressingF1(
        helpEngine, [self] { return WinMain(self, self, nullptr, SW_SHOWNORMAL); },
        [] { return hwndMain; },
        [](HWND main) {
            EXPECT_EQ(WindowText(main), "Lorvex");
            EXPECT_EQ(GetMenu(main), hMenu);
            SaveWindowPng(main, "lorvex_winmain");
            return main;
        });
    EXPECT_TRUE(run.ran);
    EXPECT_EQ(run.code, 0);
    ASSERT_EQ(helpCalls.size(), 1u);
    EXPECT_EQ(helpCalls[0].file, "\\Lorvex.hlp");
    EXPECT_EQ(helpCalls[0].command, static_cast<UINT>(HELP_KEY));
    EXPECT_FALSE(IsWindow(run.shown));
    hwndMain = nullptr;
    hInst = self;
}

} // namespace

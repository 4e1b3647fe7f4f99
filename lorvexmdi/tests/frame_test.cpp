// The frame of LorvexMDI: classes, menus, accelerators and icon as loaded from the
// resources; the New command with its titles and failures; the menu bar and window list as
// children come and go; the commands the frame runs or forwards; keys through the loop.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "about.h"
#include "help.h"
#include "mdi_fixture.h"
#include "msgloop.h"

std::vector<BoxSeen> BoxesDuring(const std::function<void()>& act, size_t count,
                                 const char* shotName) {
    std::vector<BoxSeen> seen;
    std::string shot = shotName ? shotName : "";
    std::vector<ModalStep> steps;
    for (size_t i = 0; i < count; ++i)
        steps.push_back({[] { return FindThreadDialog(); },
                         [&seen, shot](HWND box) {
                             seen.push_back(
                                 ReadAndCloseBox(box, shot.empty() ? nullptr : shot.c_str()));
                         }});
    // A box more than expected keeps the call from returning: RunModal then times out.
    EXPECT_TRUE(RunModal(act, steps, 5000)) << "not exactly " << count << " box(es)";
    seen.resize(count);
    return seen;
}

BoxSeen ExpectOneBox(const std::function<void()>& act, const char* shotName) {
    return BoxesDuring(act, 1, shotName)[0];
}

void ExpectNoBox(const std::function<void()>& act) {
    std::string unexpected;
    RunModal(act,
             {{[] { return FindThreadDialog(); },
               [&unexpected](HWND box) {
                   unexpected = WindowText(box) + ": " + MessageBoxText(box);
                   PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
               }}},
             3000);
    EXPECT_EQ(unexpected, "");
}

namespace {

// One line per item: "popup &File", "30002 &New", "30003 &Open... grayed", "separator".
std::vector<std::string> MenuLines(HMENU menu) {
    std::vector<std::string> lines;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = "";
        MENUITEMINFOA mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
        mi.dwTypeData = text;
        mi.cch = sizeof text;
        GetMenuItemInfoA(menu, i, TRUE, &mi);
        if (mi.fType & MFT_SEPARATOR) {
            lines.push_back("separator");
            continue;
        }
        std::string line =
            mi.hSubMenu ? "popup " + std::string(text) : std::to_string(mi.wID) + " " + text;
        if (mi.fState & MFS_GRAYED)
            line += " grayed";
        lines.push_back(line);
    }
    return lines;
}

const std::vector<std::string> FILE_ITEMS = {"30002 &New",
                                             "30003 &Open... grayed",
                                             "30004 &Save grayed",
                                             "30005 Save &As... grayed",
                                             "separator",
                                             "30006 &Print... grayed",
                                             "30007 P&rint Setup... grayed",
                                             "separator",
                                             "30001 E&xit"};
const std::vector<std::string> EDIT_ITEMS = {
    "30008 &Undo\tCtrl+Z grayed", "separator", "30009 Cu&t\tCtrl+X grayed",
    "30010 &Copy\tCtrl+C grayed", "30011 &Paste\tCtrl+V grayed"};
const std::vector<std::string> OPTION_ITEMS = {"30019 One\t F1", "30020 Two\t F2",
                                               "30021 Three\t F3", "30022 Four\t F4"};
const std::vector<std::string> WINDOW_ITEMS = {"30027 &Cascade", "30028 &Tile",
                                               "30029 Arrange &Icons"};
const std::vector<std::string> HELP_ITEMS = {"30012 &Contents", "30013 &Search for Help On...",
                                             "30014 &How to Use Help", "separator",
                                             "30015 &About LorvexMDI..."};

TEST_F(MdiFrame, ClassesComeFromOneRecordChangedFieldByField) {
    struct {
        const char* name;
        UINT style;
        WNDPROC proc;
        bool icon;
        int brush;
    } const cases[] = {
        {"LorvexMDIMain", CS_OWNDC, FrameWndProc, true, COLOR_WINDOW + 1},
        {"LorvexMDI", CS_OWNDC, ChildWndProc, true, COLOR_WINDOW + 1},
        {"LorvexMDIText", CS_OWNDC | CS_HREDRAW | CS_VREDRAW, TextWndProc, false,
         COLOR_BTNFACE + 1},
    };
    HICON frameIcon = nullptr;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WNDCLASSA wc{};
        ASSERT_TRUE(GetClassInfoA(hInst, c.name, &wc));
        EXPECT_EQ(wc.style, c.style);
        EXPECT_EQ(wc.lpfnWndProc, c.proc);
        EXPECT_EQ(wc.cbClsExtra, 0);
        EXPECT_EQ(wc.cbWndExtra, static_cast<int>(sizeof(LONG_PTR)));
        EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW));
        EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(c.brush)));
        EXPECT_EQ(wc.lpszMenuName, nullptr);
        EXPECT_EQ(wc.hIcon != nullptr, c.icon);
        if (frameIcon == nullptr) {
            frameIcon = wc.hIcon;
        } else if (c.icon) { // the child shares the frame's icon handle
            EXPECT_EQ(wc.hIcon, frameIcon);
        }
    }
#ifndef _WIN64
    EXPECT_EQ(sizeof(LONG_PTR), 4u);
#endif
}

TEST_F(MdiFrame, IconIsOneImageOf32By32PixelsIn16Colours) {
    HRSRC group = FindResourceA(hInst, "LorvexMDI", RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(hInst, group)));
    ASSERT_NE(dir, nullptr);
    // The group header: reserved, type 1 (icon), count; then one 14-byte entry.
    const WORD* header = reinterpret_cast<const WORD*>(dir);
    EXPECT_EQ(header[1], 1);
    ASSERT_EQ(header[2], 1);
    const BYTE* entry = dir + 6;
    EXPECT_EQ(entry[0], 32);                                 // width
    EXPECT_EQ(entry[1], 32);                                 // height
    EXPECT_EQ(entry[2], 16);                                 // colours
    EXPECT_EQ(*reinterpret_cast<const WORD*>(entry + 6), 4); // bits per pixel
}

TEST_F(MdiFrame, FrameHoldsItsMdiClientWithTheFrameMenu) {
    char cls[64] = "";
    GetClassNameA(hwndFrame, cls, sizeof cls);
    EXPECT_STREQ(cls, "LorvexMDIMain");
    EXPECT_EQ(WindowText(hwndFrame), "LorvexMDI");
    LONG style = GetWindowLongA(hwndFrame, GWL_STYLE);
    EXPECT_EQ(style & ~WS_CLIPSIBLINGS,
              static_cast<LONG>(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE));
    EXPECT_EQ(GetMenu(hwndFrame), hMenuFrame);

    GetClassNameA(hwndClient, cls, sizeof cls);
    EXPECT_STREQ(cls, "MDIClient");
    EXPECT_EQ(GetParent(hwndClient), hwndFrame);
    EXPECT_EQ(GetDlgCtrlID(hwndClient), 0);
    LONG clientStyle = GetWindowLongA(hwndClient, GWL_STYLE);
    EXPECT_EQ(clientStyle & (WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE),
              static_cast<LONG>(WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE));
    // The client fills the frame's client area.
    RECT frame, client;
    GetClientRect(hwndFrame, &frame);
    GetClientRect(hwndClient, &client);
    EXPECT_EQ(client.right, frame.right);
    EXPECT_EQ(client.bottom, frame.bottom);

    EXPECT_EQ(hMenuFrameWindow, GetSubMenu(hMenuFrame, 1));
    EXPECT_EQ(hMenuChildWindow, GetSubMenu(hMenuChild, 2));
    SaveWindowPng(hwndFrame, "lorvexmdi_frame_empty");
}

TEST_F(MdiFrame, MenusHaveEveryItemWithItsIdentifierTextAndState) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(MenuLines(hMenuFrame),
              (Lines{"popup &File", "popup &Edit", "popup &Window", "popup &Help"}));
    EXPECT_EQ(MenuLines(hMenuChild), (Lines{"popup &File", "popup &Edit", "popup &Option",
                                            "popup &Window", "popup &Help"}));
    struct {
        HMENU menu;
        int position;
        const Lines& items;
    } const popups[] = {
        {hMenuFrame, 0, FILE_ITEMS},   {hMenuFrame, 1, EDIT_ITEMS},   {hMenuFrame, 2, WINDOW_ITEMS},
        {hMenuFrame, 3, HELP_ITEMS},   {hMenuChild, 0, FILE_ITEMS},   {hMenuChild, 1, EDIT_ITEMS},
        {hMenuChild, 2, OPTION_ITEMS}, {hMenuChild, 3, WINDOW_ITEMS}, {hMenuChild, 4, HELP_ITEMS},
    };
    for (const auto& p : popups) {
        SCOPED_TRACE((p.menu == hMenuFrame ? "frame menu, popup " : "child menu, popup ") +
                     std::to_string(p.position));
        EXPECT_EQ(MenuLines(GetSubMenu(p.menu, p.position)), p.items);
    }
}

// One line per accelerator: "F1 30012" for a virtual key, "Alt+? 30015" for a character.
std::vector<std::string> AcceleratorLines(HACCEL accel) {
    ACCEL entries[8];
    int n = CopyAcceleratorTableA(accel, entries, 8);
    std::vector<std::string> lines;
    for (int i = 0; i < n; ++i) {
        const ACCEL& a = entries[i];
        std::string key = (a.fVirt & FVIRTKEY)
                              ? (a.key == VK_F1 ? "F1" : "vk" + std::to_string(a.key))
                              : std::string(1, static_cast<char>(a.key));
        std::string mods = (a.fVirt & FALT) ? "Alt+" : "";
        mods += (a.fVirt & FCONTROL) ? "Ctrl+" : "";
        mods += (a.fVirt & FSHIFT) ? "Shift+" : "";
        lines.push_back(mods + key + " " + std::to_string(a.cmd));
    }
    return lines;
}

TEST_F(MdiFrame, AcceleratorTableHasItsThreeEntries) {
    EXPECT_EQ(AcceleratorLines(hAccel),
              (std::vector<std::string>{"F1 30012", "Alt+? 30015", "Alt+/ 30015"}));
}

// The record behind a child, read through its handle.
INFO ReadInfo(HWND child) {
    INFO info{};
    HLOCAL h = RecordHandle(child);
    void* p = LocalLock(h);
    if (p != nullptr) {
        memcpy(&info, p, sizeof info);
        LocalUnlock(h);
    }
    return info;
}

TEST_F(MdiFrame, ChildrenAreNumberedFromZeroAndNumbersAreNeverReused) {
    const std::string blanks13(13, ' ');
    HWND c0 = OpenChild();
    HWND c1 = OpenChild();
    ASSERT_NE(c0, nullptr);
    ASSERT_NE(c1, nullptr);
    EXPECT_EQ(WindowText(c0), "MDI   0" + blanks13);
    EXPECT_EQ(WindowText(c1), "MDI   1" + blanks13);
    EXPECT_EQ(nChildNo, 2);

    // The record: created by New, completed by the child, attached, unlocked.
    for (HWND c : {c0, c1}) {
        HLOCAL h = RecordHandle(c);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(LocalFlags(h) & LMEM_LOCKCOUNT, 0u);
        EXPECT_EQ(LocalSize(h), sizeof(INFO));
        INFO info = ReadInfo(c);
        EXPECT_EQ(info.hwndClient, hwndClient);
        EXPECT_EQ(info.hwndText, StripOf(c));
        EXPECT_EQ(std::string(info.szTitle, CHILD_TITLE_LENGTH), WindowText(c));
        EXPECT_EQ(info.rcClient.left, 0);
        EXPECT_EQ(info.rcClient.top, 0);
        EXPECT_GT(info.rcClient.right, 0);
        EXPECT_GT(info.rcClient.bottom, 0);
    }
    // The child's name in the window list is the title, so MDI's own numbering stays apart.
    EXPECT_EQ(GetDlgCtrlID(c0), IDM_FIRSTCHILD);

    SendMessageA(c0, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(c0));
    HWND c2 = OpenChild();
    EXPECT_EQ(WindowText(c2), "MDI   2" + blanks13);
    SendMessageA(c2, WM_CLOSE, 0, 0);
    SendMessageA(c1, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Children().empty());
    EXPECT_EQ(WindowText(OpenChild()), "MDI   3" + blanks13);
    EXPECT_EQ(nChildNo, 4);
}

TEST_F(MdiFrame, NumbersFrom10000ShowAsterisks) {
    const std::string blanks13(13, ' ');
    nChildNo = 9999;
    EXPECT_EQ(WindowText(OpenChild()), "MDI9999" + blanks13);
    EXPECT_EQ(WindowText(OpenChild()), "MDI****" + blanks13);
    EXPECT_EQ(WindowText(OpenChild()), "MDI****" + blanks13);
    EXPECT_EQ(nChildNo, 10002);
    // The title handed to the platform: the 20-character field, its NUL, then blanks.
    EXPECT_EQ(std::string(childTitle), "MDI****" + blanks13);
    EXPECT_EQ(childTitle[NAME_FIELD_LENGTH - 1], ' ');
}

// The allocator and locker of a failing New: the real routines that remember the block, or
// routines that refuse.
HLOCAL lastBlock = nullptr;
HLOCAL WINAPI RememberingAlloc(UINT flags, SIZE_T bytes) {
    lastBlock = LocalAlloc(flags, bytes);
    return lastBlock;
}
LPVOID WINAPI RefusingLock(HLOCAL) {
    return nullptr;
}

// A CBT hook that refuses to create windows of the child class.
LRESULT CALLBACK RefuseChildren(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        char cls[32] = "";
        GetClassNameA(reinterpret_cast<HWND>(wParam), cls, sizeof cls);
        if (strcmp(cls, "LorvexMDI") == 0)
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MdiFrame, FailingNewShowsItsBoxAndLeavesNoChildNoNumberAndNoBlock) {
    enum Failure { Alloc, Lock, Create };
    struct {
        const char* name;
        Failure failure;
        const char* text;
    } const cases[] = {
        {"allocation", Alloc, "Failed to Allocate INFO data!"},
        {"lock", Lock, "Failed in LocalLock"},
        {"creation", Create, "Failed in Creating Child Window"},
    };
    HWND first = OpenChild(); // one child stays open throughout
    ASSERT_NE(first, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        lastBlock = nullptr;
        infoAllocate = c.failure == Alloc ? NoMemoryAlloc : RememberingAlloc;
        infoLock = c.failure == Lock ? RefusingLock : LocalLock;
        HHOOK hook = c.failure == Create
                         ? SetWindowsHookExA(WH_CBT, RefuseChildren, nullptr, GetCurrentThreadId())
                         : nullptr;
        BoxSeen box = ExpectOneBox([] { SendMessageA(hwndFrame, WM_COMMAND, IDM_NEW, 0); },
                                   c.failure == Create ? "lorvexmdi_new_failure" : nullptr);
        if (hook)
            UnhookWindowsHookEx(hook);
        infoAllocate = LocalAlloc;
        infoLock = LocalLock;
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.owner, hwndFrame);
        EXPECT_EQ(nChildNo, 1);
        EXPECT_EQ(Children(), std::vector<HWND>{first});
        if (c.failure != Alloc) {
            ASSERT_NE(lastBlock, nullptr);
            EXPECT_TRUE(BlockFreed(lastBlock));
        }
        // The next child takes the number the failed one did not.
        HWND next = OpenChild();
        EXPECT_EQ(WindowText(next).substr(0, 7), "MDI   1");
        SendMessageA(next, WM_CLOSE, 0, 0);
        nChildNo = 1;
    }
}

// The menu bar shows `menu`, whose window popup lists `listed` children; the other
// popup carries no list.
void ExpectMenuBar(HMENU menu, HMENU windowMenu, size_t listed) {
    EXPECT_EQ(GetMenu(hwndFrame), menu);
    std::vector<std::string> lines = MenuLines(windowMenu);
    const std::vector<std::string>& own =
        windowMenu == hMenuFrameWindow ? EDIT_ITEMS : OPTION_ITEMS;
    ASSERT_EQ(lines.size(), own.size() + (listed ? listed + 1 : 0));
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + own.size()), own);
    // The list of children at the end, after a separator, from identifier 1 upward.
    for (size_t i = 0; i < listed; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lines[own.size()], "separator");
        EXPECT_EQ(lines[own.size() + 1 + i].substr(0, 2), std::to_string(1 + i) + " ");
    }
    // The popup of the menu not shown carries no list.
    if (windowMenu == hMenuFrameWindow) {
        EXPECT_EQ(MenuLines(hMenuChildWindow), OPTION_ITEMS);
    } else {
        EXPECT_EQ(MenuLines(hMenuFrameWindow), EDIT_ITEMS);
    }
}

TEST_F(MdiFrame, MenuBarFollowsTheChildrenAndTheWindowListFollowsTheMenu) {
    {
        SCOPED_TRACE("no child");
        ExpectMenuBar(hMenuFrame, hMenuFrameWindow, 0);
    }
    HWND c0 = OpenChild();
    {
        SCOPED_TRACE("one child");
        ExpectMenuBar(hMenuChild, hMenuChildWindow, 1);
        std::vector<std::string> lines = MenuLines(hMenuChildWindow);
        EXPECT_EQ(lines.back(), "1 &1 MDI   0" + std::string(13, ' '));
    }
    HWND c1 = OpenChild();
    {
        SCOPED_TRACE("two children");
        ExpectMenuBar(hMenuChild, hMenuChildWindow, 2);
        // Choosing an entry of the list activates its child.
        EXPECT_EQ(ActiveChild(), c1);
        SendMessageA(hwndFrame, WM_COMMAND, GetDlgCtrlID(c0), 0);
        EXPECT_EQ(ActiveChild(), c0);
    }
    SendMessageA(c0, WM_CLOSE, 0, 0);
    {
        SCOPED_TRACE("one of two closed");
        EXPECT_EQ(ActiveChild(), c1);
        ExpectMenuBar(hMenuChild, hMenuChildWindow, 1);
    }
    SendMessageA(c1, WM_CLOSE, 0, 0);
    {
        SCOPED_TRACE("last closed");
        EXPECT_EQ(ActiveChild(), nullptr);
        ExpectMenuBar(hMenuFrame, hMenuFrameWindow, 0);
    }
}

TEST_F(MdiFrame, ClosingAChildKeepsTheActiveChildsMenu) {
    struct {
        const char* name;
        int open;       // children opened; the last one is active
        int close;      // the one closed, in the order of opening
        bool maximised; // the active child is maximised
        int active;     // the child active after the close, -1 for none
    } const cases[] = {
        {"an inactive child of two", 2, 0, false, 1},
        {"an inactive child of three", 3, 1, false, 2},
        {"an inactive child beside a maximised one", 2, 0, true, 1},
        {"the active one of two", 2, 1, false, 0},
        {"the only one", 1, 0, false, -1},
        {"the only one, maximised", 1, 0, true, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<HWND> children;
        for (int i = 0; i < c.open; ++i)
            children.push_back(OpenChild());
        if (c.maximised)
            SendMessageA(hwndClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(children.back()), 0);
        ExpectNoBox([&] { SendMessageA(children[c.close], WM_CLOSE, 0, 0); });
        EXPECT_FALSE(IsWindow(children[c.close]));
        if (c.active < 0) {
            EXPECT_EQ(ActiveChild(), nullptr);
            ExpectMenuBar(hMenuFrame, hMenuFrameWindow, 0);
        } else {
            EXPECT_EQ(ActiveChild(), children[c.active]);
            ExpectMenuBar(hMenuChild, hMenuChildWindow, c.open - 1);
        }
        if (c.maximised && c.active >= 0)
            SaveWindowPng(hwndFrame, "lorvexmdi_inactive_child_closed");
        for (HWND child : Children())
            SendMessageA(child, WM_CLOSE, 0, 0);
        ASSERT_TRUE(Children().empty());
        ExpectMenuBar(hMenuFrame, hMenuFrameWindow, 0);
        // No buttons of a maximised child are left in either menu.
        EXPECT_EQ(GetMenuItemCount(hMenuFrame), 4);
        EXPECT_EQ(GetMenuItemCount(hMenuChild), 5);
    }
}

TEST_F(MdiFrame, OptionsReachOnlyTheActiveChildsStrip) {
    HWND c[3];
    for (HWND& child : c)
        child = OpenChild();
    ASSERT_EQ(ActiveChild(), c[2]);
    SendMessageA(hwndFrame, WM_COMMAND, IDM_OPT_2, 0);
    EXPECT_EQ(WindowText(StripOf(c[2])), "IDM_OPT_2");
    EXPECT_EQ(WindowText(StripOf(c[1])), STRIP_INITIAL_TEXT);
    EXPECT_EQ(WindowText(StripOf(c[0])), STRIP_INITIAL_TEXT);
    UpdateWindow(hwndFrame);
    PumpFor(200);
    SaveWindowPng(hwndFrame, "lorvexmdi_three_children");

    struct {
        UINT id;
        const char* text;
    } const options[] = {{IDM_OPT_1, "IDM_OPT_1"},
                         {IDM_OPT_3, "IDM_OPT_3"},
                         {IDM_OPT_4, "IDM_OPT_4"},
                         // The notification code in the high word travels along unchanged.
                         {IDM_OPT_2 | (1u << 16), "IDM_OPT_2"}};
    SendMessageA(hwndClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(c[0]), 0);
    ASSERT_EQ(ActiveChild(), c[0]);
    for (const auto& o : options) {
        SCOPED_TRACE(o.text);
        EXPECT_EQ(SendMessageA(hwndFrame, WM_COMMAND, o.id, 0), 0);
        EXPECT_EQ(WindowText(StripOf(c[0])), o.text);
    }
    EXPECT_EQ(WindowText(StripOf(c[2])), "IDM_OPT_2");
    EXPECT_EQ(WindowText(StripOf(c[1])), STRIP_INITIAL_TEXT);

    // The four identifiers after IDM_OPT_4 are forwarded and change nothing.
    for (UINT id = IDM_OPT_4 + 1; id <= IDM_OPT_LAST; ++id) {
        SCOPED_TRACE(id);
        ExpectNoBox([id] { EXPECT_EQ(SendMessageA(hwndFrame, WM_COMMAND, id, 0), 0); });
        EXPECT_EQ(WindowText(StripOf(c[0])), "IDM_OPT_2");
        EXPECT_EQ(SendMessageA(c[0], WM_COMMAND, id, 0), 0);
        EXPECT_EQ(WindowText(StripOf(c[0])), "IDM_OPT_2");
    }
}

TEST_F(MdiFrame, UnservedCommandsDoNothing) {
    // Without a child the options go nowhere; the grayed items reach DefFrameProcA.
    ExpectNoBox([] {
        for (UINT id : {30019u, 30022u, 30026u, 30003u, 30007u, 30011u, 30016u, 30030u, 5u})
            EXPECT_EQ(SendMessageA(hwndFrame, WM_COMMAND, id, 0), 0);
    });
    EXPECT_TRUE(Children().empty());
    EXPECT_TRUE(IsWindow(hwndFrame));
}

// The arrangement messages as the MDI client receives them.
std::vector<std::pair<UINT, WPARAM>> arrangeSeen;
WNDPROC clientProc = nullptr;
LRESULT CALLBACK WatchClient(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MDICASCADE || message == WM_MDITILE || message == WM_MDIICONARRANGE)
        arrangeSeen.push_back({message, wParam});
    return CallWindowProcA(clientProc, hwnd, message, wParam, lParam);
}

TEST_F(MdiFrame, CascadeTileAndArrangeIconsReachTheClient) {
    HWND c0 = OpenChild();
    HWND c1 = OpenChild();
    clientProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwndClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchClient)));
    arrangeSeen.clear();
    SendMessageA(hwndFrame, WM_COMMAND, IDM_CASCADE, 0);
    SendMessageA(hwndFrame, WM_COMMAND, IDM_TILE, 0);
    RECT r0, r1;
    GetWindowRect(c0, &r0);
    GetWindowRect(c1, &r1);
    // Tiled: two children that do not overlap, side by side or one above the other.
    RECT overlap;
    EXPECT_FALSE(IntersectRect(&overlap, &r0, &r1));
    SendMessageA(hwndFrame, WM_COMMAND, IDM_ARRANGE, 0);
    std::vector<std::pair<UINT, WPARAM>> expected = {
        {WM_MDICASCADE, 0}, {WM_MDITILE, MDITILE_VERTICAL}, {WM_MDIICONARRANGE, 0}};
    EXPECT_EQ(arrangeSeen, expected);
    SetWindowLongPtrA(hwndClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(clientProc));
}

// Commands that reach the frame, seen in front of FrameWndProc; and the key messages that
// reach any window of the program through DispatchMessageA.
std::vector<UINT> commandsSeen;
std::vector<WPARAM> keysDispatched;
bool passCommands = true;
WNDPROC childProc = nullptr;

LRESULT CALLBACK WatchFrame(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        commandsSeen.push_back(LOWORD(wParam));
        if (!passCommands)
            return 0;
    }
    return FrameWndProc(hwnd, message, wParam, lParam);
}

void CALLBACK QuitLoop(HWND, UINT, UINT_PTR, DWORD) {
    PostQuitMessage(7);
}

// Runs the program's loop until the queue has been quiet for a while.
void RunLoopBriefly(HACCEL accel, DWORD ms = 700) {
    UINT_PTR t = SetTimer(nullptr, 0, ms, QuitLoop);
    EXPECT_EQ(RunMessageLoop(accel, hwndFrame, hwndClient), 7);
    KillTimer(nullptr, t);
}

LRESULT CALLBACK WatchChildKeys(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)
        keysDispatched.push_back(wParam);
    return CallWindowProcA(childProc, hwnd, message, wParam, lParam);
}

TEST_F(MdiFrame, HelpAndAboutKeysReachTheFrameFromAnyWindow) {
    SetWindowLongPtrA(hwndFrame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchFrame));
    passCommands = false;
    struct {
        const char* name;
        WORD vk;
        bool alt, shift;
        UINT command;
    } const keys[] = {
        {"F1", VK_F1, false, false, IDM_HELPCONTENTS},
        {"Alt+?", VK_OEM_2, true, true, IDM_ABOUT},
        {"Alt+/", VK_OEM_2, true, false, IDM_ABOUT},
    };
    for (int withChild = 0; withChild < 2; ++withChild) {
        HWND focus = hwndFrame;
        if (withChild) {
            focus = OpenChild();
            SetFocus(focus);
        }
        for (const auto& k : keys) {
            SCOPED_TRACE(std::string(k.name) + (withChild ? " in a child" : " in the frame"));
            ASSERT_TRUE(ActivateWindow(hwndFrame));
            if (withChild)
                SetFocus(focus);
            commandsSeen.clear();
            TypeKey(k.vk, k.alt, k.shift);
            RunLoopBriefly(hAccel, 400);
            EXPECT_EQ(commandsSeen, std::vector<UINT>{k.command});
        }
    }
    passCommands = true;
    SetWindowLongPtrA(hwndFrame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameWndProc));
}

TEST_F(MdiFrame, MdiSystemKeysActOnTheChildrenAndAreNotDispatched) {
    HWND c[3];
    for (HWND& child : c) {
        child = OpenChild();
        childProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchChildKeys)));
    }
    ASSERT_TRUE(ActivateWindow(hwndFrame));
    ASSERT_EQ(ActiveChild(), c[2]);
    struct {
        const char* name;
        WORD vk;
        bool shift;
    } const keys[] = {{"Ctrl+F6", VK_F6, false}, {"Ctrl+Tab", VK_TAB, false}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.name);
        HWND before = ActiveChild();
        SetFocus(before);
        keysDispatched.clear();
        TypeKey(k.vk, false, k.shift, true);
        RunLoopBriefly(hAccel, 400);
        EXPECT_NE(ActiveChild(), before);
        EXPECT_NE(ActiveChild(), nullptr);
        for (WPARAM key : keysDispatched)
            EXPECT_EQ(key, static_cast<WPARAM>(VK_CONTROL));
    }
    {
        SCOPED_TRACE("Ctrl+F4");
        HWND active = ActiveChild();
        HLOCAL record = RecordHandle(active);
        SetFocus(active);
        keysDispatched.clear();
        TypeKey(VK_F4, false, false, true);
        RunLoopBriefly(hAccel, 400);
        EXPECT_FALSE(IsWindow(active));
        EXPECT_TRUE(BlockFreed(record));
        EXPECT_EQ(Children().size(), 2u);
        for (WPARAM key : keysDispatched)
            EXPECT_EQ(key, static_cast<WPARAM>(VK_CONTROL));
        EXPECT_EQ(GetMenu(hwndFrame), hMenuChild);
    }
}

TEST_F(MdiFrame, HelpRequestsReachTheEngineAndAFailureIsReportedToItsOwner) {
    helpEngine = FakeWinHelp;
    HWND child = OpenChild();
    struct {
        const char* name;
        UINT command;
        const char* file;
        UINT helpCommand;
        const char* data;
        bool ownerIsFocus; // else the frame
    } const cases[] = {
        {"contents", IDM_HELPCONTENTS, "\\LorvexMDI.hlp", HELP_KEY, "CONTENTS", false},
        {"search", IDM_HELPSEARCH, "LorvexMDI.hlp", HELP_PARTIALKEY, "", false},
        {"help on help", IDM_HELPHELP, "", HELP_HELPONHELP, "(none)", true},
    };
    // A window of the program's thread outside the frame, to hold the focus.
    HWND other = CreateWindowExA(0, "Static", "elsewhere", WS_POPUP | WS_VISIBLE, 700, 500, 200,
                                 100, nullptr, nullptr, hInst, nullptr);
    struct {
        const char* name;
        HWND focus;
    } const focuses[] = {
        {"focus in a child", child}, {"focus elsewhere", other}, {"no focus", nullptr}};
    for (const auto& c : cases) {
        for (const auto& f : focuses) {
            HWND focus = f.focus;
            SCOPED_TRACE(std::string(c.name) + ", " + f.name);
            ASSERT_TRUE(ActivateWindow(focus ? GetAncestor(focus, GA_ROOT) : hwndFrame));
            SetFocus(focus);
            helpAnswer = TRUE;
            helpCalls.clear();
            ExpectNoBox([&] { SendMessageA(hwndFrame, WM_COMMAND, c.command, 0); });
            ASSERT_EQ(helpCalls.size(), 1u);
            EXPECT_EQ(helpCalls[0].hwnd, hwndFrame);
            EXPECT_EQ(helpCalls[0].file, c.file);
            EXPECT_EQ(helpCalls[0].command, c.helpCommand);
            EXPECT_EQ(helpCalls[0].data, c.data);

            helpAnswer = FALSE;
            SetFocus(focus);
            BoxSeen box = ExpectOneBox([&] { SendMessageA(hwndFrame, WM_COMMAND, c.command, 0); },
                                       "lorvexmdi_help_failure");
            EXPECT_EQ(box.caption, "LorvexMDI");
            EXPECT_EQ(box.text, "Unable to activate help");
            // A box's owner is a top-level window: the focus's own one.
            EXPECT_EQ(box.owner, c.ownerIsFocus ? GetAncestor(focus, GA_ROOT) : hwndFrame);
            EXPECT_TRUE(box.topmost);
            EXPECT_TRUE(box.handIcon);
        }
    }
    DestroyWindow(other);
    // The contents request hands over its names in 100-character fields.
    EXPECT_EQ(helpFileName[NAME_FIELD_LENGTH - 1], ' ');
    EXPECT_EQ(helpKeyword[NAME_FIELD_LENGTH - 1], ' ');
}

TEST_F(MdiFrame, AboutShowsTheVersionValuesCentredOverTheFrame) {
    OpenChild();
    struct Seen {
        std::string caption, company, description, version, copyright, trademarks;
        HWND owner = nullptr;
        RECT rect{};
    } seen;
    bool done = RunModal([] { SendMessageA(hwndFrame, WM_COMMAND, IDM_ABOUT, 0); },
                         {{DialogTitled("About LorvexMDI"), [&seen](HWND dlg) {
                               seen.caption = WindowText(dlg);
                               seen.company = ItemText(dlg, 1001);
                               seen.description = ItemText(dlg, 1002);
                               seen.version = ItemText(dlg, 1003);
                               seen.copyright = ItemText(dlg, 1004);
                               seen.trademarks = ItemText(dlg, 1005);
                               seen.owner = GetWindow(dlg, GW_OWNER);
                               GetWindowRect(dlg, &seen.rect);
                               SaveWindowPng(dlg, "lorvexmdi_about");
                               PostMessageA(dlg, WM_COMMAND, IDOK, 0);
                           }}});
    EXPECT_TRUE(done);
    EXPECT_EQ(seen.company, "Quenta Lernprogramme");
    EXPECT_EQ(seen.description, "LorvexMDI Application");
    EXPECT_EQ(seen.version, "1.0");
    EXPECT_EQ(seen.copyright, "LegalCopyright \xA9");
    EXPECT_EQ(seen.owner, hwndFrame);
    RECT frame;
    GetWindowRect(hwndFrame, &frame);
    EXPECT_EQ(seen.rect.left, CenteredCoordinate(frame.left, frame.right - frame.left,
                                                 seen.rect.right - seen.rect.left, 1024));
}

// The menus that a start-up without a frame leaves behind.
void DestroyStartupMenus() {
    for (HMENU m : {hMenuFrame, hMenuChild})
        if (IsMenu(m))
            DestroyMenu(m);
    hMenuFrame = hMenuChild = nullptr;
}

// A start-up that cannot have its classes, its menus or its frame shows one box without
// owner and ends with 0, no window shown.
TEST(LorvexMDIStartup, FailureShowsTheBoxAndEndsWithZero) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    // Registered already (as by an earlier start in this process): the registration fails.
    RegisterLorvexMDIClasses(self);
    struct Case {
        const char* failure;
        HINSTANCE instance, previous;
        bool refuseFrame;
    } const cases[] = {
        {"classes", self, nullptr, false},
        {"menus", GetModuleHandleA("user32.dll"), self, false}, // a module without our menus
        {"frame", self, self, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failure);
        if (c.refuseFrame)
            RefuseWindowsOfClass("LorvexMDIMain");
        std::vector<BoxSeen> boxes;
        int code = -1;
        boxes = BoxesDuring([&] { code = WinMain(c.instance, c.previous, nullptr, SW_SHOWNORMAL); },
                            1, "lorvexmdi_startup_failure");
        AllowWindows();
        DestroyStartupMenus();
        EXPECT_EQ(boxes[0].caption, "Error");
        EXPECT_EQ(boxes[0].text, "Error initializing application LorvexMDI");
        EXPECT_EQ(boxes[0].owner, nullptr);
        EXPECT_FALSE(boxes[0].handIcon);
        EXPECT_EQ(code, 0);
        EXPECT_EQ(hwndFrame, nullptr);
        EXPECT_EQ(FindWindowA("LorvexMDIMain", nullptr), nullptr);
    }
    hInst = self;
}

// WinMain as the process start-up calls it, the classes registered by an earlier start: the
// frame shows with its menu and client, a key meant for any window reaches the frame through
// the loop's accelerators, and closing the frame ends WinMain with the quit message's code 0.
TEST(LorvexMDIStartup, RunsTheLoopWithItsAcceleratorsUntilTheFrameCloses) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    WNDCLASSA registered;
    ASSERT_TRUE(RegisterLorvexMDIClasses(self) ||
                GetClassInfoA(self, "LorvexMDIText", &registered));
    const MainRun run = RunMainPressingF1(
        helpEngine, [self] { return WinMain(self, self, nullptr, SW_SHOWNORMAL); },
        [] { return hwndFrame; },
        [](HWND frame) {
            EXPECT_EQ(WindowText(frame), "LorvexMDI");
            EXPECT_EQ(GetMenu(frame), hMenuFrame);
            EXPECT_EQ(GetParent(hwndClient), frame);
            SaveWindowPng(frame, "lorvexmdi_winmain");
            // Addressed to the client: the accelerators still go to the frame.
            return hwndClient;
        });
    EXPECT_TRUE(run.ran);
    EXPECT_EQ(run.code, 0);
    ASSERT_EQ(helpCalls.size(), 1u);
    EXPECT_EQ(helpCalls[0].file, "\\LorvexMDI.hlp");
    EXPECT_EQ(helpCalls[0].command, static_cast<UINT>(HELP_KEY));
    EXPECT_FALSE(IsWindow(run.shown));
    DestroyStartupMenus();
    hwndFrame = hwndClient = nullptr;
    hInst = self;
}

TEST_F(MdiFrame, CloseRequestsWaitWhileADialogOrABoxIsOpen) {
    HWND child = nullptr;
    // A window of the program's thread outside the frame, to hold the focus.
    HWND other = CreateWindowExA(0, "Static", "elsewhere", WS_POPUP | WS_VISIBLE, 700, 500, 200,
                                 100, nullptr, nullptr, hInst, nullptr);
    helpAnswer = FALSE;
    enum Focus { IN_CHILD, ELSEWHERE, NONE };
    struct {
        const char* name;
        const char* title; // of the dialog or box
        UINT command;
        Focus focus;
    } const cases[] = {
        {"About", "About LorvexMDI", IDM_ABOUT, IN_CHILD},
        {"help failure of Contents", "LorvexMDI", IDM_HELPCONTENTS, IN_CHILD},
        {"help failure of How to Use Help, focus in a child", "LorvexMDI", IDM_HELPHELP, IN_CHILD},
        {"help failure of How to Use Help, focus in another window", "LorvexMDI", IDM_HELPHELP,
         ELSEWHERE},
        {"help failure of How to Use Help, no focus", "LorvexMDI", IDM_HELPHELP, NONE},
        {"New without memory", "Error", IDM_NEW, IN_CHILD},
        {"the active child's record cannot be locked", "Error", IDM_OPT_1, IN_CHILD},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!IsWindow(child))
            child = OpenChild();
        HWND focus = c.focus == IN_CHILD ? child : c.focus == ELSEWHERE ? other : nullptr;
        ASSERT_TRUE(ActivateWindow(focus ? GetAncestor(focus, GA_ROOT) : hwndFrame));
        SetFocus(focus);
        helpEngine = FakeWinHelp;
        infoAllocate = NoMemoryAlloc;
        infoLock = RefusingLock;
        bool frameStayed = false, childStayed = false, shown = false;
        bool done = RunModal([&] { SendMessageA(hwndFrame, WM_COMMAND, c.command, 0); },
                             {{DialogTitled(c.title), [&](HWND dlg) {
                                   // As a taskbar or window manager asks, while the dialog runs.
                                   PostMessageA(hwndFrame, WM_CLOSE, 0, 0);
                                   PostMessageA(child, WM_CLOSE, 0, 0);
                                   PumpFor(100);
                                   frameStayed = IsWindow(hwndFrame);
                                   childStayed = IsWindow(child);
                                   shown = IsWindowVisible(dlg) != FALSE;
                                   if (IsWindow(dlg))
                                       PostMessageA(dlg, WM_COMMAND, IDOK, 0);
                               }}});
        helpEngine = WinHelpA;
        infoAllocate = LocalAlloc;
        infoLock = LocalLock;
        EXPECT_TRUE(done);
        EXPECT_TRUE(shown) << "the dialog went with the close request";
        EXPECT_TRUE(childStayed);
        ASSERT_TRUE(frameStayed);
        ASSERT_TRUE(IsWindow(hwndFrame));
        EXPECT_TRUE(IsWindowEnabled(hwndFrame));
        EXPECT_EQ(Children(), std::vector<HWND>{child});
    }
    DestroyWindow(other);
    // Once the dialogs have ended, close requests act as always: the child closes, and the
    // frame ends the program.
    SendMessageA(child, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(child));
    PostMessageA(hwndFrame, WM_CLOSE, 0, 0);
    UINT_PTR late = SetTimer(nullptr, 0, 3000, QuitLoop);
    EXPECT_EQ(RunMessageLoop(hAccel, hwndFrame, hwndClient), 0);
    KillTimer(nullptr, late);
    EXPECT_FALSE(IsWindow(hwndFrame));
}

// Commands that another program posts to the frame or a child while the About dialog or a box
// of the program is open: none opens anything over the open one, makes a child, writes into
// a strip or activates another child. Arranging the children still works. Once the user has
// answered, the commands work again.
TEST_F(MdiFrame, CommandsPostedWhileADialogOrABoxIsOpenWaitButArrangingWorks) {
    HWND c[2];
    for (HWND& child : c)
        child = OpenChild();
    ASSERT_EQ(ActiveChild(), c[1]);
    auto frame = [] { return hwndFrame; };
    const std::vector<PostedCommand> commands = {
        {"IDM_NEW", frame, IDM_NEW},
        {"IDM_ABOUT", frame, IDM_ABOUT},
        {"IDM_HELPCONTENTS", frame, IDM_HELPCONTENTS},
        {"IDM_HELPSEARCH", frame, IDM_HELPSEARCH},
        {"IDM_HELPHELP", frame, IDM_HELPHELP},
        {"IDM_OPT_2", frame, IDM_OPT_2},
        {"IDM_OPT_3 to a child", [&c] { return c[0]; }, IDM_OPT_3},
        {"the window list's first child", frame, IDM_FIRSTCHILD},
        {"IDM_EXIT", frame, IDM_EXIT},
        {"IDM_TILE", frame, IDM_TILE},
    };
    // The record lock refuses only until the box it causes is up.
    auto lockBox = [] {
        HWND box = FindThreadDialog("Error");
        if (box != nullptr)
            infoLock = LocalLock;
        return box;
    };
    struct {
        const char* name;
        UINT command;
        std::function<HWND()> find;
        size_t helpCalls; // that the case itself makes
    } const cases[] = {
        {"About", IDM_ABOUT, DialogTitled("About LorvexMDI"), 0},
        {"help failure box", IDM_HELPCONTENTS, DialogTitled("LorvexMDI"), 1},
        {"box of an option whose record cannot be locked", IDM_OPT_1, lockBox, 0},
    };
    helpEngine = FakeWinHelp;
    helpAnswer = FALSE;
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        ASSERT_TRUE(ActivateWindow(hwndFrame));
        // Cascaded, the children overlap.
        SendMessageA(hwndFrame, WM_COMMAND, IDM_CASCADE, 0);
        const int numbers = nChildNo;
        helpCalls.clear();
        if (k.command == IDM_OPT_1)
            infoLock = RefusingLock;
        HWND shown = nullptr;
        std::vector<std::string> opened;
        std::vector<ModalStep> steps = PostCommandsSteps(k.find, commands, &shown, &opened);
        steps.push_back({[&] { return IsWindowVisible(shown) ? shown : nullptr; },
                         [](HWND dlg) { PostMessageA(dlg, WM_COMMAND, IDOK, 0); }});
        const UINT command = k.command;
        EXPECT_TRUE(
            RunModal([command] { SendMessageA(hwndFrame, WM_COMMAND, command, 0); }, steps));
        infoLock = LocalLock;
        EXPECT_EQ(opened, std::vector<std::string>{});
        EXPECT_EQ(helpCalls.size(), k.helpCalls);
        ASSERT_TRUE(IsWindow(hwndFrame));
        EXPECT_EQ(Children().size(), 2u);
        EXPECT_EQ(nChildNo, numbers);
        EXPECT_EQ(ActiveChild(), c[1]);
        for (HWND child : c)
            EXPECT_EQ(WindowText(StripOf(child)), STRIP_INITIAL_TEXT);
        RECT r0, r1, overlap;
        GetWindowRect(c[0], &r0);
        GetWindowRect(c[1], &r1);
        EXPECT_FALSE(IntersectRect(&overlap, &r0, &r1)) << "not tiled";
        // The program goes on: the frame takes commands again, and nothing is left open.
        EXPECT_TRUE(IsWindowEnabled(hwndFrame));
        EXPECT_EQ(FindThreadDialog(), nullptr);
        EXPECT_EQ(DrainQueue(), -1);
    }
    HWND third = OpenChild();
    ASSERT_EQ(Children().size(), 3u);
    SendMessageA(hwndFrame, WM_COMMAND, IDM_OPT_4, 0);
    EXPECT_EQ(WindowText(StripOf(third)), "IDM_OPT_4");
}

TEST_F(MdiFrame, ExitClosesTheFrameWithItsChildrenAndEndsTheLoopWithZero) {
    HWND child = OpenChild();
    PostMessageA(hwndFrame, WM_COMMAND, IDM_EXIT, 0);
    UINT_PTR late = SetTimer(nullptr, 0, 3000, QuitLoop);
    EXPECT_EQ(RunMessageLoop(hAccel, hwndFrame, hwndClient), 0);
    KillTimer(nullptr, late);
    EXPECT_FALSE(IsWindow(hwndFrame));
    EXPECT_FALSE(IsWindow(child));
}

} // namespace

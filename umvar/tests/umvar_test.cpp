// Umvar under Wine: the window in this process with an environment the tests set up, and the
// real program started with an environment block.
#include <gtest/gtest.h>

#include "block_text.h"
#include "envblock.h"
#include "umvar_testing.h"
#include "wintest.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The list box's items as the program's code page shows them. The wide messages are used
// because Wine hands a list box's text to another process in the wide form even for
// LB_GETTEXT sent as ANSI.
std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    const int n = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        const int len = static_cast<int>(SendMessageW(list, LB_GETTEXTLEN, i, 0));
        std::wstring w(len + 1, L'\0');
        const int got =
            static_cast<int>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&w[0])));
        w.resize(got > 0 ? got : 0);
        std::string s(w.size() * 2 + 1, '\0');
        const int bytes = WideCharToMultiByte(CP_ACP, 0, w.c_str(), static_cast<int>(w.size()),
                                              &s[0], static_cast<int>(s.size()), nullptr, nullptr);
        s.resize(bytes > 0 ? bytes : 0);
        items.push_back(s);
    }
    return items;
}

int IndexOf(const std::vector<std::string>& items, const std::string& name) {
    auto it = std::find(items.begin(), items.end(), name);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

// Wine's SetEnvironmentVariableA takes names and values of at most 32766 characters (it
// faults on longer ones), so that is the longest name the test can give the process itself.
const std::string kLongName = "UMVAR_LONG_" + std::string(32766 - 11, 'N');
const std::string kLongValue = std::string(32000, 'v') + "END";

// The window of this process over an environment with the test's own variables.
class UmvarWindow : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        hInst = GetModuleHandleA(nullptr);
        ASSERT_TRUE(RegisterUmvarClasses(hInst));
    }

    void SetUp() override {
        // Set in an order that is not the sorted one.
        ASSERT_TRUE(SetEnvironmentVariableA("UMVAR_ZETA", "last"));
        ASSERT_TRUE(SetEnvironmentVariableA("UMVAR_ALPHA", "first"));
        ASSERT_TRUE(SetEnvironmentVariableA("UMVAR_EQ", "a=b==c="));
        ASSERT_TRUE(SetEnvironmentVariableA("UMVAR_EMPTY", ""));
        ASSERT_TRUE(SetEnvironmentVariableA("UMVAR_GONE", "soon"));
        ASSERT_TRUE(SetEnvironmentVariableA("umvar_beta", "lower"));
        ASSERT_TRUE(SetEnvironmentVariableA("UMVAR_VALUE", kLongValue.c_str()));
        // A name entry of its own that starts with "=", as the per-drive directories do.
        SetEnvironmentVariableA("=UMVAR_HIDDEN", "x");
        ASSERT_TRUE(SetEnvironmentVariableA(kLongName.c_str(), "long"));

        hwnd = CreateUmvarWindow(hInst);
        ASSERT_NE(hwnd, nullptr);
        ShowWindow(hwnd, SW_SHOWNORMAL);
        UpdateWindow(hwnd);
        items = ListItems(hwndNameList);
    }

    void TearDown() override {
        if (hwnd)
            DestroyWindow(hwnd);
        DrainQueue(); // the quit message the window posted
        for (const char* n : {"UMVAR_ZETA", "UMVAR_ALPHA", "UMVAR_EQ", "UMVAR_EMPTY", "UMVAR_GONE",
                              "umvar_beta", "UMVAR_VALUE", "=UMVAR_HIDDEN"})
            SetEnvironmentVariableA(n, nullptr);
        SetEnvironmentVariableA(kLongName.c_str(), nullptr);
    }

    // Selects the item as a click would: the selection moves and the list reports it.
    void Pick(const std::string& name) {
        const int i = IndexOf(items, name);
        ASSERT_GE(i, 0) << name;
        SendMessageA(hwndNameList, LB_SETCURSEL, i, 0);
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_NAME_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(hwndNameList));
    }

    std::string Value() const { return WindowText(hwndValueLine); }

    HWND hwnd = nullptr;
    std::vector<std::string> items;
};

TEST_F(UmvarWindow, ListsEveryNameOnceInSortedOrderWithoutDriveEntries) {
    EXPECT_EQ(WindowText(hwnd), "Umgebungsvariablen");
    char cls[32];
    GetClassNameA(hwnd, cls, sizeof cls);
    EXPECT_STREQ(cls, "Umvar");

    // Names only, never "=" entries, never a name cut from a longer one.
    for (const std::string& s : items) {
        EXPECT_FALSE(s.empty());
        EXPECT_EQ(s.find('='), std::string::npos) << s.substr(0, 60);
    }
    EXPECT_EQ(IndexOf(items, "UMVAR_HIDDEN"), -1);
    // Every name of the process's environment is listed, and only once.
    for (const char* n : {"UMVAR_ALPHA", "umvar_beta", "UMVAR_EMPTY", "UMVAR_EQ", "UMVAR_GONE",
                          "UMVAR_VALUE", "UMVAR_ZETA"})
        EXPECT_EQ(std::count(items.begin(), items.end(), n), 1) << n;
    std::vector<std::string> unique = items;
    std::sort(unique.begin(), unique.end());
    EXPECT_EQ(std::unique(unique.begin(), unique.end()), unique.end()) << "a name listed twice";

    // The list box's order: case-insensitive, whatever the order of setting.
    for (std::size_t i = 1; i < items.size(); ++i)
        EXPECT_LE(lstrcmpiA(items[i - 1].c_str(), items[i].c_str()), 0) << items[i].substr(0, 60);
    const int alpha = IndexOf(items, "UMVAR_ALPHA"), beta = IndexOf(items, "umvar_beta"),
              zeta = IndexOf(items, "UMVAR_ZETA");
    EXPECT_LT(alpha, beta);
    EXPECT_LT(beta, zeta);

    // A very long name is there whole.
    EXPECT_EQ(std::count(items.begin(), items.end(), kLongName), 1);
    // Nothing is selected and nothing shown at start.
    EXPECT_EQ(SendMessageA(hwndNameList, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(Value(), "");
}

TEST_F(UmvarWindow, SelectionShowsTheCurrentValue) {
    struct Case {
        const char* name;
        std::string value;
    } cases[] = {
        {"UMVAR_ALPHA", "first"}, {"UMVAR_EQ", "a=b==c="},     {"UMVAR_EMPTY", ""},
        {"UMVAR_ZETA", "last"},   {"UMVAR_VALUE", kLongValue},
    };
    for (const Case& c : cases) {
        Pick(c.name);
        EXPECT_EQ(Value(), c.value) << c.name;
    }
    Pick(kLongName);
    EXPECT_EQ(Value(), "long");

    // The value is read at the moment of selection, not when the list was filled.
    ASSERT_TRUE(SetEnvironmentVariableA("UMVAR_ALPHA", "changed"));
    Pick("UMVAR_ALPHA");
    EXPECT_EQ(Value(), "changed");
    // A listed name that has left the environment shows an empty line.
    ASSERT_TRUE(SetEnvironmentVariableA("UMVAR_GONE", nullptr));
    Pick("UMVAR_GONE");
    EXPECT_EQ(Value(), "");
    EXPECT_EQ(IndexOf(ListItems(hwndNameList), "UMVAR_GONE"), IndexOf(items, "UMVAR_GONE"))
        << "the list is never refreshed";

    Pick("UMVAR_EQ");
    SaveWindowPng(hwnd, "umvar_selected");
}

TEST_F(UmvarWindow, OtherNotificationsChangeNothing) {
    Pick("UMVAR_ALPHA");
    ASSERT_EQ(Value(), "first");
    ASSERT_TRUE(SetEnvironmentVariableA("UMVAR_ALPHA", "changed"));
    const LPARAM list = reinterpret_cast<LPARAM>(hwndNameList);
    const WPARAM others[] = {
        MAKEWPARAM(IDC_NAME_LIST, LBN_DBLCLK),    MAKEWPARAM(IDC_NAME_LIST, LBN_SETFOCUS),
        MAKEWPARAM(IDC_NAME_LIST, LBN_SELCANCEL), MAKEWPARAM(IDC_VALUE_LINE, LBN_SELCHANGE),
        MAKEWPARAM(0x10001 & 0xFFFF, 0),          MAKEWPARAM(IDC_NAME_LIST + 0x100, LBN_SELCHANGE)};
    for (WPARAM w : others) {
        EXPECT_EQ(SendMessageA(hwnd, WM_COMMAND, w, list), 0);
        EXPECT_EQ(Value(), "first") << std::hex << w;
    }
    // A real double click on the selected name, through the list box itself.
    const int i = static_cast<int>(SendMessageA(hwndNameList, LB_GETCURSEL, 0, 0));
    RECT item;
    SendMessageA(hwndNameList, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 4, item.top + 2);
    SendMessageA(hwndNameList, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(hwndNameList, WM_LBUTTONUP, 0, at);
    PumpFor(50);
    EXPECT_EQ(SendMessageA(hwndNameList, LB_GETCURSEL, 0, 0), i);
    EXPECT_EQ(Value(), "first");
}

TEST_F(UmvarWindow, ArrowKeysShowEachValueInTurn) {
    ASSERT_TRUE(ActivateWindow(hwnd));
    EXPECT_EQ(GetFocus(), hwndNameList) << "the window hands its focus to the list";
    SetFocus(nullptr);
    SetFocus(hwnd);
    EXPECT_EQ(GetFocus(), hwndNameList);

    Pick("UMVAR_ALPHA");
    int at = IndexOf(items, "UMVAR_ALPHA");
    for (int step = 0; step < 5 && at + 1 < static_cast<int>(items.size()); ++step) {
        TypeKey(VK_DOWN);
        ++at;
        const std::string want = items[at];
        ASSERT_TRUE(PumpUntil([&] { return SendMessageA(hwndNameList, LB_GETCURSEL, 0, 0) == at; }))
            << "step " << step;
        char buf[64] = "";
        const DWORD n = GetEnvironmentVariableA(want.c_str(), buf, sizeof buf);
        const std::string expect = n < sizeof buf ? buf : kLongValue;
        EXPECT_TRUE(PumpUntil([&] { return Value() == expect; })) << want.substr(0, 60);
    }
    TypeKey(VK_UP);
    --at;
    ASSERT_TRUE(PumpUntil([&] { return SendMessageA(hwndNameList, LB_GETCURSEL, 0, 0) == at; }));
    char buf[64] = "";
    GetEnvironmentVariableA(items[at].c_str(), buf, sizeof buf);
    EXPECT_TRUE(PumpUntil([&] { return Value() == buf || Value() == kLongValue; }));
}

TEST_F(UmvarWindow, LayoutFollowsTheBaseUnitsAndStaysOnResize) {
    const LONG units = GetDialogBaseUnits();
    const int cx = static_cast<short>(LOWORD(units)), cy = static_cast<short>(HIWORD(units));
    const RECT list = ChildRect(hwndNameList), line = ChildRect(hwndValueLine);
    EXPECT_EQ(list.left, cx);
    EXPECT_EQ(list.top, 3 * cy);
    EXPECT_EQ(list.right - list.left, 16 * cx + GetSystemMetrics(SM_CXVSCROLL));
    // The list box trims its height to whole lines; it never grows.
    EXPECT_LE(list.bottom - list.top, 5 * cy);
    EXPECT_GT(list.bottom - list.top, 3 * cy);
    EXPECT_EQ(line.left, cx);
    EXPECT_EQ(line.top, cy);
    EXPECT_EQ(line.right - line.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(line.bottom - line.top, cy);

    const SIZE sizes[] = {{200, 120}, {900, 700}, {60, 40}};
    for (SIZE s : sizes) {
        SetWindowPos(hwnd, nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER);
        PumpFor(20);
        const RECT l2 = ChildRect(hwndNameList), v2 = ChildRect(hwndValueLine);
        EXPECT_TRUE(EqualRect(&l2, &list)) << s.cx << "x" << s.cy;
        EXPECT_TRUE(EqualRect(&v2, &line)) << s.cx << "x" << s.cy;
    }
    ShowWindow(hwnd, SW_MAXIMIZE);
    PumpFor(20);
    const RECT l3 = ChildRect(hwndNameList);
    EXPECT_TRUE(EqualRect(&l3, &list));
}

// The real program, started with a block of the test's own making.
TEST(UmvarProgram, ListsTheBlockItWasStartedWith) {
    // A name longer than any environment name may be is left out; its neighbours stay.
    const std::string tooLong(ENV_NAME_MAX + 100, 'L');
    const std::string env = Block({"=C:=C:\\", "ZED=last", "ALPHA=first", tooLong + "=v",
                                   "EQ=x=y=z", "EMPTY=", "SystemRoot=C:\\windows"});
    StartedProgram p =
        StartProgramUnderTest("Umvar.exe", "Umvar", "Umgebungsvariablen", 15000, env.c_str());
    ASSERT_NE(p.pi.hProcess, nullptr);
    ASSERT_NE(p.hwnd, nullptr);
    HWND list = GetDlgItem(p.hwnd, IDC_NAME_LIST), line = GetDlgItem(p.hwnd, IDC_VALUE_LINE);
    ASSERT_NE(list, nullptr);
    ASSERT_NE(line, nullptr);

    const std::vector<std::string> items = ListItems(list);
    for (const std::string& s : items) {
        EXPECT_NE(s[0], '=');
        EXPECT_LE(s.size(), static_cast<std::size_t>(ENV_NAME_MAX));
    }
    for (const char* n : {"ALPHA", "EMPTY", "EQ", "ZED"})
        EXPECT_EQ(std::count(items.begin(), items.end(), n), 1) << n;
    EXPECT_LT(IndexOf(items, "ALPHA"), IndexOf(items, "EMPTY"));
    EXPECT_LT(IndexOf(items, "EMPTY"), IndexOf(items, "EQ"));
    EXPECT_LT(IndexOf(items, "EQ"), IndexOf(items, "ZED"));

    struct Case {
        const char* name;
        const char* value;
    } cases[] = {{"EQ", "x=y=z"}, {"EMPTY", ""}, {"ZED", "last"}, {"ALPHA", "first"}};
    for (const Case& c : cases) {
        const int i = IndexOf(items, c.name);
        ASSERT_GE(i, 0);
        SendMessageA(list, LB_SETCURSEL, i, 0);
        SendMessageA(p.hwnd, WM_COMMAND, MAKEWPARAM(IDC_NAME_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        EXPECT_EQ(WindowText(line), c.value) << c.name;
    }
    SendMessageA(list, LB_SETCURSEL, IndexOf(items, "EQ"), 0);
    SendMessageA(p.hwnd, WM_COMMAND, MAKEWPARAM(IDC_NAME_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    SaveWindowPng(p.hwnd, "umvar_program_selected");

    PostMessageA(p.hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(p), 0);
}

// Without memory for the value of the selected name the program reports it and ends with
// the report's code.
TEST(UmvarNoMemory, ReportsAndEndsWithCode41) {
    EXPECT_EXIT(
        {
            hInst = GetModuleHandleA(nullptr);
            RegisterUmvarClasses(hInst);
            SetEnvironmentVariableA("UMVAR_PICKED", "value");
            HWND hwnd = CreateUmvarWindow(hInst);
            ShowWindow(hwnd, SW_SHOWNORMAL);
            const LRESULT i =
                SendMessageA(hwndNameList, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>("UMVAR_PICKED"));
            if (i == LB_ERR)
                ExitProcess(97);
            valueAllocate = NoMemoryAlloc;
            WatchForNoMemoryBox("Umvar", "umvar_no_memory");
            SendMessageA(hwndNameList, LB_SETCURSEL, i, 0);
            SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_NAME_LIST, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(hwndNameList));
        },
        ::testing::ExitedWithCode(41), "no-memory box checked");
}

} // namespace

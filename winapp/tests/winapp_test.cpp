// The shared Windows pieces in a program that has nothing of Lorvex: the About dialog with
// the LorvexMDI template, the centring of a window, the message loop's accelerators, the
// name fields, the help requests and the start-up failure box.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "about.h"
#include "closereq.h"
#include "filedlg.h"
#include "help.h"
#include "msgloop.h"
#include "namefield.h"
#include "startup_box.h"
#include "wintest.h"

namespace {

HINSTANCE Instance() {
    return GetModuleHandleA(nullptr);
}

TEST(CenterWindowOver, MovesWithinTheScreen) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    HWND over = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                Instance(), nullptr);
    HWND box = CreateWindowExA(0, "STATIC", "", WS_POPUP, 5, 5, 300, 200, over, nullptr, Instance(),
                               nullptr);
    struct {
        RECT owner;
        POINT expected;
    } const cases[] = {
        {{600, 500, 1000, 760}, {650, 530}},
        {{900, 600, 1100, 800}, {724, 568}},
        {{-200, -300, 0, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        MoveWindow(over, c.owner.left, c.owner.top, c.owner.right - c.owner.left,
                   c.owner.bottom - c.owner.top, FALSE);
        CenterWindowOver(box, over);
        RECT r;
        GetWindowRect(box, &r);
        EXPECT_EQ(r.left, c.expected.x);
        EXPECT_EQ(r.top, c.expected.y);
        EXPECT_EQ(r.right - r.left, 300); // the size stays
        EXPECT_EQ(r.bottom - r.top, 200);
    }
    DestroyWindow(box);
    DestroyWindow(over);
}

HFONT ItemFont(HWND dlg, int id) {
    return reinterpret_cast<HFONT>(SendDlgItemMessageA(dlg, id, WM_GETFONT, 0, 0));
}

TEST(AboutDialog, ShowsTheVersionValuesItsLabelsNameInTheSmallFont) {
    HWND owner = CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 250,
                                 500, 300, nullptr, nullptr, Instance(), nullptr);
    ASSERT_NE(owner, nullptr);
    INT_PTR result = 0;
    bool checked = false;
    HFONT font = nullptr;
    bool ran = RunModal(
        [&] { result = DialogBoxParamA(Instance(), "AboutDlg", owner, AboutDlgProc, 0); },
        {{DialogTitled("About LorvexMDI"), [&](HWND dlg) {
              checked = true;
              font = hAboutFont;
              RECT d, o;
              GetWindowRect(dlg, &d);
              GetWindowRect(owner, &o);
              EXPECT_EQ(d.left,
                        CenteredCoordinate(o.left, o.right - o.left, d.right - d.left, 1024));
              EXPECT_EQ(d.top, CenteredCoordinate(o.top, o.bottom - o.top, d.bottom - d.top, 768));
              ASSERT_NE(hAboutFont, nullptr);
              const std::pair<int, const char*> replaced[] = {
                  {IDC_VERSION_FIRST, "Quenta Lernprogramme"},
                  {IDC_VERSION_2, "LorvexMDI Application"},
                  {IDC_VERSION_3, "1.0"},
              };
              for (const auto& [id, text] : replaced) {
                  EXPECT_EQ(ItemText(dlg, id), text) << id;
                  EXPECT_EQ(ItemFont(dlg, id), hAboutFont) << id;
              }
              // The sign makes the text name no value: it stays, in the dialog's font.
              EXPECT_EQ(ItemText(dlg, IDC_ABOUT_NOTICE), "LegalCopyright \xA9");
              EXPECT_NE(ItemFont(dlg, IDC_ABOUT_NOTICE), hAboutFont);
              // An empty value: either found (empty, small font) or not (the name stays).
              std::string trademarks = ItemText(dlg, IDC_VERSION_LAST);
              if (ItemFont(dlg, IDC_VERSION_LAST) == hAboutFont)
                  EXPECT_EQ(trademarks, "");
              else
                  EXPECT_EQ(trademarks, "LegalTrademarks");
              EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDOK));
              SaveWindowPng(dlg, "winapp_about_lorvexmdi");
              TypeKey(VK_ESCAPE);
          }}});
    EXPECT_TRUE(ran);
    EXPECT_TRUE(checked);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(hAboutFont, nullptr);
    // The labels' font object is deleted with the dialog, not only forgotten.
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(GetObjectType(font), 0u);
    DestroyWindow(owner);
}

// The loop's windows note which window got which command and key.
std::map<HWND, std::pair<int, int>> seen; // commands, key-downs

LRESULT CALLBACK NotingWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == 77)
        ++seen[hwnd].first;
    else if (message == WM_KEYDOWN)
        ++seen[hwnd].second;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(RunMessageLoop, TranslatesAcceleratorsForTheGivenWindowOrTheAddressee) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = NotingWndProc;
    wc.hInstance = Instance();
    wc.lpszClassName = "WinappNoting";
    ASSERT_NE(RegisterClassA(&wc), 0);
    HWND first = CreateWindowExA(0, "WinappNoting", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 Instance(), nullptr);
    HWND second = CreateWindowExA(0, "WinappNoting", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  Instance(), nullptr);
    ACCEL entry{FVIRTKEY, VK_F2, 77};
    HACCEL accel = CreateAcceleratorTableA(&entry, 1);
    ASSERT_NE(accel, nullptr);

    struct {
        const char* name;
        HACCEL accel;
        HWND accelWindow;
        WORD key;
        std::pair<int, int> first, second;
    } const cases[] = {
        {"to the given window", accel, first, VK_F2, {1, 0}, {0, 0}},
        {"to the addressee", accel, nullptr, VK_F2, {0, 0}, {1, 0}},
        {"other key dispatched", accel, first, VK_F3, {0, 0}, {0, 1}},
        {"no table", nullptr, nullptr, VK_F2, {0, 0}, {0, 1}},
    };
    int code = 40;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        seen.clear();
        PostMessageA(second, WM_KEYDOWN, c.key, 1);
        PostQuitMessage(++code); // comes once the queue holds nothing else
        EXPECT_EQ(RunMessageLoop(c.accel, c.accelWindow), code);
        EXPECT_EQ(seen[first], c.first);
        EXPECT_EQ(seen[second], c.second);
    }
    DestroyAcceleratorTable(accel);
    DestroyWindow(first);
    DestroyWindow(second);
}

// A fixed-length name field as the programs keep it: text, NUL, blanks; or all text.
struct NameCase {
    const char* name;
    std::string field; // the whole field, NUL included where there is one
    const char* offered;
};

TEST(InitFileDialog, OffersTheNameWithoutTrailingBlanksAndCutToThePathBuffer) {
    const std::string longName(300, 'n');
    const NameCase cases[] = {
        {"trailing blank before the NUL", std::string("Lorvex_Ergebnis.dat \0   ", 24),
         "Lorvex_Ergebnis.dat"},
        {"blanks inside stay", std::string("a b.dat\0", 8), "a b.dat"},
        {"all blank", std::string("     \0", 6), ""},
        {"no NUL in the field", "Zelmark_h.bmp  ", "Zelmark_h.bmp"},
        {"longer than the path buffer", longName, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string field = c.field;
        char path[256];
        memset(path, 'x', sizeof path);
        OPENFILENAMEA record;
        InitFileDialog(record, nullptr, "Title", OFN_LONGNAMES, "All\0*.*\0", "dat", field.data(),
                       static_cast<DWORD>(field.size()), path, sizeof path);
        const std::string offered = c.offered ? c.offered : longName.substr(0, 255);
        EXPECT_EQ(std::string(path), offered);
        EXPECT_EQ(record.lpstrFile, path);
        EXPECT_EQ(record.nMaxFile, sizeof path);
        EXPECT_EQ(record.lpstrFileTitle, field.data());
        EXPECT_EQ(record.lStructSize, OPEN_FILE_NAME_SIZE);
    }
}

TEST(ChosenFilePath, StopsAtTheNulOrAtTheBufferEnd) {
    char buffer[16];
    OPENFILENAMEA record{};
    record.lpstrFile = buffer;
    record.nMaxFile = sizeof buffer;
    memcpy(buffer, "C:\\a.dat\0zzzzzz", sizeof buffer);
    EXPECT_EQ(ChosenFilePath(record), "C:\\a.dat");
    // A path that fills the buffer without a NUL is taken whole, and nothing behind it.
    memcpy(buffer, "C:\\0123456789.da", sizeof buffer);
    EXPECT_EQ(ChosenFilePath(record), "C:\\0123456789.da");
    record.nMaxFile = 5;
    EXPECT_EQ(ChosenFilePath(record), "C:\\01");
}

TEST(CloseMustWait, WhileABoxOfTheWindowOrAnOwnerlessTaskModalBoxIsOpen) {
    HWND window = CreateWindowExA(0, "STATIC", "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                  300, 200, nullptr, nullptr, Instance(), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(CloseMustWait(window));
    struct {
        const char* name;
        HWND owner;
        UINT style;
    } const cases[] = {
        {"owned box", window, MB_OK},
        {"ownerless task-modal box", nullptr, MB_OK | MB_TASKMODAL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bool waited = false;
        EXPECT_TRUE(RunModal([&] { MessageBoxA(c.owner, "Text", "Box", c.style); },
                             {{DialogTitled("Box"), [&](HWND box) {
                                   waited = CloseMustWait(window);
                                   PressButton(box, IDOK);
                               }}}));
        EXPECT_TRUE(waited);
        EXPECT_FALSE(CloseMustWait(window)); // the box gave the window back
    }
    DestroyWindow(window);
}

TEST(SetNameField, WritesTheTextANulAndBlanksToTheEndOfTheField) {
    const std::string longest(NAME_FIELD_LENGTH - 1, 'n');
    struct {
        const char* name;
        std::string text, kept;
    } const cases[] = {
        {"a name", "LorvexMDI", "LorvexMDI"},
        {"empty", "", ""},
        {"the longest that fits", longest, longest},
        {"longer than the field", std::string(150, 'n'), longest},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NameField field;
        memset(field, 'x', sizeof field);
        SetNameField(field, c.text.c_str());
        EXPECT_EQ(std::string(field), c.kept);
        EXPECT_EQ(std::string(field + c.kept.size() + 1, NAME_FIELD_LENGTH - c.kept.size() - 1),
                  std::string(NAME_FIELD_LENGTH - c.kept.size() - 1, ' '));
    }
}

// The program's main window, another top-level window of its thread, and the one that has the
// focus when the request is made.
class HelpRequests : public ::testing::Test {
  protected:
    HWND main = nullptr, other = nullptr;

    void SetUp() override {
        main = CreateWindowExA(0, "STATIC", "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300,
                               200, nullptr, nullptr, Instance(), nullptr);
        other = CreateWindowExA(0, "STATIC", "Other", WS_POPUP | WS_VISIBLE, 600, 400, 200, 100,
                                nullptr, nullptr, Instance(), nullptr);
        ASSERT_NE(main, nullptr);
        ASSERT_NE(other, nullptr);
    }
    void TearDown() override {
        DestroyWindow(other);
        DestroyWindow(main);
    }
};

using HelpRequest = void (*)(WinHelpRoutine, HWND, const char*);

TEST_F(HelpRequests, ReachTheEngineForTheProgramsHelpFile) {
    struct {
        const char* name;
        HelpRequest request;
        const char* file;
        UINT command;
        const char* data;
    } const cases[] = {
        {"contents", RequestHelpContents, "\\Demo.hlp", HELP_KEY, "CONTENTS"},
        {"search", RequestHelpSearch, "Demo.hlp", HELP_PARTIALKEY, ""},
        {"help on help", RequestHelpOnHelp, "", HELP_HELPONHELP, "(none)"},
    };
    helpAnswer = TRUE;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        helpCalls.clear();
        c.request(FakeWinHelp, main, "Demo");
        ASSERT_EQ(helpCalls.size(), 1u);
        EXPECT_EQ(helpCalls[0].hwnd, main);
        EXPECT_EQ(helpCalls[0].file, c.file);
        EXPECT_EQ(helpCalls[0].command, c.command);
        EXPECT_EQ(helpCalls[0].data, c.data);
        EXPECT_EQ(FindThreadDialog(), nullptr);
    }
    // The contents request hands over its names in 100-character fields.
    EXPECT_EQ(helpFileName[NAME_FIELD_LENGTH - 1], ' ');
    EXPECT_EQ(helpKeyword[NAME_FIELD_LENGTH - 1], ' ');
}

// A refused request shows its box; whoever owns the box, the main window takes no close
// request while it is open and is given back as it was.
TEST_F(HelpRequests, ARefusalShowsTheBoxAndHoldsTheMainWindowMeanwhile) {
    enum Focus { MAIN, OTHER, NONE };
    struct {
        const char* name;
        HelpRequest request;
        Focus focus;
        bool mainDisabledBefore; // by a dialog of its own, say
        Focus owner;
    } const cases[] = {
        {"contents", RequestHelpContents, OTHER, false, MAIN},
        {"search", RequestHelpSearch, NONE, false, MAIN},
        {"help on help, focus in the main window", RequestHelpOnHelp, MAIN, false, MAIN},
        {"help on help, focus elsewhere", RequestHelpOnHelp, OTHER, false, OTHER},
        {"help on help, no focus", RequestHelpOnHelp, NONE, false, NONE},
        {"help on help, main window disabled already", RequestHelpOnHelp, NONE, true, NONE},
    };
    helpAnswer = FALSE;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND focus = c.focus == MAIN ? main : c.focus == OTHER ? other : nullptr;
        ASSERT_TRUE(ActivateWindow(focus ? focus : main));
        SetFocus(focus);
        EnableWindow(main, c.mainDisabledBefore ? FALSE : TRUE);
        helpCalls.clear();
        bool mainHeld = false;
        BoxSeen box;
        EXPECT_TRUE(RunModal([&] { c.request(FakeWinHelp, main, "Demo"); },
                             {{DialogTitled("Demo"), [&](HWND dlg) {
                                   mainHeld = CloseMustWait(main);
                                   box = ReadAndCloseBox(dlg, "winapp_help_failure");
                               }}}));
        EXPECT_EQ(helpCalls.size(), 1u);
        EXPECT_EQ(box.caption, "Demo");
        EXPECT_EQ(box.text, "Unable to activate help");
        EXPECT_EQ(box.owner, c.owner == MAIN ? main : c.owner == OTHER ? other : nullptr);
        EXPECT_TRUE(box.topmost);  // MB_SYSTEMMODAL
        EXPECT_TRUE(box.handIcon); // MB_ICONHAND
        EXPECT_TRUE(mainHeld);
        EXPECT_EQ(IsWindowEnabled(main) == FALSE, c.mainDisabledBefore);
        EnableWindow(main, TRUE);
    }
}

TEST(ReportStartupFailure, ShowsTheProgramsBoxWithoutOwner) {
    BoxSeen box;
    EXPECT_TRUE(RunModal([] { ReportStartupFailure("Demo"); },
                         {BoxStep("Error", &box, "winapp_startup_failure")}));
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.text, "Error initializing application Demo");
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_FALSE(box.topmost);
    EXPECT_FALSE(box.handIcon);
    EXPECT_FALSE(box.exclamationIcon);
    EXPECT_FALSE(box.infoIcon);
}

} // namespace

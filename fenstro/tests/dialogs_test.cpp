// The dialog library on real templates, shown modal to the frame.
#include "testhooks.h"

#include <atomic>

#include "testids.h"

namespace {

DialogRecord formel, inner, about;

struct Seen {
    int clicks = 0;
    std::int32_t control = 0, reason = 0;
    std::string a, m;
    bool plus = true;
    bool sameRecord = false;
    std::int32_t innerResult = 0;
    HWND innerOwner = nullptr;
    bool outerDisabled = false;
};
Seen seen;

// The formula dialog's OK: reads what the user typed, answers in another control.
void FormelCallback(DialogRecord& dlg, std::int32_t& control, std::int32_t& reason) {
    ++seen.clicks;
    seen.control = control;
    seen.reason = reason;
    seen.sameRecord = &dlg == &formel;
    std::string a(20, '#'), m(3, '#');
    DlgGetText(dlg, IDC_T_A, a);
    DlgGetText(dlg, IDC_T_M, m, DLG_INDEX_CURRENT);
    seen.a = a;
    seen.m = m;
    DlgGetLogical(dlg, IDC_T_PLUS, seen.plus);
    std::string answer = "Klick " + std::to_string(seen.clicks) + "   ";
    DlgSetText(dlg, IDC_T_B, answer);
}

// The same button opens another dialog from inside the callback.
void NestingCallback(DialogRecord& dlg, std::int32_t&, std::int32_t&) {
    EXPECT_TRUE(DLGInit(IDD_TEST_NESTED, inner));
    DlgSetText(inner, IDC_T_INNER, std::string("von innen"));
    seen.innerResult = DLGMODAL(inner);
    std::string text(12, ' ');
    DlgGetText(inner, IDC_T_INNER, text);
    seen.a = text;
    DlgRelease(inner);
    (void)dlg;
}

// Fills the formula dialog as the formula demo does: values, ten items, item 8 current.
void FillFormel() {
    ASSERT_TRUE(DLGInit(IDD_TEST_FORMEL, formel));
    ASSERT_TRUE(DlgSetCallback(formel, IDC_T_OK, FormelCallback));
    ASSERT_TRUE(DlgSetText(formel, IDC_T_A, std::string("           1.0000   ")));
    ASSERT_TRUE(DlgSetLogical(formel, IDC_T_PLUS, true));
    ASSERT_TRUE(DlgSetInteger(formel, IDC_T_M, 10, DLG_INDEX_ITEMCOUNT));
    for (int k = 1; k <= 10; ++k) {
        char cell[4];
        std::snprintf(cell, sizeof cell, "%2d ", k - 6);
        ASSERT_TRUE(DlgSetText(formel, IDC_T_M, cell, std::size_t{3}, k));
    }
    ASSERT_TRUE(DlgSetInteger(formel, IDC_T_M, 8, DLG_INDEX_CURRENT));
    ASSERT_TRUE(DlgSetText(formel, IDC_T_M, std::string(" 2 "), DLG_INDEX_CURRENT));
    ASSERT_TRUE(DlgSetText(formel, IDC_T_N, std::string("4                   ")));
}

// A push button's routine that only notes how it was called.
void NoteCallback(DialogRecord&, std::int32_t& control, std::int32_t& reason) {
    ++seen.clicks;
    seen.control = control;
    seen.reason = reason;
}

// The control of a shown dialog with that text.
HWND ControlTitled(HWND dlg, const std::string& text) {
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (WindowText(c) == text)
            return c;
    return nullptr;
}

bool Checked(HWND dlg, int id) {
    return SendDlgItemMessageA(dlg, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Key(HWND target, WPARAM vk) {
    PostMessageA(target, WM_KEYDOWN, vk, 0);
    PostMessageA(target, WM_KEYUP, vk, 0xC0000000);
}

class Dialogs : public FenstroTest {
  protected:
    void SetUp() override {
        seen = Seen();
        ASSERT_TRUE(Start());
    }
    void TearDown() override {
        DlgRelease(formel);
        DlgRelease(inner);
        DlgRelease(about);
        FenstroTest::TearDown();
    }
};

} // namespace

TEST_F(Dialogs, RecordHoldsValuesBeforeTheDialogIsShown) {
    DialogRecord none;
    EXPECT_FALSE(DLGInit(4711, none));
    EXPECT_FALSE(DLGInit(0, none));
    EXPECT_EQ(DLGMODAL(none), -1);
    std::string buf(10, ' ');
    EXPECT_FALSE(DlgGetText(none, IDC_T_A, buf));

    ASSERT_TRUE(DLGInit(IDD_TEST_FORMEL, formel));
    EXPECT_EQ(formel.id, IDD_TEST_FORMEL);
    // As the template has them: the first radio button of the group marked, the label's
    // text in Windows-1252.
    bool plus = false, minus = true;
    EXPECT_TRUE(DlgGetLogical(formel, IDC_T_PLUS, plus));
    EXPECT_TRUE(DlgGetLogical(formel, IDC_T_MINUS, minus));
    EXPECT_TRUE(plus);
    EXPECT_FALSE(minus);
    std::string label(8, '#');
    EXPECT_TRUE(DlgGetText(formel, IDC_T_LABEL, label));
    EXPECT_EQ(label, "Gr\xF6\xDF"
                     "e   ");

    FillFormel();
    std::string a(20, '#');
    EXPECT_TRUE(DlgGetText(formel, IDC_T_A, a));
    EXPECT_EQ(a, "           1.0000   "); // trailing blanks dropped, then blank-filled
    std::string m(3, '#'), item(3, '#');
    EXPECT_TRUE(DlgGetText(formel, IDC_T_M, m, DLG_INDEX_CURRENT));
    EXPECT_EQ(m, " 2 "); // the item's leading blank stays
    EXPECT_TRUE(DlgGetText(formel, IDC_T_M, item, 6));
    EXPECT_EQ(item, " 0 ");
    std::int32_t n = 0;
    EXPECT_TRUE(DlgGetInteger(formel, IDC_T_M, n, DLG_INDEX_ITEMCOUNT));
    EXPECT_EQ(n, 10);
    EXPECT_FALSE(DlgSetText(formel, IDC_T_M, std::string("x"), 11));
    EXPECT_FALSE(DlgSetInteger(formel, IDC_T_A, 3, DLG_INDEX_ITEMCOUNT));
    EXPECT_FALSE(DlgSetLogical(formel, IDC_T_A, true));
    EXPECT_FALSE(DlgSetCallback(formel, IDC_T_A, FormelCallback));
    EXPECT_FALSE(DlgSetText(formel, 4711, std::string("x")));
    EXPECT_TRUE(DlgSetLogical(formel, IDC_T_MINUS, true));
    DlgGetLogical(formel, IDC_T_PLUS, plus);
    EXPECT_FALSE(plus);

    // Released, the record can be filled again and starts over.
    EXPECT_TRUE(DlgRelease(formel));
    EXPECT_EQ(DLGMODAL(formel), -1);
    ASSERT_TRUE(DLGInit(IDD_TEST_FORMEL, formel));
    EXPECT_TRUE(DlgGetText(formel, IDC_T_A, a));
    EXPECT_EQ(a, std::string(20, ' '));
}

TEST_F(Dialogs, ModalDialogShowsTheRecordAndRunsTheCallback) {
    FillFormel();
    std::int32_t result = 0;
    HWND shown = nullptr;
    bool ran = RunModal([&] { result = DLGMODAL(formel); },
                        {{DialogTitled("Formel - Berechnung"),
                          [&](HWND dlg) {
                              shown = dlg;
                              EXPECT_EQ(DlgWindow(formel), dlg);
                              EXPECT_EQ(GetWindow(dlg, GW_OWNER), FenstroFrame());
                              EXPECT_FALSE(IsWindowEnabled(FenstroFrame()));
                              EXPECT_EQ(ItemText(dlg, IDC_T_A), "           1.0000");
                              EXPECT_EQ(ItemText(dlg, IDC_T_N), "4");
                              EXPECT_TRUE(Checked(dlg, IDC_T_PLUS));
                              EXPECT_FALSE(Checked(dlg, IDC_T_MINUS));
                              HWND combo = GetDlgItem(dlg, IDC_T_M);
                              EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 10);
                              EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 7);
                              EXPECT_EQ(WindowText(combo), " 2");
                              char item[8] = "";
                              SendMessageA(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
                              EXPECT_STREQ(item, "-5");
                              SendMessageA(combo, CB_GETLBTEXT, 5, reinterpret_cast<LPARAM>(item));
                              EXPECT_STREQ(item, " 0");
                              SaveWindowPng(dlg, "fenstro_dialog_formel");
                              // The user types, marks "-", picks -3 and clicks OK.
                              SetDlgItemTextA(dlg, IDC_T_A, "  2.5");
                              SendDlgItemMessageA(dlg, IDC_T_MINUS, BM_CLICK, 0, 0);
                              SendMessageA(combo, CB_SETCURSEL, 2, 0);
                              SendDlgItemMessageA(dlg, IDC_T_OK, BM_CLICK, 0, 0);
                          }},
                         {[&]() -> HWND { return seen.clicks == 1 ? shown : nullptr; },
                          [&](HWND dlg) {
                              // The callback ran instead of ending the dialog, and its answer
                              // shows.
                              EXPECT_TRUE(IsWindowVisible(dlg));
                              EXPECT_EQ(ItemText(dlg, IDC_T_B), "Klick 1");
                              // Enter in an edit field is the default button: the callback again.
                              SetFocus(GetDlgItem(dlg, IDC_T_N));
                              Key(GetDlgItem(dlg, IDC_T_N), VK_RETURN);
                          }},
                         {[&]() -> HWND { return seen.clicks == 2 ? shown : nullptr; },
                          [&](HWND dlg) {
                              EXPECT_EQ(ItemText(dlg, IDC_T_B), "Klick 2");
                              SetDlgItemTextA(GetDlgItem(dlg, IDC_T_M), 0, "");
                              SetWindowTextA(GetDlgItem(dlg, IDC_T_M), "1234");
                              Key(GetDlgItem(dlg, IDC_T_A), VK_ESCAPE);
                          }}});
    ASSERT_TRUE(ran);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(seen.clicks, 2);
    EXPECT_EQ(seen.control, IDC_T_OK);
    EXPECT_EQ(seen.reason, DLG_REASON_CLICKED);
    EXPECT_TRUE(seen.sameRecord);
    EXPECT_EQ(seen.a, "  2.5" + std::string(15, ' '));
    EXPECT_EQ(seen.m, "-3 ");
    EXPECT_FALSE(seen.plus);
    EXPECT_EQ(DlgWindow(formel), nullptr);
    EXPECT_TRUE(IsWindowEnabled(FenstroFrame()));
    // After the end the record holds what the dialog showed last.
    std::string m(3, '#');
    DlgGetText(formel, IDC_T_M, m, DLG_INDEX_CURRENT);
    EXPECT_EQ(m, "123");
    bool minus = false;
    DlgGetLogical(formel, IDC_T_MINUS, minus);
    EXPECT_TRUE(minus);
    // Shown again, it shows those values.
    std::string again;
    RunModal([&] { result = DLGMODAL(formel); },
             {{DialogTitled("Formel - Berechnung"), [&](HWND dlg) {
                   again = ItemText(dlg, IDC_T_B);
                   PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); // the close box
               }}});
    EXPECT_EQ(again, "Klick 2");
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(Dialogs, EscAndCloseBoxNeedAControlTwo) {
    ASSERT_TRUE(DLGInit(IDD_TEST_ABOUT, about));
    std::int32_t result = 0;
    bool stillOpen = false;
    bool ran = RunModal([&] { result = DLGMODAL(about); },
                        {{DialogTitled("About Test"),
                          [&](HWND dlg) {
                              SaveWindowPng(dlg, "fenstro_dialog_about");
                              Key(GetDlgItem(dlg, IDOK), VK_ESCAPE);
                              PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
                              PostMessageA(dlg, WM_CLOSE, 0, 0);
                          }},
                         {[&]() -> HWND {
                              // Give the three a moment; the dialog must still be there.
                              static DWORD since = GetTickCount();
                              return GetTickCount() - since > 400 ? DlgWindow(about) : nullptr;
                          },
                          [&](HWND dlg) {
                              stillOpen = IsWindowVisible(dlg) != FALSE;
                              Key(GetDlgItem(dlg, IDOK), VK_RETURN);
                          }}});
    ASSERT_TRUE(ran);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, IDOK);
}

TEST_F(Dialogs, DialogOpenedFromACallbackIsModalToTheDialog) {
    ASSERT_TRUE(DLGInit(IDD_TEST_FORMEL, formel));
    ASSERT_TRUE(DlgSetCallback(formel, IDC_T_OK, NestingCallback));
    std::int32_t result = 0;
    HWND outer = nullptr;
    bool ran =
        RunModal([&] { result = DLGMODAL(formel); },
                 {{DialogTitled("Formel - Berechnung"),
                   [&](HWND dlg) {
                       outer = dlg;
                       SendDlgItemMessageA(dlg, IDC_T_OK, BM_CLICK, 0, 0);
                   }},
                  {DialogTitled("Innen"),
                   [&](HWND dlg) {
                       seen.innerOwner = GetWindow(dlg, GW_OWNER);
                       seen.outerDisabled = !IsWindowEnabled(outer);
                       EXPECT_EQ(ItemText(dlg, IDC_T_INNER), "von innen");
                       // Two labels share the id -1 and keep their own texts.
                       std::string labels;
                       for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                           if (GetDlgCtrlID(c) == -1 || GetDlgCtrlID(c) == 0xFFFF)
                               labels += WindowText(c) + ";";
                       EXPECT_EQ(labels, "Links;Rechts;");
                       SaveWindowPng(dlg, "fenstro_dialog_nested");
                       SetDlgItemTextA(dlg, IDC_T_INNER, "getippt");
                       Key(GetDlgItem(dlg, IDC_T_INNER), VK_RETURN); // OK, without callback
                   }},
                  {[&]() -> HWND { return seen.innerResult != 0 ? outer : nullptr; },
                   [&](HWND dlg) {
                       EXPECT_TRUE(IsWindowEnabled(dlg));
                       PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
                   }}});
    ASSERT_TRUE(ran);
    EXPECT_EQ(seen.innerOwner, outer);
    EXPECT_TRUE(seen.outerDisabled);
    EXPECT_EQ(seen.innerResult, IDOK);
    EXPECT_EQ(seen.a, "getippt     ");
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(Dialogs, ProgramThreadWritesWhileACallbackRuns) {
    static std::atomic<int> step{0};
    step = 0;
    mainHook = [] {
        while (step.load() != 1)
            SleepMilliseconds(5);
        WriteRecord(40, " vom Programm, neue Einheit");
        WriteDefaultOutput("vom Programm");
        step = 2;
    };
    ASSERT_TRUE(DLGInit(IDD_TEST_FORMEL, formel));
    // The callback waits for the program thread's writes without taking messages.
    ASSERT_TRUE(DlgSetCallback(formel, IDC_T_OK, [](DialogRecord&, std::int32_t&, std::int32_t&) {
        WriteDefaultOutput("aus dem Callback");
        step = 1;
        DWORD start = GetTickCount();
        while (step.load() != 2 && GetTickCount() - start < 5000)
            Sleep(5);
        seen.clicks = step.load();
    }));
    std::int32_t result = 0;
    bool ran = RunModal([&] { result = DLGMODAL(formel); },
                        {{DialogTitled("Formel - Berechnung"), [&](HWND dlg) {
                              SendDlgItemMessageA(dlg, IDC_T_OK, BM_CLICK, 0, 0);
                              PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
                          }}});
    ASSERT_TRUE(ran);
    EXPECT_EQ(seen.clicks, 2); // the program thread's writes completed
    ASSERT_TRUE(WaitForProgram());
    EXPECT_EQ(UnitLine(DEFAULT_OUTPUT_UNIT, 1), "aus dem Callback");
    EXPECT_EQ(UnitLine(DEFAULT_OUTPUT_UNIT, 2), "vom Programm");
    EXPECT_TRUE(PumpUntil([] { return GetWindowHandle(40) != nullptr; }));
    EXPECT_EQ(UnitLine(40, 1), "vom Programm, neue Einheit");
}

TEST_F(Dialogs, DialogThatCannotBeCreatedGivesMinusOne) {
    ASSERT_TRUE(DLGInit(IDD_TEST_BROKEN, formel));
    EXPECT_EQ(DLGMODAL(formel), -1);
    EXPECT_EQ(DlgWindow(formel), nullptr);
    EXPECT_TRUE(DlgRelease(formel));
}

namespace {

// Shows the dialog templ, clicks the push button id and ends the dialog with Cancel when the
// click did not.
void ClickPushButton(std::int32_t templ, std::int32_t id, bool callback) {
    seen = Seen();
    ASSERT_TRUE(DLGInit(templ, about));
    if (callback) {
        ASSERT_TRUE(DlgSetCallback(about, id, NoteCallback));
    }
    std::int32_t result = 0;
    std::vector<ModalStep> steps = {{DialogTitled("Hohe Nummern"), [&](HWND dlg) {
                                         HWND button = ControlTitled(dlg, std::to_string(id));
                                         ASSERT_NE(button, nullptr);
                                         SendMessageA(button, BM_CLICK, 0, 0); // a user's click
                                     }}};
    if (callback)
        steps.push_back({[&]() -> HWND { return seen.clicks > 0 ? DlgWindow(about) : nullptr; },
                         [&](HWND dlg) {
                             EXPECT_TRUE(IsWindowVisible(dlg)); // the callback kept it open
                             PressButton(dlg, IDCANCEL);
                         }});
    EXPECT_TRUE(RunModal([&] { result = DLGMODAL(about); }, steps));
    if (callback) {
        EXPECT_EQ(seen.clicks, 1);
        EXPECT_EQ(seen.control, id);
        EXPECT_EQ(seen.reason, DLG_REASON_CLICKED);
        EXPECT_EQ(result, IDCANCEL);
    } else {
        EXPECT_EQ(seen.clicks, 0);
        EXPECT_EQ(result, id);
    }
    DlgRelease(about);
}

} // namespace

TEST_F(Dialogs, PushButtonsWithIdsAbove32767) {
    // As a program may number them, up to 65535: a plain template writes that as the -1 of its
    // labels, and a click reports it as 0xFFFF.
    for (std::int32_t templ : {IDD_TEST_HIGH_IDS, IDD_TEST_HIGH_IDS_EX})
        for (std::int32_t id : {32768, 40000, 65535})
            for (bool callback : {true, false}) {
                SCOPED_TRACE((templ == IDD_TEST_HIGH_IDS ? "plain template, button "
                                                         : "extended template, button ") +
                             std::to_string(id) + (callback ? " with callback" : " without"));
                ClickPushButton(templ, id, callback);
            }
}

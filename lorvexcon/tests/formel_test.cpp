// The formula dialog, opened from its menu item and driven inside its modal loop.
#include <cmath>
#include <cstring>

#include "tests/formdemo_checks.h"
#include "lorvexcon_fixture.h"

namespace {

const char* const TITLE = "Formel - Berechnung";

class FormelCS : public LorvexCon {
  protected:
    // Opens the dialog from "&Berechnen" > "&FormelCS", runs act inside it, then "Cancel".
    void Run(const std::function<void(HWND)>& act) {
        ASSERT_TRUE(RunModal([] { ChooseMenuItem(2, 1); },
                             {{DialogTitled(TITLE), act},
                              {DialogTitled(TITLE), [](HWND dlg) { ClickNow(dlg, IDCANCEL); }}}));
        EXPECT_EQ(FindThreadDialog(TITLE), nullptr);
    }
};

// A model other than the defaults in every field, for telling stored values apart.
void SetOldValues() {
    formulaModel.a = 1.5;
    formulaModel.b = 2.5;
    formulaModel.s = 1.0;
    formulaModel.m = 3;
    formulaModel.n = 6;
    formulaModel.xMin = -5;
    formulaModel.xMax = 5;
}

} // namespace

TEST_F(FormelCS, OpensOnTheDefaultsInTemplateOrder) {
    Run([](HWND dlg) {
        EXPECT_EQ(GetWindow(dlg, GW_OWNER), FenstroFrame());
        ExpectControlsInOrder(dlg, {{IDC_A, "Edit"},       {-1, "Static"},
                                    {-1, "Button"},        {IDC_FORMEL_OK, "Button"},
                                    {IDCANCEL, "Button"},  {-1, "Static"},
                                    {-1, "Static"},        {IDC_B, "Edit"},
                                    {-1, "Static"},        {IDC_PLUS, "Button"},
                                    {IDC_MINUS, "Button"}, {-1, "Static"},
                                    {-1, "Static"},        {IDC_N, "Edit"},
                                    {-1, "Static"},        {-1, "Static"},
                                    {-1, "Static"},        {IDC_XMIN, "Edit"},
                                    {IDC_XMAX, "Edit"},    {IDC_M, "ComboBox"}});
        ExpectDefaultParameterTexts(dlg);
        HWND combo = GetDlgItem(dlg, IDC_M);
        ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 10);
        const char* items[] = {"-5", "-4", "-3", "-2", "-1", " 0", " 1", " 2", " 3", " 4"};
        for (int k = 0; k < 10; ++k) {
            char text[16] = "";
            SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(k),
                         reinterpret_cast<LPARAM>(text));
            EXPECT_STREQ(text, items[k]);
        }
        EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 7);
        EXPECT_EQ(WindowText(combo), " 2");
        HWND picture = GetWindow(GetDlgItem(dlg, IDC_A), GW_HWNDNEXT);
        BITMAP bm{};
        GetObjectA(reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)),
                   sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, 411);
        // (The screenshot of this dialog is taken from the real program.)
    });
}

TEST_F(FormelCS, OkReadsEveryControlOrStopsAtTheFirstUnreadableOne) {
    struct Case {
        const char* name;
        std::function<void(HWND)> edit; // what the user does before OK
        bool fails;                     // the error line, nothing computed
        double a, b, s, xMin, xMax;
        std::int32_t m, n;
    };
    auto text = [](int id, const char* t) {
        return [id, t](HWND d) { SetDlgItemTextA(d, id, t); };
    };
    auto both = [](std::function<void(HWND)> f, std::function<void(HWND)> g) {
        return [f, g](HWND d) {
            f(d);
            g(d);
        };
    };
    auto minus = [](HWND d) { CheckRadioButton(d, IDC_PLUS, IDC_MINUS, IDC_MINUS); };
    auto pick = [](int index) {
        return [index](HWND d) {
            SendMessageA(GetDlgItem(d, IDC_M), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        };
    };
    const Case cases[] = {
        {"unchanged", [](HWND) {}, false, 1.5, 2.5, 1, -5, 5, 3, 6},
        {"picked -3", pick(2), false, 1.5, 2.5, 1, -5, 5, -3, 6},
        {"typed -3", text(IDC_M, "-3"), false, 1.5, 2.5, 1, -5, 5, -3, 6},
        {"typed 7", text(IDC_M, "7"), false, 1.5, 2.5, 1, -5, 5, 7, 6},
        {"typed 1234", text(IDC_M, "1234"), false, 1.5, 2.5, 1, -5, 5, 123, 6},
        {"letter in m",
         both(both(minus, text(IDC_N, "9")), both(text(IDC_M, "x"), text(IDC_A, "7"))), true, 1.5,
         2.5, -1, -5, 5, 3, 9},
        {"n emptied", both(both(minus, text(IDC_N, "")), text(IDC_M, "-2")), true, 1.5, 2.5, -1, -5,
         5, 3, 6},
        {"n = 0", text(IDC_N, "0"), false, 1.5, 2.5, 1, -5, 5, 3, 0},
        {"b emptied", both(text(IDC_A, "3"), both(text(IDC_B, ""), text(IDC_XMIN, "-1"))), true, 3,
         2.5, 1, -5, 5, 3, 6},
        {"b blank", both(text(IDC_A, "-4.25"), text(IDC_B, "      ")), true, -4.25, 2.5, 1, -5, 5,
         3, 6},
        {"a longer than 20", text(IDC_A, "0000000000000000000123"), false, 1, 2.5, 1, -5, 5, 3, 6},
        {"x max 10^12", text(IDC_XMAX, "1e12"), false, 1.5, 2.5, 1, -5, 1e12, 3, 6},
    };
    ShowResults(); // from now on each table adds 100 lines
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetOldValues();
        const std::size_t linesBefore = UnitLineCount(RESULTS_WINDOW_UNIT);
        const std::size_t errorsBefore = UnitLineCount(DEFAULT_OUTPUT_UNIT);
        Run([&](HWND dlg) {
            c.edit(dlg);
            ClickNow(dlg, IDC_FORMEL_OK);
            // OK does not end the dialog.
            EXPECT_TRUE(IsWindowVisible(dlg));
        });
        EXPECT_EQ(formulaModel.a, c.a);
        EXPECT_EQ(formulaModel.b, c.b);
        EXPECT_EQ(formulaModel.s, c.s);
        EXPECT_EQ(formulaModel.m, c.m);
        EXPECT_EQ(formulaModel.n, c.n);
        EXPECT_EQ(formulaModel.xMin, c.xMin);
        EXPECT_EQ(formulaModel.xMax, c.xMax);
        EXPECT_EQ(UnitLineCount(RESULTS_WINDOW_UNIT), linesBefore + (c.fails ? 0 : 100));
        const std::size_t errors = UnitLineCount(DEFAULT_OUTPUT_UNIT);
        if (c.fails) {
            ASSERT_EQ(errors, errorsBefore + 1);
            EXPECT_EQ(UnitLine(DEFAULT_OUTPUT_UNIT, errors), "Fehler in FormelCSDialogCBProc");
        } else {
            EXPECT_EQ(errors, errorsBefore);
        }
    }
}

TEST_F(FormelCS, TwoOksAppendTwoTablesAndEnableSaving) {
    Run([](HWND dlg) {
        ClickNow(dlg, IDC_FORMEL_OK);
        SetDlgItemTextA(dlg, IDC_N, "0");
        ClickNow(dlg, IDC_FORMEL_OK);
    });
    std::vector<std::string> lines = UnitLines(RESULTS_WINDOW_UNIT);
    ASSERT_EQ(lines.size(), 200u);
    EXPECT_EQ(lines[0], "           -12.0000                -0.8627");
    EXPECT_EQ(lines[100], "           -12.0000                 0.0000");
    EXPECT_FALSE(MenuItemGrayed(GetSubMenu(GetMenu(FenstroFrame()), 0), 1));
    PumpFor(200);
    SaveWindowPng(FenstroFrame(), "lorvexcon_results_two_computations");
}

TEST_F(FormelCS, ValuesThatTheDialogCannotShowAsTheyAre) {
    // The sign -1: next time neither button is marked, and OK keeps -1.
    // An m outside the items: no item selected and no text until one is picked or typed.
    // A value shown as asterisks cannot be read back.
    // A value with more decimals comes back rounded to the 4 shown.
    formulaModel.s = -1;
    formulaModel.m = 7;
    formulaModel.a = 1e12;
    formulaModel.b = 1.23456;
    Run([](HWND dlg) {
        EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_PLUS), BST_UNCHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_MINUS), BST_UNCHECKED);
        EXPECT_EQ(SendMessageA(GetDlgItem(dlg, IDC_M), CB_GETCURSEL, 0, 0), CB_ERR);
        EXPECT_EQ(ItemText(dlg, IDC_M), "");
        EXPECT_EQ(ItemText(dlg, IDC_A), "*****************");
        SetDlgItemTextA(dlg, IDC_M, "7");
        ClickNow(dlg, IDC_FORMEL_OK); // the asterisks
        SetDlgItemTextA(dlg, IDC_A, "2");
        ClickNow(dlg, IDC_FORMEL_OK);
    });
    EXPECT_EQ(formulaModel.s, -1);
    EXPECT_EQ(formulaModel.m, 7);
    EXPECT_EQ(formulaModel.a, 2);
    EXPECT_EQ(formulaModel.b, 1.2346);
    EXPECT_EQ(UnitLines(DEFAULT_OUTPUT_UNIT),
              std::vector<std::string>{"Fehler in FormelCSDialogCBProc"});
    EXPECT_EQ(UnitLineCount(RESULTS_WINDOW_UNIT), 100u);
}

TEST_F(FormelCS, CancelEscAndTheCloseBoxEndItAndKeepWhatOkStored) {
    const std::function<void(HWND)> ends[] = {
        [](HWND dlg) { PressButton(dlg, IDCANCEL); },
        [](HWND dlg) {
            ActivateWindow(dlg);
            TypeKey(VK_ESCAPE);
        },
        [](HWND dlg) { PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& end : ends) {
        formulaModel.n = 4;
        ASSERT_TRUE(RunModal([] { ChooseMenuItem(2, 1); }, {{DialogTitled(TITLE), [&](HWND dlg) {
                                                                 SetDlgItemTextA(dlg, IDC_N, "5");
                                                                 ClickNow(dlg, IDC_FORMEL_OK);
                                                                 end(dlg);
                                                             }}}));
        EXPECT_EQ(FindThreadDialog(TITLE), nullptr);
        EXPECT_EQ(formelDlg.state, nullptr); // released
        EXPECT_EQ(formulaModel.n, 5);
    }
}

TEST_F(FormelCS, TheFirstAndTheLastItemOfMStaySelectedWhenReopened) {
    struct Case {
        int index; // in the list, from 0
        std::int32_t m;
        const char* text;
    };
    const Case cases[] = {{0, -5, "-5"}, {9, 4, " 4"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        // Picked in the list (the combo box tells the dialog as a click in the list does).
        Run([&](HWND dlg) {
            HWND combo = GetDlgItem(dlg, IDC_M);
            SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(c.index), 0);
            SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_M, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(combo));
            ClickNow(dlg, IDC_FORMEL_OK);
        });
        EXPECT_EQ(formulaModel.m, c.m);
        // Reopened after Cancel: the item is selected and its text is the current text; OK
        // without touching it keeps m.
        Run([&](HWND dlg) {
            HWND combo = GetDlgItem(dlg, IDC_M);
            EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), c.index);
            EXPECT_EQ(WindowText(combo), c.text);
            formulaModel.m = 0;
            ClickNow(dlg, IDC_FORMEL_OK);
        });
        EXPECT_EQ(formulaModel.m, c.m);
    }
    EXPECT_EQ(UnitLineCount(DEFAULT_OUTPUT_UNIT), 0u);
}

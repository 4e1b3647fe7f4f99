// The formula dialog, driven inside its own modal loop from the menu command.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "about.h"
#include "tests/formdemo_checks.h"
#include "formelfields.h"
#include "lorvex_fixture.h"

namespace {

const char* const TITLE = "Formel - Berechnung";

class FormelDialog : public LorvexMain {
  protected:
    // Opens the dialog from the menu and runs the steps inside it; the last step must end it.
    void Run(std::vector<ModalStep> steps) {
        ASSERT_TRUE(
            RunModal([] { SendMessageA(hwndMain, WM_COMMAND, IDM_FORMEL, 0); }, std::move(steps)));
        EXPECT_EQ(FindThreadDialog(TITLE), nullptr);
    }
    static ModalStep Step(std::function<void(HWND)> act) { return {DialogTitled(TITLE), act}; }
    static ModalStep Cancel() {
        return Step([](HWND dlg) { PressButton(dlg, IDCANCEL); });
    }
};

TEST_F(FormelDialog, OpensOnTheDefaultsAndOkComputesAndShowsTheTable) {
    Run({Step([](HWND dlg) {
             EXPECT_EQ(GetWindow(dlg, GW_OWNER), hwndMain);
             // Template order is the order of the child windows.
             ExpectControlsInOrder(
                 dlg, {
                          {IDC_A, "Edit", nullptr},       {-1, "Static", nullptr}, // the picture
                          {-1, "Button", "Vorzeichen"},   {IDOK, "Button", "OK"},
                          {IDCANCEL, "Button", "Cancel"}, {-1, "Static", "a ="},
                          {-1, "Static", "b ="},          {IDC_B, "Edit", nullptr},
                          {-1, "Static", "s ="},          {IDC_PLUS, "Button", "+"},
                          {IDC_MINUS, "Button", "-"},     {IDC_M, "ListBox", nullptr},
                          {-1, "Static", "m ="},          {-1, "Static", "n ="},
                          {IDC_N, "Edit", nullptr},       {-1, "Static", nullptr},
                          {-1, "Static", "x (min.) ="},   {-1, "Static", "x (max.) ="},
                          {IDC_XMIN, "Edit", nullptr},    {IDC_XMAX, "Edit", nullptr},
                      });
             EXPECT_TRUE(GetWindowLongA(GetDlgItem(dlg, IDC_N), GWL_STYLE) & ES_NUMBER);
             HWND picture = GetWindow(GetDlgItem(dlg, IDC_A), GW_HWNDNEXT);
             HBITMAP bmp =
                 reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
             ASSERT_NE(bmp, nullptr);
             BITMAP bm{};
             GetObjectA(bmp, sizeof bm, &bm);
             EXPECT_EQ(bm.bmWidth, 411);
             EXPECT_EQ(bm.bmHeight, 104);

             ExpectDefaultParameterTexts(dlg);
             HWND list = GetDlgItem(dlg, IDC_M);
             EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 10);
             EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 7);
             EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 7); // shown
             const char* const items[] = {"-5", "-4", "-3", "-2", "-1",
                                          " 0", " 1", " 2", " 3", " 4"};
             for (int i = 0; i < 10; ++i) {
                 char text[8] = "";
                 SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
                 EXPECT_STREQ(text, items[i]);
             }
             EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDC_A));
             // Centred over the main window.
             ExpectCentredOverMain(dlg);
             SaveWindowPng(dlg, "lorvex_formula");
             PressButton(dlg, IDOK);
         }),
         {[] { return hwndResults != NO_WINDOW ? FindThreadDialog(TITLE) : nullptr; },
          [](HWND dlg) {
              // The dialog stays open beside the new results window.
              ExpectResultsPlacement();
              PumpFor(100);
              EXPECT_EQ(GetMenuState(hMenu, IDM_SPEICHERN, MF_BYCOMMAND) & MF_GRAYED, 0u);
              PressButton(dlg, IDCANCEL);
          }}});
    // OK read back exactly the values shown and computed the default table.
    EXPECT_EQ(formulaModel.a, 1.0);
    EXPECT_EQ(formulaModel.b, 2.0);
    EXPECT_EQ(formulaModel.s, 1.0);
    EXPECT_EQ(formulaModel.m, 2);
    EXPECT_EQ(formulaModel.n, 4);
    EXPECT_EQ(formulaModel.xMin, -12.0);
    EXPECT_EQ(formulaModel.xMax, 12.0);
    EXPECT_EQ(resultTable.xValues[99], 11.999999999999982);
    EXPECT_NE(resultTable.yValues[0], 0.0);
}

TEST_F(FormelDialog, NAtOrBelowZeroIsRefusedAfterSMAndNAreStored) {
    for (const char* nText : {"0", ""}) {
        SCOPED_TRACE(nText);
        ResetFormulaModel();
        BoxSeen box;
        HWND dialog = nullptr;
        Run({Step([&](HWND dlg) {
                 dialog = dlg;
                 SetDlgItemTextA(dlg, IDC_A, "5");
                 SendDlgItemMessageA(dlg, IDC_MINUS, BM_CLICK, 0, 0);
                 SendDlgItemMessageA(dlg, IDC_M, LB_SETCURSEL, 3, 0);
                 SetDlgItemTextA(dlg, IDC_N, nText);
                 PressButton(dlg, IDOK);
             }),
             BoxStep("Fehler", &box, "lorvex_formula_n_message"), Cancel()});
        ASSERT_TRUE(box.shown);
        EXPECT_EQ(box.text, "Eingabefehler: n mu\xDF > 0 sein.");
        EXPECT_EQ(box.owner, dialog);
        EXPECT_TRUE(box.topmost);
        EXPECT_TRUE(box.exclamationIcon);
        EXPECT_EQ(formulaModel.s, -1.0);
        EXPECT_EQ(formulaModel.m, -2);
        EXPECT_EQ(formulaModel.n, 0);
        EXPECT_EQ(formulaModel.a, 1.0); // not read
        EXPECT_EQ(hwndResults, NO_WINDOW);
        EXPECT_EQ(resultTable.xValues[0], 0.0);
    }
    // The next opening shows what was stored.
    Run({Step([](HWND dlg) {
        EXPECT_EQ(ItemText(dlg, IDC_N), "0");
        EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_PLUS), BST_UNCHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_MINUS), BST_UNCHECKED);
        EXPECT_EQ(SendDlgItemMessageA(dlg, IDC_M, LB_GETCURSEL, 0, 0), 3);
        PressButton(dlg, IDCANCEL);
    })});
}

TEST_F(FormelDialog, UnreadableNumberKeepsItAndTheFieldsAfterIt) {
    struct {
        const char* name;
        const char* a;
        const char* b;
        const char* xMin;
        const char* xMax;
        double wantA, wantB, wantXMin, wantXMax;
    } const cases[] = {
        {"b has letters", "3.5", "abc", "-1", "1", 3.5, 2.0, -12.0, 12.0},
        {"a only blanks", "     ", "7", "-1", "1", 1.0, 2.0, -12.0, 12.0},
        {"a emptied", "", "7", "-1", "1", 1.0, 2.0, -12.0, 12.0},
        {"x max asterisks", "3", "4", "-5", "*****************", 3.0, 4.0, -5.0, 12.0},
        {"two signs", "3", "4", "--5", "1", 3.0, 4.0, -12.0, 12.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetFormulaModel();
        BoxSeen box;
        Run({Step([&](HWND dlg) {
                 SetDlgItemTextA(dlg, IDC_A, c.a);
                 SetDlgItemTextA(dlg, IDC_B, c.b);
                 SetDlgItemTextA(dlg, IDC_XMIN, c.xMin);
                 SetDlgItemTextA(dlg, IDC_XMAX, c.xMax);
                 SetDlgItemTextA(dlg, IDC_N, "6");
                 PressButton(dlg, IDOK);
             }),
             BoxStep("Fehler", &box, "lorvex_formula_input_error"), Step([&](HWND dlg) {
                 // The controls keep what the user typed.
                 EXPECT_EQ(ItemText(dlg, IDC_B), c.b);
                 PressButton(dlg, IDCANCEL);
             })});
        ASSERT_TRUE(box.shown);
        EXPECT_EQ(box.text, "Eingabefehler");
        EXPECT_TRUE(box.exclamationIcon);
        EXPECT_TRUE(box.topmost);
        EXPECT_EQ(formulaModel.n, 6);
        EXPECT_EQ(formulaModel.a, c.wantA);
        EXPECT_EQ(formulaModel.b, c.wantB);
        EXPECT_EQ(formulaModel.xMin, c.wantXMin);
        EXPECT_EQ(formulaModel.xMax, c.wantXMax);
        EXPECT_EQ(hwndResults, NO_WINDOW);
    }
}

TEST_F(FormelDialog, LongTextIsReadFromItsFirstNineteenCharacters) {
    Run({Step([](HWND dlg) {
             SetDlgItemTextA(dlg, IDC_A, "0000000000000000002123456"); // 25 characters
             PressButton(dlg, IDOK);
         }),
         {[] { return hwndResults != NO_WINDOW ? FindThreadDialog(TITLE) : nullptr; },
          [](HWND dlg) { PressButton(dlg, IDCANCEL); }}});
    EXPECT_EQ(formulaModel.a, 2.0);
    EXPECT_EQ(std::string(aText, PARAM_FIELD_LENGTH), "0000000000000000002 ");
}

TEST_F(FormelDialog, MinusStaysWhenNeitherButtonIsMarked) {
    formulaModel.s = -1.0;
    Run({Step([](HWND dlg) {
             EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_PLUS), BST_UNCHECKED);
             EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_MINUS), BST_UNCHECKED);
             PressButton(dlg, IDOK);
         }),
         {[] { return hwndResults != NO_WINDOW ? FindThreadDialog(TITLE) : nullptr; },
          [](HWND dlg) { PostMessageA(dlg, WM_CLOSE, 0, 0); }}});
    EXPECT_EQ(formulaModel.s, -1.0);
}

} // namespace

#include "conformel.h"

#include <cstring>
#include <string>

#include "constartup.h"
#include "fenstro.h"
#include "formelfields.h"
#include "formula.h"
#include "paramread.h"
#include "resource.h"
#include "textio.h"

DialogRecord formelDlg;

namespace {

// The m text read back, the integer fields' texts, the "+" mark and the last library result.
char mText[M_ITEM_LENGTH];
char intText[INT_TEXT_CHARS];
char intOutText[INT_TEXT_CHARS];
bool plusChecked;
bool lastStatus;

constexpr const char* CALLBACK_ERROR = "Fehler in FormelCSDialogCBProc";
constexpr const char* DIALOG_ERROR = "Fehler in dlgFormelCS";

// Fills a fixed-length text from a text of the same length.
template <std::size_t N> void Fill(char (&field)[N], const std::string& text) {
    memcpy(field, text.data(), N);
}

// A decimal parameter into its text and its control.
template <std::size_t N> void ShowParam(std::int32_t id, char (&field)[N], double v) {
    Fill(field, ParamText(v));
    lastStatus = DlgSetText(formelDlg, id, field, N);
}

} // namespace

bool GetIntegerField(DialogRecord& dialog, std::int32_t id, std::int32_t& value) {
    lastStatus = DlgGetText(dialog, id, intText, sizeof intText);
    if (!lastStatus)
        return false;
    std::int32_t read = value;
    if (!ReadFieldValue(intText, sizeof intText, IntTarget(read)))
        return false;
    value = read;
    return true;
}

bool SetIntegerField(DialogRecord& dialog, std::int32_t id, std::int32_t value) {
    Fill(intOutText, IntegerText(value));
    lastStatus = DlgSetText(dialog, id, intOutText, sizeof intOutText);
    return lastStatus;
}

void dlgFormelCS(std::int32_t&) {
    lastStatus = DLGInit(IDD_FormelCS, formelDlg);
    if (!lastStatus) {
        WriteDefaultOutput("Fehler: DLGInit IDD_FormelCS versagte.");
        return;
    }
    lastStatus = DlgSetCallback(formelDlg, IDC_FORMEL_OK, FormelCSDialogCBProc);
    if (!lastStatus) {
        WriteDefaultOutput(DIALOG_ERROR);
        return;
    }
    ShowParam(IDC_A, aText, formulaModel.a);
    ShowParam(IDC_B, bText, formulaModel.b);
    // Any sign other than +1 leaves both buttons unmarked; "-" is never set.
    lastStatus = DlgSetLogical(formelDlg, IDC_PLUS, formulaModel.s == 1.0);
    if (!lastStatus) {
        WriteDefaultOutput(DIALOG_ERROR);
        return;
    }
    lastStatus = DlgSetInteger(formelDlg, IDC_M, M_ITEM_COUNT, DLG_INDEX_ITEMCOUNT);
    for (int k = 1; k <= M_ITEM_COUNT; ++k) {
        Fill(mItems[k - 1], MItemText(k));
        lastStatus = DlgSetText(formelDlg, IDC_M, mItems[k - 1], M_ITEM_LENGTH, k);
    }
    // An m outside the items leaves the combo box without selection and text: no item
    // stands for it, and the user picks or types one before the next OK.
    if (formulaModel.m >= 1 - M_ITEM_OFFSET && formulaModel.m <= M_ITEM_COUNT - M_ITEM_OFFSET) {
        const std::int32_t item = formulaModel.m + M_ITEM_OFFSET;
        lastStatus = DlgSetInteger(formelDlg, IDC_M, item, DLG_INDEX_CURRENT);
        lastStatus =
            DlgSetText(formelDlg, IDC_M, mItems[item - 1], M_ITEM_LENGTH, DLG_INDEX_CURRENT);
    }
    SetIntegerField(formelDlg, IDC_N, formulaModel.n);
    ShowParam(IDC_XMIN, xMinText, formulaModel.xMin);
    ShowParam(IDC_XMAX, xMaxText, formulaModel.xMax);
    const std::int32_t result = DLGMODAL(formelDlg);
    if (result == IDCANCEL)
        DlgRelease(formelDlg);
    else if (result == -1)
        WriteDefaultOutput(DIALOG_ERROR);
}

void FormelCSDialogCBProc(DialogRecord& dialog, std::int32_t& control, std::int32_t& reason) {
    if (control != IDC_FORMEL_OK || reason != DLG_REASON_CLICKED)
        return;
    lastStatus = DlgGetText(dialog, IDC_A, aText, sizeof aText);
    lastStatus = DlgGetText(dialog, IDC_B, bText, sizeof bText);
    lastStatus = DlgGetLogical(dialog, IDC_PLUS, plusChecked);
    if (!lastStatus) {
        WriteDefaultOutput(CALLBACK_ERROR);
        return;
    }
    formulaModel.s = plusChecked ? 1.0 : -1.0;
    if (!GetIntegerField(dialog, IDC_N, formulaModel.n)) {
        WriteDefaultOutput(CALLBACK_ERROR);
        return;
    }
    lastStatus = DlgGetText(dialog, IDC_M, mText, sizeof mText, DLG_INDEX_CURRENT);
    if (!lastStatus || !ReadFieldValue(mText, sizeof mText, IntTarget(formulaModel.m))) {
        WriteDefaultOutput(CALLBACK_ERROR);
        return;
    }
    lastStatus = DlgGetText(dialog, IDC_XMIN, xMinText, sizeof xMinText);
    lastStatus = DlgGetText(dialog, IDC_XMAX, xMaxText, sizeof xMaxText);
    // Each value is stored as soon as it has been read; the first that fails stops.
    if (!ReadParamFields(aText, bText, xMinText, xMaxText)) {
        WriteDefaultOutput(CALLBACK_ERROR);
        return;
    }
    ComputeFormula();
    ShowResults();
}

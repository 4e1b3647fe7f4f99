// The formula dialog: shows the parameters of the series; OK stores what it reads, computes
// the table and shows it. Only Cancel, Escape and the close box end the dialog.
#include <windows.h>

#include "formeldlg.h"

#include "about.h"
#include "closereq.h"
#include "formelfields.h"
#include "formula.h"
#include "lorvex.h"
#include "paramread.h"
#include "resultswnd.h"

namespace {

// The "+" button and the m list of the dialog on screen.
HWND hwndPlus = nullptr;
HWND hwndMList = nullptr;

// The list counts its items from 0: the value v stands at index v + 5.
constexpr int M_LIST_OFFSET = M_ITEM_OFFSET - 1;

void InitDialog(HWND hDlg) {
    CenterWindowOver(hDlg, GetWindow(hDlg, GW_OWNER));

    hwndPlus = GetDlgItem(hDlg, IDC_PLUS);
    // "-" is left alone: with s = -1 neither button is marked.
    SendMessageA(hwndPlus, BM_SETCHECK, formulaModel.s > 0.0 ? BST_CHECKED : BST_UNCHECKED, 0);

    hwndMList = GetDlgItem(hDlg, IDC_M);
    for (int k = 1; k <= M_ITEM_COUNT; ++k) {
        FormatMItem(k, mItems[k - 1]);
        SendMessageA(hwndMList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mItems[k - 1]));
    }

    FormatParamField(formulaModel.a, aText);
    FormatParamField(formulaModel.b, bText);
    FormatParamField(formulaModel.xMin, xMinText);
    FormatParamField(formulaModel.xMax, xMaxText);
    SetDlgItemTextA(hDlg, IDC_A, aText);
    SetDlgItemTextA(hDlg, IDC_B, bText);
    // Outside -5 to 4 no item is selected.
    SendMessageA(hwndMList, LB_SETCURSEL, static_cast<WPARAM>(formulaModel.m + M_LIST_OFFSET), 0);
    SetDlgItemInt(hDlg, IDC_N, static_cast<UINT>(formulaModel.n), TRUE);
    SetDlgItemTextA(hDlg, IDC_XMIN, xMinText);
    SetDlgItemTextA(hDlg, IDC_XMAX, xMaxText);
}

// A control's text into its field: at most 19 characters, blank-padded.
void TakeText(HWND hDlg, int id, char* field) {
    int k = GetDlgItemTextA(hDlg, id, field, PARAM_FIELD_LENGTH);
    BlankTail(field, PARAM_FIELD_LENGTH, k);
}

void InputError(HWND hDlg, const char* text) {
    MessageBoxA(hDlg, text, "Fehler", MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL);
}

void Ok(HWND hDlg) {
    TakeText(hDlg, IDC_A, aText);
    TakeText(hDlg, IDC_B, bText);
    formulaModel.s = SendMessageA(hwndPlus, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1.0 : -1.0;
    // Without a selection LB_ERR (-1) gives -6.
    formulaModel.m =
        static_cast<std::int32_t>(SendMessageA(hwndMList, LB_GETCURSEL, 0, 0)) - M_LIST_OFFSET;
    BOOL translated = FALSE;
    formulaModel.n = static_cast<std::int32_t>(GetDlgItemInt(hDlg, IDC_N, &translated, TRUE));
    if (formulaModel.n <= 0) {
        InputError(hDlg, "Eingabefehler: n mu\xDF > 0 sein.");
        return;
    }
    TakeText(hDlg, IDC_XMIN, xMinText);
    TakeText(hDlg, IDC_XMAX, xMaxText);
    // Each value is stored as soon as it is read; the first unreadable one ends the step.
    if (!ReadParamFields(aText, bText, xMinText, xMaxText)) {
        InputError(hDlg, "Eingabefehler");
        return;
    }
    ComputeFormula();
    ShowResultsWindow();
}

} // namespace

INT_PTR CALLBACK FormelDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: InitDialog(hDlg); return TRUE; // the focus goes to IDC_A
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            // An OK posted while the dialog's own input error box is open would read the
            // fields again and put a second box over the first. Cancel may end the dialog:
            // the box stays until it is answered.
            if (!CommandMustWait(hDlg))
                Ok(hDlg);
            return TRUE;
        case IDCANCEL: EndDialog(hDlg, 1); return TRUE;
        default: return FALSE;
        }
    case WM_CLOSE: EndDialog(hDlg, 1); return TRUE;
    default: return FALSE;
    }
}

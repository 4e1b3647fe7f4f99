// The About dialog: labels 1001 to 1005 that name a value of the program's version block
// show that value in a small Swiss font; the dialog centres itself over its owner.
#include "about.h"

#include <cstring>

HFONT hAboutFont = nullptr;

int QueryVersionString(void* versionBlock, const char* queryPath, char* valueBuffer) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(versionBlock, queryPath, &value, &length) || value == nullptr)
        return 0;
    // A value longer than the buffer is cut; the result always ends in a NUL.
    const char* text = static_cast<const char*>(value);
    size_t n = strnlen(text, length > 0 ? length : 0);
    if (n > VERSION_TEXT_LENGTH - 1)
        n = VERSION_TEXT_LENGTH - 1;
    memcpy(valueBuffer, text, n);
    valueBuffer[n] = '\0';
    return 1;
}

namespace {

// The program's file, and the label, query path and value being processed.
char modulePath[VERSION_TEXT_LENGTH];
char labelText[VERSION_TEXT_LENGTH];
char versionKey[VERSION_TEXT_LENGTH];
char versionValue[VERSION_TEXT_LENGTH];

// Replaces the labels that name a version value by that value.
void ShowVersionValues(HWND hDlg) {
    // The module the dialog was created from: the program's own file.
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hDlg, GWLP_HINSTANCE));
    GetModuleFileNameA(instance, modulePath, VERSION_TEXT_LENGTH);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(modulePath, &handle);
    if (size == 0)
        return;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr)
        return;
    void* block = GlobalLock(memory);
    if (block != nullptr) {
        GetFileVersionInfoA(modulePath, handle, size, block);
        for (int id = IDC_VERSION_FIRST; id <= IDC_VERSION_LAST; ++id) {
            GetDlgItemTextA(hDlg, id, labelText, VERSION_TEXT_LENGTH);
            // The prefix and the label together must fit the key with its NUL.
            size_t prefix = sizeof VERSION_PATH_PREFIX - 1;
            size_t label = strnlen(labelText, VERSION_TEXT_LENGTH - 1 - prefix);
            memcpy(versionKey, VERSION_PATH_PREFIX, prefix);
            memcpy(versionKey + prefix, labelText, label);
            versionKey[prefix + label] = '\0';
            if (QueryVersionString(block, versionKey, versionValue)) {
                memcpy(labelText, versionValue, VERSION_TEXT_LENGTH);
                SetDlgItemTextA(hDlg, id, labelText);
                SendMessageA(GetDlgItem(hDlg, id), WM_SETFONT, reinterpret_cast<WPARAM>(hAboutFont),
                             TRUE);
            }
        }
        GlobalUnlock(memory);
    }
    GlobalFree(memory);
}

} // namespace

INT_PTR CALLBACK AboutDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        hAboutFont = CreateFontA(14, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 VARIABLE_PITCH | FF_SWISS, "");
        CenterWindowOver(hDlg, GetWindow(hDlg, GW_OWNER));
        ShowVersionValues(hDlg);
        return TRUE; // the focus goes to the OK button
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, 1);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        // However the dialog ends (a quit message ends its loop too), its font goes with it.
        DeleteObject(hAboutFont);
        hAboutFont = nullptr;
        return FALSE;
    default: return FALSE;
    }
}

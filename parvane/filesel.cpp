// File selection through the common open dialog, and the box that reports the system's last
// error code.
#include <cderr.h>

#include <cstring>

#include "filedlg.h"
#include "filesel.h"

static_assert(FILE_DIALOG_BUFFER_TOO_SMALL == FNERR_BUFFERTOOSMALL, "the dialog's own code");

OPENFILENAMEA ofn;
char szFile[FILE_FIELD_LENGTH];
char szFileTitle[FILE_FIELD_LENGTH];
char szFilter[FILE_FIELD_LENGTH];
char szDefExt[4];
char szErrText[ERR_TEXT_LENGTH];

void InitOpenFileName(HWND owner, const char* title) {
    memset(&ofn, 0, sizeof ofn);
    ofn.lStructSize = OPEN_FILE_NAME_SIZE;
    ofn.hwndOwner = owner;
    ofn.hInstance = nullptr;
    ofn.lpstrFilter = szFilter;
    ofn.lpstrCustomFilter = nullptr;
    ofn.nMaxCustFilter = 0;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = szFile;
    ofn.nMaxFile = sizeof szFile;
    // A buffer of its own for the title, so that szFile gets the full path back.
    ofn.lpstrFileTitle = szFileTitle;
    ofn.nMaxFileTitle = sizeof szFileTitle;
    ofn.lpstrInitialDir = nullptr;
    ofn.lpstrTitle = title;
    ofn.Flags = OFN_LONGNAMES | OFN_FILEMUSTEXIST;
    ofn.nFileOffset = 0;
    ofn.nFileExtension = 0;
    ofn.lpstrDefExt = szDefExt;
    ofn.lCustData = 0;
    ofn.lpfnHook = nullptr;
    ofn.lpTemplateName = nullptr;
}

int ShowOpenFileDialog(HWND owner, char* name, std::size_t nameLength) {
    ProposeFileName(name, nameLength, szFile);
    InitOpenFileName(owner, FILE_DIALOG_TITLE);
    if (!GetOpenFileNameA(&ofn)) {
        // Cancel and failure are alike to the caller; only a failure is reported.
        const DWORD failure = FileDialogFailure();
        if (failure != 0)
            MessageBoxA(owner, FileDialogFailureMessage(failure).c_str(), "Fehler", MB_ICONHAND);
        return -1;
    }
    return TakeChosenPath(szFile, name, nameLength);
}

void ShowLastError(HWND owner) {
    const auto code = static_cast<std::int32_t>(GetLastError());
    if (!FormatErrorText(code, szErrText))
        return;
    MessageBoxA(owner, szErrText, "Fehler", MB_ICONHAND);
}

// File selection through the common open dialog.
#include "errortexts.h"
#include "filedlg.h"
#include "filesel.h"
#include "parvane_testing.h" // selectionDialog, defined here

OPENFILENAMEA ofn;
char szFile[FILE_FIELD_LENGTH];
char szFileTitle[FILE_FIELD_LENGTH];
char szFilter[FILE_FIELD_LENGTH];
char szDefExt[4];
FileDialogRoutine selectionDialog = GetOpenFileNameA;

void InitOpenFileName(HWND owner, const char* title, DWORD flags) {
    // A buffer of its own for the title, so that szFile gets the full path back.
    InitFileDialog(ofn, owner, title, flags, szFilter, szDefExt, szFileTitle, sizeof szFileTitle,
                   szFile, sizeof szFile, FileDialogProposal::InPathBuffer);
}

int ShowOpenFileDialog(HWND owner, char* name, std::size_t nameLength) {
    ProposeFileName(name, nameLength, szFile);
    InitOpenFileName(owner, FILE_DIALOG_TITLE, FILE_DIALOG_FLAGS);
    if (!selectionDialog(&ofn)) {
        // Cancel and failure are alike to the caller; only a failure is reported.
        const DWORD failure = FileDialogFailure();
        if (ClassifyFileDialogFailure(failure) != FileDialogFailureKind::Cancelled)
            MessageBoxA(owner, FileDialogFailureMessage(failure).c_str(), "Fehler", MB_ICONHAND);
        return -1;
    }
    return TakeChosenPath(szFile, name, nameLength);
}

#include "filedlg.h"

#include <cderr.h>

#include <cstring>

#include "textio.h"

static_assert(ClassifyFileDialogFailure(FNERR_BUFFERTOOSMALL) == FileDialogFailureKind::PathTooLong,
              "the dialog's own code for a path longer than the file buffer");

void InitFileDialog(OPENFILENAMEA& record, HWND owner, const char* title, DWORD flags,
                    const char* filter, const char* defaultExtension, char* nameField,
                    DWORD nameLength, char* pathBuffer, DWORD pathLength,
                    FileDialogProposal proposal) {
    // Without its trailing blanks: the dialog would take a trailing blank as part of the
    // extension ("dat ") and save under another name than the one shown.
    if (proposal == FileDialogProposal::FromNameField)
        CopyFixedText(pathBuffer, pathLength, nameField, nameLength);
    // No instance, custom filter, initial folder, offsets, custom data, hook or template.
    memset(&record, 0, sizeof record);
    record.lStructSize = OPEN_FILE_NAME_SIZE;
    record.hwndOwner = owner;
    record.lpstrFilter = filter;
    record.nFilterIndex = 1;
    record.lpstrFile = pathBuffer;
    record.nMaxFile = pathLength;
    record.lpstrFileTitle = nameField;
    record.nMaxFileTitle = nameLength;
    record.lpstrTitle = title;
    record.Flags = flags;
    record.lpstrDefExt = defaultExtension;
}

std::string ChosenFilePath(const OPENFILENAMEA& record) {
    return std::string(record.lpstrFile, strnlen(record.lpstrFile, record.nMaxFile));
}

DWORD FileDialogFailure() {
    return CommDlgExtendedError();
}

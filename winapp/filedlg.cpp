#include "filedlg.h"

#include <cstring>

namespace {

// The characters of a fixed-length buffer before its first NUL.
size_t TextLength(const char* buffer, size_t length) {
    const void* nul = memchr(buffer, '\0', length);
    return nul ? static_cast<size_t>(static_cast<const char*>(nul) - buffer) : length;
}

} // namespace

void InitFileDialog(OPENFILENAMEA& record, HWND owner, const char* title, DWORD flags,
                    const char* filter, const char* defaultExtension, char* nameField,
                    DWORD nameLength, char* pathBuffer, DWORD pathLength,
                    FileDialogProposal proposal) {
    if (proposal == FileDialogProposal::FromNameField && pathLength > 0) {
        // The dialog would take a trailing blank as part of the extension ("dat ") and save
        // under another name than the one shown.
        size_t n = TextLength(nameField, nameLength);
        while (n > 0 && nameField[n - 1] == ' ')
            --n;
        const size_t kept = n < pathLength ? n : pathLength - 1;
        memcpy(pathBuffer, nameField, kept);
        pathBuffer[kept] = '\0';
    }
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
    return std::string(record.lpstrFile, TextLength(record.lpstrFile, record.nMaxFile));
}

DWORD FileDialogFailure() {
    return CommDlgExtendedError();
}

// What the programs with common file dialogs share: how a dialog that returned FALSE ended,
// portable so that the programs' texts for it are tested natively, and under Windows the
// record and its buffers. The dialog gets a full-path buffer of its own as its file buffer,
// so that what a program opens never depends on the current directory or on how the user
// entered the name; the program's name field stays the title buffer and supplies the name
// the dialog offers.
#pragma once

#include <cstdint>

// The extended error of a file dialog whose chosen path is longer than its file buffer
// (FNERR_BUFFERTOOSMALL, which filedlg.cpp checks against the platform's header).
constexpr std::uint32_t FILE_DIALOG_PATH_TOO_LONG = 0x3003;

// How a file dialog that returned FALSE ended, told by the code FileDialogFailure() gives:
// 0 is a cancel, FILE_DIALOG_PATH_TOO_LONG a chosen path longer than the file buffer, any
// other code a dialog that failed for a reason of its own.
enum class FileDialogFailureKind { Cancelled, PathTooLong, OtherCode };
constexpr FileDialogFailureKind ClassifyFileDialogFailure(std::uint32_t code) {
    return code == 0                           ? FileDialogFailureKind::Cancelled
           : code == FILE_DIALOG_PATH_TOO_LONG ? FileDialogFailureKind::PathTooLong
                                               : FileDialogFailureKind::OtherCode;
}

#ifdef _WIN32
#include <windows.h>

#include <commdlg.h>

#include <cstddef>
#include <string>

// The record size the file dialogs are given: the layout without the Windows 2000 fields,
// 76 bytes in the 32-bit programs. (This is OPENFILENAME_SIZE_VERSION_400A, which the headers
// do not give as a constant expression.)
constexpr DWORD OPEN_FILE_NAME_SIZE = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#ifndef _WIN64
static_assert(OPEN_FILE_NAME_SIZE == 76, "the 32-bit record without the Windows 2000 fields");
#endif

// Where the name that a file dialog offers comes from.
enum class FileDialogProposal {
    FromNameField, // the text of the name field, copied into the path buffer
    InPathBuffer,  // put into the path buffer by the caller beforehand; nothing is copied
};

// Fills every field of `record` for one dialog. The text of nameField (up to its NUL, without
// trailing blanks) is copied into pathBuffer, which the dialog offers as the initial name and
// fills with the full path of the chosen file; nameField receives the chosen file's name
// without its folder. Both buffers must outlive the dialog. With
// FileDialogProposal::InPathBuffer, pathBuffer already holds the name to offer (text and
// NUL) and is left as it is.
void InitFileDialog(OPENFILENAMEA& record, HWND owner, const char* title, DWORD flags,
                    const char* filter, const char* defaultExtension, char* nameField,
                    DWORD nameLength, char* pathBuffer, DWORD pathLength,
                    FileDialogProposal proposal = FileDialogProposal::FromNameField);

// The file the user confirmed in a dialog that returned TRUE: the full path in the record's
// file buffer.
std::string ChosenFilePath(const OPENFILENAMEA& record);

// Why the last file dialog returned FALSE: 0 when the user cancelled, else the dialog's
// extended error code; ClassifyFileDialogFailure tells them apart.
DWORD FileDialogFailure();
#endif

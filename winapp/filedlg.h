// What the programs with common file dialogs share.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <cstddef>

// The record size the file dialogs are given: the layout without the Windows 2000 fields,
// 76 bytes in the 32-bit programs. (This is OPENFILENAME_SIZE_VERSION_400A, which the headers
// do not give as a constant expression.)
constexpr DWORD OPEN_FILE_NAME_SIZE = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#ifndef _WIN64
static_assert(OPEN_FILE_NAME_SIZE == 76, "the 32-bit record without the Windows 2000 fields");
#endif

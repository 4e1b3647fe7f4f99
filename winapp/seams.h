// The platform calls that tests put their own routine in place of, each program keeping a
// pointer of one of these types that starts as the platform's routine: an allocation that
// fails, a help engine that records its requests, a timer that cannot start, a file dialog
// that fails, ...
#pragma once

#include <windows.h>

#include <commdlg.h>

using LocalAllocRoutine = HLOCAL(WINAPI*)(UINT, SIZE_T);
using LocalLockRoutine = LPVOID(WINAPI*)(HLOCAL);
using WinHelpRoutine = BOOL(WINAPI*)(HWND, LPCSTR, UINT, ULONG_PTR);
using LineDrawRoutine = BOOL(WINAPI*)(HDC, int, int, LPCSTR, int);
using SetTimerRoutine = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC);
using CreateDCRoutine = HDC(WINAPI*)(HDC);
using FileDialogRoutine = BOOL(WINAPI*)(OPENFILENAMEA*);

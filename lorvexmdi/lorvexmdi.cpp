// The program-wide handles of LorvexMDI, and the boxes and record access that the frame and
// the children share.
#include "lorvexmdi.h"
#include "lorvexmdi_testing.h" // infoLock, defined here

HINSTANCE hInst = nullptr;
HINSTANCE hModule = nullptr;
HWND hwndFrame = nullptr;
HWND hwndClient = nullptr;
HMENU hMenuFrame = nullptr;
HMENU hMenuChild = nullptr;
HMENU hMenuFrameWindow = nullptr;
HMENU hMenuChildWindow = nullptr;
int nChildNo = 0;

LocalAllocRoutine infoAllocate = LocalAlloc;
LocalLockRoutine infoLock = LocalLock;

void ReportError(const char* text, const char* caption) {
    MessageBoxA(hwndFrame, text, caption, MB_OK);
}

void* LockInfo(HLOCAL hInfo) {
    void* record = infoLock(hInfo);
    if (record == nullptr)
        ReportError("Failed in LocalLock");
    return record;
}

#include "runerror_box.h"

#include <windows.h>

void ShowRunTimeError(IoError e, int unit, const std::string& path, const char* caption) {
    std::string report = IoErrorReport(e, unit, path);
    MessageBoxA(nullptr, report.c_str(), caption, MB_OK | MB_ICONHAND | MB_TASKMODAL);
}

void EndWithRunTimeError(IoError e, const char* caption) {
    ShowRunTimeError(e, 0, "", caption);
    ExitProcess(static_cast<UINT>(IoErrorNumber(e)));
}

#include "lasterror.h"

#include <cstdint>

char szErrText[ERR_TEXT_LENGTH];

void ShowLastError(HWND owner) {
    const auto code = static_cast<std::int32_t>(GetLastError());
    if (!FormatErrorText(code, szErrText))
        return;
    MessageBoxA(owner, szErrText, "Fehler", MB_ICONHAND);
}

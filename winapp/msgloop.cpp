#include "msgloop.h"

int RunMessageLoop(MSG& record, HACCEL accel, HWND accelWindow, HWND mdiClient) {
    BOOL got;
    while ((got = GetMessageA(&record, nullptr, 0, 0)) != 0) {
        // -1 leaves the record undefined: nothing to translate or dispatch.
        if (got == -1)
            continue;
        bool taken = false;
        if (accel != nullptr)
            taken = TranslateAcceleratorA(accelWindow != nullptr ? accelWindow : record.hwnd, accel,
                                          &record) != 0;
        // Offered every message, also one the accelerators took.
        if (mdiClient != nullptr && TranslateMDISysAccel(mdiClient, &record) != 0)
            taken = true;
        if (taken)
            continue;
        TranslateMessage(&record);
        DispatchMessageA(&record);
    }
    return static_cast<int>(record.wParam);
}

int RunMessageLoop(HACCEL accel, HWND accelWindow, HWND mdiClient) {
    MSG record{};
    return RunMessageLoop(record, accel, accelWindow, mdiClient);
}

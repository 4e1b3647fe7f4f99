// Entry of Lorvex; the start-up itself is in the library, where the tests reach it.
#include <windows.h>

#include "mainwnd.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR, int nCmdShow) {
    return RunLorvex(hInstance, hPrevInstance, nCmdShow);
}

#include "lorvex.h"

HINSTANCE hInst = nullptr;
HINSTANCE hModule = nullptr;
HWND hwndMain = nullptr;
HMENU hMenu = nullptr;

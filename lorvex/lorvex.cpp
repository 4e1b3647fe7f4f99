#include "lorvex.h"

#include "textio.h"

HINSTANCE hInst = nullptr;
HINSTANCE hModule = nullptr;
HWND hwndMain = nullptr;
HMENU hMenu = nullptr;

void SetNameField(NameField& field, const char* text) {
    SetFixedText(field, NAME_FIELD_LENGTH, text);
}

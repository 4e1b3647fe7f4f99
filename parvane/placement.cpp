#include "viewcalc.h"

#include <cstring>

#include "textio.h"

int CentredPosition(int client, int picture) {
    return (client - picture) / 2; // C++ division truncates toward zero
}

OuterSize PictureWindowSize(int bmWidth, int bmHeight, int cxFrame, int cyFrame, int cyCaption) {
    // The window has no sizing border at the bottom edge that the height would need twice.
    return {bmWidth + 2 * cxFrame, bmHeight + cyFrame + cyCaption};
}

Corner CascadeCorner(int x, int y, int clientWidth, int clientHeight) {
    if (x >= 0 && x < clientWidth && y >= 0 && y < clientHeight)
        return {x, y};
    return {0, 0};
}

void ProposeFileName(const char* name, std::size_t nameLength, char* file) {
    std::size_t n = nameLength;
    while (n > 0 && name[n - 1] == ' ')
        --n;
    if (n > FILE_FIELD_LENGTH - 1)
        n = FILE_FIELD_LENGTH - 1;
    memcpy(file, name, n);
    file[n] = '\0';
    memset(file + n + 1, ' ', FILE_FIELD_LENGTH - n - 1);
}

int TakeChosenPath(const char* file, char* name, std::size_t nameLength) {
    const std::size_t n = strnlen(file, FILE_FIELD_LENGTH);
    if (n <= nameLength) {
        memcpy(name, file, n);
        memset(name + n, ' ', nameLength - n);
        return static_cast<int>(n);
    }
    memcpy(name, file, nameLength);
    return -static_cast<int>(n);
}

std::string FileDialogFailureMessage(std::uint32_t code) {
    if (code == FILE_DIALOG_BUFFER_TOO_SMALL)
        return "Der Pfad der gew\xE4hlten Datei ist zu lang. Es wurde keine Datei ge\xF6"
               "ffnet.";
    return "Die Dateiauswahl ist fehlgeschlagen (Fehler 0x" + HexField(code, 4, 4) +
           "). Es wurde keine Datei ge\xF6"
           "ffnet.";
}

bool FormatErrorText(std::int32_t code, char* text) {
    if (code == 0)
        return false;
    SetFixedText(text, ERR_TEXT_LENGTH, ("Fehlercode: " + IntegerField(code, 6)).c_str());
    return true;
}

int TakeSlot(bool (&taken)[SLOT_COUNT], int& nChildren) {
    for (int s = 1; s <= MAX_CHILDREN; ++s) {
        if (!taken[s]) {
            taken[s] = true;
            ++nChildren;
            return s;
        }
    }
    return 0;
}

bool ReleaseSlot(bool (&taken)[SLOT_COUNT], int slot, int& nChildren) {
    if (slot < 1 || slot > MAX_CHILDREN || !taken[slot])
        return false;
    taken[slot] = false;
    --nChildren;
    return true;
}

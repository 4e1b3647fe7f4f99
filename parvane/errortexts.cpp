#include "errortexts.h"

#include "filedlg.h"
#include "textio.h"

bool FormatErrorText(std::int32_t code, char* text) {
    if (code == 0)
        return false;
    SetFixedText(text, ERR_TEXT_LENGTH, ("Fehlercode: " + IntegerField(code, 6)).c_str());
    return true;
}

std::string FileDialogFailureMessage(std::uint32_t code) {
    if (ClassifyFileDialogFailure(code) == FileDialogFailureKind::PathTooLong)
        return "Der Pfad der gew\xE4hlten Datei ist zu lang. Es wurde keine Datei ge\xF6"
               "ffnet.";
    return "Die Dateiauswahl ist fehlgeschlagen (Fehler 0x" + HexField(code, 4, 4) +
           "). Es wurde keine Datei ge\xF6"
           "ffnet.";
}

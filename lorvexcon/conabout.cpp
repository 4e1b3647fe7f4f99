#include "conabout.h"

#include "fenstro.h"
#include "resource.h"

DialogRecord dlgAbout;

void ShowAboutDialog(std::int32_t&) {
    if (!DLGInit(IDD_About, dlgAbout)) {
        WriteDefaultOutput("Fehler: DlgInit dlgAbout versagte.");
        return;
    }
    // Only "OK" ends it: the template has no control 2 for Esc and the close box.
    DLGMODAL(dlgAbout);
    DlgRelease(dlgAbout);
}

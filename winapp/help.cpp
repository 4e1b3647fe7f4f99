#include "help.h"

#include <string>

NameField helpFileName;
NameField helpKeyword;

namespace {

NameField helpFailureText;
NameField helpFailureCaption;

} // namespace

// A box that belongs to another window than the program's main window, or to none, leaves
// the main window enabled: it is disabled by hand meanwhile, so that it waits for this box as
// it does for every other one (CloseMustWait) and takes no input under it.
void ReportHelpFailure(HWND owner, HWND window, const char* program) {
    SetNameField(helpFailureText, "Unable to activate help");
    SetNameField(helpFailureCaption, program);
    const bool holdWindow =
        (owner == nullptr || GetAncestor(owner, GA_ROOT) != window) && !EnableWindow(window, FALSE);
    MessageBoxA(owner, helpFailureText, helpFailureCaption, MB_SYSTEMMODAL | MB_ICONHAND);
    if (holdWindow)
        EnableWindow(window, TRUE);
}

void RequestHelpContents(WinHelpRoutine engine, HWND window, const char* program) {
    SetNameField(helpFileName, ("\\" + std::string(program) + ".hlp").c_str());
    SetNameField(helpKeyword, "CONTENTS");
    if (!engine(window, helpFileName, HELP_KEY, reinterpret_cast<ULONG_PTR>(helpKeyword)))
        ReportHelpFailure(window, window, program);
}

void RequestHelpSearch(WinHelpRoutine engine, HWND window, const char* program) {
    const std::string file = std::string(program) + ".hlp";
    if (!engine(window, file.c_str(), HELP_PARTIALKEY, reinterpret_cast<ULONG_PTR>("")))
        ReportHelpFailure(window, window, program);
}

void RequestHelpOnHelp(WinHelpRoutine engine, HWND window, const char* program) {
    if (!engine(window, "", HELP_HELPONHELP, 0))
        ReportHelpFailure(GetFocus(), window, program);
}
